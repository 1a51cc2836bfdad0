#include "core/calc/daily/daily_sheet.hpp"

#include <unordered_map>

#include "core/calc/calc_text.hpp"
#include "core/tables/table_file.hpp"
#include "core/text/errors.hpp"

namespace core::calc {

namespace {

Date monthOf(std::string_view text) {
    if (auto d = tryParseMonth(text)) return *d;
    throw ConversionError("'" + std::string(text) + "' não é uma data válida");
}

Date dateOf(std::string_view text) { return parseDate(text); }

long double divide(long double a, long double b) {
    if (b == 0) throw ConversionError("Divisão por zero: divisor de moeda igual a 0");
    return a / b;
}

// The amortisation grid's rows by month: for each month, the first row dated
// in it whose amount holds a digit.
class AmortisationIndex {
public:
    explicit AmortisationIndex(const StringGrid& amort) : amort_(amort) {
        for (int a = 1; a < amort.rowCount(); ++a)
            if (digit(amort.cell(2, a))) rows_.emplace(amort.cell(0, a), a);
    }
    const StringGrid& grid() const { return amort_; }
    int row(const std::string& month) const {
        auto it = rows_.find(month);
        return it == rows_.end() ? -1 : it->second;
    }

private:
    const StringGrid& amort_;
    std::unordered_map<std::string, int> rows_;  // emplace keeps the first row of a month
};

void applyAmortisation(StringGrid& p, const AmortisationIndex& index, int r) {
    const StringGrid& amort = index.grid();
    int a = index.row(p.cell(4, r - 1));
    if (a >= 0) {
        p.setCell(8, r, amort.cell(1, a));
        p.setCell(11, r, T2(num(amort.cell(2, a))));
    }
    if (!digit(p.cell(11, r))) p.setCell(11, r, "0");
}

// Column 5 of row r from the previous row's "Valor + Juros", less the row's
// amortisation, plus an added difference, with one month of yield and the
// currency divisor.
void carryForward(StringGrid& p, int r, long double h) {
    long double carried = num(p.cell(7, r - 1)) - num(p.cell(11, r));
    if (digit(p.cell(12, r))) carried += num(p.cell(12, r));
    p.setCell(5, r, T2(divide(carried * (1 + num(p.cell(2, r)) / 100), h)));
}

void applyMonthInterest(StringGrid& p, int r) {
    p.setCell(7, r, T2(num(p.cell(5, r)) * (1 + num(p.cell(6, r)) / 100)));
}

}  // namespace

int catalogueRow(const StringGrid& catalogue, std::string_view planName) {
    for (int r = 1; r < catalogue.rowCount(); ++r)
        if (catalogue.cell(0, r) == planName) return r;
    return -1;
}

long double catalogueDivisor(const StringGrid& catalogue, std::string_view planName) {
    int r = catalogueRow(catalogue, planName);
    if (r < 0 || !digit(catalogue.cell(3, r))) return 1;
    return num(catalogue.cell(3, r));
}

const std::string& lastTableMonth(const StringGrid& indice) {
    return indice.cell(0, indice.rowCount() - 1);
}

void rebuildPlanList(Window& w, const DailyTables& t) { rebuildPlanList(w, t, false); }

void rebuildPlanList(Window& w, const DailyTables& t, bool byName) {
    StringGrid& sp = w.grid("SPlanos");
    const Control& plans = w.at("CPlanos");
    const std::string previous = sp.cell(1, sp.rowCount() - 1);

    sp.setRowCount(t.catalogue.rowCount() + 1);
    sp.setColCount(3);
    for (int r = 1; r < sp.rowCount(); ++r) sp.clearRow(r);
    auto ticked = [&](int i) {
        if (!byName) {
            std::size_t item = static_cast<std::size_t>(i - 1);
            return item < plans.ticks.size() && plans.ticks[item];
        }
        for (std::size_t j = 0; j < plans.items.size() && j < plans.ticks.size(); ++j)
            if (plans.ticks[j] && plans.items[j] == t.catalogue.cell(0, i)) return true;
        return false;
    };
    for (int i = 1; i < t.catalogue.rowCount(); ++i)
        if (ticked(i))
            for (int c = 0; c < 3; ++c) sp.setCell(c, i, t.catalogue.cell(c, i));
    const int last = sp.rowCount() - 1;
    sp.setCell(0, last, "Atualizar até");
    sp.setCell(1, last, digit(previous) ? previous : lastTableMonth(t.indice));

    for (int r = sp.rowCount() - 2; r >= 1; --r)
        if (!digit(sp.cell(1, r))) RemoveLinha(sp, r);

    const int n = sp.rowCount() - 2;
    StringGrid& base = w.grid("SBase");
    base.setRowCount(n + 1);
    const Control* cnaou = w.find("Cnaou");
    const bool withoutInterest = cnaou && cnaou->checked;
    for (int k = 1; k <= n; ++k) {
        base.setCell(0, k, sp.cell(0, k));
        base.setCell(1, k, sp.cell(1, k));
        const std::string& pct = sp.cell(2, k);
        base.setCell(2, k, withoutInterest ? formatfloatx("0.0000", num(pct) / 1.005L) : pct);
        base.setCell(3, k, formatMonth(addMonths(monthOf(sp.cell(1, k)), 1)));
    }
    sp.setColCount(2);
}

void computeDifferences(Window& w, const DailyTables& t) {
    StringGrid& saldo = w.grid("SSaldo");
    StringGrid& base = w.grid("SBase");
    for (int k = 1; k < saldo.rowCount(); ++k) {
        if (blank(saldo.cell(3, k))) saldo.setCell(3, k, "1");
        if (blank(saldo.cell(4, k))) saldo.setCell(4, k, "0,00");
        if (blank(base.cell(2, k))) base.setCell(2, k, "0");
        long double divisor = catalogueDivisor(t.catalogue, saldo.cell(0, k));
        long double value = num(saldo.cell(4, k)) * num(base.cell(2, k)) / 100;
        base.setCell(4, k, T2(divide(value, divisor)));
    }
}

long double devolvejuro(const StringGrid& jmes, const Date& date, QuarterState& q) {
    long double result = 0;
    for (int r = 1; r < jmes.rowCount(); ++r) {
        if (!digit(jmes.cell(0, r)) || !digit(jmes.cell(1, r)) || !digit(jmes.cell(2, r))) continue;
        Date start = dateOf(jmes.cell(0, r));
        Date end = dateOf(jmes.cell(1, r));
        if (date < start || end < date) continue;
        long double rate = num(jmes.cell(2, r));
        if (jmes.cell(3, r) == "Não") {
            result = rate;
        } else {
            q.accumulator += rate;
            if (q.monthCount == 3) {
                result = q.accumulator;
                q.accumulator = 0;
                q.monthCount = 1;
            } else {
                ++q.monthCount;
                result = 0;
            }
        }
    }
    return result;
}

void computeSpreadsheet(Window& w, const DailyTables& t) { computeSpreadsheet(w, t, SheetOptions{}); }

void computeSpreadsheet(Window& w, const DailyTables& t, const SheetOptions& options) {
    StringGrid& p = w.grid("planilha");
    const StringGrid& sp = w.grid("SPlanos");
    const StringGrid& saldo = w.grid("SSaldo");
    const StringGrid& base = w.grid("SBase");
    const AmortisationIndex amort(w.grid("amortizacao"));
    const StringGrid& jmes = w.grid("Jmes");
    const StringGrid& idx = t.indice;
    const bool monthlyInterest = w.checked("RComjuros");

    QuarterState quarter;
    long double h = 1;
    const int plans = saldo.rowCount() - 1;
    for (int k = 1; k <= plans; ++k) {
        const int r0 = p.rowCount() - 1;
        const int r1 = r0 + 1;
        const int d = static_cast<int>(StrToInt(saldo.cell(3, k)));

        // Month rows: one per credit month up to the next plan's month.
        const Date purge = monthOf(sp.cell(1, k));
        const Date stop = monthOf(sp.cell(1, k + 1));
        for (int i = 1;; ++i) {
            const Date credit = addMonths(purge, i);
            const int row = r0 + i - 1;
            if (!monthlyInterest)
                p.setCell(6, row, options.percentInterest ? "0%" : "0");
            else if (p.rowCount() > 2)
                p.setCell(6, row, T2(devolvejuro(jmes, credit, quarter)) + (options.percentInterest ? "%" : ""));
            p.setCell(4, row, formatMonth(credit));
            if (!p.setRowCount(p.rowCount() + 1))
                throw ConversionError("A planilha excede o número máximo de linhas");
            if (!(credit < stop)) break;
        }

        const std::string amount = T2(num(base.cell(4, k)));
        p.setCell(5, r0, amount);
        p.setCell(7, r0, amount);

        if (k >= 2) {
            if (!digit(p.cell(11, r0))) p.setCell(11, r0, "0");
            if (digit(p.cell(7, r0 - 1))) carryForward(p, r0, h);
            if (digit(p.cell(6, r0))) applyMonthInterest(p, r0);
            applyAmortisation(p, amort, r0);

            const std::string& name = saldo.cell(0, k);
            p.setCell(10, r1, T2(num(saldo.cell(4, k))));
            p.setCell(9, r1, base.cell(2, k));
            p.setCell(12, r1, base.cell(4, k));
            long double c = options.divideCarried ? catalogueDivisor(t.catalogue, name) : 1.0L;
            p.setCell(13, r1, T2(divide(num(p.cell(7, r0 - 1)) - num(p.cell(11, r0)), c)));
            p.setCell(14, r1, T2(num(p.cell(12, r1)) + num(p.cell(13, r1))));
            p.setCell(15, r1, name);
        }

        // Index row of the month after the purge.
        int x = 1;
        for (int r = 1; r < idx.rowCount(); ++r)
            if (idx.cell(0, r) == base.cell(3, k)) x = r;

        for (int r = r0; r < p.rowCount(); ++r) {
            if (r == 1) continue;
            // The header row is never read as a month: a block whose month is
            // not in the table finds no yield there.
            const int pr = (k == 1) ? x : (x > 1 ? x - 1 : -1);
            p.setCell(0, r, idx.cell(32, pr));
            p.setCell(1, r, idx.cell(0, pr));
            p.setCell(2, r, idx.cell(d, pr));
            for (int a = 1; options.applyPurgeGrid && a < t.application.rowCount(); ++a)
                if (t.application.cell(2, a) == "Sim" && t.application.cell(0, a) == p.cell(1, r))
                    p.setCell(2, r, t.application.cell(1, a));
            h = digit(idx.cell(33, pr)) ? num(idx.cell(33, pr)) : 1;
            if (k == 1) {
                p.setCell(3, r - 1, idx.cell(32, x));
                p.setCell(3, r, idx.cell(32, x));
            } else {
                p.setCell(3, r, idx.cell(32, x));
            }
            applyAmortisation(p, amort, r);
            if (k >= 2) {
                if (!digit(p.cell(2, r))) break;
                if (!digit(p.cell(7, r - 1))) p.setCell(7, r - 1, "0");
            }
            if (digit(p.cell(7, r - 1))) carryForward(p, r, h);
            if (digit(p.cell(6, r))) applyMonthInterest(p, r);
            if (k >= 2 && digit(p.cell(14, r))) {
                carryForward(p, r, h);
                if (!digit(p.cell(6, r))) p.setCell(6, r, "0");
                applyMonthInterest(p, r);
            }
            ++x;
        }
    }
}

void buildSplitSpreadsheet(Window& w) {
    const StringGrid& p = w.grid("planilha");
    StringGrid& p2 = w.grid("planilha2");
    p2.clearAll();
    p2.setColCount(p.colCount() + 2);
    p2.setRowCount(p.rowCount());
    for (int r = 0; r < p.rowCount(); ++r) {
        p2.setCell(0, r, p.cell(0, r));
        p2.setCell(1, r, p.cell(1, r));
        for (int c = 2; c < p.colCount(); ++c) p2.setCell(c + 2, r, p.cell(c, r));
    }
    p2.setCell(2, 0, "Indexador");
    p2.setCell(3, 0, "Juros Remuneratórios");
    for (int r = 2; r < p.rowCount(); ++r) {
        p2.setCell(3, r, "0,5%");
        long double y = digit(p.cell(2, r)) ? num(p.cell(2, r)) : 0;
        p2.setCell(2, r, y != 0 ? T4((y - 0.5L) / 1.005L) : "0,00");
    }
}

}  // namespace core::calc
