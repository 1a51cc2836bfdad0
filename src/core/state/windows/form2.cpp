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

    // Step 1: balances.
    w.add(page("TBBresser", "Saldo"));
    w.add(balanceLabel());
    w.add(balanceGrid());

    // Step 2: differences.
    w.add(page("TabSheet3", "Diferença"));
    w.add(baseGrid());

    // Step 3: interest.
    w.add(page("TabJuros", "Juros"));
    addInterestKindRadios(w);
    w.add(proRata());
    w.add(periodInterestGrid());
    w.add(button("Button4", "Limpar"));
    addMonthlyInterestRadios(w);
    w.add(monthlyInterestGrid());
    w.add(button("Button5", "Limpar"));

    // Step 4: amortisation and fees.
    w.add(page("TabAmortizacao", "Amortização"));
    w.add(amortisationGrid());
    w.add(button("Button6", "Limpar"));
    w.add(feeEdit());
    w.add(feeCheck());
    w.add(feeByPercent());
    w.add(feeByValue());

    // Step 5: spreadsheet.
    w.add(page("TabBresser", "Planilha"));
    w.add(spreadsheetGrid());

    // Step 6: header, footer and notes.
    w.add(page("TabSheet1", "Cabeçalho/Rodapé/Notas"));
    w.add(headerMemo());
    w.add(footerMemo());
    w.add(notesCheck());
    w.add(button("Button2", "Gravar"));

    // Never shown: the split spreadsheet of the ORTN/BTN/TR report.
    w.add(hidden(page("TabSheet2", "TabSheet2")));
    Control split = grid("planilha2", 18, kDesignRows);
    split.readOnly = true;
    w.add(std::move(split));

    addWizardButtons(w, "Abrir último Backup", false);
    return w;
}

}  // namespace core
