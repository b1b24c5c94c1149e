#pragma once

#include <QList>

#include "dialogs/dialogframe.h"
#include "records/listkinds.h"

class QLabel;
class QLineEdit;

namespace velinda {

class ListPanel;
class TScheda;

// A search over one archive: ten filter boxes on the first panel, "Cerca",
// then the matching records on a list panel for the rest of the screen's
// life. The opener writes its tag with setTag() before showing it; a double
// click on a line loads that record into the editor only when the tag is
// the screen's own word.
class SearchScreen : public DialogFrame {
  Q_OBJECT
 public:
  SearchScreen(const SearchKind& kind, QWidget* editor, QWidget* parent);

  void setTag(const QString& tag);
  QString tag() const;

  void runSearch();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // What a double click does with each record whose line is the chosen one.
  virtual void openRecord(const TScheda& record, int position);

  QWidget* editor() const { return editor_; }

 private:
  void buildFilterPanel(QWidget* background);
  void buildResultPanel(QWidget* background);
  void openChosenLine();

  const SearchKind& kind_;
  QWidget* editor_;
  QWidget* panAvvio_ = nullptr;
  ListPanel* resultPanel_ = nullptr;
  QList<QLineEdit*> boxes_;
  QLabel* lblConta_ = nullptr;
  QLabel* lblAttendere_ = nullptr;
  QLabel* lblMemory_ = nullptr;
  QLabel* lblTrovate_ = nullptr;
};

}  // namespace velinda
