#include "archive/archiveerror.h"

ArchiveError::ArchiveError(const QString& detail)
    : std::runtime_error(detail.toStdString()) {}

const QString kArchiveAccessMessage = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio."
    "\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");
