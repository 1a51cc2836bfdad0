// One whole daily savings calculation with its report, and the recalculation
// of many saved projects as expurgos-cli does it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/calc/daily/daily_wizard.hpp"
#include "core/project/project_file.hpp"
#include "core/shell/recalc.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace {

namespace fs = std::filesystem;

struct Workspace {
    fs::path root = fs::temp_directory_path() / ("expurgos_bench_" + std::to_string(::getpid()));
    core::AppState loaded;
    core::ScriptedUi ui;

    Workspace() {
        fs::remove_all(root);
        core::startProgram(loaded, {root.string(), "/nonexistent/", EXPURGOS_BENCH_DATA_DIR}, ui);
    }
    ~Workspace() { fs::remove_all(root); }
};

Workspace& workspace() {
    static Workspace w;
    return w;
}

// Five plans up to the table's last month, with period and monthly interest,
// amortisations and fees.
std::string calculate(core::AppState& app, core::UserInterface& ui) {
    core::calc::DailyWizard wiz(app, ui);
    wiz.show();
    auto& ticks = app.form2.at("CPlanos").ticks;
    for (int i = 0; i < 5 && i < static_cast<int>(ticks.size()); ++i) ticks[i] = true;
    wiz.clickPlans();
    wiz.next();
    core::StringGrid& saldo = app.form2.grid("SSaldo");
    for (int r = 1; r < saldo.rowCount(); ++r) saldo.setCell(4, r, "25.000,00");
    wiz.next();
    wiz.next();
    core::StringGrid& st = app.form2.grid("STJuros");
    st.setRowCount(2);
    st.setRow(1, {"01/07/1987", "30/04/2025", "0,5"});
    app.form2.setChecked("Cprorata", true);
    core::StringGrid& jmes = app.form2.grid("Jmes");
    jmes.setRowCount(2);
    jmes.setRow(1, {"01/01/1995", "31/12/2005", "1", "Sim"});
    app.form2.setChecked("RComjuros", true);
    wiz.next();
    core::StringGrid& amort = app.form2.grid("amortizacao");
    amort.setCell(1, 30, "Pagamento parcial");
    amort.setCell(2, 30, "1.000,00");
    app.form2.setChecked("Chono", true);
    app.form2.setText("Ehono", "10,00");
    wiz.next();
    wiz.next();
    return wiz.finish();
}

void BM_DailyCalculationWithReport(benchmark::State& state) {
    Workspace& ws = workspace();
    for (auto _ : state) {
        state.PauseTiming();
        core::AppState app = ws.loaded;
        state.ResumeTiming();
        std::string report = calculate(app, ws.ui);
        if (report.empty()) state.SkipWithError("the calculation did not finish");
    }
}
BENCHMARK(BM_DailyCalculationWithReport)->Unit(benchmark::kMillisecond);

void BM_RecalcThousandProjects(benchmark::State& state) {
    Workspace& ws = workspace();
    core::AppState app = ws.loaded;
    if (calculate(app, ws.ui).empty()) {
        state.SkipWithError("the calculation did not finish");
        return;
    }
    const std::string project = (ws.root / "bench.exp30").string();
    core::writeFileAtomic(project, core::projectFileBytes(app.todos.rgrava));
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            core::AppState copy = ws.loaded;
            if (core::recalcProject(copy, project, {}, ws.ui).status != core::RecalcOutcome::Status::Done)
                state.SkipWithError("a recalculation failed");
        }
    }
}
BENCHMARK(BM_RecalcThousandProjects)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
