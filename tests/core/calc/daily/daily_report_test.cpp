#include "core/calc/daily/daily_report.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/report/html_style.hpp"
#include "core/state/windows.hpp"
#include "core/text/errors.hpp"

namespace core {
namespace {

using Lines = std::vector<std::string>;

const ReportSettings kSettings{"8", "Arial"};
const std::string kSpan = "<span style=\"font-size:8.0pt;font-family:Arial\">";

void setRow(StringGrid& g, int row, const Lines& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) g.setCell(static_cast<int>(c), row, cells[c]);
}

// The plan catalogue: Plano Bresser (no currency divisor) and Plano Verão
// (01/1989, divisor 1000).
StringGrid catalogue() {
    StringGrid cat(10, 3);
    setRow(cat, 0, {"Expurgo", "Data", "Diferença sobre o saldo anterior em %", "Mudança de Moeda",
                    "Moeda", "Índice Oficial", "Índice Oficial Valor", "Índice Requerido",
                    "Índice Requerido Valor", "Moeda Mudança"});
    setRow(cat, 1, {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,0200", "IPC", "26,0600", ""});
    setRow(cat, 2, {"Plano Verão", "01/1989", "20,3629", "1000", "Cz$", "LFT", "22,3591", "IPC",
                    "42,7200", "NCz$"});
    return cat;
}

// The daily savings window after "Finalizar" of a one-plan calculation:
// Plano Bresser, balance 10.000,00 on day 1, corrected up to 08/1987 with a
// withdrawal of 10,00 in the yield period 07/1987.
Window oneBresserPlan() {
    Window w = makeForm2();
    w.clearItems("CPlanos");
    w.addItem("CPlanos", "Plano Bresser");
    w.addItem("CPlanos", "Plano Verão");
    w.at("CPlanos").ticks[0] = true;

    StringGrid& planos = w.grid("SPlanos");
    planos.setRowCount(3);
    setRow(planos, 1, {"Plano Bresser", "06/1987"});
    setRow(planos, 2, {"Atualizar até", "08/1987"});

    setRow(w.grid("SSaldo"), 1, {"Plano Bresser", "06/1987", "Cz$", "1", "10.000,00"});
    setRow(w.grid("SBase"), 1, {"Plano Bresser", "06/1987", "8,04", "07/1987", "804,00"});

    StringGrid& sheet = w.grid("planilha");
    sheet.setRowCount(4);
    sheet.setCell(7, 0, "Valor");
    setRow(sheet, 1, {"", "", "", "Cz$", "07/1987", "804,00", "", "804,00"});
    setRow(sheet, 2, {"Cz$", "07/1987", "8,5000", "Cz$", "08/1987", "861,49", "", "861,49", "Saque",
                      "", "", "-10,00"});
    setRow(sheet, 3, {"Cz$", "08/1987", "4,0000", "Cz$", "", "895,95", "", "895,95", "", "", "", "0"});

    StringGrid& split = w.grid("planilha2");
    split.setRowCount(4);
    setRow(split, 0, {"Moeda do inicio do período de rendimento", "Período de Rendimento", "Indexador",
                      "Juros Remuneratórios", "Rendimento (%)",
                      "Moeda do inicio do mês de crédito em conta", "Mês do crédito em conta",
                      "Valor corrigido a partir da base de cálculo", "Juros", "Valor"});
    setRow(split, 1, {"", "", "", "", "", "Cz$", "07/1987", "804,00", "", "804,00"});
    setRow(split, 2, {"Cz$", "07/1987", "7,9602", "0,5%", "8,5000", "Cz$", "08/1987", "861,49", "",
                      "861,49", "Saque", "", "", "-10,00"});
    setRow(split, 3, {"Cz$", "08/1987", "3,4826", "0,5%", "4,0000", "Cz$", "", "895,95", "", "895,95",
                      "", "", "", "0"});

    w.lines("Memo1") = {"EXCELENTÍSSIMO SENHOR DOUTOR JUIZ", "Autor: João da Silva"};
    w.lines("Memo2") = {"São Paulo, 10 de março de 2009."};
    return w;
}

// Period interest of 1% a month for twelve months, as computed on the "Juros" page.
void addPeriodInterest(Window& w) {
    StringGrid& j = w.grid("STJuros");
    j.setColCount(4);
    j.setRowCount(3);
    setRow(j, 1, {"01/09/1987", "01/09/1988", "1", "12,0000"});
    setRow(j, 2, {"", "", "Total", "12,00"});
}

// Second plan checked: Plano Verão, balance 5.000.000,00 in cruzados.
void addVerao(Window& w) {
    w.at("CPlanos").ticks[1] = true;
    w.grid("SSaldo").setRowCount(3);
    setRow(w.grid("SSaldo"), 2, {"Plano Verão", "01/1989", "Cz$", "1", "5.000.000,00"});
    w.grid("SBase").setRowCount(3);
    setRow(w.grid("SBase"), 2, {"Plano Verão", "01/1989", "20,3629", "02/1989", "1.018,15"});
}

std::ptrdiff_t find(const Lines& lines, const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : it - lines.begin();
}

// The lines appear one after the other somewhere in the document.
::testing::AssertionResult hasSequence(const Lines& lines, const Lines& seq) {
    if (std::search(lines.begin(), lines.end(), seq.begin(), seq.end()) != lines.end())
        return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure() << "sequence not found, starting with\n  " << seq.front()
                                           << "\nnearby lines:";
    const std::ptrdiff_t at = find(lines, seq.front());
    if (at >= 0)
        for (std::size_t i = at; i < lines.size() && i < at + seq.size() + 1; ++i)
            r << "\n  " << lines[i];
    return r;
}

Lines build(const Window& w) { return buildDailyReport(w, catalogue(), kSettings); }

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------------------

TEST(DailyReport, OpensWithHeadFontSpanAndHeader) {
    const Lines lines = build(oneBresserPlan());
    const Lines head = reportHeadLines("8");
    ASSERT_GT(lines.size(), head.size() + 4);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), lines.begin()));
    EXPECT_EQ(Lines(lines.begin() + 70, lines.begin() + 74),
              (Lines{kSpan,
                     "<tr><td><div align=Justify><p><b>EXCELENTÍSSIMO SENHOR DOUTOR JUIZ</b></p></div></td></tr>",
                     "<tr><td><div align=Justify><p><b>Autor: João da Silva</b></p></div></td></tr>",
                     "</spam>"}));
}

