#pragma once
// The plan list, the difference of each plan and the month-by-month
// spreadsheet of the daily-balance calculators.
//
// Every value passes through text: a result is written into its cell with the
// money mask and read back from the cell by the next step, so each cell is
// rounded to two decimals before it is used again.
#include <string_view>

#include "core/state/control.hpp"
#include "core/text/dates.hpp"

namespace core::calc {

// The tables a daily-balance calculator reads and never changes.
struct DailyTables {
    const StringGrid& catalogue;    // plan catalogue (TForm3.SPlanosini)
    const StringGrid& indice;       // the index grid of the main window
    const StringGrid& application;  // purge application grid (TForm4.SPlanosini)
};

// Catalogue row whose column 0 is the plan name; -1 when there is none.
int catalogueRow(const StringGrid& catalogue, std::string_view planName);
// Currency divisor of a plan: catalogue column 3 when it holds a digit, else 1.
long double catalogueDivisor(const StringGrid& catalogue, std::string_view planName);
// Last month of the index grid (column 0 of its last row).
const std::string& lastTableMonth(const StringGrid& indice);

// Rebuilds SPlanos and SBase from the ticks of CPlanos: catalogue row i is
// chosen when item i - 1 is ticked. A window without Cnaou keeps the
// catalogue percentages.
void rebuildPlanList(Window& w, const DailyTables& t);
// byName: catalogue row i is chosen when an item captioned with its plan name
// is ticked, so a list that no longer follows the catalogue's order (the
// catalogue was sorted after the list was filled) still gives the plans the
// user ticked.
void rebuildPlanList(Window& w, const DailyTables& t, bool byName);

// Fills column 4 of SBase: balance x difference % / 100 / divisor.
void computeDifferences(Window& w, const DailyTables& t);

// Quarterly interest accumulator, reset at the start of every spreadsheet.
struct QuarterState {
    long double accumulator = 0;
    int monthCount = 1;
};

// Monthly interest rate of Jmes for a date (quarterly rows paid every third month).
long double devolvejuro(const StringGrid& jmes, const Date& date, QuarterState& q);

// What the court-table spreadsheets do differently.
struct SheetOptions {
    bool applyPurgeGrid = true;    // the purge application grid replaces yields
    bool percentInterest = false;  // column 6 as "0%" or T2(rate) + "%"
    bool divideCarried = true;     // column 13 divided by the plan's currency divisor
};

// Fills planilha block by block. The caller empties it and sets it to 2 rows.
void computeSpreadsheet(Window& w, const DailyTables& t);
void computeSpreadsheet(Window& w, const DailyTables& t, const SheetOptions& options);

// Builds planilha2: planilha with the yield split into index and 0,5% interest.
void buildSplitSpreadsheet(Window& w);

}  // namespace core::calc
