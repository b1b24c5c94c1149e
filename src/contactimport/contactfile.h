#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

#include "contactimport/contacttable.h"
#include "contactimport/textdecoding.h"

namespace velinda {

class ContactReader;

// A file of contacts as the user chooses it: its encoding and format found
// out, then read by the CSV or the vCard reader. Every way a file can be
// unfit throws ContactFileError with the message to show.
namespace ContactFile {

// Far above any address book; a larger file is not a list of contacts.
inline constexpr qint64 kLargestFile = 256 * 1024 * 1024;

ContactTable read(const QString& path);
ContactTable fromBytes(const QByteArray& bytes);

}  // namespace ContactFile

// Reads a file of contacts a piece at a time, so that the screen can show
// how far it got and stop when the user asks. The bytes are counted as
// they are read, whatever size the file claims (a device or a pipe claims
// none), and no more than `largest` of them are read.
class ContactFileLoader {
 public:
  // Opens the file; one that cannot be opened throws ContactFileError.
  explicit ContactFileLoader(const QString& path, qint64 largest = ContactFile::kLargestFile);
  // The bytes of a file already in memory.
  explicit ContactFileLoader(const QByteArray& bytes);
  ~ContactFileLoader();

  // Reads and reads the next piece; false once the whole file is read.
  bool step();
  // Bytes read so far, and the size the file claims (0 when unknown).
  qint64 bytesRead() const { return read_; }
  qint64 size() const { return size_; }

  // The contacts, once step() returned false.
  ContactTable finish();

 private:
  QByteArray nextBytes();
  void addLines(QByteArrayView bytes, bool last);
  void addText(QStringView text, int legacyLine);

  QFile file_;
  QByteArray memory_;
  bool fromMemory_ = false;
  qint64 largest_;
  qint64 size_ = 0;
  qint64 read_ = 0;
  bool started_ = false;
  bool roomMade_ = false;
  bool ended_ = false;
  QByteArray tail_;  // bytes after the last line end read so far
  TextDecoder decoder_;
  std::unique_ptr<ContactReader> reader_;
  QString beforeFormat_;  // blank lines met before the first that says the format
  bool content_ = false;
  qsizetype firstContent_ = 0;  // where the first line that is not blank starts
  int line_ = 0;
  QList<int> legacyLines_;
  int legacyLineCount_ = 0;
};

}  // namespace velinda
