// TForm5, the state court table calculator.
#include "core/state/windows.hpp"
#include "core/state/windows/daily_parts.hpp"

namespace core {

using namespace daily_parts;

Window makeForm5() {
    Window w("Form5", "TForm5", "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE");

    // Step 0: plans and correction table.
    w.add(page("Tab01", "Escolha o plano  "));
    w.add(plansList());
    w.add(plansGrid());
    w.add(radio("Rencogenexp", kGroupTabela, "Usar a tabela uniforme (ENCOGE - não expurgada)"));
    w.add(radio("Rencogeexp", kGroupTabela, "Usar a tabela uniforme (ENCOGE - expurgada)"));
    w.add(radio("Rtjsp", kGroupTabela, "Usar tabela do TJSP", true));
    w.add(radio("Rtjmg", kGroupTabela, "Usar tabela do TJMG"));
    w.add(noRemuneratoryInterest());
    w.add(radio("Rtjdf", kGroupTabela, "Usar tabela do TJDF"));
    w.add(button("Button1", "Adicionar Expurgo"));
    w.add(tableDateLabel());

    // Steps 1 and 2: balances ("Dia base" is typed without a mask in this window) and differences.
    addBalanceAndDifferencePages(w);

    // Step 3: moratory (simple) and remuneratory (compound) interest. The
    // monthly-interest controls exist for the file formats but take no part.
    w.add(page("TabJuros", "Juros"));
    addInterestKindRadios(w);
    w.add(hidden(proRata()));
    w.add(periodInterestGrid());
    w.add(button("SpeedButton6", "Limpar"));
    w.add(button("SpeedButton9", "Nova linha"));
    w.add(hidden(button("SpeedButton7", "Limpar")));
    w.add(hidden(radio("RComjuros", kGroupJuros, "Sim")));
    w.add(hidden(radio("Rsemjuros", kGroupJuros, "Não", true)));
    w.add(hidden(monthlyInterestGrid()));
    w.add(maskEdit("Datejurcompinicial", "!99/99/9999;1;_", "  /  /    "));
    w.add(maskEdit("Datejurcompfinal", "!99/99/9999;1;_", "  /  /    "));
    w.add(edit("Ejurcomp", "0,00"));
    w.add(checkBox("Cjc", "Demonstrar Juros Remuneratórios"));

    // Step 4: corrected amounts and fees.
    w.add(page("TabBresser", "Planilha"));
    Control sheet = grid("planilha", 5, kDesignRows,
                         {"Data Inicial", "Data Final", "Valor", "Índice de Correção", "Valor Corrigido"});
    sheet.readOnly = true;
    w.add(std::move(sheet));
    w.add(feeCheck());
    w.add(feeByPercent());
    w.add(feeByValue());
    w.add(feeEdit());

    // Step 5: header, footer and notes.
    addHeaderFooterPage(w);

    addWizardButtons(w, "Abrir Backup", false);
    return w;
}

}  // namespace core
