#include "support/otherstation.h"

#include <QTest>

namespace velinda {

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

void OtherStation::saveSettings(const QString& iniPath, const QString& section, int count) {
  start({u"settings"_s, iniPath, section, QString::number(count)});
  if (nextLine() != "ready") qFatal("the other station is not ready");
}

void OtherStation::readSettings(const QString& iniPath, const QString& section, const QString& key,
                                const QString& value) {
  start({u"readsettings"_s, iniPath, section, key, value});
  if (nextLine() != "ready") qFatal("the other station is not ready");
}

void OtherStation::peek(const QString& path, int milliseconds) {
  start({u"peek"_s, path, QString::number(milliseconds)});
  if (nextLine() != "peeking") qFatal("the other station does not hold the file open");
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
  // A Windows program ends its lines with CR LF.
  return QString::fromUtf8(process_.readAllStandardOutput())
      .remove(u'\r')
      .split(u'\n', Qt::SkipEmptyParts);
}

LockTimingForTest::LockTimingForTest(const FileLock::Timing& timing) : saved_(FileLock::timing()) {
  FileLock::setTiming(timing);
}

LockTimingForTest::~LockTimingForTest() { FileLock::setTiming(saved_); }

}  // namespace velinda
