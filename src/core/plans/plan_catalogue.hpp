#pragma once
// The plan catalogue (TForm3 "Incluir Expurgo", grid SPlanosini, "planos.ini")
// and the purge application grid (TForm4 "Aplicar Expurgos", grid SPlanosini,
// "indice.ini"): loading at start, publishing the plan names to the check lists
// of the daily-balance calculators, and the commands of both windows.
//
// Item k of a calculator's check list CPlanos stands for catalogue row k + 1.
#include <string>
#include <string_view>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

inline constexpr const char* kCatalogueFile = "planos.ini";
inline constexpr const char* kCatalogueDefaultFile = "planos2.ini";
inline constexpr const char* kApplicationFile = "indice.ini";
inline constexpr const char* kApplicationDefaultFile = "indice2.ini";

inline constexpr const char* kPlanGrid = "SPlanosini";
inline constexpr int kCatalogueCols = 10;
inline constexpr int kCatalogueMonthCol = 1;
inline constexpr int kApplicationCols = 3;
inline constexpr int kApplicationMonthCol = 0;
inline constexpr int kApplicationFlagCol = 2;

// The cell each plan window last selected in its grid (row 0, the header, until
// the user selects a cell).
struct PlanWindowsState {
    int catalogueCol = 0;
    int catalogueRow = 0;
    int applicationCol = 0;
    int applicationRow = 0;
};

// A file of the workspace folder.
std::string planSettingsPath(const AppState& s, std::string_view fileName);

// ---- Start-up ----
// Empties the check lists CPlanos of TForm2, TForm5, TForm_tjsp_d and TForm_jf.
void clearPlanLists(AppState& s);
// Loads "planos.ini" into the catalogue when it exists, then publishes it.
// A file that exists but cannot be read shows its error and is skipped.
void loadCatalogueAtStart(AppState& s, UserInterface& ui);
// The plan grids SPlanos of TForm2, TForm5 and TForm_tjsp_d get the catalogue's
// row count plus 2 rows (TForm_jf keeps its size); the four check lists are
// refilled with column 0 of catalogue rows 1 to last, all unticked.
void publishCatalogue(AppState& s);
// Loads "indice.ini" into TForm4's grid when it exists (errors as above).
void loadApplicationAtStart(AppState& s, UserInterface& ui);
// The three steps above in start-up order.
void loadPlanSettingsAtStart(AppState& s, UserInterface& ui);

// ---- TForm3 ----
// Writes the column headers (each time the window is shown).
void showCatalogue(AppState& s);
void catalogueSelectCell(PlanWindowsState& p, int col, int row);
// "Nova Linha": one empty row at the end.
void catalogueNewRow(AppState& s);
// "Excluir Linha": asks "Deseja excluir a linha?" and on Yes removes the
// remembered row. With the header row (or no row) remembered nothing happens
// and nothing is asked. Returns true when a row was removed.
bool catalogueDeleteRow(AppState& s, PlanWindowsState& p, UserInterface& ui);
// The sort key of a month "mm/yyyy": year then month ("198706"); empty for a
// text shorter than "mm/yyyy".
std::string catalogueSortKey(std::string_view month);
// Exchange sort of rows 1 to last by the sort key of column 1, ascending,
// compared without regard to case. Rows with equal keys may change order.
void sortCatalogue(StringGrid& g);
// "Gravar": sorts, saves "planos.ini" and refills TForm2's check list (the
// other calculators' lists follow at the next start). A failed save shows its
// error; the list is refilled all the same, since it must follow the grid's
// new order. Returns true when the file was written.
bool catalogueSave(AppState& s, UserInterface& ui);
// "Restabelecer configuração original": replaces the grid's rows by
// "planos2.ini". A missing or unreadable file shows a message and changes
// nothing. Returns true when the file was loaded.
bool catalogueRestore(AppState& s, UserInterface& ui);
// Focus leaves the grid: month cells (column 1) with a digit are normalised.
void catalogueLeaveGrid(AppState& s, UserInterface& ui);

// ---- TForm4 ----
void showApplication(AppState& s);
// Remembers the cell; a data cell of columns 0 or 1 makes the grid editable,
// one of column 2 read-only.
void applicationSelectCell(AppState& s, PlanWindowsState& p, int col, int row);
// A click with a data cell of column 2 selected toggles it: "Não" becomes
// "Sim", anything else "Não". Returns true when a cell changed.
bool applicationClick(AppState& s, const PlanWindowsState& p);
void applicationNewRow(AppState& s);
// "Excluir Linha": removes the remembered row at once (never the header row).
bool applicationDeleteRow(AppState& s, PlanWindowsState& p);
// "Gravar": saves "indice.ini" in the grid's order. Returns true when written.
bool applicationSave(AppState& s, UserInterface& ui);
bool applicationRestore(AppState& s, UserInterface& ui);
// Focus leaves the grid: month cells (column 0) with a digit are normalised.
void applicationLeaveGrid(AppState& s, UserInterface& ui);

}  // namespace core
