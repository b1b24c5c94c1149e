#pragma once

class QString;
class QWidget;

namespace velinda {

class TScheda;

// What a list screen does to the editor underneath it. The editor is the
// workspace whose controls are named after the record's fields.
namespace EditorFill {

// The whole record, as the editor's own read step shows it, and its number
// in the position label.
void loadRecord(QWidget* editor, const TScheda& record, int position);

// An address-book card's name and address into the receipt block that the
// tag names; nothing else on the editor changes. Nothing is copied for a
// tag that names no block.
void importCard(QWidget* editor, const TScheda& card, const QString& tag);

}  // namespace EditorFill

}  // namespace velinda
