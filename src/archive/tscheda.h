#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "archive/layouts.h"
#include "archive/tcampofisso.h"

namespace velinda {

// A record buffer: exactly one record's bytes in file order, with access to
// its fields by name or index.
class TScheda {
 public:
  explicit TScheda(const RecordLayout& layout);

  const RecordLayout& layout() const { return *layout_; }
  QByteArray& bytes() { return bytes_; }
  const QByteArray& bytes() const { return bytes_; }

  TCampoFisso field(int index);
  QString text(int index) const;
  std::optional<bool> flag(int index) const;
  // Every field's text, in record order: the record as a screen shows it,
  // whatever the bytes after each text hold.
  QStringList texts() const;

  // By field name; the name must belong to the layout.
  QString text(QStringView name) const;
  std::optional<bool> flag(QStringView name) const;
  void setText(QStringView name, const QString& text);
  void setFlag(QStringView name, bool checked);

 private:
  int indexOf(QStringView name) const;

  const RecordLayout* layout_;
  QByteArray bytes_;
};

class TSchedaAccettazione : public TScheda {
 public:
  TSchedaAccettazione() : TScheda(acceptanceLayout()) {}
};

class TSchedaRicevimento : public TScheda {
 public:
  TSchedaRicevimento() : TScheda(returnReceiptLayout()) {}
};

class TSchedaAnagrafica : public TScheda {
 public:
  TSchedaAnagrafica() : TScheda(addressBookLayout()) {}
};

}  // namespace velinda
