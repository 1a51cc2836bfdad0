#pragma once
// The main window's calculator commands: the entries of the "Calcular" menu,
// of the drop-downs of the "Calcular", "FGTS" and "Abrir" buttons, and the
// steps each entry performs before its calculator window is shown.
#include <string>
#include <vector>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

enum class LaunchStep {
    Check,      // arg: table; missing -> kMissingTableMessage, stop
    Require,    // arg: table; missing -> message (the entry's own text), stop
    Preview,    // enable "Visualizar Impressão"
    Edit,       // switch the report document to editing mode
    Load,       // arg: table; reset-and-load of the index grid
    Title,      // arg: caption of TForm_tjsp_d
    FirstPage,  // select the calculator's first page
};

struct LaunchAction {
    LaunchStep step;
    std::string arg;
};

enum class LauncherMenu {
    Calcular,  // main menu "Arquivos" > "Calcular"
    Popup,     // drop-down of the "Calcular" button (PopupMenu2)
    Fgts,      // drop-down of the "FGTS" button (Popupfgts)
};

// One entry of a launcher menu. A separator has an empty caption.
struct LauncherEntry {
    std::string name;     // control name ("PoupanaDiria1", "N6")
    std::string caption;  // "" for a separator
    std::vector<LaunchAction> actions;
    std::string window;   // the section name of the window shown ("Form2")
    bool visible = true;  // the Paraná entries exist but are never shown
    bool separator() const { return caption.empty(); }
};

const std::vector<LauncherEntry>& launcherMenu(LauncherMenu menu);

// What the view has to do after the engine steps of an entry ran.
struct LaunchOutcome {
    bool previewOn = false;  // enable "Visualizar Impressão"
    bool editOn = false;     // report document to editing mode
    bool firstPage = false;  // select the calculator's first page
    std::string show;        // the window to show; empty when a step stopped the command
};

// Runs the entry's steps in order on the state: checks (a message and stop),
// table loads (a table that exists but cannot be read: its error is shown and
// the command stops), the caption of TForm_tjsp_d.
LaunchOutcome runLauncherEntry(AppState& app, const LauncherEntry& entry, UserInterface& ui);

// The entries of the drop-down of the "Abrir" button (PopupMenu1). `routine`
// names the main window's routine that opens the file ("openProject" for
// "Versão atual"); entries under "Versões anteriores" have `submenu` set.
struct OpenEntry {
    std::string name;
    std::string caption;   // "" for a separator
    std::string window;    // the calculator whose file is opened ("" for "Versão atual")
    std::string routine;   // "openProject", "Abrir1Click", "Abrir1_Click", "Abrirjf_Click",
                           // "abrirarq" (the configured window's own open command)
    bool submenu = false;  // lives in "Versões anteriores"
    bool separator() const { return caption.empty(); }
};

const std::vector<OpenEntry>& openMenu();

}  // namespace core
