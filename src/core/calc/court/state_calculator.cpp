#include "core/calc/court/state_calculator.hpp"

#include "core/calc/calc_text.hpp"
#include "core/calc/daily/interest.hpp"
#include "core/report/html_style.hpp"
#include "core/report/report_buffer.hpp"
#include "core/state/windows.hpp"
#include "core/tables/table_file.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core::calc {

namespace {

struct StateTable {
    const char* radio;
    const char* file;
    const char* reportLine;
};

constexpr StateTable kTables[] = {
    {"Rtjsp", "Tribunal de Justiça São Paulo.tab",
     "<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>"},
    {"Rtjmg", "tjmgc2.tab", "<tr><td> Tabela: Débitos Judiciais Tribunal de Minas Gerais </td></tr>"},
    {"Rtjdf", "tjdf.tab", "<tr><td> Tabela: Débitos Judiciais Tribunal do Distrito Federal </td></tr>"},
    {"Rencogenexp", "tjmgn.tab", "<tr><td> Tabela: Débitos Judiciais ENCOGE (não expurgada) </td></tr>"},
    {"Rencogeexp", "tjmgc.tab", "<tr><td> Tabela: Débitos Judiciais  ENCOGE (expurgada) </td></tr>"},
};

const StateTable& chosenTable(const Window& w) {
    for (const StateTable& t : kTables)
        if (w.checked(t.radio)) return t;
    return kTables[0];
}

// Index grid row of the month: the last row whose column 0 is the month; -1.
int lastRowOf(const StringGrid& table, const std::string& month) {
    int row = -1;
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.cell(0, r) == month) row = r;
    return row;
}

// The currency of a month followed by one blank; empty without such row.
std::string currencyOf(const StringGrid& table, const std::string& month) {
    const int r = lastRowOf(table, month);
    return r < 0 ? std::string() : table.cell(2, r) + " ";
}

// The factor text of a month; a missing or zero factor refuses the calculation.
const std::string& factorOf(const StringGrid& table, const std::string& month) {
    const int r = lastRowOf(table, month);
    static const std::string none;
    const std::string& f = r < 0 ? none : table.cell(1, r);
    if (!digit(f) || num(f) == 0) throw CalcRefused("A data " + month + " não existe na tabela, atualize o índice");
    return f;
}

const std::string& updateMonth(const Window& w) {
    const StringGrid& sp = w.grid("SPlanos");
    return sp.cell(1, sp.rowCount() - 1);
}

void checkFactors(const Window& w, const StringGrid& table) {
    const StringGrid& base = w.grid("SBase");
    for (int k = 1; k < w.grid("SSaldo").rowCount(); ++k) factorOf(table, base.cell(3, k));
    factorOf(table, updateMonth(w));
}

int wholeMonths(const std::string& start, const std::string& end) {
    DateSpan s = EntreDatas(parseDate(start), parseDate(end));
    return s.years * 12 + s.months;
}

}  // namespace

std::string stateTableName(const Window& form5) { return chosenTable(form5).file; }

void stateCorrection(AppState& app, UserInterface& ui) {
    Window& w = app.form5;
    StringGrid& idx = app.main.indice;
    idx.clearAll();
    idx.setRowCount(2);
    idx.setColCount(1);
    const std::string name = stateTableName(w);
    const std::string path = workspaceFile(app.main.meudir, name);
    if (fileExists(path))
        resetAndLoad(path, idx);
    else
        ui.message("A tabela " + name + " não existe.");
    checkFactors(w, idx);

    const StringGrid& saldo = w.grid("SSaldo");
    const StringGrid& base = w.grid("SBase");
    StringGrid& p = w.grid("planilha");
    const int n = saldo.rowCount() - 1;
    p.setRowCount(n + 2);
    const std::string& U = updateMonth(w);
    const bool tjsp = w.checked("Rtjsp");
    long double total = 0;
    for (int k = 1; k <= n; ++k) {
        const std::string dd = formatfloatx("00", StrToInt(blank(saldo.cell(3, k)) ? "1" : saldo.cell(3, k)));
        const std::string& B = base.cell(3, k);
        p.clearRow(k);
        p.setCell(0, k, dd + "/" + B);
        p.setCell(1, k, dd + "/" + U);
        p.setCell(2, k, currencyOf(idx, B) + base.cell(4, k));
        const std::string& cB = factorOf(idx, B);
        const std::string& cU = factorOf(idx, U);
        p.setCell(3, k, tjsp ? ":" + cB + " X " + cU : formatfloatx("#,##0.0000000", num(cU) / num(cB)));
        p.setCell(4, k, T2(num(p.cell(2, k)) / num(cB) * num(cU)));
        total += num(p.cell(4, k));
    }
    p.clearRow(n + 1);
    p.setCell(3, n + 1, "Total");
    p.setCell(4, n + 1, currencyOf(idx, U) + T2(total));
}

