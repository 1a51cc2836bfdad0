#include "core/shell/recalc.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/calc/daily/daily_wizard.hpp"
#include "core/project/project_file.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

class RecalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("recalc_" + std::to_string(::getpid()));
        fs::remove_all(root);
        StartupPaths paths{root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"};
        seeded = startProgram(app, paths, ui);
        workspace = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // Bresser and Verão with interest and fees, typed as a user would.
    std::string finishTwoPlans() {
        calc::DailyWizard wiz(app, ui);
        wiz.show();
        Control& plans = app.form2.at("CPlanos");
        plans.ticks[0] = true;  // Plano Bresser
        plans.ticks[1] = true;  // Plano Verão
        wiz.clickPlans();
        StringGrid& sp = app.form2.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, "12/1990");
        EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        StringGrid& saldo = app.form2.grid("SSaldo");
        saldo.setCell(3, 1, "1");
        saldo.setCell(4, 1, "50.000,00");
        saldo.setCell(3, 2, "1");
        saldo.setCell(4, 2, "120.000,00");
        for (int i = 0; i < 4; ++i) EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        app.form2.setChecked("Chono", true);
        app.form2.setText("Ehono", "10,00");
        EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        return wiz.finish();
    }

    fs::path root;
    std::string workspace;
    std::vector<std::string> seeded;
    AppState app;
    ScriptedUi ui;
};

TEST_F(RecalcTest, NewWorkspaceIsSeededAndLoaded) {
    EXPECT_NE(std::find(seeded.begin(), seeded.end(), "razidaro13.tab"), seeded.end());
    EXPECT_NE(std::find(seeded.begin(), seeded.end(), "planos.ini"), seeded.end());
    EXPECT_FALSE(app.form2.at("CPlanos").items.empty());
    EXPECT_EQ(app.form2.at("CPlanos").items[0], "Plano Bresser");
    EXPECT_GT(app.main.indice.rowCount(), 400);
}

TEST_F(RecalcTest, SavedProjectRecomputesTheSameReport) {
    std::string report = finishTwoPlans();
    ASSERT_FALSE(report.empty()) << (ui.messages.empty() ? "" : ui.messages.back());
    const std::string first = readFileBytes(report);
    const std::string project = (root / "calc.exp30").string();
    writeFileAtomic(project, projectFileBytes(app.todos.rgrava));
    fs::remove(report);

    AppState fresh;
    fresh.main.meudir = workspace;
    loadWorkspace(fresh, ui);
    RecalcOutcome out = recalcProject(fresh, project, {}, ui);
    ASSERT_EQ(out.status, RecalcOutcome::Status::Done) << (ui.messages.empty() ? "" : ui.messages.back());
    EXPECT_EQ(out.option, "Form2");
    EXPECT_EQ(readFileBytes(out.reportPath), first);
}

TEST_F(RecalcTest, UntilMovesTheUpdateMonth) {
    ASSERT_FALSE(finishTwoPlans().empty());
    const std::string project = (root / "calc.exp30").string();
    writeFileAtomic(project, projectFileBytes(app.todos.rgrava));

    AppState fresh;
    fresh.main.meudir = workspace;
    loadWorkspace(fresh, ui);
    RecalcOptions options;
    options.until = "06/1994";
    RecalcOutcome out = recalcProject(fresh, project, options, ui);
    ASSERT_EQ(out.status, RecalcOutcome::Status::Done);
    const StringGrid& p = fresh.form2.grid("planilha");
    EXPECT_EQ(p.cell(1, p.rowCount() - 1), "06/1994");

    options.until = "05/2099";
    AppState again;
    again.main.meudir = workspace;
    loadWorkspace(again, ui);
    EXPECT_EQ(recalcProject(again, project, options, ui).status, RecalcOutcome::Status::Refused);
    EXPECT_EQ(ui.messages.back(), "A data 05/2099 não existe na tabela, atualize o índice");
}

TEST_F(RecalcTest, MissingFileAndUnavailableCalculator) {
    EXPECT_EQ(recalcProject(app, (root / "nada.exp30").string(), {}, ui).status, RecalcOutcome::Status::Failed);
    const std::string project = (root / "fgts.exp30").string();
    writeFileAtomic(project, "[opcaoini]\r\nOpcao=FormFGTS\r\n[Inicio]\r\nVersao=Vers 3.0\r\n");
    RecalcOutcome out = recalcProject(app, project, {}, ui);
    EXPECT_EQ(out.status, RecalcOutcome::Status::NotAvailable);
    EXPECT_EQ(out.option, "FormFGTS");
}

}  // namespace
}  // namespace core
