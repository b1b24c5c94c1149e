#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velinda {

// One fixed-capacity text field inside a record buffer: a length byte L,
// then `capacity` bytes of which the first L are Windows-1252 text. The bytes
// after the text mean nothing and are left as the buffer held them.
class TCampoFisso {
 public:
  TCampoFisso(char* start, int capacity) : start_(start), capacity_(capacity) {}

  // Trims the text (codes <= 32 at both ends), converts it to Windows-1252
  // and keeps at most `capacity` bytes.
  void FromText(const QString& text);

  // The text, decoded and trimmed. A length byte larger than the capacity
  // (a damaged or foreign file) reads only the field's own bytes.
  QString ToText() const { return ToText(start_, capacity_); }
  static QString ToText(const char* start, int capacity);
  // The text's bytes without what trimming removes, still in Windows-1252.
  static QByteArrayView TrimmedBytes(const char* start, int capacity);

  // A check box state as "Sì" or "No".
  void FromFlag(bool checked);

  // "Sì" is true, "No" false, anything else no value (the check box is then
  // left as it was).
  std::optional<bool> ToFlag() const { return ToFlag(start_, capacity_); }
  static std::optional<bool> ToFlag(const char* start, int capacity);

  static const QString kYes;
  static const QString kNo;

 private:
  char* start_;
  int capacity_;
};

}  // namespace velinda
