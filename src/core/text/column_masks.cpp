#include "core/text/column_masks.hpp"

namespace core {

std::string gridColumnMask(std::string_view header) {
    if (header == "Data Inicial" || header == "Data Final") return kGridDateMask;
    if (header == "Data" || header == "Diferença sobre o saldo em:" ||
        header == "Base de cálculo - valor faltante na conta em:")
        return kGridMonthMask;
    if (header == "Dia base" || header == "Dia do Aniversário da Poupança") return kGridDayMask;
    return {};
}

}  // namespace core
