#pragma once
// Recomputes a saved project as a user who opens it and presses only the
// wizard's buttons would: the file is opened into every window, the calculator
// it names is shown with its table loaded, then "Próximo" up to the last page
// and "Finalizar".
#include <optional>
#include <string>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

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
};

// app holds a loaded workspace (loadWorkspace). Messages go through ui.
RecalcOutcome recalcProject(AppState& app, const std::string& projectPath, const RecalcOptions& options,
                            UserInterface& ui);

}  // namespace core
