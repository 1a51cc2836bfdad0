#pragma once
// The main window's commands that prepare a calculator: loading its table
// into the index grid and the resets the calculators' "Novo" buttons call.
#include <string>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

inline constexpr const char* kMissingTableMessage = "tabela inexistente - faça a atualização das tabelas";

// Reset-and-load of the index grid with a workspace table; when the file is
// missing only the reset happens (one empty column, two rows). Throws
// FileError when the file exists but cannot be read.
void loadCalculatorTable(AppState& app, const std::string& tableName);

// The "check F" step: shows kMissingTableMessage and returns false when the
// workspace has no such table.
bool checkTable(AppState& app, const std::string& tableName, UserInterface& ui);

// What differs between the resets of the four daily-balance calculators.
struct ResetSpec {
    const char* table;       // loaded into the index grid
    bool deleteTemp2;        // "temp2.back" is deleted first
    bool clearAmortisation;  // the window has an amortizacao grid to empty
};

// The reset of a daily-balance calculator window (all but showing it):
// "temp2.back" deleted where the reset asks for it, the table loaded, every plan
// unticked, the data rows of SPlanos, SSaldo, SBase, STJuros (and amortizacao)
// and planilha emptied, Rsimples selected, Cprorata unticked, Jmes set to 5
// rows with "Não" in empty cells of column 3, Memo1/Memo2 reloaded from
// "cabecalho.dat"/"rodape.dat".
void resetCalculator(AppState& app, Window& w, const ResetSpec& spec);

// The reset of the daily savings calculator (TForm2).
void abrirpoupx(AppState& app);

// The reset of the state court calculator (TForm5): "t0001.tab", no
// amortisation grid. "temp2.back" is deleted as by the daily reset; a failed
// deletion does not stop the reset (the window is always emptied).
void DbitosJudiciaisSoPaulo2Click(AppState& app);

// The reset of the month-by-month calculator (TForm_tjsp_d): "tjmg.tab".
void abrirpoupxstj(AppState& app);

// The reset of the federal calculator (TForm_jf): "jf.tab", "temp2.back" kept.
void abrirpoupxjf(AppState& app);

}  // namespace core
