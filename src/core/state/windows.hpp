#pragma once
// The declarations of the program's windows: names, captions, and the controls
// in component order with their design-time values. One function per window.
#include "core/state/control.hpp"

namespace core {

// Daily-balance calculators and the plan windows.
Window makeForm2();        // TForm2 "Expurgos da Poupança"
Window makeForm5();        // TForm5 state court tables
Window makeFormTjspD();    // TForm_tjsp_d month-by-month court tables
Window makeFormJf();       // TForm_jf federal courts
Window makeForm3();        // TForm3 "Incluir Expurgo"
Window makeForm4();        // TForm4 "Aplicar Expurgos"

// Configured savings and FGTS calculators.
Window makeForm7();            // TForm7
Window makeFormConftodos();    // TForm_conftodos
Window makeFormConftodosII();  // TForm_conftodosII
Window makeFormFGTS();         // TFormFGTS
Window makeForm_FGTS();        // TForm_FGTS

}  // namespace core
