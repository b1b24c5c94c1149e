#pragma once

#include <QString>

namespace velinda {

using namespace Qt::StringLiterals;

// The editors' messages word for word, line breaks included, as the user
// sees them.
namespace EditorTexts {

inline const QString kOverwritten =
    u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
inline const QString kAppended = u"La scheda corrente è stata inserita in archivio."_s;
inline const QString kDuplicateNotArchived =
    u"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
    "stata inserita in archivio."_s;
inline const QString kDuplicated =
    u"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
    "termine premere Salva per inserire la scheda in archivio."_s;
inline const QString kEmptyArchive = u"L'archivio non contiene nessuna scheda."_s;
inline const QString kChangedElsewhere =
    u"Attenzione: nel frattempo un'altra postazione ha modificato questa scheda in "
    "archivio.\r\n\r\nSi vuole sovrascrivere le modifiche dell'altra postazione con i dati "
    "della scheda corrente?"_s;
inline const QString kMissingRecipient =
    u"Attenzione: per salvare la scheda è necessario indicare il destinatario della "
    "raccomandata."_s;
inline const QString kMissingSender =
    u"Attenzione: per salvare la scheda è necessario indicare il mittente della "
    "raccomandata."_s;
inline const QString kMissingDate =
    u"Attenzione: per salvare la scheda è necessario indicare la data di spedizione della "
    "raccomandata."_s;
inline const QString kMissingContent =
    u"Attenzione: per salvare la scheda è necessario indicare il contenuto della "
    "raccomandata."_s;
inline const QString kMissingName =
    u"Attenzione: per salvare la scheda è necessario indicare il nome."_s;
inline const QString kReady = u"Pronto per archiviare una nuova scheda..."_s;

}  // namespace EditorTexts

}  // namespace velinda
