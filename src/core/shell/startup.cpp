#include "core/shell/startup.hpp"

#include <cstdlib>
#include <filesystem>

#include "core/plans/plan_catalogue.hpp"
#include "core/tables/table_file.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/seeding.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

// Runs one loading step; a file that exists but cannot be read is reported
// and the step skipped, so the rest of the start-up goes on.
template <typename F>
void step(UserInterface& ui, F&& f) {
    try {
        f();
    } catch (const FileError& e) {
        ui.message(e.what());
    }
}

void loadFgtsInterestTable(AppState& app) {
    const std::string path = workspaceFile(app.main.meudir, "fgtsjuros.tab");
    if (!fileExists(path)) return;
    Window& w = app.form_FGTS;
    LoadFromFile(path, w.grid("sfgts"));
    StringGrid& values = w.grid("svalores");
    LoadFromFile(path, values);
    values.setColCount(2);
    Control& combo = w.at("ComboBox1");
    combo.lines.clear();
    for (int r = 2; r < values.rowCount(); ++r) combo.lines.push_back(values.cell(0, r));
    combo.text = values.rowCount() >= 3 ? values.cell(0, values.rowCount() - 1) : std::string();
}

}  // namespace

void loadWorkspace(AppState& app, UserInterface& ui) {
    const std::string& dir = app.main.meudir;
    app.main.opx.clear();
    clearPlanLists(app);
    step(ui, [&] { loadFgtsInterestTable(app); });
    loadCatalogueAtStart(app, ui);
    step(ui, [&] {
        if (auto lines = readCabecalho(dir))
            for (Window* w : {&app.form2, &app.form5, &app.formTjspD}) w->lines("Memo1") = *lines;
    });
    step(ui, [&] {
        if (auto lines = readRodape(dir))
            for (Window* w : {&app.form2, &app.form5, &app.formTjspD}) w->lines("Memo2") = *lines;
    });
    step(ui, [&] {
        if (auto font = readWorkspaceFont(dir)) {
            app.main.cnomefont = font->name;
            app.main.cfont = fontSizeOrDefault(font->size);
        }
    });
    loadApplicationAtStart(app, ui);
    step(ui, [&] {
        const std::string table = workspaceFile(dir, "razidaro13.tab");
        if (fileExists(table)) LoadFromFile(table, app.main.indice);
    });
}

std::vector<std::string> startProgram(AppState& app, const StartupPaths& paths, UserInterface& ui) {
    WorkspacePaths ws = openWorkspace(paths.appDataDir, paths.programDir);
    app.main.meudir = ws.meudir;
    app.main.meudirx2 = ws.meudirx2;
    app.main.meusdocs = ws.meusdocs;
    std::vector<std::string> seeded;
    if (!paths.dataDir.empty()) seeded = seedWorkspace(paths.dataDir, ws.meudir);
    loadWorkspace(app, ui);
    return seeded;
}

std::string findDefaultDataDir(const std::string& programDir) {
    namespace fs = std::filesystem;
    std::vector<std::string> candidates;
    if (const char* env = std::getenv("EXPURGOS_DATA_DIR"); env && *env) candidates.emplace_back(env);
    candidates.push_back(programDir + "data/workspace");
    candidates.push_back(programDir + "../share/expurgos/workspace");
#ifdef EXPURGOS_SOURCE_DATA_DIR
    candidates.emplace_back(EXPURGOS_SOURCE_DATA_DIR);
#endif
    for (const auto& c : candidates) {
        std::error_code ec;
        if (fs::is_directory(fsPath(c), ec)) return c;
    }
    return {};
}

}  // namespace core
