#include "core/project/project_file.hpp"

#include <charconv>

#include "core/text/comma_text.hpp"
#include "core/text/cp1252.hpp"
#include "core/text/edit_mask.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {

namespace {

// A value must stay on its own line: line breaks (and NUL, which ends the text
// for older readers) inside a value become blanks.
void blankBreaks(std::string& line, std::size_t from) {
    for (std::size_t i = from; i < line.size(); ++i) {
        char& c = line[i];
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
}

// "key=value" built in one string.
std::string keyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key);
    line += '=';
    line.append(value);
    blankBreaks(line, key.size() + 1);
    return line;
}

void appendNumber(std::string& out, std::size_t n) {
    char digits[24];
    const auto res = std::to_chars(digits, digits + sizeof digits, n);
    out.append(digits, res.ptr);
}

// "name@index" followed by `suffix` and "=".
std::string indexedKey(const std::string& name, std::size_t index, std::string_view suffix,
                       std::size_t valueSize) {
    std::string line;
    line.reserve(name.size() + 8 + suffix.size() + valueSize);
    line.append(name);
    line += '@';
    appendNumber(line, index);
    line.append(suffix);
    line += '=';
    return line;
}

const char* boolText(bool on) { return on ? "true" : "false"; }

// A grid size from the file: nothing when it is not a whole number above 0;
// capped at `limit` with a message.
std::optional<int> gridSize(const IniFile& ini, const Window& w, const std::string& key,
                            const std::string& gridName, int limit, const char* what,
                            UserInterface* ui) {
    auto n = parseWholeNumber(ini.readString(w.name(), key));
    if (!n || *n <= 0) return std::nullopt;
    if (*n > limit) {
        if (ui)
            ui->message("O arquivo indica " + std::to_string(*n) + " " + what + " para a tabela " +
                        gridName + " da janela \"" + w.caption() + "\"; o limite é de " +
                        std::to_string(limit) + " " + what + ", e a tabela foi aberta com " +
                        std::to_string(limit) + ".");
        return limit;
    }
    return static_cast<int>(*n);
}

}  // namespace

// --- Writing -----------------------------------------------------------------

void gravar_edit(const Window& window, std::vector<std::string>& out,
                 const ProjectProgress& progress) {
    out.push_back("[" + window.name() + "]");
    const auto& controls = window.controls();
    const int max = static_cast<int>(controls.size()) - 1;
    const std::string label = "Salvando: " + window.caption();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (progress) progress(label, max, static_cast<int>(i));
        const Control& c = controls[i];
        const std::string& n = c.name;
        switch (c.kind) {
            case ControlKind::Edit:
            case ControlKind::ComboBox:
            case ControlKind::MaskEdit:
                out.push_back(keyLine(n, c.text));
                break;
            case ControlKind::Memo: {
                std::string line = n + "=";
                appendCommaText(line, c.lines);
                blankBreaks(line, n.size() + 1);
                out.push_back(std::move(line));
                break;
            }
            case ControlKind::Grid: {
                const StringGrid& g = c.grid;
                out.push_back(n + "@c=" + std::to_string(g.colCount()));
                out.push_back(n + "=" + std::to_string(g.rowCount()));
                const std::size_t guess = static_cast<std::size_t>(g.colCount()) * 12;
                for (int r = 0; r < g.rowCount(); ++r) {
                    std::string line = indexedKey(n, static_cast<std::size_t>(r), {}, guess);
                    const std::size_t value = line.size();
                    appendCommaText(line, g, r);
                    blankBreaks(line, value);
                    out.push_back(std::move(line));
                }
                break;
            }
            case ControlKind::Radio:
            case ControlKind::CheckBox:
                out.push_back(n + "=" + boolText(c.checked));
                break;
            case ControlKind::CheckList: {
                out.push_back(n + "=" + std::to_string(c.items.size()));
                for (size_t k = 0; k < c.items.size(); ++k) {
                    std::string line = indexedKey(n, k, "itc", c.items[k].size());
                    const std::size_t value = line.size();
                    line.append(c.items[k]);
                    blankBreaks(line, value);
                    out.push_back(std::move(line));
                }
                for (size_t k = 0; k < c.items.size(); ++k)
                    out.push_back(indexedKey(n, k, {}, 5) + boolText(k < c.ticks.size() && c.ticks[k]));
                break;
            }
            case ControlKind::Label:
            case ControlKind::Button:
            case ControlKind::Page:
                break;
        }
    }
}

void snapshotWindows(std::string_view option, const std::vector<const Window*>& sections,
                     std::vector<std::string>& out, const ProjectProgress& progress, int& step) {
    step = 2;
    out.push_back("[opcaoini]");
    out.push_back(keyLine("Opcao", option));
    out.push_back("[Inicio]");
    out.push_back("Versao=" + std::string(kProjectVersion));
    for (const Window* w : sections) {
        ++step;
        gravar_edit(*w, out, progress);
    }
}

