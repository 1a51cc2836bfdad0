// Plan catalogue and purge application grid: start-up loading and publishing,
// "Gravar" with its sort, row commands, the "Sim"/"Não" toggle, restoring the
// default copies and the month correction on leaving the grids.
#include "core/plans/plan_catalogue.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/text/cp1252.hpp"
#include "core/ui/scripted_ui.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

std::string tabFile(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        for (const auto& cell : row) out += cell + "\t";
        out += "\r\n";
    }
    return out;
}

const std::vector<std::string> kCatalogueHeader = {
    "Expurgo", "Data", "Diferença sobre o saldo anterior em %", "Mudança de Moeda", "Moeda", "Índice Oficial",
    "Índice Oficial Valor", "Índice Requerido", "Índice Requerido Valor", "Moeda Mudança"};

class PlanCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("expurgos_plans_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        s.main.meudir = dir_.string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // Settings files are Windows-1252 on disk.
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << utf8ToCp1252(text);
    }
    std::string get(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    StringGrid& cat() { return s.form3.grid(kPlanGrid); }
    StringGrid& app() { return s.form4.grid(kPlanGrid); }
    void setCatalogue(const std::vector<std::vector<std::string>>& rows) {
        cat().setRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t r = 0; r < rows.size(); ++r) cat().setRow(static_cast<int>(r) + 1, rows[r]);
    }

    fs::path dir_;
    AppState s;
    ScriptedUi ui;
    PlanWindowsState p;
};

std::vector<std::string> items(const Window& w) { return w.at("CPlanos").items; }

TEST_F(PlanCatalogueTest, StartUpLoadsAndPublishes) {
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD, &s.formJf}) w->addItem("CPlanos", "velho");
    const int jfRows = s.formJf.grid("SPlanos").rowCount();
    put("planos.ini", tabFile({kCatalogueHeader,
                               {"Plano Bresser", "06/1987", "8,04", "1"},
                               {"Plano Verão", "01/1989", "20,36", "1000", "NCz$"},
                               {"Plano Collor I", "03/1990", "84,32"}}));
    put("indice.ini", tabFile({{"Data", "Expurgo", "Aplicar ao índice"}, {"01/1989", "42,72", "Sim"}}));

    loadPlanSettingsAtStart(s, ui);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(cat().rowCount(), 4);
    EXPECT_EQ(cat().cell(4, 2), "NCz$");
    const std::vector<std::string> names = {"Plano Bresser", "Plano Verão", "Plano Collor I"};
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD, &s.formJf}) {
        SCOPED_TRACE(w->name());
        EXPECT_EQ(items(*w), names);
        EXPECT_EQ(w->at("CPlanos").ticks, std::vector<bool>(3, false));
    }
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD}) EXPECT_EQ(w->grid("SPlanos").rowCount(), 6);
    EXPECT_EQ(s.formJf.grid("SPlanos").rowCount(), jfRows);
    EXPECT_EQ(app().rowCount(), 2);
    EXPECT_EQ(app().row(1), (std::vector<std::string>{"01/1989", "42,72", "Sim"}));
}

