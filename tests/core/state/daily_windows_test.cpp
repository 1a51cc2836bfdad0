// Declarations of the daily-balance calculator windows and of the two plan
// windows: the project file writes their persisted controls in declaration
// order, so kinds, counts and order are checked against fixed lists.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/state/app_state.hpp"
#include "core/state/windows.hpp"

namespace core {
namespace {

bool persisted(ControlKind k) {
    switch (k) {
        case ControlKind::Edit:
        case ControlKind::Memo:
        case ControlKind::ComboBox:
        case ControlKind::MaskEdit:
        case ControlKind::Grid:
        case ControlKind::Radio:
        case ControlKind::CheckBox:
        case ControlKind::CheckList:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> persistedNames(const Window& w) {
    std::vector<std::string> out;
    for (const auto& c : w.controls())
        if (persisted(c.kind)) out.push_back(c.name);
    return out;
}

struct WindowCase {
    Window (*make)();
    const char* section;
    const char* className;
    const char* caption;
    // Edits, memos, combos, masked edits, grids, radios, check boxes, check lists.
    std::array<int, 8> counts;
    std::vector<std::string> order;
};

const std::vector<WindowCase>& windowCases() {
    static const std::vector<WindowCase> cases = {
        {makeForm2, "Form2", "TForm2", "Expurgos da Poupança",
         {1, 2, 0, 0, 8, 9, 4, 1},
         {"CPlanos", "SPlanos", "Rtr", "Rpoup", "Cnaou", "SSaldo", "SBase", "Rcomposto", "Rsimples",
          "Rmes", "Cprorata", "STJuros", "RComjuros", "Rsemjuros", "Jmes", "amortizacao", "Ehono",
          "Chono", "Rpor", "Rvalor", "planilha", "Memo1", "Memo2", "Cnotas", "planilha2"}},
        {makeForm5, "Form5", "TForm5", "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE",
         {2, 2, 0, 2, 6, 12, 5, 1},
         {"CPlanos", "SPlanos", "Rencogenexp", "Rencogeexp", "Rtjsp", "Rtjmg", "Cnaou", "Rtjdf",
          "SSaldo", "SBase", "Rcomposto", "Rsimples", "Rmes", "Cprorata", "STJuros", "RComjuros",
          "Rsemjuros", "Jmes", "Datejurcompinicial", "Datejurcompfinal", "Ejurcomp", "Cjc",
          "planilha", "Chono", "Rpor", "Rvalor", "Ehono", "Memo1", "Memo2", "Cnotas"}},
        {makeFormTjspD, "Form_tjsp_d", "TForm_tjsp_d", "MG - MT - MS - ES",
         {1, 2, 0, 0, 7, 9, 4, 1},
         {"CPlanos", "SPlanos", "Cencogeexp", "Cencoge", "Cnaou", "SSaldo", "SBase", "Rcomposto",
          "Rsimples", "Rmes", "Cprorata", "STJuros", "RComjuros", "Rsemjuros", "Jmes", "amortizacao",
          "Ehono", "Rvalor", "Rpor", "Chono", "planilha", "Memo1", "Memo2", "Cnotas"}},
        {makeFormJf, "Form_jf", "TForm_jf", "Justiça Federal",
         {0, 2, 0, 0, 7, 5, 2, 1},
         {"CPlanos", "SPlanos", "SSaldo", "SBase", "Rcomposto", "Rsimples", "Rmes", "Cprorata",
          "STJuros", "RComjuros", "Rsemjuros", "Jmes", "amortizacao", "planilha", "Memo1", "Memo2",
          "Cnotas"}},
        {makeForm3, "Form3", "TForm3", "Incluir Expurgo", {0, 0, 0, 0, 1, 0, 0, 0}, {"SPlanosini"}},
        {makeForm4, "Form4", "TForm4", "Aplicar Expurgos", {0, 0, 0, 0, 1, 0, 0, 0}, {"SPlanosini"}},
    };
    return cases;
}

TEST(DailyWindows, IdentityCountsAndPersistedOrder) {
    const ControlKind kinds[8] = {ControlKind::Edit,     ControlKind::Memo,  ControlKind::ComboBox,
                                  ControlKind::MaskEdit, ControlKind::Grid,  ControlKind::Radio,
                                  ControlKind::CheckBox, ControlKind::CheckList};
    for (const auto& wc : windowCases()) {
        SCOPED_TRACE(wc.section);
        const Window w = wc.make();
        EXPECT_EQ(w.name(), wc.section);
        EXPECT_EQ(w.className(), wc.className);
        EXPECT_EQ(w.caption(), wc.caption);
        for (int k = 0; k < 8; ++k) EXPECT_EQ(w.count(kinds[k]), wc.counts[k]) << "kind " << k;
        EXPECT_EQ(persistedNames(w), wc.order);
    }
}

TEST(DailyWindows, PlainTextBufferIsNotAMemo) {
    for (const auto& wc : windowCases()) {
        const Window w = wc.make();
        EXPECT_EQ(w.find("RE"), nullptr) << wc.section;
    }
}

struct GroupCase {
    Window (*make)();
    const char* group;
    std::vector<std::string> members;  // in declaration order
    const char* selected;              // design selection
};

TEST(DailyWindows, RadioGroupsExcludeEachOther) {
    const std::vector<GroupCase> cases = {
        {makeForm2, "indice", {"Rtr", "Rpoup"}, "Rpoup"},
        {makeForm2, "tipojuros", {"Rcomposto", "Rsimples", "Rmes"}, "Rsimples"},
        {makeForm2, "juros", {"RComjuros", "Rsemjuros"}, "Rsemjuros"},
        {makeForm2, "hono", {"Rpor", "Rvalor"}, "Rpor"},
        {makeForm5, "tabela", {"Rencogenexp", "Rencogeexp", "Rtjsp", "Rtjmg", "Rtjdf"}, "Rtjsp"},
        {makeForm5, "tipojuros", {"Rcomposto", "Rsimples", "Rmes"}, "Rsimples"},
        {makeForm5, "juros", {"RComjuros", "Rsemjuros"}, "Rsemjuros"},
        {makeForm5, "hono", {"Rpor", "Rvalor"}, "Rpor"},
        {makeFormTjspD, "encoge", {"Cencogeexp", "Cencoge"}, "Cencoge"},
        {makeFormTjspD, "tipojuros", {"Rcomposto", "Rsimples", "Rmes"}, "Rsimples"},
        {makeFormTjspD, "juros", {"RComjuros", "Rsemjuros"}, "Rsemjuros"},
        {makeFormTjspD, "hono", {"Rvalor", "Rpor"}, "Rpor"},
        {makeFormJf, "tipojuros", {"Rcomposto", "Rsimples", "Rmes"}, "Rsimples"},
        {makeFormJf, "juros", {"RComjuros", "Rsemjuros"}, "Rsemjuros"},
    };
    // Every radio of the four calculators belongs to one of the groups above.
    std::map<std::string, int> radiosPerWindow;
    for (const auto& gc : cases) {
        Window w = gc.make();
        SCOPED_TRACE(w.name() + "." + gc.group);
        std::vector<std::string> members;
        for (const auto& c : w.controls())
            if (c.kind == ControlKind::Radio && c.group == gc.group) members.push_back(c.name);
        EXPECT_EQ(members, gc.members);
        radiosPerWindow[w.name()] += static_cast<int>(members.size());
        for (const auto& m : gc.members) EXPECT_EQ(w.checked(m), m == gc.selected) << m;

        // Selecting each member in turn leaves it the only selected one of its
        // group and leaves the other groups as designed.
        for (const auto& m : gc.members) {
            w.setChecked(m, true);
            for (const auto& other : gc.members) EXPECT_EQ(w.checked(other), other == m) << m;
        }
        for (const auto& c : w.controls())
            if (c.kind == ControlKind::Radio && c.group != gc.group) {
                int selected = 0;
                for (const auto& d : w.controls())
                    if (d.kind == ControlKind::Radio && d.group == c.group && d.checked) ++selected;
                EXPECT_EQ(selected, 1) << c.group;
            }
    }
    EXPECT_EQ(radiosPerWindow["Form2"], makeForm2().count(ControlKind::Radio));
    EXPECT_EQ(radiosPerWindow["Form5"], makeForm5().count(ControlKind::Radio));
    EXPECT_EQ(radiosPerWindow["Form_tjsp_d"], makeFormTjspD().count(ControlKind::Radio));
    EXPECT_EQ(radiosPerWindow["Form_jf"], makeFormJf().count(ControlKind::Radio));
}

struct GridCase {
    const char* grid;
    int cols;
    int fixedCols;
    bool readOnly;
    std::vector<std::string> headers;  // row 0, all columns
};

const std::vector<std::string> kSpreadsheetHeaders = {
    "Moeda do inicio do período de rendimento",
    "Período de Rendimento",
    "Rendimento (%)",
    "Moeda do inicio do mês de crédito em conta",
    "Mês do crédito em conta",
    "Valor corrigido a partir da base de cálculo",
    "Juros",
    "Valor + Juros",
    "", "", "", "", "", "", "", ""};

const std::vector<GridCase>& commonGrids() {
    static const std::vector<GridCase> cases = {
        {"SPlanos", 2, 1, false, {"Expurgo", "Data"}},
        {"SSaldo", 5, 3, false, {"Expurgo", "Data", "Moeda", "Dia base", "Saldo"}},
        {"SBase", 5, 1, true,
         {"Expurgo", "Diferença sobre o saldo em:", "Diferença %",
          "Base de cálculo - valor faltante na conta em:", "Valor"}},
        {"STJuros", 3, 0, false, {"Data Inicial", "Data Final", "Juros %"}},
        {"Jmes", 4, 0, false, {"Data Inicial", "Data Final", "Juros %", "Juros Trimestrais"}},
    };
    return cases;
}

void expectGrid(const Window& w, const GridCase& gc, int rows = 2) {
    SCOPED_TRACE(w.name() + "." + gc.grid);
    const Control& c = w.at(gc.grid);
    ASSERT_EQ(c.kind, ControlKind::Grid);
    EXPECT_EQ(c.grid.colCount(), gc.cols);
    EXPECT_EQ(c.grid.rowCount(), rows);
    EXPECT_EQ(c.fixedCols, gc.fixedCols);
    EXPECT_EQ(c.fixedRows, 1);
    EXPECT_EQ(c.readOnly, gc.readOnly);
    EXPECT_EQ(c.grid.row(0), gc.headers);
    for (int col = 0; col < gc.cols; ++col) EXPECT_EQ(c.grid.cell(col, 1), "") << col;
}

TEST(DailyWindows, GridsOfTheCalculators) {
    const GridCase amortisation{"amortizacao", 3, 1, false, {"Data", "Descrição", "Valor"}};
    const GridCase spreadsheet{"planilha", 16, 0, true, kSpreadsheetHeaders};
    const GridCase stateSheet{"planilha", 5, 0, true,
                              {"Data Inicial", "Data Final", "Valor", "Índice de Correção",
                               "Valor Corrigido"}};
    const GridCase split{"planilha2", 18, 0, true, std::vector<std::string>(18)};

    for (auto make : {makeForm2, makeForm5, makeFormTjspD, makeFormJf}) {
        const Window w = make();
        for (const auto& gc : commonGrids()) expectGrid(w, gc);
        if (w.name() == "Form5") {
            expectGrid(w, stateSheet);
            EXPECT_EQ(w.find("amortizacao"), nullptr);
        } else {
            expectGrid(w, amortisation);
            expectGrid(w, spreadsheet);
        }
        if (w.name() == "Form2")
            expectGrid(w, split);
        else
            EXPECT_EQ(w.find("planilha2"), nullptr) << w.name();
    }
}

TEST(DailyWindows, PlanWindowsGrids) {
    const Window f3 = makeForm3();
    expectGrid(f3, {"SPlanosini", 10, 0, false,
                    {"Expurgo", "Data", "Diferença sobre o saldo anterior em %", "Mudança de Moeda",
                     "Moeda", "Índice Oficial", "Índice Oficial Valor", "Índice Requerido",
                     "Índice Requerido Valor", "Moeda Mudança"}});
    EXPECT_EQ(f3.at("SPlanosini").colWidths,
              (std::vector<int>{90, 80, 179, 146, 64, 118, 136, 134, 132, 128}));

    const Window f4 = makeForm4();
    expectGrid(f4, {"SPlanosini", 3, 0, false, {"Data", "Expurgo", "Aplicar ao índice"}});
    EXPECT_EQ(f4.at("SPlanosini").colWidths, (std::vector<int>{64, 134, 112}));

    EXPECT_EQ(f3.at("Button2").text, "Excluir Linha");
    EXPECT_EQ(f3.at("Button5").text, "Restabelecer configuração original");
    EXPECT_EQ(f4.at("SpeedButton1").text, "Gravar");
}

TEST(DailyWindows, OptionsAndEditsAtDesignTime) {
    struct Expect {
        Window (*make)();
        const char* name;
        ControlKind kind;
        const char* text;
        bool checked;
        bool visible;
    };
    const std::vector<Expect> cases = {
        {makeForm2, "Rtr", ControlKind::Radio,
         "Índice baseado na ORTN/BTN/TR com demons. de juros remuneratórios", false, true},
        {makeForm2, "Rpoup", ControlKind::Radio, "Índice baseado na Poupança (ORTN/BTN/TR + 0,5%)", true,
         true},
        {makeForm2, "Cnaou", ControlKind::CheckBox, "Não usar juros remuneratórios nos expurgos", false,
         true},
        {makeForm2, "Cprorata", ControlKind::CheckBox, "Pró-rata", false, true},
        {makeForm2, "Rsimples", ControlKind::Radio, "Simples", true, false},
        {makeForm2, "Rcomposto", ControlKind::Radio, "Compostos", false, false},
        {makeForm2, "Rmes", ControlKind::Radio, "Mês a mês", false, false},
        {makeForm2, "Chono", ControlKind::CheckBox, "Aplicar honorários", false, true},
        {makeForm2, "Rvalor", ControlKind::Radio, "Como valor", false, true},
        {makeForm2, "Cnotas", ControlKind::CheckBox, "Exibir Notas Finais sobre cálculos", true, true},
        {makeForm2, "Ehono", ControlKind::Edit, "0,00", false, true},
        {makeForm5, "Ehono", ControlKind::Edit, "0,00", false, true},
        {makeForm5, "Ejurcomp", ControlKind::Edit, "0,00", false, true},
        {makeForm5, "Cjc", ControlKind::CheckBox, "Demonstrar Juros Remuneratórios", false, true},
        {makeForm5, "Rencogeexp", ControlKind::Radio, "Usar a tabela uniforme (ENCOGE - expurgada)", false,
         true},
        {makeForm5, "Cprorata", ControlKind::CheckBox, "Pró-rata", false, false},
        {makeForm5, "Rsemjuros", ControlKind::Radio, "Não", true, false},
        {makeForm5, "Jmes", ControlKind::Grid, "", false, false},
        {makeForm5, "Cnotas", ControlKind::CheckBox, "Exibir Notas Finais sobre cálculos", true, true},
        {makeFormTjspD, "Cencoge", ControlKind::Radio, "Usar a tabela uniforme (ENCOGE - não expurgada)",
         true, true},
        {makeFormTjspD, "Ehono", ControlKind::Edit, "0,00", false, true},
        {makeFormJf, "Cnotas", ControlKind::CheckBox, "Exibir Notas Finais sobre cálculos", true, true},
    };
    for (const auto& e : cases) {
        const Window w = e.make();
        SCOPED_TRACE(w.name() + "." + e.name);
        const Control& c = w.at(e.name);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.checked, e.checked);
        EXPECT_EQ(c.visible, e.visible);
    }

    const Window f5 = makeForm5();
    for (const char* name : {"Datejurcompinicial", "Datejurcompfinal"}) {
        const Control& c = f5.at(name);
        EXPECT_EQ(c.kind, ControlKind::MaskEdit) << name;
        EXPECT_EQ(c.mask, "!99/99/9999;1;_") << name;
        EXPECT_EQ(c.text, "  /  /    ") << name;
    }

    // Check lists start empty: the plan catalogue fills them at start.
    for (auto make : {makeForm2, makeForm5, makeFormTjspD, makeFormJf}) {
        const Window w = make();
        EXPECT_TRUE(w.at("CPlanos").items.empty()) << w.name();
        EXPECT_TRUE(w.at("CPlanos").ticks.empty()) << w.name();
        EXPECT_TRUE(w.at("Memo1").lines.empty()) << w.name();
    }
    // The federal calculator has no fee and no remuneratory-interest option.
    const Window jf = makeFormJf();
    for (const char* name : {"Ehono", "Chono", "Rpor", "Rvalor", "Label7", "Cnaou", "Cencoge"})
        EXPECT_EQ(jf.find(name), nullptr) << name;
}

TEST(DailyWindows, PagesButtonsAndLabels) {
    const std::vector<std::pair<std::string, std::string>> wizardPages = {
        {"Tab01", "Escolha o plano  "}, {"TBBresser", "Saldo"},      {"TabSheet3", "Diferença"},
        {"TabJuros", "Juros"},          {"TabAmortizacao", "Amortização"},
        {"TabBresser", "Planilha"},     {"TabSheet1", "Cabeçalho/Rodapé/Notas"}};
    auto pagesOf = [](const Window& w) {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& c : w.controls())
            if (c.kind == ControlKind::Page) out.emplace_back(c.name, c.text);
        return out;
    };
    auto form2Pages = wizardPages;
    form2Pages.emplace_back("TabSheet2", "TabSheet2");
    EXPECT_EQ(pagesOf(makeForm2()), form2Pages);
    EXPECT_EQ(pagesOf(makeFormTjspD()), wizardPages);
    EXPECT_EQ(pagesOf(makeFormJf()), wizardPages);
    auto statePages = wizardPages;
    statePages.erase(statePages.begin() + 4);  // no amortisation page
    EXPECT_EQ(pagesOf(makeForm5()), statePages);

    for (auto make : {makeForm2, makeForm5, makeFormTjspD, makeFormJf}) {
        const Window w = make();
        SCOPED_TRACE(w.name());
        EXPECT_EQ(w.at("Label5").text, "Tabela atualizada até: ");
        EXPECT_EQ(w.at("SpeedButton1").text, "Anterior");
        EXPECT_EQ(w.at("SpeedButton2").text, "Próximo");
        EXPECT_EQ(w.at("SpeedButton3").text, "Finalizar");
        EXPECT_FALSE(w.at("SpeedButton3").enabled);
        EXPECT_TRUE(w.at("SpeedButton2").enabled);
        EXPECT_EQ(w.at("ToolbarButton971").text, "Novo");
        EXPECT_FALSE(w.at("SpeedButton5").visible);
        EXPECT_EQ(w.at("SpeedButton8").visible, w.name() == "Form_tjsp_d");
        EXPECT_EQ(w.at("SpeedButton18").text,
                  w.name() == "Form2" ? "Abrir último Backup" : "Abrir Backup");
        EXPECT_EQ(w.at("Button1").text, "Adicionar Expurgo");
        EXPECT_EQ(w.at("Button2").text, "Gravar");
    }
    const Window f5 = makeForm5();
    EXPECT_EQ(f5.at("SpeedButton6").text, "Limpar");
    EXPECT_EQ(f5.at("SpeedButton9").text, "Nova linha");
    EXPECT_FALSE(f5.at("SpeedButton7").visible);
    EXPECT_EQ(makeFormTjspD().at("Label7").text, "Honorários");
    EXPECT_EQ(makeFormJf().at("Label48").text,
              "O cálculo está completo, para visualizar o Formulário\r\nclique no botão Finalizar.\r\n");
}

TEST(DailyWindows, AppStateHoldsEveryWindowOnce) {
    AppState app;
    for (const auto& wc : windowCases()) {
        Window* w = app.window(wc.section);
        ASSERT_NE(w, nullptr) << wc.section;
        EXPECT_EQ(w->className(), wc.className);
        EXPECT_EQ(persistedNames(*w), wc.order);
    }
    EXPECT_EQ(app.window("Form2"), &app.form2);
    EXPECT_EQ(app.window("Form5"), &app.form5);
    EXPECT_EQ(app.window("Form_tjsp_d"), &app.formTjspD);
    EXPECT_EQ(app.window("Form_jf"), &app.formJf);
    EXPECT_EQ(app.window("Form3"), &app.form3);
    EXPECT_EQ(app.window("Form4"), &app.form4);
    EXPECT_EQ(app.window("TForm2"), nullptr);

    // Windows are independent: changing one calculator leaves the others alone.
    app.form2.setChecked("Rtr", true);
    app.form2.grid("SPlanos").setCell(0, 1, "Plano Bresser");
    EXPECT_FALSE(app.formTjspD.find("Rtr"));
    EXPECT_EQ(app.formJf.grid("SPlanos").cell(0, 1), "");
    EXPECT_TRUE(app.form5.checked("Rtjsp"));
}

}  // namespace
}  // namespace core
