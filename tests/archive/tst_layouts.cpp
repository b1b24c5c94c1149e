#include <QTest>

#include "archive/archivekinds.h"
#include "archive/layouts.h"
#include "archive/tscheda.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class LayoutsTest : public QObject {
  Q_OBJECT
 private slots:
  void offsets_data() {
    QTest::addColumn<int>("archive");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("control");
    // 0 acceptance, 1 return receipt, 2 address book
    QTest::newRow("acc EmailDes") << 0 << "EmailDes" << 679 << "txtEmailDes";
    QTest::newRow("acc Mittente") << 0 << "Mittente" << 800 << "txtMittente";
    QTest::newRow("acc Cifre") << 0 << "Cifre" << 1600 << "txtCifre";
    QTest::newRow("acc Data") << 0 << "Data" << 1737 << "txtData";
    QTest::newRow("acc Inviata") << 0 << "Inviata" << 1999 << "chkInviata";
    QTest::newRow("acc Vaglia") << 0 << "Vaglia" << 2011 << "chkVaglia";
    QTest::newRow("acc File01") << 0 << "File01" << 2014 << "lblFile01";
    QTest::newRow("acc Desc03") << 0 << "Desc03" << 3269 << "lblDesc03";
    QTest::newRow("ric N13") << 1 << "N13" << 24 << "txtN13";
    QTest::newRow("ric Destinatario") << 1 << "Destinatario" << 42 << "txtDestinatario";
    QTest::newRow("ric Mittente") << 1 << "Mittente" << 690 << "txtMittente";
    QTest::newRow("ric Ufficio") << 1 << "Ufficio" << 1349 << "txtUfficio";
    QTest::newRow("ric Consegnata") << 1 << "Consegnata" << 1721 << "chkConsegnata";
    QTest::newRow("ric Assicurata") << 1 << "Assicurata" << 1730 << "chkAssicurata";
    QTest::newRow("ana Sesso") << 2 << "Sesso" << 811 << "txtSesso";
    QTest::newRow("ana CodFisc") << 2 << "CodFisc" << 934 << "txtCodFisc";
    QTest::newRow("ana Iban") << 2 << "Iban" << 963 << "txtIban";
    QTest::newRow("ana Note") << 2 << "Note" << 2074 << "txtNote";
    QTest::newRow("ana File01") << 2 << "File01" << 2325 << "lblFile01";
    QTest::newRow("ana Desc03") << 2 << "Desc03" << 3580 << "lblDesc03";
  }
  void offsets() {
    QFETCH(int, archive);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(QString, control);
    const RecordLayout* layouts[] = {&acceptanceLayout(), &returnReceiptLayout(),
                                     &addressBookLayout()};
    const RecordLayout& layout = *layouts[archive];
    const int index = layout.indexOf(field);
    QVERIFY(index >= 0);
    QCOMPARE(layout.offset(index), offset);
    QCOMPARE(layout.controlName(index), control);
  }

  void sizesAndFiles() {
    QCOMPARE(acceptanceArchive().layout.size(), 3520);
    QCOMPARE(acceptanceArchive().layout.fieldCount(), 41);
    QCOMPARE(acceptanceArchive().fileName, u"Ricevute_Accettazione.pro"_s);
    QCOMPARE(returnReceiptArchive().layout.size(), 1733);
    QCOMPARE(returnReceiptArchive().layout.fieldCount(), 43);
    QCOMPARE(returnReceiptArchive().fileName, u"Avvisi_Ricevimento.pro"_s);
    QCOMPARE(addressBookArchive().layout.size(), 3831);
    QCOMPARE(addressBookArchive().layout.fieldCount(), 39);
    QCOMPARE(addressBookArchive().fileName, u"Anagrafica.pro"_s);
  }

  // The words the screens keep for the workspace that opened them: one per
  // archive, read back to the same archive, and nothing else taken for one.
  void archiveTags() {
    const struct {
      ArchiveKind kind;
      QString tag;
      QString file;
      bool attachments;
    } expected[] = {
        {ArchiveKind::AddressBook, u"anagrafica"_s, u"Anagrafica.pro"_s, true},
        {ArchiveKind::Acceptance, u"accettazione"_s, u"Ricevute_Accettazione.pro"_s, true},
        {ArchiveKind::ReturnReceipt, u"ricevimento"_s, u"Avvisi_Ricevimento.pro"_s, false},
    };
    QCOMPARE(Archives::all().size(), std::size(expected));
    for (const auto& archive : expected) {
      QCOMPARE(Archives::tagOf(archive.kind), archive.tag);
      QCOMPARE(Archives::tagged(archive.tag), archive.kind);
      QCOMPARE(Archives::entry(archive.kind).definition().fileName, archive.file);
      QCOMPARE(Archives::entry(archive.kind).keepsAttachments, archive.attachments);
    }
    for (const QString& stray : {u""_s, u"Anagrafica"_s, u" anagrafica"_s, u"accettazione_des"_s})
      QVERIFY2(!Archives::tagged(stray), qPrintable(stray));
    QCOMPARE(Archives::importTagOf(ArchiveKind::Acceptance, CardBlock::Recipient),
             u"accettazione_des"_s);
    QCOMPARE(Archives::importTagOf(ArchiveKind::ReturnReceipt, CardBlock::Sender),
             u"ricevimento_mit"_s);
  }

  void emptyCardHasZeroLengthInEveryField() {
    TSchedaAnagrafica card;
    for (int i = 0; i < card.layout().fieldCount(); ++i) card.field(i).FromText(u""_s);
    card.setText(u"Nome", u"Mario Rossi"_s);
    QCOMPARE(card.bytes().size(), 3831);
    for (int i = 1; i < card.layout().fieldCount(); ++i)
      QCOMPARE(card.bytes().at(card.layout().offset(i)), '\0');
    QCOMPARE(card.text(u"Nome"), u"Mario Rossi"_s);
  }
};

QTEST_APPLESS_MAIN(LayoutsTest)
#include "tst_layouts.moc"
