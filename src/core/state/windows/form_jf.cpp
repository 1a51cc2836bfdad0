// TForm_jf, the federal court calculator: the month-by-month calculator without
// table choice, without the remuneratory-interest option and without fees.
#include "core/state/windows.hpp"
#include "core/state/windows/daily_parts.hpp"

namespace core {

using namespace daily_parts;

Window makeFormJf() {
    Window w("Form_jf", "TForm_jf", "Justiça Federal");

    // Step 0: plans.
    w.add(page("Tab01", "Escolha o plano  "));
    w.add(plansList());
    w.add(plansGrid());
    w.add(button("Button1", "Adicionar Expurgo"));
    w.add(button("Button3", "Configurar Índice"));
    w.add(tableDateLabel());

    // Steps 1 and 2: balances and differences.
    addBalanceAndDifferencePages(w);

    // Step 3: interest.
    addInterestPage(w);

    // Step 4: amortisation.
    addAmortisationPage(w);

    // Step 5: spreadsheet.
    addSpreadsheetPage(w);

    // Step 6: header, footer and notes.
    addHeaderFooterPage(w);
    w.add(label("Label48",
                "O cálculo está completo, para visualizar o Formulário\r\n"
                "clique no botão Finalizar.\r\n"));

    addWizardButtons(w, "Abrir Backup", false);
    return w;
}

}  // namespace core
