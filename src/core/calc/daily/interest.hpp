#pragma once
// Period interest, the amortisation month list, the final totals with fees,
// and the compound period interest of the state court calculator.
#include <string>

#include "core/state/control.hpp"
#include "core/text/dates.hpp"

namespace core::calc {

// Simple interest of one period: rate x whole months, plus rate / 30 x days
// when pro-rata; "#,##0.0000".
std::string juros(long double rate, const Date& start, const Date& end, bool proRata);

// Fills column 3 of STJuros and appends the "Total" row (entering the
// amortisation page). Does nothing when row 1 has no start date.
void computePeriodInterest(Window& w);
// percentSuffix: each period percentage and the total are followed by "%"
// (the court-table calculators).
void computePeriodInterest(Window& w, bool percentSuffix);

// Column 0 of amortizacao: the months after the first purge up to the
// "Atualizar até" month. Amounts typed by the user stay in their rows.
void rebuildAmortisationMonths(Window& w);

struct Totals {
    std::string finalAmount;    // F: column 5 of the closing row, "0" without digit
    bool withInterest = false;  // period interest applied
    std::string interestPct;    // P: column 3 of the last row of STJuros, "0" without digit
    long double grandTotal = 0; // G, not rounded
    bool withFees = false;         // Chono, with Rpor or Rvalor selected
    bool feeAsPercentage = false;  // Rpor
    long double fee = 0;
};

// F, P, G and the fees, in the order the report applies them.
// finalColumn: 5 for planilha.
Totals computeTotals(const Window& w, const StringGrid& sheet, int finalColumn);

// Compound interest percentage text over whole months ("#,##0.00"), and the
// interest amount text it gives on the amount.
struct CompoundInterest {
    std::string percentage;
    std::string amount;
};
CompoundInterest JuroCompostox(long double amount, long double rate, const Date& start, const Date& end);

}  // namespace core::calc
