#include "core/state/money_edits.hpp"

#include <algorithm>
#include <iterator>

namespace core {

namespace {

// The money edits of the configured savings window; the two Collor variants
// have these and the ten below.
constexpr std::string_view kConfigured[] = {
    "ESAjun87",  "ESPjun87",  "Ejcmjul87",  "Ejsijurosjul87",  "Ejsisegjun87",
    "ESAfev89",  "ESPfev89",  "Ejcmfev89",  "Ejsijurosfev89",  "Ejsisegfev89",
    "ESAmaio90", "ESPmaio90", "Ejcmmaio90", "Ejsijurosmaio90", "Ejsisegmaio90",
    "ESAjun90",  "ESPjun90",  "Ejcmjun90",  "Ejsijurosjun90",  "Ejsisegjun90",
    "Ehonvalor"};
constexpr std::string_view kCollor[] = {
    "ESAmarco90", "ESPabril90", "Ejcmabril90", "Ejsijurosabril90", "Ejsisegabril90",
    "ESAfev91",   "ESPmarco91", "Ejcmmarco91", "Ejsijurosmarco91", "Ejsisegmarco91"};
constexpr std::string_view kFgts[] = {"hono", "cust", "JCsaldos", "JCollor", "Txjur"};

template <size_t N>
bool in(const std::string_view (&list)[N], std::string_view name) {
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

}  // namespace

std::optional<MoneyEditKind> moneyEditOf(std::string_view windowClass, std::string_view control) {
    const bool found = [&] {
        if (windowClass == "TForm2") return control == "Ehono";
        if (windowClass == "TForm5") return control == "Ehono" || control == "Ejurcomp";
        if (windowClass == "TForm_tjsp_d") return control == "Ehono";
        if (windowClass == "TForm7") return in(kConfigured, control);
        if (windowClass == "TForm_conftodos" || windowClass == "TForm_conftodosII")
            return in(kConfigured, control) || in(kCollor, control);
        if (windowClass == "TFormFGTS") return in(kFgts, control);
        return false;
    }();
    if (!found) return std::nullopt;
    return windowClass == "TForm_tjsp_d" ? MoneyEditKind::ZeroReset : MoneyEditKind::Standard;
}

}  // namespace core