TEST(DailyReport, EmptyHeaderStillClosesWithSpam) {
    Window w = oneBresserPlan();
    w.lines("Memo1").clear();
    const Lines lines = build(w);
    EXPECT_EQ(lines[70], kSpan);
    EXPECT_EQ(lines[71], "</spam>");
}

TEST(DailyReport, NotesTableOfTheSavingsLayout) {
    const Lines lines = build(oneBresserPlan());
    EXPECT_TRUE(hasSequence(
        lines,
        {"</spam>", kSpan, "</br> Tabela: Poupança Diária </br>", "<table>",
         "<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo Banco</td><td>c) Juros "
         "remuneratórios (aplicado pelo Banco)</td><td>d) Saldo corrigido (a x (b + c))</td><td>e) "
         "INPC-IBGE</td><td>f) Juros remuneratórios</td><td>g) Saldo corrigido (a x (e + "
         "f))</td><td>Percentual devido</td><td>Diferença devida (g - d)</td></tr>",
         // d = 10000 x (1 + (0,5 + 1,005 x 18,02) / 100), g = the same with 26,06.
         "<tr><td>06/1987</td><td>10.000,00</td><td>18,0200%</td><td>0,5%</td><td>11.861,01</td>"
         "<td>26,0600%</td><td>0,5%</td><td>12.669,03</td><td>8,04%</td><td>804,00</td></tr>",
         "</table></br>", "<tr><td><p>&nbsp;</p></td></tr>"}));
}

