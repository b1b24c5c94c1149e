#include <QTest>

#include "print/acceptancelayout.h"
#include "sourcescreen.h"

using namespace Qt::StringLiterals;

class FormLayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void acceptanceFormHasItsThirtyTwoBoxes() {
    const Page page = FormLayout::page(AcceptanceLayout::boxes());
    QCOMPARE(AcceptanceLayout::boxes().size(), size_t(32));
    QCOMPARE(page.items().size(), size_t(32));
    for (const FormBox& row : AcceptanceLayout::boxes()) {
      const TextBox& box = page.textBox(QString::fromLatin1(row.name));
      QCOMPARE(box.font.family, u"Arial"_s);
      QVERIFY(!box.font.bold);
      QCOMPARE(box.font.colour, QColor(Qt::black));
      QVERIFY(!box.wrap);
      QVERIFY(!box.fill);
    }
    const TextBox& cap = page.textBox(u"txtCapDes03"_s);
    QCOMPARE(cap.hAlign, HAlign::Centre);
    QCOMPARE(cap.vAlign, VAlign::Centre);
    const TextBox& amount = page.textBox(u"txtCifre"_s);
    QCOMPARE(amount.hAlign, HAlign::Left);
    QCOMPARE(amount.vAlign, VAlign::Centre);
  }

  void offsetsMoveEveryBoxAndKeepItsSize() {
    Page page = FormLayout::page(AcceptanceLayout::boxes());
    page.setMargins(Length::mm(5), Length::mm(-2));
    for (const FormBox& row : AcceptanceLayout::boxes()) {
      const BoxGeometry placed = page.paperBox(page.textBox(QString::fromLatin1(row.name)).box);
      QCOMPARE(placed.left.toMm(), (row.left - 2.0_mm).toMm());
      QCOMPARE(placed.top.toMm(), (row.top + 5.0_mm).toMm());
      QCOMPARE(placed.width, row.width);
      QCOMPARE(placed.height, row.height);
    }
  }

  void contentComesFromTheSourceControls_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trimmed text") << u"{txtA}"_s << u"Via Roma"_s;
    QTest::newRow("joined with a blank") << u"{txtA} {txtB}"_s << u"Via Roma 12/B"_s;
    QTest::newRow("empty second keeps the blank") << u"{txtA} {txtEmpty}"_s << u"Via Roma "_s;
    QTest::newRow("joined without separator") << u"{txtB}{txtA}"_s << u"12/BVia Roma"_s;
    QTest::newRow("ticked") << u"[chkOn]"_s << u"X"_s;
    QTest::newRow("not ticked") << u"[chkOff]"_s << QString();
  }
  void contentComesFromTheSourceControls() {
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QWidget source;
    const std::pair<const char*, const char*> texts[] = {
        {"txtA", "  Via Roma \t"}, {"txtB", " 12/B"}, {"txtEmpty", "   "}};
    for (const auto& [name, text] : texts) {
      auto* box = new QLineEdit(QString::fromLatin1(text), &source);
      box->setObjectName(QString::fromLatin1(name));
    }
    auto* on = new QCheckBox(&source);
    on->setObjectName(u"chkOn"_s);
    on->setChecked(true);
    auto* off = new QCheckBox(&source);
    off->setObjectName(u"chkOff"_s);
    const QByteArray latin = pattern.toLatin1();
    QCOMPARE(FormLayout::content(latin.constData(), source), expected);
  }

  void missingControlIsAnError() {
    QWidget source;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, FormLayout::content("{txtNone}", source));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, FormLayout::content("[chkNone]", source));
  }

  void acceptanceBoxesTakeTheirSameNamedControls() {
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", u" Rossi Mario "_s);
    setText(*source, "txtCapDes01", u"0"_s);
    setText(*source, "txtLettere", u"dieci/00"_s);
    tick(*source, "chkContrassegno");
    Page page = FormLayout::page(AcceptanceLayout::boxes());
    FormLayout::fill(page, AcceptanceLayout::boxes(), *source);
    QCOMPARE(page.text(u"txtDestinatario"_s), u"Rossi Mario"_s);
    QCOMPARE(page.text(u"txtCapDes01"_s), u"0"_s);
    QCOMPARE(page.text(u"txtLettere"_s), u"dieci/00"_s);
    QCOMPARE(page.text(u"txtContrassegno"_s), u"X"_s);
    for (const char* unticked : {"txtAvviso", "txtCC", "txtVaglia"})
      QCOMPARE(page.text(QString::fromLatin1(unticked)), QString());
  }
};

QTEST_MAIN(FormLayoutTest)
#include "tst_formlayout.moc"
