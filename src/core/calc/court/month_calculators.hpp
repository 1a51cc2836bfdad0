#pragma once
// The month-by-month court table calculator (TForm_tjsp_d) and the federal
// court calculator (TForm_jf): the daily savings wizard carrying the
// differences month by month with a court's percentage table instead of the
// savings yield, with their own table choice, reports and backups.
#include <string>
#include <vector>

#include "core/calc/daily/daily_report.hpp"
#include "core/calc/daily/daily_wizard.hpp"

namespace core::calc {

// Captions of TForm_tjsp_d; the caption chooses the table and the notes line.
inline constexpr const char* kCaptionSaoPaulo = "Débitos Judiciais São Paulo (mês a mês)";
inline constexpr const char* kCaptionMinas = "Débitos Judiciais MG - MT - MS - ES (mês a mês)";
inline constexpr const char* kCaptionParana = "Débitos Judiciais PR (mês a mês)";
inline constexpr const char* kCaptionParanaNotPurged = "Débitos Judiciais PR (mês a mês - não expurgada)";

inline constexpr const char* kMonthReportFile = "teste.html";
inline constexpr const char* kFederalReportFile = "jf.html";

extern const DailyWizardSpec kMonthByMonthSpec;
extern const DailyWizardSpec kFederalSpec;

// The table of TForm_tjsp_d's caption, or empty when the window chooses none
// (Paraná captions and any other caption keep the table the menu loaded).
std::string monthByMonthTable(const Window& formTjspD);

// The table choice of TForm_tjsp_d (entering the balance page and after
// "Abrir"): reset-and-load of the caption's table; a missing table shows
// "tabela inexistente - faça a atualização das tabelas" and leaves the grid.
void indicesab(AppState& app, UserInterface& ui);

// Showing TForm_tjsp_d: the ENCOGE radios only with the MG caption; otherwise
// hidden and Cencoge cleared.
void showEncogeChoice(AppState& app, Window& formTjspD);

enum class MonthReportKind { MonthByMonth, Federal };

// The report's added texts, in order. Throws ConversionError for a cell that
// is not a number.
std::vector<std::string> buildMonthReport(const Window& w, const StringGrid& catalogue,
                                          const ReportSettings& settings, MonthReportKind kind);

// Writes "teste.html" from TForm_tjsp_d / "jf.html" from TForm_jf in the
// workspace folder; returns the path. Throws ConversionError or FileError.
std::string writeMonthReport(const AppState& app);
std::string writeFederalReport(const AppState& app);

}  // namespace core::calc
