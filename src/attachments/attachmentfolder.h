#pragma once

#include <QString>

class QWidget;

namespace velinda {

// The folder `Documenti_Allegati` beside the program, shared by every record:
// records keep only bare file names that refer to the copies kept here. The
// program only ever adds or replaces files in it, never deletes one.
namespace AttachmentFolder {

// The folder, ending with a '/'.
QString path();

// The folder followed by the trimmed name.
QString filePath(const QString& name);

// Whether the trimmed name can only mean a file of the folder: a bare file
// name, with no folder in it (no '/' and no backslash, whichever system
// wrote the record), no drive ("C:"), and not "." or ".." (nor more dots,
// which Windows reads as "."); on Windows, also not a device ("NUL",
// "COM1", "con.txt") nor a name with a colon. A record's names come from a file that anyone
// with access to a shared folder can write, so they are checked before any
// file is opened, copied or replaced.
bool isBareName(const QString& name);

// Whether Windows reads the trimmed name as something other than a file of
// the folder: a device ("NUL", "COM1", "con.txt": the extension does not
// matter, nor blanks before it) or, after a colon, a hidden stream of another
// file. Copying into such a name would lose the file without a word.
bool isWindowsDeviceOrStream(const QString& name);

// Copies `source` into the folder under `name`, creating the folder when it
// is missing; a name that is not bare copies nothing. When a file of that
// name is already there, the user is asked first, and "No" leaves it as it
// is; a replacement that fails leaves it as it was too. Failures are silent:
// the caller goes on as if the copy had been made.
void store(const QString& source, const QString& name, QWidget* parent);

// What the screen says instead of using a name that is not bare.
inline const QString kNotBareNameWarning = QStringLiteral(
    "Attenzione: il nome del file allegato non è valido, perché indica un file fuori "
    "dalla cartella dei documenti allegati.\r\n\r\nIl nome di un file allegato non può "
    "contenere cartelle (/ o \\) né unità (come C:) e non può essere \".\" o \"..\".");

// The overwrite question.
inline const QString kOverwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file "
    "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

}  // namespace AttachmentFolder

}  // namespace velinda
