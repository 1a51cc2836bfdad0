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

    // Step 4: amortisation.
    w.add(page("TabAmortizacao", "Amortização"));
    w.add(amortisationGrid());
    w.add(button("Button6", "Limpar"));

    // Step 5: spreadsheet.
    w.add(page("TabBresser", "Planilha"));
    w.add(spreadsheetGrid());

    // Step 6: header, footer and notes.
    w.add(page("TabSheet1", "Cabeçalho/Rodapé/Notas"));
    w.add(headerMemo());
    w.add(footerMemo());
    w.add(notesCheck());
    w.add(button("Button2", "Gravar"));
    w.add(label("Label48",
                "O cálculo está completo, para visualizar o Formulário\r\n"
                "clique no botão Finalizar.\r\n"));

    addWizardButtons(w, "Abrir Backup", false);
    return w;
}

}  // namespace core