TEST(DailyReport, NotesRowsPerCheckedPlan) {
    struct Case {
        const char* name;
        bool cnaou;
        bool tr;
        Lines rows;
    };
    const std::vector<Case> cases = {
        // 01/1989: both values divided by the catalogue's divisor 1000.
        {"remuneratory interest", false, false,
         {"<tr><td>06/1987</td><td>10.000,00</td><td>18,0200%</td><td>0,5%</td><td>11.861,01</td>"
          "<td>26,0600%</td><td>0,5%</td><td>12.669,03</td><td>8,04%</td><td>804,00</td></tr>",
          "<tr><td>01/1989</td><td>5.000.000,00</td><td>22,3591%</td><td>0,5%</td><td>6.148,54</td>"
          "<td>42,7200%</td><td>0,5%</td><td>7.171,68</td><td>20,3629%</td><td>1.018,15</td></tr>"}},
        {"Cnaou", true, false,
         {"<tr><td>06/1987</td><td>10.000,00</td><td>18,0200%</td><td>0,0%</td><td>11.802,00</td>"
          "<td>26,0600%</td><td>0,0%</td><td>12.606,00</td><td>8,04%</td><td>804,00</td></tr>",
          "<tr><td>01/1989</td><td>5.000.000,00</td><td>22,3591%</td><td>0,0%</td><td>6.117,96</td>"
          "<td>42,7200%</td><td>0,0%</td><td>7.136,00</td><td>20,3629%</td><td>1.018,15</td></tr>"}},
        // The ORTN/BTN/TR layout always shows the remuneratory interest.
        {"Cnaou ignored by ORTN/BTN/TR", true, true,
         {"<tr><td>06/1987</td><td>10.000,00</td><td>18,0200%</td><td>0,5%</td><td>11.861,01</td>"
          "<td>26,0600%</td><td>0,5%</td><td>12.669,03</td><td>8,04%</td><td>804,00</td></tr>",
          "<tr><td>01/1989</td><td>5.000.000,00</td><td>22,3591%</td><td>0,5%</td><td>6.148,54</td>"
          "<td>42,7200%</td><td>0,5%</td><td>7.171,68</td><td>20,3629%</td><td>1.018,15</td></tr>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w = oneBresserPlan();
        addVerao(w);
        w.setChecked("Cnaou", c.cnaou);
        w.setChecked(c.tr ? "Rtr" : "Rpoup", true);
        Lines seq = c.rows;
        seq.push_back("</table></br>");
        EXPECT_TRUE(hasSequence(build(w), seq));
    }
}

TEST(DailyReport, NotesFollowTheCheckedItemsOnly) {
    // Only the second catalogue plan checked: its notes come from catalogue
    // row 2 and from row 1 of the balance and difference grids.
    Window w = oneBresserPlan();
    w.at("CPlanos").ticks = {false, true};
    setRow(w.grid("SSaldo"), 1, {"Plano Verão", "01/1989", "Cz$", "1", "5.000.000,00"});
    setRow(w.grid("SBase"), 1, {"Plano Verão", "01/1989", "20,3629", "02/1989", "1.018,15"});
    EXPECT_TRUE(hasSequence(
        build(w),
        {"<tr><td>01/1989</td><td>5.000.000,00</td><td>22,3591%</td><td>0,5%</td><td>6.148,54</td>"
         "<td>42,7200%</td><td>0,5%</td><td>7.171,68</td><td>20,3629%</td><td>1.018,15</td></tr>",
         "</table></br>"}));
}

TEST(DailyReport, PercentageWithoutDigitGivesZeroValue) {
    Window w = oneBresserPlan();
    StringGrid cat = catalogue();
    cat.setCell(6, 1, "");
    const Lines lines = buildDailyReport(w, cat, kSettings);
    EXPECT_NE(find(lines, "<tr><td>06/1987</td><td>10.000,00</td><td>%</td><td>0,5%</td><td>0,00</td>"
                          "<td>26,0600%</td><td>0,5%</td><td>12.669,03</td><td>8,04%</td><td>804,00</td></tr>"),
              -1);
}

TEST(DailyReport, WithoutNotesTheHeaderLeadsToTheFirstPlanLines) {
    Window w = oneBresserPlan();
    w.setChecked("Cnotas", false);
    const Lines lines = build(w);
    EXPECT_EQ(find(lines, "</br> Tabela: Poupança Diária </br>"), -1);
    EXPECT_TRUE(hasSequence(
        lines, {"</spam>", "<tr><td><p>&nbsp;</p></td></tr>", "<tr><td><p>&nbsp;</p></td></tr>",
                "<tr><td><b> Valor em conta em 06/1987 = Cz$10.000,00</b></td></tr>",
                "<tr><td><b> Diferença faltante em conta no mês seguinte em % = 8,0400</b></td></tr>",
                "<p>&nbsp;</p>", "</span></table>", "<body>\r\n<table>\r\n"}));
}

TEST(DailyReport, WordedExplanationOfTheTrLayout) {
    Window w = oneBresserPlan();
    addVerao(w);
    w.setChecked("Rtr", true);
    const Lines lines = build(w);
    EXPECT_TRUE(hasSequence(
        lines,
        {"</table></br>",
         "<p><tr><td>Plano Bresser - saldo em conta em 1/06/1987 = <b>Cz$10.000,00</b></td></tr>",
         "<p><tr><td> Percentual de correção monetária com base na variação da LBC para 06/1987: "
         "18,0200. </td></tr>",
         "<p><tr><td> Variação com base no IPC para 07/1987: 26,0600 </td></tr>",
         "<p><tr><td> 18,0200 + 0,5% de juros = 18,6101% </td></tr>",
         "<p><tr><td> 26,0600 + 0,5% de juros = 26,6903% </td></tr>",
         "<p><tr><td> 26,6903% - 18,6101% = <b>8,0802%</b> </td></tr>",
         "<p><tr><td> Valor faltante em conta em 07/1987 = 10.000,00X 8,0802% = <b>Cz$ "
         "804,00</b></td></tr>",
         "<p><tr><td>Plano Verão - saldo em conta em 1/01/1989 = <b>Cz$5.000.000,00</b></td></tr>",
         "<p><tr><td> Percentual de correção monetária com base na variação da LFT para 01/1989: "
         "22,3591. </td></tr>",
         "<p><tr><td> Variação com base no IPC para 02/1989: 42,7200 </td></tr>",
         "<p><tr><td> 22,3591 + 0,5% de juros = 22,9709% </td></tr>",
         "<p><tr><td> 42,7200 + 0,5% de juros = 43,4336% </td></tr>",
         "<p><tr><td> 43,4336% - 22,9709% = <b>20,4627%</b> </td></tr>",
         "<p><tr><td> Valor faltante em conta em 02/1989 = 5.000.000,00X 20,4627% : 1000 = <b>NCz$ "
         "1.018,15</b></td></tr>",
         "</table>", "</span>", "<tr><td><p>&nbsp;</p></td></tr>"}));
    EXPECT_NE(find(lines, "<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo "
                          "Banco</td><td>c) Juros remuneratórios</td><td>d) Saldo corrigido (a x (b + "
                          "c))</td><td>e) INPC-IBGE</td><td>f) Juros remuneratórios</td><td>g) Saldo "
                          "corrigido (a x (e + f))</td><td>Percentual devido</td><td>Diferença devida "
                          "(g - d)</td></tr>"),
              -1);
}

TEST(DailyReport, ExplanationSkipsThePercentageLinesWithoutDigits) {
    Window w = oneBresserPlan();
    w.setChecked("Rtr", true);
    StringGrid cat = catalogue();
    cat.setCell(8, 1, "");
    const Lines lines = buildDailyReport(w, cat, kSettings);
    EXPECT_TRUE(hasSequence(lines, {"<p><tr><td> Variação com base no IPC para 07/1987:  </td></tr>",
                                    "<p><tr><td> 18,0200 + 0,5% de juros = 18,6101% </td></tr>",
                                    "</table>", "</span>"}));
}

TEST(DailyReport, SavingsSpreadsheetRows) {
    const Lines lines = build(oneBresserPlan());
    const std::string n = "<td><div align=Right>&nbsp;</div></td>";
    auto td = [](const std::string& t) { return "<td><div align=Right>" + t + "</div></td>"; };
    auto b = [](const std::string& t) { return "<td><div align=Right><b>" + t + "</b></div></td>"; };
    EXPECT_TRUE(hasSequence(
        lines,
        {"</span></table>", "<body>\r\n<table>\r\n",
         "<thead><tr>\r\n" + td("Moeda do inicio do período de rendimento") + td("Período de Rendimento") +
             td("Rendimento (%)") + td("Moeda do inicio do mês de crédito em conta") +
             td("Mês do crédito em conta") + td("Valor corrigido a partir da base de cálculo") +
             td("Juros") + td("Valor") + "</thead>",
         "</tr>",
         "<tbody><tr>\r\n" + n + n + n + td("Cz$") + td("07/1987") + td("804,00") + n + td("804,00") +
             "</tbody>",
         "</tr>",
         "<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>07/1987<td>&nbsp;<td><div "
         "align=Left>Saque</div><td><div align=Right>-10,00</div></td></td></td></td></td></td></td></td></tr>",
         "<tbody><tr>\r\n" + td("Cz$") + td("07/1987") + td("8,5000") + td("Cz$") + td("08/1987") +
             td("861,49") + n + td("861,49") + "</tbody>",
         "</tr>",
         // The closing row is bold, its empty cells too.
         "<tbody><tr>\r\n" + b("Cz$") + b("08/1987") + b("4,0000") + b("Cz$") + b("") + b("895,95") +
             b("") + b("895,95") + "</tbody>",
         "</tr>", "</table>", kSpan}));
}

TEST(DailyReport, ExtraLinesOnlyForCellsWithText) {
    // A reopened project file leaves one blank in empty cells.
    Window w = oneBresserPlan();
    StringGrid& sheet = w.grid("planilha");
    for (int c = 8; c < 16; ++c) sheet.setCell(c, 1, " ");
    sheet.setCell(12, 2, "50,00");
    sheet.setCell(15, 2, "Plano Verão");
    const Lines lines = build(w);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("<tr>\r\n<td>&nbsp;", 0) == 0; }),
              2);
    EXPECT_TRUE(hasSequence(
        lines,
        {"<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>07/1987<td>&nbsp;<td><div "
         "align=Left>Saque</div><td><div align=Right>-10,00</div></td></td></td></td></td></td></td></td></tr>",
         "<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div "
         "align=Left>Adição - diferença faltante em conta em 07/1987 referente ao plano Plano "
         "Verão</div></b><td><b><div align=Right>50,00</div></b></td></td></td></td></td></td></td></td></tr>"}));
    // A blank ordinary cell is written as a non-breaking space.
    sheet.setCell(4, 2, " ");
    EXPECT_NE(find(build(w), "<tbody><tr>\r\n<td><div align=Right>Cz$</div></td><td><div "
                             "align=Right>07/1987</div></td><td><div align=Right>8,5000</div></td><td><div "
                             "align=Right>Cz$</div></td><td><div align=Right>&nbsp;</div></td><td><div "
                             "align=Right>861,49</div></td><td><div align=Right>&nbsp;</div></td><td><div "
                             "align=Right>861,49</div></td></tbody>"),
              -1);
}

