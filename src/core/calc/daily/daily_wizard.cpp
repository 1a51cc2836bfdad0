#include "core/calc/daily/daily_wizard.hpp"

#include <algorithm>

#include "core/calc/calc_text.hpp"
#include "core/calc/daily/daily_report.hpp"
#include "core/calc/daily/interest.hpp"
#include "core/project/project_file.hpp"
#include "core/records/calc_record.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"
#include "core/state/windows.hpp"
#include "core/tables/table_file.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/text/errors.hpp"

namespace core::calc {

namespace {

const char* const kHeaderGrids[] = {"SPlanos", "SSaldo", "SBase", "STJuros", "Jmes", "amortizacao", "planilha"};

std::string digitsOf(const std::string& s) {
    std::string out;
    for (char ch : s)
        if (ch >= '0' && ch <= '9') out += ch;
    return out;
}

std::string writeForm2Report(const AppState& app) { return writeDailyReport(app); }

// Column 32 of the first row of the table whose month is the given one.
const std::string& currencyOfMonth(const StringGrid& table, const std::string& month) {
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.cell(0, r) == month) return table.cell(32, r);
    static const std::string none;
    return none;
}

}  // namespace

const DailyWizardSpec kDailySavingsSpec{
    &AppState::form2, makeForm2, 6,
    /*rebuildPlansOnNext*/ true, /*plansByName*/ false, /*requireTicks*/ true, /*trOption*/ true,
    /*checkMonths*/ true, BalanceCurrency::Catalogue, /*amortisation*/ true,
    /*chooseTable*/ nullptr, /*periodInterestStep*/ 4, /*percentSuffix*/ false, /*sheetStep*/ 5, SheetOptions{},
    /*correct*/ nullptr, /*correctionStep*/ -1, RecordKind::Daily,
    /*prepareSheet*/ true, /*splitSheet*/ true, writeForm2Report, std::nullopt, "Form2",
    /*threeInterestColumns*/ false, /*onShow*/ nullptr,
};

DailyWizard::DailyWizard(AppState& app, UserInterface& ui) : DailyWizard(app, ui, kDailySavingsSpec) {}

DailyWizard::DailyWizard(AppState& app, UserInterface& ui, const DailyWizardSpec& spec)
    : app_(app), spec_(spec), ui_(ui), w_(app.*spec.window) {}

DailyTables DailyWizard::tables() const {
    return DailyTables{app_.form3.grid("SPlanosini"), app_.main.indice, app_.form4.grid("SPlanosini")};
}

void DailyWizard::show() {
    const Window design = spec_.design();
    for (const char* name : kHeaderGrids) {
        if (!design.find(name) || !w_.find(name)) continue;
        const StringGrid& d = design.grid(name);
        StringGrid& g = w_.grid(name);
        for (int c = 0; c < d.colCount(); ++c) g.setCell(c, 0, d.cell(c, 0));
    }
    w_.setText("Label5", "Tabela atualizada até: " + lastTableMonth(app_.main.indice));
    StringGrid& jmes = w_.grid("Jmes");
    for (int r = 1; r < jmes.rowCount(); ++r)
        if (blank(jmes.cell(3, r))) jmes.setCell(3, r, "Não");
    step_ = 0;
    if (spec_.onShow) spec_.onShow(app_, w_);
}

bool DailyWizard::refuse(const std::string& text) {
    ui_.message(text);
    step_ = 0;
    return false;
}

bool DailyWizard::checkPlans() {
    if (spec_.chooseTable) spec_.chooseTable(app_, ui_);
    const Control& plans = w_.at("CPlanos");
    if (spec_.requireTicks && std::none_of(plans.ticks.begin(), plans.ticks.end(), [](bool t) { return t; }))
        return refuse("escolha um plano");

    if (spec_.trOption) {
        const bool tr = w_.checked("Rtr");
        if (tr) {
            w_.setChecked("Rsemjuros", true);
            w_.at("RComjuros").checked = false;
        }
        w_.at("RComjuros").enabled = !tr;
        w_.at("Rsemjuros").enabled = !tr;
    }

    StringGrid& sp = w_.grid("SPlanos");
    // With no plan row, row 1 is the "Atualizar até" row.
    if (!digit(sp.cell(1, 1)) || sp.rowCount() < 3) return refuse("escolha um plano");

    const std::string& lastMonth = lastTableMonth(app_.main.indice);
    const auto last = tryParseMonth(lastMonth);
    for (int r = 1; spec_.checkMonths && r < sp.rowCount(); ++r) {
        const std::string& m = sp.cell(1, r);
        if (!digit(m)) continue;
        const auto month = tryParseMonth(m);
        if (!month) throw ConversionError("'" + m + "' não é uma data válida");
        if (!last || *last < *month) return refuse("A data " + m + " não existe na tabela, atualize o índice");
    }

    StringGrid& saldo = w_.grid("SSaldo");
    for (int r = 1; r < saldo.rowCount(); ++r) {
        if (blank(saldo.cell(3, r))) saldo.setCell(3, r, "1");
        if (blank(saldo.cell(4, r))) saldo.setCell(4, r, "0,00");
    }
    const int n = sp.rowCount() - 2;
    saldo.setRowCount(n + 1);
    for (int k = 1; k <= n; ++k) {
        saldo.setCell(0, k, sp.cell(0, k));
        saldo.setCell(1, k, sp.cell(1, k));
    }
    fillBalanceCurrencies();
    if (spec_.amortisation) rebuildAmortisationMonths(w_);
    return true;
}

