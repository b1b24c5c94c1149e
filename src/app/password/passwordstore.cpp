#include "app/password/passwordstore.h"

#include "app/password/passwordcipher.h"
#include "core/inifile.h"
#include "core/programfolder.h"
#include "core/text.h"

namespace velinda {

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
constexpr qsizetype kMaxLength = 255;
}  // namespace

namespace PasswordStore {

QString path() { return ProgramFolder::filePath(kFileName); }

QString prepare(const QString& typed) { return Text::trimmed(Text::upperAscii(typed)); }

bool canHold(const QString& prepared) {
  if (prepared.size() > kMaxLength) return false;
  for (QChar c : prepared) {
    if (c.unicode() == 0 || c.unicode() > 255) return false;
  }
  return true;
}

QString read(const QString& storePath) {
  const QString stored = IniFile::load(storePath).value(kSection, kKey);
  return Text::trimmed(PasswordCipher::unscramble(stored));
}

void write(const QString& prepared, const QString& storePath) {
  IniFile::update(storePath, [&](IniFile& ini) {
    ini.setValue(kSection, kKey, PasswordCipher::scramble(prepared));
  });
}

}  // namespace PasswordStore

}  // namespace velinda
