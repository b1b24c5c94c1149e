#include "printjobs/formbatch.h"

#include <algorithm>

#include "archive/tarchivio.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "printjobs/recordsource.h"
#include "records/listlines.h"

namespace {

const FormBatch kBatches[] = {
    {unsentList, "Ricevute di accettazione", FormSetups::acceptance, nullptr},
    {undeliveredList, "Avvisi di ricevimento", FormSetups::recipientSide, FormSetups::senderSide},
};

// One form as its print screen keeps it.
struct StoredForm {
  const FormPrintSetup& setup;
  Orientation orientation;
  Length top;
  Length left;

  explicit StoredForm(const FormPrintSetup& form)
      : setup(form), orientation(Orientation::Upright) {
    const PrintSettings::Stored stored =
        PrintSettings::stored(form.marginSection, form.orientationSection);
    orientation = stored.orientation;
    top = OffsetText::toLength(stored.top);
    left = OffsetText::toLength(stored.left);
  }

  Page page(const TScheda& record) const {
    return FormLayout::printedPage(setup.layout, orientation, top, left, RecordSource(record));
  }
};

std::vector<StoredForm> sidesFor(const FormBatch& batch, SideOrder order) {
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

}  // namespace

namespace FormBatches {

const FormBatch* forList(const StatusListKind& list) {
  for (const FormBatch& batch : kBatches)
    if (&batch.list() == &list) return &batch;
  return nullptr;
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
