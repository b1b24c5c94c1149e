#pragma once

#include <QList>
#include <QStringList>
#include <stdexcept>
#include <vector>

#include "archive/tscheda.h"
#include "print/formsetups.h"
#include "records/listkinds.h"
#include "report/page.h"
#include "report/pagesource.h"

namespace velinda {

// How the two sides of the return receipts follow each other in a batch.
enum class SideOrder {
  EachInTurn,           // recipient side, sender side, next receipt
  RecipientSidesFirst,  // every recipient side, then every sender side
  RecipientSideOnly,
  SenderSideOnly,
};

// The forms that the records of a status list print on: the acceptance
// receipt for the letters not sent, the two sides of the return receipt for
// those not delivered.
struct FormBatch {
  const StatusListKind& (*list)();
  const char* documentName;
  const FormPrintSetup& (*form)();        // the recipient side of a return receipt
  const FormPrintSetup& (*senderSide)();  // none for the acceptance receipt
};

// The archive no longer holds the records the list shows: another station
// changed it after the list was read.
class ListOutOfDate : public std::runtime_error {
 public:
  ListOutOfDate() : std::runtime_error("the list no longer matches its archive") {}
};

namespace FormBatches {

// The batch of the list, or none for a list whose records print no form.
const FormBatch* forList(const StatusListKind& list);

// The records behind the list's lines, read first to last as the list read
// them: the n-th record its condition takes is the list's n-th line. Only
// the rows asked for, in list order; all of them when none are asked for.
// Throws ListOutOfDate when the records no longer give the list's lines,
// ArchiveError when the archive cannot be read.
std::vector<TScheda> records(const FormBatch& batch, const QStringList& lines,
                             const QList<int>& rows);

// The archive positions (1-based) of the records behind the list's lines,
// checked as records() checks them, in list order: only the rows asked for,
// all of them when none are asked for. Holds a number per form, not the
// records themselves.
std::vector<int> positions(const FormBatch& batch, const QStringList& lines,
                           const QList<int>& rows);

// Each record's form, or both its sides in the order asked, every page
// turned and shifted as its form's print screen stores it, and filled as
// that screen would fill it from a workspace showing the record. Throws
// OffsetConversionError when a stored offset is not a number.
std::vector<Page> pages(const FormBatch& batch, const std::vector<TScheda>& records,
                        SideOrder order);

}  // namespace FormBatches

// The pages of a batch made one at a time as they print, from the records
// at the given positions, read from the archive a few hundred at a time
// (each read a short action of its own, so that other stations are kept out
// only for a moment): a batch of any length holds one handful of records
// and one page. Each page is turned, shifted and filled as
// FormBatches::pages makes it. Throws ArchiveError when the archive cannot
// be read.
class FormPages : public PageSource {
 public:
  FormPages(const FormBatch& batch, std::vector<int> positions, SideOrder order);
  ~FormPages() override;

  int count() const override;
  Page page(int index) override;

 private:
  struct Side;
  const TScheda& record(int index);

  const FormBatch& batch_;
  std::vector<int> positions_;
  SideOrder order_;
  std::vector<Side> sides_;
  int chunkStart_ = -1;  // index into positions_ of the records held
  std::vector<TScheda> chunk_;
};

}  // namespace velinda
