#pragma once

#include <QString>
#include <span>

namespace velinda {

// The keyboard shortcuts of the list, search, import and export screens and
// of the main menu, kept once: the screens bind them to their controls and
// show them in the tooltips, and the guide lists them. (The workspaces keep
// theirs in a table of their own, beside the workspaces.)
namespace ScreenKeys {

struct Shortcut {
  const char* keys;     // as QKeySequence's portable text reads it: "Ctrl+P"
  const char* action;   // what they do, as the guide says it
  const char* control;  // the control they press, or put the focus in
};

// The lists', searches', import's and exports' keys.
std::span<const Shortcut> all();
// The main menu's.
std::span<const Shortcut> menu();

// The keys of the control, in portable text; empty for a control without.
QString keysFor(const QString& control);

}  // namespace ScreenKeys

}  // namespace velinda
