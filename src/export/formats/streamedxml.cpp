#include "export/formats/streamedxml.h"

#include <cstring>

namespace velinda {

namespace {

// Rows are made in pieces of about this size.
constexpr qsizetype kPiece = 256 * 1024;

}  // namespace

void StreamedXml::restart() {
  held_.clear();
  at_ = 0;
  nextRow_ = -1;
}

qint64 StreamedXml::read(char* data, qint64 size) {
  while (held_.size() - at_ < size && produceMore()) {
  }
  const qint64 taken = qMin(size, qint64(held_.size() - at_));
  std::memcpy(data, held_.constData() + at_, size_t(taken));
  at_ += taken;
  return taken;
}

QByteArray StreamedXml::readAll() {
  QByteArray all;
  char block[64 * 1024];
  while (const qint64 got = read(block, sizeof block)) all.append(block, got);
  return all;
}

bool StreamedXml::produceMore() {
  if (nextRow_ > sheet_.rowCount) return false;
  held_.remove(0, at_);
  at_ = 0;
  const qsizetype until = held_.size() + kPiece;
  if (nextRow_ < 0) {
    putStart(held_);
    putRow(sheet_.headers, 0, held_);
    nextRow_ = 0;
  }
  while (nextRow_ < sheet_.rowCount && held_.size() < until) {
    putRow(sheet_.row(nextRow_), nextRow_ + 1, held_);
    ++nextRow_;
    if (sheet_.progress) sheet_.progress(nextRow_);
  }
  if (nextRow_ == sheet_.rowCount) {
    putEnd(held_);
    ++nextRow_;
  }
  return true;
}

}  // namespace velinda
