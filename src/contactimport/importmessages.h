#pragma once

#include <QString>

// What the contact import tells the user. Sentences of one message are
// separated by CR LF CR LF, as in the rest of the program.
namespace ImportMessages {

inline const QString kNothingImported = u"Non è stato importato nessun contatto."_qs;

inline const QString kUnreadable =
    u"Il file scelto non può essere letto."_qs + u"\r\n\r\n"_qs + kNothingImported;
inline const QString kEmpty = u"Il file scelto è vuoto."_qs + u"\r\n\r\n"_qs + kNothingImported;
inline const QString kTooLarge =
    u"Il file scelto è troppo grande per essere un elenco di contatti."_qs + u"\r\n\r\n"_qs +
    kNothingImported;
inline const QString kNotContacts =
    u"Il file scelto non è un file CSV né un file vCard (.vcf)."_qs + u"\r\n\r\n"_qs +
    u"Un foglio di calcolo (.xlsx, .xls, .ods) va prima salvato in formato CSV."_qs +
    u"\r\n\r\n"_qs + kNothingImported;
inline const QString kNoContacts =
    u"Il file scelto non contiene nessun contatto."_qs + u"\r\n\r\n"_qs + kNothingImported;

inline QString unclosedQuote(int line) {
  return u"La riga %1 del file apre delle virgolette che non vengono mai chiuse."_qs.arg(line) +
         u"\r\n\r\n"_qs + kNothingImported;
}

inline QString unclosedCard(int card) {
  return u"Il file vCard è incompleto: il contatto n. %1 non termina con END:VCARD."_qs.arg(card) +
         u"\r\n\r\n"_qs + kNothingImported;
}

}  // namespace ImportMessages
