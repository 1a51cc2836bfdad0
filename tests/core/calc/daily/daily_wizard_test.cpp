#include "core/calc/daily/daily_wizard.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/calc/daily/interest.hpp"
#include "core/plans/plan_catalogue.hpp"
#include "core/ui/scripted_ui.hpp"

namespace core::calc {
namespace {

// A small index table: months 05/1987 to 10/1987, yields of day 1 and day 2.
StringGrid smallIndex() {
    StringGrid g(34, 1);
    g.setCell(0, 0, "Mês");
    const char* rows[][3] = {{"05/1987", "1,0000", "2,0000"}, {"06/1987", "18,0000", "18,5000"},
                             {"07/1987", "10,0000", "11,0000"}, {"08/1987", "5,0000", "6,0000"},
                             {"09/1987", "4,0000", "4,5000"},  {"10/1987", "3,0000", "3,5000"}};
    for (const auto& row : rows) {
        int r = g.rowCount();
        g.setRowCount(r + 1);
        g.setCell(0, r, row[0]);
        g.setCell(1, r, row[1]);
        g.setCell(2, r, row[2]);
        g.setCell(32, r, "Cz$");
    }
    return g;
}

class DailyWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("daily_wizard_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        app.main.meudir = dir.string();
        app.main.indice = smallIndex();
        StringGrid& cat = app.form3.grid("SPlanosini");
        cat.setRowCount(3);
        cat.setRow(1, {"Plano Bresser", "06/1987", "8,0802", "", "Cz$"});
        cat.setRow(2, {"Plano Outro", "08/1987", "1,0000", "", "Cz$"});
        publishCatalogue(app);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void tick(int item) { app.form2.at("CPlanos").ticks[item] = true; }

    std::filesystem::path dir;
    AppState app;
    ScriptedUi ui;
};

TEST_F(DailyWizardTest, NoPlanIsRefusedOnPageZero) {
    DailyWizard wiz(app, ui);
    wiz.show();
    EXPECT_EQ(wiz.next(), StepResult::Refused);
    EXPECT_EQ(wiz.step(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "escolha um plano");
}

TEST_F(DailyWizardTest, UpdateMonthBeyondTableIsRefused) {
    DailyWizard wiz(app, ui);
    wiz.show();
    tick(0);
    wiz.clickPlans();
    StringGrid& sp = app.form2.grid("SPlanos");
    sp.setCell(1, sp.rowCount() - 1, "11/1987");
    EXPECT_EQ(wiz.next(), StepResult::Refused);
    EXPECT_EQ(ui.messages.back(), "A data 11/1987 não existe na tabela, atualize o índice");
    EXPECT_EQ(wiz.step(), 0);
}

TEST_F(DailyWizardTest, OnePlanTwoMonthsAndClosingRow) {
    DailyWizard wiz(app, ui);
    wiz.show();
    EXPECT_EQ(app.form2.text("Label5"), "Tabela atualizada até: 10/1987");
    tick(0);
    wiz.clickPlans();
    StringGrid& sp = app.form2.grid("SPlanos");
    ASSERT_EQ(sp.rowCount(), 3);
    EXPECT_EQ(sp.cell(0, 1), "Plano Bresser");
    EXPECT_EQ(sp.cell(0, 2), "Atualizar até");
    EXPECT_EQ(sp.cell(1, 2), "10/1987");
    sp.setCell(1, 2, "08/1987");

    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Saldo
    StringGrid& saldo = app.form2.grid("SSaldo");
    EXPECT_EQ(saldo.cell(2, 1), "Cz$");
    saldo.setCell(3, 1, "1");
    saldo.setCell(4, 1, "10.000,00");
    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Diferença
    EXPECT_EQ(app.form2.grid("SBase").cell(3, 1), "07/1987");
    EXPECT_EQ(app.form2.grid("SBase").cell(4, 1), "808,02");
    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Juros
    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Amortização
    const StringGrid& amort = app.form2.grid("amortizacao");
    ASSERT_EQ(amort.rowCount(), 3);
    EXPECT_EQ(amort.cell(0, 1), "07/1987");
    EXPECT_EQ(amort.cell(0, 2), "08/1987");
    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Planilha

    const StringGrid& p = app.form2.grid("planilha");
    ASSERT_EQ(p.rowCount(), 4);
    struct Row { const char* period; const char* yield; const char* credit; const char* value; const char* total; };
    const Row want[] = {
        {"", "", "07/1987", "808,02", "808,02"},
        {"07/1987", "10,0000", "08/1987", "888,82", "888,82"},  // 808,02 x 1,10 = 888,822
        {"08/1987", "5,0000", "", "933,26", ""},                 // 888,82 x 1,05 = 933,261
    };
    for (int r = 1; r <= 3; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(p.cell(1, r), want[r - 1].period);
        EXPECT_EQ(p.cell(2, r), want[r - 1].yield);
        EXPECT_EQ(p.cell(4, r), want[r - 1].credit);
        EXPECT_EQ(p.cell(5, r), want[r - 1].value);
        EXPECT_EQ(p.cell(7, r), want[r - 1].total);
    }
    EXPECT_EQ(p.cell(3, 1), "Cz$");

    ASSERT_EQ(wiz.next(), StepResult::Ok);  // Cabeçalho: backup written
    EXPECT_TRUE(std::filesystem::exists(dir / "temp2diaria.back"));
    EXPECT_EQ(app.main.edit1, "diaria");
    EXPECT_TRUE(app.form2.at("SpeedButton3").enabled);

    std::string report = wiz.finish();
    EXPECT_EQ(report, (dir / "teste.html").string());
    EXPECT_TRUE(std::filesystem::exists(report));
    EXPECT_TRUE(app.main.salvarEnabled);
    EXPECT_FALSE(app.todos.rgrava.empty());
    EXPECT_EQ(app.form2.grid("planilha").cell(7, 0), "Valor");
}

TEST_F(DailyWizardTest, DiaBaseCorrectionsOnLeavingTheBalanceGrid) {
    DailyWizard wiz(app, ui);
    StringGrid& saldo = app.form2.grid("SSaldo");
    saldo.setRowCount(6);
    const char* in[][2] = {{"31", "28"}, {"07", "7"}, {"15", "15"}, {"00", "1"}, {"", ""}};
    for (int r = 1; r <= 5; ++r) saldo.setCell(3, r, in[r - 1][0]);
    saldo.setCell(4, 1, "1234,5");
    wiz.exitGrid("SSaldo");
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(saldo.cell(3, r), in[r - 1][1]) << r;
    EXPECT_EQ(saldo.cell(4, 1), "1.234,50");
}

TEST_F(DailyWizardTest, RtrForcesMonthlyInterestOff) {
    DailyWizard wiz(app, ui);
    wiz.show();
    tick(0);
    app.form2.setChecked("Rtr", true);
    app.form2.setChecked("RComjuros", true);
    ASSERT_EQ(wiz.next(), StepResult::Ok);
    EXPECT_TRUE(app.form2.checked("Rsemjuros"));
    EXPECT_FALSE(app.form2.checked("RComjuros"));
    EXPECT_FALSE(app.form2.at("RComjuros").enabled);
}

TEST_F(DailyWizardTest, JmesClickTogglesOnlyColumnThree) {
    DailyWizard wiz(app, ui);
    wiz.clearMonthlyInterest();
    StringGrid& j = app.form2.grid("Jmes");
    EXPECT_EQ(j.rowCount(), 5);
    wiz.selectJmes(3, 2);
    EXPECT_FALSE(wiz.jmesEditable());
    wiz.clickJmes();
    EXPECT_EQ(j.cell(3, 2), "Sim");
    wiz.clickJmes();
    EXPECT_EQ(j.cell(3, 2), "Não");
    wiz.selectJmes(1, 2);
    EXPECT_TRUE(wiz.jmesEditable());
    wiz.clickJmes();
    EXPECT_EQ(j.cell(3, 2), "Não");
}

}  // namespace
}  // namespace core::calc
