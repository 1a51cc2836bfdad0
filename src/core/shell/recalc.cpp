#include "core/shell/recalc.hpp"

#include "core/calc/court/month_calculators.hpp"
#include "core/calc/court/state_calculator.hpp"
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
}  // namespace

std::optional<RecalcOptions> normaliseRecalcOptions(const RecalcOptions& options, UserInterface& ui) {
    RecalcOptions normalised = options;
    if (options.until) {
        std::string m;
        try {
            m = validadataMA(*options.until);
        } catch (const ConversionError&) {
            // "1/05/1990": a part that is not a number, as the month field finds it
        }
        if (m.size() != 7 || !tryParseMonth(m)) {
            ui.message("Mês inválido para --until: " + *options.until);
            return std::nullopt;
        }
        normalised.until = m;
    }
    return normalised;
}

RecalcOutcome finishCalculation(AppState& app, const calc::DailyWizardSpec& spec, const RecalcOptions& options,
                                UserInterface& ui, RecalcOutcome out) {
    calc::DailyWizard wizard(app, ui, spec);
    wizard.show();
    if (options.until) {
        StringGrid& sp = wizard.window().grid("SPlanos");
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

RecalcOutcome recalcProject(AppState& app, const std::string& projectPath, const RecalcOptions& options,
                            UserInterface& ui) {
    RecalcOutcome out;
    const std::optional<RecalcOptions> normalised = normaliseRecalcOptions(options, ui);
    if (!normalised) return out;
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
        struct Calculator {
            const char* window;
            const calc::DailyWizardSpec& spec;
            const char* table;
        };
        const Calculator calculators[] = {
            {"Form2", calc::kDailySavingsSpec, "razidaro13.tab"},
            {"Form5", calc::kStateSpec, "t0001.tab"},
            {"Form_jf", calc::kFederalSpec, "jf.tab"},
        };
        for (const Calculator& c : calculators) {
            if (opened.windowToShow != c.window) continue;
            // The table the calculator's menu command loads before showing it.
            loadCalculatorTable(app, c.table);
            return finishCalculation(app, c.spec, *normalised, ui, out);
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
