#include "app/window_factory.hpp"

#include "app/windows/daily_balance_window.hpp"
#include "app/windows/plan_windows.hpp"

namespace app {

// The windows are added here as they are built, in the program's window order.
void createCalculatorWindows(AppContext& ctx, QWidget* mainWindow) {
    auto add = [&](BoundWindow* w) { ctx.windows.insert(w->sectionName(), w); };
    for (const DailyWindowDesign* d : {&kDailySavingsDesign, &kStateCourtDesign, &kMonthByMonthDesign, &kFederalDesign})
        add(new DailyBalanceWindow(ctx, mainWindow, *d));
    add(new PlanCatalogueWindow(ctx, mainWindow));
    add(new PlanApplicationWindow(ctx, mainWindow));
}

}  // namespace app
