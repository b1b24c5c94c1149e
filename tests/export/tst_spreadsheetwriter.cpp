#include <QBuffer>
#include <QTest>

#include "export/spreadsheetwriter.h"

namespace {

QList<ExportColumn> twoColumns() {
  return {
      {u"colLocalita"_qs, u"Località"_qs, 250, false, CellRule::field(u"Localita"_qs),
       u"Località"_qs, 300},
      {u"colInviata"_qs, u"Inviata"_qs, 150, true, CellRule::field(u"Inviata"_qs),
       u"Inviata"_qs, 160},
  };
}

}  // namespace

class SpreadsheetWriterTest : public QObject {
  Q_OBJECT
 private slots:
  void writesTheWholeDocumentInWindows1252() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetWriter writer(buffer);
    writer.writeStart(u"Foglio Prova"_qs, twoColumns());
    writer.writeRow({u"  Forlì \t"_qs, u"Sì"_qs});
    writer.writeRow({QString(), u"No"_qs});
    writer.writeEnd();

    const QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
        " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
        " xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml>"
        "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Foglio Prova</x:Name>"
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
        "</xml><![endif]--></head><body><table x:str>"
        "<tr>"
        "<td style=\"text-align: left; font-weight: bold;\" width=300>Localit\xe0</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=160>Inviata</td>"
        "</tr>"
        "<tr><td style=\"text-align: left;\">Forl\xec</td>"
        "<td style=\"text-align: left;\">S\xec</td></tr>"
        "<tr><td style=\"text-align: left;\"></td>"
        "<td style=\"text-align: left;\">No</td></tr>"
        "</table></body></html>";
    QCOMPARE(buffer.data(), expected);
  }

  void cellTextsAreNotEscaped() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetWriter(buffer).writeRow({u"A & B <i>\"x\"</i>"_qs});
    QCOMPARE(buffer.data(),
             QByteArray("<tr><td style=\"text-align: left;\">A & B <i>\"x\"</i></td></tr>"));
  }

  void aRefusedWriteIsReportedAndKeepsWhatWasWritten() {
    // A device that takes the first bytes and then fails, as a full disk does.
    class FillingDevice : public QBuffer {
     protected:
      qint64 writeData(const char* data, qint64 length) override {
        if (size() > 100) return -1;
        return QBuffer::writeData(data, length);
      }
    } device;
    device.open(QIODevice::WriteOnly);
    SpreadsheetWriter writer(device);
    QVERIFY_THROWS_EXCEPTION(SpreadsheetWriteError,
                             writer.writeStart(u"Foglio"_qs, twoColumns()));
    QVERIFY(device.data().startsWith("<html xmlns:o="));
  }
};

QTEST_GUILESS_MAIN(SpreadsheetWriterTest)
#include "tst_spreadsheetwriter.moc"
