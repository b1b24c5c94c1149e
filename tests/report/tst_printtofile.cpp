#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "report/dialogprintservice.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

std::vector<Page> pages(int count) {
  std::vector<Page> result;
  for (int i = 0; i < count; ++i) {
    Page page;
    TextBox box;
    box.name = u"txtRiga"_s;
    box.box = {10.00_mm, 10.00_mm, 190.00_mm, 5.00_mm};
    box.font = {u"Courier New"_s, 8};
    box.text = u"Pagina %1 "_s.arg(i + 1) + QString(200, u'x');
    page.add(box);
    result.push_back(page);
  }
  return result;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isWholePdf(const QByteArray& bytes) {
  return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

void printToFile(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
}

// Chooses "print to file" in the print dialog as soon as it shows, with the
// given file, and accepts it; where the dialog cannot be driven so (a
// platform dialog, other controls), it is cancelled and `driven` stays false.
void printToFileInTheDialog(const QString& path, bool& driven) {
  QTimer::singleShot(0, [path, &driven] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
    auto* fileName = dialog->findChild<QLineEdit*>(u"filename"_s);
    if (printers) printers->setCurrentIndex(printers->count() - 1);  // the file comes last
    if (!printers || !fileName || !fileName->isEnabled()) {
      dialog->reject();
      return;
    }
    fileName->setText(path);
    driven = true;
    dialog->accept();
  });
}

}  // namespace

// "Print to file" in the print dialog: the PDF must be whole, or the print
// must fail so that the screen can say so.
class PrintToFileTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogsFileGetsAWholePdf() {
    QTemporaryDir out;
    const QString path = out.filePath(u"stampa.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printToFile(printer, path);
    printer.setDocName(u"Riepilogo dati"_s);
    DialogPrintService::output(printer, pages(3));
    const QByteArray pdf = readFile(path);
    QVERIFY(isWholePdf(pdf));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 3);
  }

  // The whole way, from the dialog's choice to the file.
  void printingToAFileFromTheDialog_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("room on the disk") << false;
    QTest::newRow("full disk") << true;
  }
  void printingToAFileFromTheDialog() {
    QFETCH(bool, fullDisk);
    SmallDisk disk;
    if (fullDisk && !disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(fullDisk ? disk.path() : QString());
    if (fullDisk) disk.fill();
    const QString path = folder.filePath(u"stampa.pdf"_s);
    bool driven = false;
    printToFileInTheDialog(path, driven);
    DialogPrintService service;
    bool failed = false;
    try {
      service.print(nullptr, pages(2), u"Prova"_s);
    } catch (const PrintError&) {
      failed = true;
    }
    if (!driven) QSKIP("the print dialog offers no print to file here");
    QCOMPARE(failed, fullDisk);
    if (fullDisk)
      QVERIFY(!folder.exists(u"stampa.pdf"_s));
    else
      QVERIFY(isWholePdf(folder.read(u"stampa.pdf"_s)));
  }

  void aFullDiskFailsThePrintAndKeepsTheOldFile_data() {
    QTest::addColumn<bool>("fileWasThere");
    QTest::addColumn<bool>("diskFullBefore");
    QTest::newRow("new file, disk full") << false << true;
    QTest::newRow("old file, disk full") << true << true;
    QTest::newRow("old file, disk fills while writing") << true << false;
  }
  void aFullDiskFailsThePrintAndKeepsTheOldFile() {
    QFETCH(bool, fileWasThere);
    QFETCH(bool, diskFullBefore);
    SmallDisk disk;
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    const QByteArray old = "%PDF-1.4 la stampa di ieri %%EOF";
    if (fileWasThere) folder.write(u"stampa.pdf"_s, old);
    if (diskFullBefore) disk.fill();
    QPrinter printer(QPrinter::HighResolution);
    printToFile(printer, folder.filePath(u"stampa.pdf"_s));

    // Enough pages to need more than the whole disk.
    QVERIFY_THROWS_EXCEPTION(PrintError,
                             DialogPrintService::output(printer, pages(diskFullBefore ? 1 : 3000)));
    QCOMPARE(folder.exists(u"stampa.pdf"_s), fileWasThere);
    if (fileWasThere) QCOMPARE(folder.read(u"stampa.pdf"_s), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
             fileWasThere ? 1 : 0);
  }
};

QTEST_MAIN(PrintToFileTest)
#include "tst_printtofile.moc"
