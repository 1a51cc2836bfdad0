#include "core/calc/court/month_calculators.hpp"

#include "core/calc/calc_text.hpp"
#include "core/calc/daily/interest.hpp"
#include "core/report/html_style.hpp"
#include "core/report/report_buffer.hpp"
#include "core/state/windows.hpp"
#include "core/tables/table_file.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core::calc {

namespace {

constexpr const char* kMissingTable = "tabela inexistente - faça a atualização das tabelas";

constexpr SheetOptions kCourtSheet{/*applyPurgeGrid*/ false, /*percentInterest*/ true, /*divideCarried*/ false};

// The head and style of the month-by-month report: the shared style sheet
// with relative/static positions and a plain head.
std::vector<std::string> monthHeadLines(const std::string& size) {
    std::vector<std::string> shared = reportHeadLines(size);
    std::vector<std::string> out{
        "<html><head><title>Atualização</title>",
        "<meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed footer; freeze header; CSS "
        "tips; print repeating headers; print repeating footers\">",
    };
    for (std::size_t i = 3; i < shared.size(); ++i) {
        std::string line = shared[i];
        if (line == ".quebrapagina {   page-break-before: always;}") break;
        if (line == "\tposition:fixed;") line = "\tposition:relative;";
        else if (line == "table tfoot tr {") line = "table tfoot tr { ";
        else if (line == "      position: fixed;") line = "      position: relative;";
        else if (line.find("0 - parentNode.parentNode.offsetHeight offsetParent") != std::string::npos)
            line = "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight + "
                   "offsetParent.offsetHeight + offsetParent.scrollTop : 0);";
        else if (line == "thead th, thead td\t{position: fixed; }") line = "thead th, thead td\t{position: static; }";
        else if (line == "thead tr\t{position: fixed; } /*prevent problem if print after scrolling table*/")
            line = "thead tr\t{position: static; } /*prevent problem if print after scrolling table*/";
        else if (line == "table tfoot tr {     position: fixed;    }") line = "table tfoot tr {     position: static;    }";
        out.push_back(line);
    }
    out.push_back("</style></head> ");
    out.push_back("<body>");
    return out;
}

// The federal report keeps the shared style sheet as it is.
std::vector<std::string> federalHeadLines(const std::string& size) {
    std::vector<std::string> out{"<html><head><title>Atualização</title>"};
    for (std::string& line : reportHeadLines(size)) out.push_back(std::move(line));
    out.push_back("</style></head> ");
    out.push_back("<body>");
    return out;
}

std::string notesTableLine(const Window& w) {
    const std::string& caption = w.caption();
    if (caption == kCaptionSaoPaulo)
        return "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) </td></tr>\r";
    if (caption == kCaptionMinas)
        return w.checked("Cencoge") ? "<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>\r"
                                    : "<tr><td> Índices usados: OTN/BTN/TR/IPC-r/INPC </td></tr>\r";
    if (caption == kCaptionParana)
        return "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI </td></tr>\r";
    if (caption == kCaptionParanaNotPurged)
        return "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI (tabela não expurgada: IPC 12/88 "
               "70,28 - IPC 01/89 42,72 - IPC 03/90 84,32 - IPC 04/90 44,80)</p></td></tr>\r";
    return {};
}

// The demonstration of the differences: one row per plan row of SSaldo, the
// plan's catalogue row found by its name.
void addDemonstration(ReportBuffer& re, const Window& w, const StringGrid& cat) {
    const StringGrid& saldo = w.grid("SSaldo");
    const StringGrid& base = w.grid("SBase");
    const bool noInterest = w.checked("Cnaou");
    re.add("<table>");
    re.add("<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo Banco</td><td>c) Juros "
           "remuneratórios</td><td>d) Saldo corrigido (a x (b + c))</td><td>e) INPC-IBGE</td><td>f) Juros "
           "remuneratórios</td><td>g) Saldo corrigido (a x (e + f))</td><td>Percentual devido</td><td>Diferença "
           "devida (g - d)</td></tr>");
    for (int k = 1; k < saldo.rowCount(); ++k) {
        const int i = catalogueRow(cat, saldo.cell(0, k));
        if (i < 0) continue;
        const std::string& m = cat.cell(1, i);
        const long double a = num(saldo.cell(4, k));
        const long double c = digit(cat.cell(3, i)) ? num(cat.cell(3, i)) : 1.0L;
        auto corrected = [&](const std::string& pct) -> long double {
            if (!digit(pct)) return 0.0L;
            const long double x = num(pct);
            long double v = noInterest ? a * (x / 100 + 1) : a * ((x * 1.005L + 0.5L) / 100 + 1);
            if (m == "01/1989") v /= c;
            return v;
        };
        const std::string& b = cat.cell(6, i);
        const std::string& e = cat.cell(8, i);
        re.add("<tr><td>" + m + "</td><td>" + saldo.cell(4, k) + "</td><td>" + b + "%</td>" +
               (noInterest ? "<td>0,0%</td><td>" : "<td>0,5%</td><td>") + T2(corrected(b)) + "</td>" + "<td>" + e +
               (noInterest ? "%</td><td>0,0%</td><td>" : "%</td><td>0,5%</td><td>") + T2(corrected(e)) + "</td>" +
               "<td>" + base.cell(2, k) + "%</td>" + "<td>" + base.cell(4, k) + "</td></tr>");
    }
    re.add("</table></br>");
}

std::string cellsLine(const StringGrid& g, int row, int cols, bool bold) {
    std::string line;
    for (int c = 0; c < cols; ++c)
        line += bold ? "<td><div align=Right><b>" + g.cell(c, row) + "&nbsp;</b></div></td>"
                     : "<td><div align=Right>" + g.cell(c, row) + "&nbsp;</div></td>";
    return line;
}

void addSpreadsheet(ReportBuffer& re, const StringGrid& p, const std::string& style) {
    re.add("<body>\r\n<table border =0  span " + style + "\r\n");
    const int last = p.rowCount() - 1;
    for (int r = 0; r <= last; ++r) {
        // A blank cell (a reopened file writes a blank for an empty one) adds nothing.
        if (!blank(p.cell(8, r)))
            re.add("<tr>\r\n<td><td><td><td><td>" + p.cell(1, r) + "&nbsp;<td><td><div align=Left>" + p.cell(8, r) +
                   "&nbsp;</div><td><div align=Right>" + p.cell(11, r) +
                   "&nbsp;</div></td></td></td></td></td></td></td></td>" + "</tr>");
        if (!blank(p.cell(12, r)))
            re.add("<tr>\r\n<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença faltante em conta em " +
                   p.cell(1, r) + "&nbsp; referente ao plano " + p.cell(15, r) +
                   "&nbsp;</div></b><td><b><div align=Right>" + p.cell(12, r) +
                   "&nbsp;</div></b></td></td></td></td></td></td></td></td>" + "</tr>");
        const std::string cells = cellsLine(p, r, 8, r == last);
        re.add(r == 0 ? "<thead><tr>\r\n" + cells + "</tr></thead>" : "<tr>\r\n" + cells + "</tr>");
    }
    re.add("</table>");
}

// The interest block or the plain total; returns the grand total G.
long double addTotal(ReportBuffer& re, const Window& w, const std::string& style) {
    const StringGrid& p = w.grid("planilha");
    const std::string& a = p.cell(5, p.rowCount() - 1);
    const std::string A = digit(a) ? a : "0";
    const StringGrid& st = w.grid("STJuros");
    if (!digit(st.cell(2, 1))) {
        re.add("<p>&nbsp;</p>");
        re.add("<div align=\"Center\">");
        re.add("<Center>");
        re.add("<b>TOTAL = " + A + "</b>");
        re.add("<p>&nbsp;</p>");
        re.add("</Center>");
        re.add("</div>");
        return num(A);
    }
    re.add("<p>&nbsp;</p>");
    re.add("<div align=\"center\">");
    re.add("<center>");
    re.add("<b>JUROS</b>");
    re.add("<body>\r\n<table border =1 span " + style + "\r\n");
    for (int r = 0; r < st.rowCount(); ++r) {
        re.add("<tr>\r\n" + cellsLine(st, r, st.colCount(), false));
        re.add("</tr>");
    }
    re.add("</table>");
    re.add("<p>&nbsp;</p>");
    const std::string& pText = st.cell(3, st.rowCount() - 1);
    const std::string P = digit(pText) ? pText : "0";
    const long double G = num(P) * num(A) / 100 + num(A);
    re.add("<b>TOTAL = " + A + " X " + P + " = " + T2(G) + "</b>");
    re.add("<p>&nbsp;</p>");
    re.add("</center>");
    re.add("</div>");
    return G;
}

std::string writeReport(const Window& w, const AppState& app, MonthReportKind kind, const char* file) {
    const ReportBuffer re(buildMonthReport(w, app.form3.grid("SPlanosini"),
                                           ReportSettings{app.main.cfont, app.main.cnomefont}, kind));
    const std::string path = workspaceFile(app.main.meudir, file);
    re.saveToFile(path);
    return path;
}

}  // namespace

