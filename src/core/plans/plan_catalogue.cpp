#include "core/plans/plan_catalogue.hpp"

#include <algorithm>
#include <vector>

#include "core/tables/table_file.hpp"
#include "core/text/cp1252.hpp"
#include "core/text/dates.hpp"
#include "core/text/errors.hpp"
#include "core/text/numbers.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

const char* const kCatalogueHeaders[kCatalogueCols] = {
    "Expurgo",          "Data",          "Diferença sobre o saldo anterior em %",
    "Mudança de Moeda", "Moeda",         "Índice Oficial",
    "Índice Oficial Valor", "Índice Requerido", "Índice Requerido Valor",
    "Moeda Mudança"};
const char* const kApplicationHeaders[kApplicationCols] = {"Data", "Expurgo", "Aplicar ao índice"};

StringGrid& catalogue(AppState& s) { return s.form3.grid(kPlanGrid); }
StringGrid& application(AppState& s) { return s.form4.grid(kPlanGrid); }

// Loads the file into the grid when it exists; a file that cannot be read is
// reported and leaves the grid as it was.
void loadIfPresent(const std::string& path, StringGrid& g, UserInterface& ui) {
    if (!fileExists(path)) return;
    StringGrid loaded = g;
    try {
        LoadFromFile(path, loaded);
    } catch (const FileError& e) {
        ui.message(e.what());
        return;
    }
    g = std::move(loaded);
}

void fillList(Window& w, const StringGrid& cat) {
    w.clearItems("CPlanos");
    for (int r = 1; r < cat.rowCount(); ++r) w.addItem("CPlanos", cat.cell(0, r));
}

void newRow(StringGrid& g) {
    // Cells of a removed row survive in the grid; the new row must show empty.
    if (g.setRowCount(g.rowCount() + 1)) g.clearRow(g.rowCount() - 1);
}

bool deleteRow(StringGrid& g, int& remembered) {
    if (remembered < 1 || remembered >= g.rowCount()) return false;
    RemoveLinha(g, remembered);
    // The selection of the grid moves up when its last row goes.
    if (remembered >= g.rowCount()) remembered = g.rowCount() - 1;
    return true;
}

bool save(const std::string& path, const StringGrid& g, UserInterface& ui) {
    try {
        SaveToFile(path, g);
    } catch (const FileError& e) {
        ui.message(e.what());
        return false;
    }
    return true;
}

// The default copy replaces the rows of the grid (the header row included);
// the column count never falls below the window's.
bool restore(const std::string& path, StringGrid& g, UserInterface& ui) {
    if (!fileExists(path)) {
        ui.message("Arquivo não encontrado: " + path);
        return false;
    }
    StringGrid loaded(g.colCount(), 1);
    try {
        LoadFromFile(path, loaded);
    } catch (const FileError& e) {
        ui.message(e.what());
        return false;
    }
    g = std::move(loaded);
    return true;
}

void normaliseMonths(StringGrid& g, int col, UserInterface& ui) {
    bool reported = false;
    for (int r = 1; r < g.rowCount(); ++r) {
        const std::string& cell = g.cell(col, r);
        if (!checkinteiro(cell)) continue;
        try {
            g.setCell(col, r, validadataMA(cell));
        } catch (const ConversionError& e) {
            // The cell keeps the text as typed; one message for the whole grid.
            if (!reported) ui.message(e.what());
            reported = true;
        }
    }
}

// Lower case of a Windows-1252 byte.
unsigned char lowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;
    if (c == 0x9F) return 0xFF;
    return c;
}

int compareNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = lowerCp1252(static_cast<unsigned char>(a[i]));
        unsigned char y = lowerCp1252(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

std::string planSettingsPath(const AppState& s, std::string_view fileName) {
    return workspaceFile(s.main.meudir, fileName);
}

// ---- Start-up ----

void clearPlanLists(AppState& s) {
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD, &s.formJf}) w->clearItems("CPlanos");
}

void loadCatalogueAtStart(AppState& s, UserInterface& ui) {
    loadIfPresent(planSettingsPath(s, kCatalogueFile), catalogue(s), ui);
    publishCatalogue(s);
}

void publishCatalogue(AppState& s) {
    const StringGrid& cat = catalogue(s);
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD}) w->grid("SPlanos").setRowCount(cat.rowCount() + 2);
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD, &s.formJf}) fillList(*w, cat);
}

