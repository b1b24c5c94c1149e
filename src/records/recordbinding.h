#pragma once

#include <QWidget>

namespace velinda {

class TScheda;

// Controls bind to record fields by name: the field "Destinatario" is shown
// in the text box "txtDestinatario", the flag "Inviata" in the check box
// "chkInviata", the attachment "File01" in the hidden label "lblFile01".
// Every screen that fills a record from its controls, or its controls from a
// record, goes through these two routines. Fields without a control on the
// screen are skipped.
namespace RecordBinding {

// The screen's own control of that name: a modal screen opened over it may
// hold a box of the same name (a search filter), which is not the screen's.
template <typename T>
T* control(const QWidget* screen, const QString& name) {
  for (T* candidate : screen->findChildren<T*>(name)) {
    if (candidate->window() == screen->window()) return candidate;
  }
  return nullptr;
}

// Text boxes and labels get the field's trimmed text; a check box is checked
// by "Sì", unchecked by "No" and left as it was by anything else.
void load(QWidget* screen, const TScheda& record);

// Every text box and label through TCampoFisso::FromText, every check box
// through TCampoFisso::FromFlag, in record order. The screen is not changed.
void store(const QWidget* screen, TScheda& record);

// The texts of the record the screen last loaded (load() remembers it) or
// last saved, as TScheda::texts() gives them; empty when it holds neither.
// Save compares the archive with them to notice another station's change.
QStringList loadedTexts(const QWidget* screen);
void rememberLoaded(QWidget* screen, const TScheda& record);
void forgetLoaded(QWidget* screen);

}  // namespace RecordBinding

}  // namespace velinda
