#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

#include "contactimport/contacttable.h"

namespace velinda {

// Google Contacts writes a phone or an e-mail address as two columns, its
// label and its value ("Phone 1 - Label" = "Mobile", "Phone 1 - Value" =
// "333 1234567"), with several values in one cell joined by " ::: ". Each
// such value is renamed after its kind and label ("Phone (Mobile)"), so that
// the columns can be mapped to card fields by name; the label columns go.
// Rows of any other file pass unchanged.
class LabelledColumns {
 public:
  // The file's column names.
  explicit LabelledColumns(const QStringList& names);

  bool isEmpty() const { return labelled_.isEmpty(); }

  // Whether a column keeps its name: it is neither a label nor a labelled
  // value.
  bool keepsName(const QString& column) const {
    return !labelColumns_.contains(column) && !labelled_.contains(column);
  }

  // Adds the row, renamed, as the next contact of `rows`.
  void addRow(const ContactRow& row, const RowOrigin& origin, ContactRows& rows) const;

 private:
  // For each value column that has a label column: the label column's name
  // and the kind of value ("Phone").
  struct Labelled {
    QString labelColumn;
    QString kind;
  };
  QHash<QString, Labelled> labelled_;  // by the value column's name
  QSet<QString> labelColumns_;
};

}  // namespace velinda
