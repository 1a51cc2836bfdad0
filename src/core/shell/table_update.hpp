#pragma once
// The table downloaders of the program folder: the check made at every start
// while the workspace has never received its tables, the "Atualização dos
// índices" command, and the address of the update page.
#include <functional>
#include <string>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

inline constexpr const char* kDownloadedMarker = "lista.tab";      // workspace
inline constexpr const char* kWin98Marker = "win98.ini";           // program folder
inline constexpr const char* kDownloader98 = "download.exe";       // program folder
inline constexpr const char* kDownloaderXp = "downloadxp.exe";     // program folder

inline constexpr const char* kNoTablesQuestion =
    "O programa está ainda sem tabelas, é necessário baixá-las da Internet, continuar?";
inline constexpr const char* kUpdateQuestion =
    "Para atualizar os índices o programa será finalizado, continuar?";
inline constexpr const char* kDownloaderNotFound = "atualizador não encontrado";

// The update page of the download site ("razidaro_update.htm") is configured
// by the first line of "atualizacao.ini" in the workspace folder: the page's
// address, blanks around it removed. Empty when the file is missing, empty or
// unreadable; the command then tells the user (updatePageMissingMessage).
inline constexpr const char* kUpdatePageSetting = "atualizacao.ini";
std::string updatePageUrl(const std::string& meudir);
std::string updatePageMissingMessage(const std::string& meudir);

// Starts a program (the path of a downloader), without waiting for it.
// Returns false when it could not be started.
using StartProgram = std::function<bool(const std::string& path)>;

// The message shown when a downloader exists but cannot be started.
std::string startFailedMessage(const std::string& path);

enum class UpdateOutcome {
    KeepRunning,  // the program goes on
    Close,        // a downloader was started: the program closes so it can replace the tables
};

// The check made when the main window is first shown. While "lista.tab" is
// missing from the workspace, the available downloader is offered
// (kNoTablesQuestion): "download.exe" first when the program folder holds
// "win98.ini", then "downloadxp.exe" (so No to the first leads to the second).
// Yes starts it and the program closes. A downloader that cannot be started is
// reported and the program keeps running, since closing would leave the user
// with neither tables nor program. When no downloader exists and the
// workspace does not even hold the savings table "razidaro13.tab", the user is
// told where the tables are expected; with the default tables in place the
// check is silent.
UpdateOutcome firstRunTableCheck(const AppState& app, UserInterface& ui, const StartProgram& start);

// "Atualização dos índices": the downloader of this system ("download.exe"
// with "win98.ini", else "downloadxp.exe"); kDownloaderNotFound when it is
// missing; kUpdateQuestion; Yes starts it and the program closes (through the
// question about an unsaved calculation).
UpdateOutcome atualizacaoIndices(const AppState& app, UserInterface& ui, const StartProgram& start);

}  // namespace core
