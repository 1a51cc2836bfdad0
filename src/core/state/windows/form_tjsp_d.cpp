// TForm_tjsp_d, the month-by-month court table calculator. Its caption chooses
// the table (set by the main window's menu commands).
#include "core/state/windows.hpp"
#include "core/state/windows/daily_parts.hpp"

namespace core {

using namespace daily_parts;

Window makeFormTjspD() {
    Window w("Form_tjsp_d", "TForm_tjsp_d", "MG - MT - MS - ES");

    // Step 0: plans and, for the MG caption, the ENCOGE table choice.
    w.add(page("Tab01", "Escolha o plano  "));
    w.add(plansList());
    w.add(plansGrid());
    w.add(radio("Cencogeexp", kGroupEncoge, "Usar a tabela uniforme (ENCOGE - expurgada)"));
    w.add(radio("Cencoge", kGroupEncoge, "Usar a tabela uniforme (ENCOGE - não expurgada)", true));
    w.add(noRemuneratoryInterest());
    w.add(button("Button1", "Adicionar Expurgo"));
    w.add(button("Button3", "Configurar Índice"));
    w.add(tableDateLabel());

    // Steps 1 and 2: balances ("Dia base" is typed without a mask in this window) and differences.
    addBalanceAndDifferencePages(w);

    // Step 3: interest.
    addInterestPage(w);

    // Step 4: amortisation and fees.
    addAmortisationPage(w);
    w.add(label("Label7", "Honorários"));
    w.add(feeEdit());
    w.add(feeByValue());
    w.add(feeByPercent());
    w.add(feeCheck());

    // Step 5: spreadsheet.
    addSpreadsheetPage(w);

    // Step 6: header, footer and notes.
    addHeaderFooterPage(w);
    w.add(label("Label48",
                "O cálculo está completo, para visualizar o Formulário\r\n"
                "clique no botão Finalizar.\r\n"
                "Se desejar salvar o cálculo use o botão ao lado.\r\n"
                "Após visualizar o formulário você poderá refazer o cálculo\r\n"
                "usando o botão Calcular/Poupança Diária."));

    addWizardButtons(w, "Abrir Backup", true);
    return w;
}

}  // namespace core
