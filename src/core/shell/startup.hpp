#pragma once
// Start-up of the program without windows: the workspace folders, the default
// tables of a new workspace, and the settings and tables loaded into the
// windows that use them when the main window is first shown.
#include <string>
#include <vector>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

struct StartupPaths {
    std::string appDataDir;  // the per-user application-data folder
    std::string programDir;  // the program folder, with its trailing separator
    std::string dataDir;     // the default data to seed a new workspace with; empty for none
};

// Creates the workspace folders, seeds the default tables the workspace lacks
// (never overwriting a file) and loads the workspace into the windows.
// Returns the names of the files seeded (the caller tells the user).
std::vector<std::string> startProgram(AppState& app, const StartupPaths& paths, UserInterface& ui);

// Loads the settings and tables of app.main.meudir into the windows, in the
// order the main window does when first shown: the plan lists emptied,
// "fgtsjuros.tab", "planos.ini" (published to the plan lists), "cabecalho.dat",
// "rodape.dat", "font.ini", "indice.ini" and "razidaro13.tab". A missing file
// is skipped; one that cannot be read shows its error and is skipped.
void loadWorkspace(AppState& app, UserInterface& ui);

// The folder of default data next to a program: the first of
// $EXPURGOS_DATA_DIR, <program>/data/workspace, <program>/../share/expurgos/workspace
// and the source tree's data/workspace that exists; empty when none does.
std::string findDefaultDataDir(const std::string& programDir);

}  // namespace core
