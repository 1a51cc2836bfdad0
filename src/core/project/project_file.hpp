#pragma once
// The project file: a snapshot of all calculator windows in one INI-style file
// ("[opcaoini]", "Opcao=", "[Inicio]", "Versao=Vers 3.0", then one section per
// window), Windows-1252 with CR LF on disk.
//
// Within a window's section, each persisted control writes, in component order
// (N is the control's name):
//   edit, combo box, masked edit   N=text
//   memo                           N=the lines as comma text
//   string grid                    N@c=columns, N=rows, N@r=row r as comma text (r from 0)
//   radio button, check box        N=true / N=false
//   check list                     N=count, N@iitc=caption of item i, N@i=true/false
// Labels, buttons and pages are not written.
//
// Opening restores every window from its section: missing keys read as empty
// text (or 0); grid sizes that are not whole numbers above 0 leave the size as
// it is, sizes beyond the grid limits are cut to the limit with a message; grid
// rows whose key is missing or empty keep their cells; check lists keep their
// items and take the ticks by position; masked edits take their text through
// their mask.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/ini_file.hpp"
#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

inline constexpr std::string_view kProjectVersion = "Vers 3.0";
inline constexpr std::string_view kProjectFilter = "Corvane (*.exp30)|*.exp30";
inline constexpr std::string_view kProjectExtension = "exp30";

// Progress of the writer and the reader, for the progress window: the label
// text ("Salvando: " or "Anexo: " followed by the window's caption), the bar's
// maximum (the window's component count minus 1) and its position (the index
// of the component being handled). Called once per component.
using ProjectProgress = std::function<void(const std::string& label, int max, int position)>;

// The order in which opening restores the windows.
inline constexpr std::array<std::string_view, 11> kRestoreOrder = {
    "Form2", "Form3", "Form4", "Form5", "Form_tjsp_d", "FormFGTS",
    "Form_FGTS", "Form_conftodosII", "Form_conftodos", "Form7", "Form_jf"};

// --- Writing -----------------------------------------------------------------

// Appends one window's section ("[" name "]" and its controls' lines) to out.
void gravar_edit(const Window& window, std::vector<std::string>& out,
                 const ProjectProgress& progress = {});

// Appends a whole snapshot: the four header lines with the option window's
// name, then the sections of the given windows in the given order. `step` goes
// 2 while writing the header lines, then 3, 4, ... for each window in turn.
void snapshotWindows(std::string_view option, const std::vector<const Window*>& sections,
                     std::vector<std::string>& out, const ProjectProgress& progress, int& step);

// Takes the snapshot of all eleven windows into app.todos.rgrava, with
// `option` (the window whose calculation was finished: "Form2", "Form7", ...)
// as "Opcao", and enables the main window's "Salvar". On a failure shows
// "linha: " + step + " - Formtodos.salvarx", leaves the buffer empty (a partial
// snapshot must not reach a file) and "Salvar" disabled; returns false then.
bool salvarx(AppState& app, std::string_view option, UserInterface& ui,
             const ProjectProgress& progress = {});

// The file's bytes for the buffer's lines: each line in Windows-1252 followed
// by CR LF.
std::string projectFileBytes(const std::vector<std::string>& lines);

// "Salvar": asks for the file with the save dialog (filter kProjectFilter,
// default extension kProjectExtension; cancelled: nothing happens), writes the
// buffer to it atomically and clears `opx` when the file exists afterwards.
// A write that fails or a file missing afterwards shows "Erro ao copiar para "
// followed by the path and keeps `opx`. An empty buffer (no calculation
// finished since the start) is not written: "Não há cálculo finalizado para
// salvar." is shown instead. Returns true when the file was written.
bool saveProject(AppState& app, UserInterface& ui);

// --- Reading -----------------------------------------------------------------

// Restores one window from its section of the file. Size limits hit by a grid
// are told through ui when one is given.
void abrir_edit(Window& window, const IniFile& ini, UserInterface* ui = nullptr,
                const ProjectProgress& progress = {});

struct ProjectOpenResult {
    bool opened = false;       // the file existed and was read into the windows
    std::string option;        // "Opcao" of the file, now in opx
    std::string windowToShow;  // the section name of the window to show; empty for none
};

// The window that opening a file with this "Opcao" shows: the name itself when
// it is one of the nine calculator windows, otherwise empty.
std::string windowToShow(std::string_view option);

// Restores the windows of `app` from an INI text already read, in kRestoreOrder,
// storing "Opcao" in app.main.opx.
ProjectOpenResult restoreProject(AppState& app, const IniFile& ini, UserInterface* ui = nullptr,
                                 const ProjectProgress& progress = {});

// Reads the project file at `path` into all windows. A missing file changes
// nothing (opened is false). Throws FileError when the file exists but cannot
// be read.
ProjectOpenResult novox(AppState& app, const std::string& path, UserInterface* ui = nullptr,
                        const ProjectProgress& progress = {});

// "Abrir" > "Versão atual": asks for the file with the open dialog (cancelled:
// nothing happens) and runs novox; a file that cannot be read is reported
// through ui. The caller shows result.windowToShow.
ProjectOpenResult openProject(AppState& app, UserInterface& ui,
                              const ProjectProgress& progress = {});

}  // namespace core
