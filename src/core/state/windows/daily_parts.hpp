#pragma once
// Pieces shared by the four daily-balance calculator windows (daily savings,
// state court tables, month-by-month court tables, federal courts): they are
// built on one page structure, with the same grids, headers and control names.
//
// Declaration order: each page is declared before the controls it holds, so the
// list reads like the window's layout; the persisted controls keep exactly the
// order in which the project file writes them.
#include <string>

#include "core/state/control.hpp"

namespace core::daily_parts {

// Design row count of a grid whose rows are filled by the program: the header
// row and one data row.
inline constexpr int kDesignRows = 2;

// Page 0: plan check list (filled from the plan catalogue at start) and the
// month grid "Expurgo"/"Data", with the "Atualizar até" row at the end.
Control plansList();   // CPlanos
Control plansGrid();   // SPlanos, 2 columns, 1 fixed

// Page 1: balance on the anniversary day; only "Dia base" and "Saldo" are typed.
Control balanceGrid();  // SSaldo, 5 columns, 3 fixed
// Page 2: difference base, computed, read only.
Control baseGrid();     // SBase, 5 columns, 1 fixed

// Page 3: period interest and monthly interest.
Control periodInterestGrid();   // STJuros, 3 columns
Control monthlyInterestGrid();  // Jmes, 4 columns ("Juros Trimestrais": "Sim"/"Não")
// The interest-kind radios kept for the file formats; "Simples" is selected.
void addInterestKindRadios(Window& w);  // Rcomposto, Rsimples, Rmes (hidden)
Control proRata();                      // Cprorata "Pró-rata"
void addMonthlyInterestRadios(Window& w);  // RComjuros "Sim", Rsemjuros "Não" (selected)

// Page 4: amortisation and fees.
Control amortisationGrid();  // amortizacao, 3 columns, 1 fixed
Control feeEdit();           // Ehono, money edit "0,00"
Control feeCheck();          // Chono "Aplicar honorários"
Control feeByPercent();      // Rpor "Como porcentagem" (selected)
Control feeByValue();        // Rvalor "Como valor"

// Page 5: the month-by-month spreadsheet, 16 columns, headers of columns 0-7.
Control spreadsheetGrid();   // planilha, read only

// Page 6: report header and footer lines, notes option.
Control headerMemo();   // Memo1
Control footerMemo();   // Memo2
Control notesCheck();   // Cnotas "Exibir Notas Finais sobre cálculos" (ticked)

// Common page-0 check box.
Control noRemuneratoryInterest();  // Cnaou "Não usar juros remuneratórios nos expurgos"

// Labels.
Control tableDateLabel();  // Label5 "Tabela atualizada até: "
Control balanceLabel();    // instruction above SSaldo

// Returns the control with its visibility switched off.
Control hidden(Control c);

// Group names of the radio buttons.
inline constexpr const char* kGroupIndice = "indice";        // Rtr / Rpoup
inline constexpr const char* kGroupTipoJuros = "tipojuros";  // Rcomposto / Rsimples / Rmes
inline constexpr const char* kGroupJuros = "juros";          // RComjuros / Rsemjuros
inline constexpr const char* kGroupHono = "hono";            // Rpor / Rvalor
inline constexpr const char* kGroupTabela = "tabela";        // state court tables
inline constexpr const char* kGroupEncoge = "encoge";        // Cencoge / Cencogeexp

// Whole pages, each from its Page control to its last control:
// steps 1 and 2 ("Saldo", "Diferença");
void addBalanceAndDifferencePages(Window& w);
// step 3 ("Juros") with the period and the monthly interest and their "Limpar";
void addInterestPage(Window& w);
// the amortisation grid and its "Limpar", opening step 4 ("Amortização");
void addAmortisationPage(Window& w);
// step 5 ("Planilha");
void addSpreadsheetPage(Window& w);
// the last step ("Cabeçalho/Rodapé/Notas"): header, footer, "Gravar", notes.
void addHeaderFooterPage(Window& w);

// Wizard bar: "Anterior", "Próximo", "Finalizar" (disabled until the last
// page), "Fechar", "Novo", the backup button with its window's caption, the
// hidden "Abrir", and "Para Salvar o Cálculo Clique Aqui" (visible or not).
void addWizardButtons(Window& w, std::string backupCaption, bool saveButtonVisible);

}  // namespace core::daily_parts
