// Times a screen of the real program on a large acceptance archive, the way
// a user meets it: from the click on the workspace's button to the screen
// shown, painted and idle. Run under a real display (Xvfb will do); with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 inside a D-Bus session it measures the
// screens with the accessibility bridge on.
//
//   screen_timing <folder> <records> <list|grid|search|export|print>
//
// The folder holds the archive; it is written (every letter not yet sent,
// one in 10,000 to a rare recipient) when it does not hold `records` yet.
// Prints one line: what, records, seconds, peak memory in MB, the seconds of
// a raw read of the archive in the same run, and whether the bridge was on.
#include <sys/resource.h>

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
#include "editors/tfrmaccettazione.h"
#include "platform/messageservice.h"
#include "platform/programfolder.h"
#include "platform/services.h"
#include "report/pdfprintservice.h"

namespace {

const QString kRareRecipient = u"Ditta Rarissima"_qs;

void writeArchive(const QString& path, int records) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    qFatal("cannot write %s", qPrintable(path));
  TSchedaAccettazione r;
  const QList<QPair<const char16_t*, QString>> fixed{
      {u"IndirizzoDes", u"Via Giuseppe Garibaldi"_qs}, {u"NumDes", u"12/B"_qs},
      {u"LocalitaDes", u"Forlì"_qs}, {u"TelDes", u"0543 123456"_qs},
      {u"EmailDes", u"protocollo@comune.forli.fc.it"_qs}, {u"IndirizzoMit", u"Corso Mazzini"_qs},
      {u"NumMit", u"7"_qs}, {u"LocalitaMit", u"Cesena"_qs}, {u"TelMit", u"0547 654321"_qs},
      {u"EmailMit", u"studio@bianchi.it"_qs}, {u"Cifre", u"12,50"_qs},
      {u"Data", u"09/12/2026"_qs}, {u"Inviata", u"No"_qs}, {u"Avviso", u"Sì"_qs},
      {u"Contrassegno", u"No"_qs}};
  for (const auto& [name, text] : fixed) r.setText(name, text);
  const QString cap = u"47121"_qs;
  for (int d = 0; d < 5; ++d) {
    r.setText(u"CapDes0%1"_qs.arg(d + 1), cap.mid(d, 1));
    r.setText(u"CapMit0%1"_qs.arg(d + 1), cap.mid(d, 1));
  }
  r.setText(u"ProvDes01", u"F"_qs);
  r.setText(u"ProvDes02", u"C"_qs);
  for (int i = 0; i < records; ++i) {
    const bool rare = i % 10000 == 5000;
    r.setText(u"Destinatario", rare ? kRareRecipient
                                    : u"Comune di Forlì, Ufficio Protocollo %1"_qs.arg(i));
    r.setText(u"Mittente", u"Studio Legale Bianchi & Associati %1"_qs.arg(i));
    r.setText(u"Contenuto", u"Diffida e messa in mora per il contratto n. %1"_qs.arg(i));
    file.write(r.bytes());
  }
  if (!file.flush()) qFatal("cannot write %s", qPrintable(path));
}

double rawRead(const QString& path) {
  QByteArray block(1 << 20, '\0');
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {  // the first round warms the cache
    QElapsedTimer t;
    t.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    while (file.read(block.data(), block.size()) > 0) {
    }
    best = qMin(best, t.nsecsElapsed() / 1e9);
  }
  return best;
}

// Writing as many bytes as `path` holds, in large blocks, to a file beside it.
double rawWrite(const QString& path) {
  const qint64 size = QFileInfo(path).size();
  const QByteArray block(1 << 20, 'x');
  QElapsedTimer t;
  t.start();
  QFile file(path + u".raw"_qs);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write");
  for (qint64 done = 0; done < size; done += block.size())
    file.write(block.constData(), qMin<qint64>(block.size(), size - done));
  file.close();
  const double seconds = t.nsecsElapsed() / 1e9;
  file.remove();
  return seconds;
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
    return said.size() == 1;
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
  if (argc != 4) {
    std::fprintf(stderr, "usage: screen_timing <folder> <records> <list|grid|search|export|print>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int records = QString::fromLatin1(argv[2]).toInt();
  const QString what = QString::fromLatin1(argv[3]);
  ProgramFolder::setOverride(folder);
  const QString archive = ProgramFolder::filePath(acceptanceArchive().fileName);
  if (QFileInfo(archive).size() != qint64(records) * acceptanceLayout().size())
    writeArchive(archive, records);
  const double raw = rawRead(archive);

  TfrmAccettazione workspace;
  workspace.show();
  ScriptedAnswers answers;
  Services::setMessages(&answers);
  PdfPrintService printer(folder + u"/riepilogo.pdf"_qs);

  const QString button = what == u"list"   ? u"cmdDaInviare"_qs
                         : what == u"search" ? u"cmdTrova"_qs
                         : what == u"print"  ? u"cmdDaInviare"_qs
                                             : u"cmdEsporta"_qs;
  QElapsedTimer clock;
  double seconds = -1;
  auto finish = [&] {
    seconds = clock.nsecsElapsed() / 1e9;
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
      openModal()->findChild<QLineEdit*>(u"txtDestinatario"_qs)->setText(u"rarissima"_qs);
      clock.start();
      openModal()->findChild<QPushButton*>(u"btnCerca"_qs)->click();
      whenPaintedAndIdle(view(u"lstRecords"), finish);
    } else if (what == u"export") {
      clock.start();
      openModal()->findChild<QToolButton*>(u"cmdEsporta"_qs)->click();
      finish();
    } else if (what == u"print") {
      clock.start();
      openModal()->findChild<QPushButton*>(u"btnStampa"_qs)->click();
      finish();
    }
  };

  bool bridgeOn = false;
  QTimer::singleShot(500, [&] {
    bridgeOn = QAccessible::isActive();
    clock.start();
    QTimer::singleShot(0, [&] {
      // The screen is modal: this runs inside its own event loop.
      QAbstractItemView* list = view(what == u"search" ? u"lstRecords" : u"lstRecords");
      QAbstractItemView* grid = view(u"grdRecords");
      QAbstractItemView* shown = grid ? grid : list;
      if (what == u"search") {
        QTimer::singleShot(200, onScreen);
      } else {
        whenPaintedAndIdle(shown, onScreen);
      }
    });
    workspace.findChild<QToolButton*>(button)->click();
    app.quit();
  });
  app.exec();
  Services::setMessages(nullptr);

  const double peak = peakMegabytes();
  QString extra;
  if (what == u"export")
    extra = u"\traw write %1"_qs.arg(
        rawWrite(ProgramFolder::filePath(u"Ricevute_Accettazione.xls"_qs)), 0, 'f', 3);
  std::printf("%s\t%d\t%.3f\t%.0f\t%.3f\t%s%s\n", qPrintable(what), records, seconds, peak,
              raw, bridgeOn ? "a11y-on" : "a11y-off", qPrintable(extra));
  return 0;
}
