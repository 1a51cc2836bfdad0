#pragma once
// Recomputes a saved project as a user who opens it and presses only the
// wizard's buttons would: the file is opened into every window, the calculator
// it names is shown with its table loaded, then "Próximo" up to the last page
// and "Finalizar".
#include <optional>
#include <string>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core::calc {
struct DailyWizardSpec;
}

namespace core {

struct RecalcOptions {
    std::optional<std::string> until;  // replaces the "Atualizar até" month ("mm/yyyy")
};

struct RecalcOutcome {
    enum class Status {
        Done,          // the report was written
        Refused,       // the calculator refused with one of its messages
        Failed,        // a conversion or file error
        NotAvailable,  // the calculator is not built for this use
    };
    Status status = Status::Failed;
    std::string option;      // the calculator named by the file
    std::string reportPath;  // Done: the report written in the workspace
    std::string backupPath;  // Done, for a record: the calculator's backup, holding the new record
};

// app holds a loaded workspace (loadWorkspace). Messages go through ui.
RecalcOutcome recalcProject(AppState& app, const std::string& projectPath, const RecalcOptions& options,
                            UserInterface& ui);

// The options with the "Atualizar até" month corrected as the month field
// corrects it ("06/94" -> "06/1994", "13/2000" -> "12/2000"); nothing, with a
// message, when the text is not a month.
std::optional<RecalcOptions> normaliseRecalcOptions(const RecalcOptions& options, UserInterface& ui);

// The window of the calculator already filled and its table loaded: shows
// it, puts options.until (already normalised) in the "Atualizar até" row,
// presses "Próximo" up to the last page and "Finalizar". `out` comes back with
// its status and report path.
RecalcOutcome finishCalculation(AppState& app, const calc::DailyWizardSpec& spec, const RecalcOptions& options,
                                UserInterface& ui, RecalcOutcome out);

}  // namespace core
