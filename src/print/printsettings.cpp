#include "print/printsettings.h"

#include "core/inifile.h"
#include "core/programfolder.h"
#include "core/text.h"
#include "platform/messageservice.h"
#include "platform/services.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
const QString kUpright = u"Verticale"_s;
const QString kSideways = u"Orizzontale"_s;

QString filePath() {
  return ProgramFolder::filePath(QString::fromLatin1(PrintSettings::kFileName));
}

QString offsetOrZero(const QString& stored) {
  return Text::trimmed(stored).isEmpty() ? u"0"_s : stored;
}
}  // namespace

namespace PrintSettings {

QString read(const QString& section, const QString& key) {
  return IniFile::load(filePath()).value(section, key);
}

void write(const QList<Entry>& entries) {
  IniFile::update(filePath(), [&](IniFile& ini) {
    for (const Entry& entry : entries) ini.setValue(entry.section, entry.key, entry.value);
  });
}

bool writeOrTell(QWidget* screen, const QList<Entry>& entries) {
  try {
    write(entries);
    return true;
  } catch (const IniWriteError& error) {
    Services::messages().show(screen, MessageKind::Error, error.userMessage());
    return false;
  }
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

Stored stored(const QString& marginSection, const QString& orientationSection) {
  const IniFile ini = IniFile::load(filePath());
  Stored values{offsetOrZero(ini.value(marginSection, QString::fromLatin1(kTopKey))),
                offsetOrZero(ini.value(marginSection, QString::fromLatin1(kLeftKey)))};
  if (!orientationSection.isEmpty())
    values.orientation =
        orientationFromWord(ini.value(orientationSection, QString::fromLatin1(kOrientationKey)))
            .value_or(Orientation::Upright);
  return values;
}

}  // namespace PrintSettings

}  // namespace velinda
