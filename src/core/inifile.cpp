#include "core/inifile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "core/filelock.h"
#include "core/replacementfile.h"
#include "core/text.h"
#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// How long a reader gives another station to finish replacing the file: as
// long as a station gives itself to replace it (ReplacementFile), since on
// a share a file being renamed over cannot be opened meanwhile.
constexpr int kReplacementWait = 5000;

// The file's bytes; nothing when it cannot be read, and why in failure.
std::optional<QByteArray> readWhole(const QString& path, QString* failure = nullptr) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray bytes = file.readAll();
    if (file.error() == QFileDevice::NoError) return bytes;
  }
  if (failure) *failure = file.errorString();
  return std::nullopt;
}

// Whether the folder's listing holds the file, and its lock. A network
// client keeps a name it found missing as missing for a while (about a
// second, through smbnetfs), even after another station has made it again;
// it does not keep a folder's listing, so the listing tells the truth.
struct Listed {
  bool file = false;
  bool lock = false;
};
Listed listed(const QString& path) {
  const QFileInfo info(path);
  const QString lockName = QFileInfo(FileLock::lockFilePath(path)).fileName();
  const QDir::Filters everything =
      QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
  Listed seen;
  for (const QString& name :
       QDir(info.absolutePath()).entryList({info.fileName(), lockName}, everything)) {
    if (name.compare(lockName, Qt::CaseInsensitive) == 0)
      seen.lock = true;
    else
      seen.file = true;
  }
  return seen;
}

// The file's bytes, read again for a moment while the file is listed but
// cannot be opened yet (see listed()).
std::optional<QByteArray> readListed(const QString& path, QString* failure) {
  const QDeadlineTimer deadline(kReplacementWait);
  for (;;) {
    std::optional<QByteArray> bytes = readWhole(path, failure);
    if (bytes || QFileInfo::exists(path) || deadline.hasExpired()) return bytes;
    QThread::msleep(20);
  }
}

QString failureToSave(const QString& path) {
  return u"Attenzione: non è possibile salvare il file "_s + QFileInfo(path).fileName() +
         u". Accertarsi di possedere i privilegi di scrittura nella "
         "cartella di installazione del programma."_s;
}
}  // namespace

IniFile IniFile::load(const QString& path) {
  const QDeadlineTimer deadline(kReplacementWait);
  for (;;) {
    const std::optional<QByteArray> bytes = readWhole(path);
    if (bytes && !bytes->isEmpty()) return fromBytes(*bytes);
    // Missing or empty while its lock is there: a replacement under way.
    // Missing but listed: back already, not yet for this client.
    const Listed seen = listed(path);
    if (!(seen.lock || (!bytes && seen.file)) || deadline.hasExpired())
      return fromBytes(bytes.value_or(QByteArray()));
    QThread::msleep(20);
  }
}