void loadApplicationAtStart(AppState& s, UserInterface& ui) {
    loadIfPresent(planSettingsPath(s, kApplicationFile), application(s), ui);
}

void loadPlanSettingsAtStart(AppState& s, UserInterface& ui) {
    clearPlanLists(s);
    loadCatalogueAtStart(s, ui);
    loadApplicationAtStart(s, ui);
}

// ---- TForm3 ----

void showCatalogue(AppState& s) {
    StringGrid& g = catalogue(s);
    for (int c = 0; c < kCatalogueCols; ++c) g.setCell(c, 0, kCatalogueHeaders[c]);
}

void catalogueSelectCell(PlanWindowsState& p, int col, int row) {
    p.catalogueCol = col;
    p.catalogueRow = row;
}

void catalogueNewRow(AppState& s) { newRow(catalogue(s)); }

bool catalogueDeleteRow(AppState& s, PlanWindowsState& p, UserInterface& ui) {
    StringGrid& g = catalogue(s);
    if (p.catalogueRow < 1 || p.catalogueRow >= g.rowCount()) return false;
    if (!ui.confirm("Deseja excluir a linha?")) return false;
    return deleteRow(g, p.catalogueRow);
}

std::string catalogueSortKey(std::string_view month) {
    // Positions are those of the file's single-byte text.
    const std::string bytes = utf8ToCp1252(month);
    if (bytes.size() < 7) return {};
    return bytes.substr(3, 4) + bytes.substr(0, 2);
}

void sortCatalogue(StringGrid& g) {
    const int rows = g.rowCount();
    std::vector<std::string> keys(rows);
    for (int r = 1; r < rows; ++r) keys[r] = catalogueSortKey(g.cell(kCatalogueMonthCol, r));
    for (int a = 1; a < rows - 1; ++a)
        for (int b = a + 1; b < rows; ++b)
            if (compareNoCase(keys[a], keys[b]) > 0) {
                g.swapRows(a, b);
                std::swap(keys[a], keys[b]);
            }
}

bool catalogueSave(AppState& s, UserInterface& ui) {
    StringGrid& g = catalogue(s);
    sortCatalogue(g);
    bool saved = save(planSettingsPath(s, kCatalogueFile), g, ui);
    fillList(s.form2, g);
    return saved;
}

bool catalogueRestore(AppState& s, UserInterface& ui) {
    return restore(planSettingsPath(s, kCatalogueDefaultFile), catalogue(s), ui);
}

void catalogueLeaveGrid(AppState& s, UserInterface& ui) {
    normaliseMonths(catalogue(s), kCatalogueMonthCol, ui);
}

// ---- TForm4 ----

void showApplication(AppState& s) {
    StringGrid& g = application(s);
    for (int c = 0; c < kApplicationCols; ++c) g.setCell(c, 0, kApplicationHeaders[c]);
}

void applicationSelectCell(AppState& s, PlanWindowsState& p, int col, int row) {
    p.applicationCol = col;
    p.applicationRow = row;
    if (row < 1) return;
    Control& c = s.form4.at(kPlanGrid);
    if (col == 0 || col == 1) c.readOnly = false;
    if (col == kApplicationFlagCol) c.readOnly = true;
}

bool applicationClick(AppState& s, const PlanWindowsState& p) {
    StringGrid& g = application(s);
    if (p.applicationCol != kApplicationFlagCol || p.applicationRow < 1 || p.applicationRow >= g.rowCount())
        return false;
    const std::string& now = g.cell(kApplicationFlagCol, p.applicationRow);
    g.setCell(kApplicationFlagCol, p.applicationRow, now == "Não" ? "Sim" : "Não");
    return true;
}

void applicationNewRow(AppState& s) { newRow(application(s)); }

bool applicationDeleteRow(AppState& s, PlanWindowsState& p) { return deleteRow(application(s), p.applicationRow); }

bool applicationSave(AppState& s, UserInterface& ui) {
    return save(planSettingsPath(s, kApplicationFile), application(s), ui);
}

bool applicationRestore(AppState& s, UserInterface& ui) {
    return restore(planSettingsPath(s, kApplicationDefaultFile), application(s), ui);
}

void applicationLeaveGrid(AppState& s, UserInterface& ui) {
    normaliseMonths(application(s), kApplicationMonthCol, ui);
}

}  // namespace core
