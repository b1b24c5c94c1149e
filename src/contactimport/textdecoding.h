#pragma once

#include <QByteArray>
#include <QString>

// The text of a file whose encoding is not declared: a byte-order mark
// decides (UTF-8, UTF-16); otherwise bytes that are valid UTF-8 are read as
// UTF-8, and anything else as Windows-1252, what Windows programs save.
struct DecodedText {
  QString text;
  QString encoding;  // for the user: "UTF-8", "UTF-8 con BOM", ...
};

DecodedText decodeText(const QByteArray& bytes);

// True when the decoded text holds a NUL or another control character that
// no text file has: the file was a spreadsheet, a picture, a zip archive.
bool looksBinary(const QString& text);
