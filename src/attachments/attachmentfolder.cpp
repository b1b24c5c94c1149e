#include "attachments/attachmentfolder.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "archive/text.h"
#include "platform/messageservice.h"
#include "platform/programfolder.h"
#include "platform/services.h"

namespace AttachmentFolder {

QString path() { return ProgramFolder::filePath(u"Documenti_Allegati/"_qs); }

QString filePath(const QString& name) { return path() + Text::trimmed(name); }

void store(const QString& source, const QString& name, QWidget* parent) {
  const QString target = filePath(name);
  if (!QDir().mkpath(path())) return;
  if (QFileInfo::exists(target)) {
    if (!Services::messages().confirm(parent, kOverwriteQuestion)) return;
    // Copying a file onto itself would empty it: the user picked the copy
    // that is already in the folder, so there is nothing to do.
    std::error_code sameFileError;
    if (std::filesystem::equivalent(QFileInfo(source).filesystemFilePath(),
                                    QFileInfo(target).filesystemFilePath(), sameFileError))
      return;
  }
  std::error_code copyError;
  std::filesystem::copy_file(QFileInfo(source).filesystemFilePath(),
                             QFileInfo(target).filesystemFilePath(),
                             std::filesystem::copy_options::overwrite_existing, copyError);
}

}  // namespace AttachmentFolder