bool salvarx(AppState& app, std::string_view option, UserInterface& ui,
             const ProjectProgress& progress) {
    int step = 0;
    try {
        app.todos.rgrava.clear();
        step = 1;
        std::vector<const Window*> sections;
        for (Window* w : app.projectSections()) sections.push_back(w);
        snapshotWindows(option, sections, app.todos.rgrava, progress, step);
        app.main.salvarEnabled = true;
        return true;
    } catch (const std::exception&) {
        app.todos.rgrava.clear();
        app.main.salvarEnabled = false;
        ui.message("linha: " + std::to_string(step) + " - Formtodos.salvarx");
        return false;
    }
}

std::string projectFileBytes(const std::vector<std::string>& lines) { return utf8LinesToCp1252(lines); }

bool saveProject(AppState& app, UserInterface& ui) {
    FileDialogRequest request;
    request.filter = std::string(kProjectFilter);
    request.defaultExt = std::string(kProjectExtension);
    if (app.todos.rgrava.empty()) {
        ui.message("Não há cálculo finalizado para salvar.");
        return false;
    }
    auto chosen = ui.saveFile(request);
    if (!chosen) return false;
    const std::string& path = *chosen;
    bool written = true;
    try {
        writeFileAtomic(path, projectFileBytes(app.todos.rgrava));
    } catch (const FileError&) {
        written = false;
    }
    if (written && fileExists(path)) {
        app.main.opx.clear();
        return true;
    }
    ui.message("Erro ao copiar para " + path);
    return false;
}

// --- Reading -----------------------------------------------------------------

void abrir_edit(Window& window, const IniFile& ini, UserInterface* ui,
                const ProjectProgress& progress) {
    const std::string& section = window.name();
    auto& controls = window.controls();
    const int max = static_cast<int>(controls.size()) - 1;
    const std::string label = "Anexo: " + window.caption();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (progress) progress(label, max, static_cast<int>(i));
        Control& c = controls[i];
        const std::string& n = c.name;
        switch (c.kind) {
            case ControlKind::Edit:
            case ControlKind::ComboBox:
                c.text = ini.readString(section, n);
                break;
            case ControlKind::MaskEdit:
                c.text = maskedText(c.mask, ini.readString(section, n));
                break;
            case ControlKind::Memo:
                fillLinesFromCommaText(c.lines, ini.readString(section, n));
                break;
            case ControlKind::Grid: {
                StringGrid& g = c.grid;
                if (auto cols = gridSize(ini, window, n + "@c", n, StringGrid::kMaxCols, "colunas", ui))
                    g.setColCount(*cols);
                if (auto rows = gridSize(ini, window, n, n, StringGrid::kMaxRows, "linhas", ui))
                    g.setRowCount(*rows);
                std::string key = n + "@";
                const std::size_t stem = key.size();
                for (int r = 0; r < g.rowCount(); ++r) {
                    key.resize(stem);
                    appendNumber(key, static_cast<std::size_t>(r));
                    const std::string* v = ini.find(section, key);
                    if (v && !v->empty()) fillRowFromCommaText(g, r, *v);
                }
                break;
            }
            case ControlKind::Radio:
                window.setChecked(n, ini.readString(section, n) == "true");
                break;
            case ControlKind::CheckBox:
                c.checked = ini.readString(section, n) == "true";
                break;
            case ControlKind::CheckList:
                c.ticks.resize(c.items.size(), false);
                for (size_t k = 0; k < c.items.size(); ++k)
                    c.ticks[k] = ini.readString(section, n + "@" + std::to_string(k)) == "true";
                break;
            case ControlKind::Label:
            case ControlKind::Button:
            case ControlKind::Page:
                break;
        }
    }
}

std::string windowToShow(std::string_view option) {
    static constexpr std::array<std::string_view, 9> kShown = {
        "Form2", "Form5", "FormFGTS", "Form_FGTS", "Form_conftodosII",
        "Form_conftodos", "Form7", "Form_jf", "Form_tjsp_d"};
    for (auto name : kShown)
        if (name == option) return std::string(name);
    return {};
}

ProjectOpenResult restoreProject(AppState& app, const IniFile& ini, UserInterface* ui,
                                 const ProjectProgress& progress) {
    ProjectOpenResult result;
    result.option = ini.readString("opcaoini", "Opcao");
    app.main.opx = result.option;
    for (auto name : kRestoreOrder)
        if (Window* w = app.window(name)) abrir_edit(*w, ini, ui, progress);
    app.main.opx = result.option;
    result.opened = true;
    result.windowToShow = windowToShow(result.option);
    return result;
}

ProjectOpenResult novox(AppState& app, const std::string& path, UserInterface* ui,
                        const ProjectProgress& progress) {
    if (!fileExists(path)) return {};
    const std::string bytes = readFileBytes(path);
    return restoreProject(app, IniFile::parse(decodeFileText(bytes)), ui, progress);
}

ProjectOpenResult openProject(AppState& app, UserInterface& ui, const ProjectProgress& progress) {
    FileDialogRequest request;
    request.filter = std::string(kProjectFilter);
    request.defaultExt = std::string(kProjectExtension);
    auto chosen = ui.openFile(request);
    if (!chosen) return {};
    try {
        return novox(app, *chosen, &ui, progress);
    } catch (const FileError& e) {
        ui.message(e.what());
        return {};
    }
}

}  // namespace core
