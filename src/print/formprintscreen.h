#pragma once

#include <QDialog>
#include <QString>

#include "print/formsetups.h"
#include "print/printsettings.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace velinda {

class OffsetControls;

// The print screen of a pre-printed form: the top and left offsets (and, for
// the return receipt, the orientation) kept in Impostazioni.ini, and "Stampa",
// which fills the form's boxes from the card's texts taken by its opener and
// prints one page. "Anteprima" shows that page first, with the form's boxes
// outlined; "Foglio di prova" prints a calibration sheet and takes the
// offsets measured on it.
class FormPrintScreen : public QDialog {
  Q_OBJECT
 public:
  // Texts without a control the form reads raise UnknownName here.
  FormPrintScreen(const FormPrintSetup& setup, FormTexts texts, QWidget* parent = nullptr);

  // The page as "Stampa" would print it now. Throws when an offset is not a
  // number.
  Page preparedPage() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void loadStoredSettings();
  // Stores the offsets given and, on the return-receipt screens, the
  // orientation chosen, in one write; a failure is shown to the user.
  void store(QList<PrintSettings::Entry> entries);
  void preview();
  void calibrate();
  void print();
  bool hasOrientation() const { return !setup_.orientationSection.isEmpty(); }
  Orientation orientation() const;

  const FormPrintSetup& setup_;
  const FormTexts texts_;
  OffsetControls* offsets_ = nullptr;
  QRadioButton* upright_ = nullptr;
  QRadioButton* sideways_ = nullptr;
  QPushButton* print_ = nullptr;
  QLabel* wait_ = nullptr;
};

}  // namespace velinda
