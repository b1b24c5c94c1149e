#pragma once

#include <QByteArray>
#include <QString>

namespace velinda {

// The Windows-1252 code page (the ANSI code page of Italian Windows), one
// byte per character. A small table of our own, so that the files read the
// same on every machine whatever Qt was built with.
namespace Windows1252 {

QString decode(const QByteArray& bytes);
QString decode(const char* bytes, qsizetype length);
// The same, written from `out` on, which has room for `length` characters;
// returns where they end. For whoever builds one text from many fields.
char16_t* decodeTo(const char* bytes, qsizetype length, char16_t* out);

// A character the code page cannot hold becomes the same letter without its
// accent where there is one ("ő" -> "o"), else "?".
QByteArray encode(const QString& text);
// The same, written from `out` on, which has room for text.size() bytes;
// returns where the bytes end. For writers of long documents.
char* encodeTo(QStringView text, char* out);

}  // namespace Windows1252

}  // namespace velinda
