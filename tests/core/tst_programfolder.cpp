#include <QCoreApplication>
#include <QTest>

#include "core/programfolder.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class ProgramFolderTest : public QObject {
  Q_OBJECT
 private slots:
  void folderBesideTheExecutableByDefault() {
    QCOMPARE(ProgramFolder::path(), QCoreApplication::applicationDirPath() + u'/');
    QCOMPARE(ProgramFolder::filePath(u"Anagrafica.pro"_s),
             QCoreApplication::applicationDirPath() + u"/Anagrafica.pro"_s);
  }

  // A test folder made inside another test's puts the outer one back when
  // it goes, and the last one gone puts back the executable's folder.
  void testFoldersNestAndRestore() {
    const QString own = ProgramFolder::path();
    {
      TestFolder outer;
      QCOMPARE(ProgramFolder::path(), outer.path());
      {
        TestFolder inner;
        QCOMPARE(ProgramFolder::path(), inner.path());
        QVERIFY(inner.path() != outer.path());
      }
      QCOMPARE(ProgramFolder::path(), outer.path());
    }
    QCOMPARE(ProgramFolder::path(), own);
  }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
