#include "app/window_factory.hpp"

namespace app {

// The windows are added here as they are built.
void createCalculatorWindows(AppContext&, QWidget*) {}

}  // namespace app
