#include "print/printsettings.h"

#include "archive/text.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"

namespace {
const QString kUpright = u"Verticale"_qs;
const QString kSideways = u"Orizzontale"_qs;

QString filePath() { return ProgramFolder::filePath(QString::fromLatin1(PrintSettings::kFileName)); }
}  // namespace

namespace PrintSettings {

QString read(const QString& section, const QString& key) {
  return IniFile::load(filePath()).value(section, key);
}

void write(const QString& section, const QString& key, const QString& value) {
  IniFile ini = IniFile::load(filePath());
  ini.setValue(section, key, value);
  ini.save(filePath());
}

void write(const QString& section, const QString& key, const QString& value,
           const QString& section2, const QString& key2, const QString& value2) {
  IniFile ini = IniFile::load(filePath());
  ini.setValue(section, key, value);
  ini.setValue(section2, key2, value2);
  ini.save(filePath());
}

std::optional<Orientation> orientationFromWord(const QString& word) {
  const QString trimmed = Text::trimmed(word);
  if (trimmed == kUpright) return Orientation::Upright;
  if (trimmed == kSideways) return Orientation::Sideways;
  return std::nullopt;
}

QString wordFor(Orientation orientation) {
  return orientation == Orientation::Upright ? kUpright : kSideways;
}

}  // namespace PrintSettings
