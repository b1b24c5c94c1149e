#include "archive/archiveerror.h"

namespace velinda {

using namespace Qt::StringLiterals;

ArchiveError::ArchiveError(const QString& detail) : ArchiveError(detail, kArchiveAccessMessage) {}

ArchiveError::ArchiveError(const QString& detail, const QString& userMessage)
    : UserError(detail, userMessage) {}

ArchiveBusy::ArchiveBusy(const QString& archivePath)
    : ArchiveError(archivePath + u": in use by another station"_s, kArchiveBusyMessage) {}

const QString kArchiveAccessMessage = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio."
    "\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

const QString kArchiveBusyMessage = QStringLiteral(
    "Attenzione: l'archivio è in uso da parte di un'altra postazione."
    "\n\r\n\r"
    "Attendere qualche istante e riprovare.");

}  // namespace velinda
