#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "widgets/controls.h"

using namespace velinda;

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Controls::Enter)

namespace {

// A picture's pixel at a point of the label, in the label's own units.
QColor pixelAt(const QLabel* label, QPoint at) {
  const QPixmap pixmap = label->pixmap();
  return pixmap.toImage().pixelColor(at * pixmap.devicePixelRatio());
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT
 private slots:
  // What a screen reader and the tooltip say about a button.
  void buttonDescribesItself_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("toolTip");
    const QString print = u"Stampa il modulo"_s;
    QTest::newRow("words, then the purpose")
        << u"Stampa"_s << print << QKeySequence() << QString() << u"Stampa"_s << print << print;
    QTest::newRow("the key in the tooltip")
        << u"Anteprima"_s << u"Mostra la pagina"_s << QKeySequence(Qt::CTRL | Qt::Key_F2)
        << QString() << u"Anteprima"_s << u"Mostra la pagina"_s
        << u"Mostra la pagina (%1)"_s.arg(
               QKeySequence(Qt::CTRL | Qt::Key_F2).toString(QKeySequence::NativeText));
    QTest::newRow("no dots, no mnemonic mark")
        << u"&Foglio di prova..."_s << u"Stampa un foglio"_s << QKeySequence() << QString()
        << u"Foglio di prova"_s << u"Stampa un foglio"_s << u"Stampa un foglio"_s;
    QTest::newRow("a sign is named by its purpose")
        << u"-"_s << u"Diminuisci margine"_s << QKeySequence() << QString()
        << u"Diminuisci margine"_s << QString() << u"Diminuisci margine"_s;
    QTest::newRow("a name given wins, no tooltip")
        << u"Sfoglia..."_s << QString() << QKeySequence() << u"Sfoglia per il 1° file"_s
        << u"Sfoglia per il 1° file"_s << QString() << QString();
  }
  void buttonDescribesItself() {
    QFETCH(QString, text);
    QFETCH(QString, purpose);
    QFETCH(QKeySequence, key);
    QFETCH(QString, accessibleName);
    QWidget parent;
    QPushButton* b =
        Controls::button(u"btnProva"_s, text, &parent,
                         {.purpose = purpose, .key = key, .accessibleName = accessibleName});
    QCOMPARE(b->objectName(), u"btnProva"_s);
    QCOMPARE(b->text(), text);
    QTEST(b->accessibleName(), "name");
    QTEST(b->accessibleDescription(), "description");
    QTEST(b->toolTip(), "toolTip");
    // A text's own Alt+letter is Qt's; only a key given is the button's.
    if (!key.isEmpty()) QCOMPARE(b->shortcut(), key);
  }

  // Enter on the focused button, and Enter in a box of the same dialog.
  void enterPressesAsAsked_data() {
    QTest::addColumn<Controls::Enter>("enter");
    QTest::addColumn<bool>("pressedWhenFocused");
    QTest::addColumn<bool>("pressedFromTheBox");
    QTest::newRow("dialog rule") << Controls::Enter::DialogRule << true << true;
    QTest::newRow("when focused") << Controls::Enter::WhenFocused << true << false;
    QTest::newRow("ignored") << Controls::Enter::Ignored << false << false;
  }
  void enterPressesAsAsked() {
    QFETCH(Controls::Enter, enter);
    QFETCH(bool, pressedWhenFocused);
    QFETCH(bool, pressedFromTheBox);
    QDialog dialog;
    auto* box = new QLineEdit(&dialog);
    box->move(0, 0);
    QPushButton* b = Controls::button(u"btnCerca"_s, u"Cerca"_s, QRect(0, 40, 100, 30), &dialog,
                                      {.enter = enter});
    QSignalSpy clicks(b, &QPushButton::clicked);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
      box->setFocus();
      QTest::keyClick(box, Qt::Key(key));
      QCOMPARE(clicks.count(), pressedFromTheBox ? 1 : 0);
      clicks.clear();
      b->setFocus();
      QTest::keyClick(b, Qt::Key(key));
      QCOMPARE(clicks.count(), pressedWhenFocused ? 1 : 0);
      clicks.clear();
    }
  }

  void buttonTakesItsPlace() {
    QWidget parent;
    QPushButton* placed = Controls::button(u"btnA"_s, u"A"_s, QRect(8, 488, 150, 30), &parent);
    QCOMPARE(placed->geometry(), QRect(8, 488, 150, 30));
    QPushButton* sized =
        Controls::button(u"btnB"_s, u"B"_s, QSize(110, 30), &parent, {.pointingHand = true});
    QCOMPARE(sized->minimumSize(), QSize(110, 30));
    QCOMPARE(sized->maximumSize(), QSize(110, 30));
    QCOMPARE(sized->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!placed->testAttribute(Qt::WA_SetCursor));
  }

  // A 10 x 10 red picture in a 40 x 20 place: stretched, or kept square in
  // the middle.
  void pictureFillsItsPlace_data() {
    QTest::addColumn<Controls::Fit>("fit");
    QTest::addColumn<bool>("redAtTheSide");
    QTest::newRow("exact") << Controls::Fit::Exact << true;
    QTest::newRow("keep shape") << Controls::Fit::KeepShape << false;
  }
  void pictureFillsItsPlace() {
    QFETCH(Controls::Fit, fit);
    QFETCH(bool, redAtTheSide);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"red.png"_s);
    QImage red(10, 10, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(file));

    QWidget parent;
    QLabel* picture =
        Controls::picture(u"imgProva"_s, file, QRect(5, 6, 40, 20), &parent, fit, u"Prova"_s);
    QCOMPARE(picture->objectName(), u"imgProva"_s);
    QCOMPARE(picture->geometry(), QRect(5, 6, 40, 20));
    QCOMPARE(picture->accessibleName(), u"Prova"_s);
    QCOMPARE(pixelAt(picture, QPoint(20, 10)), QColor(Qt::red));
    QCOMPARE(pixelAt(picture, QPoint(3, 10)).alpha(), redAtTheSide ? 255 : 0);
    QCOMPARE(pixelAt(picture, QPoint(36, 10)).alpha(), redAtTheSide ? 255 : 0);
  }

  // A missing drawing keeps its room on the screen.
  void missingPictureKeepsItsRoom() {
    QWidget parent;
    QLabel* sized = Controls::picture(u"imgLogo"_s, u":/art/none.svg"_s, QSize(587, 69), &parent);
    QCOMPARE(sized->minimumSize(), QSize(587, 69));
    QCOMPARE(sized->maximumSize(), QSize(587, 69));
    QLabel* placed = Controls::picture(u"imgLogo"_s, u":/art/none.svg"_s, QRect(1, 1, 815, 51),
                                       &parent, Controls::Fit::KeepShape);
    QCOMPARE(placed->geometry(), QRect(1, 1, 815, 51));
    QCOMPARE(pixelAt(placed, QPoint(400, 25)).alpha(), 0);
  }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
