#include "core/shell/legacy_files.hpp"

#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

void loadHeaderFooter(AppState& app, Window& w) {
    if (auto lines = readCabecalho(app.main.meudir)) w.lines("Memo1") = *lines;
    if (auto lines = readRodape(app.main.meudir)) w.lines("Memo2") = *lines;
}

// Reads a record file into its window; conversion and file errors are shown.
bool readInto(RecordKind kind, const std::string& path, RecordSource source, Window& w, UserInterface& ui) {
    try {
        return openRecord(kind, path, source, w, ui).status == RecordReadResult::Status::Read;
    } catch (const ConversionError& e) {
        ui.message(e.what());
    } catch (const FileError& e) {
        ui.message(e.what());
    }
    return false;
}

}  // namespace

bool Salvar1Click(AppState& app, UserInterface& ui) {
    const bool daily = app.main.edit1 == "diaria";
    const std::string backup =
        workspaceFile(app.main.meudir, daily ? recordBackupName(RecordKind::Daily) : "temp2.back");
    if (!fileExists(backup)) return false;
    FileDialogRequest req;
    req.filter = kE12Filter;
    req.defaultExt = "e12";
    auto target = ui.saveFile(req);
    if (!target) return false;
    try {
        writeFileAtomic(*target, readFileBytes(backup));
    } catch (const FileError&) {
        ui.message("Erro ao copiar " + backup + " para " + *target);
        return false;
    }
    if (daily) app.main.edit1.clear();
    return true;
}

std::string Abrir1Click(AppState& app, UserInterface& ui) {
    FileDialogRequest req;
    req.filter = kE12Filter;
    req.defaultExt = "e12";
    auto path = ui.openFile(req);
    if (!path) return {};
    auto first = readRecordFirstLine(*path);
    if (!first) {
        ui.message("Não foi possível abrir o arquivo " + *path);
        return {};
    }
    std::string shown;
    try {
        if (*first == "estados") {
            loadCalculatorTable(app, "t0001.tab");
            readInto(RecordKind::State, *path, RecordSource::UserFile, app.form5, ui);
            shown = "Form5";
        } else {
            loadCalculatorTable(app, "razidaro13.tab");
            shown = "Form2";
            if (recordAccepts(RecordKind::Daily, RecordSource::UserFile, *first))
                readInto(RecordKind::Daily, *path, RecordSource::UserFile, app.form2, ui);
        }
    } catch (const FileError& e) {
        ui.message(e.what());
        return {};
    }
    // The header and footer go to the daily window whichever record was read.
    loadHeaderFooter(app, app.form2);
    return shown;
}

std::string Abrirback2(AppState& app, UserInterface& ui) {
    const std::string backup = recordBackupPath(app.main.meudir, RecordKind::State);
    if (!fileExists(backup)) return {};
    try {
        loadCalculatorTable(app, "t0001.tab");
    } catch (const FileError& e) {
        ui.message(e.what());
        return {};
    }
    auto first = readRecordFirstLine(backup);
    if (!first || *first != "estados") return {};
    return readInto(RecordKind::State, backup, RecordSource::Backup, app.form5, ui) ? "Form5" : std::string();
}

std::string Abrirback(AppState& app, UserInterface& ui) {
    const std::string backup = recordBackupPath(app.main.meudir, RecordKind::Daily);
    if (!fileExists(backup)) return {};
    auto first = readRecordFirstLine(backup);
    if (!first) return {};
    if (*first == "estados") return Abrirback2(app, ui);
    if (!recordAccepts(RecordKind::Daily, RecordSource::Backup, *first)) return {};
    return readInto(RecordKind::Daily, backup, RecordSource::Backup, app.form2, ui) ? "Form2" : std::string();
}

}  // namespace core
