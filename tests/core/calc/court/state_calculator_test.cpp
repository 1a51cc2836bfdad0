#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/calc/court/state_calculator.hpp"
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

class StateCalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("state_calc_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
        loadCalculatorTable(app, "t0001.tab");
    }
    void TearDown() override { fs::remove_all(root); }

    // Bresser with the given balance and update month, up to the interest page.
    void toInterestPage(const std::string& balance, const std::string& until) {
        wiz.show();
        app.form5.at("CPlanos").ticks[0] = true;
        wiz.clickPlans();
        StringGrid& sp = app.form5.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, until);
        ASSERT_EQ(wiz.next(), StepResult::Ok);
        app.form5.grid("SSaldo").setCell(4, 1, balance);
        ASSERT_EQ(wiz.next(), StepResult::Ok);
        ASSERT_EQ(wiz.next(), StepResult::Ok);
        ASSERT_EQ(wiz.step(), 3);
    }
    std::vector<std::string> report() {
        return buildStateReport(app.form5, app.form3.grid("SPlanosini"), app.main.indice, {"8", "Arial"});
    }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
    DailyWizard wiz{app, ui, kStateSpec};
};

// Figures from tests/tools/court_reference.py.
TEST_F(StateCalculatorTest, BresserCorrectedWithTheSaoPauloFactorsAndMoratoryInterest) {
    toInterestPage("1.000,00", "03/2023");
    Window& w = app.form5;
    EXPECT_EQ(w.grid("SSaldo").cell(2, 1), "Cz$");  // column 32 of t0001.tab
    StringGrid& st = w.grid("STJuros");
    st.setCell(0, 1, "01/01/2000");
    st.setCell(1, 1, "01/01/2001");
    st.setCell(2, 1, "1");
    ASSERT_EQ(wiz.next(), StepResult::Ok);
    const StringGrid& p = w.grid("planilha");
    ASSERT_EQ(p.rowCount(), 3);
    EXPECT_EQ(p.cell(0, 1), "01/07/1987");
    EXPECT_EQ(p.cell(1, 1), "01/03/2023");
    EXPECT_EQ(p.cell(2, 1), "Cz$ 80,80");
    EXPECT_EQ(p.cell(3, 1), ":366,49 X 90,946481");
    EXPECT_EQ(p.cell(4, 1), "20,05");
    EXPECT_EQ(p.cell(3, 2), "Total");
    EXPECT_EQ(p.cell(4, 2), "R$ 20,05");
    ASSERT_EQ(wiz.next(), StepResult::Ok);
    EXPECT_EQ(wiz.step(), 5);

    const std::string path = wiz.finish();
    ASSERT_EQ(path, ws + "/teste.html");
    const auto lines = recordLines(readFileBytes(path));
    EXPECT_TRUE(hasLine(lines, "<b>De 01/01/2000 a 01/01/2001: 12(meses) x 1% = 12,00%</b>"));
    EXPECT_TRUE(hasLine(lines, "<b>VALOR DOS JUROS MORATÓRIOS = R$ 20,05 X 12,00% = R$ 2,41</b>"));
    EXPECT_TRUE(hasLine(lines, "<b>VALOR DEVIDO (TOTAL + JUROS) = 22,46</b>"));
    EXPECT_TRUE(hasLine(lines, "<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>"));
    EXPECT_TRUE(hasLine(lines, "<p><tr><td><b>Plano Bresser - saldo em conta em 1/06/1987 = Cz$1.000,00</b></td></tr>"));
    // Rows: "<tr>" and the cells on one line, "</tr>" on the next.
    EXPECT_TRUE(hasLine(lines, "<td><div align=Right>01/07/1987</div></td><td><div align=Right>01/03/2023</div></td>"
                               "<td><div align=Right>Cz$ 80,80</div></td><td><div align=Right>:366,49 X 90,946481</div>"
                               "</td><td><div align=Right>20,05</div></td>"));
    EXPECT_EQ(w.grid("STJuros").colCount(), 3);
    EXPECT_EQ(recordLines(readFileBytes(ws + "/tempsp.back")).at(0), "estados");
    EXPECT_TRUE(app.main.salvarEnabled);
}

