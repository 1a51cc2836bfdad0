#pragma once
// The state court table calculator (TForm5): the daily savings wizard whose
// differences are corrected with a state court's factor table (amount x
// factor of the update month / factor of the month after the purge), with a
// compound remuneratory interest, a simple moratory interest and fees.
#include <string>
#include <vector>

#include "core/calc/daily/daily_report.hpp"
#include "core/calc/daily/daily_wizard.hpp"

namespace core::calc {

inline constexpr const char* kStateReportFile = "teste.html";

extern const DailyWizardSpec kStateSpec;

// The correction table file of the checked radio of TForm5.
std::string stateTableName(const Window& form5);

// The correction (entering the spreadsheet page): loads the chosen table into
// the index grid ("A tabela <nome> não existe." when missing) and fills
// planilha. Throws CalcRefused "A data <mês> não existe na tabela, atualize o
// índice" when the table has no factor (or a zero factor) for a month it needs.
void stateCorrection(AppState& app, UserInterface& ui);

// The report's added texts. Throws CalcRefused as above (checked against the
// index grid) and ConversionError for a text that is not a number or date.
std::vector<std::string> buildStateReport(const Window& form5, const StringGrid& catalogue,
                                          const StringGrid& indice, const ReportSettings& settings);
std::string writeStateReport(const AppState& app);

}  // namespace core::calc
