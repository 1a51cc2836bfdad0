// Whole reports of the three court calculators compared byte for byte with
// reviewed golden files (tests/data/golden/court_*.html). Each calculation is
// typed into its wizard as a user would, on the shipped tables of
// data/workspace, and finished with "Finalizar".
//
// The golden files are not recordings of this program's output: they are
// written by tests/tools/court_reference.py ("--write"), which recomputes the
// same calculations in decimal arithmetic and writes each report line from the
// report rules, then were read line by line against those rules. The scenarios
// there (STATE, MONTH_BY_MONTH, FEDERAL) must stay in step with the ones here.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/calc/report_lines.hpp"
#include "core/calc/court/month_calculators.hpp"
#include "core/calc/court/state_calculator.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core::calc {
namespace {

namespace fs = std::filesystem;

using report_test::firstDifference;

class CourtGoldenTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("court_golden_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
    }
    void TearDown() override { fs::remove_all(root); }

    void tick(DailyWizard& wiz, const std::string& plan) {
        Control& plans = wiz.window().at("CPlanos");
        auto it = std::find(plans.items.begin(), plans.items.end(), plan);
        ASSERT_NE(it, plans.items.end()) << plan;
        plans.ticks[static_cast<std::size_t>(it - plans.items.begin())] = true;
        wiz.clickPlans();
    }
    void setUpdateMonth(DailyWizard& wiz, const std::string& month) {
        StringGrid& sp = wiz.window().grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, month);
        wiz.exitGrid("SPlanos");
    }
    void nextTo(DailyWizard& wiz, int step) {
        while (wiz.step() < step) {
            const int before = wiz.step();
            ASSERT_EQ(wiz.next(), StepResult::Ok)
                << "entering step " << before + 1 << ": " << (ui.messages.empty() ? "" : ui.messages.back());
        }
    }
    void typeAmortisation(Window& w, const std::string& month, const std::string& description,
                          const std::string& value) {
        StringGrid& am = w.grid("amortizacao");
        for (int r = 1; r < am.rowCount(); ++r) {
            if (am.cell(0, r) == month) {
                am.setCell(1, r, description);
                am.setCell(2, r, value);
                return;
            }
        }
        ADD_FAILURE() << "no amortisation row for " << month;
    }
    // On a difference the written report is kept next to the temp folder.
    void expectGolden(const std::string& report, const std::string& goldenName) {
        ASSERT_FALSE(report.empty()) << (ui.messages.empty() ? "" : ui.messages.back());
        const std::string actual = readFileBytes(report);
        const std::string expected =
            readFileBytes(std::string(EXPURGOS_SOURCE_DIR) + "/tests/data/golden/" + goldenName);
        ASSERT_FALSE(expected.empty()) << goldenName;
        if (actual != expected) {
            const fs::path keep = fs::temp_directory_path() / ("actual_" + goldenName);
            fs::copy_file(report, keep, fs::copy_options::overwrite_existing);
            ADD_FAILURE() << goldenName << " differs (written report kept as " << keep.string()
                          << "): " << firstDifference(actual, expected);
        }
    }

    fs::path root;
    AppState app;
    ScriptedUi ui;
};

// State court calculator, TJSP factors: Bresser (day 1) and Verão (day 15,
// the Cruzado Novo divisor of its catalogue row) corrected to 03/2023; notes
// per plan (one with the catalogue divisor, one without); remuneratory
// interest of 0,50% a month over 95 months; two moratory periods, the second
// shorter than a month (an empty line, nothing added); fees of 10% on the
// total with interest; a two-line header with a dash and accents (single
// Windows-1252 bytes) and a one-line footer.
TEST_F(CourtGoldenTest, StateReportWithRemuneratoryAndMoratoryInterestAndFees) {
    DbitosJudiciaisSoPaulo2Click(app);
    DailyWizard wiz(app, ui, kStateSpec);
    Window& w = app.form5;
    wiz.show();
    tick(wiz, "Plano Bresser");
    tick(wiz, "Plano Verão");
    setUpdateMonth(wiz, "03/2023");
    nextTo(wiz, 1);
    StringGrid& saldo = w.grid("SSaldo");
    saldo.setCell(3, 1, "1");
    saldo.setCell(4, 1, "1000");
    saldo.setCell(3, 2, "15");
    saldo.setCell(4, 2, "25.000,00");
    wiz.exitGrid("SSaldo");
    nextTo(wiz, 3);
    wiz.clearPeriodInterest();
    StringGrid& st = w.grid("STJuros");
    st.setRow(1, {"01/04/2015", "01/03/2023", "1"});
    st.setRow(2, {"01/03/2023", "20/03/2023", "0,5"});
    w.setChecked("Cjc", true);
    w.setText("Datejurcompinicial", "01/04/2015");
    w.setText("Datejurcompfinal", "01/03/2023");
    w.setText("Ejurcomp", "0,50");
    nextTo(wiz, 4);
    const StringGrid& p = w.grid("planilha");
    ASSERT_EQ(p.rowCount(), 4);
    EXPECT_EQ(p.cell(4, 3), "R$ 72,93");
    w.setChecked("Chono", true);
    w.setChecked("Rpor", true);
    w.setText("Ehono", "10,00");
    nextTo(wiz, 5);
    w.setChecked("Cnotas", true);
    w.lines("Memo1") = {"Ação de cobrança — expurgos da poupança", "Autora: Maria Antônia da Conceição"};
    w.lines("Memo2") = {"São Paulo, 12 de maio de 2025."};
    app.main.cfont = "10";
    app.main.cnomefont = "Times New Roman";
    const std::string report = wiz.finish();
    EXPECT_EQ(fs::path(report).filename(), "teste.html");
    expectGolden(report, "court_state.html");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
}

