// The user guide delivered beside the program (Guida.pdf), as a user reads
// it: a section for each screen the workspaces and lists open, and every
// key of the program's key tables with what it does.
#include <QCoreApplication>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "dialogs/featureguide.h"
#include "editors/workspaceshortcuts.h"
#include "records/screenkeys.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// Words only, one blank between them: the PDF's line breaks do not matter
// here, nor the ligatures its font draws for "fi" and "fl".
QString plain(QString text) {
  text.replace(QChar(0xFB01), u"fi"_s).replace(QChar(0xFB02), u"fl"_s);
  return text.replace(QRegularExpression(u"\\s+"_s), u" "_s).trimmed();
}

}  // namespace

class UserGuideTest : public QObject {
  Q_OBJECT

  QString text_;
  QTranslator qtItalian_;

 private slots:
  void initTestCase() {
    REQUIRE_POPPLER();
    // The keys named in Italian, as the program and the guide name them.
    if (qtItalian_.load(u"qtbase_it"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(&qtItalian_);
    text_ = plain(pdfText(QStringLiteral(VELINDA_GUIDE_PDF)));
    QVERIFY(!text_.isEmpty());
  }

  void everyScreenHasItsSection() {
    const QList<FeatureGuide::Section> sections = FeatureGuide::sections();
    QCOMPARE(sections.size(), 6);
    for (const FeatureGuide::Section& section : sections) {
      QVERIFY2(text_.contains(section.title), qPrintable(section.title));
      // The section's first words, as far as a line of the page goes.
      const QString opening = plain(section.paragraphs.first()).section(u' ', 0, 5);
      QVERIFY2(text_.contains(opening), qPrintable(opening));
    }
  }

  void everyKeyIsListedWithWhatItDoes() {
    QStringList rows;
    for (const ScreenKeys::Shortcut& s : ScreenKeys::menu())
      rows << QString::fromUtf8(s.keys) << QString::fromUtf8(s.action);
    for (const WorkspaceShortcuts::Shortcut& s : WorkspaceShortcuts::all())
      rows << QString::fromUtf8(s.keys) << QString::fromUtf8(s.action);
    for (const ScreenKeys::Shortcut& s : ScreenKeys::all())
      rows << QString::fromUtf8(s.keys) << QString::fromUtf8(s.action);
    for (qsizetype i = 0; i < rows.size(); i += 2) {
      const QString keys =
          QKeySequence(rows[i], QKeySequence::PortableText).toString(QKeySequence::NativeText);
      const QString row = keys + u' ' + plain(rows[i + 1]).section(u' ', 0, 3);
      QVERIFY2(text_.contains(row), qPrintable(row));
    }
  }
};

QTEST_MAIN(UserGuideTest)
#include "tst_userguide.moc"
