#pragma once

#include <QString>

namespace velinda {

// The messages the three editors share.
namespace EditorMessages {

inline const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
inline const QString kDuplicateNotArchived = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
    "questa è stata inserita in archivio.");
inline const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente."
    "\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kChangedElsewhere = QStringLiteral(
    "Attenzione: nel frattempo un'altra postazione ha modificato questa scheda "
    "in archivio."
    "\r\n\r\n"
    "Si vuole sovrascrivere le modifiche dell'altra postazione con i dati della "
    "scheda corrente?");

inline const QString kMissingRecipient = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il destinatario "
    "della raccomandata.");
inline const QString kMissingSender = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il mittente della "
    "raccomandata.");
inline const QString kMissingDate = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data di "
    "spedizione della raccomandata.");
inline const QString kMissingContent = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il contenuto della "
    "raccomandata.");
inline const QString kMissingName =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome.");

inline const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

}  // namespace EditorMessages

}  // namespace velinda