TEST(DailyReport, TrSpreadsheetRowsAndExtraLines) {
    Window w = oneBresserPlan();
    w.setChecked("Rtr", true);
    StringGrid& split = w.grid("planilha2");
    split.setCell(14, 3, "50,00");
    split.setCell(17, 3, "Plano Verão");
    const Lines lines = build(w);
    auto td = [](const std::string& t) { return "<td><div align=Right>" + t + "</div></td>"; };
    const std::string n = "<td><div align=Right>&nbsp;</div></td>";
    EXPECT_TRUE(hasSequence(
        lines,
        {"<tbody><tr>\r\n" + n + n + n + n + n + td("Cz$") + td("07/1987") + td("804,00") + n +
             td("804,00") + "</tbody>",
         "</tr>",
         // Amount after the amortisation: 804,00 + (-10,00).
         "<td><div align=Right>&nbsp;</div></td><td><div align=Right>07/1987</div></td><td><div "
         "align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;</div></td><td><div "
         "align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;</div></td><td><div "
         "align=Left>Saque</div></td><td><div align=Right>-10,00</div></td><td><div "
         "align=Right>&nbsp;</div></td><td><div align=Right>794,00</div></td>",
         "<tbody><tr>\r\n" + td("Cz$") + td("07/1987") + td("7,9602") + td("0,5%") + td("8,5000") +
             td("Cz$") + td("08/1987") + td("861,49") + n + td("861,49") + "</tbody>",
         "</tr>",
         "<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div "
         "align=Left>Adição - diferença faltante em conta em 08/1987 referente ao plano Plano "
         "Verão</div></b><td><b><div "
         "align=Right>50,00</div></b><td>&nbsp;<td>&nbsp;</td></td></td></td></td></td></td></td></td></td></tr>",
         "<tbody><tr>\r\n<td><div align=Right><b>Cz$</b></div></td><td><div "
         "align=Right><b>08/1987</b></div></td><td><div align=Right><b>3,4826</b></div></td><td><div "
         "align=Right><b>0,5%</b></div></td><td><div align=Right><b>4,0000</b></div></td><td><div "
         "align=Right><b>Cz$</b></div></td><td><div align=Right><b></b></div></td><td><div "
         "align=Right><b>895,95</b></div></td><td><div align=Right><b></b></div></td><td><div "
         "align=Right><b>895,95</b></div></td></tbody>",
         "</tr>", "</table>"}));
}

