#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "report/page.h"

namespace velinda {

// An envelope as it goes through the printer: lying landscape, the
// recipient's address in the window on the right, the sender's at the top
// left. Positions are from the envelope's top-left corner, landscape.
struct EnvelopeSize {
  const char* name;     // "DL": the stored choice and its margin section
  const char* caption;  // UTF-8, for the screen
  PaperSize paper;      // as designed upright, 110 x 220 for DL
};

// Where the envelope's window is: on the right, as most Italian envelopes
// have it, or on the left (ISO 269 / DIN 680).
enum class WindowSide { Right, Left };

namespace EnvelopeLayout {

// Impostazioni.ini: the size last chosen, and per size its offsets under
// "Superiore" and "Sinistro" (as for the forms).
inline constexpr char kFormatSection[] = "Stampa Busta";
inline constexpr char kFormatKey[] = "Formato";
QString marginSection(const EnvelopeSize& size);  // "Margini Busta DL"

std::span<const EnvelopeSize> sizes();  // DL, C5, C4
// The size of that name, letter for letter; DL for any other text.
const EnvelopeSize& size(const QString& name);

// Impostazioni.ini: per size, the window's side under "Finestra".
inline constexpr char kWindowKey[] = "Finestra";
QString settingsSection(const EnvelopeSize& size);  // "Stampa Busta DL"
QString wordFor(WindowSide side);                   // "Destra", "Sinistra"
// "Sinistra" letter for letter is the left; anything else the right.
WindowSide sideFromWord(const QString& word);

// The window, 90 x 45 mm, 15 mm from the bottom edge and 20 mm from the
// right edge (or the left one), on every size.
BoxGeometry window(const EnvelopeSize& size, WindowSide side = WindowSide::Right);

// The envelope's page, without offsets: the recipient's lines in the window
// ("txtDestinatario"), the sender's at the top left ("txtMittente"); each
// block one text box. A line too long for its block goes on over the next
// lines, broken between words, and a block with more lines than it has room
// for is set a point smaller, down to a few points less: nothing is cut.
Page page(const EnvelopeSize& size, const QStringList& recipient, const QStringList& sender,
          WindowSide side = WindowSide::Right);

// The blocks of the page ("txtDestinatario", "txtMittente") whose lines do
// not fit in them even at the smallest size: printed, they would be cut.
QStringList overflowing(const Page& envelope);

}  // namespace EnvelopeLayout

}  // namespace velinda
