#include "core/shell/recalc.hpp"

#include "core/calc/daily/daily_wizard.hpp"
#include "core/project/project_file.hpp"
#include "core/shell/launcher.hpp"
#include "core/tables/table_file.hpp"
#include "core/text/dates.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

using Status = RecalcOutcome::Status;

RecalcOutcome runDaily(AppState& app, const RecalcOptions& options, UserInterface& ui, RecalcOutcome out) {
    loadCalculatorTable(app, "razidaro13.tab");

    calc::DailyWizard wizard(app, ui);
    wizard.show();
    if (options.until) {
        StringGrid& sp = app.form2.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, *options.until);
    }
    while (wizard.step() < wizard.lastStep()) {
        switch (wizard.next()) {
            case calc::StepResult::Ok:
                break;
            case calc::StepResult::Refused:
                out.status = Status::Refused;
                return out;
            case calc::StepResult::Error:
                out.status = Status::Failed;
                return out;
        }
    }
    out.reportPath = wizard.finish();
    out.status = out.reportPath.empty() ? Status::Failed : Status::Done;
    return out;
}

}  // namespace

RecalcOutcome recalcProject(AppState& app, const std::string& projectPath, const RecalcOptions& options,
                            UserInterface& ui) {
    RecalcOutcome out;
    if (options.until) {
        std::string m = validadataMA(*options.until);
        if (m.size() != 7 || !tryParseMonth(m)) {
            ui.message("Mês inválido para --until: " + *options.until);
            return out;
        }
    }
    try {
        if (!fileExists(projectPath)) {
            ui.message("Arquivo não encontrado: " + projectPath);
            return out;
        }
        ProjectOpenResult opened = novox(app, projectPath, &ui);
        out.option = opened.option;
        if (opened.windowToShow.empty()) {
            ui.message("O arquivo não indica o cálculo a refazer (Opcao=" + opened.option + ")");
            out.status = Status::NotAvailable;
            return out;
        }
        if (opened.windowToShow == "Form2") {
            RecalcOptions normalised = options;
            if (options.until) normalised.until = validadataMA(*options.until);
            return runDaily(app, normalised, ui, out);
        }
        out.status = Status::NotAvailable;
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
