#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/calc/court/month_calculators.hpp"
#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core::calc {
namespace {

namespace fs = std::filesystem;

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class MonthCalculatorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("month_calc_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // Ticks the plans (catalogue order) and clicks the list; sets the update month.
    void choose(DailyWizard& wiz, std::initializer_list<int> items, const std::string& until) {
        Window& w = wiz.window();
        w.at("CPlanos").ticks.assign(w.at("CPlanos").items.size(), false);
        for (int i : items) w.at("CPlanos").ticks[i] = true;
        wiz.clickPlans();
        StringGrid& sp = w.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, until);
    }
    void runTo(DailyWizard& wiz, int step) {
        while (wiz.step() < step) ASSERT_EQ(wiz.next(), StepResult::Ok) << "step " << wiz.step();
    }
    std::vector<std::string> fileLines(const std::string& path) { return recordLines(readFileBytes(path)); }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
};

// Figures from tests/tools/court_reference.py.
TEST_F(MonthCalculatorsTest, FederalBresserCarriedWithTheFederalTable) {
    loadCalculatorTable(app, "jf.tab");
    DailyWizard wiz(app, ui, kFederalSpec);
    wiz.show();
    choose(wiz, {0}, "12/1987");
    runTo(wiz, 1);
    Window& w = app.formJf;
    EXPECT_EQ(w.grid("SSaldo").cell(2, 1), "Cz$");  // column 32 of the table
    w.grid("SSaldo").setCell(4, 1, "1.000,00");
    runTo(wiz, 3);
    StringGrid& st = w.grid("STJuros");
    st.setCell(0, 1, "01/07/1987");
    st.setCell(1, 1, "01/12/1987");
    st.setCell(2, 1, "0,5");
    runTo(wiz, 6);
    EXPECT_EQ(w.grid("SBase").cell(4, 1), "80,80");
    EXPECT_EQ(st.cell(3, 1), "2,5000%");
    EXPECT_EQ(st.cell(3, 2), "2,50%");
    const StringGrid& p = w.grid("planilha");
    const char* expected[] = {"80,80", "83,26", "88,56", "93,59", "102,18", "115,30", "131,60"};
    ASSERT_EQ(p.rowCount(), 8);
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(p.cell(5, r), expected[r - 1]) << "row " << r;
    EXPECT_EQ(p.cell(6, 2), "0%");
    EXPECT_FALSE(fs::exists(ws + "/tempjf.back"));  // not on entering the last page

    const std::string path = wiz.finish();
    EXPECT_EQ(path, ws + "/jf.html");
    const auto lines = fileLines(path);
    EXPECT_TRUE(hasLine(lines, "<b>TOTAL = 131,60 X 2,50% = 134,89</b>"));
    EXPECT_TRUE(hasLine(lines, "<tr><td><b> Valor em conta em 06/1987 = Cz$1.000,00</b></td></tr>"));
    // A plan without a currency divisor shows its catalogue currency.
    EXPECT_TRUE(hasLine(lines, "<p><tr><td> Valor faltante em conta em 07/1987 = 1.000,00X 8,0802% = <b>Cz$ 80,80</b></td></tr>"));
    EXPECT_EQ(p.cell(6, 0), "");  // Rsemjuros: the interest column is emptied, header included
    EXPECT_EQ(p.cell(7, 0), "Valor");
    // The federal record follows the report; the snapshot enables "Salvar".
    EXPECT_EQ(fileLines(ws + "/tempjf.back").at(0), "Vers 1.2");
    EXPECT_TRUE(app.main.salvarEnabled);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MonthCalculatorsTest, FederalRebuildsThePlanRowsOnlyOnClicks) {
    loadCalculatorTable(app, "jf.tab");
    DailyWizard wiz(app, ui, kFederalSpec);
    wiz.show();
    app.formJf.at("CPlanos").ticks[0] = true;  // ticked, list not clicked
    EXPECT_EQ(wiz.next(), StepResult::Refused);
    EXPECT_EQ(ui.messages.back(), "escolha um plano");
    EXPECT_EQ(wiz.step(), 0);
    wiz.clickPlans();
    EXPECT_EQ(wiz.next(), StepResult::Ok);
}

