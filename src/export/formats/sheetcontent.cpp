#include "export/formats/sheetcontent.h"

#include <memory>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kCannotWrite =
    u"Attenzione: il sistema non permette di salvare i dati nel file scelto."_s + u"\n\r\n\r"_s +
    u"Accertarsi che il file non sia già aperto e che la cartella consenta la scrittura."_s;

QString detailText(std::string_view detail) {
  return QString::fromUtf8(detail.data(), qsizetype(detail.size()));
}

}  // namespace

SheetFileError::SheetFileError(std::string_view detail)
    : UserError(detailText(detail), kCannotWrite) {}

SheetContent SheetContent::ofRows(const QString& name, const QStringList& headers,
                                  const QList<int>& widths, const QList<QStringList>& rows) {
  auto kept = std::make_shared<const QList<QStringList>>(rows);
  return {name, headers, widths, int(rows.size()), [kept](int row) { return kept->at(row); }, {}};
}

}  // namespace velinda
