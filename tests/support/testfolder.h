#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace velinda {

// A fresh program folder for one test: the program reads and writes its
// files here for the fixture's lifetime, then in the folder it used before.
class TestFolder {
 public:
  // The folder is made inside `parent` (a SmallDisk's path, say), or in the
  // system's temporary folder.
  explicit TestFolder(const QString& parent = {});
  ~TestFolder();

  QString path() const;
  QString filePath(const QString& name) const;
  QByteArray read(const QString& name) const;
  void write(const QString& name, const QByteArray& bytes) const;
  bool exists(const QString& name) const;
  // Makes a file (or, with an empty name, the folder) read-only. Tests run
  // as root too, where permission bits alone do not stop a write, so the
  // file is also marked immutable there. True when writing there is now
  // refused: Windows has no read-only folders, and a test of one skips there.
  bool makeReadOnly(const QString& name = {});
  // Why a test skips when makeReadOnly() returns false.
  static constexpr const char* kCannotMakeReadOnly =
      "this system lets the test write where it was made read-only (Windows has no read-only "
      "folders, and Wine run as root ignores the read-only attribute of a file)";
  // Lets files be created in the folder but not deleted or renamed (chattr
  // +a); false where that cannot be done (not root, a filesystem without
  // the flag).
  bool makeAppendOnly();

 private:
  QTemporaryDir dir_;
  QStringList immutable_;
  bool appendOnly_ = false;
  QString previousFolder_;
};

}  // namespace velinda