TEST(DailyReport, TrAmortisationLineNeedsTheAmounts) {
    // Without the previous row's amount the description alone writes nothing.
    Window w = oneBresserPlan();
    w.setChecked("Rtr", true);
    w.grid("planilha2").setCell(9, 1, " ");
    const Lines lines = build(w);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("align=Left>Saque") != std::string::npos; }),
              0);
}

TEST(DailyReport, TotalLines) {
    struct Case {
        const char* name;
        bool tr;
        bool interest;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"savings, no interest", false, false,
         {kSpan, "<p>&nbsp;</p>", "<div align=\"Center\">", "<Center>",
          "</br><b>TOTAL  em 08/1987 = 895,95</b>", "<p>&nbsp;</p>", "</Center>", "</div>",
          "<div align=\"Center\">"}},
        {"ORTN/BTN/TR, no interest", true, false,
         {kSpan, "<p>&nbsp;</p>", "<div align=\"Center\">", "<Center>", "<b>TOTAL  em 08/1987 = 895,95</b>",
          "<p>&nbsp;</p>", "</Center>", "</div>"}},
        // 895,95 + 12% = 1.003,464.
        {"savings, period interest", false, true,
         {kSpan, "<p>&nbsp;</p>", "<div align=\"center\">", "<center>", "<b>JUROS</b>",
          "<body>\r\n<table>\r\n",
          "<thead><tr>\r\n<td><div align=Right>Data Inicial</div></td><td><div align=Right>Data "
          "Final</div></td><td><div align=Right>Juros %</div></td><td><div "
          "align=Right>&nbsp;</div></td></thead>",
          "</tr>",
          "<tbody><tr>\r\n<td><div align=Right>01/09/1987</div></td><td><div "
          "align=Right>01/09/1988</div></td><td><div align=Right>1</div></td><td><div "
          "align=Right>12,0000</div></td></tbody>",
          "</tr>",
          "<tbody><tr>\r\n<td><div align=Right>&nbsp;</div></td><td><div "
          "align=Right>&nbsp;</div></td><td><div align=Right>Total</div></td><td><div "
          "align=Right>12,00</div></td></tbody>",
          "</tr>", "</table>", "<p>&nbsp;</p>", "</br><b>TOTAL em 08/1987 = 895,95 X 12,00% = 1.003,46</b>",
          "<p>&nbsp;</p>", "</center>", "</div>", "<div align=\"Center\">"}},
        {"ORTN/BTN/TR, period interest", true, true,
         {"</table>", "<p>&nbsp;</p>", "<b>TOTAL  em 08/1987 = 895,95 X 12,00% = 1.003,46</b>",
          "<p>&nbsp;</p>", "</center>", "</div>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w = oneBresserPlan();
        w.setChecked(c.tr ? "Rtr" : "Rpoup", true);
        if (c.interest) addPeriodInterest(w);
        EXPECT_TRUE(hasSequence(build(w), c.lines));
    }
}

TEST(DailyReport, InterestPercentWithoutDigitAndMissingFinalAmount) {
    Window w = oneBresserPlan();
    addPeriodInterest(w);
    w.grid("STJuros").setCell(3, 2, "");
    w.grid("planilha").setCell(5, 3, "");
    EXPECT_NE(find(build(w), "</br><b>TOTAL em 08/1987 = 0 X 0% = 0,00</b>"), -1);
}

TEST(DailyReport, FeeLines) {
    struct Case {
        const char* name;
        const char* fee;
        bool byValue;
        bool interest;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"percentage", "10,00", false, false,
         {"<div align=\"Center\">", "<Center>", "</br><b>Honorários = 895,95 X 10,00% = 89,60</b>",
          "</br><b>TOTAL + Honorários= 985,55</b>", "<p>&nbsp;</p>", "</Center>", "</div>",
          "<p>&nbsp;</p>", kSpan}},
        // The fee is taken from the unrounded grand total 1.003,464.
        {"percentage after interest", "10,00", false, true,
         {"</br><b>Honorários = 1.003,46 X 10,00% = 100,35</b>",
          "</br><b>TOTAL + Honorários= 1.103,81</b>"}},
        {"amount", "500,00", true, false,
         {"<div align=\"Center\">", "<Center>", "</br><b>Honorários = 500,00</b>",
          "</br><b>TOTAL + Honorários = 1.395,95</b>", "<p>&nbsp;</p>", "</Center>", "</div>"}},
        {"amount after interest", "500,00", true, true,
         {"</br><b>Honorários = 500,00</b>", "</br><b>TOTAL + Honorários = 1.503,46</b>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w = oneBresserPlan();
        w.setChecked("Chono", true);
        w.setChecked(c.byValue ? "Rvalor" : "Rpor", true);
        w.setText("Ehono", c.fee);
        if (c.interest) addPeriodInterest(w);
        EXPECT_TRUE(hasSequence(build(w), c.lines));
    }
}

TEST(DailyReport, FeeUsesTheUnroundedGrandTotal) {
    // F = 1,00 with 0,5% gives G = 1,005, shown as 1,01; half of G is 0,5025.
    Window w = oneBresserPlan();
    w.grid("planilha").setCell(5, 3, "1,00");
    addPeriodInterest(w);
    w.grid("STJuros").setCell(3, 2, "0,50");
    w.setChecked("Chono", true);
    w.setText("Ehono", "50,00");
    EXPECT_TRUE(hasSequence(build(w), {"</br><b>Honorários = 1,01 X 50,00% = 0,50</b>",
                                       "</br><b>TOTAL + Honorários= 1,51</b>"}));
}

TEST(DailyReport, NoFeeLinesWithoutChono) {
    Window w = oneBresserPlan();
    w.setText("Ehono", "500,00");
    const Lines lines = build(w);
    EXPECT_TRUE(hasSequence(lines, {"</div>", "<div align=\"Center\">", "<Center>", "<p>&nbsp;</p>",
                                    "</Center>", "</div>", "<p>&nbsp;</p>", kSpan}));
}

TEST(DailyReport, EndsWithTheFooter) {
    Window w = oneBresserPlan();
    Lines lines = build(w);
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
              (Lines{kSpan, "<tr><td><div align=Justify>São Paulo, 10 de março de 2009.</div></td></tr>",
                     "</span>", "</body></html>"}));
    w.lines("Memo2").clear();
    lines = build(w);
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
              (Lines{"<p>&nbsp;</p>", kSpan, "</span>", "</body></html>"}));
}

