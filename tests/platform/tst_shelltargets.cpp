#include <QTest>

#include "platform/shellservice.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class ShellTargetsTest : public QObject {
  Q_OBJECT
 private slots:
  void mailWithBlanksIsAProperUrl() {
    const QUrl url = ShellTarget::mail(u"assistenza@velinda.example"_s, u"Software Velinda"_s,
                                       u"Salve, desidererei avere le seguenti informazioni"_s);
    QVERIFY(url.isValid());
    QCOMPARE(url.toString(QUrl::FullyEncoded),
             u"mailto:assistenza@velinda.example?subject=Software%20Velinda"
             "&body=Salve,%20desidererei%20avere%20le%20seguenti%20informazioni"_s);
  }

  void mailWithoutAddressIsTheBareScheme() {
    QCOMPARE(ShellTarget::mail(QString()).toString(), u"mailto:"_s);
  }

  void fileWithBlanksAndAccents() {
    const QUrl url = ShellTarget::file(u"/media/chiavetta/Velinda è/Guida.pdf"_s);
    QCOMPARE(url.toLocalFile(), u"/media/chiavetta/Velinda è/Guida.pdf"_s);
    QCOMPARE(url.scheme(), u"file"_s);
  }
};

QTEST_GUILESS_MAIN(ShellTargetsTest)
#include "tst_shelltargets.moc"
