#include "core/calc/daily/daily_report.hpp"

#include <string_view>

#include "core/calc/calc_text.hpp"
#include "core/calc/daily/interest.hpp"
#include "core/report/html_style.hpp"
#include "core/report/report_buffer.hpp"
#include "core/text/numbers.hpp"

namespace core {
namespace {

using calc::blank;
using calc::digit;
using calc::num;
using calc::T2;
using calc::T4;

// The differences of the two layouts.
struct Layout {
    bool tr = false;             // ORTN/BTN/TR layout
    const char* gridName;        // spreadsheet shown
    int ordinaryCols;            // columns written as the row's cells
    int finalCol;                // column of the final amount in the closing row
    const char* notesInterestHeader;
    const char* totalWithInterest;
    const char* totalWithoutInterest;
};

constexpr Layout kSavings{false, "planilha", 8, 5, "c) Juros remuneratórios (aplicado pelo Banco)",
                          "</br><b>TOTAL em ", "</br><b>TOTAL  em "};
constexpr Layout kTr{true, "planilha2", 10, 7, "c) Juros remuneratórios", "<b>TOTAL  em ",
                     "<b>TOTAL  em "};

// A checked plan: its item index in CPlanos (catalogue row index + 1) and its
// rank k among the checked plans (row k of SSaldo and SBase).
struct CheckedPlan {
    int catalogueRow;
    int k;
};

std::vector<CheckedPlan> checkedPlans(const Window& form2) {
    const Control& list = form2.at("CPlanos");
    std::vector<CheckedPlan> plans;
    int k = 0;
    for (std::size_t i = 0; i < list.items.size() && i < list.ticks.size(); ++i)
        if (list.ticks[i]) plans.push_back({static_cast<int>(i) + 1, ++k});
    return plans;
}

// One table row: "<thead>"/"<tbody>" + "<tr>\r\n" + cells + "</thead>"/"</tbody>".
std::string rowLine(const StringGrid& g, int row, int cols, bool bold) {
    std::string line;
    line.reserve(24 + static_cast<std::size_t>(cols) * 48);
    line += row == 0 ? "<thead>" : "<tbody>";
    line += "<tr>\r\n";
    for (int c = 0; c < cols; ++c) {
        const std::string& t = g.cell(c, row);
        if (bold) {
            line += "<td><div align=Right><b>";
            line += t;
            line += "</b></div></td>";
        } else if (blank(t)) {
            line += "<td><div align=Right>&nbsp;</div></td>";
        } else {
            line += "<td><div align=Right>";
            line += t;
            line += "</div></td>";
        }
    }
    line += row == 0 ? "</thead>" : "</tbody>";
    return line;
}

void addNotesRow(ReportBuffer& re, const Window& form2, const StringGrid& cat, const CheckedPlan& p,
                 bool noInterest) {
    const StringGrid& saldo = form2.grid("SSaldo");
    const StringGrid& base = form2.grid("SBase");
    const int i = p.catalogueRow;

    const long double a = num(saldo.cell(4, p.k));
    const bool divide = cat.cell(1, i) == "01/1989";
    const long double divisor = digit(cat.cell(3, i)) ? num(cat.cell(3, i)) : 1.0L;
    const std::string& bText = cat.cell(6, i);
    const std::string& eText = cat.cell(8, i);

    auto corrected = [&](const std::string& pct) -> long double {
        if (!digit(pct)) return 0.0L;
        const long double x = num(pct);
        long double v = noInterest ? a * (1.0L + x / 100.0L)
                                   : a * (1.0L + (0.5L + 1.005L * x) / 100.0L);
        if (divide) v /= divisor;
        return v;
    };
    const long double d = corrected(bText);
    const long double g = corrected(eText);

    const char* firstInterest = noInterest ? "<td>0,0%</td><td>" : "<td>0,5%</td><td>";
    const char* secondInterest = noInterest ? "%</td><td>0,0%</td><td>" : "%</td><td>0,5%</td><td>";
    re.add("<tr><td>" + cat.cell(1, i) + "</td><td>" + saldo.cell(4, p.k) + "</td><td>" + bText +
           "%</td>" + firstInterest + T2(d) + "</td>" + "<td>" + eText + secondInterest + T2(g) +
           "</td>" + "<td>" + base.cell(2, p.k) + "%</td>" + "<td>" + base.cell(4, p.k) +
           "</td></tr>");
}

// The lines written above a spreadsheet row for its amortisation and for a
// later plan's added difference. A cell counts only when it holds non-blank text.
void addExtraLines(ReportBuffer& re, const StringGrid& g, int r, const Layout& layout) {
    if (!layout.tr) {
        if (!blank(g.cell(8, r)))
            re.add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>" + g.cell(1, r) +
                   "<td>&nbsp;<td><div align=Left>" + g.cell(8, r) + "</div><td><div align=Right>" +
                   g.cell(11, r) + "</div></td></td></td></td></td></td></td></td>" + "</tr>");
        if (!blank(g.cell(12, r)))
            re.add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div "
                   "align=Left>Adição - diferença faltante em conta em " +
                   g.cell(1, r) + " referente ao plano " + g.cell(15, r) +
                   "</div></b><td><b><div align=Right>" + g.cell(12, r) +
                   "</div></b></td></td></td></td></td></td></td></td>" + "</tr>");
        return;
    }
    if (r > 1 && !blank(g.cell(10, r)) && !blank(g.cell(9, r - 1)) && !blank(g.cell(13, r))) {
        const long double afterAmortisation = num(g.cell(9, r - 1)) + num(g.cell(13, r));
        re.add("<td><div align=Right>&nbsp;</div></td><td><div align=Right>" + g.cell(1, r) +
               "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;" +
               "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;" +
               "</div></td><td><div align=Left>" + g.cell(10, r) +
               "</div></td><td><div align=Right>" + g.cell(13, r) +
               "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>" +
               T2(afterAmortisation) + "</div></td>");
    }
    if (!blank(g.cell(14, r)))
        re.add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div "
               "align=Left>Adição - diferença faltante em conta em " +
               g.cell(1, r) + " referente ao plano " + g.cell(17, r) +
               "</div></b><td><b><div align=Right>" + g.cell(14, r) +
               "</div></b><td>&nbsp;<td>&nbsp;</td></td></td></td></td></td></td></td></td></td></tr>");
}

}  // namespace