std::vector<std::string> buildStateReport(const Window& w, const StringGrid& cat, const StringGrid& idx,
                                          const ReportSettings& settings) {
    checkFactors(w, idx);
    const std::string& S = settings.fontSize;
    const std::string& N = settings.fontName;
    const std::string span = reportFontSpan(S, N);
    const std::string fontTable = "<table border =0 span style=\"font-size:" + S + ".0pt;font-family:" + N + "\">";
    const StringGrid& p = w.grid("planilha");
    const StringGrid& saldo = w.grid("SSaldo");
    ReportBuffer re;

    re.add("<html><head>\r\n<title>Atualização</title>\r\n</head>");
    re.add("<body>");
    re.add(span);
    re.add(fontTable);
    for (const std::string& line : w.at("Memo1").lines)
        re.add("<tr><td><div align=Justify><b>" + line + "</b></div></td></tr>");
    re.add("</table></span>");

    if (w.checked("Cnotas")) {
        re.add(span);
        re.add("<tr><td></td></tr>\r");
        const ExplanationStyle style{true, w.checked("Cnaou")};
        for (int k = 1; k < saldo.rowCount(); ++k) {
            const int i = catalogueRow(cat, saldo.cell(0, k));
            if (i >= 0) re.add(planExplanation(w, cat, i, k, style));
        }
        re.add("</span>");
    }
    re.add("<p>&nbsp;</p>");
    re.add("</span></table>");
    re.add(fontTable);

    const int last = p.rowCount() - 1;
    for (int r = 0; r <= last; ++r) {
        std::string cells = "<tr>\r\n";
        for (int c = 0; c < p.colCount(); ++c)
            cells += r == last ? "<td><div align=Right><b>" + p.cell(c, r) + "</b></div></td>"
                               : "<td><div align=Right>" + p.cell(c, r) + "</div></td>";
        re.add(cells);
        re.add("</tr>");
    }
    re.add("</table>");
    re.add(span);
    re.add(chosenTable(w).reportLine);
    re.add("</span>");

    // Interest, computed on the total text T (currency and amount).
    const std::string& tText = p.cell(4, last);
    const std::string T = digit(tText) ? tText : "0";
    const long double t = num(T);
    long double V = t;
    const bool compound = w.checked("Cjc");
    if (compound) {
        const std::string& start = w.text("Datejurcompinicial");
        const std::string& end = w.text("Datejurcompfinal");
        const CompoundInterest ci = JuroCompostox(t, num(w.text("Ejurcomp")), parseDate(start), parseDate(end));
        V = num(ci.amount) + t;
        const int n = wholeMonths(start, end);
        re.add("</br></br>");
        re.add(span);
        re.add(n > 1 ? "<p><b>JUROS REMUNERATÓRIOS</p><p>De" + start + " a " + end + ": " + std::to_string(n) +
                           "(meses) x " + w.text("Ejurcomp") + "% = " + ci.percentage +
                           "%</b></p><p><b>VALOR DOS JUROS: " + T + " x " + ci.percentage + "% = " + ci.amount +
                           "</b></p>"
                     : std::string());
        re.add("<b>TOTAL = " + ci.amount + " + " + T + " = " + T2(V) + "</b>");
        re.add("</span>");
    }
    const StringGrid& st = w.grid("STJuros");
    const bool moratory = digit(st.cell(2, 1));
    if (moratory) {
        ReportBuffer periods;
        long double M = 0;
        for (int r = 1; r < st.rowCount(); ++r) {
            if (!digit(st.cell(0, r))) continue;
            const int n = wholeMonths(st.cell(0, r), st.cell(1, r));
            periods.add("</br></br>");
            if (n > 1) {
                const std::string pct = T2(num(st.cell(2, r)) * n);
                M += num(pct);
                periods.add("<b>De " + st.cell(0, r) + " a " + st.cell(1, r) + ": " + std::to_string(n) +
                            "(meses) x " + st.cell(2, r) + "% = " + pct + "%</b>");
            } else {
                periods.add(std::string());
            }
        }
        const long double base = compound ? V : t;
        V = base * (1 + M / 100);
        re.add("</br></br>");
        re.add("<div align=\"Rigth\">");
        re.add(span);
        re.add("<b>JUROS MORATÓRIOS</b>");
        re.add(periods.texts());
        re.add(span);
        re.add("</br></br>");
        if (compound)
            re.add("<b>VALOR DOS JUROS MORATÓRIOS = " + T2(base) + " X " + T2(M) + "% = " + T2(base * M / 100) + "</b>");
        else
            re.add("<b>VALOR DOS JUROS MORATÓRIOS = " + T + " X " + T2(M) + "% = " + currencyOf(idx, updateMonth(w)) +
                   T2(t * M / 100) + "</b>");
        re.add("</br></br>");
        re.add("<b>VALOR DEVIDO (TOTAL + JUROS) = " + T2(V) + "</b>");
        re.add("</span>");
        re.add("</center>");
        re.add("</div>");
    }
    if (!compound && !moratory) {
        re.add("</br></br>");
        re.add("<div align=\"Center\">");
        re.add("<Center>");
        re.add(span);
        re.add("<b>TOTAL = " + T + "</b>");
        re.add("</Center>");
        re.add("</div>");
        re.add("</span>");
    }

    if (w.checked("Chono")) {
        const long double e = num(w.text("Ehono"));
        re.add(span);
        if (w.checked("Rpor")) {
            const long double fee = V * e / 100;
            re.add("</br></br><b>HONORÁRIOS = " + T2(V) + " X " + w.text("Ehono") + "% = " + T2(fee) + "</b>");
            re.add("</br><b>VALOR DEVIDO + HONORÁRIOS = " + T2(V + fee) + "</b>");
        } else {
            re.add("</br></br><b>Honorários = " + T2(e) + "</b>");
            re.add("</br><b>TOTAL + Honorários = " + T2(V + e) + "</b>");
        }
        re.add("</span>");
    }

    re.add("</br></br>");
    re.add("<table style=\"font-size:" + S + ".0pt;font-family:" + N + "\">");
    for (const std::string& line : w.at("Memo2").lines)
        re.add("<tr><td><div align=Justify>" + line + "</div></td></tr>");
    re.add("</span></table>");
    re.add("</body></html>");
    return re.texts();
}

std::string writeStateReport(const AppState& app) {
    const ReportBuffer re(buildStateReport(app.form5, app.form3.grid("SPlanosini"), app.main.indice,
                                           ReportSettings{app.main.cfont, app.main.cnomefont}));
    const std::string path = workspaceFile(app.main.meudir, kStateReportFile);
    re.saveToFile(path);
    return path;
}

const DailyWizardSpec kStateSpec{
    &AppState::form5, makeForm5, 5,
    /*rebuildPlansOnNext*/ true, /*plansByName*/ true, /*requireTicks*/ false, /*trOption*/ false,
    /*checkMonths*/ false, BalanceCurrency::StateTable, /*amortisation*/ false,
    /*chooseTable*/ nullptr, /*periodInterestStep*/ -1, /*percentSuffix*/ false, /*sheetStep*/ -1, SheetOptions{},
    /*correct*/ stateCorrection, /*correctionStep*/ 4, /*backupOnLastStep*/ std::nullopt,
    /*prepareSheet*/ false, /*splitSheet*/ false, writeStateReport, RecordKind::State,
    /*snapshotOption*/ "Form5", /*threeInterestColumns*/ true, /*onShow*/ nullptr,
};

}  // namespace core::calc