void DailyWizard::fillBalanceCurrencies() {
    StringGrid& saldo = w_.grid("SSaldo");
    const StringGrid& cat = app_.form3.grid("SPlanosini");
    StringGrid stateTable;
    if (spec_.currency == BalanceCurrency::StateTable) {
        // The opening table of the state calculator, whatever table a
        // correction left in the index grid; without it the currencies stay empty.
        const std::string path = workspaceFile(app_.main.meudir, "t0001.tab");
        if (fileExists(path)) resetAndLoad(path, stateTable);
    }
    for (int k = 1; k < saldo.rowCount(); ++k) {
        const std::string& month = saldo.cell(1, k);
        switch (spec_.currency) {
            case BalanceCurrency::Catalogue: {
                int row = catalogueRow(cat, saldo.cell(0, k));
                saldo.setCell(2, k, row >= 0 ? cat.cell(4, row) : std::string());
                break;
            }
            case BalanceCurrency::IndexGrid:
                saldo.setCell(2, k, currencyOfMonth(app_.main.indice, month));
                break;
            case BalanceCurrency::StateTable:
                saldo.setCell(2, k, currencyOfMonth(stateTable, month));
                break;
        }
    }
}

StepResult DailyWizard::next() {
    try {
        if (step_ == 0 && spec_.rebuildPlansOnNext) rebuildPlanList(w_, tables(), spec_.plansByName);
        // The state calculator selects simple interest on every "Próximo".
        if (spec_.correct) w_.setChecked("Rsimples", true);
        step_ = std::min(step_ + 1, spec_.lastStep);
        if (step_ == 1 && !checkPlans()) return StepResult::Refused;
        if (step_ == 2) computeDifferences(w_, tables());
        if (step_ == spec_.periodInterestStep) computePeriodInterest(w_, spec_.percentSuffix);
        if (step_ == spec_.sheetStep || step_ == spec_.correctionStep) {
            StringGrid& p = w_.grid("planilha");
            for (int r = 1; r < p.rowCount(); ++r) p.clearRow(r);
            p.setRowCount(2);
            if (step_ == spec_.sheetStep) computeSpreadsheet(w_, tables(), spec_.sheet);
            if (step_ == spec_.correctionStep && spec_.correct) spec_.correct(app_, ui_);
        }
        if (step_ == spec_.lastStep) {
            if (spec_.backupOnLastStep) writeBackup();
            w_.at("SpeedButton3").enabled = true;
        }
    } catch (const ConversionError& e) {
        ui_.message(e.what());
        return StepResult::Error;
    } catch (const FileError& e) {
        ui_.message(e.what());
        return StepResult::Error;
    } catch (const CalcRefused& e) {
        ui_.message(e.what());
        return StepResult::Error;
    }
    return StepResult::Ok;
}

void DailyWizard::previous() { step_ = std::max(step_ - 1, 0); }

void DailyWizard::clickPlans() {
    try {
        rebuildPlanList(w_, tables(), spec_.plansByName);
    } catch (const ConversionError& e) {
        ui_.message(e.what());
    }
}

void DailyWizard::clearPeriodInterest() {
    StringGrid& g = w_.grid("STJuros");
    for (int r = 1; r < g.rowCount(); ++r) g.clearRow(r);
    g.setRowCount(3);
    g.setColCount(3);
}

void DailyWizard::addPeriodInterestRow() {
    StringGrid& g = w_.grid("STJuros");
    const int row = g.rowCount();
    if (g.setRowCount(row + 1)) g.clearRow(row);
}

void DailyWizard::clearMonthlyInterest() {
    StringGrid& g = w_.grid("Jmes");
    g.setRowCount(5);
    for (int r = 1; r < g.rowCount(); ++r) {
        for (int c = 0; c < 3; ++c) g.setCell(c, r, std::string());
        g.setCell(3, r, "Não");
    }
}

void DailyWizard::clearAmortisation() {
    StringGrid& g = w_.grid("amortizacao");
    for (int r = 1; r < g.rowCount(); ++r) {
        g.setCell(1, r, std::string());
        g.setCell(2, r, std::string());
    }
}

