#include <QTest>

#include "attachments/attachmentfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Attachment names come from records anyone with access to a shared folder can
// write, and Windows desks share them with Linux desks: a name Windows opens as
// a device must never be copied into or opened there.
class TstAttachmentNames : public QObject {
  Q_OBJECT

 private slots:
  void devicesAndStreams_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("deviceOrStream");
    QTest::newRow("device") << u"NUL"_s << true;
    QTest::newRow("device in small letters") << u"con"_s << true;
    QTest::newRow("device with an extension") << u"aux.pdf"_s << true;
    QTest::newRow("device, blanks, extension") << u"PRN  .txt"_s << true;
    QTest::newRow("device with two extensions") << u"nul.tar.gz"_s << true;
    QTest::newRow("serial port") << u"COM1"_s << true;
    QTest::newRow("printer port, superscript") << u"LPT\u00B2.doc"_s << true;
    QTest::newRow("console input") << u"CONIN$"_s << true;
    QTest::newRow("blanks around a device") << u"  COM9  "_s << true;
    QTest::newRow("stream of a file") << u"fattura.pdf:nascosto"_s << true;
    QTest::newRow("device as a prefix") << u"CONTRATTO.pdf"_s << false;
    QTest::newRow("device after a prefix") << u"copia NUL.pdf"_s << false;
    QTest::newRow("port without a number") << u"COM.txt"_s << false;
    QTest::newRow("port with two digits") << u"COM10"_s << false;
    QTest::newRow("ordinary file") << u"Lettera Rossi.docx"_s << false;
  }
  void devicesAndStreams() {
    QFETCH(QString, name);
    QFETCH(bool, deviceOrStream);
    QCOMPARE(AttachmentFolder::isWindowsDeviceOrStream(name), deviceOrStream);
  }

  // Windows refuses what it would open as a device; elsewhere such a name is
  // an ordinary file.
  void devicesAreNotBareOnWindows_data() { devicesAndStreams_data(); }
  void devicesAreNotBareOnWindows() {
    QFETCH(QString, name);
#ifdef Q_OS_WIN
    QFETCH(bool, deviceOrStream);
    QCOMPARE(AttachmentFolder::isBareName(name), !deviceOrStream);
#else
    QVERIFY(AttachmentFolder::isBareName(name));
#endif
  }
};

QTEST_APPLESS_MAIN(TstAttachmentNames)
#include "tst_attachmentnames.moc"
