#pragma once
// Calculation records of the four daily-balance calculators: the line-oriented
// text kept as each calculator's last-calculation backup (and, copied byte for
// byte, as the user's ".e12" and ".ejf" files).
//
// A record is Windows-1252 text, one value per line, lines ended by CR LF:
//   1  first line ("Vers 1.22", "estados" or "Vers 1.2")
//   2  number N of plans of the check list CPlanos, then N tick lines
//   4  grids SPlanos, SSaldo, SBase (row count R, then rows 1 .. R-1 as comma text)
//   7  Rcomposto, Rsimples, Rmes (fixed "false"/"true"/"false" except in the
//      state record, which stores their state; never restored on reading)
//  10  Cprorata, grid STJuros, grid amortizacao (not in the state record),
//      RComjuros, grid Jmes
//  15  the tail of the kind (fees, options of the calculator)
// Booleans are "true" or "false".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/workspace/atomic_file.hpp"

#include "core/state/control.hpp"
#include "core/ui/user_interface.hpp"

namespace core {

enum class RecordKind {
    Daily,         // TForm2, "Vers 1.22", "temp2diaria.back"
    State,         // TForm5, "estados", "tempsp.back"
    MonthByMonth,  // TForm_tjsp_d, "Vers 1.22", "temp2.back"
    Federal,       // TForm_jf, "Vers 1.2", "tempjf.back"
};

// Where a record being read comes from. A backup refused for its plan count is
// deleted; a refused user file stays as it is. The month-by-month kind also
// reads its tail differently (see readRecord).
enum class RecordSource { UserFile, Backup };

// The first lines the records have had.
enum class RecordVersion { Unknown, Vers12, Vers121, Vers122, Estados };

// The first line this version writes for the kind.
const char* recordFirstLine(RecordKind kind);
// The backup file name of the kind, in the workspace folder.
const char* recordBackupName(RecordKind kind);
// The backup file of the kind in the workspace folder meudir.
std::string recordBackupPath(const std::string& meudir, RecordKind kind);

// Kind test of a first line (compared exactly, after the line break is removed).
RecordVersion recordVersion(std::string_view firstLine);
// Whether the reader of the kind takes a record with this first line:
//   daily: "Vers 1.2", "Vers 1.21", "Vers 1.22";
//   month-by-month: "Vers 1.2", "Vers 1.22", and "Vers 1.21" from a backup;
//   state: "estados"; federal: "Vers 1.2".
bool recordAccepts(RecordKind kind, RecordSource source, std::string_view firstLine);

// The lines of record bytes (Windows-1252, or the encoding of a byte-order
// mark), as UTF-8 text; CR LF, a lone CR and a lone LF all end a line.
std::vector<std::string> recordLines(std::string_view bytes);
// Line 1 of the file, or nothing when the file cannot be read. An empty file
// has an empty first line.
std::optional<std::string> readRecordFirstLine(const std::string& path);

// The record of the kind built from the window's controls: the lines as UTF-8
// text, without line breaks. A line break inside a value (which would shift
// every later line) is written as a blank.
std::vector<std::string> buildRecord(RecordKind kind, const Window& w);
// The same lines as file bytes: Windows-1252 (characters outside it become
// "?"), every line ended by CR LF.
std::string recordBytes(RecordKind kind, const Window& w);
// Writes the record to the file, replacing it atomically (a last-calculation
// backup, rewritten by every calculation, as a working file). Throws FileError.
void writeRecord(RecordKind kind, const Window& w, const std::string& path,
                 Durability durability = Durability::Flushed);

struct RecordReadResult {
    enum class Status {
        Read,         // the record was read into the window
        Refused,      // more plans than the window's check list; window untouched
        NotAccepted,  // a first line the kind's reader does not take; window untouched
    };
    Status status = Status::Read;
    long long extraPlans = 0;  // Refused: plans beyond the check list
};

// The refusal of a record with `extra` plans more than the check list holds.
std::string planCountRefusal(long long extra, RecordSource source);

// Reads the record lines into the window.
// - Ticks: item i is ticked exactly when its line is "true"; items beyond the
//   record's N (plans added to the catalogue later) are unticked. A plan-count
//   line without any digit counts as 0 plans.
// - Grids get the stored row count (at least the header row) and their rows
//   1 .. R-1 refilled from comma text; the column count stays.
// - Rsimples is selected and Rcomposto, Rmes cleared, whatever the record says.
// - Tails: daily "Vers 1.2"/"Vers 1.21" end after Rpoup; "Vers 1.22" go on to
//   Ehono and then Cnaou when a line remains. State: every tail field only
//   while lines remain. Month-by-month: tail only for "Vers 1.22"; from a user
//   file every tail field only while lines remain, from a backup the last three
//   (Cencoge, Cencogeexp, Cnaou) only. A field not read leaves its control as
//   it was. Lines after the record are ignored.
// Throws ConversionError when a whole-number line is not one, when a grid
// claims more rows than StringGrid::kMaxRows, or when the record ends before a
// line it must have; the controls keep what was read up to that line.
RecordReadResult readRecord(RecordKind kind, const std::vector<std::string>& lines, RecordSource source,
                            Window& w);

// Reads a record file into the window. A record refused for its plan count
// shows planCountRefusal through the interface; a refused backup is then
// deleted. A first line the reader does not take reads nothing and shows
// nothing (the openers show their own messages). Throws FileError when the
// file cannot be read and ConversionError as readRecord.
RecordReadResult openRecord(RecordKind kind, const std::string& path, RecordSource source, Window& w,
                            UserInterface& ui);

}  // namespace core
