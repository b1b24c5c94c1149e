#pragma once

#include <QString>
#include <QTemporaryDir>

namespace velinda {

// A filesystem of its own (a tmpfs, one megabyte unless asked otherwise),
// for tests of what happens when the disk is full. Mounting needs root; where the tests run
// as another user, or the system refuses the mount, isMounted() is false and
// whyNotMounted() says why, for the test's QSKIP.
class SmallDisk {
 public:
  explicit SmallDisk(int kilobytes = 1024);
  ~SmallDisk();

  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool isMounted() const { return mounted_; }
  QString whyNotMounted() const { return whyNot_; }

  // The mount point, ending with a '/', and a file in it.
  QString path() const;
  QString filePath(const QString& name) const { return path() + name; }

  // Takes every free byte, so that the next write to any file fails with
  // "No space left on device". Files already there stay as they are.
  void fill();

 private:
  QTemporaryDir mountPoint_;
  bool mounted_ = false;
  QString whyNot_;
};

}  // namespace velinda
