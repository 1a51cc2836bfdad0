#pragma once
// The three configured savings windows share one wizard: eleven pages, the
// account fields, the entry mode and option radios, five money edits per plan
// month (interest, insurance, JCM, previous and next balance), the interest and
// fee fields, the hidden table grid `st` and the statement grid `st2`. They
// differ in their plan months, a few captions and notes, and the visibility of
// the statement grid and of the save button.
//
// Declaration order: the pages first, then the persisted controls in the order
// in which the project file writes them, then labels and buttons (which the
// project file skips). Label captions use "\n" for a line break.
#include <string>
#include <vector>

#include "core/state/control.hpp"

namespace core::configured_parts {

// Design row count of a grid whose rows come from a table file.
inline constexpr int kDesignRows = 2;
// Text of an empty date edit with the mask below.
inline constexpr const char* kEmptyDate = "  /  /    ";
inline constexpr const char* kDateMask = "!99/99/9999;1;_";
inline constexpr const char* kZeroMoney = "0,00";

// One plan month: the names of its five money edits, the row label of each
// entry page and its heading in the statement grid.
struct PlanMonth {
    std::string interest;      // page 2 "Juros"
    std::string insurance;     // page 2 "Cor Mon / Seg Inf"
    std::string jcm;           // page 3
    std::string previous;      // page 4, balance of the month before
    std::string next;          // page 5, balance after the credit
    std::string interestRow;   // row label on page 2
    std::string jcmRow;        // row label on page 3
    std::string previousRow;   // row label on page 4
    std::string nextRow;       // row label on page 5
    std::string statementHead; // row 0 of `st2`
};

PlanMonth julho87();
PlanMonth fevereiro89();
PlanMonth maio90();
PlanMonth junho90();

struct Variant {
    std::string name;         // section name of the project file
    std::string className;
    std::string caption;
    std::vector<PlanMonth> months;     // in the order of the statement grid
    std::string cjcCaption;            // check box `Cjc`
    std::vector<Control> page0Notes;   // extra labels on page 0
    std::string finishText;            // text of page 9
    bool statementVisible = true;      // grid `st2`
    bool saveButtonVisible = false;    // `SpeedButton6` on page 9
};

Window makeWindow(const Variant& v);

}  // namespace core::configured_parts
