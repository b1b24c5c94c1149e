#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velinda {

class ArchiveError;
struct ImportCounts;
struct ImportOptions;

// What the contact import tells the user. Sentences of one message are
// separated by CR LF CR LF, as in the rest of the program.
namespace ImportMessages {

using namespace Qt::StringLiterals;

inline const QString kNothingImported = u"Non è stato importato nessun contatto."_s;

inline const QString kUnreadable =
    u"Il file scelto non può essere letto."_s + u"\r\n\r\n"_s + kNothingImported;
inline const QString kEmpty = u"Il file scelto è vuoto."_s + u"\r\n\r\n"_s + kNothingImported;
inline const QString kTooLarge =
    u"Il file scelto è troppo grande per essere un elenco di contatti."_s + u"\r\n\r\n"_s +
    kNothingImported;
inline const QString kNotContacts =
    u"Il file scelto non è un file CSV né un file vCard (.vcf)."_s + u"\r\n\r\n"_s +
    u"Un foglio di calcolo (.xlsx, .xls, .ods) va prima salvato in formato CSV."_s + u"\r\n\r\n"_s +
    kNothingImported;
inline const QString kNoContacts =
    u"Il file scelto non contiene nessun contatto."_s + u"\r\n\r\n"_s + kNothingImported;

inline QString unclosedQuote(int line) {
  return u"La riga %1 del file apre delle virgolette che non vengono mai chiuse."_s.arg(line) +
         u"\r\n\r\n"_s + kNothingImported;
}

inline QString unclosedCard(int card) {
  return u"Il file vCard è incompleto: il contatto n. %1 non termina con END:VCARD."_s.arg(card) +
         u"\r\n\r\n"_s + kNothingImported;
}

inline QString tooManyColumns(int line, int most) {
  return u"La riga %1 del file ha più di %2 colonne: un elenco di contatti ne ha molte meno."_s
             .arg(line)
             .arg(most) +
         u"\r\n\r\n"_s +
         u"Controllare che il file scelto sia un elenco di contatti in formato CSV, con un "
         u"contatto per riga e i nomi delle colonne nella prima riga."_s +
         u"\r\n\r\n"_s + kNothingImported;
}

inline const QString kChooseFile = u"Scegliere il file dei contatti da importare"_s;
inline const QStringList kFileTypes = {u"Contatti CSV o vCard (*.csv *.vcf *.txt)"_s,
                                       u"Tutti i file (*)"_s};

inline const QString kNoNames =
    u"Attenzione: nessun contatto del file ha un nome."_s + u"\r\n\r\n"_s +
    u"Indicare quale colonna del file contiene il nome, cognome o ragione sociale."_s;

// A number as Italians write it: 1.000.
QString number(int n);
// "1 contatto", "3 contatti".
QString contacts(int n);

// What the file holds beyond its contacts, for the final report.
struct FileNotes {
  // Lines read as Windows-1252 in a UTF-8 file: the first few, and how many.
  QList<int> legacyLines;
  int legacyLineCount = 0;
  // Columns that hold values but that the user left out.
  QStringList columnsLeftOut;
};

// What the import will do, shown before it starts.
QString survey(const ImportCounts& counts);
// The choice about the contacts that look known.
QString skipKnown(int known);
// The choice about the lines whose values do not line up with the header.
QString includeMisfits(int misfits);
// What the import did, with the contacts it had to change or leave out,
// by line and name.
QString done(const ImportCounts& counts, const ImportOptions& options, const FileNotes& notes = {});
QString done(const ImportCounts& counts, bool skippedKnown);
// An archive failure part-way (the failure's own message), with what was
// imported before it.
QString failed(const ArchiveError& error, const ImportCounts& counts);

}  // namespace ImportMessages

}  // namespace velinda
