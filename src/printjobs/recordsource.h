#pragma once

#include "print/formlayout.h"

class TScheda;

// A card read from its archive as the source of a form's boxes, the way its
// workspace shows it: the text box "txtDestinatario" reads the field
// "Destinatario", the check box "chkAvviso" the flag "Avviso", ticked only
// by "Sì". A control whose field the record lacks throws
// UnknownName.
class RecordSource : public FormSource {
 public:
  explicit RecordSource(const TScheda& record) : record_(record) {}
  QString text(const QString& name) const override;
  bool ticked(const QString& name) const override;

 private:
  const TScheda& record_;
};
