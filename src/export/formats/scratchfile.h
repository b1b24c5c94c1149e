#pragma once

#include <QString>
#include <QTemporaryDir>

class QIODevice;

namespace velinda {

// A file for a library that writes only to a path of its own choosing (and
// may create its own temporary files beside it): the path lies in a folder
// made for this file alone, which no other user can enter to plant a link,
// and the finished file is copied to the real output. The folder goes with
// this object.
class ScratchFile {
 public:
  // Throws SheetFileError when the folder cannot be made.
  explicit ScratchFile(const QString& name);

  QString path() const { return path_; }
  QString folder() const { return folder_.path(); }

  // Throws SheetFileError.
  void copyTo(QIODevice& out) const;

 private:
  QTemporaryDir folder_;
  QString path_;
};

}  // namespace velinda
