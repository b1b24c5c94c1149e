#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>

class QPushButton;
class QVBoxLayout;

namespace velinda {

// The frame the print aids' own screens share: white, fixed in size, a
// caption without title-bar buttons, the controls in one column and the
// buttons at the bottom right.
class AidScreen : public QDialog {
  Q_OBJECT
 protected:
  AidScreen(const QString& objectName, const QString& caption, QWidget* parent);

  QVBoxLayout* column() const { return column_; }

  // The buttons at the bottom right, in the order given.
  void addButtonRow(std::initializer_list<QPushButton*> buttons);
  // "Annulla", "Anteprima" (Ctrl+F2) and "Stampa": "Annulla" closes the
  // screen, the others run `preview` and `print`. `what` ends the purpose
  // of "Stampa": "la busta" gives "Stampa la busta".
  // Returns "Stampa".
  QPushButton* addPrintButtons(const QString& what, std::function<void()> preview,
                               std::function<void()> print);

 private:
  QVBoxLayout* column_;
};

}  // namespace velinda
