#pragma once
// Calculation files of the daily-balance calculators in the line-oriented
// record format, and their last-calculation backups: saving a backup under a
// name the user chooses, opening such a file into its calculator, reopening
// the last backup.
#include <string>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

inline constexpr const char* kE12Filter = "Corvane (*.e12)|*.E12";
inline constexpr const char* kEjfFilter = "Corvane (*.ejf)|*.EJF";

// "Para Salvar o Cálculo Clique Aqui" of the daily savings calculator: copies
// "temp2diaria.back" (when the marker Edit1 is "diaria", else "temp2.back") to
// the ".e12" file the user chooses; a successful daily save empties the marker.
// Returns true when a file was written.
bool Salvar1Click(AppState& app, UserInterface& ui);

// "Abrir" of the daily savings calculator: opens a daily or state ".e12" file
// into TForm2 or TForm5, with the table of that calculator loaded. Returns the
// section name of the window to show ("Form2", "Form5"), or empty when
// nothing was opened.
std::string Abrir1Click(AppState& app, UserInterface& ui);

// "Abrir último Backup" of the daily savings calculator: reopens
// "temp2diaria.back" (a state record in it goes to TForm5). Returns the window
// to show, or empty.
std::string Abrirback(AppState& app, UserInterface& ui);

// "Abrir Backup" of the state calculator: reopens "tempsp.back" into TForm5.
std::string Abrirback2(AppState& app, UserInterface& ui);

}  // namespace core
