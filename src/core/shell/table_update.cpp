#include "core/shell/table_update.hpp"

#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

std::string trimmed(const std::string& s) {
    const char* blanks = " \t\r\n";
    const auto b = s.find_first_not_of(blanks);
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

// Starts the downloader; false (after telling the user) when it would not start.
bool startDownloader(const std::string& path, UserInterface& ui, const StartProgram& start) {
    if (start && start(path)) return true;
    ui.message(startFailedMessage(path));
    return false;
}

}  // namespace

std::string updatePageUrl(const std::string& meudir) {
    try {
        if (auto lines = readLinesFile(workspaceFile(meudir, kUpdatePageSetting)))
            if (!lines->empty() && !trimmed(lines->front()).empty()) return trimmed(lines->front());
    } catch (const FileError&) {
        // An unreadable setting counts as a missing one.
    }
    return {};
}

std::string updatePageMissingMessage(const std::string& meudir) {
    return "O endereço da página de atualização não está configurado: grave-o na primeira linha do arquivo " +
           workspaceFile(meudir, kUpdatePageSetting);
}

std::string startFailedMessage(const std::string& path) {
    return "Não foi possível iniciar o atualizador " + path;
}

UpdateOutcome firstRunTableCheck(const AppState& app, UserInterface& ui, const StartProgram& start) {
    const auto& m = app.main;
    if (fileExists(workspaceFile(m.meudir, kDownloadedMarker))) return UpdateOutcome::KeepRunning;

    const std::string d98 = programFile(m.meudirx2, kDownloader98);
    const std::string dxp = programFile(m.meudirx2, kDownloaderXp);
    const bool has98 = fileExists(programFile(m.meudirx2, kWin98Marker)) && fileExists(d98);
    const bool hasXp = fileExists(dxp);

    if (has98 && ui.confirm(kNoTablesQuestion))
        return startDownloader(d98, ui, start) ? UpdateOutcome::Close : UpdateOutcome::KeepRunning;
    if (hasXp && ui.confirm(kNoTablesQuestion))
        return startDownloader(dxp, ui, start) ? UpdateOutcome::Close : UpdateOutcome::KeepRunning;

    if (!has98 && !hasXp && !fileExists(workspaceFile(m.meudir, "razidaro13.tab")))
        ui.message("O programa está sem tabelas e o atualizador de índices não foi encontrado na pasta " +
                   m.meudirx2 + ". Copie as tabelas para a pasta " + m.meudir +
                   "; até lá os cálculos avisarão das tabelas que faltarem.");
    return UpdateOutcome::KeepRunning;
}

UpdateOutcome atualizacaoIndices(const AppState& app, UserInterface& ui, const StartProgram& start) {
    const auto& m = app.main;
    const bool win98 = fileExists(programFile(m.meudirx2, kWin98Marker));
    const std::string path = programFile(m.meudirx2, win98 ? kDownloader98 : kDownloaderXp);
    if (!fileExists(path)) {
        ui.message(kDownloaderNotFound);
        return UpdateOutcome::KeepRunning;
    }
    if (!ui.confirm(kUpdateQuestion)) return UpdateOutcome::KeepRunning;
    return startDownloader(path, ui, start) ? UpdateOutcome::Close : UpdateOutcome::KeepRunning;
}

}  // namespace core
