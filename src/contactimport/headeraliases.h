#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where one named column of a file goes on the card.
struct ColumnRule {
  QString name;    // the column's name in the file
  QString target;  // a CardTarget key; empty: not imported
  // Which of a contact's addresses the column belongs to, when the file has
  // several (Outlook's business, home and other addresses; Google's
  // "Address 1", "Address 2"): a card takes its whole address from the
  // first one that holds anything.
  int address = 1;
};

using ColumnMapping = QList<ColumnRule>;

// The mapping proposed for a file's columns, from their names in Italian
// and English as Excel, LibreOffice, Outlook, Google Contacts and phones
// write them. A column with a name nobody uses is not imported. When the
// file has a column for the whole name, the columns of its parts (first
// name, surname) are not imported; otherwise the parts are joined.
ColumnMapping proposeMapping(const QStringList& names);