void DailyWizard::exitGrid(const std::string& gridName) {
    try {
        StringGrid& g = w_.grid(gridName);
        if (gridName == "SPlanos") {
            for (int r = 1; r < g.rowCount(); ++r)
                g.setCell(1, r, digit(g.cell(1, r)) ? validadataMA(g.cell(1, r)) : std::string());
        } else if (gridName == "SSaldo") {
            for (int r = 1; r < g.rowCount(); ++r) {
                const std::string day = digitsOf(g.cell(3, r));
                if (!day.empty()) {
                    // At most two digits come through the cell's mask; a longer
                    // text is a day above 28 all the same.
                    int n = day.size() > 2 ? 99 : std::stoi(day);
                    if (n > 28) g.setCell(3, r, "28");
                    else if (n < 1) g.setCell(3, r, "1");
                    else if (n < 10) g.setCell(3, r, std::to_string(n));
                }
                if (digit(g.cell(4, r))) g.setCell(4, r, T2(RemovePontoTodos(g.cell(4, r))));
            }
        } else if (gridName == "SBase") {
            for (int r = 1; r < g.rowCount(); ++r)
                for (int c : {1, 3})
                    if (digit(g.cell(c, r))) g.setCell(c, r, validadataMA(g.cell(c, r)));
        } else if (gridName == "STJuros" || gridName == "Jmes") {
            for (int r = 1; r < g.rowCount(); ++r)
                for (int c : {0, 1})
                    if (digit(g.cell(c, r))) g.setCell(c, r, validadata(g.cell(c, r)));
        }
    } catch (const ConversionError& e) {
        ui_.message(e.what());
    }
}

void DailyWizard::typedInDateGrid(const std::string& gridName, int row) {
    StringGrid& g = w_.grid(gridName);
    for (int c : {0, 1})
        if (g.cell(c, row) == "  /  /    ") g.setCell(c, row, std::string());
}

void DailyWizard::selectJmes(int col, int row) {
    jmesCol_ = col;
    jmesRow_ = row;
    if (row >= 1) jmesEditable_ = col <= 2;
}

void DailyWizard::clickJmes() {
    if (jmesRow_ < 1 || jmesCol_ != 3) return;
    StringGrid& g = w_.grid("Jmes");
    g.setCell(3, jmesRow_, g.cell(3, jmesRow_) == "Não" ? "Sim" : "Não");
}

std::string DailyWizard::backupPath() const {
    const RecordKind kind = spec_.backupOnLastStep.value_or(spec_.backupAfterReport.value_or(RecordKind::Daily));
    return workspaceFile(app_.main.meudir, recordBackupName(kind));
}

// The backup of the last calculation is a working file, written again each
// time the calculation is finished: it does not wait for the disk. A copy the
// user saves from it is flushed (see Durability).
void DailyWizard::writeBackupRecord(RecordKind kind) const {
    writeRecord(kind, w_, backupPath(), Durability::Working);
}

void DailyWizard::writeBackup() {
    writeBackupRecord(*spec_.backupOnLastStep);
    if (*spec_.backupOnLastStep == RecordKind::Daily) app_.main.edit1 = "diaria";
}

void DailyWizard::saveHeaderFooter() {
    try {
        writeCabecalho(app_.main.meudir, w_.lines("Memo1"));
        writeRodape(app_.main.meudir, w_.lines("Memo2"));
    } catch (const FileError& e) {
        ui_.message(e.what());
    }
}

std::string DailyWizard::finish() {
    std::string path;
    try {
        if (spec_.prepareSheet) {
            StringGrid& saldo = w_.grid("SSaldo");
            for (int r = 1; r < saldo.rowCount(); ++r)
                if (digit(saldo.cell(4, r))) saldo.setCell(4, r, T2(num(saldo.cell(4, r))));

            StringGrid& p = w_.grid("planilha");
            for (int r = 1; r < p.rowCount(); ++r) {
                const std::string& a = p.cell(11, r);
                if (a != "0" && !blank(a)) p.setCell(11, r, "-" + a);
            }
            if (w_.checked("Rsemjuros")) {
                for (int r = 0; r < p.rowCount(); ++r) p.setCell(6, r, std::string());
                p.setCell(7, 0, "Valor");
            } else {
                p.setCell(6, 0, "Juros");
                p.setCell(7, 0, "Juros + Valor");
            }
        }
        if (spec_.splitSheet) buildSplitSpreadsheet(w_);
        path = spec_.writeReport(app_);
    } catch (const ConversionError& e) {
        ui_.message(e.what());
        return {};
    } catch (const FileError& e) {
        ui_.message(e.what());
        return {};
    } catch (const CalcRefused& e) {
        ui_.message(e.what());
        return {};
    }
    if (spec_.backupAfterReport) {
        try {
            writeBackupRecord(*spec_.backupAfterReport);
        } catch (const FileError& e) {
            ui_.message(e.what());
        }
    }
    if (spec_.snapshotOption) salvarx(app_, spec_.snapshotOption, ui_);
    if (spec_.threeInterestColumns) w_.grid("STJuros").setColCount(3);
    w_.at("SpeedButton3").enabled = false;
    step_ = 0;
    return path;
}

}  // namespace core::calc
