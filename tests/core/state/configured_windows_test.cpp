// Declarations of the configured savings and FGTS windows: the controls the
// project file writes (kinds, names, order) and the design values the
// calculators start from.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

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
    std::vector<std::string> names;
    for (const Control& c : w.controls())
        if (persisted(c.kind)) names.push_back(c.name);
    return names;
}

struct WindowCase {
    const char* section;
    std::function<Window()> make;
};

const std::vector<WindowCase>& allWindows() {
    static const std::vector<WindowCase> cases{
        {"Form7", makeForm7},
        {"Form_conftodos", makeFormConftodos},
        {"Form_conftodosII", makeFormConftodosII},
        {"FormFGTS", makeFormFGTS},
        {"Form_FGTS", makeForm_FGTS},
    };
    return cases;
}

TEST(ConfiguredWindows, NamesAndCaptions) {
    struct Case {
        Window w;
        const char* name;
        const char* className;
        const char* caption;
    };
    const Case cases[] = {
        {makeForm7(), "Form7", "TForm7", "Cálculo - Poupança Configurada"},
        {makeFormConftodos(), "Form_conftodos", "TForm_conftodos",
         "Poupança Configurada - com os planos Collor I e II"},
        {makeFormConftodosII(), "Form_conftodosII", "TForm_conftodosII",
         "Poupança Configurada - com os planos Collor I e II (01/1991)"},
        {makeFormFGTS(), "FormFGTS", "TFormFGTS", "Expurgos FGTS"},
        {makeForm_FGTS(), "Form_FGTS", "TForm_FGTS",
         "Cálculo de Diferenças dos Juros Progressivos no FGTS"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.w.name(), c.name);
        EXPECT_EQ(c.w.className(), c.className);
        EXPECT_EQ(c.w.caption(), c.caption);
    }
}

TEST(ConfiguredWindows, PersistedCountsByKind) {
    // Edits, memos, combo boxes, masked edits, grids, radios, check boxes, check lists.
    const std::map<std::string, std::vector<int>> expected{
        {"Form7", {28, 0, 0, 5, 2, 6, 3, 0}},
        {"Form_conftodos", {38, 0, 0, 5, 2, 6, 3, 0}},
        {"Form_conftodosII", {38, 0, 0, 5, 2, 6, 3, 0}},
        {"FormFGTS", {5, 1, 0, 2, 3, 4, 5, 0}},
        {"Form_FGTS", {0, 1, 1, 0, 2, 0, 1, 0}},
    };
    const ControlKind kinds[] = {ControlKind::Edit,     ControlKind::Memo,  ControlKind::ComboBox,
                                 ControlKind::MaskEdit, ControlKind::Grid,  ControlKind::Radio,
                                 ControlKind::CheckBox, ControlKind::CheckList};
    for (const WindowCase& wc : allWindows()) {
        SCOPED_TRACE(wc.section);
        const Window w = wc.make();
        const std::vector<int>& counts = expected.at(wc.section);
        for (size_t i = 0; i < counts.size(); ++i)
            EXPECT_EQ(w.count(kinds[i]), counts[i]) << "kind index " << i;
    }
}

const std::vector<std::string> kForm7Order{
    "Enome", "Ebanco", "Eagencia", "Econta", "Edia", "Dateate",
    "Ejsijurosjul87", "Ejsisegjun87", "Ejsijurosfev89", "Ejsisegfev89",
    "Ejsijurosmaio90", "Ejsisegmaio90", "Ejsijurosjun90", "Ejsisegjun90",
    "Ejcmjul87", "Ejcmfev89", "Ejcmmaio90", "Ejcmjun90",
    "ESAjun87", "ESAfev89", "ESAmaio90", "ESAjun90",
    "ESPjun87", "ESPfev89", "ESPmaio90", "ESPjun90",
    "Datejurcompinicial", "Datejurcompfinal", "Ejurcomp",
    "Datejurmorinicial", "Datejurmorfinal", "Ejurmor", "Ehonvalor",
    "Rjsi", "Rjcm", "Rsaldoant", "Rsaldopost", "Rhonporcentagem", "Rhonvalor",
    "Cjm", "Chonorarios", "Cjc", "st", "st2"};

