#include "core/shell/record_recalc.hpp"

#include <algorithm>

#include "core/calc/court/month_calculators.hpp"
#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/launcher_menu.hpp"
#include "core/shell/legacy_files.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

using Status = RecalcOutcome::Status;

// The entry of the "Calcular" drop-down that opens the month-by-month
// calculator with this caption; it holds the hidden Paraná entries too.
const LauncherEntry* monthByMonthEntry(const std::string& caption) {
    for (const LauncherEntry& e : launcherMenu(LauncherMenu::Popup))
        if (e.window == "Form_tjsp_d" && e.caption == caption) return &e;
    return nullptr;
}

// The table the entry checks before anything else.
std::string checkedTable(const LauncherEntry& entry) {
    for (const LaunchAction& a : entry.actions)
        if (a.step == LaunchStep::Check) return a.arg;
    return {};
}

}  // namespace

const std::vector<std::string>& monthByMonthCaptions() {
    static const std::vector<std::string> captions = {calc::kCaptionSaoPaulo, calc::kCaptionMinas,
                                                      calc::kCaptionParana, calc::kCaptionParanaNotPurged};
    return captions;
}

bool isMonthByMonthCaption(const std::string& caption) {
    const auto& all = monthByMonthCaptions();
    return std::find(all.begin(), all.end(), caption) != all.end();
}

std::string unknownCaptionMessage(const std::string& caption) {
    std::string text = "Cálculo mês a mês desconhecido: \"" + caption + "\". Use um destes títulos:";
    for (const std::string& c : monthByMonthCaptions()) text += "\n  " + c;
    return text;
}

RecalcOutcome recalcRecord(AppState& app, const std::string& caption, const std::string& recordPath,
                           const RecalcOptions& options, UserInterface& ui) {
    RecalcOutcome out;
    out.option = caption;
    const LauncherEntry* entry = isMonthByMonthCaption(caption) ? monthByMonthEntry(caption) : nullptr;
    if (!entry) {
        ui.message(unknownCaptionMessage(caption));
        out.status = Status::NotAvailable;
        return out;
    }
    const std::optional<RecalcOptions> normalised = normaliseRecalcOptions(options, ui);
    if (!normalised) return out;

    try {
        if (!fileExists(recordPath)) {
            ui.message("Arquivo não encontrado: " + recordPath);
            return out;
        }

        // The menu command: a missing table is its own refusal; a table that
        // exists and cannot be read is a file error (both already shown).
        const bool tablePresent = fileExists(workspaceFile(app.main.meudir, checkedTable(*entry)));
        if (runLauncherEntry(app, *entry, ui).show.empty()) {
            out.status = tablePresent ? Status::Failed : Status::Refused;
            return out;
        }

        switch (readMonthByMonthFile(app, recordPath, ui)) {
            case RecordFileStatus::Read:
                break;
            case RecordFileStatus::StateRecord:
                ui.message("O arquivo " + recordPath +
                           " guarda um cálculo de Débitos Judiciais São Paulo e ENCOGE e TJMG/TJDF (primeira linha "
                           "\"estados\"), não um cálculo mês a mês; abra-o nesse cálculo.");
                out.status = Status::NotAvailable;
                return out;
            case RecordFileStatus::EarlierVersion:
            case RecordFileStatus::Refused:
                out.status = Status::Refused;
                return out;
            case RecordFileStatus::Failed:
                return out;
        }

        // The window goes on with whatever the index grid holds when the table
        // its caption and ENCOGE choice name is missing; recomputed unattended
        // that would be a report of the wrong table, so it stops here.
        const std::string table = calc::monthByMonthTable(app.formTjspD);
        if (!table.empty() && !fileExists(workspaceFile(app.main.meudir, table))) {
            ui.message(kMissingTableMessage);
            out.status = Status::Refused;
            return out;
        }
        calc::indicesab(app, ui);

        out = finishCalculation(app, calc::kMonthByMonthSpec, *normalised, ui, out);
        if (out.status != Status::Done) return out;

        // The record is the only copy of the calculation this calculator keeps:
        // a backup that was not written (message already shown) fails the run.
        const std::string backup = recordBackupPath(app.main.meudir, RecordKind::MonthByMonth);
        if (!fileExists(backup) || readFileBytes(backup) != recordBytes(RecordKind::MonthByMonth, app.formTjspD)) {
            ui.message("O cálculo não foi gravado em " + backup);
            out.status = Status::Failed;
            return out;
        }
        out.backupPath = backup;
        return out;
    } catch (const FileError& e) {
        ui.message(e.what());
    } catch (const ConversionError& e) {
        ui.message(e.what());
    }
    out.status = Status::Failed;
    return out;
}

}  // namespace core