std::vector<std::string> planExplanation(const Window& form2, const StringGrid& cat, int i, int k,
                                         const ExplanationStyle& style) {
    const StringGrid& saldo = form2.grid("SSaldo");
    const StringGrid& base = form2.grid("SBase");
    ReportBuffer re;

    re.add((style.boldFirstLine ? "<p><tr><td><b>" : "<p><tr><td>") + saldo.cell(0, k) + " - saldo em conta em " +
           saldo.cell(3, k) + "/" + base.cell(1, k) + (style.boldFirstLine ? " = " : " = <b>") + saldo.cell(2, k) +
           saldo.cell(4, k) + "</b></td></tr>");
    re.add("<p><tr><td> Percentual de correção monetária com base na variação da " + cat.cell(5, i) +
           " para " + cat.cell(1, i) + ": " + cat.cell(6, i) + ". </td></tr>");
    re.add("<p><tr><td> Variação com base no " + cat.cell(7, i) + " para " + base.cell(3, k) + ": " +
           cat.cell(8, i) + " </td></tr>");

    const bool hasOfficial = digit(cat.cell(6, i));
    const bool hasRequired = digit(cat.cell(8, i));
    auto withInterest = [&](const std::string& pct) {
        return style.noInterest ? num(pct) : 0.5L + 1.005L * num(pct);
    };
    const char* joined = style.noInterest ? " = " : " + 0,5% de juros = ";
    long double pOfficial = 0.0L;
    long double qRequired = 0.0L;
    if (hasOfficial) {
        pOfficial = withInterest(cat.cell(6, i));
        re.add("<p><tr><td> " + cat.cell(6, i) + joined + T4(pOfficial) + "% </td></tr>");
    }
    if (hasRequired) {
        qRequired = withInterest(cat.cell(8, i));
        re.add("<p><tr><td> " + cat.cell(8, i) + joined + T4(qRequired) + "% </td></tr>");
    }
    if (hasOfficial && hasRequired) {
        const std::string diff = T4(qRequired - pOfficial);
        re.add("<p><tr><td> " + T4(qRequired) + "% - " + T4(pOfficial) + "% = <b>" + diff +
               "%</b> </td></tr>");
        if (digit(cat.cell(3, i)))
            re.add("<p><tr><td> Valor faltante em conta em " + base.cell(3, k) + " = " +
                   saldo.cell(4, k) + "X " + diff + "% : " + cat.cell(3, i) + " = <b>" +
                   cat.cell(9, i) + " " + base.cell(4, k) + "</b></td></tr>");
        else
            re.add("<p><tr><td> Valor faltante em conta em " + base.cell(3, k) + " = " +
                   saldo.cell(4, k) + "X " + diff + "% = <b>" + cat.cell(4, i) + " " +
                   base.cell(4, k) + "</b></td></tr>");
    }
    return re.release();
}

std::string dailyReportFileName(const Window& form2) {
    return form2.checked("Rtr") ? kDailyReportFileTr : kDailyReportFile;
}