const std::vector<std::string> kCollorOrder{
    "Enome", "Ebanco", "Eagencia", "Econta", "Edia", "Dateate",
    "Ejsijurosjul87", "Ejsisegjun87", "Ejsijurosfev89", "Ejsisegfev89",
    "Ejsijurosabril90", "Ejsisegabril90", "Ejsijurosmaio90", "Ejsisegmaio90",
    "Ejsijurosjun90", "Ejsisegjun90", "Ejsijurosmarco91", "Ejsisegmarco91",
    "Ejcmjul87", "Ejcmfev89", "Ejcmabril90", "Ejcmmaio90", "Ejcmjun90", "Ejcmmarco91",
    "ESAjun87", "ESAfev89", "ESAmarco90", "ESAmaio90", "ESAjun90", "ESAfev91",
    "ESPjun87", "ESPfev89", "ESPabril90", "ESPmaio90", "ESPjun90", "ESPmarco91",
    "Datejurcompinicial", "Datejurcompfinal", "Ejurcomp",
    "Datejurmorinicial", "Datejurmorfinal", "Ejurmor", "Ehonvalor",
    "Rjsi", "Rjcm", "Rsaldoant", "Rsaldopost", "Rhonporcentagem", "Rhonvalor",
    "Cjm", "Chonorarios", "Cjc", "st", "st2"};

TEST(ConfiguredWindows, PersistedControlsInComponentOrder) {
    const std::map<std::string, std::vector<std::string>> expected{
        {"Form7", kForm7Order},
        {"Form_conftodos", kCollorOrder},
        {"Form_conftodosII", kCollorOrder},
        {"FormFGTS", {"Cjuros", "Chonorarios", "Ccustas", "Edit1", "Dataini", "Rsaldo",
                      "Rrendimento", "Datajuros", "Txjur", "hono", "cust", "JR3", "JR6",
                      "Ccollor", "Cverao", "JCsaldos", "JCollor", "planilha", "mes", "Sfimes"}},
        {"Form_FGTS", {"Memo1", "ComboBox1", "Cipc89_90", "sfgts", "svalores"}},
    };
    for (const WindowCase& wc : allWindows()) {
        SCOPED_TRACE(wc.section);
        EXPECT_EQ(persistedNames(wc.make()), expected.at(wc.section));
    }
}

TEST(ConfiguredWindows, RadioGroupsExcludeEachOther) {
    struct Group {
        std::set<std::string> members;
        std::string selected;  // at design time
    };
    const std::vector<Group> configured{
        {{"Rjsi", "Rjcm", "Rsaldoant", "Rsaldopost"}, "Rjsi"},
        {{"Rhonporcentagem", "Rhonvalor"}, "Rhonporcentagem"},
    };
    const std::map<std::string, std::vector<Group>> expected{
        {"Form7", configured},
        {"Form_conftodos", configured},
        {"Form_conftodosII", configured},
        {"FormFGTS", {{{"Rrendimento", "Rsaldo"}, "Rrendimento"}, {{"JR3", "JR6"}, "JR3"}}},
        {"Form_FGTS", {}},
    };
    for (const WindowCase& wc : allWindows()) {
        SCOPED_TRACE(wc.section);
        const Window design = wc.make();
        const std::vector<Group>& groups = expected.at(wc.section);

        // The radios fall into exactly the expected groups.
        std::map<std::string, std::set<std::string>> actual;
        for (const Control& c : design.controls())
            if (c.kind == ControlKind::Radio) actual[c.group].insert(c.name);
        std::set<std::set<std::string>> actualSets, expectedSets;
        for (const auto& [group, members] : actual) actualSets.insert(members);
        for (const Group& g : groups) expectedSets.insert(g.members);
        EXPECT_EQ(actualSets, expectedSets);

        for (const Group& g : groups) {
            for (const std::string& r : g.members)
                EXPECT_EQ(design.checked(r), r == g.selected) << r;
            // Selecting each member leaves it the only one of its group, and the
            // other groups as they were.
            for (const std::string& r : g.members) {
                Window w = wc.make();
                w.setChecked(r, true);
                for (const std::string& other : g.members) EXPECT_EQ(w.checked(other), other == r) << r;
                for (const Group& h : groups) {
                    if (h.members == g.members) continue;
                    for (const std::string& other : h.members)
                        EXPECT_EQ(w.checked(other), design.checked(other)) << other;
                }
            }
        }
    }
}

