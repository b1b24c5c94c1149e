#pragma once

#include <QString>

class QWidget;

// The folder `Documenti_Allegati` beside the program, shared by every record:
// records keep only bare file names that refer to the copies kept here. The
// program only ever adds or replaces files in it, never deletes one.
namespace AttachmentFolder {

// The folder, ending with a '/'.
QString path();

// The folder followed by the trimmed name.
QString filePath(const QString& name);

// Copies `source` into the folder under `name`, creating the folder when it
// is missing. When a file of that name is already there, the user is asked
// first, and "No" leaves it as it is. Failures are silent: the caller goes
// on as if the copy had been made.
void store(const QString& source, const QString& name, QWidget* parent);

// The overwrite question.
inline const QString kOverwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                   "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

}  // namespace AttachmentFolder