TEST_F(MonthCalculatorsTest, FederalWithoutNotesAndWithAFailedReportWritesNoRecord) {
    loadCalculatorTable(app, "jf.tab");
    DailyWizard wiz(app, ui, kFederalSpec);
    wiz.show();
    choose(wiz, {0}, "09/1987");
    runTo(wiz, 6);
    app.formJf.setChecked("Cnotas", false);
    const auto lines = buildMonthReport(app.formJf, app.form3.grid("SPlanosini"), {"8", "Arial"},
                                        MonthReportKind::Federal);
    EXPECT_FALSE(hasLine(lines, "<tr><td> Índices usados: Justiça Federal (OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r"));
    EXPECT_TRUE(hasLine(lines, "<tr><td><b> Diferença faltante em conta no mês seguinte em % = 8,0802</b></td></tr>"));
    EXPECT_EQ(lines.at(0), "<html><head><title>Atualização</title>");
    EXPECT_TRUE(hasLine(lines, "\tposition:fixed;"));
    EXPECT_FALSE(hasLine(lines, "</br><b>TOTAL + Honorários= 0,00</b>"));

    fs::create_directories(ws + "/jf.html");  // the report cannot be written
    EXPECT_EQ(wiz.finish(), "");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(ws + "/tempjf.back"));
    EXPECT_FALSE(app.main.salvarEnabled);
}

TEST_F(MonthCalculatorsTest, MonthsBeyondTheTableAreRefused) {
    loadCalculatorTable(app, "jf.tab");
    DailyWizard wiz(app, ui, kFederalSpec);
    wiz.show();
    choose(wiz, {0}, "08/2023");
    EXPECT_EQ(wiz.next(), StepResult::Refused);
    EXPECT_EQ(ui.messages.back(), "A data 08/2023 não existe na tabela, atualize o índice");
}

TEST_F(MonthCalculatorsTest, CaptionChoosesTheTable) {
    Window& w = app.formTjspD;
    struct Case {
        const char* caption;
        bool encoge;
        const char* table;
        bool radiosShown;
    };
    const Case cases[] = {
        {kCaptionSaoPaulo, true, "tjsp.tab", false},
        {kCaptionMinas, true, "tjmg.tab", true},
        {kCaptionMinas, false, "tjmg1.tab", true},
        {kCaptionParana, true, "", false},
        {"MG - MT - MS - ES", true, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        w.setCaption(c.caption);
        w.setChecked(c.encoge ? "Cencoge" : "Cencogeexp", true);
        EXPECT_EQ(monthByMonthTable(w), c.table);
        showEncogeChoice(app, w);
        EXPECT_EQ(w.at("Cencoge").visible, c.radiosShown);
        if (!c.radiosShown) {
            EXPECT_FALSE(w.checked("Cencoge"));
        }
    }
    // A missing table is reported and the step goes on with the grid as it is.
    loadCalculatorTable(app, "jf.tab");
    w.setCaption(kCaptionMinas);
    w.setChecked("Cencoge", true);
    DailyWizard wiz(app, ui, kMonthByMonthSpec);
    wiz.show();
    choose(wiz, {0}, "12/1987");
    EXPECT_EQ(wiz.next(), StepResult::Ok);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"tabela inexistente - faça a atualização das tabelas"});
    EXPECT_EQ(app.main.indice.rowCount(), 440);
}

