#include "core/state/windows/daily_parts.hpp"

namespace core::daily_parts {

Control plansList() { return checkList("CPlanos"); }

Control plansGrid() { return grid("SPlanos", 2, kDesignRows, {"Expurgo", "Data"}, 1); }

Control balanceGrid() {
    return grid("SSaldo", 5, kDesignRows, {"Expurgo", "Data", "Moeda", "Dia base", "Saldo"}, 3);
}

Control baseGrid() {
    Control c = grid("SBase", 5, kDesignRows,
                     {"Expurgo", "Diferença sobre o saldo em:", "Diferença %",
                      "Base de cálculo - valor faltante na conta em:", "Valor"},
                     1);
    c.readOnly = true;
    return c;
}

Control periodInterestGrid() {
    return grid("STJuros", 3, kDesignRows, {"Data Inicial", "Data Final", "Juros %"});
}

Control monthlyInterestGrid() {
    return grid("Jmes", 4, kDesignRows, {"Data Inicial", "Data Final", "Juros %", "Juros Trimestrais"});
}

void addInterestKindRadios(Window& w) {
    w.add(hidden(radio("Rcomposto", kGroupTipoJuros, "Compostos")));
    w.add(hidden(radio("Rsimples", kGroupTipoJuros, "Simples", true)));
    w.add(hidden(radio("Rmes", kGroupTipoJuros, "Mês a mês")));
}

Control proRata() { return checkBox("Cprorata", "Pró-rata"); }

void addMonthlyInterestRadios(Window& w) {
    w.add(radio("RComjuros", kGroupJuros, "Sim"));
    w.add(radio("Rsemjuros", kGroupJuros, "Não", true));
}

Control amortisationGrid() {
    return grid("amortizacao", 3, kDesignRows, {"Data", "Descrição", "Valor"}, 1);
}

Control feeEdit() { return edit("Ehono", "0,00"); }
Control feeCheck() { return checkBox("Chono", "Aplicar honorários"); }
Control feeByPercent() { return radio("Rpor", kGroupHono, "Como porcentagem", true); }
Control feeByValue() { return radio("Rvalor", kGroupHono, "Como valor"); }

Control spreadsheetGrid() {
    Control c = grid("planilha", 16, kDesignRows,
                     {"Moeda do inicio do período de rendimento", "Período de Rendimento",
                      "Rendimento (%)", "Moeda do inicio do mês de crédito em conta",
                      "Mês do crédito em conta", "Valor corrigido a partir da base de cálculo",
                      "Juros", "Valor + Juros"});
    c.readOnly = true;
    return c;
}

Control headerMemo() { return memo("Memo1"); }
Control footerMemo() { return memo("Memo2"); }
Control notesCheck() { return checkBox("Cnotas", "Exibir Notas Finais sobre cálculos", true); }

Control noRemuneratoryInterest() {
    return checkBox("Cnaou", "Não usar juros remuneratórios nos expurgos");
}

Control tableDateLabel() { return label("Label5", "Tabela atualizada até: "); }

Control balanceLabel() {
    return label("LabelSaldo",
                 "Digite o DIA do aniversário e o SALDO da conta poupança no dia indicado e na "
                 "moeda indicada: ");
}

Control hidden(Control c) {
    c.visible = false;
    return c;
}

void addBalanceAndDifferencePages(Window& w) {
    w.add(page("TBBresser", "Saldo"));
    w.add(balanceLabel());
    w.add(balanceGrid());
    w.add(page("TabSheet3", "Diferença"));
    w.add(baseGrid());
}

void addInterestPage(Window& w) {
    w.add(page("TabJuros", "Juros"));
    addInterestKindRadios(w);
    w.add(proRata());
    w.add(periodInterestGrid());
    w.add(button("Button4", "Limpar"));
    addMonthlyInterestRadios(w);
    w.add(monthlyInterestGrid());
    w.add(button("Button5", "Limpar"));
}

void addAmortisationPage(Window& w) {
    w.add(page("TabAmortizacao", "Amortização"));
    w.add(amortisationGrid());
    w.add(button("Button6", "Limpar"));
}

void addSpreadsheetPage(Window& w) {
    w.add(page("TabBresser", "Planilha"));
    w.add(spreadsheetGrid());
}

void addHeaderFooterPage(Window& w) {
    w.add(page("TabSheet1", "Cabeçalho/Rodapé/Notas"));
    w.add(headerMemo());
    w.add(footerMemo());
    // "Gravar" before the notes check: a button last on the page would join the wizard's button bar.
    w.add(button("Button2", "Gravar"));
    w.add(notesCheck());
}

void addWizardButtons(Window& w, std::string backupCaption, bool saveButtonVisible) {
    w.add(button("SpeedButton1", "Anterior"));
    w.add(button("SpeedButton2", "Próximo"));
    w.add(button("SpeedButton3", "Finalizar", false));
    w.add(button("SpeedButton4", "Fechar"));
    w.add(button("ToolbarButton971", "Novo"));
    w.add(button("SpeedButton18", std::move(backupCaption)));
    w.add(hidden(button("SpeedButton5", "Abrir")));
    Control save = button("SpeedButton8", "Para Salvar o Cálculo Clique Aqui");
    save.visible = saveButtonVisible;
    w.add(std::move(save));
}

}  // namespace core::daily_parts
