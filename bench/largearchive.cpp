#include "largearchive.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "archive/tscheda.h"

#include <unistd.h>

namespace velinda {

using namespace Qt::StringLiterals;

namespace LargeArchive {

void write(const QString& path, int records) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    qFatal("cannot write %s", qPrintable(path));
  TSchedaAccettazione r;
  const QList<QPair<const char16_t*, QString>> fixed{
      // clang-format off
      {u"IndirizzoDes", u"Via Giuseppe Garibaldi"_s}, {u"NumDes", u"12/B"_s},
      {u"LocalitaDes", u"Forlì"_s}, {u"TelDes", u"0543 123456"_s},
      {u"EmailDes", u"protocollo@comune.forli.fc.it"_s}, {u"IndirizzoMit", u"Corso Mazzini"_s},
      {u"NumMit", u"7"_s}, {u"LocalitaMit", u"Cesena"_s}, {u"TelMit", u"0547 654321"_s},
      {u"EmailMit", u"studio@bianchi.it"_s}, {u"Cifre", u"12,50"_s},
      {u"Data", u"09/12/2026"_s}, {u"Inviata", u"No"_s}, {u"Avviso", u"Sì"_s},
      // clang-format on
      {u"Contrassegno", u"No"_s}};
  for (const auto& [name, text] : fixed) r.setText(name, text);
  const QString cap = u"47121"_s;
  for (int d = 0; d < 5; ++d) {
    r.setText(u"CapDes0%1"_s.arg(d + 1), cap.mid(d, 1));
    r.setText(u"CapMit0%1"_s.arg(d + 1), cap.mid(d, 1));
  }
  r.setText(u"ProvDes01", u"F"_s);
  r.setText(u"ProvDes02", u"C"_s);
  for (int i = 0; i < records; ++i) {
    const bool rare = i % 10000 == 5000;
    r.setText(u"Destinatario",
              rare ? u"Ditta Rarissima"_s : u"Comune di Forlì, Ufficio Protocollo %1"_s.arg(i));
    r.setText(u"Mittente", u"Studio Legale Bianchi & Associati %1"_s.arg(i));
    r.setText(u"Contenuto", u"Diffida e messa in mora per il contratto n. %1"_s.arg(i));
    file.write(r.bytes());
  }
  // On the disk before anything is measured: written back later, it would
  // take the processor and the disk from whatever runs then.
  if (!file.flush() || ::fsync(file.handle()) != 0) qFatal("cannot write %s", qPrintable(path));
}

QString temporary(int records) {
  static QTemporaryDir dir;
  static QHash<int, QString> written;
  if (!written.contains(records)) {
    const QString path = dir.filePath(u"%1/Ricevute_Accettazione.pro"_s.arg(records));
    QDir().mkpath(dir.filePath(QString::number(records)));
    write(path, records);
    written.insert(records, path);
  }
  return written.value(records);
}

}  // namespace LargeArchive

}  // namespace velinda
