#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "widgets/mnemonickeys.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Every text button of a window gets its own Alt+letter key.
class MnemonicKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void eachButtonGetsAFreeLetter_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<int>("withKey");  // the button that has Ctrl+P, -1 for none
    QTest::newRow("a closer chooses last")
        << QStringList{u"Chiudi"_s, u"Cerca"_s} << QStringList{u"C&hiudi"_s, u"&Cerca"_s} << -1;
    QTest::newRow("the next word's beginning")
        << QStringList{u"Stampa"_s, u"Stampa moduli"_s}
        << QStringList{u"&Stampa"_s, u"Stampa &moduli"_s} << -1;
    QTest::newRow("a key of its own is kept and taken")
        << QStringList{u"&Salva"_s, u"Stampa"_s} << QStringList{u"&Salva"_s, u"S&tampa"_s} << -1;
    QTest::newRow("a key of the program's is kept")
        << QStringList{u"Stampa"_s, u"Salva"_s} << QStringList{u"Stampa"_s, u"&Salva"_s} << 0;
    QTest::newRow("same text twice") << QStringList{u"Applica"_s, u"Applica"_s}
                                     << QStringList{u"&Applica"_s, u"A&pplica"_s} << -1;
    QTest::newRow("letters of any case are one key")
        << QStringList{u"Importa"_s, u"invia"_s} << QStringList{u"&Importa"_s, u"i&nvia"_s} << -1;
    QTest::newRow("signs and a plain ampersand")
        << QStringList{u"+"_s, u"-"_s, u"Rossi && Figli"_s, u"Busta"_s}
        << QStringList{u"+"_s, u"-"_s, u"Rossi && Figli"_s, u"&Busta"_s} << -1;
  }
  void eachButtonGetsAFreeLetter() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, marked);
    QFETCH(int, withKey);
    QWidget window;
    QList<QPushButton*> buttons;
    for (const QString& text : texts) buttons << new QPushButton(text, &window);
    if (withKey >= 0) buttons[withKey]->setShortcut(QKeySequence(u"Ctrl+P"_s));
    MnemonicKeys::give(&window);
    QStringList result;
    for (QPushButton* b : buttons) result << b->text();
    QCOMPARE(result, marked);
    // Shown again, nothing changes.
    MnemonicKeys::give(&window);
    for (qsizetype i = 0; i < buttons.size(); ++i) QCOMPARE(buttons[i]->text(), marked[i]);
    if (withKey >= 0) QCOMPARE(buttons[withKey]->shortcut(), QKeySequence(u"Ctrl+P"_s));
  }

  // Installed on the application, a window gets its keys when shown; Alt and
  // the letter press the button and a check box is ticked.
  void altAndTheLetterPressTheButton() {
    MnemonicKeys::install();
    QWidget window;
    auto* search = new QPushButton(u"Cerca"_s, &window);
    auto* sent = new QCheckBox(u"Inviata"_s, &window);
    sent->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(search->text(), u"&Cerca"_s);
    QSignalSpy clicked(search, &QPushButton::clicked);
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    // The button shows itself pressed for a moment, then clicks.
    QTRY_COMPARE(clicked.size(), 1);
    QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(sent->isChecked());
  }
};

QTEST_MAIN(MnemonicKeysTest)
#include "tst_mnemonickeys.moc"
