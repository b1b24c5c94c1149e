#pragma once

#include <QString>

namespace velinda {

// What the login and change-password screens say, word for word.
namespace PasswordMessages {

inline const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
inline const QString kWrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
inline const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
inline const QString kUnstorable = QStringLiteral(
    "Attenzione: la nuova password può contenere soltanto lettere, cifre e "
    "simboli dell'alfabeto latino e al massimo 255 caratteri.");
inline const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
inline const QString kReadFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura "
    "della password. Si consiglia di reinstallare il software.");
inline const QString kChangeFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica "
    "della password. Si consiglia di reinstallare il software.");

}  // namespace PasswordMessages

}  // namespace velinda
