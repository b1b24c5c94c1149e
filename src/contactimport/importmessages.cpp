#include "contactimport/importmessages.h"

#include <QLocale>

#include "archive/archiveerror.h"
#include "contactimport/addressbookimport.h"

using namespace Qt::StringLiterals;

namespace ImportMessages {

QString number(int n) { return QLocale(QLocale::Italian, QLocale::Italy).toString(n); }

namespace {

// "1 contatto" / "3 contatti".
QString count(int n, const QString& one, const QString& many) {
  return number(n) + u' ' + (n == 1 ? one : many);
}

}  // namespace

QString survey(const ImportCounts& counts, bool skipKnown) {
  QStringList lines;
  lines.append(u"Schede che saranno aggiunte all'archivio: %1."_s.arg(
      number(counts.imported - (skipKnown ? counts.known : 0))));
  if (counts.cut > 0)
    lines.append(u"Testi troppo lunghi, da accorciare alla lunghezza del campo: %1."_s.arg(
        number(counts.cut)));
  if (counts.nameless > 0)
    lines.append(u"Contatti senza nome, che non saranno importati: %1."_s.arg(
        number(counts.nameless)));
  return lines.join(u'\n');
}

QString skipKnown(int known) {
  return u"Non importare i contatti che sembrano già presenti in archivio (stesso nome e "
         "stesso codice fiscale o e-mail): %1"_s.arg(number(known));
}

QString done(const ImportCounts& counts, bool skippedKnown) {
  QStringList lines;
  lines.append(u"Importazione completata: %1 nell'archivio anagrafico."_s.arg(
      count(counts.imported, u"scheda aggiunta"_s, u"schede aggiunte"_s)));
  lines.append(u"Testi accorciati alla lunghezza del campo: %1."_s.arg(number(counts.cut)));
  if (counts.known > 0)
    lines.append(u"Contatti che sembravano già presenti in archivio: %1, %2."_s.arg(
        number(counts.known), skippedKnown ? u"non importati"_s : u"importati comunque"_s));
  if (counts.nameless > 0)
    lines.append(u"Contatti senza nome, non importati: %1."_s.arg(number(counts.nameless)));
  return lines.join(u"\r\n\r\n"_s);
}

QString failed(const ArchiveError& error, const ImportCounts& counts) {
  return error.userMessage() + u"\n\r\n\r"_s +
         u"Schede importate prima dell'errore: %1."_s.arg(number(counts.imported));
}

}  // namespace ImportMessages
