#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace velinda {

// The few file operations the station lock is made of, each with the
// system's answer sorted into what the lock must tell apart. Every call
// opens and closes what it touches before it returns.
namespace LockFiles {

enum class Outcome {
  Done,
  // create: a file (or folder) of that name is there.
  Exists,
  // remove: no such file.
  Missing,
  // remove: refused for now, because another handle has the file open (a
  // network client or Windows keeps an open file from being deleted).
  InUse,
  // removeFolder: the folder holds something.
  NotEmpty,
  // The user may not do this here (no right, a read-only folder or file, a
  // protected file).
  Refused,
  DiskFull,
  // Anything else: the folder failed.
  Failed,
};

struct Result {
  Outcome outcome;
  QString detail;  // the system's own words, for a log
};

// Creates the folder only when nothing of that name exists. Unlike the
// exclusive creation of a file, this holds on every kind of folder the
// program runs from: a FUSE client of a share (smbnetfs) looks a file up
// and then creates it in two steps, so two desks may both "create" it.
Result makeFolder(const QString& path);
Result removeFolder(const QString& path);

// Creates or empties the file, writes content and closes it. A file that
// cannot be written in full is removed again.
Result write(const QString& path, const QByteArray& content);

// Deletes the file.
Result remove(const QString& path);

// Opens the file, reads it whole and closes it at once; nothing when it is
// missing or cannot be read. isProtected, when given, tells whether the
// system keeps the file from being changed or deleted by anyone (an
// immutable file; a read-only one on Windows), learnt through the same
// opening: on a share every opening can stand in the way of another desk
// deleting the file.
std::optional<QByteArray> read(const QString& path, bool* isProtected = nullptr);

// True while a process of that number runs on this computer.
bool processRunning(qint64 pid);

qint64 currentProcessId();

}  // namespace LockFiles

}  // namespace velinda
