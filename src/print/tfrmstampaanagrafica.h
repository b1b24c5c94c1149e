#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "core/formtexts.h"
#include "report/page.h"

namespace velinda {

// Prints an address-book card as a one-page sheet on plain paper, from the
// texts its opener took from the address-book screen: no offsets and no
// orientation to choose.
class TfrmStampaAnagrafica : public QDialog {
  Q_OBJECT
 public:
  using Clock = std::function<QDateTime()>;

  // `texts` holds the controls reads() names; texts without one of them
  // raise UnknownName here.
  explicit TfrmStampaAnagrafica(FormTexts texts, QWidget* parent = nullptr);

  static FormControls reads();

  // Where the footer's date and time come from; the system clock by default.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // The page as "Stampa" would print it now, stamped with the clock's time.
  Page preparedPage() const;

 private:
  void buildControls();
  void print();

  const FormTexts texts_;
  Clock clock_;
};

}  // namespace velinda
