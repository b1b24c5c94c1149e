#include "report/cupsqueue.h"

#include <cups/cups.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QThread>
#include <memory>

#include "report/pagepainter.h"
#include "report/pdffile.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// How long the spooler is watched after it took the whole job: a queue
// whose printer is missing or whose driver fails stops or aborts the job
// within this time; a job still under way then is left to the spooler.
constexpr int kSettleMs = 2500;
constexpr int kPollMs = 100;

// The document goes to the spooler in pieces of this size.
constexpr qsizetype kChunk = 64 * 1024;

const QString kAdvice = u"Si consiglia di controllare le impostazioni della stampante."_s;

[[noreturn]] void fail(const QString& what) { throw PrintError(what + u"\r\n\r\n"_s + kAdvice); }

QString quoted(const QString& queue) { return u'"' + queue + u'"'; }

// Options this program sets itself: the dialog's choice of them would move
// or scale the forms on the paper.
bool ownOption(const QString& name) {
  static const QStringList own{
      u"media"_s,       u"PageSize"_s,    u"PageRegion"_s,       u"orientation-requested"_s,
      u"landscape"_s,   u"copies"_s,      u"page-ranges"_s,      u"print-scaling"_s,
      u"fit-to-page"_s, u"number-up"_s,   u"number-up-layout"_s, u"scaling"_s,
      u"sides"_s,       u"Duplex"_s,      u"collate"_s,          u"multiple-document-handling"_s,
      u"page-set"_s,    u"outputorder"_s, u"mirror"_s,           u"position"_s};
  return own.contains(name);
}

struct Destination {
  cups_dest_t* dest = nullptr;
  cups_dinfo_t* info = nullptr;

  explicit Destination(const QString& queue) {
    dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    if (dest) info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
  }
  ~Destination() {
    if (info) cupsFreeDestInfo(info);
    if (dest) cupsFreeDests(1, dest);
  }
  Destination(const Destination&) = delete;
  Destination& operator=(const Destination&) = delete;

  QString option(const char* name) const {
    return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
  }
};

struct Options {
  int count = 0;
  cups_option_t* list = nullptr;
  ~Options() { cupsFreeOptions(count, list); }
  void add(const QString& name, const QString& value) {
    count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &list);
  }
};

struct Connection {
  http_t* http = nullptr;
  ~Connection() {
    if (http) httpClose(http);
  }
};

// Writes what it is given to the spooler, in pieces, and remembers whether
// every piece got there.
class SpoolerStream : public QIODevice {
 public:
  explicit SpoolerStream(http_t* http) : http_(http) { open(QIODevice::WriteOnly); }
  bool isSequential() const override { return true; }
  bool failed() const { return failed_; }

  // Sends what is still held back; false when it did not get there.
  bool finish() {
    send();
    return !failed_;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (failed_) return -1;
    pending_.append(data, size);
    if (pending_.size() >= kChunk) send();
    return failed_ ? -1 : size;
  }

 private:
  void send() {
    if (failed_ || pending_.isEmpty()) return;
    failed_ = cupsWriteRequestData(http_, pending_.constData(), size_t(pending_.size())) !=
              HTTP_STATUS_CONTINUE;
    pending_.clear();
  }

  http_t* http_;
  QByteArray pending_;
  bool failed_ = false;
};

// The pages of the source, refusing one whose paper is not the job's.
class OnePaper : public PageSource {
 public:
  OnePaper(PageSource& pages, PaperSize paper) : pages_(pages), paper_(paper) {}
  int count() const override { return pages_.count(); }
  Page page(int index) override {
    Page page = pages_.page(index);
    if (page.paper().width != paper_.width || page.paper().height != paper_.height)
      throw PrintError(
          u"Attenzione: le pagine di questa stampa non hanno tutte lo stesso formato."_s);
    return page;
  }

 private:
  PageSource& pages_;
  PaperSize paper_;
};

int hundredths(Length length) { return qRound(length.toMm() * 100); }

void checkReady(const Destination& destination, const QString& queue) {
  if (destination.option("printer-is-accepting-jobs") == u"false"_s)
    fail(
        u"Attenzione: la stampante %1 non accetta stampe in questo momento. "
        "Non è stato stampato nulla."_s.arg(quoted(queue)));
  if (destination.option("printer-state").toInt() == IPP_PSTATE_STOPPED)
    fail(u"Attenzione: la stampante %1 è ferma. Non è stato stampato nulla."_s.arg(quoted(queue)));
}

ipp_jstate_t jobState(int job) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/jobs/%d", job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  ipp_jstate_t state = IPP_JSTATE_PENDING;
  if (ipp_attribute_t* found = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
    state = ipp_jstate_t(ippGetInteger(found, 0));
  ippDelete(response);
  return state;
}

void cancel(const QString& queue, int job) {
  cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), job, 0);
}

