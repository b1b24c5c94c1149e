#include <QTest>

#include "platform/shellservice.h"

class ShellTargetsTest : public QObject {
  Q_OBJECT
 private slots:
  void mailWithBlanksIsAProperUrl() {
    const QUrl url = ShellTarget::mail(u"assistenza@velinda.example"_qs,
                                       u"Software Velinda"_qs,
                                       u"Salve, desidererei avere le seguenti informazioni"_qs);
    QVERIFY(url.isValid());
    QCOMPARE(url.toString(QUrl::FullyEncoded),
             u"mailto:assistenza@velinda.example?subject=Software%20Velinda"
             "&body=Salve,%20desidererei%20avere%20le%20seguenti%20informazioni"_qs);
  }

  void mailWithoutAddressIsTheBareScheme() {
    QCOMPARE(ShellTarget::mail(QString()).toString(), u"mailto:"_qs);
  }

  void fileWithBlanksAndAccents() {
    const QUrl url = ShellTarget::file(u"/media/chiavetta/Velinda è/Guida.pdf"_qs);
    QCOMPARE(url.toLocalFile(), u"/media/chiavetta/Velinda è/Guida.pdf"_qs);
    QCOMPARE(url.scheme(), u"file"_qs);
  }
};

QTEST_GUILESS_MAIN(ShellTargetsTest)
#include "tst_shelltargets.moc"
