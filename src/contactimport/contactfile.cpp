#include "contactimport/contactfile.h"

#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "contactimport/vcardreader.h"
#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Enough to show progress often, small beside any file worth a progress bar.
constexpr qint64 kPiece = 256 * 1024;
// Lines read as Windows-1252 that the report names one by one.
constexpr int kLegacyLinesNamed = 20;

// A control byte that no text file holds, whatever its encoding but UTF-16:
// a spreadsheet, a picture, a zip archive, a device of zeros.
bool hasBinaryByte(QByteArrayView bytes) {
  for (const char c : bytes) {
    const auto b = uchar(c);
    if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') return true;
  }
  return false;
}

}  // namespace

namespace ContactFile {

ContactTable read(const QString& path) {
  ContactFileLoader loader(path);
  while (loader.step()) {
  }
  return loader.finish();
}

ContactTable fromBytes(const QByteArray& bytes) {
  ContactFileLoader loader(bytes);
  while (loader.step()) {
  }
  return loader.finish();
}

}  // namespace ContactFile

ContactFileLoader::ContactFileLoader(const QString& path, qint64 largest)
    : file_(path), largest_(largest) {
  if (!file_.open(QIODevice::ReadOnly)) throw ContactFileError(ImportMessages::kUnreadable);
  size_ = file_.isSequential() ? 0 : file_.size();
  if (size_ > largest_) throw ContactFileError(ImportMessages::kTooLarge);
}

ContactFileLoader::ContactFileLoader(const QByteArray& bytes)
    : memory_(bytes), fromMemory_(true), largest_(ContactFile::kLargestFile), size_(bytes.size()) {}

ContactFileLoader::~ContactFileLoader() = default;

QByteArray ContactFileLoader::nextBytes() {
  if (fromMemory_) return memory_.mid(read_, kPiece);
  QByteArray bytes(kPiece, Qt::Uninitialized);
  const qint64 n = file_.read(bytes.data(), kPiece);
  if (n < 0) throw ContactFileError(ImportMessages::kUnreadable);
  bytes.truncate(n);
  return bytes;
}

bool ContactFileLoader::step() {
  if (ended_) return false;
  QByteArray bytes = nextBytes();
  read_ += bytes.size();
  // Counted as read, so that a file that claims no size (a device, a pipe)
  // stops all the same.
  if (read_ > largest_) throw ContactFileError(ImportMessages::kTooLarge);
  ended_ = bytes.isEmpty();
  QByteArrayView piece(bytes);
  if (!started_ && !ended_) {
    started_ = true;
    piece = piece.sliced(decoder_.markLength(piece));
  }
  if (decoder_.isUtf16()) {
    const QString text = decoder_.decode(piece);
    if (looksBinary(text)) throw ContactFileError(ImportMessages::kNotContacts);
    addText(text, 0);
  } else {
    if (hasBinaryByte(piece)) throw ContactFileError(ImportMessages::kNotContacts);
    addLines(piece, ended_);
  }
  if (!roomMade_ && reader_ && size_ > 0 && read_ >= kPiece) {
    roomMade_ = true;
    reader_->expect(double(size_) / double(read_));
  }
  return !ended_;
}

// Each line is decoded on its own, so that the report can name the lines
// read as Windows-1252.
void ContactFileLoader::addLines(QByteArrayView bytes, bool last) {
  QByteArrayView rest = bytes;
  if (!tail_.isEmpty()) {
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0 && !last) {
      tail_ += bytes;
      return;
    }
    tail_ += end < 0 ? bytes : bytes.first(end + 1);
    rest = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
    const QString text = decoder_.decode(std::exchange(tail_, {}));
    ++line_;
    addText(text, decoder_.lastLegacyBytes() > 0 ? line_ : 0);
  }
  while (!rest.isEmpty()) {
    const qsizetype end = rest.indexOf('\n');
    if (end < 0 && !last) {
      tail_ = rest.toByteArray();
      return;
    }
    const QByteArrayView line = end < 0 ? rest : rest.first(end + 1);
    rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    const QString text = decoder_.decode(line);
    ++line_;
    addText(text, decoder_.lastLegacyBytes() > 0 ? line_ : 0);
  }
}

void ContactFileLoader::addText(QStringView text, int legacyLine) {
  if (legacyLine > 0) {
    if (legacyLines_.size() < kLegacyLinesNamed) legacyLines_.append(legacyLine);
    ++legacyLineCount_;
  }
  if (reader_) {
    reader_->add(text);
    return;
  }
  // The first line that is not blank tells a vCard from a CSV file.
  const qsizetype at = beforeFormat_.size();
  beforeFormat_ += text;
  if (!content_) {
    qsizetype first = 0;
    while (first < text.size() && text[first].unicode() <= 32) ++first;
    if (first == text.size()) return;
    content_ = true;
    firstContent_ = at + first;
  }
  if (!ended_ && beforeFormat_.indexOf(u'\n', firstContent_) < 0) return;
  if (VCardReader::recognises(beforeFormat_))
    reader_ = std::make_unique<VCardReader>();
  else
    reader_ = std::make_unique<CsvReader>();
  reader_->add(std::exchange(beforeFormat_, {}));
}

ContactTable ContactFileLoader::finish() {
  if (!reader_) {
    if (!content_) throw ContactFileError(ImportMessages::kEmpty);
    ended_ = true;
    addText(std::exchange(beforeFormat_, {}), 0);
  }
  ContactTable table = reader_->finish();
  table.format += u", codifica "_s + decoder_.encodingName();
  // A file all in Windows-1252 says so in its format; only a mixed one
  // names its lines.
  if (decoder_.isMixed()) {
    table.legacyLines = legacyLines_;
    table.legacyLineCount = legacyLineCount_;
  }
  return table;
}

}  // namespace velinda
