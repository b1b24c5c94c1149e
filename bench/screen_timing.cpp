// Times a screen of the real program on a large acceptance archive, the way
// a user meets it: from the click on the workspace's button to the screen
// shown, painted and idle. Run under a real display (Xvfb will do); with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 inside a D-Bus session it measures the
// screens with the accessibility bridge on.
//
//   screen_timing <folder> <records> <list|grid|search|export|print> [rounds]
//
// The folder holds the archive; it is written (every letter not yet sent,
// one in 10,000 to a rare recipient) when it does not hold `records` yet.
// Runs `rounds` rounds (3 unless told), each a raw read of the archive
// followed by the screen's work, and prints one line: what, records, the
// fastest seconds taken (on the clock and of the program's processor time),
// peak memory in MB, the fastest two times of the raw reads, the two
// ratios, and whether the bridge was on; for the export also a raw write of
// as many bytes as the spreadsheet holds.
#include <sys/resource.h>
#include <time.h>

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QAccessible>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>

#include "app/velindaapplication.h"
#include "archive/tscheda.h"
#include "core/programfolder.h"
#include "editors/tfrmaccettazione.h"
#include "largearchive.h"
#include "platform/installed.h"
#include "platform/messageservice.h"
#include "support/pdfprintservice.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// Time on the clock and processor time of the whole program.
class Stopwatch {
 public:
  void start() {
    wall_.start();
    cpu_ = cpuNow();
  }
  double wall() const { return wall_.nsecsElapsed() / 1e9; }
  double cpu() const { return cpuNow() - cpu_; }

 private:
  static double cpuNow() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
  }
  QElapsedTimer wall_;
  double cpu_ = 0;
};

struct Times {
  double wall = -1;
  double cpu = -1;
  QString text() const { return u"%1\t%2"_s.arg(wall, 0, 'f', 3).arg(cpu, 0, 'f', 3); }
};

// The whole file in blocks of a megabyte, as fast as the system gives it.
Times rawReadOnce(const QString& path) {
  static QByteArray block(1 << 20, '\0');
  Stopwatch t;
  t.start();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  while (file.read(block.data(), block.size()) > 0) {
  }
  return {t.wall(), t.cpu()};
}

void rawRead(const QString& path) { rawReadOnce(path); }

// Writing as many bytes as `path` holds, in large blocks, to a file beside it.
// As the export does, the file replaces one of the same size: the second of
// two writes is timed.
Times rawWrite(const QString& path) {
  const qint64 size = QFileInfo(path).size();
  const QByteArray block(1 << 20, 'x');
  QFile file(path + u".raw"_s);
  Times taken;
  for (int round = 0; round < 2; ++round) {
    Stopwatch t;
    t.start();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write");
    for (qint64 done = 0; done < size; done += block.size())
      file.write(block.constData(), qMin<qint64>(block.size(), size - done));
    file.close();
    taken = {t.wall(), t.cpu()};
  }
  file.remove();
  return taken;
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// Says yes to exporting, no to opening the file.
class ScriptedAnswers : public MessageService {
 public:
  void show(QWidget*, MessageKind, const QString& text) override { said << text; }
  void plain(QWidget*, const QString& text) override { said << text; }
  bool confirm(QWidget*, const QString& text) override {
    said << text;
    return text.startsWith(u"L'esportazione"_s);
  }
  QStringList said;
};

// Runs `then` once the event loop, after `view` has been painted, has
// nothing left to do.
void whenPaintedAndIdle(QAbstractItemView* view, std::function<void()> then) {
  struct Watch : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) painted = true;
      return false;
    }
  };
  auto* watch = new Watch;
  view->viewport()->installEventFilter(watch);
  auto* dispatcher = QAbstractEventDispatcher::instance();
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [=] {
    if (!watch->painted) return;
    QObject::disconnect(*connection);
    view->viewport()->removeEventFilter(watch);
    delete watch;
    then();
  });
  view->viewport()->update();
}

QDialog* openModal() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

}  // namespace

