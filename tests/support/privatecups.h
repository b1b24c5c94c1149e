#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace velinda {

// A CUPS spooler of the test's own, for printing through the real print path
// without the system's printers: its configuration, socket, spool, logs and
// output live in a temporary folder, and it runs as a child process in a
// mount namespace of its own where that folder stands in for /etc/cups, so
// that the stock CUPS-PDF backend reads its configuration from there too.
// Every queue prints through CUPS-PDF into outputFolder(). While it lives,
// libcups in this process (and so Qt's print dialog) talks to it alone.
//
// Running it needs root (the CUPS-PDF backend runs as root, and so does the
// bind mount) and Debian's cups-daemon, cups-filters and
// printer-driver-cups-pdf; isRunning() is false otherwise, and
// whyNotRunning() says why, for the test's QSKIP.
class PrivateCups {
 public:
  // One size a queue's driver offers, in points as a PPD gives it.
  struct Paper {
    QString ppdName;  // "A4", "EnvDL"
    int widthPt;
    int heightPt;
  };

  struct Queue {
    QString name;
    QList<Paper> papers;
    int hardwareMarginPt = 0;  // on every side, as office lasers have
    bool accepting = true;     // false: refuses every job (cupsreject)
    bool stopped = false;      // true: takes jobs but never prints them
  };

  // A4, DL, C5 and C4 envelopes.
  static QList<Paper> officePapers();

  PrivateCups(const QList<Queue>& queues, const QString& defaultQueue);
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  bool isRunning() const { return running_; }
  QString whyNotRunning() const { return whyNot_; }

  QString outputFolder() const;
  // The PDF files the queues wrote since the last call, oldest first, once
  // no job is left to do (or the time is up).
  QStringList newOutput(int timeoutMs = 30000);
  // How many jobs the spooler holds that have not finished.
  int activeJobs() const;
  // The spooler's log, to explain a failure.
  QString log() const;

 private:
  bool writeConfiguration(const QList<Queue>& queues, const QString& defaultQueue);
  bool start();

  QTemporaryDir folder_;
  QProcess cupsd_;
  QStringList seen_;
  bool running_ = false;
  QString whyNot_;
};

}  // namespace velinda
