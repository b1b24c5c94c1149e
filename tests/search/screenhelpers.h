#pragma once

#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// Driving a list the way the user does.
namespace ScreenHelpers {

inline QListWidget* list(QWidget* screen) {
  return screen->findChild<QListWidget*>(u"lstRecords"_qs);
}

inline QStringList lines(QWidget* screen) {
  QStringList texts;
  QListWidget* l = list(screen);
  for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
  return texts;
}

inline int chosenRow(QWidget* screen) {
  QListWidget* l = list(screen);
  return l->currentItem() && l->currentItem()->isSelected() ? l->currentRow() : -1;
}

inline void click(QWidget* screen, const QString& button) {
  QPushButton* b = screen->findChild<QPushButton*>(button);
  QVERIFY2(b, qPrintable(button));
  QTest::mouseClick(b, Qt::LeftButton);
}

inline void doubleClickRow(QWidget* screen, int row) {
  QListWidget* l = list(screen);
  const QPoint at = l->visualItemRect(l->item(row)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
}

inline void doubleClickBelowTheLines(QWidget* screen) {
  QListWidget* l = list(screen);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                     QPoint(20, l->viewport()->height() - 5));
}

// The words of a PDF, in reading order.
inline QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
  if (!process.waitForFinished(30000)) qFatal("pdftotext did not finish");
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace ScreenHelpers
