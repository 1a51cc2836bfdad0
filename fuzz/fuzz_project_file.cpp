// Project files from arbitrary bytes: reading must never crash nor exhaust
// memory, whatever the file holds; a snapshot of what was read, written and
// read again, must give the same snapshot once its empty cells have settled as
// blanks. Also checks that comma text reads back what it wrote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/ini_file.hpp"
#include "core/project/project_file.hpp"
#include "core/state/app_state.hpp"
#include "core/text/comma_text.hpp"
#include "core/text/cp1252.hpp"
#include "core/ui/scripted_ui.hpp"

namespace {

void fillPlanLists(core::AppState& app) {
    for (core::Window* w : app.projectSections())
        for (auto& c : w->controls())
            if (c.kind == core::ControlKind::CheckList) {
                c.items = {"Plano Bresser", "Plano Verão", "Plano Collor I"};
                c.ticks.assign(c.items.size(), false);
            }
}

// Cells a snapshot would write; large grids are valid but slow to rewrite.
long long visibleCells(core::AppState& app) {
    long long n = 0;
    for (core::Window* w : app.projectSections())
        for (const auto& c : w->controls())
            if (c.kind == core::ControlKind::Grid)
                n += static_cast<long long>(c.grid.rowCount()) * (c.grid.colCount() + 1);
    return n;
}

std::vector<std::string> snapshotThroughFile(const std::vector<std::string>& lines) {
    core::AppState app;
    fillPlanLists(app);
    core::ScriptedUi ui;
    core::restoreProject(app, core::IniFile::parse(core::decodeFileText(core::projectFileBytes(lines))), &ui);
    if (!core::salvarx(app, app.main.opx, ui)) std::abort();
    return app.todos.rgrava;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto items = core::fromCommaText(bytes);
    if (core::fromCommaText(core::toCommaText(items)) != items) std::abort();

    core::AppState app;
    fillPlanLists(app);
    core::ScriptedUi ui;
    core::restoreProject(app, core::IniFile::parse(core::decodeFileText(bytes)), &ui);

    if (visibleCells(app) > 200000) return 0;
    if (!core::salvarx(app, app.main.opx, ui)) std::abort();
    const auto second = snapshotThroughFile(app.todos.rgrava);
    const auto third = snapshotThroughFile(second);
    if (second != third) std::abort();
    return 0;
}
