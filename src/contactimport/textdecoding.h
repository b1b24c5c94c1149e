#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace velinda {

// The text of a file whose encoding is not declared. A byte-order mark
// decides for UTF-16; otherwise every byte sequence that is valid UTF-8 is
// read as UTF-8 and every byte that is not as Windows-1252, what Windows
// programs save, so that a file written partly by one program and partly by
// another keeps all of its letters. Bytes are given a piece at a time.
class TextDecoder {
 public:
  // The mark at the start of the file, to be skipped; the first piece must
  // hold at least four bytes when the file has them.
  qsizetype markLength(QByteArrayView firstBytes);
  bool isUtf16() const { return utf16_.has_value(); }

  // The text of the next piece. A piece of a file without a UTF-16 mark
  // must end where a line ends (or at the end of the file), so that no
  // character is cut in two.
  QString decode(QByteArrayView bytes);

  // How many bytes were read as Windows-1252 in the last piece decoded.
  qsizetype lastLegacyBytes() const { return lastLegacy_; }
  // Whether any byte was read as Windows-1252.
  bool sawLegacy() const { return legacy_ > 0; }
  // Whether the file is UTF-8 with some bytes that are not: a file written
  // partly by one program and partly by another.
  bool isMixed() const { return legacy_ > 0 && (utf8_ > 0 || utf8Mark_); }

  // How the file was read, for the user: "UTF-8", "UTF-8 con BOM",
  // "UTF-16", "Windows-1252", "UTF-8 e Windows-1252".
  QString encodingName() const;

 private:
  bool utf8Mark_ = false;
  std::optional<QStringDecoder> utf16_;
  qsizetype legacy_ = 0;
  qsizetype lastLegacy_ = 0;
  qsizetype utf8_ = 0;
};

// Bytes as TextDecoder reads a file without a mark: UTF-8 where valid,
// Windows-1252 for each byte that is not.
QString decodeUtf8OrWindows1252(QByteArrayView bytes);

// True when the text holds a NUL or another control character that no
// text file has: the file was a spreadsheet, a picture, a zip archive.
bool looksBinary(QStringView text);

}  // namespace velinda