TEST(ConfiguredWindows, MoneyAndDateEditsStartEmpty) {
    const std::vector<std::string> form7Money{
        "ESAjun87",        "ESPjun87",       "Ejcmjul87",      "Ejsijurosjul87", "Ejsisegjun87",
        "ESAfev89",        "ESPfev89",       "Ejcmfev89",      "Ejsijurosfev89", "Ejsisegfev89",
        "ESAmaio90",       "ESPmaio90",      "Ejcmmaio90",     "Ejsijurosmaio90", "Ejsisegmaio90",
        "ESAjun90",        "ESPjun90",       "Ejcmjun90",      "Ejsijurosjun90", "Ejsisegjun90",
        "Ehonvalor"};
    std::vector<std::string> collorMoney = form7Money;
    for (const char* n : {"ESAmarco90", "ESPabril90", "Ejcmabril90", "Ejsijurosabril90",
                          "Ejsisegabril90", "ESAfev91", "ESPmarco91", "Ejcmmarco91",
                          "Ejsijurosmarco91", "Ejsisegmarco91"})
        collorMoney.push_back(n);
    const std::vector<std::string> configuredDates{"Dateate", "Datejurcompinicial", "Datejurcompfinal",
                                                   "Datejurmorinicial", "Datejurmorfinal"};
    struct Case {
        const char* section;
        std::vector<std::string> money;
        std::vector<std::string> dates;
    };
    const Case cases[] = {
        {"Form7", form7Money, configuredDates},
        {"Form_conftodos", collorMoney, configuredDates},
        {"Form_conftodosII", collorMoney, configuredDates},
        {"FormFGTS", {"hono", "cust", "JCsaldos", "JCollor", "Txjur"}, {"Dataini", "Datajuros"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        Window w;
        for (const WindowCase& wc : allWindows())
            if (c.section == std::string(wc.section)) w = wc.make();
        for (const std::string& n : c.money) {
            EXPECT_EQ(w.at(n).kind, ControlKind::Edit) << n;
            EXPECT_EQ(w.text(n), "0,00") << n;
        }
        for (const std::string& n : c.dates) {
            EXPECT_EQ(w.at(n).kind, ControlKind::MaskEdit) << n;
            EXPECT_EQ(w.at(n).mask, "!99/99/9999;1;_") << n;
            EXPECT_EQ(w.text(n), "  /  /    ") << n;
        }
    }
}

TEST(ConfiguredWindows, ConfiguredDesignValues) {
    struct Case {
        Window w;
        std::vector<std::string> statementHeads;
        bool statementVisible;
        bool saveVisible;
        const char* cjcCaption;
    };
    const Case cases[] = {
        {makeForm7(),
         {"<b>Extrato:</b>", "<b>Jul/87</b>", "<b>Fev/89</b>", "<b>Mai/90</b>", "<b>Jun/90</b>"},
         true, false, "Demonstrar Juros Remuneratórios"},
        {makeFormConftodos(),
         {"<b>Extrato:</b>", "<b>Jul/87</b>", "<b>Fev/89</b>", "<b>Abr/90</b>", "<b>Mai/90</b>",
          "<b>Jun/90</b>", "<b>Mar/91</b>"},
         false, false, "Exibir Juros Remuneratórios"},
        {makeFormConftodosII(),
         {"<b>Extrato:</b>", "<b>Jul/87</b>", "<b>Fev/89</b>", "<b>Abr/90</b>", "<b>Mai/90</b>",
          "<b>Jun/90</b>", "<b>Fev/91</b>"},
         false, true, "Exibir Juros Remuneratórios"},
    };
    for (const Case& c : cases) {
        const Window& w = c.w;
        SCOPED_TRACE(w.name());
        EXPECT_EQ(w.text("Edia"), "01");
        for (const char* n : {"Enome", "Ebanco", "Eagencia", "Econta"}) EXPECT_EQ(w.text(n), "") << n;
        for (const char* n : {"Ejurcomp", "Ejurmor"}) EXPECT_EQ(w.text(n), "0") << n;
        for (const char* n : {"Cjm", "Chonorarios", "Cjc"}) EXPECT_FALSE(w.checked(n)) << n;
        EXPECT_EQ(w.at("Cjc").text, c.cjcCaption);
        EXPECT_EQ(w.at("Rjsi").text, "Juros e Seguro Inflação");

        const StringGrid& st2 = w.grid("st2");
        EXPECT_EQ(st2.colCount(), static_cast<int>(c.statementHeads.size()));
        EXPECT_EQ(st2.rowCount(), 5);
        EXPECT_EQ(st2.row(0), c.statementHeads);
        EXPECT_EQ(st2.cell(0, 1), "<b>Saldo Anterior:</b>");
        EXPECT_EQ(st2.cell(0, 2), "<b>Juros:</b>");
        EXPECT_EQ(st2.cell(0, 3), "<b>Seguro Inflação:</b>");
        EXPECT_EQ(st2.cell(0, 4), "<b>Saldo Posterior:</b>");
        EXPECT_EQ(st2.cell(1, 1), "");
        EXPECT_EQ(w.at("st2").visible, c.statementVisible);

        EXPECT_EQ(w.grid("st").colCount(), 8);
        EXPECT_FALSE(w.at("st").visible);

        // Eleven hidden-tab pages, walked by index.
        int pages = 0;
        for (const Control& ctl : w.controls())
            if (ctl.kind == ControlKind::Page) {
                ++pages;
                EXPECT_EQ(ctl.name, "TabSheet" + std::to_string(pages));
            }
        EXPECT_EQ(pages, 11);
        EXPECT_EQ(w.at("TabSheet1").text, "Dados Iniciais");
        EXPECT_EQ(w.at("TabSheet8").text, "Juros Moratórios");

        EXPECT_EQ(w.at("Label47").kind, ControlKind::Label);
        EXPECT_EQ(w.at("Label47").text, "Tabela atualizada até: ");
        EXPECT_FALSE(w.at("SpeedButton3").enabled);
        EXPECT_EQ(w.at("SpeedButton3").text, "Finalizar");
        EXPECT_TRUE(w.at("SpeedButton2").enabled);
        EXPECT_FALSE(w.at("SpeedButton5").visible);
        EXPECT_EQ(w.at("SpeedButton6").visible, c.saveVisible);
        for (const char* b : {"Button1", "Button2", "Button3", "Button4"}) EXPECT_EQ(w.at(b).text, "Ajuda");
        // The report buffer is not a persisted memo.
        EXPECT_EQ(w.find("RE"), nullptr);
    }
}

TEST(ConfiguredWindows, VariantTexts) {
    const Window conftodos = makeFormConftodos();
    EXPECT_EQ(conftodos.at("Laviso2").text,
              " \"Poupança Configurada - com os planos Collor I e II\" é de 22,4793.");
    EXPECT_EQ(conftodos.at("LESAmarco90").text, "Março/90");
    EXPECT_EQ(conftodos.at("LEjsijurosmarco91").text, "Março/91:");

    const Window ii = makeFormConftodosII();
    EXPECT_EQ(ii.find("Laviso1"), nullptr);
    EXPECT_EQ(ii.at("LEjsijurosmarco91").text, "Fevereiro/91:");
    EXPECT_EQ(ii.at("LEjcmmarco91").text, "Fevereiro/91");
    EXPECT_EQ(ii.at("LESAfev91").text, "Janeiro/91");
    EXPECT_EQ(ii.at("LESPmarco91").text, "Fevereiro/91");

    const Window form7 = makeForm7();
    EXPECT_EQ(form7.at("LESAfev89").text, "Janeiro/89 (*)");
    EXPECT_EQ(form7.at("LnotaTabSheet5").text.rfind("(*) Em Janeiro de 89, ", 0), 0u);
    EXPECT_EQ(form7.at("LnotaTabSheet3").text.rfind("(*) Em fevereiro de 89, ", 0), 0u);
}

TEST(ConfiguredWindows, FgtsDesignValues) {
    const Window w = makeFormFGTS();
    for (const char* n : {"Cverao", "Ccollor"}) EXPECT_TRUE(w.checked(n)) << n;
    for (const char* n : {"Cjuros", "Chonorarios", "Ccustas"}) EXPECT_FALSE(w.checked(n)) << n;
    EXPECT_TRUE(w.at("Edit1").lines.empty());
    EXPECT_EQ(w.at("Rrendimento").text, "Lançar o rendimento da conta");
    EXPECT_EQ(w.at("Cjuros").text, "Cálcular juros de mora");

    struct GridCase {
        const char* name;
        int cols;
        int rows;
    };
    for (const GridCase& g : {GridCase{"planilha", 7, 2}, GridCase{"mes", 7, 2}, GridCase{"Sfimes", 2, 8}}) {
        EXPECT_EQ(w.grid(g.name).colCount(), g.cols) << g.name;
        EXPECT_EQ(w.grid(g.name).rowCount(), g.rows) << g.name;
        EXPECT_EQ(w.at(g.name).fixedCols, 0) << g.name;
    }
    EXPECT_EQ(w.grid("planilha").cell(1, 0), "<b>Valor original(rendimento)</b>");
    EXPECT_EQ(w.grid("planilha").cell(6, 0), "<b>Total</b>");

    int pages = 0;
    for (const Control& c : w.controls()) pages += c.kind == ControlKind::Page;
    EXPECT_EQ(pages, 8);
    EXPECT_FALSE(w.at("Bfim").enabled);
    EXPECT_FALSE(w.at("Sabrir").visible);
    EXPECT_FALSE(w.at("SpeedButton3").visible);
    EXPECT_EQ(w.find("RE"), nullptr);
}

TEST(ConfiguredWindows, FgtsProgressiveDesignValues) {
    const Window w = makeForm_FGTS();
    EXPECT_FALSE(w.checked("Cipc89_90"));
    EXPECT_EQ(w.text("ComboBox1"), "");
    EXPECT_TRUE(w.at("Memo1").lines.empty());

    EXPECT_EQ(w.grid("sfgts").colCount(), 12);
    EXPECT_EQ(w.at("sfgts").fixedCols, 1);
    EXPECT_EQ(w.at("sfgts").fixedRows, 1);
    EXPECT_TRUE(w.at("sfgts").readOnly);
    EXPECT_EQ(w.grid("svalores").colCount(), 2);
    EXPECT_EQ(w.at("svalores").fixedCols, 1);
    EXPECT_FALSE(w.at("svalores").readOnly);

    EXPECT_FALSE(w.at("Button2").visible);
    EXPECT_EQ(w.at("Button6").text, "Repetir");
    EXPECT_EQ(w.find("RE"), nullptr);
}

}  // namespace
}  // namespace core
