#pragma once

#include <QString>
#include <QTemporaryDir>

// A nearly full disk for one test: a tmpfs of a few kilobytes mounted on a
// fresh folder, which becomes the program folder for the fixture's lifetime.
// Mounting needs root; where it is not possible, usable() is false and the
// test skips with why().
class SmallDisk {
 public:
  explicit SmallDisk(int kilobytes);
  ~SmallDisk();

  bool usable() const { return mounted_; }
  QString why() const { return why_; }
  QString filePath(const QString& name) const;

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
  QString why_;
};
