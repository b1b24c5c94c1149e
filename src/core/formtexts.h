#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace velinda {

// The controls a printed page reads, by name, each named once: text boxes
// ("txtDestinatario") and check boxes ("chkAvviso").
struct FormControls {
  QStringList texts;
  QStringList ticks;

  void addText(const QString& name);
  void addTick(const QString& name);
  FormControls& operator+=(const FormControls& other);
};

// What a card says for the pages printed from it, taken once before anything
// is printed, from the screen that shows the card or from the card as
// stored: the trimmed text of each text box and whether each check box is
// ticked, by control name. Pages are filled from it alone, so a page shows
// the card as it was when it was taken, and a control the opener does not
// have fails when it is taken rather than half-way through a print.
class FormTexts {
 public:
  void setText(const QString& name, const QString& text);
  void setTicked(const QString& name, bool ticked);

  // A name that was not taken raises UnknownName, as a control the screen
  // lacks does.
  QString text(const QString& name) const;
  bool ticked(const QString& name) const;
  // Raises UnknownName for the first of the controls that was not taken.
  void require(const FormControls& controls) const;

  friend bool operator==(const FormTexts&, const FormTexts&) = default;

 private:
  QMap<QString, QString> texts_;
  QMap<QString, bool> ticks_;
};

}  // namespace velinda
