#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace velinda {

// A real network share for the tests of desks sharing a program folder: a
// Samba server of its own on 127.0.0.1 (its configuration, state and shared
// folder in a temporary folder; no system service), and the share mounted
// once per desk through libsmbclient (smbnetfs, a FUSE filesystem), as that
// many computers would see it. Needs root (port 445, FUSE mounts),
// smbd, smbnetfs and /dev/fuse; where any is missing isReady() is false and
// whyNot() says why, for the test's QSKIP.
class SambaShare {
 public:
  explicit SambaShare(int desks = 2);
  ~SambaShare();

  SambaShare(const SambaShare&) = delete;
  SambaShare& operator=(const SambaShare&) = delete;

  bool isReady() const { return whyNot_.isEmpty(); }
  QString whyNot() const { return whyNot_; }

  // The shared folder as desk 1, 2, ... sees it, ending with '/'.
  QString desk(int number) const;
  // The same folder on the server's own disk, ending with '/'.
  QString serverFolder() const;

 private:
  bool startServer();
  bool mount(int number);

  QTemporaryDir root_;
  QProcess server_;
  QList<QString> mounted_;
  QString whyNot_;
};

}  // namespace velinda