TEST_F(MonthCalculatorsTest, SaoPauloMonthByMonthThroughTheCurrencyChangeWithFees) {
    app.formTjspD.setCaption(kCaptionSaoPaulo);
    loadCalculatorTable(app, "jf.tab");  // replaced by the caption's table at step 1
    DailyWizard wiz(app, ui, kMonthByMonthSpec);
    wiz.show();
    choose(wiz, {0}, "03/1989");
    runTo(wiz, 1);
    EXPECT_EQ(app.main.indice.rowCount(), 435);  // tjsp.tab
    Window& w = app.formTjspD;
    w.grid("SSaldo").setCell(4, 1, "2.500,00");
    w.setChecked("Chono", true);
    w.setText("Ehono", "10,00");
    runTo(wiz, 6);
    EXPECT_EQ(w.grid("SBase").cell(4, 1), "202,01");
    const StringGrid& p = w.grid("planilha");
    EXPECT_EQ(p.rowCount(), 23);
    EXPECT_EQ(p.cell(5, 22), "5,67");
    EXPECT_FALSE(fs::exists(ws + "/temp2.back"));

    const std::string path = wiz.finish();
    EXPECT_EQ(path, ws + "/teste.html");
    const auto lines = fileLines(path);
    EXPECT_TRUE(hasLine(lines, "<b>TOTAL = 5,67</b>"));
    EXPECT_TRUE(hasLine(lines, "</br><b>Honorários = 5,67 X 10,00% = 0,57</b>"));
    EXPECT_TRUE(hasLine(lines, "</br><b>TOTAL + Honorários= 6,24</b>"));
    EXPECT_TRUE(hasLine(lines, "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) </td></tr>"));  // ends with a lone CR
    EXPECT_TRUE(hasLine(lines, "\tposition:relative;"));
    EXPECT_TRUE(hasLine(lines, "table tfoot tr {     position: static;    }"));
    EXPECT_FALSE(hasLine(lines, ".quebrapagina {   page-break-before: always;}"));
    // The month-by-month record is written by "Finalizar", no snapshot.
    EXPECT_EQ(fileLines(ws + "/temp2.back").at(0), "Vers 1.22");
    EXPECT_FALSE(app.main.salvarEnabled);
}

TEST_F(MonthCalculatorsTest, DemonstrationDividesOnlyTheJanuary1989Plan) {
    app.formTjspD.setCaption(kCaptionSaoPaulo);
    DailyWizard wiz(app, ui, kMonthByMonthSpec);
    wiz.show();
    choose(wiz, {0, 1}, "03/1989");
    runTo(wiz, 1);
    Window& w = app.formTjspD;
    w.grid("SSaldo").setCell(4, 1, "1.000,00");
    w.grid("SSaldo").setCell(4, 2, "10.000,00");
    runTo(wiz, 2);
    const auto lines = buildMonthReport(w, app.form3.grid("SPlanosini"), {"8", "Arial"}, MonthReportKind::MonthByMonth);
    // Bresser: d = 1000 x ((18,02 x 1,005 + 0,5) / 100 + 1) = 1.186,10; g with 26,06 = 1.266,90.
    EXPECT_TRUE(hasLine(lines, "<tr><td>06/1987</td><td>1.000,00</td><td>18,02%</td><td>0,5%</td><td>1.186,10</td>"
                               "<td>26,06%</td><td>0,5%</td><td>1.266,90</td><td>8,0802%</td><td>80,80</td></tr>"));
    // Verão: divided by 1000: 10000 x (1 + (22,35 x 1,005 + 0,5) / 100) / 1000 = 12,30; 42,72 -> 14,34.
    EXPECT_TRUE(hasLine(lines, "<tr><td>01/1989</td><td>10.000,00</td><td>22,35%</td><td>0,5%</td><td>12,30</td>"
                               "<td>42,72%</td><td>0,5%</td><td>14,34</td><td>20,47185%</td><td>2,05</td></tr>"));
}

TEST_F(MonthCalculatorsTest, PlanListFollowsTheItemNamesNotTheirPositions) {
    loadCalculatorTable(app, "jf.tab");
    Window& w = app.formJf;
    // The catalogue was sorted after the list was filled: item 0 is now row 2.
    std::swap(w.at("CPlanos").items[0], w.at("CPlanos").items[1]);
    DailyWizard wiz(app, ui, kFederalSpec);
    wiz.show();
    choose(wiz, {0}, "12/1989");  // the item captioned "Plano Verão"
    EXPECT_EQ(w.grid("SPlanos").cell(0, 1), "Plano Verão");
    EXPECT_EQ(w.grid("SBase").cell(1, 1), "01/1989");
}

}  // namespace
}  // namespace core::calc
