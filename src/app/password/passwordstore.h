#pragma once

#include <QString>

namespace velinda {

// The one password of the installation, kept scrambled as "Valore" of the
// section "Accesso" in the INI file unins000.dll beside the executable. The
// program never creates the file on its own: it is delivered with it.
namespace PasswordStore {

inline const QString kFileName = QStringLiteral("unins000.dll");

// The store in the program folder.
QString path();

// What a typed password is compared as: a-z put in capitals (accented
// letters keep their case), then trimmed.
QString prepare(const QString& typed);

// Whether a prepared password survives storage: one byte per character, so
// codes 1 to 255 only, and at most 255 characters.
bool canHold(const QString& prepared);

// The stored password, unscrambled and trimmed. A missing or unreadable
// file, section or key gives the empty text, which no typed password
// matches. Throws PasswordFormatError on a value that is not hexadecimal.
QString read(const QString& storePath = path());

// Replaces the stored value, creating the file when missing and keeping its
// other lines. The file is replaced in one step: on IniWriteError the
// previous password stays in force.
void write(const QString& prepared, const QString& storePath = path());

}  // namespace PasswordStore

}  // namespace velinda
