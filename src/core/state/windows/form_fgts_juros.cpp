// FGTS progressive interest calculator: one page, the header memo, the end
// month, the purge option and the two grids filled from "fgtsjuros.tab".
// Declaration order: the persisted controls in the order in which the project
// file writes them, then labels and buttons.
#include "core/state/windows.hpp"

#include <utility>

namespace core {

Window makeForm_FGTS() {
    Window w("Form_FGTS", "TForm_FGTS", "Cálculo de Diferenças dos Juros Progressivos no FGTS");

    // Both grids take their rows and headings from the table file.
    constexpr int kDesignRows = 2;

    w.add(memo("Memo1"));
    w.add(comboBox("ComboBox1"));
    w.add(checkBox("Cipc89_90", "Calcular com reflexos dos expurgos do IPC de 01/89 e 04/90"));
    {
        Control c = grid("sfgts", 12, kDesignRows, {}, 1);
        c.readOnly = true;
        w.add(std::move(c));
    }
    w.add(grid("svalores", 2, kDesignRows, {}, 1));

    w.add(label("LMemo1", "Cabeçalho"));
    w.add(label("LComboBox1", "Cálcular até:"));

    w.add(button("Button1", "Novo"));
    {
        Control open = button("Button2", "Abrir");
        open.visible = false;
        w.add(std::move(open));
    }
    w.add(button("Button3", "Salvar"));
    w.add(button("Button4", "Finalizar"));
    w.add(button("Button5", "Fechar"));
    w.add(button("Button6", "Repetir"));
    return w;
}

}  // namespace core
