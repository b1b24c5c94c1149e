#pragma once

#include <QDialog>
#include <QString>
#include <span>

#include "print/formlayout.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What sets one form-print screen apart from the others.
struct FormPrintSetup {
  QString caption;
  QString marginSection;       // in Impostazioni.ini
  QString orientationSection;  // empty: the form always prints upright
  std::span<const FormBox> layout;
};

// The print screen of a pre-printed form: the top and left offsets (and, for
// the return receipt, the orientation) kept in Impostazioni.ini, and "Stampa",
// which fills the form's boxes from the source screen as it is now and
// prints one page.
class FormPrintScreen : public QDialog {
  Q_OBJECT
 public:
  FormPrintScreen(FormPrintSetup setup, QWidget* source, QWidget* parent = nullptr);

  // The page as "Stampa" would print it now. Throws when an offset is not a
  // number or the source lacks a control.
  Page preparedPage() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void loadStoredSettings();
  void step(QLineEdit* box, int delta);
  void apply(QLineEdit* box, const char* key);
  void print();
  bool hasOrientation() const { return !setup_.orientationSection.isEmpty(); }

  FormPrintSetup setup_;
  QWidget* source_;
  QLineEdit* top_ = nullptr;
  QLineEdit* left_ = nullptr;
  QRadioButton* upright_ = nullptr;
  QRadioButton* sideways_ = nullptr;
  QPushButton* print_ = nullptr;
  QLabel* wait_ = nullptr;
};
