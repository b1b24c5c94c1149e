#pragma once

#include <QString>
#include <QStringList>

#include "report/pagesource.h"
#include "report/printservice.h"

namespace velinda {

// A print queue of the CUPS spooler (Linux and other Unix systems), reached
// through libcups. The pages go to it as one PDF document made here and
// streamed to the spooler as it is painted, so that what the queue does with
// the job is known: a queue that refuses jobs, a stopped printer, a paper the
// printer has not got, a failed transfer or a job that the spooler stops or
// aborts soon after all throw PrintError, where Qt's own printing would
// report success.
namespace CupsQueue {

// Whether CUPS knows a queue of that name.
bool exists(const QString& queue);

// What the user chose in the print dialog besides the printer.
struct JobChoices {
  int copies = 1;
  bool collate = true;
  bool twoSided = false;
  bool shortEdge = false;  // of a two-sided print: turned on the short edge
  // Further options of the queue, name and value in turn ("InputSlot",
  // "Manual"), as the dialog's printer properties set them.
  QStringList options;
};

// Prints the pages as one job on the queue: on the printer's paper of the
// first page's size (every page of a job shares it), each page in its own
// orientation, unscaled, positions from the paper's corner. Returns once the
// spooler holds the whole job and has not failed it within a moment.
void print(const QString& queue, PageSource& pages, const QString& title, const JobChoices& choices,
           const PageProgress& progress = {});

}  // namespace CupsQueue

}  // namespace velinda
