#include <QTest>

#include "core/unknownname.h"
#include "print/acceptancelayout.h"
#include "sourcescreen.h"

using namespace velinda;

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
    const FormTexts taken = ScreenTexts::take(source, FormLayout::controls(latin.constData()));
    QCOMPARE(FormLayout::content(latin.constData(), taken), expected);
  }

  void controlsArePickedOutOfThePattern_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("ticks");
    QTest::newRow("text box") << u"{txtA}"_s << QStringList{u"txtA"_s} << QStringList();
    QTest::newRow("check box") << u"[chkA]"_s << QStringList() << QStringList{u"chkA"_s};
    QTest::newRow("in order, each once")
        << u"{txtB} {txtA}{txtB}[chkA]"_s << QStringList{u"txtB"_s, u"txtA"_s}
        << QStringList{u"chkA"_s};
    QTest::newRow("signs never closed are text")
        << u"{txtA} { [x"_s << QStringList{u"txtA"_s} << QStringList();
    QTest::newRow("no control") << u"C/C"_s << QStringList() << QStringList();
  }
  void controlsArePickedOutOfThePattern() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, ticks);
    const QByteArray latin = pattern.toLatin1();
    const FormControls controls = FormLayout::controls(latin.constData());
    QCOMPARE(controls.texts, texts);
    QCOMPARE(controls.ticks, ticks);
  }

  // A control the screen lacks fails as the texts are taken; a control the
  // texts were not taken for fails as the page is filled, even when the
  // other kind of control of that name was taken.
  void missingControlIsAnError() {
    QWidget source;
    (new QLineEdit(&source))->setObjectName(u"txtA"_s);
    QVERIFY_THROWS_EXCEPTION(UnknownName,
                             ScreenTexts::take(source, FormLayout::controls("{txtNone}")));
    QVERIFY_THROWS_EXCEPTION(UnknownName,
                             ScreenTexts::take(source, FormLayout::controls("[chkNone]")));
    QVERIFY_THROWS_EXCEPTION(UnknownName,
                             ScreenTexts::take(source, FormLayout::controls("[txtA]")));
    const FormTexts texts = ScreenTexts::take(source, FormLayout::controls("{txtA}"));
    QVERIFY_THROWS_EXCEPTION(UnknownName, FormLayout::content("{txtB}", texts));
    QVERIFY_THROWS_EXCEPTION(UnknownName, FormLayout::content("[txtA]", texts));
  }

  void acceptanceBoxesTakeTheirSameNamedControls() {
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", u" Rossi Mario "_s);
    setText(*source, "txtCapDes01", u"0"_s);
    setText(*source, "txtLettere", u"dieci/00"_s);
    tick(*source, "chkContrassegno");
    Page page = FormLayout::page(AcceptanceLayout::boxes());
    FormLayout::fill(page, AcceptanceLayout::boxes(),
                     ScreenTexts::take(*source, FormLayout::controls(AcceptanceLayout::boxes())));
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
