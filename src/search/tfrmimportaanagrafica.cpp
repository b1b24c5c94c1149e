#include "search/tfrmimportaanagrafica.h"

#include "core/text.h"
#include "search/editorfill.h"

namespace velinda {

TfrmImportaAnagrafica::TfrmImportaAnagrafica(QWidget* editor, QWidget* parent)
    : SearchScreen(addressBookImport(), editor, parent) {}

void TfrmImportaAnagrafica::openRecord(const TScheda& card, int) {
  // The receipt keeps its own number: the import only edits one block.
  EditorFill::importCard(editor(), card, Text::trimmed(tag()));
}

}  // namespace velinda