std::vector<std::string> buildDailyReport(const Window& form2, const StringGrid& catalogue,
                                          const ReportSettings& settings) {
    const Layout& layout = form2.checked("Rtr") ? kTr : kSavings;
    const std::string span = reportFontSpan(settings.fontSize, settings.fontName);
    const StringGrid& saldo = form2.grid("SSaldo");
    const StringGrid& base = form2.grid("SBase");
    ReportBuffer re;

    // Head, style and the header lines.
    re.add(reportHeadLines(settings.fontSize));
    re.add(span);
    re.add(reportHeaderRows(form2.at("Memo1").lines));

    // Notes table.
    if (form2.checked("Cnotas")) {
        const std::vector<CheckedPlan> plans = checkedPlans(form2);
        re.add(span);
        re.add("</br> Tabela: Poupança Diária </br>");
        re.add("<table>");
        re.add(std::string("<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo Banco</td><td>") +
               layout.notesInterestHeader +
               "</td><td>d) Saldo corrigido (a x (b + c))</td><td>e) INPC-IBGE</td><td>f) Juros "
               "remuneratórios</td><td>g) Saldo corrigido (a x (e + f))</td><td>Percentual "
               "devido</td><td>Diferença devida (g - d)</td></tr>");
        const bool noInterest = !layout.tr && form2.checked("Cnaou");
        for (const CheckedPlan& p : plans) addNotesRow(re, form2, catalogue, p, noInterest);
        re.add("</table></br>");
        if (layout.tr) {
            for (const CheckedPlan& p : plans) re.add(planExplanation(form2, catalogue, p.catalogueRow, p.k));
            re.add("</table>");
            re.add("</span>");
        }
    }

    // The first plan's balance and difference.
    re.add("<tr><td><p>&nbsp;</p></td></tr>");
    re.add("<tr><td><p>&nbsp;</p></td></tr>");
    re.add("<tr><td><b> Valor em conta em " + saldo.cell(1, 1) + " = " + saldo.cell(2, 1) +
           T2(num(saldo.cell(4, 1))) + "</b></td></tr>");
    re.add("<tr><td><b> Diferença faltante em conta no mês seguinte em % = " +
           T4(num(base.cell(2, 1))) + "</b></td></tr>");
    re.add("<p>&nbsp;</p>");
    re.add("</span></table>");

    // Spreadsheet.
    const StringGrid& sheet = form2.grid(layout.gridName);
    const int lastRow = sheet.rowCount() - 1;
    re.add("<body>\r\n<table>\r\n");
    for (int r = 0; r <= lastRow; ++r) {
        addExtraLines(re, sheet, r, layout);
        re.add(rowLine(sheet, r, layout.ordinaryCols, r == lastRow));
        re.add("</tr>");
    }
    re.add("</table>");
    re.add(span);

    // Interest and total.
    const calc::Totals totals = calc::computeTotals(form2, sheet, layout.finalCol);
    const StringGrid& plansGrid = form2.grid("SPlanos");
    const std::string updateMonth =
        plansGrid.rowCount() > 0 ? plansGrid.cell(1, plansGrid.rowCount() - 1) : std::string();
    if (totals.withInterest) {
        const StringGrid& interest = form2.grid("STJuros");
        re.add("<p>&nbsp;</p>");
        re.add("<div align=\"center\">");
        re.add("<center>");
        re.add("<b>JUROS</b>");
        re.add("<body>\r\n<table>\r\n");
        for (int r = 0; r < interest.rowCount(); ++r) {
            re.add(rowLine(interest, r, interest.colCount(), false));
            re.add("</tr>");
        }
        re.add("</table>");
        re.add("<p>&nbsp;</p>");
        re.add(layout.totalWithInterest + updateMonth + " = " + totals.finalAmount + " X " +
               totals.interestPct + "% = " + T2(totals.grandTotal) + "</b>");
        re.add("<p>&nbsp;</p>");
        re.add("</center>");
        re.add("</div>");
    } else {
        re.add("<p>&nbsp;</p>");
        re.add("<div align=\"Center\">");
        re.add("<Center>");
        re.add(layout.totalWithoutInterest + updateMonth + " = " + totals.finalAmount + "</b>");
        re.add("<p>&nbsp;</p>");
        re.add("</Center>");
        re.add("</div>");
    }

    // Fees.
    re.add("<div align=\"Center\">");
    re.add("<Center>");
    if (totals.withFees)
        re.add(reportFeeRows(totals.grandTotal, totals.fee, totals.feeAsPercentage, form2.text("Ehono")));
    re.add("<p>&nbsp;</p>");
    re.add("</Center>");
    re.add("</div>");
    re.add("<p>&nbsp;</p>");

    // Footer.
    re.add(reportFooterRows(span, form2.at("Memo2").lines));
    return re.release();
}

std::string writeDailyReport(const Window& form2, const StringGrid& catalogue,
                             const ReportSettings& settings, const std::string& folder) {
    const ReportBuffer re(buildDailyReport(form2, catalogue, settings));
    const std::string path = folder + "/" + dailyReportFileName(form2);
    re.saveToFile(path);
    return path;
}

std::string writeDailyReport(const AppState& app) {
    return writeDailyReport(app.form2, app.form3.grid("SPlanosini"),
                            ReportSettings{app.main.cfont, app.main.cnomefont}, app.main.meudir);
}

}  // namespace core
