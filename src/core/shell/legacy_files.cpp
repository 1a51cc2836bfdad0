#include "core/shell/legacy_files.hpp"

#include <optional>

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

// Reads a record file into its window; a plan-count refusal, conversion and
// file errors are shown.
RecordFileStatus readRecordFile(RecordKind kind, const std::string& path, RecordSource source, Window& w,
                                UserInterface& ui) {
    try {
        switch (openRecord(kind, path, source, w, ui).status) {
            case RecordReadResult::Status::Read: return RecordFileStatus::Read;
            case RecordReadResult::Status::Refused: return RecordFileStatus::Refused;
            case RecordReadResult::Status::NotAccepted: return RecordFileStatus::EarlierVersion;
        }
    } catch (const ConversionError& e) {
        ui.message(e.what());
    } catch (const FileError& e) {
        ui.message(e.what());
    }
    return RecordFileStatus::Failed;
}

bool readInto(RecordKind kind, const std::string& path, RecordSource source, Window& w, UserInterface& ui) {
    return readRecordFile(kind, path, source, w, ui) == RecordFileStatus::Read;
}

// Copies a backup of the workspace folder to the file the user chooses.
// Nothing happens when the backup is missing or the dialog is cancelled.
bool copyBackup(AppState& app, UserInterface& ui, const std::string& backupName, const char* filter,
                const char* defaultExt) {
    const std::string backup = workspaceFile(app.main.meudir, backupName);
    if (!fileExists(backup)) return false;
    FileDialogRequest req;
    req.filter = filter;
    req.defaultExt = defaultExt;
    auto target = ui.saveFile(req);
    if (!target) return false;
    try {
        writeFileAtomic(*target, readFileBytes(backup));
    } catch (const FileError&) {
        ui.message("Erro ao copiar " + backup + " para " + *target);
        return false;
    }
    return true;
}

std::optional<std::string> chooseFile(UserInterface& ui, const char* filter, const char* defaultExt) {
    FileDialogRequest req;
    req.filter = filter;
    req.defaultExt = defaultExt;
    return ui.openFile(req);
}

}  // namespace

bool Salvar1Click(AppState& app, UserInterface& ui) {
    const bool daily = app.main.edit1 == "diaria";
    const bool saved = copyBackup(app, ui, daily ? recordBackupName(RecordKind::Daily) : "temp2.back", kE12Filter, "e12");
    if (saved && daily) app.main.edit1.clear();
    return saved;
}

bool Salvar1Click(AppState& app, UserInterface& ui, RecordKind caller) {
    switch (caller) {
        case RecordKind::Daily:
            return Salvar1Click(app, ui);
        case RecordKind::MonthByMonth:
            return copyBackup(app, ui, recordBackupName(RecordKind::MonthByMonth), kE12Filter, "e12");
        case RecordKind::State:
            return SalvarspClick(app, ui);
        case RecordKind::Federal:
            return Salvarjf(app, ui);
    }
    return false;
}

bool SalvarspClick(AppState& app, UserInterface& ui) {
    return copyBackup(app, ui, recordBackupName(RecordKind::State), kE12Filter, "e12");
}

bool Salvarjf(AppState& app, UserInterface& ui) {
    // The federal files keep their own extension when the user types none.
    return copyBackup(app, ui, recordBackupName(RecordKind::Federal), kEjfFilter, "ejf");
}

