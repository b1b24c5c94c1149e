#include <QFileInfo>
#include <QIcon>
#include <QTest>

#include "app/velindaapplication.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// How the program presents itself to the desktop: its version, the menu entry
// it belongs to and the icon of its windows.
class DesktopIdentityTest : public QObject {
  Q_OBJECT
 private slots:
  void versionIsTheProjectVersion() {
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(VELINDA_PROJECT_VERSION));
  }

  // The desktop matches windows to the installed menu entry by this name.
  void desktopFileNameIsTheInstalledEntry() {
    // velinda.desktop.in becomes velinda.desktop
    const QString entry = QFileInfo(QStringLiteral(VELINDA_DESKTOP_ENTRY)).completeBaseName();
    QCOMPARE(QGuiApplication::desktopFileName() + u".desktop"_s, entry);
  }

  void windowsShowTheProgramIcon() {
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(64).toImage();
    QCOMPARE(image.size(), QSize(64, 64));
    QCOMPARE(qAlpha(image.pixel(32, 32)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
  }
};

int main(int argc, char** argv) {
  VelindaApplication app(argc, argv);
  DesktopIdentityTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_desktopidentity.moc"
