#include "support/privatecups.h"

#include <cups/cups.h>

#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kCupsd = u"/usr/sbin/cupsd"_s;
const QString kCupsPdf = u"/usr/lib/cups/backend/cups-pdf"_s;
const QString kUnshare = u"/usr/bin/unshare"_s;
const QString kSystemConfig = u"/etc/cups"_s;

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ppd(const PrivateCups::Queue& queue) {
  const int m = queue.hardwareMarginPt;
  QByteArray text =
      "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
      "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"TEST.PPD\"\n"
      "*Manufacturer: \"Test\"\n*Product: \"(Test)\"\n*ModelName: \"Office test printer\"\n"
      "*ShortNickName: \"Office test printer\"\n*NickName: \"Office test printer\"\n"
      "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n"
      "*DefaultColorSpace: Gray\n*FileSystem: False\n*LandscapeOrientation: Plus90\n"
      "*TTRasterizer: Type42\n";
  // No *CustomPageSize and no *VariablePaperSize: the listed sizes only.
  text += "*HWMargins: " + QByteArray::number(m) + ' ' + QByteArray::number(m) + ' ' +
          QByteArray::number(m) + ' ' + QByteArray::number(m) + '\n';
  const QByteArray first = queue.papers.first().ppdName.toLatin1();
  for (const char* group : {"PageSize", "PageRegion"}) {
    text += QByteArray("*OpenUI *") + group + ": PickOne\n*OrderDependency: 10 AnySetup *" + group +
            "\n*Default" + group + ": " + first + '\n';
    for (const PrivateCups::Paper& paper : queue.papers)
      text += QByteArray("*") + group + ' ' + paper.ppdName.toLatin1() + ": \"<</PageSize[" +
              QByteArray::number(paper.widthPt) + ' ' + QByteArray::number(paper.heightPt) +
              "]/ImagingBBox null>>setpagedevice\"\n";
    text += QByteArray("*CloseUI: *") + group + '\n';
  }
  text += "*DefaultImageableArea: " + first + '\n';
  for (const PrivateCups::Paper& paper : queue.papers)
    text += "*ImageableArea " + paper.ppdName.toLatin1() + ": \"" + QByteArray::number(m) + ' ' +
            QByteArray::number(m) + ' ' + QByteArray::number(paper.widthPt - m) + ' ' +
            QByteArray::number(paper.heightPt - m) + "\"\n";
  text += "*DefaultPaperDimension: " + first + '\n';
  for (const PrivateCups::Paper& paper : queue.papers)
    text += "*PaperDimension " + paper.ppdName.toLatin1() + ": \"" +
            QByteArray::number(paper.widthPt) + ' ' + QByteArray::number(paper.heightPt) + "\"\n";
  text += "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n";
  return text;
}

}  // namespace

QList<PrivateCups::Paper> PrivateCups::officePapers() {
  return {
      {u"A4"_s, 595, 842}, {u"EnvDL"_s, 312, 624}, {u"EnvC5"_s, 459, 649}, {u"EnvC4"_s, 649, 918}};
}

PrivateCups::PrivateCups(const QList<Queue>& queues, const QString& defaultQueue) {
  if (::geteuid() != 0) {
    whyNot_ = u"a private CUPS spooler needs root, for the CUPS-PDF backend and its mount"_s;
    return;
  }
  for (const QString& needed : {kCupsd, kCupsPdf, kUnshare}) {
    if (!QFileInfo::exists(needed)) {
      whyNot_ = needed +
                u" is missing: install cups-daemon, cups-filters and "
                "printer-driver-cups-pdf"_s;
      return;
    }
  }
  if (!QFileInfo(kSystemConfig).isDir()) {
    whyNot_ = kSystemConfig + u" is missing"_s;
    return;
  }
  if (!folder_.isValid() || !writeConfiguration(queues, defaultQueue)) {
    whyNot_ = u"cannot write the spooler's configuration in a temporary folder"_s;
    return;
  }
  running_ = start();
}

PrivateCups::~PrivateCups() {
  cupsSetServer(nullptr);
  qunsetenv("CUPS_SERVER");
  if (cupsd_.state() != QProcess::NotRunning) {
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000)) {
      cupsd_.kill();
      cupsd_.waitForFinished(5000);
    }
  }
}

QString PrivateCups::outputFolder() const { return folder_.filePath(u"out"_s); }

