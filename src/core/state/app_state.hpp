#pragma once
// The state of the whole program: every window once, and the main window's
// shared fields.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/control.hpp"

namespace core {

struct MainWindowState {
    std::string meudir;     // workspace folder, no trailing separator
    std::string meudirx2;   // program folder, with its trailing separator
    std::string meusdocs;   // documents folder
    std::string opx;        // pending-calculation marker: a window name or empty
    std::string edit1;      // daily-calculation marker (Edit1)
    std::string cnomefont;  // report font name (Cnomefont)
    std::string cfont = "8";  // report font size (Cfont)
    StringGrid indice{8, 2};  // the index grid
    bool salvarEnabled = false;
};

struct UtilityState {
    std::vector<std::string> rgrava;  // snapshot buffer of the project file
};

class AppState {
public:
    AppState();

    MainWindowState main;
    UtilityState todos;

    Window form2, form5, formTjspD, formJf, form3, form4;
    Window form7, formConftodos, formConftodosII, formFGTS, form_FGTS;

    // By section name ("Form2", "Form_jf", ...); nullptr for an unknown name.
    Window* window(std::string_view name);
    // The eleven persisted windows in the order of the project file's sections.
    std::array<Window*, 11> projectSections();
};

}  // namespace core
