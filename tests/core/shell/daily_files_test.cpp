#include <gtest/gtest.h>

#include <filesystem>

#include "core/calc/daily/daily_wizard.hpp"
#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/legacy_files.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

class DailyFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("daily_files_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // Runs the daily wizard up to its last page, which writes the backup.
    void calculateBresser() {
        calc::DailyWizard wiz(app, ui);
        wiz.show();
        app.form2.at("CPlanos").ticks[0] = true;
        wiz.clickPlans();
        StringGrid& sp = app.form2.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, "12/1987");
        ASSERT_EQ(wiz.next(), calc::StepResult::Ok);
        app.form2.grid("SSaldo").setCell(4, 1, "1.000,00");
        for (int i = 0; i < 5; ++i) ASSERT_EQ(wiz.next(), calc::StepResult::Ok);
    }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
};

TEST_F(DailyFilesTest, NovoResetsTheDailyWindow) {
    calculateBresser();
    writeFileAtomic(ws + "/temp2.back", "x");
    app.form2.setChecked("Cprorata", true);
    abrirpoupx(app);
    const Window& w = app.form2;
    for (bool t : w.at("CPlanos").ticks) EXPECT_FALSE(t);
    EXPECT_FALSE(w.checked("Cprorata"));
    EXPECT_TRUE(w.checked("Rsimples"));
    EXPECT_FALSE(fs::exists(ws + "/temp2.back"));
    const StringGrid& j = w.grid("Jmes");
    EXPECT_EQ(j.rowCount(), 5);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(j.cell(3, r), "Não");
    for (const char* g : {"SPlanos", "SSaldo", "SBase", "STJuros", "amortizacao", "planilha"}) {
        SCOPED_TRACE(g);
        EXPECT_FALSE(w.grid(g).cell(0, 0).empty());  // header kept
        for (int r = 1; r < w.grid(g).rowCount(); ++r)
            for (int c = 0; c < w.grid(g).colCount(); ++c) EXPECT_EQ(w.grid(g).cell(c, r), "");
    }
}

TEST_F(DailyFilesTest, SavedDailyFileClearsTheMarkerAndOpensAgain) {
    calculateBresser();
    ASSERT_EQ(app.main.edit1, "diaria");
    const std::string e12 = (root / "bresser.e12").string();
    ui.files.push_back(e12);
    EXPECT_TRUE(Salvar1Click(app, ui));
    EXPECT_EQ(app.main.edit1, "");
    EXPECT_EQ(readFileBytes(e12), readFileBytes(ws + "/temp2diaria.back"));

    // The next save takes the month-by-month backup, which is not there.
    ui.files.push_back((root / "other.e12").string());
    EXPECT_FALSE(Salvar1Click(app, ui));

    abrirpoupx(app);
    ui.files.clear();
    ui.files.push_back(e12);
    EXPECT_EQ(Abrir1Click(app, ui), "Form2");
    EXPECT_TRUE(app.form2.at("CPlanos").ticks[0]);
    EXPECT_EQ(app.form2.grid("SSaldo").cell(4, 1), "1.000,00");
    EXPECT_EQ(app.form2.grid("SPlanos").cell(1, 2), "12/1987");
}

TEST_F(DailyFilesTest, BackupReopensAndCancelledDialogsDoNothing) {
    EXPECT_EQ(Abrirback(app, ui), "");  // no backup yet
    calculateBresser();
    abrirpoupx(app);
    EXPECT_EQ(Abrirback(app, ui), "Form2");
    EXPECT_TRUE(app.form2.at("CPlanos").ticks[0]);
    EXPECT_EQ(Abrir1Click(app, ui), "");  // dialog cancelled
    EXPECT_FALSE(Salvar1Click(app, ui));
}

TEST_F(DailyFilesTest, BackupWithMorePlansThanTheListIsRefusedAndDeleted) {
    calculateBresser();
    app.form2.clearItems("CPlanos");
    app.form2.addItem("CPlanos", "Plano Bresser");
    // Record written with six plans, list now holds one.
    EXPECT_EQ(Abrirback(app, ui), "");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "O arquivo possui 5 Plano(s) adicionai(s), impossível abrir, o backup será excluido");
    EXPECT_FALSE(fs::exists(ws + "/temp2diaria.back"));
}

TEST_F(DailyFilesTest, MissingTableIsReportedByTheCheckStep) {
    EXPECT_TRUE(checkTable(app, "razidaro13.tab", ui));
    EXPECT_FALSE(checkTable(app, "tjmg.tab", ui));
    EXPECT_EQ(ui.messages.back(), kMissingTableMessage);
    loadCalculatorTable(app, "tjmg.tab");
    EXPECT_EQ(app.main.indice.rowCount(), 2);
    EXPECT_EQ(app.main.indice.colCount(), 1);
}

}  // namespace
}  // namespace core
