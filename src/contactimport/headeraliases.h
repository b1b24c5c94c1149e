#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velinda {

// Which of a contact's addresses a column belongs to, when the file has
// several: a card takes its whole address from one of them, the one with
// the smallest number that holds a street, a town or a CAP.
namespace AddressGroups {

inline constexpr int kUnknown = 0;  // a column whose name tells no address
// A file's only address, a vCard's preferred one, Google's first.
inline constexpr int kFirst = 1;
// 2 to 9: the further addresses of a vCard and of Google Contacts, in order.
inline constexpr int kMostNumbered = 9;
// The named addresses of Outlook and Thunderbird: home before work, as a
// letter to a person goes.
inline constexpr int kHome = 20;
inline constexpr int kWork = 21;
inline constexpr int kOther = 22;

// How the user sees the address of a group: "casa", "lavoro", "altro",
// "2", ...
QString name(int group);

}  // namespace AddressGroups

// Where one named column of a file goes on the card.
struct ColumnRule {
  QString name;    // the column's name in the file
  QString target;  // a CardTarget key; empty: not imported
  int address = AddressGroups::kUnknown;
};

using ColumnMapping = QList<ColumnRule>;

// The mapping proposed for a file's columns, from their names in Italian
// and English as Excel, LibreOffice, Outlook, Thunderbird, Google Contacts
// and phones write them. A column with a name nobody uses is not imported.
// When the file has a column for the whole name, the columns of its parts
// (first name, surname) are not imported; otherwise the parts are joined.
ColumnMapping proposeMapping(const QStringList& names);

// The user sends a column to another target. A column that goes to a part
// of the address joins the address its name tells ("Via (ab.)", "Home
// City": home), else the first of the file's other addresses that lacks
// that part, so that the columns of one address stay together whatever is
// changed and no two streets are ever joined.
void retarget(ColumnMapping& mapping, qsizetype index, const QString& target);

}  // namespace velinda
