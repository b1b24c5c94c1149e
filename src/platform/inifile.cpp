#include "platform/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "archive/text.h"
#include "archive/windows1252.h"

namespace {
bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}
}  // namespace

IniFile IniFile::load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return IniFile();
  return fromBytes(file.readAll());
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
  IniFile ini;
  if (bytes.isEmpty()) return ini;
  const qsizetype firstLf = bytes.indexOf('\n');
  ini.newline_ = (firstLf > 0 && bytes.at(firstLf - 1) == '\r') ? "\r\n" : "\n";
  ini.endsWithNewline_ = bytes.endsWith('\n');

  QList<QByteArray> raws = bytes.split('\n');
  if (ini.endsWithNewline_) raws.removeLast();
  for (QByteArray raw : raws) {
    if (raw.endsWith('\r')) raw.chop(1);
    Line line{raw, {}, {}, {}};
    const QString text = Text::trimmed(Windows1252::decode(raw));
    if (text.startsWith(u'[') && text.endsWith(u']')) {
      line.section = Text::trimmed(text.mid(1, text.size() - 2));
    } else if (!text.startsWith(u';')) {
      const qsizetype eq = text.indexOf(u'=');
      if (eq > 0) {
        line.key = Text::trimmed(text.left(eq));
        line.value = Text::trimmed(text.mid(eq + 1));
      }
    }
    ini.lines_.append(line);
  }
  return ini;
}

int IniFile::findSection(const QString& section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].section.isEmpty() && sameName(lines_[i].section, section))
      return i;
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

void IniFile::setValue(const QString& section, const QString& key,
                       const QString& value) {
  const QString trimmedValue = Text::trimmed(value);
  int s = findSection(section);
  if (s < 0) {
    if (!lines_.isEmpty() && !lines_.last().raw.trimmed().isEmpty())
      lines_.append(Line{});
    lines_.append(Line{Windows1252::encode(u'[' + section + u']'), section, {}, {}});
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
  lines_.insert(insertAt,
                Line{Windows1252::encode(key + u'=' + trimmedValue), {}, key,
                     trimmedValue});
}

QByteArray IniFile::toBytes() const {
  QByteArray out;
  for (int i = 0; i < lines_.size(); ++i) {
    out += lines_[i].raw;
    if (i + 1 < lines_.size() || endsWithNewline_) out += newline_;
  }
  return out;
}

void IniFile::save(const QString& path) const {
  const QFileInfo info(path);
  // The message reaches the user as it stands.
  const QString failure = u"Attenzione: non è possibile salvare il file "_qs + info.fileName() +
                          u". Accertarsi di possedere i privilegi di scrittura nella "
                          "cartella di installazione del programma."_qs;
  if (info.exists() && !info.isWritable()) throw IniWriteError(failure.toStdString());
  QSaveFile file(path);
  const QByteArray bytes = toBytes();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw IniWriteError(failure.toStdString());
}
