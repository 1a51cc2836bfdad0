// FGTS purge calculator: Verão and Collor I differences in yield or balance
// mode. Declaration order: the pages, the persisted controls in the order in
// which the project file writes them, then labels and buttons. Label captions
// use "\n" for a line break.
#include "core/state/windows.hpp"

#include <string>
#include <utility>

namespace core {

namespace {

constexpr const char* kDateMask = "!99/99/9999;1;_";
constexpr const char* kEmptyDate = "  /  /    ";
constexpr const char* kZeroMoney = "0,00";
// Design row count of a grid whose rows the program writes.
constexpr int kDesignRows = 2;

Control hidden(Control c) {
    c.visible = false;
    return c;
}

}  // namespace

Window makeFormFGTS() {
    Window w("FormFGTS", "TFormFGTS", "Expurgos FGTS");

    // 0 header, mode, options and update date; 1 moratory interest; 2 fee;
    // 3 costs; 4 plans and amounts; 5 finish; 6 and 7 only hold the grids.
    for (int i = 1; i <= 8; ++i) {
        const std::string name = "TabSheet" + std::to_string(i);
        w.add(page(name, name));
    }

    w.add(checkBox("Cjuros", "Cálcular juros de mora"));
    w.add(checkBox("Chonorarios", "Calcular honorários"));
    w.add(checkBox("Ccustas", "Calcular custas"));
    w.add(memo("Edit1"));
    w.add(maskEdit("Dataini", kDateMask, kEmptyDate));
    w.add(radio("Rsaldo", "modo", "Lançar o saldo da conta"));
    w.add(radio("Rrendimento", "modo", "Lançar o rendimento da conta", true));
    w.add(maskEdit("Datajuros", kDateMask, kEmptyDate));
    w.add(edit("Txjur", kZeroMoney));
    w.add(edit("hono", kZeroMoney));
    w.add(edit("cust", kZeroMoney));
    w.add(radio("JR3", "jurosConta", "3%", true));
    w.add(radio("JR6", "jurosConta", "6%"));
    w.add(checkBox("Ccollor", "Plano Collor I", true));
    w.add(checkBox("Cverao", "Plano Verão", true));
    w.add(edit("JCsaldos", kZeroMoney));
    w.add(edit("JCollor", kZeroMoney));
    w.add(grid("planilha", 7, kDesignRows,
               {"<b>Data</b>", "<b>Valor original(rendimento)</b>", "<b>Diferença</b>",
                "<b>Valor da JAM</b>", "<b>Valor Corrigido</b>", "<b>Juros</b>", "<b>Total</b>"}));
    w.add(grid("mes", 7, kDesignRows));
    w.add(grid("Sfimes", 2, 8));

    w.add(label("LEdit1", "Cabeçalho do formulário:"));
    w.add(label("LDataini", "Data de atualização"));
    w.add(label("LDatajuros", "Data de início  - juros de mora"));
    w.add(label("LTxjur", "Taxa de juros moratórios ao ano% \"6 ou 12\""));
    w.add(label("Lhono", "Honorários%"));
    w.add(label("Lcust", "Reembolso de Custas \"Valor\""));
    // Set again by "Próximo" for the mode; these are the yield-mode texts.
    w.add(label("LJCsaldos", "Rendimento - Extrato FGTS - Março de 1989\nValor do rendimento creditado"));
    w.add(label("LJCollor", "Rendimento - Extrato FGTS - Maio de 1990\nValor do rendimento creditado"));

    w.add(button("ToolbarButton971", "Novo"));
    w.add(button("SpeedButton8", "Abrir Backup"));
    w.add(hidden(button("Sabrir", "Abrir")));
    w.add(hidden(button("SpeedButton3", "Salvar o cálculo")));
    w.add(button("SpeedButton4", "Fechar"));
    w.add(button("SpeedButton1", "Anterior"));
    w.add(button("SpeedButton2", "Próximo"));
    w.add(button("Bfim", "Finalizar", false));
    return w;
}

}  // namespace core
