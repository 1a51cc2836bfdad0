#pragma once
// Calculation files of the daily-balance calculators in the line-oriented
// record format, and their last-calculation backups: saving a backup under a
// name the user chooses, opening such a file into its calculator, reopening
// the last backup.
#include <string>

#include "core/records/calc_record.hpp"
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

inline constexpr const char* kEarlierVersionMessage =
    "Este programa não abre o arquivo da versão anterior, use a versão 1.0";

// "Para Salvar o Cálculo Clique Aqui" of the calculator whose record kind is
// given: each window saves its own backup. Daily behaves as the overload
// above (the marker decides); MonthByMonth saves "temp2.back" and leaves the
// marker alone; State and Federal as SalvarspClick and Salvarjf.
bool Salvar1Click(AppState& app, UserInterface& ui, RecordKind caller);
// "Para Salvar o Cálculo Clique Aqui" of the state calculator: "tempsp.back"
// to an ".e12" file.
bool SalvarspClick(AppState& app, UserInterface& ui);
// The same for the federal calculator: "tempjf.back" to an ".ejf" file.
bool Salvarjf(AppState& app, UserInterface& ui);

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

// "Abrir" of the month-by-month calculator: a state ".e12" file goes to TForm5
// ("t0001.tab" loaded), any other to TForm_tjsp_d ("tjmg.tab" loaded), read
// when its first line is "Vers 1.2" or "Vers 1.22", else the earlier-version
// message. Header and footer go to TForm_tjsp_d. Returns "Form5",
// "Form_tjsp_d" or empty (cancelled).
std::string Abrir1_Click(AppState& app, UserInterface& ui);

// How reading a calculation file into a calculator ended.
enum class RecordFileStatus {
    Read,            // the record is in the window
    StateRecord,     // the first line is "estados": a state record, nothing read
    EarlierVersion,  // a first line the reader does not take: nothing read
    Refused,         // more plans than the check list: refusal shown, window untouched
    Failed,          // the file cannot be read or a line is damaged: error shown
};

// The reading part of Abrir1_Click for a file already chosen, the index grid
// left as it is: a state record reads nothing (StateRecord, nothing shown);
// a first line other than "Vers 1.2" or "Vers 1.22" shows the earlier-version
// message; otherwise the month-by-month record goes into TForm_tjsp_d, its
// tail fields optional. Then, unless the file could not be read at all,
// "cabecalho.dat" and "rodape.dat" go to TForm_tjsp_d's Memo1 and Memo2 when
// they exist. Throws FileError when one of those exists but cannot be read.
RecordFileStatus readMonthByMonthFile(AppState& app, const std::string& path, UserInterface& ui);

// "Abrir" of the federal calculator: an ".ejf" file into TForm_jf with
// "jf.tab" loaded; a first line other than "Vers 1.2" shows the
// earlier-version message. Returns "Form_jf" or empty (cancelled).
std::string Abrirjf_Click(AppState& app, UserInterface& ui);

// "Abrir Backup" of the month-by-month calculator: "temp2.back" (a state
// record in it goes through Abrirback2). The index grid is not reloaded.
std::string Abrirbackstj(AppState& app, UserInterface& ui);

// "Abrir Backup" of the federal calculator: "tempjf.back" when its first line
// is "Vers 1.2". The index grid is not reloaded.
std::string Abrirbacksjf(AppState& app, UserInterface& ui);

}  // namespace core
