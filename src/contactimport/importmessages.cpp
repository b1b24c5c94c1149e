#include "contactimport/importmessages.h"

#include <QLocale>

#include "archive/archiveerror.h"
#include "contactimport/addressbookimport.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace ImportMessages {

QString number(int n) { return QLocale(QLocale::Italian, QLocale::Italy).toString(n); }

namespace {

// "1 contatto" / "3 contatti".
QString count(int n, const QString& one, const QString& many) {
  return number(n) + u' ' + (n == 1 ? one : many);
}

// A title, then one contact a line, and how many more there are.
QString section(const QString& title, const NamedContacts& contacts) {
  QString text = u"%1 (%2):"_s.arg(title, ImportMessages::contacts(contacts.count()));
  for (const QString& entry : contacts.named()) text += u"\r\n"_s + entry;
  const int more = contacts.count() - int(contacts.named().size());
  if (more > 0)
    text += u"\r\n"_s + u"e %1."_s.arg(count(more, u"altro contatto"_s, u"altri contatti"_s));
  return text;
}

QString listed(const QStringList& items, int total, int most) {
  QStringList shown = items.first(qMin(items.size(), qsizetype(most)));
  QString text = shown.join(u", "_s);
  const int more = total - int(shown.size());
  if (more > 0) text += u" e altre %1"_s.arg(number(more));
  return text;
}

}  // namespace

QString contacts(int n) { return count(n, u"contatto"_s, u"contatti"_s); }

QString survey(const ImportCounts& counts) {
  QStringList lines;
  lines.append(u"Schede che saranno aggiunte all'archivio: %1."_s.arg(number(counts.imported)));
  const ImportCounts::Details& d = counts.details;
  if (counts.cut > 0)
    lines.append(u"Contatti con testi da accorciare alla lunghezza del campo: %1."_s.arg(
        number(counts.cut)));
  if (d.inNote.count() > 0)
    lines.append(u"Contatti con recapiti senza un campo proprio, da scrivere nella nota: %1."_s.arg(
        number(d.inNote.count())));
  if (d.notStored.count() > 0)
    lines.append(u"Contatti con valori che la scheda non può contenere: %1."_s.arg(
        number(d.notStored.count())));
  if (d.capCompleted.count() > 0)
    lines.append(
        u"CAP a cui restituire gli zeri iniziali: %1."_s.arg(number(d.capCompleted.count())));
  if (counts.nameless > 0)
    lines.append(
        u"Contatti senza nome, che non saranno importati: %1."_s.arg(number(counts.nameless)));
  return lines.join(u'\n');
}

QString skipKnown(int known) {
  return u"Non importare i contatti che sembrano già presenti in archivio (stesso nome e "
         "indirizzo, oppure stesso codice fiscale o e-mail): %1"_s.arg(number(known));
}

QString includeMisfits(int misfits) {
  return u"Importare anche le righe con un numero di valori diverso dai nomi delle colonne "
         "(evidenziate in rosso nell'anteprima): %1"_s.arg(number(misfits));
}

QString done(const ImportCounts& counts, const ImportOptions& options, const FileNotes& notes) {
  QStringList parts;
  parts.append(u"Importazione completata: %1 nell'archivio anagrafico."_s.arg(
      count(counts.imported, u"scheda aggiunta"_s, u"schede aggiunte"_s)));
  const ImportCounts::Details& d = counts.details;
  const std::pair<const char16_t*, const NamedContacts*> sections[] = {
      {u"Recapiti senza un campo proprio, scritti nella nota come \u00ABAltri recapiti\u00BB",
       &d.inNote},
      {u"Testi accorciati alla lunghezza del campo", &d.cut},
      {u"Valori non importati, perché la scheda non può contenerli", &d.notStored},
      {u"CAP a cui sono stati restituiti gli zeri iniziali", &d.capCompleted},
      {u"Codici postali esteri scritti nella località, non nelle caselle del CAP",
       &d.postcodeInTown},
      {options.includeMisfits
           ? u"Righe importate benché abbiano un numero di valori diverso dai nomi delle colonne"
           : u"Righe non importate perché hanno un numero di valori diverso dai nomi delle "
             u"colonne",
       &d.misfits},
      {u"Contatti senza nome, non importati", &d.nameless},
  };
  for (const auto& [title, contacts] : sections) {
    if (contacts->count() > 0) parts.append(section(QString::fromUtf16(title), *contacts));
  }
  if (counts.known > 0)
    parts.append(u"Contatti che sembravano già presenti in archivio: %1, %2."_s.arg(
        number(counts.known), options.skipKnown ? u"non importati"_s : u"importati comunque"_s));
  if (counts.nameless > 0 && d.nameless.count() == 0)
    parts.append(u"Contatti senza nome, non importati: %1."_s.arg(number(counts.nameless)));
  if (notes.legacyLineCount > 0) {
    QStringList lines;
    for (int line : notes.legacyLines) lines.append(QString::number(line));
    parts.append(u"Righe del file che non erano in UTF-8, lette come Windows-1252: %1."_s.arg(
        listed(lines, notes.legacyLineCount, int(notes.legacyLines.size()))));
  }
  if (!notes.columnsLeftOut.isEmpty())
    parts.append(u"Colonne del file non importate, come indicato nella tabella: %1."_s.arg(
        listed(notes.columnsLeftOut, int(notes.columnsLeftOut.size()), 15)));
  return parts.join(u"\r\n\r\n"_s);
}

QString done(const ImportCounts& counts, bool skippedKnown) {
  return done(counts, ImportOptions{skippedKnown, false});
}

QString failed(const ArchiveError& error, const ImportCounts& counts) {
  return error.userMessage() + u"\n\r\n\r"_s +
         u"Schede importate prima dell'errore: %1."_s.arg(number(counts.imported));
}

}  // namespace ImportMessages

}  // namespace velinda
