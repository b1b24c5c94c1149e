#include "printjobs/formbatch.h"

#include <algorithm>

#include "archive/tarchivio.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "records/cardtexts.h"
#include "records/listlines.h"

namespace velinda {

namespace {

const FormBatch kBatches[] = {
    {unsentList, "Ricevute di accettazione", FormSetups::acceptance, nullptr},
    {undeliveredList, "Avvisi di ricevimento", FormSetups::recipientSide, FormSetups::senderSide},
};

// One form as its print screen keeps it.
struct StoredForm {
  const FormPrintSetup& setup;
  FormControls controls;
  Orientation orientation;
  Length top;
  Length left;

  explicit StoredForm(const FormPrintSetup& form)
      : setup(form), controls(form.controls()), orientation(Orientation::Upright) {
    const PrintSettings::Stored stored =
        PrintSettings::stored(form.marginSection, form.orientationSection);
    orientation = stored.orientation;
    top = OffsetText::toLength(stored.top);
    left = OffsetText::toLength(stored.left);
  }

  Page page(const TScheda& record) const {
    return FormLayout::printedPage(setup.layout, orientation, top, left,
                                   CardTexts::take(record, controls));
  }
};

// Every field the sides read resolved on a blank record of the list's
// archive, so that a form reading a field its records lack fails before the
// first page is made, not half-way through a batch.
std::vector<StoredForm> checked(const FormBatch& batch, std::vector<StoredForm> sides) {
  const TScheda blank(batch.list().archive().layout);
  for (const StoredForm& side : sides) CardTexts::take(blank, side.controls);
  return sides;
}

std::vector<StoredForm> sidesOf(const FormBatch& batch, SideOrder order) {
  if (!batch.senderSide) return {StoredForm(batch.form())};
  switch (order) {
    case SideOrder::RecipientSideOnly:
      return {StoredForm(batch.form())};
    case SideOrder::SenderSideOnly:
      return {StoredForm(batch.senderSide())};
    case SideOrder::EachInTurn:
    case SideOrder::RecipientSidesFirst:
      break;
  }
  return {StoredForm(batch.form()), StoredForm(batch.senderSide())};
}

std::vector<StoredForm> sidesFor(const FormBatch& batch, SideOrder order) {
  return checked(batch, sidesOf(batch, order));
}

}  // namespace

namespace FormBatches {

const FormBatch* forList(const StatusListKind& list) {
  for (const FormBatch& batch : kBatches)
    if (&batch.list() == &list) return &batch;
  return nullptr;
}

std::vector<int> positions(const FormBatch& batch, const QStringList& lines,
                           const QList<int>& rows) {
  const StatusListKind& list = batch.list();
  std::vector<int> listed;
  listed.reserve(size_t(lines.size()));
  TArchivio archive(list.archive());
  archive.Open();
  TScheda record(list.archive().layout);
  while (!archive.AtEnd()) {
    archive.ReadNext(record);
    if (!list.condition.holdsFor(record)) continue;
    const qsizetype row = qsizetype(listed.size());
    if (row >= lines.size() || ListLines::lineOf(record, list.line) != lines[row])
      throw ListOutOfDate();
    listed.push_back(archive.Position());
  }
  archive.Close();
  if (qsizetype(listed.size()) != lines.size()) throw ListOutOfDate();
  if (rows.isEmpty()) return listed;

  QList<int> chosen = rows;
  std::sort(chosen.begin(), chosen.end());
  std::vector<int> wanted;
  for (int row : chosen) wanted.push_back(listed.at(size_t(row)));
  return wanted;
}

std::vector<TScheda> records(const FormBatch& batch, const QStringList& lines,
                             const QList<int>& rows) {
  const StatusListKind& list = batch.list();
  std::vector<TScheda> listed;
  TArchivio archive(list.archive());
  archive.Open();
  TScheda record(list.archive().layout);
  while (!archive.AtEnd()) {
    archive.ReadNext(record);
    if (!list.condition.holdsFor(record)) continue;
    const qsizetype row = qsizetype(listed.size());
    if (row >= lines.size() || ListLines::lineOf(record, list.line) != lines[row])
      throw ListOutOfDate();
    listed.push_back(record);
  }
  archive.Close();
  if (qsizetype(listed.size()) != lines.size()) throw ListOutOfDate();
  if (rows.isEmpty()) return listed;

  QList<int> chosen = rows;
  std::sort(chosen.begin(), chosen.end());
  std::vector<TScheda> wanted;
  for (int row : chosen) wanted.push_back(listed.at(row));
  return wanted;
}

std::vector<Page> pages(const FormBatch& batch, const std::vector<TScheda>& records,
                        SideOrder order) {
  const std::vector<StoredForm> sides = sidesFor(batch, order);
  std::vector<Page> printed;
  if (order == SideOrder::RecipientSidesFirst) {
    for (const StoredForm& side : sides)
      for (const TScheda& record : records) printed.push_back(side.page(record));
  } else {
    for (const TScheda& record : records)
      for (const StoredForm& side : sides) printed.push_back(side.page(record));
  }
  return printed;
}

}  // namespace FormBatches

namespace {
// Records read in one short action.
constexpr int kRecordsPerRead = 256;
}  // namespace

struct FormPages::Side : StoredForm {
  explicit Side(const StoredForm& form) : StoredForm(form) {}
};

FormPages::FormPages(const FormBatch& batch, std::vector<int> positions, SideOrder order)
    : batch_(batch), positions_(std::move(positions)), order_(order) {
  for (const StoredForm& side : sidesFor(batch, order)) sides_.push_back(Side(side));
}

FormPages::~FormPages() = default;

int FormPages::count() const { return int(positions_.size() * sides_.size()); }

Page FormPages::page(int index) {
  const int records = int(positions_.size());
  const int sides = int(sides_.size());
  const bool sideBySide = order_ == SideOrder::RecipientSidesFirst && sides == 2;
  const int side = sideBySide ? index / records : index % sides;
  const int record = sideBySide ? index % records : index / sides;
  return sides_[size_t(side)].page(this->record(record));
}

const TScheda& FormPages::record(int index) {
  const int start = index - index % kRecordsPerRead;
  if (start != chunkStart_) {
    chunk_.clear();
    chunkStart_ = -1;
    const StatusListKind& list = batch_.list();
    TArchivio archive(list.archive());
    archive.Open();
    const int end = std::min(int(positions_.size()), start + kRecordsPerRead);
    for (int i = start; i < end; ++i) {
      TScheda record(list.archive().layout);
      archive.ReadAt(positions_[size_t(i)], record);
      chunk_.push_back(std::move(record));
    }
    archive.Close();
    chunkStart_ = start;
  }
  return chunk_[size_t(index - start)];
}

}  // namespace velinda
