// Configured savings calculator: the four credit months Jul/87, Fev/89, Mai/90
// and Jun/90, table "mes.tab".
#include "core/state/windows.hpp"
#include "core/state/windows/configured_parts.hpp"

namespace core {

Window makeForm7() {
    using namespace configured_parts;
    Variant v;
    v.name = "Form7";
    v.className = "TForm7";
    v.caption = "Cálculo - Poupança Configurada";
    v.months = {julho87(), fevereiro89(), maio90(), junho90()};
    v.cjcCaption = "Demonstrar Juros Remuneratórios";
    // This window's text ends with a line break.
    v.finishText = "O cálculo está completo, para visualizar o Formulário\nclique no botão Finalizar.\n";
    v.statementVisible = true;  // on a page the buttons never reach
    v.saveButtonVisible = false;
    return makeWindow(v);
}

}  // namespace core
