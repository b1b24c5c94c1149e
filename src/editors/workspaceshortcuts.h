#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>

namespace velinda {

// The keyboard shortcuts of the three workspaces, kept once: the workspaces
// bind them to their buttons and show them in the tooltips, and the user
// guide lists them.
namespace WorkspaceShortcuts {

struct Shortcut {
  const char* keys;    // as QKeySequence's portable text reads it: "Ctrl+P"
  const char* action;  // what they do, as the guide says it
  // The buttons they press, in whichever workspace has one of them.
  std::array<const char*, 2> buttons;
};

std::span<const Shortcut> all();

// The keys that press the button, in portable text; empty for a button
// without a shortcut.
QStringList keysFor(const QString& button);

}  // namespace WorkspaceShortcuts

}  // namespace velinda