TEST(DailyReport, UnreadableNumbersRaiseConversionError) {
    const std::vector<std::pair<std::string, std::string>> cells = {
        {"SSaldo", "1,2,3"}, {"SBase", "--5"}, {"planilha", "1,0,0"}, {"Ehono", "5-"}};
    for (const auto& [where, text] : cells) {
        SCOPED_TRACE(where);
        Window w = oneBresserPlan();
        w.setChecked("Chono", true);
        if (where == "SSaldo") w.grid("SSaldo").setCell(4, 1, text);
        if (where == "SBase") w.grid("SBase").setCell(2, 1, text);
        if (where == "planilha") w.grid("planilha").setCell(5, 3, text);
        if (where == "Ehono") w.setText("Ehono", text);
        EXPECT_THROW(build(w), ConversionError);
    }
}

// ---------------------------------------------------------------------------

class DailyReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("daily_report_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Compares the written file with a reviewed golden file; on a difference
    // the written bytes are left next to the build for inspection.
    void expectGolden(const std::string& path, const std::string& golden) {
        const std::string expected =
            readBytes(std::filesystem::path(EXPURGOS_TEST_DATA) / "golden" / golden);
        const std::string actual = readBytes(path);
        if (actual != expected) {
            const auto keep = std::filesystem::temp_directory_path() / ("actual_" + golden);
            std::filesystem::copy_file(path, keep, std::filesystem::copy_options::overwrite_existing);
            ADD_FAILURE() << golden << " differs; written file kept as " << keep.string();
        }
    }

    std::filesystem::path dir_;
};

