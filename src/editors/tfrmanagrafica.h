#pragma once

#include "editors/workspacewindow.h"

namespace velinda {

// The address-book workspace: a person's or firm's address, contacts,
// personal and tax data, identity document, notes and attachments, with the
// buttons that start an e-mail and open the tax-code, VAT-number, IBAN and
// credit-card checks.
class TfrmAnagrafica : public WorkspaceWindow {
  Q_OBJECT
 public:
  explicit TfrmAnagrafica(QWidget* parent = nullptr);

  // Starts an e-mail to the address in the e-mail box, even an empty one.
  void sendMail();
  // The tax-code button: an all-digit code is a firm's, checked as a VAT
  // number; anything else goes to the tax-code check.
  void checkTaxCode();
  void checkVatNumber();
  void checkIban();
  void checkCard();

 private:
  QString trimmedText(const QString& box) const;
};

}  // namespace velinda
