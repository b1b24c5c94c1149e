#include "export/formats/sheetcontent.h"

#include <memory>

SheetContent SheetContent::ofRows(const QString& name, const QStringList& headers,
                                  const QList<int>& widths, const QList<QStringList>& rows) {
  auto kept = std::make_shared<const QList<QStringList>>(rows);
  return {name, headers, widths, int(rows.size()), [kept](int row) { return kept->at(row); }, {}};
}
