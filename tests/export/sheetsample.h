#pragma once

#include <QList>
#include <QStringList>

#include "export/formats/sheetcontent.h"

namespace velinda {

using namespace Qt::StringLiterals;

// Cells a spreadsheet would turn into numbers, dates or formulas, markup
// characters, separators, commas, quotes, runs of blanks, tabs, line breaks,
// characters outside Windows-1252, a text longer than a formula literal.
inline SheetContent trickySheet() {
  return SheetContent::ofRows(
      u"Archivio Anagrafico"_s,
      {u"Nome, cognome o Ragione sociale"_s, u"CAP"_s, u"Tel."_s, u"Importo"_s, u"Note"_s,
       u"Località"_s},
      {350, 180, 250, 160, 400, 250},
      {{u"Mario Rossi"_s, u"00100"_s, u"+39 06 1234"_s, u"12,50"_s, u"a & b < c > d \"q\" ; , x"_s,
        u"Forlì"_s},
       {QString(), QString(), QString(), QString(), QString(), QString()},
       {u"Łódź €"_s, u"0"_s, u"=SOMMA(A1:A2)"_s, u"-5"_s, u"Via  Roma   5\ttab"_s,
        QString(300, u'è')},
       {u"Anna"_s, u"1/2"_s, u"@tag"_s, u"03/02/2024"_s, u"riga\nsotto"_s, u"#1"_s},
       {u"Piazza Duomo, lato nord"_s, u"20121"_s, u"\"02\" 1234"_s, u"Sì"_s, u"ultima, riga"_s,
        u"Milano"_s}});
}

// The header row, then the data rows.
inline QList<QStringList> asRows(const SheetContent& sheet) {
  QList<QStringList> rows{sheet.headers};
  for (int r = 0; r < sheet.rowCount; ++r) rows.append(sheet.row(r));
  return rows;
}

}  // namespace velinda
