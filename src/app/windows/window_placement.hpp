#pragma once
// Placement of the calculator and settings windows: above the main window
// (a window of its own, owned by it) and centred on it.
#include <QWidget>

namespace app {

inline constexpr Qt::WindowFlags kOwnedWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                     Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

// Centres the window on its owner (on the screen when it has none), keeping it
// inside the screen's available area.
void centreOnOwner(QWidget* window);

}  // namespace app