// Month-by-month calculator with the São Paulo caption (tjsp.tab): Bresser
// (day 1) and Verão (day 15) carried to 12/1989 through the 01/1989 divisor;
// the São Paulo notes line and the demonstration table (the 01/1989 plan
// divided by its catalogue divisor); monthly interest (RComjuros) of 0,5% and
// then 1% credited quarterly; two amortisations, one in each plan block; the
// addition of the second plan's difference; two interest periods with "%"
// after their percentages; fees of 10%.
TEST_F(CourtGoldenTest, MonthByMonthReportWithNotesMonthlyInterestAmortisationsAndFees) {
    abrirpoupxstj(app);
    app.formTjspD.setCaption(kCaptionSaoPaulo);
    loadCalculatorTable(app, "tjsp.tab");
    DailyWizard wiz(app, ui, kMonthByMonthSpec);
    Window& w = app.formTjspD;
    wiz.show();
    tick(wiz, "Plano Bresser");
    tick(wiz, "Plano Verão");
    setUpdateMonth(wiz, "12/1989");
    nextTo(wiz, 1);
    StringGrid& saldo = w.grid("SSaldo");
    saldo.setCell(3, 1, "01");
    saldo.setCell(4, 1, "2.500,00");
    saldo.setCell(3, 2, "15");
    saldo.setCell(4, 2, "40000");
    wiz.exitGrid("SSaldo");
    nextTo(wiz, 3);
    wiz.clearPeriodInterest();
    StringGrid& st = w.grid("STJuros");
    st.setRow(1, {"15/01/90", "20/06/1995", "0,5"});
    st.setRow(2, {"21/06/1995", "31/03/2003", "1"});
    wiz.exitGrid("STJuros");
    wiz.clearMonthlyInterest();
    StringGrid& jm = w.grid("Jmes");
    jm.setRow(1, {"01/07/1987", "31/12/1988", "0,5"});
    jm.setRow(2, {"01/01/1989", "31/12/1989", "1"});
    wiz.selectJmes(3, 2);
    wiz.clickJmes();
    ASSERT_EQ(jm.cell(3, 2), "Sim");
    w.setChecked("RComjuros", true);
    nextTo(wiz, 4);
    EXPECT_EQ(st.cell(3, st.rowCount() - 1), "125,50%");
    typeAmortisation(w, "03/1988", "Crédito parcial", "100,00");
    typeAmortisation(w, "06/1989", "Valor incontroverso", "5,00");
    w.setChecked("Chono", true);
    w.setChecked("Rpor", true);
    w.setText("Ehono", "10,00");
    nextTo(wiz, 6);
    EXPECT_EQ(w.grid("planilha").cell(5, w.grid("planilha").rowCount() - 1), "117,11");
    w.setChecked("Cnotas", true);
    w.lines("Memo1") = {"Liquidação de sentença — caderneta nº 1234-5"};
    w.lines("Memo2") = {"Cálculo conferido pela contadoria.", "São Paulo, 12 de maio de 2025."};
    app.main.cfont = "8";
    app.main.cnomefont = "Arial";
    const std::string report = wiz.finish();
    EXPECT_EQ(fs::path(report).filename(), "teste.html");
    expectGolden(report, "court_month_by_month.html");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
}

// Federal calculator (jf.tab): Bresser (day 10, no catalogue divisor: its
// note ends with the catalogue currency) and Verão (day 1, divisor 1000: its
// note divides and shows the new currency) carried to 12/1989 without monthly
// interest (the interest column emptied, "Valor" over column 7); one
// amortisation; two interest periods; no fees; the first plan's balance and
// difference lines.
TEST_F(CourtGoldenTest, FederalReportWithNotesForTwoPlansAndInterestPeriods) {
    abrirpoupxjf(app);
    DailyWizard wiz(app, ui, kFederalSpec);
    Window& w = app.formJf;
    wiz.show();
    tick(wiz, "Plano Bresser");
    tick(wiz, "Plano Verão");
    setUpdateMonth(wiz, "12/1989");
    nextTo(wiz, 1);
    StringGrid& saldo = w.grid("SSaldo");
    saldo.setCell(3, 1, "10");
    saldo.setCell(4, 1, "80.000,00");
    saldo.setCell(3, 2, "1");
    saldo.setCell(4, 2, "250.000,00");
    wiz.exitGrid("SSaldo");
    nextTo(wiz, 3);
    wiz.clearPeriodInterest();
    StringGrid& st = w.grid("STJuros");
    st.setRow(1, {"01/01/1990", "01/07/1994", "0,5"});
    st.setRow(2, {"02/07/1994", "31/12/2002", "1"});
    wiz.exitGrid("STJuros");
    nextTo(wiz, 4);
    typeAmortisation(w, "05/1988", "Pagamento parcial", "500,00");
    nextTo(wiz, 6);
    w.setChecked("Cnotas", true);
    w.lines("Memo1") = {"Justiça Federal — Seção Judiciária de São Paulo", "Autor: João Antônio"};
    w.lines("Memo2") = {"Brasília, 12 de maio de 2025."};
    app.main.cfont = "9";
    app.main.cnomefont = "Verdana";
    const std::string report = wiz.finish();
    EXPECT_EQ(fs::path(report).filename(), "jf.html");
    expectGolden(report, "court_federal.html");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
}

}  // namespace
}  // namespace core::calc
