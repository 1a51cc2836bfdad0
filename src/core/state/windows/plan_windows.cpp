// TForm3 (plan catalogue) and TForm4 (purge application): one grid each.
#include "core/state/windows.hpp"

namespace core {

namespace {
// Header row and one data row; the rows come from "planos.ini" / "indice.ini".
constexpr int kDesignRows = 2;
}  // namespace

Window makeForm3() {
    Window w("Form3", "TForm3", "Incluir Expurgo");
    Control g = grid("SPlanosini", 10, kDesignRows,
                     {"Expurgo", "Data", "Diferença sobre o saldo anterior em %", "Mudança de Moeda",
                      "Moeda", "Índice Oficial", "Índice Oficial Valor", "Índice Requerido",
                      "Índice Requerido Valor", "Moeda Mudança"});
    g.colWidths = {90, 80, 179, 146, 64, 118, 136, 134, 132, 128};
    w.add(std::move(g));
    w.add(button("Button1", "Nova Linha"));
    w.add(button("Button2", "Excluir Linha"));
    w.add(button("Button3", "Gravar"));
    w.add(button("Button4", "Fechar"));
    w.add(button("Button5", "Restabelecer configuração original"));
    return w;
}

Window makeForm4() {
    Window w("Form4", "TForm4", "Aplicar Expurgos");
    Control g = grid("SPlanosini", 3, kDesignRows, {"Data", "Expurgo", "Aplicar ao índice"});
    g.colWidths = {64, 134, 112};
    w.add(std::move(g));
    w.add(button("SpeedButton1", "Gravar"));
    w.add(button("Button1", "Nova Linha"));
    w.add(button("Button2", "Excluir Linha"));
    w.add(button("Button4", "Fechar"));
    w.add(button("Button5", "Restabelecer configuração original"));
    return w;
}

}  // namespace core
