#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "report/page.h"

// An envelope as it goes through the printer: lying landscape, the
// recipient's address in the window on the right, the sender's at the top
// left. Positions are from the envelope's top-left corner, landscape.
struct EnvelopeSize {
  const char* name;     // "DL": the stored choice and its margin section
  const char* caption;  // UTF-8, for the screen
  PaperSize paper;      // as designed upright, 110 x 220 for DL
};

namespace EnvelopeLayout {

// Impostazioni.ini: the size last chosen, and per size its offsets under
// "Superiore" and "Sinistro" (as for the forms).
inline constexpr char kFormatSection[] = "Stampa Busta";
inline constexpr char kFormatKey[] = "Formato";
QString marginSection(const EnvelopeSize& size);  // "Margini Busta DL"

std::span<const EnvelopeSize> sizes();  // DL, C5, C4
// The size of that name, letter for letter; DL for any other text.
const EnvelopeSize& size(const QString& name);

// The usual right-hand window of Italian envelopes, 90 x 45 mm, 20 mm from
// the right edge and 15 mm from the bottom edge, on every size.
BoxGeometry window(const EnvelopeSize& size);

// The envelope's page, without offsets: the recipient's lines in the window
// ("txtDestinatario"), the sender's at the top left ("txtMittente"); each
// block one text box, a line of text a line of the box, cut at its edges.
Page page(const EnvelopeSize& size, const QStringList& recipient, const QStringList& sender);

}  // namespace EnvelopeLayout
