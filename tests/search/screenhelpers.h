#pragma once

#include <QFont>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace velinda {

using namespace Qt::StringLiterals;

// Driving a list the way the user does.
namespace ScreenHelpers {

inline QListView* list(QWidget* screen) { return screen->findChild<QListView*>(u"lstRecords"_s); }

inline QModelIndex line(QWidget* screen, int row) { return list(screen)->model()->index(row, 0); }

inline QStringList lines(QWidget* screen) {
  QStringList texts;
  for (int i = 0; i < list(screen)->model()->rowCount(); ++i)
    texts << line(screen, i).data().toString();
  return texts;
}

inline QFont lineFont(QWidget* screen, int row) {
  return line(screen, row).data(Qt::FontRole).value<QFont>();
}

inline int chosenRow(QWidget* screen) {
  QListView* l = list(screen);
  const QModelIndex current = l->currentIndex();
  return current.isValid() && l->selectionModel()->isSelected(current) ? current.row() : -1;
}

inline void click(QWidget* screen, const QString& button) {
  QPushButton* b = screen->findChild<QPushButton*>(button);
  QVERIFY2(b, qPrintable(button));
  QTest::mouseClick(b, Qt::LeftButton);
}

inline void doubleClickRow(QWidget* screen, int row) {
  QListView* l = list(screen);
  const QPoint at = l->visualRect(line(screen, row)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
}

inline void doubleClickBelowTheLines(QWidget* screen) {
  QListView* l = list(screen);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, QPoint(20, l->viewport()->height() - 5));
}

}  // namespace ScreenHelpers

}  // namespace velinda
