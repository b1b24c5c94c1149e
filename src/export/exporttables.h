#pragma once

#include <QList>
#include <QString>

#include "archive/layouts.h"
#include "export/exportcolumn.h"

namespace velinda {

// Everything that sets one archive's export apart: its screen, its file and
// its columns. The row-number column "N." comes first in every grid and is
// never exported, so it is not part of `columns`.
struct ExportTable {
  QString caption;
  const ArchiveDefinition& archive;
  QString outputFile;  // beside the program
  QString worksheetName;
  QString guideTitle;
  QString guideText;
  QList<ExportColumn> columns;
};

const ExportTable& acceptanceExport();     // TfrmExpAccettazione
const ExportTable& returnReceiptExport();  // TfrmExpRicevimento
const ExportTable& addressBookExport();    // TfrmExpAnagrafica

}  // namespace velinda
