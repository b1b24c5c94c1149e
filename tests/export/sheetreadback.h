#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velinda {

// Saved sheets read back with each format's own means: the zip package
// opened with libzip and its XML parsed with Qt, the CSV parsed as the
// contact import parses it. A sheet reads as its rows of cell texts, the
// header row first, each row as long as the longest.
namespace SheetReadBack {

QList<QStringList> ods(const QString& path);
QList<QStringList> xlsx(const QString& path);
QList<QStringList> csv(const QString& path);
// By the file's extension.
QList<QStringList> any(const QString& path);

// The names of a zip package's entries, in their order, and one entry.
QStringList zipNames(const QString& path);
QByteArray zipEntry(const QString& path, const QString& name);

}  // namespace SheetReadBack

}  // namespace velinda
