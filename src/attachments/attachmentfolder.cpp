#include "attachments/attachmentfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>

#include "core/programfolder.h"
#include "core/replacementfile.h"
#include "core/text.h"
#include "platform/messageservice.h"
#include "platform/services.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Copies into a new file beside the target, which replaces it only once the
// whole source is there: a copy that fails part-way (a full disk, a source
// that cannot be read to its end) leaves the old file exactly as it was.
// The copy is the program's own file, readable and writable by its owner
// whatever the source allowed, so that it can be replaced in its turn.
void copyReplacing(const QString& source, const QString& target) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return;
  try {
    ReplacementFile out(target);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = in.read(chunk.data(), chunk.size())) > 0) out.write(chunk.constData(), got);
    if (got < 0) return;  // the new file is thrown away
    out.setPermissions(in.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    out.commit();
  } catch (const FileWriteError&) {
  }
}

}  // namespace

namespace AttachmentFolder {

QString path() { return ProgramFolder::filePath(u"Documenti_Allegati/"_s); }

QString filePath(const QString& name) { return path() + Text::trimmed(name); }

bool isWindowsDeviceOrStream(const QString& name) {
  // COM and LPT take a digit or a superscript one, two or three.
  static const QRegularExpression device(
      u"^(CON|PRN|AUX|NUL|COM[0-9\\x{B9}\\x{B2}\\x{B3}]|LPT[0-9\\x{B9}\\x{B2}\\x{B3}]|CONIN\\$|"
      u"CONOUT\\$) *(\\..*)?$"_s,
      QRegularExpression::CaseInsensitiveOption);
  const QString bare = Text::trimmed(name);
  return bare.contains(u':') || device.match(bare).hasMatch();
}

bool isBareName(const QString& name) {
  const QString bare = Text::trimmed(name);
  const bool drive = bare.indexOf(u':') == 1;  // "C:", "C:\\", "C:name"
  const bool dotsOnly = bare.count(u'.') == bare.size();
#ifdef Q_OS_WIN
  if (isWindowsDeviceOrStream(bare)) return false;
#endif
  return !bare.isEmpty() && !dotsOnly && !drive && !bare.contains(u'/') && !bare.contains(u'\\');
}

void store(const QString& source, const QString& name, QWidget* parent) {
  if (!isBareName(name)) return;
  const QString target = filePath(name);
  if (!QDir().mkpath(path())) return;
  if (QFileInfo::exists(target)) {
    if (!Services::messages().confirm(parent, kOverwriteQuestion)) return;
    // The user picked the copy that is already in the folder: nothing to do.
    std::error_code sameFileError;
    if (std::filesystem::equivalent(QFileInfo(source).filesystemFilePath(),
                                    QFileInfo(target).filesystemFilePath(), sameFileError))
      return;
  }
  copyReplacing(source, target);
}

}  // namespace AttachmentFolder

}  // namespace velinda
