#pragma once

#include <QStringList>
#include <QWidget>

#include "records/linelist.h"
#include "records/listfind.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace velinda {

class ListLinesModel;
class ProgressStrip;

// The controls of a list (833 x 529): the banner, the find box with "Trova",
// the list of lines, "Chiudi" and "Stampa". The status lists show it alone;
// the search screens show it as their result panel. What a double click (or
// Enter on the chosen line) or "Chiudi" does is the owning screen's
// business. From the keyboard: Down in the find box goes into the list,
// Ctrl+F back to the find box, Ctrl+P prints.
class ListPanel : public QWidget {
  Q_OBJECT
 public:
  ListPanel(const QString& objectName, const QString& summaryTitle, QWidget* parent);

  void setLines(LineList lines);
  const LineList& lines() const;
  void clearLines();

  // Forgets the remembered find text and empties the find box.
  void forgetFind();

  // The chosen line's row, -1 for none.
  int chosenRow() const;

  QLineEdit* findBox() const { return txtTrova_; }
  QListView* list() const { return lstRecords_; }

  // "Trova" and "Stampa".
  void findText();
  void printSummary();

 signals:
  void closeRequested();
  void lineOpened();  // a double click on the list, or Enter on a line

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Puts the focus in the list, on the chosen line or else the first.
  void enterList();

  QString summaryTitle_;
  ListFind find_;
  QLineEdit* txtTrova_;
  QListView* lstRecords_;
  ListLinesModel* lines_;
  ProgressStrip* progress_;
};

}  // namespace velinda
