#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/calc/court/month_calculators.hpp"
#include "core/calc/court/state_calculator.hpp"
#include "core/project/project_file.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/recalc.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core::calc {
namespace {

namespace fs = std::filesystem;

class CourtRecalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("court_recalc_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // Finishes a Bresser calculation in the calculator, saves the project,
    // and recomputes it in a fresh program state.
    void roundTrip(const DailyWizardSpec& spec, const char* table, const char* option) {
        loadCalculatorTable(app, table);
        DailyWizard wiz(app, ui, spec);
        wiz.show();
        Window& w = wiz.window();
        w.at("CPlanos").ticks[0] = true;
        wiz.clickPlans();
        StringGrid& sp = w.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, "12/1990");
        ASSERT_EQ(wiz.next(), StepResult::Ok);
        w.grid("SSaldo").setCell(4, 1, "3.000,00");
        while (wiz.step() < wiz.lastStep()) ASSERT_EQ(wiz.next(), StepResult::Ok);
        const std::string report = wiz.finish();
        ASSERT_FALSE(report.empty());
        const std::string first = readFileBytes(report);
        const std::string project = (root / "calc.exp30").string();
        writeFileAtomic(project, projectFileBytes(app.todos.rgrava));
        fs::remove(report);

        AppState fresh;
        fresh.main.meudir = ws;
        loadWorkspace(fresh, ui);
        RecalcOutcome out = recalcProject(fresh, project, {}, ui);
        ASSERT_EQ(out.status, RecalcOutcome::Status::Done) << (ui.messages.empty() ? "" : ui.messages.back());
        EXPECT_EQ(out.option, option);
        EXPECT_EQ(readFileBytes(out.reportPath), first);

        // A later update month the table does not reach is refused.
        AppState again;
        again.main.meudir = ws;
        loadWorkspace(again, ui);
        RecalcOptions later;
        later.until = "05/2099";
        out = recalcProject(again, project, later, ui);
        EXPECT_NE(out.status, RecalcOutcome::Status::Done);
        EXPECT_EQ(ui.messages.back(), "A data 05/2099 não existe na tabela, atualize o índice");
    }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
};

TEST_F(CourtRecalcTest, FederalProjectRecomputesTheSameReport) { roundTrip(kFederalSpec, "jf.tab", "Form_jf"); }

TEST_F(CourtRecalcTest, StateProjectRecomputesTheSameReport) { roundTrip(kStateSpec, "t0001.tab", "Form5"); }

}  // namespace
}  // namespace core::calc