int main(int argc, char** argv) {
  VelindaApplication app(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: screen_timing <folder> <records> <list|grid|search|export|print> "
                 "[rounds]\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int records = QString::fromLatin1(argv[2]).toInt();
  const QString what = QString::fromLatin1(argv[3]);
  const int rounds = argc == 5 ? qMax(1, QString::fromLatin1(argv[4]).toInt()) : 3;
  ProgramFolder::setOverride(folder);
  const QString archive = ProgramFolder::filePath(acceptanceArchive().fileName);
  if (QFileInfo(archive).size() != qint64(records) * acceptanceLayout().size())
    LargeArchive::write(archive, records);
  rawRead(archive);  // the page cache warm for every round alike

  TfrmAccettazione workspace;
  workspace.show();
  ScriptedAnswers answers;
  const Installed<MessageService> answering(answers);
  PdfPrintService printer(folder + u"/riepilogo.pdf"_s);

  // clang-format off
  const QString button = what == u"list"   ? u"cmdDaInviare"_s
                         // clang-format on
                         : what == u"search" ? u"cmdTrova"_s
                         : what == u"print"  ? u"cmdDaInviare"_s
                                             : u"cmdEsporta"_s;
  Stopwatch clock;
  Times taken;
  auto finish = [&] {
    taken = {clock.wall(), clock.cpu()};
    if (QDialog* screen = openModal()) screen->done(QDialog::Rejected);
  };
  auto view = [](const char16_t* name) {
    return openModal()->findChild<QAbstractItemView*>(QString::fromUtf16(name));
  };

  // Once the screen is up and idle: what to time on it.
  std::function<void()> onScreen = [&] {
    if (what == u"list" || what == u"grid") {
      finish();
    } else if (what == u"search") {
      openModal()->findChild<QLineEdit*>(u"txtDestinatario"_s)->setText(u"rarissima"_s);
      clock.start();
      openModal()->findChild<QPushButton*>(u"btnCerca"_s)->click();
      whenPaintedAndIdle(view(u"lstRecords"), finish);
    } else if (what == u"export") {
      clock.start();
      openModal()->findChild<QToolButton*>(u"cmdEsporta"_s)->click();
      finish();
    } else if (what == u"print") {
      clock.start();
      openModal()->findChild<QPushButton*>(u"btnStampa"_s)->click();
      finish();
    }
  };

  // Each round reads the archive raw, then opens the screen and does its
  // work: the two are measured alike, one right after the other, and the
  // fastest of each is kept, the round the rest of the machine disturbed
  // least.
  bool bridgeOn = false;
  Times fastestWork{1e9, 1e9};
  Times fastestRaw{1e9, 1e9};
  QTimer::singleShot(500, [&] {
    bridgeOn = QAccessible::isActive();
    for (int round = 0; round < rounds; ++round) {
      const Times raw = rawReadOnce(archive);
      fastestRaw = {qMin(fastestRaw.wall, raw.wall), qMin(fastestRaw.cpu, raw.cpu)};
      clock.start();
      QTimer::singleShot(0, [&] {
        // The screen is modal: this runs inside its own event loop.
        QAbstractItemView* grid = view(u"grdRecords");
        QAbstractItemView* shown = grid ? grid : view(u"lstRecords");
        if (what == u"search") {
          QTimer::singleShot(200, onScreen);
        } else {
          whenPaintedAndIdle(shown, onScreen);
        }
      });
      workspace.findChild<QToolButton*>(button)->click();
      fastestWork = {qMin(fastestWork.wall, taken.wall), qMin(fastestWork.cpu, taken.cpu)};
    }
    app.quit();
  });
  app.exec();

  const double peak = peakMegabytes();
  QString extra;
  if (what == u"export")
    extra = u"\traw write\t"_s +
            rawWrite(ProgramFolder::filePath(u"Ricevute_Accettazione.xls"_s)).text();
  std::printf("%s\t%d\t%s\t%.0f\traw read\t%s\tx_raw\t%.2f\t%.2f\t%s%s\n", qPrintable(what),
              records, qPrintable(fastestWork.text()), peak, qPrintable(fastestRaw.text()),
              fastestWork.wall / fastestRaw.wall, fastestWork.cpu / fastestRaw.cpu,
              bridgeOn ? "a11y-on" : "a11y-off", qPrintable(extra));
  return 0;
}