std::string monthByMonthTable(const Window& w) {
    if (w.caption() == kCaptionSaoPaulo) return "tjsp.tab";
    if (w.caption() == kCaptionMinas) return w.checked("Cencoge") ? "tjmg.tab" : "tjmg1.tab";
    return {};
}

void indicesab(AppState& app, UserInterface& ui) {
    const std::string table = monthByMonthTable(app.formTjspD);
    if (table.empty()) return;
    const std::string path = workspaceFile(app.main.meudir, table);
    if (!fileExists(path)) {
        ui.message(kMissingTable);
        return;
    }
    resetAndLoad(path, app.main.indice);
}

void showEncogeChoice(AppState&, Window& w) {
    const bool minas = w.caption() == kCaptionMinas;
    w.at("Cencoge").visible = minas;
    w.at("Cencogeexp").visible = minas;
    if (!minas) w.at("Cencoge").checked = false;
}

std::vector<std::string> buildMonthReport(const Window& w, const StringGrid& cat, const ReportSettings& settings,
                                          MonthReportKind kind) {
    const bool federal = kind == MonthReportKind::Federal;
    const std::string& F = settings.fontSize;
    const std::string span = reportFontSpan(F, settings.fontName);
    const std::string style = "style=\"font-size:" + F + ".0pt;font-family:" + settings.fontName + "\">";
    const StringGrid& saldo = w.grid("SSaldo");
    const StringGrid& base = w.grid("SBase");
    ReportBuffer re;

    re.add(federal ? federalHeadLines(F) : monthHeadLines(F));
    re.add(span);
    re.add(reportHeaderRows(w.at("Memo1").lines));

    if (w.checked("Cnotas")) {
        re.add(span);
        if (federal) {
            re.add("<tr><td> Índices usados: Justiça Federal (OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r");
            for (int k = 1; k < saldo.rowCount(); ++k) {
                const int i = catalogueRow(cat, saldo.cell(0, k));
                if (i >= 0) re.add(planExplanation(w, cat, i, k));
            }
            re.add("</span>");
        } else {
            const std::string line = notesTableLine(w);
            if (!line.empty()) re.add(line);
            re.add("</br></br> DEMONSTRATIVO DAS DIFERENÇAS DEVIDAS </br></br>");
            addDemonstration(re, w, cat);
        }
    }

    re.add("<tr><td><p>&nbsp;</p></td></tr>");
    if (federal) {
        re.add("<tr><td><p>&nbsp;</p></td></tr>");
        re.add("<tr><td><b> Valor em conta em " + saldo.cell(1, 1) + " = " + saldo.cell(2, 1) +
               T2(num(saldo.cell(4, 1))) + "</b></td></tr>");
        re.add("<tr><td><b> Diferença faltante em conta no mês seguinte em % = " + T4(num(base.cell(2, 1))) +
               "</b></td></tr>");
    }
    re.add("<p>&nbsp;</p>");

    addSpreadsheet(re, w.grid("planilha"), style);
    re.add(span);
    const long double G = addTotal(re, w, style);

    if (federal) {
        re.add("<p>&nbsp;</p>");
    } else {
        re.add("<p>&nbsp;<p/>");
        re.add("<div align=\"Center\">");
        re.add("<Center>");
        if (w.checked("Chono")) {
            const long double e = num(w.text("Ehono"));
            const bool percent = w.checked("Rpor");
            re.add(reportFeeRows(G, percent ? G * e / 100 : e, percent, w.text("Ehono")));
        }
    }

    re.add(reportFooterRows(span, w.at("Memo2").lines));
    return re.texts();
}

