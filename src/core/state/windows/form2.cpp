// TForm2, the daily savings wizard.
#include "core/state/windows.hpp"
#include "core/state/windows/daily_parts.hpp"

namespace core {

using namespace daily_parts;

Window makeForm2() {
    Window w("Form2", "TForm2", "Expurgos da Poupança");

    // Step 0: plans and index kind.
    w.add(page("Tab01", "Escolha o plano  "));
    w.add(plansList());
    w.add(plansGrid());
    w.add(radio("Rtr", kGroupIndice,
                "Índice baseado na ORTN/BTN/TR com demons. de juros remuneratórios"));
    w.add(radio("Rpoup", kGroupIndice, "Índice baseado na Poupança (ORTN/BTN/TR + 0,5%)", true));
    w.add(noRemuneratoryInterest());
    w.add(button("Button1", "Adicionar Expurgo"));
    w.add(button("Button3", "Configurar Índice"));
    w.add(tableDateLabel());

    // Steps 1 and 2: balances and differences.
    addBalanceAndDifferencePages(w);

    // Step 3: interest.
    addInterestPage(w);

    // Step 4: amortisation and fees.
    addAmortisationPage(w);
    w.add(feeEdit());
    w.add(feeCheck());
    w.add(feeByPercent());
    w.add(feeByValue());

    // Step 5: spreadsheet.
    addSpreadsheetPage(w);

    // Step 6: header, footer and notes.
    addHeaderFooterPage(w);

    // Never shown: the split spreadsheet of the ORTN/BTN/TR report.
    w.add(hidden(page("TabSheet2", "TabSheet2")));
    Control split = grid("planilha2", 18, kDesignRows);
    split.readOnly = true;
    w.add(std::move(split));

    addWizardButtons(w, "Abrir último Backup", false);
    return w;
}

}  // namespace core
