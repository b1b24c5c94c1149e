#pragma once

#include <QList>
#include <QStringList>

#include "export/formats/sheetcontent.h"

// Cells a spreadsheet would turn into numbers, dates or formulas, markup
// characters, separators, quotes, runs of blanks, tabs, line breaks,
// characters outside Windows-1252, a text longer than a formula literal.
inline SheetContent trickySheet() {
  return {u"Archivio Anagrafico"_qs,
          {u"Nome"_qs, u"CAP"_qs, u"Tel."_qs, u"Importo"_qs, u"Note"_qs, u"Località"_qs},
          {350, 180, 250, 160, 400, 250},
          {{u"Mario Rossi"_qs, u"00100"_qs, u"+39 06 1234"_qs, u"12,50"_qs,
            u"a & b < c > d \"q\" ; , x"_qs, u"Forlì"_qs},
           {QString(), QString(), QString(), QString(), QString(), QString()},
           {u"Łódź €"_qs, u"0"_qs, u"=SOMMA(A1:A2)"_qs, u"-5"_qs, u"Via  Roma   5\ttab"_qs,
            QString(300, u'è')},
           {u"Anna"_qs, u"1/2"_qs, u"@tag"_qs, u"03/02/2024"_qs, u"riga\nsotto"_qs, u"#1"_qs}}};
}

// The header row, then the data rows.
inline QList<QStringList> asRows(const SheetContent& sheet) {
  QList<QStringList> rows{sheet.headers};
  rows.append(sheet.rows);
  return rows;
}
