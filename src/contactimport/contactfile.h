#pragma once

#include <QByteArray>
#include <QString>

#include "contactimport/contacttable.h"

// A file of contacts as the user chooses it: its encoding and format found
// out, then read by the CSV or the vCard reader. Every way a file can be
// unfit throws ContactFileError with the message to show.
namespace ContactFile {

// Far above any address book; a larger file is not a list of contacts.
inline constexpr qint64 kLargestFile = 256 * 1024 * 1024;

ContactTable read(const QString& path);
ContactTable fromBytes(const QByteArray& bytes);

}  // namespace ContactFile
