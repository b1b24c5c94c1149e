#pragma once

#include <QColor>
#include <QString>

namespace velinda {

// Every colour the screens show, named once. Colours that only reach paper
// (report bands, card print bands of their own) stay with their layouts.
namespace Palette {

inline constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
inline constexpr QColor kBlack{0x00, 0x00, 0x00};
inline constexpr QColor kGrey{0x80, 0x80, 0x80};

// Blues of the backgrounds, frames and panels.
inline constexpr QColor kSteelBlue{0x46, 0x82, 0xB4};
inline constexpr QColor kLightSteelBlue{0xB0, 0xC4, 0xDE};
inline constexpr QColor kPaleBlue{0xC8, 0xD6, 0xE3};
inline constexpr QColor kSheetOutline{0x9C, 0xB8, 0xD2};
inline constexpr QColor kWorkspaceTop{0x42, 0x7A, 0xA8};
inline constexpr QColor kMenuTop{0x5D, 0x85, 0xA6};
inline constexpr QColor kSearchFieldsTop{0x90, 0xB3, 0xD0};
inline constexpr QColor kCheckScreenBottom{0xD6, 0xE4, 0xF0};
inline constexpr QColor kAttachWindowBottom{0xA1, 0xC0, 0xD9};
inline constexpr QColor kAttachSheetOutline{0x72, 0xA1, 0xC8};
inline constexpr QColor kAttachSlotTop{0xA8, 0xCA, 0xE5};
inline constexpr QColor kAttachSlotOutline{0x6E, 0x9E, 0xC6};
inline constexpr QColor kHelpBar{0x30, 0x30, 0xDD};
inline constexpr QColor kSlateBlue{0x6A, 0x5A, 0xCD};
inline constexpr QColor kPreviewOutline{0x8F, 0xAF, 0xD4};

// Inks of titles and instructions.
inline constexpr QColor kInk{0x1F, 0x3A, 0x5F};
inline constexpr QColor kPrintInstructionsInk{0x1F, 0x2D, 0x3D};
inline constexpr QColor kCrimson{0xDC, 0x14, 0x3C};
inline constexpr QColor kDarkCyan{0x00, 0x8B, 0x8B};
inline constexpr QColor kDarkBlue{0x00, 0x00, 0x8B};
inline constexpr QColor kOrange{0xFF, 0xA5, 0x00};

// The warm colours of the return receipt and the "sent" / "delivered" panels.
inline constexpr QColor kBrown{0xA5, 0x2A, 0x2A};
inline constexpr QColor kSandyBrown{0xF4, 0xA4, 0x60};
inline constexpr QColor kLightGrey{0xF0, 0xEF, 0xEE};

// The export screen's greys.
inline constexpr QColor kExportGrey{0xEE, 0xED, 0xED};
inline constexpr QColor kExportPanelOutline{0xC8, 0xC7, 0xC7};

// Text boxes: resting backgrounds, the focused one and the outline.
inline constexpr QColor kAliceBlue{0xF0, 0xF8, 0xFF};
inline constexpr QColor kBeige{0xF5, 0xF5, 0xDC};
inline constexpr QColor kYellow{0xFF, 0xFF, 0x00};
inline constexpr QColor kSkyBlue{0x87, 0xCE, 0xEB};

// The colour as a style sheet writes it: "#rrggbb".
inline QString css(QColor colour) { return colour.name(); }

// A style sheet that sets only the text colour.
inline QString textColourStyle(QColor colour) {
  return QStringLiteral("color: %1;").arg(css(colour));
}

}  // namespace Palette

}  // namespace velinda