bool PrivateCups::writeConfiguration(const QList<Queue>& queues, const QString& defaultQueue) {
  const QString root = folder_.path();
  // Filters run as the user lp: the folder must be open to them.
  QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                  QFileDevice::ExeOther);
  QDir dir(root);
  for (const char* sub : {"etc/ppd", "spool/tmp", "cache", "run", "log", "out", "pdfspool"})
    if (!dir.mkpath(QString::fromLatin1(sub))) return false;
  const QFileDevice::Permissions everyone =
      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
      QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  QFile::setPermissions(dir.filePath(u"spool/tmp"_s), everyone);

  const QByteArray at = QFile::encodeName(root);
  bool ok = writeFile(dir.filePath(u"etc/cupsd.conf"_s),
                      "Listen " + at +
                          "/cups.sock\nLogLevel debug\nBrowsing Off\n"
                          "WebInterface No\nDefaultAuthType None\nErrorPolicy stop-printer\n"
                          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                          "</Policy>\n");
  ok = ok && writeFile(dir.filePath(u"etc/cups-files.conf"_s),
                       "ServerRoot " + at +
                           "/etc\nServerBin /usr/lib/cups\n"
                           "DataDir /usr/share/cups\nRequestRoot " +
                           at +
                           "/spool\n"
                           "TempDir " +
                           at + "/spool/tmp\nCacheDir " + at +
                           "/cache\n"
                           "StateDir " +
                           at + "/run\nAccessLog " + at +
                           "/log/access_log\n"
                           "ErrorLog " +
                           at + "/log/error_log\nPageLog " + at +
                           "/log/page_log\n"
                           "User lp\nGroup lp\nSystemGroup root\n");
  // Read by the CUPS-PDF backend as /etc/cups/cups-pdf.conf, in the
  // spooler's namespace only.
  ok = ok && writeFile(dir.filePath(u"etc/cups-pdf.conf"_s),
                       "Out " + at + "/out\nSpool " + at + "/pdfspool\nAnonDirName " + at +
                           "/out\nLog " + at + "/log\nLogType 3\nLabel 2\nGrp root\n");
  QByteArray printers;
  for (const Queue& queue : queues) {
    const QByteArray section = queue.name == defaultQueue ? "DefaultPrinter" : "Printer";
    printers += '<' + section + ' ' + queue.name.toUtf8() + ">\nDeviceURI cups-pdf:/\n" + "State " +
                (queue.stopped ? "Stopped" : "Idle") + "\nAccepting " +
                (queue.accepting ? "Yes" : "No") + "\nShared No\n</" + section + ">\n";
    ok = ok && writeFile(dir.filePath(u"etc/ppd/"_s + queue.name + u".ppd"_s), ppd(queue));
  }
  return ok && writeFile(dir.filePath(u"etc/printers.conf"_s), printers);
}

bool PrivateCups::start() {
  const QString root = folder_.path();
  const QString socket = root + u"/cups.sock"_s;
  cupsd_.setProgram(kUnshare);
  cupsd_.setArguments({u"--mount"_s, u"--propagation"_s, u"private"_s, u"sh"_s, u"-c"_s,
                       u"mount --bind \"$1/etc\" /etc/cups && exec "_s + kCupsd +
                           u" -f -c \"$1/etc/cupsd.conf\" -s \"$1/etc/cups-files.conf\""_s,
                       u"sh"_s, root});
  cupsd_.setStandardOutputFile(root + u"/log/stdout"_s);
  cupsd_.setStandardErrorFile(root + u"/log/stderr"_s);
  cupsd_.start();
  if (!cupsd_.waitForStarted(5000)) {
    whyNot_ = u"cupsd does not start: "_s + cupsd_.errorString();
    return false;
  }
  qputenv("CUPS_SERVER", QFile::encodeName(socket));
  cupsSetServer(QFile::encodeName(socket).constData());
  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    if (cupsd_.state() == QProcess::NotRunning) break;
    if (QFileInfo::exists(socket)) {
      cups_dest_t* dests = nullptr;
      const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
      cupsFreeDests(count, dests);
      if (count > 0) return true;
    }
    QThread::msleep(100);
  }
  whyNot_ = u"the private cupsd did not come up: "_s + log().right(2000);
  return false;
}

int PrivateCups::activeJobs() const {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, jobs);
  return qMax(0, count);
}

QStringList PrivateCups::newOutput(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (activeJobs() > 0 && !deadline.hasExpired()) QThread::msleep(100);
  QDir out(outputFolder());
  QStringList fresh;
  for (const QFileInfo& file :
       out.entryInfoList({u"*.pdf"_s}, QDir::Files, QDir::Time | QDir::Reversed)) {
    if (seen_.contains(file.filePath())) continue;
    seen_ << file.filePath();
    fresh << file.filePath();
  }
  return fresh;
}

QString PrivateCups::log() const {
  QFile file(folder_.filePath(u"log/error_log"_s));
  QFile stderrFile(folder_.filePath(u"log/stderr"_s));
  QString text;
  if (stderrFile.open(QIODevice::ReadOnly)) text += QString::fromUtf8(stderrFile.readAll());
  if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
  return text;
}

}  // namespace velinda
