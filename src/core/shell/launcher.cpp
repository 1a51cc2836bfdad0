#include "core/shell/launcher.hpp"

#include <filesystem>

#include "core/tables/table_file.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

void loadCalculatorTable(AppState& app, const std::string& tableName) {
    const std::string path = workspaceFile(app.main.meudir, tableName);
    if (fileExists(path)) {
        resetAndLoad(path, app.main.indice);
        return;
    }
    StringGrid& g = app.main.indice;
    g.clearAll();
    g.setRowCount(2);
    g.setColCount(1);
}

bool checkTable(AppState& app, const std::string& tableName, UserInterface& ui) {
    if (fileExists(workspaceFile(app.main.meudir, tableName))) return true;
    ui.message(kMissingTableMessage);
    return false;
}

void resetCalculator(AppState& app, Window& w, const ResetSpec& spec) {
    if (spec.deleteTemp2) {
        std::error_code ec;
        std::filesystem::remove(fsPath(workspaceFile(app.main.meudir, "temp2.back")), ec);
    }
    loadCalculatorTable(app, spec.table);

    Control& plans = w.at("CPlanos");
    plans.ticks.assign(plans.items.size(), false);
    const char* grids[] = {"SPlanos", "SSaldo", "SBase", "STJuros"};
    for (const char* name : grids) {
        StringGrid& g = w.grid(name);
        for (int r = 1; r < g.rowCount(); ++r) g.clearRow(r);
    }
    w.setChecked("Rsimples", true);
    w.setChecked("Cprorata", false);

    StringGrid& jmes = w.grid("Jmes");
    jmes.setRowCount(5);
    for (int r = 1; r <= 4; ++r)
        if (jmes.cell(3, r).empty()) jmes.setCell(3, r, "Não");

    if (spec.clearAmortisation) {
        StringGrid& a = w.grid("amortizacao");
        for (int r = 1; r < a.rowCount(); ++r) a.clearRow(r);
    }
    StringGrid& p = w.grid("planilha");
    for (int r = 1; r < p.rowCount(); ++r) p.clearRow(r);

    w.lines("Memo1").clear();
    w.lines("Memo2").clear();
    if (auto lines = readCabecalho(app.main.meudir)) w.lines("Memo1") = *lines;
    if (auto lines = readRodape(app.main.meudir)) w.lines("Memo2") = *lines;
}

void abrirpoupx(AppState& app) {
    resetCalculator(app, app.form2, ResetSpec{"razidaro13.tab", true, true});
}

void DbitosJudiciaisSoPaulo2Click(AppState& app) {
    resetCalculator(app, app.form5, ResetSpec{"t0001.tab", true, false});
}

void abrirpoupxstj(AppState& app) {
    resetCalculator(app, app.formTjspD, ResetSpec{"tjmg.tab", true, true});
}

void abrirpoupxjf(AppState& app) {
    resetCalculator(app, app.formJf, ResetSpec{"jf.tab", false, true});
}

}  // namespace core
