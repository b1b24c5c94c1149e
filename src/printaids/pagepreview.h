#pragma once

#include <QDialog>
#include <QPrinter>
#include <vector>

#include "report/page.h"
#include "report/pagepainter.h"

class QLabel;
class QPrintPreviewWidget;
class QToolBar;

namespace velinda {

// Qt's print preview of prepared pages, painted exactly as they print, with
// zoom, page navigation, "Salva PDF..." and "Stampa". The preview prints
// nothing itself: "Stampa" closes it as accepted, and the caller then prints
// the same pages through its own "Stampa", with its print dialog and its
// messages.
//
// The preview lays every page out like the first one. A page turned the
// other way (a return receipt's sides with different orientations) is shown
// turned a quarter, as it lies on the sheet in the printer.
class PagePreview : public QDialog {
  Q_OBJECT
 public:
  // `totalPages`, when more than the pages given, is how many pages the
  // print has: the preview then says that it shows the first ones only.
  PagePreview(std::vector<Page> pages, const QString& title, PaintOptions options,
              QWidget* parent = nullptr, int totalPages = 0);

  // Shows the preview modally; true when the user pressed "Stampa".
  static bool askToPrint(QWidget* parent, std::vector<Page> pages, const QString& title,
                         PaintOptions options = {}, int totalPages = 0);

  QPrintPreviewWidget* view() const { return view_; }
  // The printer the preview paints on.
  QPrinter& printer() { return printer_; }

 private:
  QToolBar* buildToolbar(int totalPages);
  void fitTheScreen();
  void paint(QPrinter* printer);
  // Asks for a file name and writes the pages there as a PDF, as they print
  // (without the outlines the preview may show).
  void saveAsPdf(const QString& title);
  void showPageNumber();

  std::vector<Page> pages_;
  PaintOptions options_;
  QPrinter printer_;
  QPrintPreviewWidget* view_;
  QLabel* pageNumber_ = nullptr;
};

}  // namespace velinda
