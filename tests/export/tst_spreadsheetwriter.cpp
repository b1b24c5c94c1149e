#include <QBuffer>
#include <QTest>

#include "export/spreadsheetwriter.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

QList<ExportColumn> twoColumns() {
  return {
      {u"colLocalita"_s, u"Località"_s, 250, false, CellRule::field(u"Localita"_s), u"Località"_s,
       300},
      {u"colInviata"_s, u"Inviata"_s, 150, true, CellRule::field(u"Inviata"_s), u"Inviata"_s, 160},
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
    writer.writeStart(u"Foglio Prova"_s, twoColumns());
    writer.writeRow({u"  Forlì \t"_s, u"Sì"_s});
    writer.writeRow({QString(), u"No"_s});
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
        "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">Forl\xec</td>"
        "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">S\xec</td></tr>"
        "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\"></td>"
        "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">No</td></tr>"
        "</table></body></html>";
    QCOMPARE(buffer.data(), expected);
  }

  // Markup in a text must stay text: in a cell, a header or the worksheet's
  // name. Quotes sit outside any attribute and stay as they are.
  void textsAreEscaped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("ampersand and tag")
        << u"Rossi & Figli <sede>"_s << QByteArray("Rossi &amp; Figli &lt;sede&gt;");
    QTest::newRow("end of the table")
        << u"</td></tr></table>"_s << QByteArray("&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;");
    QTest::newRow("an entity already") << u"&amp;"_s << QByteArray("&amp;amp;");
    QTest::newRow("quotes") << u"Bar \"Sport\""_s << QByteArray("Bar \"Sport\"");
  }
  void textsAreEscaped() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
      SpreadsheetWriter writer(buffer);
      QList<ExportColumn> columns = twoColumns();
      columns[0].exportHeader = text;
      writer.writeStart(text, columns);
      writer.writeRow({text, u"No"_s});
    }
    const QByteArray document = buffer.data();
    QVERIFY(document.contains("<x:Name>" + written + "</x:Name>"));
    QVERIFY(document.contains("width=300>" + written + "</td>"));
    QVERIFY(document.endsWith("<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + written +
                              "</td><td style=\"text-align: left;\" "
                              "sdnum=\"1040;0;@\">No</td></tr>"));
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
    QVERIFY_THROWS_EXCEPTION(SpreadsheetWriteError, writer.writeStart(u"Foglio"_s, twoColumns()));
    QVERIFY(device.data().startsWith("<html xmlns:o="));
  }

  // Rows reach the device in blocks; a refusal among them is still reported
  // and what the device took stays, in order.
  void rowsAreGatheredAndARefusalAmongThemIsReported() {
    class LimitedDevice : public QBuffer {
     public:
      int writes = 0;
      qint64 limit = 1 << 30;

     protected:
      qint64 writeData(const char* data, qint64 length) override {
        ++writes;
        if (size() + length > limit) return -1;
        return QBuffer::writeData(data, length);
      }
    };
    const QStringList row{u"Rossi Mario"_s, u"Sì"_s};
    const int rows = 5000;

    LimitedDevice whole;
    whole.open(QIODevice::WriteOnly);
    {
      SpreadsheetWriter writer(whole);
      writer.writeStart(u"Foglio"_s, twoColumns());
      const int afterStart = whole.writes;
      for (int i = 0; i < rows; ++i) writer.writeRow(row);
      QVERIFY2(whole.writes - afterStart < rows / 100, qPrintable(QString::number(whole.writes)));
      writer.writeEnd();
    }
    const QByteArray document = whole.data();
    QVERIFY(document.endsWith("</table></body></html>"));
    QCOMPARE(document.count("<tr>"), rows + 1);

    LimitedDevice full;
    full.limit = document.size() / 2;
    full.open(QIODevice::WriteOnly);
    bool refused = false;
    try {
      SpreadsheetWriter writer(full);
      writer.writeStart(u"Foglio"_s, twoColumns());
      for (int i = 0; i < rows; ++i) writer.writeRow(row);
      writer.writeEnd();
    } catch (const SpreadsheetWriteError&) {
      refused = true;
    }
    QVERIFY(refused);
    QVERIFY(full.data().size() > 0);
    QVERIFY(document.startsWith(full.data()));
  }

  void aDocumentLeftHalfwayStillReachesTheDevice() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
      SpreadsheetWriter writer(buffer);
      writer.writeStart(u"Foglio"_s, twoColumns());
      writer.writeRow({u"Uno"_s, u"Due"_s});
    }
    QVERIFY(
        buffer.data().endsWith("<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">Uno</td>"
                               "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">Due</td></tr>"));
  }
};

QTEST_GUILESS_MAIN(SpreadsheetWriterTest)
#include "tst_spreadsheetwriter.moc"
