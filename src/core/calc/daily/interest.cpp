#include "core/calc/daily/interest.hpp"

#include "core/calc/calc_text.hpp"
#include "core/tables/table_file.hpp"
#include "core/text/errors.hpp"

namespace core::calc {

std::string juros(long double rate, const Date& start, const Date& end, bool proRata) {
    DateSpan span = EntreDatas(start, end);
    long double months = span.years * 12 + span.months;
    long double part = proRata ? rate / 30 * span.days : 0;
    return T4(part + rate * months);
}

void computePeriodInterest(Window& w) { computePeriodInterest(w, false); }

void computePeriodInterest(Window& w, bool percentSuffix) {
    const char* suffix = percentSuffix ? "%" : "";
    StringGrid& g = w.grid("STJuros");
    if (!digit(g.cell(0, 1))) return;
    g.setColCount(4);
    const bool proRata = w.checked("Cprorata");
    for (int r = 1; r < g.rowCount(); ++r) {
        if (!digit(g.cell(0, r)) || !digit(g.cell(1, r)) || !digit(g.cell(2, r))) continue;
        Date start = parseDate(g.cell(0, r));
        if (r == 1) g.setCell(0, r, formatDate(start));
        g.setCell(3, r, juros(num(g.cell(2, r)), start, parseDate(g.cell(1, r)), proRata) + suffix);
    }
    for (int r = g.rowCount() - 1; r >= 1; --r)
        if (!digit(g.cell(0, r)) && !digit(g.cell(1, r))) RemoveLinha(g, r);

    long double sum = 0;
    for (int r = 1; r < g.rowCount(); ++r)
        if (digit(g.cell(3, r))) sum += num(g.cell(3, r));
    const int total = g.rowCount();
    g.setRowCount(total + 1);
    // The new row may show cells of a row removed above: it starts empty.
    g.clearRow(total);
    g.setCell(2, total, "Total");
    g.setCell(3, total, T2(sum) + suffix);
}

void rebuildAmortisationMonths(Window& w) {
    const StringGrid& sp = w.grid("SPlanos");
    StringGrid& a = w.grid("amortizacao");
    auto first = tryParseMonth(sp.cell(1, 1));
    auto update = tryParseMonth(sp.cell(1, sp.rowCount() - 1));
    if (!first) throw ConversionError("'" + sp.cell(1, 1) + "' não é uma data válida");
    if (!update) throw ConversionError("'" + sp.cell(1, sp.rowCount() - 1) + "' não é uma data válida");
    for (int n = 1;; ++n) {
        Date m = addMonths(*first, n);
        a.setCell(0, n, formatMonth(m));
        if (!a.setRowCount(n + 1)) throw ConversionError("A lista de meses excede o número máximo de linhas");
        if (!(m < *update)) break;
    }
}

Totals computeTotals(const Window& w, const StringGrid& sheet, int finalColumn) {
    Totals t;
    const std::string& f = sheet.cell(finalColumn, sheet.rowCount() - 1);
    t.finalAmount = digit(f) ? f : "0";
    const long double F = num(t.finalAmount);
    const StringGrid& st = w.grid("STJuros");
    if (digit(st.cell(2, 1))) {
        t.withInterest = true;
        const std::string& p = st.cell(3, st.rowCount() - 1);
        t.interestPct = digit(p) ? p : "0";
        t.grandTotal = F + F * num(t.interestPct) / 100;
    } else {
        t.grandTotal = F;
    }
    if (w.checked("Chono") && (w.checked("Rpor") || w.checked("Rvalor"))) {
        t.withFees = true;
        t.feeAsPercentage = w.checked("Rpor");
        const long double e = num(w.text("Ehono"));
        t.fee = t.feeAsPercentage ? e / 100 * t.grandTotal : e;
    }
    return t;
}

CompoundInterest JuroCompostox(long double amount, long double rate, const Date& start, const Date& end) {
    DateSpan span = EntreDatas(start, end);
    int n = span.years * 12 + span.months;
    CompoundInterest ci;
    ci.percentage = T2((Pot(n, 1 + rate / 100) - 1) * 100);
    ci.amount = T2(num(ci.percentage) * amount / 100);
    return ci;
}

}  // namespace core::calc