// Watches the job for a moment: a job the spooler stops, aborts or cancels,
// or one left waiting on a printer that stopped, did not print.
void settle(const QString& queue, int job) {
  const QDeadlineTimer deadline(kSettleMs);
  while (true) {
    const ipp_jstate_t state = jobState(job);
    if (state == IPP_JSTATE_COMPLETED) return;
    if (state == IPP_JSTATE_STOPPED || state == IPP_JSTATE_CANCELED ||
        state == IPP_JSTATE_ABORTED) {
      cancel(queue, job);
      fail(u"Attenzione: il sistema di stampa ha interrotto la stampa sulla stampante %1."_s.arg(
          quoted(queue)));
    }
    {
      const Destination now(queue);
      if (now.dest && now.option("printer-state").toInt() == IPP_PSTATE_STOPPED) {
        cancel(queue, job);
        fail(u"Attenzione: la stampante %1 si è fermata e la stampa è stata annullata."_s.arg(
            quoted(queue)));
      }
    }
    if (deadline.hasExpired()) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(kPollMs);
  }
}

}  // namespace

namespace CupsQueue {

bool exists(const QString& queue) {
  if (queue.isEmpty()) return false;
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
  cupsFreeDests(dest ? 1 : 0, dest);
  return dest != nullptr;
}

void print(const QString& queue, PageSource& pages, const QString& title, const JobChoices& choices,
           const PageProgress& progress) {
  if (pages.count() == 0) return;
  const Destination destination(queue);
  if (!destination.dest || !destination.info)
    fail(u"Attenzione: la stampante %1 non è raggiungibile. Non è stato stampato nulla."_s.arg(
        quoted(queue)));
  checkReady(destination, queue);

  const PaperSize paper = pages.page(0).paper();
  cups_size_t media{};
  if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, destination.dest, destination.info,
                              hundredths(paper.width), hundredths(paper.height),
                              CUPS_MEDIA_FLAGS_DEFAULT, &media))
    throw PaperNotSupported(queue, paper);

  Options options;
  options.add(u"media"_s, QString::fromUtf8(media.media));
  // Every position is measured on the paper: the spooler must not fit the
  // pages to the printable area.
  options.add(u"print-scaling"_s, u"none"_s);
  if (choices.copies > 1) {
    options.add(u"copies"_s, QString::number(choices.copies));
    options.add(u"multiple-document-handling"_s, choices.collate
                                                     ? u"separate-documents-collated-copies"_s
                                                     : u"separate-documents-uncollated-copies"_s);
  }
  options.add(u"sides"_s, !choices.twoSided   ? u"one-sided"_s
                          : choices.shortEdge ? u"two-sided-short-edge"_s
                                              : u"two-sided-long-edge"_s);
  for (qsizetype i = 0; i + 1 < choices.options.size(); i += 2)
    if (!ownOption(choices.options[i])) options.add(choices.options[i], choices.options[i + 1]);

  // A connection of its own to the spooler: the document is streamed on it
  // while a failed job is cancelled on the shared one.
  Connection connection;
  connection.http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 30000, nullptr);
  if (!connection.http)
    fail(u"Attenzione: la stampante %1 non è raggiungibile. Non è stato stampato nulla."_s.arg(
        quoted(queue)));

  const QByteArray name = title.toUtf8();
  int job = 0;
  if (cupsCreateDestJob(connection.http, destination.dest, destination.info, &job, name.constData(),
                        options.count, options.list) != IPP_STATUS_OK ||
      job <= 0) {
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
      fail(
          u"Attenzione: la stampante %1 non accetta stampe in questo momento. "
          "Non è stato stampato nulla."_s.arg(quoted(queue)));
    fail(u"Attenzione: la stampante %1 ha rifiutato la stampa. Non è stato stampato nulla."_s.arg(
        quoted(queue)));
  }

  const QString cut =
      u"Attenzione: la stampa non è arrivata intera alla stampante %1 ed è stata annullata."_s.arg(
          quoted(queue));
  if (cupsStartDestDocument(connection.http, destination.dest, destination.info, job,
                            name.constData(), CUPS_FORMAT_PDF, 0, nullptr,
                            1) != HTTP_STATUS_CONTINUE) {
    cancel(queue, job);
    fail(cut);
  }
  try {
    SpoolerStream stream(connection.http);
    OnePaper sameSize(pages, paper);
    PdfFile::writeTo(stream, sameSize, title, progress);
    if (!stream.finish()) fail(cut);
  } catch (...) {
    // The half-sent document is dropped with its connection, then the job.
    httpClose(connection.http);
    connection.http = nullptr;
    cancel(queue, job);
    throw;
  }
  if (cupsFinishDestDocument(connection.http, destination.dest, destination.info) !=
      IPP_STATUS_OK) {
    cancel(queue, job);
    fail(cut);
  }
  settle(queue, job);
}

}  // namespace CupsQueue

}  // namespace velinda
