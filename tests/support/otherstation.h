#pragma once

#include <QProcess>
#include <QStringList>

#include "core/filelock.h"

namespace velinda {

// Another desk on the same program folder: a process of its own, as a real
// second station is (see otherstationmain.cpp for what it can do). It is
// stopped when the object goes.
class OtherStation {
 public:
  ~OtherStation();

  // Returns once the other station holds the archive: for good, or for the
  // given time.
  void hold(const QString& archivePath, int milliseconds = -1);
  // Gets ready to save cards, or to read the address book over and over,
  // and returns once the station waits for go().
  void append(const QString& archivePath, int count, const QString& tag);
  void scan(const QString& archivePath);
  // Gets ready to save a section of a settings file count times, or to read
  // a key over and over (see otherstationmain.cpp).
  void saveSettings(const QString& iniPath, const QString& section, int count);
  void readSettings(const QString& iniPath, const QString& section, const QString& key,
                    const QString& value);
  // Returns once the station holds the file open, for good or for the given
  // time.
  void peek(const QString& path, int milliseconds = -1);
  void go();

  // Asks it to finish what it does and waits until it has.
  void stop();
  // Kills it where it stands, as a station that crashes.
  void crash();
  bool waitForEnd(int milliseconds = 120000);
  bool endedWell() const;
  QString errors();
  QStringList outputLines();

 private:
  void start(const QStringList& arguments);
  // The next line the station prints; fails the run if none comes.
  QByteArray nextLine();

  QProcess process_;
};

// Sets how archive actions wait for the length of a test.
class LockTimingForTest {
 public:
  explicit LockTimingForTest(const FileLock::Timing& timing);
  ~LockTimingForTest();

 private:
  FileLock::Timing saved_;
};

}  // namespace velinda
