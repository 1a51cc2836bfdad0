#pragma once
// Which edits of the windows are money edits (typed like a cash register, see
// core/text/money_edit.hpp), and how each reacts to a change.
#include <optional>
#include <string_view>

#include "core/text/money_edit.hpp"

namespace core {

// The money edit kind of the edit `control` of the window of class
// `windowClass` ("TForm2"); nothing for an edit that is not a money edit.
std::optional<MoneyEditKind> moneyEditOf(std::string_view windowClass, std::string_view control);

}  // namespace core
