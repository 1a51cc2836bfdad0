#pragma once
// The HTML report of the daily savings calculator.
//
// Two layouts: the savings layout ("teste.html", spreadsheet planilha) shows the
// savings yield as one index; the ORTN/BTN/TR layout ("teste2.html",
// spreadsheet planilha2, chosen by Rtr) shows the correction index and the
// 0,5% remuneratory interest apart and explains each plan in words.
//
// The document is built completely in memory before anything is written, so a
// cell that cannot be read as a number (ConversionError) leaves an earlier
// report file as it was.
#include <string>
#include <vector>

#include "core/state/app_state.hpp"
#include "core/state/control.hpp"
#include "core/tables/string_grid.hpp"

namespace core {

// The main window's report font settings.
struct ReportSettings {
    std::string fontSize;  // Cfont, for example "8"
    std::string fontName;  // Cnomefont
};

inline constexpr const char* kDailyReportFile = "teste.html";
inline constexpr const char* kDailyReportFileTr = "teste2.html";

// The report's added texts, in order; each becomes one line of the file (a
// text holding CR LF pairs spans several). form2 is the daily savings window
// (or a window declaring the same controls), catalogue the plan catalogue
// grid. Throws ConversionError for a cell that is not a number.
std::vector<std::string> buildDailyReport(const Window& form2, const StringGrid& catalogue,
                                          const ReportSettings& settings);

// The worded explanation of one plan (catalogue row catRow, row k of SSaldo
// and SBase), as the ORTN/BTN/TR layout writes it. The state court report
// bolds the whole first line and, with Cnaou, explains the catalogue
// percentages without the 0,5% interest.
struct ExplanationStyle {
    bool boldFirstLine = false;  // "<p><tr><td><b>" ... " = " + currency + balance
    bool noInterest = false;     // percentages without 0,5 + 1,005 x
};
std::vector<std::string> planExplanation(const Window& w, const StringGrid& catalogue, int catRow, int k,
                                         const ExplanationStyle& style = {});

// File name of the layout the window's options choose.
std::string dailyReportFileName(const Window& form2);

// Builds the report and writes it into folder (Windows-1252, CR LF, replaced
// atomically); returns the file's path. Throws ConversionError (nothing is
// written) or FileError.
std::string writeDailyReport(const Window& form2, const StringGrid& catalogue,
                             const ReportSettings& settings, const std::string& folder);

// The same for the program state: TForm2, the catalogue of TForm3, the main
// window's font settings and workspace folder.
std::string writeDailyReport(const AppState& app);

}  // namespace core
