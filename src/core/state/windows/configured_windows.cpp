// Placeholder declarations (names and captions only) while the full component
// lists are written.
#include "core/state/windows.hpp"

namespace core {
Window makeForm7() { return Window("Form7", "TForm7", "Cálculo - Poupança Configurada"); }
Window makeFormConftodos() { return Window("Form_conftodos", "TForm_conftodos", "Poupança Configurada - com os planos Collor I e II"); }
Window makeFormConftodosII() { return Window("Form_conftodosII", "TForm_conftodosII", "Poupança Configurada - com os planos Collor I e II (01/1991)"); }
Window makeFormFGTS() { return Window("FormFGTS", "TFormFGTS", "Expurgos FGTS"); }
Window makeForm_FGTS() { return Window("Form_FGTS", "TForm_FGTS", "Cálculo de Diferenças dos Juros Progressivos no FGTS"); }
}  // namespace core