TEST_F(StateCalculatorTest, OtherTablesPrintTheFactorRatio) {
    writeFileAtomic(ws + "/tjmgc2.tab", "Mês\tFator\tMoeda\t\r\n07/1987\t10\tCz$\t\r\n12/1987\t25\tCz$\t\r\n");
    toInterestPage("1.000,00", "12/1987");
    Window& w = app.form5;
    w.setChecked("Rtjmg", true);
    w.grid("SBase").setCell(4, 1, "100,00");
    ASSERT_EQ(wiz.next(), StepResult::Ok);
    EXPECT_EQ(w.grid("planilha").cell(3, 1), "2,5000000");
    EXPECT_EQ(w.grid("planilha").cell(4, 1), "250,00");

    // No interest option: the report ends with the total and the fees are on it.
    w.setChecked("Chono", true);
    w.setText("Ehono", "10,00");
    const auto lines = report();
    EXPECT_TRUE(hasLine(lines, "<b>TOTAL = Cz$ 250,00</b>"));
    EXPECT_TRUE(hasLine(lines, "</br></br><b>HONORÁRIOS = 250,00 X 10,00% = 25,00</b>"));
    EXPECT_TRUE(hasLine(lines, "<tr><td> Tabela: Débitos Judiciais Tribunal de Minas Gerais </td></tr>"));
}

TEST_F(StateCalculatorTest, MissingTableOrFactorRefusesTheCalculationAndTheReport) {
    toInterestPage("1.000,00", "12/1987");
    app.form5.setChecked("Rtjdf", true);  // tjdf.tab is not shipped
    EXPECT_EQ(wiz.next(), StepResult::Error);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"A tabela tjdf.tab não existe.",
                                                     "A data 07/1987 não existe na tabela, atualize o índice"}));
    EXPECT_EQ(wiz.next(), StepResult::Ok);  // on to the last page
    EXPECT_EQ(wiz.finish(), "");
    EXPECT_FALSE(fs::exists(ws + "/teste.html"));
    EXPECT_FALSE(fs::exists(ws + "/tempsp.back"));

    // An update month the table does not reach.
    ui.messages.clear();
    app.form5.setChecked("Rtjsp", true);
    StringGrid& sp = app.form5.grid("SPlanos");
    sp.setCell(1, sp.rowCount() - 1, "05/2024");
    while (wiz.step() > 0) wiz.previous();
    wiz.next();
    wiz.next();
    wiz.next();
    EXPECT_EQ(wiz.next(), StepResult::Error);
    EXPECT_EQ(ui.messages.back(), "A data 05/2024 não existe na tabela, atualize o índice");
}

TEST_F(StateCalculatorTest, InterestPeriodsOfOneMonthOrLess) {
    toInterestPage("1.000,00", "03/2023");
    Window& w = app.form5;
    StringGrid& st = w.grid("STJuros");
    st.setCell(0, 1, "01/01/2000");
    st.setCell(1, 1, "01/02/2000");  // exactly one month: nothing added
    st.setCell(2, 1, "1");
    w.setChecked("Cjc", true);
    w.setText("Datejurcompinicial", "01/01/2000");
    w.setText("Datejurcompfinal", "20/01/2000");  // no whole month
    w.setText("Ejurcomp", "0,50");
    ASSERT_EQ(wiz.next(), StepResult::Ok);
    const auto lines = report();
    EXPECT_TRUE(hasLine(lines, "<b>TOTAL = 0,00 + R$ 20,05 = 20,05</b>"));
    EXPECT_FALSE(hasLine(lines, "<p><b>JUROS REMUNERATÓRIOS"));
    EXPECT_TRUE(hasLine(lines, "<b>VALOR DOS JUROS MORATÓRIOS = 20,05 X 0,00% = 0,00</b>"));
    // Between the period's "</br></br>" and the next font span: an empty line.
    auto it = std::find(lines.begin(), lines.end(), "<b>JUROS MORATÓRIOS</b>");
    ASSERT_NE(it, lines.end());
    EXPECT_EQ(*(it + 1), "</br></br>");
    EXPECT_EQ(*(it + 2), "");
}

TEST_F(StateCalculatorTest, NoPlanRowIsRefused) {
    wiz.show();
    EXPECT_EQ(wiz.next(), StepResult::Refused);
    EXPECT_EQ(ui.messages.back(), "escolha um plano");
}

}  // namespace
}  // namespace core::calc
