// Placeholder declarations (names and captions only) while the full component
// lists are written.
#include "core/state/windows.hpp"

namespace core {
Window makeForm2() { return Window("Form2", "TForm2", "Expurgos da Poupança"); }
Window makeForm5() { return Window("Form5", "TForm5", "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE"); }
Window makeFormTjspD() { return Window("Form_tjsp_d", "TForm_tjsp_d", "MG - MT - MS - ES"); }
Window makeFormJf() { return Window("Form_jf", "TForm_jf", "Justiça Federal"); }
Window makeForm3() { return Window("Form3", "TForm3", "Incluir Expurgo"); }
Window makeForm4() { return Window("Form4", "TForm4", "Aplicar Expurgos"); }
}  // namespace core
