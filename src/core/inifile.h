#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "core/usererror.h"

namespace velinda {

// Writing an INI file failed; the file on disk is unchanged. The message
// tells the user why, in Italian.
class IniWriteError : public UserError {
 public:
  using UserError::UserError;
};

// A plain INI text file: "[Section]" headers and "key=value" lines, in
// Windows-1252. Sections and keys are matched without regard to letter case,
// as on the platform these files come from. Every line the program does not
// change is written back byte for byte, its line break included. (QSettings
// is not used: it escapes blanks in section names.)
class IniFile {
 public:
  // A missing or unreadable file reads as an empty one. A file found
  // missing or empty while another station is replacing it (its lock file
  // is there: a network share replaces a file by deleting it and renaming
  // the new one), or missing but listed in its folder (a network client
  // remembers a missing name for a moment), is read again for a moment,
  // not taken for an empty one.
  static IniFile load(const QString& path);
  // Reads the file, lets change() alter it and writes it back, all under
  // the file's lock (see FileLock), so that two stations changing different
  // keys at once both keep theirs. A file that is there but cannot be read
  // is never written over. Throws IniWriteError.
  static void update(const QString& path, const std::function<void(IniFile&)>& change);
  static IniFile fromBytes(const QByteArray& bytes);

  // Empty when the section or key is missing. The value is trimmed.
  QString value(const QString& section, const QString& key) const;

  // Replaces the key's value, adding the key and the section when missing.
  void setValue(const QString& section, const QString& key, const QString& value);

  QByteArray toBytes() const;

  // Writes the whole file and replaces the old one in one step, so a failure
  // (a read-only file or folder, a full disk) leaves the previous file as it
  // was.
  void save(const QString& path) const;

 private:
  struct Line {
    QByteArray raw;     // without its line break
    QByteArray ending;  // "\r\n", "\n", or nothing on a last line
    QString section;    // set on a section header line
    QString key;        // set on a key=value line
    QString value;
  };
  int findSection(const QString& section) const;
  int findKey(int sectionLine, const QString& key) const;
  // A new line ends as the file's first line does.
  void insertLine(qsizetype at, Line line);

  QList<Line> lines_;
  QByteArray newline_ = "\r\n";
};

}  // namespace velinda
