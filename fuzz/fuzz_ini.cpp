// Settings and password files as a hand editor or a damaged disk may leave
// them: parsing never fails, writing back is stable, and a value set is the
// value read back after writing, with every other value unchanged.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "core/inifile.h"

using namespace velinda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  IniFile ini = IniFile::fromBytes(bytes);
  const QString section = QStringLiteral("Margini Ricevuta Accettazione");
  const QString otherValue = ini.value(QStringLiteral("Accesso"), QStringLiteral("Valore"));
  const QByteArray written = ini.toBytes();
  if (IniFile::fromBytes(written).toBytes() != written) std::abort();

  ini.setValue(section, QStringLiteral("Superiore"), QStringLiteral(" -12 "));
  const IniFile reread = IniFile::fromBytes(ini.toBytes());
  if (reread.value(section, QStringLiteral("Superiore")) != QStringLiteral("-12")) std::abort();
  if (reread.value(QStringLiteral("Accesso"), QStringLiteral("Valore")) != otherValue) std::abort();
  return 0;
}
