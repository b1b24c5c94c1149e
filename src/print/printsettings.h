#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "report/page.h"

class QWidget;

namespace velinda {

// Impostazioni.ini in the program folder: per form, the print offsets and,
// for the return receipt, the orientation. Every call opens the file, reads
// or writes, and lets it go.
namespace PrintSettings {

inline constexpr char kFileName[] = "Impostazioni.ini";
inline constexpr char kTopKey[] = "Superiore";
inline constexpr char kLeftKey[] = "Sinistro";
inline constexpr char kOrientationKey[] = "Orientamento";

// Empty when the file, section or key is missing.
QString read(const QString& section, const QString& key);

struct Entry {
  QString section;
  QString key;
  QString value;
};

// Writes the entries in one go. Throws IniWriteError when the file cannot be
// written; it then keeps what it held.
void write(const QList<Entry>& entries);
// The same for a screen: a failure is shown to the user over it, with the
// error's own text, and gives false.
bool writeOrTell(QWidget* screen, const QList<Entry>& entries);

// "Verticale" and "Orizzontale", letter for letter; anything else is no choice.
std::optional<Orientation> orientationFromWord(const QString& word);
QString wordFor(Orientation orientation);

// What a form's print screen shows when it opens: the stored offsets as
// text, "0" for a missing or empty one, and the stored orientation, upright
// when there is none (or no orientation section).
struct Stored {
  QString top;
  QString left;
  Orientation orientation = Orientation::Upright;
};
Stored stored(const QString& marginSection, const QString& orientationSection = {});

}  // namespace PrintSettings

}  // namespace velinda
