#include "support/otherstation.h"

#include <QTest>

using namespace Qt::StringLiterals;

OtherStation::~OtherStation() {
  if (process_.state() != QProcess::NotRunning) stop();
}

void OtherStation::start(const QStringList& arguments) {
  process_.start(QStringLiteral(VELINDA_OTHER_STATION), arguments);
  if (!process_.waitForStarted()) qFatal("the other station does not start");
}

QByteArray OtherStation::nextLine() {
  while (!process_.canReadLine()) {
    if (!process_.waitForReadyRead(30000))
      qFatal("the other station is silent: %s", process_.readAllStandardError().constData());
  }
  return process_.readLine().trimmed();
}

void OtherStation::hold(const QString& archivePath, int milliseconds) {
  start({u"hold"_s, archivePath, QString::number(milliseconds)});
  if (nextLine() != "held") qFatal("the other station does not hold the archive");
}

void OtherStation::append(const QString& archivePath, int count, const QString& tag) {
  start({u"append"_s, archivePath, QString::number(count), tag});
  if (nextLine() != "ready") qFatal("the other station is not ready");
}

void OtherStation::scan(const QString& archivePath) {
  start({u"scan"_s, archivePath});
  if (nextLine() != "ready") qFatal("the other station is not ready");
}

void OtherStation::go() {
  process_.write("go\n");
  process_.waitForBytesWritten();
}

void OtherStation::stop() {
  process_.closeWriteChannel();
  waitForEnd();
}

void OtherStation::crash() {
  process_.kill();
  process_.waitForFinished();
}

bool OtherStation::waitForEnd(int milliseconds) {
  return process_.state() == QProcess::NotRunning || process_.waitForFinished(milliseconds);
}

bool OtherStation::endedWell() const {
  return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString OtherStation::errors() { return QString::fromUtf8(process_.readAllStandardError()); }

QStringList OtherStation::outputLines() {
  return QString::fromUtf8(process_.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

LockTimingForTest::LockTimingForTest(const ArchiveLock::Timing& timing)
    : saved_(ArchiveLock::timing()) {
  ArchiveLock::setTiming(timing);
}

LockTimingForTest::~LockTimingForTest() { ArchiveLock::setTiming(saved_); }
