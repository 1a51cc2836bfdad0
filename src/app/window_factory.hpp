#pragma once
// Creation of the calculator and settings windows, once for the whole run, in
// the program's window order; each registers itself in the context.
#include "app/app_context.hpp"

namespace app {

void createCalculatorWindows(AppContext& ctx, QWidget* mainWindow);

}  // namespace app