// The full document of a savings calculation with period interest and fees.
Window goldenSavings() {
    Window w = oneBresserPlan();
    addPeriodInterest(w);
    w.setChecked("Chono", true);
    w.setText("Ehono", "10,00");
    return w;
}

// The full document of a two-plan ORTN/BTN/TR calculation with a fixed fee.
Window goldenTr() {
    Window w = oneBresserPlan();
    addVerao(w);
    w.setChecked("Rtr", true);
    w.setChecked("Chono", true);
    w.setChecked("Rvalor", true);
    w.setText("Ehono", "500,00");
    return w;
}

TEST_F(DailyReportFile, SavingsLayoutMatchesGoldenFile) {
    const std::string path = writeDailyReport(goldenSavings(), catalogue(), kSettings, dir_.string());
    EXPECT_EQ(std::filesystem::path(path).filename(), "teste.html");
    expectGolden(path, "daily_report_savings.html");
}

TEST_F(DailyReportFile, TrLayoutMatchesGoldenFile) {
    const std::string path = writeDailyReport(goldenTr(), catalogue(), kSettings, dir_.string());
    EXPECT_EQ(std::filesystem::path(path).filename(), "teste2.html");
    expectGolden(path, "daily_report_tr.html");
}

TEST_F(DailyReportFile, FromProgramStateUsesWorkspaceAndFontSettings) {
    AppState app;
    app.main.meudir = dir_.string();
    app.main.cfont = "10";
    app.main.cnomefont = "Verdana";
    app.form2 = oneBresserPlan();
    app.form3.grid("SPlanosini") = catalogue();
    const std::string path = writeDailyReport(app);
    EXPECT_EQ(path, (dir_ / "teste.html").string());
    const std::string bytes = readBytes(path);
    EXPECT_NE(bytes.find("\r\n<span style=\"font-size:10.0pt;font-family:Verdana\">\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n</br> Tabela: Poupan\xE7" "a Di\xE1ria </br>\r\n"), std::string::npos);
}

TEST_F(DailyReportFile, ConversionErrorKeepsThePreviousFile) {
    Window w = oneBresserPlan();
    const std::string path = writeDailyReport(w, catalogue(), kSettings, dir_.string());
    const std::string before = readBytes(path);
    w.grid("SSaldo").setCell(4, 1, "1,2,3");
    EXPECT_THROW(writeDailyReport(w, catalogue(), kSettings, dir_.string()), ConversionError);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

}  // namespace
}  // namespace core