void IniFile::update(const QString& path, const std::function<void(IniFile&)>& change) {
  const QString name = QFileInfo(path).fileName();
  FileLock lock(path);
  try {
    lock.acquire();
    lock.requireHeld();
  } catch (const LockBusy& busy) {
    throw IniWriteError(QString::fromStdString(busy.what()),
                        u"Attenzione: non è possibile salvare il file "_s + name +
                            u", perché è in uso da parte di un'altra postazione.\r\n\r\n"
                            "Attendere qualche istante e riprovare."_s);
  } catch (const LockUnavailable& why) {
    throw IniWriteError(
        QString::fromStdString(why.what()),
        why.problem() == LockProblem::NoRightToCreate ? failureToSave(path) : why.userMessage());
  }
  IniFile ini;
  if (QFileInfo::exists(path) || listed(path).file) {
    QString failure;
    const std::optional<QByteArray> bytes = readListed(path, &failure);
    if (!bytes)
      throw IniWriteError(path + u": cannot be read: "_s + failure,
                          u"Attenzione: non è possibile leggere il file "_s + name +
                              u", per cui non viene modificato.\r\n\r\n"
                              "Accertarsi di possedere i privilegi di lettura e di scrittura "
                              "nella cartella di installazione del programma."_s);
    ini = fromBytes(*bytes);
  }
  change(ini);
  ini.save(path);
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
  IniFile ini;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype lf = bytes.indexOf('\n', start);
    Line line;
    if (lf < 0) {
      line.raw = bytes.mid(start);  // the last line, with no break after it
      start = bytes.size();
    } else {
      line.raw = bytes.mid(start, lf - start);
      line.ending = "\n";
      if (line.raw.endsWith('\r')) {
        line.raw.chop(1);
        line.ending = "\r\n";
      }
      start = lf + 1;
    }
    const QString text = Text::trimmed(Windows1252::decode(line.raw));
    if (text.startsWith(u'[') && text.endsWith(u']')) {
      line.section = Text::trimmed(text.mid(1, text.size() - 2));
    } else if (!text.startsWith(u';')) {
      const qsizetype eq = text.indexOf(u'=');
      if (eq > 0) {
        line.key = Text::trimmed(text.left(eq));
        line.value = Text::trimmed(text.mid(eq + 1));
      }
    }
    if (ini.lines_.isEmpty() && !line.ending.isEmpty()) ini.newline_ = line.ending;
    ini.lines_.append(line);
  }
  return ini;
}

void IniFile::insertLine(qsizetype at, Line line) {
  line.ending = newline_;
  // A file that did not end with a line break still does not.
  if (at == lines_.size() && !lines_.isEmpty() && lines_.last().ending.isEmpty()) {
    lines_.last().ending = newline_;
    line.ending.clear();
  }
  lines_.insert(at, line);
}

int IniFile::findSection(const QString& section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].section.isEmpty() && sameName(lines_[i].section, section)) return i;
  }
  return -1;
}

int IniFile::findKey(int sectionLine, const QString& key) const {
  for (int i = sectionLine + 1; i < lines_.size(); ++i) {
    if (!lines_[i].section.isEmpty()) break;
    if (!lines_[i].key.isEmpty() && sameName(lines_[i].key, key)) return i;
  }
  return -1;
}

QString IniFile::value(const QString& section, const QString& key) const {
  const int s = findSection(section);
  if (s < 0) return {};
  const int k = findKey(s, key);
  return k < 0 ? QString() : lines_[k].value;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
  const QString trimmedValue = Text::trimmed(value);
  int s = findSection(section);
  if (s < 0) {
    if (!lines_.isEmpty() && !lines_.last().raw.trimmed().isEmpty())
      insertLine(lines_.size(), Line{});
    Line header;
    header.raw = Windows1252::encode(u'[' + section + u']');
    header.section = section;
    insertLine(lines_.size(), header);
    s = lines_.size() - 1;
  }
  const int k = findKey(s, key);
  if (k >= 0) {
    Line& line = lines_[k];
    line.value = trimmedValue;
    line.raw = Windows1252::encode(line.key + u'=' + trimmedValue);
    return;
  }
  // A new key goes after the last non-empty line of its section.
  int insertAt = s + 1;
  for (int i = s + 1; i < lines_.size() && lines_[i].section.isEmpty(); ++i) {
    if (!lines_[i].raw.trimmed().isEmpty()) insertAt = i + 1;
  }
  Line added;
  added.raw = Windows1252::encode(key + u'=' + trimmedValue);
  added.key = key;
  added.value = trimmedValue;
  insertLine(insertAt, added);
}

QByteArray IniFile::toBytes() const {
  QByteArray out;
  for (const Line& line : lines_) out += line.raw + line.ending;
  return out;
}

void IniFile::save(const QString& path) const {
  const QFileInfo info(path);
  if (info.exists() && !info.isWritable())
    throw IniWriteError(path + u": read-only"_s, failureToSave(path));
  try {
    ReplacementFile file(path);
    file.write(toBytes());
    file.commit();
  } catch (const FileWriteError& error) {
    throw IniWriteError(QString::fromStdString(error.what()), failureToSave(path));
  }
}

}  // namespace velinda