namespace {

// The calculator an ".e12" opener reads a non-state record into.
struct E12Target {
    RecordKind kind;
    const char* table;
    Window AppState::*window;
    const char* name;
    bool earlierVersionMessage;  // a first line the reader does not take is told
};

const E12Target kDailyTarget{RecordKind::Daily, "razidaro13.tab", &AppState::form2, "Form2", false};
const E12Target kMonthByMonthTarget{RecordKind::MonthByMonth, "tjmg.tab", &AppState::formTjspD, "Form_tjsp_d",
                                    true};

// A non-state record of a user file into the target window, the index grid as
// it is: a first line the target's reader does not take reads nothing (and is
// told where the target says so).
RecordFileStatus readTargetRecord(AppState& app, UserInterface& ui, const E12Target& target,
                                  const std::string& path, const std::string& first) {
    if (!recordAccepts(target.kind, RecordSource::UserFile, first)) {
        if (target.earlierVersionMessage) ui.message(kEarlierVersionMessage);
        return RecordFileStatus::EarlierVersion;
    }
    return readRecordFile(target.kind, path, RecordSource::UserFile, app.*target.window, ui);
}

// "Abrir" of the daily and month-by-month windows: a state record goes to
// TForm5 with its table; any other to the target. The header and footer go to
// the target window whichever record was read.
std::string openE12(AppState& app, UserInterface& ui, const E12Target& target) {
    auto path = chooseFile(ui, kE12Filter, "e12");
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
            loadCalculatorTable(app, target.table);
            shown = target.name;
            readTargetRecord(app, ui, target, *path, *first);
        }
    } catch (const FileError& e) {
        ui.message(e.what());
        return {};
    }
    loadHeaderFooter(app, app.*target.window);
    return shown;
}

}  // namespace

std::string Abrir1Click(AppState& app, UserInterface& ui) { return openE12(app, ui, kDailyTarget); }

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

std::string Abrir1_Click(AppState& app, UserInterface& ui) { return openE12(app, ui, kMonthByMonthTarget); }

RecordFileStatus readMonthByMonthFile(AppState& app, const std::string& path, UserInterface& ui) {
    auto first = readRecordFirstLine(path);
    if (!first) {
        ui.message("Não foi possível abrir o arquivo " + path);
        return RecordFileStatus::Failed;
    }
    if (*first == "estados") return RecordFileStatus::StateRecord;
    const RecordFileStatus status = readTargetRecord(app, ui, kMonthByMonthTarget, path, *first);
    loadHeaderFooter(app, app.formTjspD);
    return status;
}

std::string Abrirjf_Click(AppState& app, UserInterface& ui) {
    auto path = chooseFile(ui, kEjfFilter, "ejf");
    if (!path) return {};
    auto first = readRecordFirstLine(*path);
    if (!first) {
        ui.message("Não foi possível abrir o arquivo " + *path);
        return {};
    }
    try {
        loadCalculatorTable(app, "jf.tab");
    } catch (const FileError& e) {
        ui.message(e.what());
        return {};
    }
    if (recordAccepts(RecordKind::Federal, RecordSource::UserFile, *first))
        readInto(RecordKind::Federal, *path, RecordSource::UserFile, app.formJf, ui);
    else
        ui.message(kEarlierVersionMessage);
    loadHeaderFooter(app, app.formJf);
    return "Form_jf";
}

std::string Abrirbackstj(AppState& app, UserInterface& ui) {
    const std::string backup = recordBackupPath(app.main.meudir, RecordKind::MonthByMonth);
    if (!fileExists(backup)) return {};
    auto first = readRecordFirstLine(backup);
    if (!first) return {};
    if (*first == "estados") return Abrirback2(app, ui);
    if (!recordAccepts(RecordKind::MonthByMonth, RecordSource::Backup, *first)) return {};
    return readInto(RecordKind::MonthByMonth, backup, RecordSource::Backup, app.formTjspD, ui) ? "Form_tjsp_d"
                                                                                               : std::string();
}

std::string Abrirbacksjf(AppState& app, UserInterface& ui) {
    const std::string backup = recordBackupPath(app.main.meudir, RecordKind::Federal);
    if (!fileExists(backup)) return {};
    auto first = readRecordFirstLine(backup);
    if (!first || !recordAccepts(RecordKind::Federal, RecordSource::Backup, *first)) return {};
    return readInto(RecordKind::Federal, backup, RecordSource::Backup, app.formJf, ui) ? "Form_jf" : std::string();
}

}  // namespace core
