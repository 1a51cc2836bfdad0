#pragma once
// Recomputes a month-by-month calculation kept as a record (an ".e12" file) as
// a user would: the menu command of the chosen caption (which loads its table),
// the file read as the calculator's "Abrir" reads it, the caption's table
// choice, then "Próximo" up to the last page and "Finalizar", which writes the
// report and the new record into "temp2.back".
#include <string>
#include <vector>

#include "core/shell/recalc.hpp"
#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

// The captions the month-by-month calculator can be opened with, in menu order.
const std::vector<std::string>& monthByMonthCaptions();
bool isMonthByMonthCaption(const std::string& caption);
// The message for a caption that is not one of them, listing the accepted ones.
std::string unknownCaptionMessage(const std::string& caption);

// app holds a loaded workspace (loadWorkspace). Messages go through ui.
// - Done: reportPath is the report, backupPath "temp2.back" of the workspace,
//   checked to hold the record of the calculation just finished.
// - Refused: the menu command's missing-table message, the table the record
//   chooses missing, an earlier-version record, more plans than the
//   calculator's list, or a wizard check (for instance a month beyond the table).
// - Failed: the file missing or unreadable, a damaged record, a conversion
//   error, a report or backup that could not be written.
// - NotAvailable: an unknown caption, or a state record ("estados"), which
//   belongs to the state court calculator.
RecalcOutcome recalcRecord(AppState& app, const std::string& caption, const std::string& recordPath,
                           const RecalcOptions& options, UserInterface& ui);

}  // namespace core
