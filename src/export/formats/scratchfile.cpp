#include "export/formats/scratchfile.h"

#include <QFile>

#include "export/formats/sheetcontent.h"

namespace velinda {

ScratchFile::ScratchFile(const QString& name) {
  if (!folder_.isValid()) throw SheetFileError(folder_.errorString().toStdString());
  path_ = folder_.filePath(name);
}

void ScratchFile::copyTo(QIODevice& out) const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) throw SheetFileError(file.errorString().toStdString());
  QByteArray block(1 << 20, Qt::Uninitialized);
  qint64 got = 0;
  while ((got = file.read(block.data(), block.size())) > 0) {
    if (out.write(block.constData(), got) != got)
      throw SheetFileError(out.errorString().toStdString());
  }
  if (got < 0) throw SheetFileError(file.errorString().toStdString());
}

}  // namespace velinda
