#pragma once

#include <Qt>

namespace velinda {

namespace FixedWindow {

// The title bar of a fixed-size window: its caption and no buttons, asked in
// the ways window managers honour -- Motif hints that offer neither
// minimising, maximising nor closing (most X11 managers then draw no
// buttons) and the fixed dialog frame on Windows. A manager that draws its
// buttons all the same, as openbox does, refuses to maximise a window of
// fixed size and closes it as any other window; a screen minimised there
// comes back as it was left. Windows draws exactly what is asked: there the
// caption keeps its close button, as a Windows dialog's does, and the fixed
// frame leaves out the maximise button.
#ifdef Q_OS_WIN
inline constexpr Qt::WindowFlags kTitleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint;
#else
inline constexpr Qt::WindowFlags kTitleBar =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
#endif

}  // namespace FixedWindow

}  // namespace velinda
