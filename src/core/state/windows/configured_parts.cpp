#include "core/state/windows/configured_parts.hpp"

#include <utility>

namespace core::configured_parts {

namespace {

Control hidden(Control c) {
    c.visible = false;
    return c;
}

Control dateEdit(std::string name) { return maskEdit(std::move(name), kDateMask, kEmptyDate); }

// Field label named after the control it describes.
Control fieldLabel(const std::string& control, std::string caption) {
    return label("L" + control, std::move(caption));
}

const char* const kFebruaryNote =
    "(*) Em fevereiro de 89, digite o valor já convertido para NCz$ (Novo Cruzado), \n"
    "retirando 3 zeros. (Divida o valor por 1000(mil))";
const char* const kJanuaryNote =
    "(*) Em Janeiro de 89, digite o valor já convertido para NCz$ (Novo Cruzado), \n"
    "retirando 3 zeros. (Divida o valor por 1000(mil))";

}  // namespace

PlanMonth julho87() {
    return {"Ejsijurosjul87", "Ejsisegjun87", "Ejcmjul87", "ESAjun87", "ESPjun87",
            "Julho/87:", "Julho/87:", "Junho/87:", "Julho/87:", "<b>Jul/87</b>"};
}

PlanMonth fevereiro89() {
    return {"Ejsijurosfev89", "Ejsisegfev89", "Ejcmfev89", "ESAfev89", "ESPfev89",
            "Fevereiro/89 (*)", "Fevereiro/89 (*)", "Janeiro/89 (*)", "Fevereiro/89 (*)",
            "<b>Fev/89</b>"};
}

PlanMonth maio90() {
    return {"Ejsijurosmaio90", "Ejsisegmaio90", "Ejcmmaio90", "ESAmaio90", "ESPmaio90",
            "Maio/90:", "Maio/90:", "Abril/90:", "Maio/90:", "<b>Mai/90</b>"};
}

PlanMonth junho90() {
    return {"Ejsijurosjun90", "Ejsisegjun90", "Ejcmjun90", "ESAjun90", "ESPjun90",
            "Junho/90", "Junho/90", "Maio/90", "Junho/90", "<b>Jun/90</b>"};
}

Window makeWindow(const Variant& v) {
    Window w(v.name, v.className, v.caption);

    w.add(page("TabSheet1", "Dados Iniciais"));
    w.add(page("TabSheet2", "Opções de Cálculo"));
    w.add(page("TabSheet3", "JSI"));
    w.add(page("TabSheet4", "JCM"));
    w.add(page("TabSheet5", "Saldo Anterior"));
    w.add(page("TabSheet6", "Saldo Posterior"));
    w.add(page("TabSheet7", "Juros Renumeratórios"));
    w.add(page("TabSheet8", "Juros Moratórios"));
    w.add(page("TabSheet9", "Honorários"));
    w.add(page("TabSheet10", "TabSheet10"));
    w.add(page("TabSheet11", "TabSheet11"));

    // Persisted controls, in the project file's order.
    w.add(edit("Enome"));
    w.add(edit("Ebanco"));
    w.add(edit("Eagencia"));
    w.add(edit("Econta"));
    w.add(edit("Edia", "01"));
    w.add(dateEdit("Dateate"));
    // Money edits, page by page, each page in plan-month order.
    for (const PlanMonth& m : v.months) {
        w.add(edit(m.interest, kZeroMoney));
        w.add(edit(m.insurance, kZeroMoney));
    }
    for (const PlanMonth& m : v.months) w.add(edit(m.jcm, kZeroMoney));
    for (const PlanMonth& m : v.months) w.add(edit(m.previous, kZeroMoney));
    for (const PlanMonth& m : v.months) w.add(edit(m.next, kZeroMoney));
    w.add(dateEdit("Datejurcompinicial"));
    w.add(dateEdit("Datejurcompfinal"));
    w.add(edit("Ejurcomp", "0"));
    w.add(dateEdit("Datejurmorinicial"));
    w.add(dateEdit("Datejurmorfinal"));
    w.add(edit("Ejurmor", "0"));
    // A money edit while `Rhonvalor` is selected, a percentage otherwise.
    w.add(edit("Ehonvalor", kZeroMoney));
    w.add(radio("Rjsi", "entrada", "Juros e Seguro Inflação", true));
    w.add(radio("Rjcm", "entrada", "Juros e Correção Monetária (JCM)"));
    w.add(radio("Rsaldoant", "entrada", "Estimativa Saldo Anterior"));
    w.add(radio("Rsaldopost", "entrada", "Estimativa Saldo Posterior"));
    w.add(radio("Rhonporcentagem", "honorarios", "Aplicar como porcentagem sobre o cálculo", true));
    w.add(radio("Rhonvalor", "honorarios", "Digitarei um valor específico"));
    w.add(checkBox("Cjm", "Juros Moratórios"));
    w.add(checkBox("Chonorarios", "Honorários"));
    w.add(checkBox("Cjc", v.cjcCaption));
    // The monthly table, loaded from the window's table file and widened to 8 columns.
    w.add(hidden(grid("st", 8, kDesignRows)));
    {
        std::vector<std::string> heads{"<b>Extrato:</b>"};
        for (const PlanMonth& m : v.months) heads.push_back(m.statementHead);
        Control st2 = grid("st2", static_cast<int>(heads.size()), 5, heads);
        st2.grid.setCell(0, 1, "<b>Saldo Anterior:</b>");
        st2.grid.setCell(0, 2, "<b>Juros:</b>");
        st2.grid.setCell(0, 3, "<b>Seguro Inflação:</b>");
        st2.grid.setCell(0, 4, "<b>Saldo Posterior:</b>");
        st2.visible = v.statementVisible;
        w.add(std::move(st2));
    }

    // Page 0.
    w.add(fieldLabel("Enome", "Nome"));
    w.add(fieldLabel("Ebanco", "Banco"));
    w.add(fieldLabel("Eagencia", "Número da Agência"));
    w.add(fieldLabel("Econta", "Número da Conta"));
    w.add(fieldLabel("Edia", "Dia de Aniversário da conta"));
    w.add(fieldLabel("Dateate", "Atualizar o cálculo até a data"));
    w.add(label("Label47", "Tabela atualizada até: "));
    for (const Control& note : v.page0Notes) w.add(note);

    // Page 1.
    w.add(label("LtituloTabSheet2", "Marque as Opções de Cálculo"));

    // Pages 2 to 5: heading, row labels, help button beside the 1989 row, note.
    w.add(label("LtituloTabSheet3", "Digite os valores do Seguro Inflação e os \n"
                                    "Juros creditados nos campos abaixo"));
    w.add(label("LmesTabSheet3", "Mês de Referência"));
    w.add(label("LjurosTabSheet3", "Juros"));
    w.add(label("LseguroTabSheet3", "Cor Mon / Seg Inf"));
    for (const PlanMonth& m : v.months) w.add(fieldLabel(m.interest, m.interestRow));
    w.add(button("Button1", "Ajuda"));
    w.add(label("LnotaTabSheet3", kFebruaryNote));

    w.add(label("LtituloTabSheet4",
                "Digite abaixo os valores relativos aos Juros somados à Correção (Atualização) \n"
                "Monetária (JCM ou JAM) creditados nos meses de Jul/87, Fev/89, e Mai/Jun/90."));
    for (const PlanMonth& m : v.months) w.add(fieldLabel(m.jcm, m.jcmRow));
    w.add(button("Button2", "Ajuda"));
    w.add(label("LnotaTabSheet4", kFebruaryNote));

    w.add(label("LtituloTabSheet5",
                "Se você não tiver os extratos dos meses nos quais ocorreu o expurgo e \n"
                "tiver apenas o extrato do mês anterior, uma opção é fazer uma projeção. "));
    for (const PlanMonth& m : v.months) w.add(fieldLabel(m.previous, m.previousRow));
    w.add(button("Button3", "Ajuda"));
    w.add(label("LnotaTabSheet5", kJanuaryNote));

    w.add(label("LtituloTabSheet6",
                "Se você tiver apenas o extrato do mês seguinte, poderá optar em fazer uma \n"
                "estimativa."));
    for (const PlanMonth& m : v.months) w.add(fieldLabel(m.next, m.nextRow));
    w.add(button("Button4", "Ajuda"));
    w.add(label("LnotaTabSheet6", kFebruaryNote));

    // Page 6, never shown.
    w.add(fieldLabel("Datejurcompinicial", "Data Inicial"));
    w.add(fieldLabel("Datejurcompfinal", "Data Final"));
    w.add(fieldLabel("Ejurcomp", "Juros"));

    // Page 7.
    w.add(label("LtituloTabSheet8", "Lance aqui os Juros Moratórios"));
    w.add(fieldLabel("Datejurmorinicial", "Data Inicial"));
    w.add(fieldLabel("Datejurmorfinal", "Data Final"));
    w.add(fieldLabel("Ejurmor", "Juros"));

    // Page 8.
    w.add(fieldLabel("Ehonvalor", "Valor/Porcentagem"));

    // Page 9.
    w.add(label("LfimTabSheet10", v.finishText));
    {
        Control save = button("SpeedButton6", "Para Salvar o Cálculo Clique Aqui");
        save.visible = v.saveButtonVisible;
        w.add(std::move(save));
    }

    // Top bar.
    w.add(button("ToolbarButton971", "Novo"));
    w.add(button("SpeedButton18", "Abrir Backup"));
    w.add(hidden(button("SpeedButton5", "Abrir")));
    // Bottom bar.
    w.add(button("SpeedButton4", "Fechar"));
    w.add(button("SpeedButton1", "Anterior"));
    w.add(button("SpeedButton2", "Próximo"));
    w.add(button("SpeedButton3", "Finalizar", false));
    return w;
}

}  // namespace core::configured_parts