std::string writeMonthReport(const AppState& app) {
    return writeReport(app.formTjspD, app, MonthReportKind::MonthByMonth, kMonthReportFile);
}

std::string writeFederalReport(const AppState& app) {
    return writeReport(app.formJf, app, MonthReportKind::Federal, kFederalReportFile);
}

const DailyWizardSpec kMonthByMonthSpec{
    &AppState::formTjspD, makeFormTjspD, 6,
    /*rebuildPlansOnNext*/ true, /*plansByName*/ true, /*requireTicks*/ false, /*trOption*/ false,
    /*checkMonths*/ true, BalanceCurrency::IndexGrid, /*amortisation*/ true,
    /*chooseTable*/ indicesab, /*periodInterestStep*/ 4, /*percentSuffix*/ true, /*sheetStep*/ 5, kCourtSheet,
    /*correct*/ nullptr, /*correctionStep*/ -1, /*backupOnLastStep*/ std::nullopt,
    /*prepareSheet*/ true, /*splitSheet*/ false, writeMonthReport, RecordKind::MonthByMonth,
    /*snapshotOption*/ nullptr, /*threeInterestColumns*/ false, /*onShow*/ showEncogeChoice,
};

const DailyWizardSpec kFederalSpec{
    &AppState::formJf, makeFormJf, 6,
    /*rebuildPlansOnNext*/ false, /*plansByName*/ true, /*requireTicks*/ false, /*trOption*/ false,
    /*checkMonths*/ true, BalanceCurrency::IndexGrid, /*amortisation*/ true,
    /*chooseTable*/ nullptr, /*periodInterestStep*/ 4, /*percentSuffix*/ true, /*sheetStep*/ 5, kCourtSheet,
    /*correct*/ nullptr, /*correctionStep*/ -1, /*backupOnLastStep*/ std::nullopt,
    /*prepareSheet*/ true, /*splitSheet*/ false, writeFederalReport, RecordKind::Federal,
    /*snapshotOption*/ "Form_jf", /*threeInterestColumns*/ false, /*onShow*/ nullptr,
};

}  // namespace core::calc