TEST_F(PlanCatalogueTest, StartUpWithoutFilesKeepsTheDesign) {
    for (Window* w : {&s.form2, &s.form5, &s.formTjspD, &s.formJf}) w->addItem("CPlanos", "velho");
    const StringGrid designCat = cat(), designApp = app();
    loadPlanSettingsAtStart(s, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(cat(), designCat);
    EXPECT_EQ(app(), designApp);
    // The design catalogue has one empty data row: one empty name per list.
    EXPECT_EQ(items(s.form2), std::vector<std::string>(designCat.rowCount() - 1));
}

TEST_F(PlanCatalogueTest, SaveSortsByYearAndMonthAndRepublishesToDailyOnly) {
    setCatalogue({{"Plano Verão", "01/1989", "20,36"}, {"Plano Bresser", "06/1987", "8,04"},
                  {"Plano Collor I", "03/1990", "84,32"}});
    publishCatalogue(s);
    const std::vector<std::string> before = items(s.form5);

    ASSERT_TRUE(catalogueSave(s, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(cat().colCount(), 10);
    EXPECT_EQ(cat().row(1)[0], "Plano Bresser");
    EXPECT_EQ(cat().row(1)[2], "8,04");
    EXPECT_EQ(cat().row(3)[0], "Plano Collor I");
    EXPECT_EQ(items(s.form2), (std::vector<std::string>{"Plano Bresser", "Plano Verão", "Plano Collor I"}));
    for (Window* w : {&s.form5, &s.formTjspD, &s.formJf}) EXPECT_EQ(items(*w), before);

    std::vector<std::string> header(kCatalogueHeader);
    std::vector<std::string> bresser = {"Plano Bresser", "06/1987", "8,04", "", "", "", "", "", "", ""};
    std::vector<std::string> verao = {"Plano Verão", "01/1989", "20,36", "", "", "", "", "", "", ""};
    std::vector<std::string> collor = {"Plano Collor I", "03/1990", "84,32", "", "", "", "", "", "", ""};
    std::string expected = tabFile({header, bresser, verao, collor});
    // Windows-1252 on disk.
    EXPECT_EQ(get("planos.ini"), utf8ToCp1252(expected));
}

TEST(PlanCatalogueSort, KeysAndExchangeOrder) {
    struct KeyCase {
        const char* month;
        const char* key;
    };
    for (const KeyCase& c : {KeyCase{"06/1987", "198706"}, KeyCase{"01/1989", "198901"}, KeyCase{"", ""},
                             KeyCase{"6/87", ""}, KeyCase{"12/2001 ", "200112"}}) {
        EXPECT_EQ(catalogueSortKey(c.month), c.key) << c.month;
    }

    // Empty months first; equal months follow the exchange sort (not stable).
    StringGrid g(10, 6);
    g.setRow(1, {"a", "03/1990"});
    g.setRow(2, {"b", "01/1989"});
    g.setRow(3, {"c", ""});
    g.setRow(4, {"d", "01/1989"});
    g.setRow(5, {"e", "02/1989"});
    sortCatalogue(g);
    std::vector<std::string> order;
    for (int r = 1; r < g.rowCount(); ++r) order.push_back(g.cell(0, r));
    // a<->b, b<->c; then a(03/1990) vs d, e ... worked out by hand:
    // [a b c d e] -> row1: a>b swap [b a c d e], b>c swap [c a b d e]
    // row2: a>b swap [c b a d e], b=d, b<e; row3: a>d swap [c b d a e], d<e
    // row4: a>e swap [c b d e a]
    EXPECT_EQ(order, (std::vector<std::string>{"c", "b", "d", "e", "a"}));
}

TEST_F(PlanCatalogueTest, FailedSaveStillFollowsTheNewOrder) {
    setCatalogue({{"Plano Verão", "01/1989"}, {"Plano Bresser", "06/1987"}});
    fs::create_directories(path("planos.ini"));  // a folder where the file should go
    EXPECT_FALSE(catalogueSave(s, ui));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(items(s.form2), (std::vector<std::string>{"Plano Bresser", "Plano Verão"}));
}

TEST_F(PlanCatalogueTest, DeleteRowAsksInCatalogueOnly) {
    setCatalogue({{"a", "01/1989"}, {"b", "02/1989"}, {"c", "03/1989"}});
    app().setRowCount(3);
    app().setRow(1, {"01/1989", "1", "Sim"});
    app().setRow(2, {"02/1989", "2", "Não"});

    // Nothing remembered yet: the header row stays, nothing is asked.
    EXPECT_FALSE(catalogueDeleteRow(s, p, ui));
    EXPECT_FALSE(applicationDeleteRow(s, p));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(cat().rowCount(), 4);
    EXPECT_EQ(app().rowCount(), 3);

    catalogueSelectCell(p, 0, 2);
    ui.answers = {false};
    EXPECT_FALSE(catalogueDeleteRow(s, p, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Deseja excluir a linha?"});
    EXPECT_EQ(cat().rowCount(), 4);
    ui.answers = {true};
    EXPECT_TRUE(catalogueDeleteRow(s, p, ui));
    EXPECT_EQ(cat().rowCount(), 3);
    EXPECT_EQ(cat().cell(0, 2), "c");

    ui.messages.clear();
    applicationSelectCell(s, p, 1, 1);
    EXPECT_TRUE(applicationDeleteRow(s, p));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app().rowCount(), 2);
    EXPECT_EQ(app().cell(0, 1), "02/1989");
    // The last data row went: the remembered row moves up to the new last row,
    // and the header row is never removed.
    EXPECT_TRUE(applicationDeleteRow(s, p));
    EXPECT_EQ(app().rowCount(), 1);
    EXPECT_EQ(p.applicationRow, 0);
    EXPECT_FALSE(applicationDeleteRow(s, p));
    EXPECT_EQ(app().cell(0, 0), "Data");
}

TEST_F(PlanCatalogueTest, NewRowIsEmptyEvenAfterRemoval) {
    setCatalogue({{"a", "01/1989"}, {"b", "02/1989"}});
    catalogueSelectCell(p, 0, 2);
    ui.answers = {true};
    ASSERT_TRUE(catalogueDeleteRow(s, p, ui));
    catalogueNewRow(s);
    EXPECT_EQ(cat().rowCount(), 3);
    EXPECT_EQ(cat().row(2), std::vector<std::string>(10));
    applicationNewRow(s);
    EXPECT_EQ(app().row(app().rowCount() - 1), std::vector<std::string>(3));
}

TEST_F(PlanCatalogueTest, ApplicationToggleAndEditing) {
    app().setRowCount(4);
    app().setRow(1, {"01/1989", "1", "Não"});
    app().setRow(3, {"03/1989", "3", "talvez"});
    Control& g = s.form4.at(kPlanGrid);

    applicationSelectCell(s, p, 2, 1);
    EXPECT_TRUE(g.readOnly);
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(applicationClick(s, p));
        seen.push_back(app().cell(2, 1));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Sim", "Não", "Sim"}));

    for (int row : {2, 3}) {
        applicationSelectCell(s, p, 2, row);
        EXPECT_TRUE(applicationClick(s, p));
        EXPECT_EQ(app().cell(2, row), "Não");
    }

    applicationSelectCell(s, p, 1, 1);
    EXPECT_FALSE(g.readOnly);
    EXPECT_FALSE(applicationClick(s, p));
    applicationSelectCell(s, p, 2, 0);  // header: nothing changes
    EXPECT_FALSE(g.readOnly);
    EXPECT_FALSE(applicationClick(s, p));
    EXPECT_EQ(app().cell(2, 0), "Aplicar ao índice");
}

TEST_F(PlanCatalogueTest, ApplicationSaveKeepsOrder) {
    app().setRowCount(3);
    app().setRow(1, {"03/1990", "84,32", "Sim"});
    app().setRow(2, {"01/1989", "42,72", "Não"});
    ASSERT_TRUE(applicationSave(s, ui));
    EXPECT_EQ(get("indice.ini"),
              "Data\tExpurgo\tAplicar ao \xEDndice\t\r\n03/1990\t84,32\tSim\t\r\n01/1989\t42,72\tN\xE3o\t\r\n");
}

TEST_F(PlanCatalogueTest, RestoreReplacesRowsOrReportsMissingCopy) {
    setCatalogue({{"a", "01/1989", "x", "y", "z"}, {"b"}, {"c"}, {"d"}});
    const StringGrid before = cat();
    EXPECT_FALSE(catalogueRestore(s, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Arquivo não encontrado: " + path("planos2.ini")});
    EXPECT_EQ(cat(), before);

    put("planos2.ini", tabFile({kCatalogueHeader, {"Plano Bresser", "06/1987"}, {"Plano Verão", "01/1989"}}));
    ASSERT_TRUE(catalogueRestore(s, ui));
    EXPECT_EQ(cat().rowCount(), 3);
    EXPECT_EQ(cat().colCount(), 10);
    EXPECT_EQ(cat().row(1), (std::vector<std::string>{"Plano Bresser", "06/1987", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(cat().cell(0, 0), "Expurgo");
    // Nothing saved, nothing republished until "Gravar".
    EXPECT_FALSE(fs::exists(path("planos.ini")));

    ui.messages.clear();
    EXPECT_FALSE(applicationRestore(s, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Arquivo não encontrado: " + path("indice2.ini")});
    put("indice2.ini", tabFile({{"Data", "Expurgo", "Aplicar ao índice"}, {"01/1989", "42,72", "Sim"}}));
    ASSERT_TRUE(applicationRestore(s, ui));
    EXPECT_EQ(app().row(1), (std::vector<std::string>{"01/1989", "42,72", "Sim"}));
}

TEST_F(PlanCatalogueTest, LeavingTheGridsCorrectsMonths) {
    setCatalogue({{"13/1990", "13/1990"}, {"x", "05/89"}, {"y", "abc"}, {"z", "00/1990"}, {"w", ""}});
    catalogueLeaveGrid(s, ui);
    std::vector<std::string> months, names;
    for (int r = 1; r < cat().rowCount(); ++r) {
        months.push_back(cat().cell(1, r));
        names.push_back(cat().cell(0, r));
    }
    EXPECT_EQ(months, (std::vector<std::string>{"12/1990", "05/1989", "abc", "", ""}));
    EXPECT_EQ(names[0], "13/1990");  // only the month column
    EXPECT_EQ(cat().cell(1, 0), "Data");

    app().setRowCount(3);
    app().setRow(1, {"05/89", "13/1990", "Sim"});
    app().setRow(2, {"1/1989", "", "Não"});
    applicationLeaveGrid(s, ui);
    EXPECT_EQ(app().cell(0, 1), "05/1989");
    EXPECT_EQ(app().cell(1, 1), "13/1990");
    EXPECT_EQ(app().cell(0, 2), "1/1989");  // not a month: kept as typed, reported
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(PlanCatalogueTest, ShowingWritesHeaders) {
    cat().setCell(0, 0, "x");
    app().setCell(2, 0, "y");
    showCatalogue(s);
    showApplication(s);
    EXPECT_EQ(cat().row(0), kCatalogueHeader);
    EXPECT_EQ(app().row(0), (std::vector<std::string>{"Data", "Expurgo", "Aplicar ao índice"}));
}

}  // namespace
}  // namespace core
