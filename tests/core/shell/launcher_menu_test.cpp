#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "core/shell/launcher.hpp"
#include "core/shell/launcher_menu.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

class LauncherMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("launcher_menu_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        app.main.meudir = root.string();
        app.main.indice.setCell(0, 1, "antes");
    }
    void TearDown() override { fs::remove_all(root); }

    const LauncherEntry& entry(LauncherMenu menu, const std::string& name) {
        for (const auto& e : launcherMenu(menu))
            if (e.name == name) return e;
        throw std::out_of_range(name);
    }
    void table(const char* name, const char* firstCell) {
        writeFileAtomic(root.string() + "/" + name, std::string(firstCell) + "\t1,5\r\n02/1990\t2,5\r\n");
    }

    fs::path root;
    AppState app;
    ScriptedUi ui;
};

TEST_F(LauncherMenuTest, EveryEntryShowsAWindowOfTheProgram) {
    for (LauncherMenu m : {LauncherMenu::Calcular, LauncherMenu::Popup, LauncherMenu::Fgts})
        for (const auto& e : launcherMenu(m)) {
            if (e.separator()) continue;
            EXPECT_NE(app.window(e.window), nullptr) << e.name;
        }
    for (const auto& e : openMenu()) {
        if (e.separator() || e.window.empty()) continue;
        EXPECT_NE(app.window(e.window), nullptr) << e.name;
    }
}

TEST_F(LauncherMenuTest, CheckedTableMissingStopsBeforeAnything) {
    const StringGrid before = app.main.indice;
    const std::string caption = app.formTjspD.caption();
    for (const char* name : {"DbitosJudiciaisSoPaulomsams2", "DbitosJudiciaisMGMTMSESmsams1", "JustiaFederal1"}) {
        ui.messages.clear();
        LaunchOutcome o = runLauncherEntry(app, entry(LauncherMenu::Calcular, name), ui);
        EXPECT_EQ(ui.messages, std::vector<std::string>{kMissingTableMessage}) << name;
        EXPECT_TRUE(o.show.empty());
        EXPECT_FALSE(o.previewOn);
        EXPECT_FALSE(o.editOn);
    }
    EXPECT_EQ(app.main.indice, before);
    EXPECT_EQ(app.formTjspD.caption(), caption);
}

TEST_F(LauncherMenuTest, MonthByMonthEntriesLoadTheirTableAndNameTheWindow) {
    table("tjsp.tab", "01/1990");
    table("tjmg.tab", "03/1991");
    struct Case {
        LauncherMenu menu;
        const char* name;
        const char* first;
        const char* caption;
    };
    const Case cases[] = {
        {LauncherMenu::Calcular, "DbitosJudiciaisMGMTMSESmsams1", "03/1991",
         "Débitos Judiciais MG - MT - MS - ES (mês a mês)"},
        {LauncherMenu::Calcular, "DbitosJudiciaisSoPaulomsams2", "01/1990", "Débitos Judiciais São Paulo (mês a mês)"},
        {LauncherMenu::Popup, "DbitosJudiciaisSoPaulomsams1", "03/1991",
         "Débitos Judiciais MG - MT - MS - ES (mês a mês)"},
        {LauncherMenu::Popup, "DbitosJudiciaisSPmsams1", "01/1990", "Débitos Judiciais São Paulo (mês a mês)"},
    };
    for (const Case& c : cases) {
        LaunchOutcome o = runLauncherEntry(app, entry(c.menu, c.name), ui);
        EXPECT_EQ(o.show, "Form_tjsp_d");
        EXPECT_TRUE(o.previewOn && o.editOn);
        EXPECT_EQ(app.main.indice.cell(0, 0), c.first) << c.name;
        EXPECT_EQ(app.formTjspD.caption(), c.caption) << c.name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LauncherMenuTest, UncheckedEntriesResetTheGridWhenTheTableIsMissing) {
    LaunchOutcome o = runLauncherEntry(app, entry(LauncherMenu::Calcular, "PoupanaDiria1"), ui);
    EXPECT_EQ(o.show, "Form2");
    EXPECT_TRUE(o.editOn);
    EXPECT_FALSE(o.previewOn);  // only the drop-down's entry enables the preview
    EXPECT_EQ(app.main.indice.colCount(), 1);
    EXPECT_EQ(app.main.indice.rowCount(), 2);
    EXPECT_EQ(app.main.indice.cell(0, 1), "");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_TRUE(runLauncherEntry(app, entry(LauncherMenu::Popup, "MenuItem1"), ui).previewOn);
}

TEST_F(LauncherMenuTest, FgtsPurgeNeedsItsTable) {
    const LauncherEntry& e = entry(LauncherMenu::Fgts, "ExpurgosdoFGTS1");
    LaunchOutcome o = runLauncherEntry(app, e, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"A tabela não foi encontrada, atualize os índices"});
    EXPECT_TRUE(o.show.empty());
    EXPECT_TRUE(o.previewOn && o.editOn);  // both come before the check
    EXPECT_EQ(app.main.indice.cell(0, 1), "antes");

    table("fgts.tab", "06/1987");
    o = runLauncherEntry(app, e, ui);
    EXPECT_EQ(o.show, "FormFGTS");
    EXPECT_TRUE(o.firstPage);
    EXPECT_EQ(app.main.indice.cell(0, 0), "06/1987");
}

TEST_F(LauncherMenuTest, UnreadableTableIsReportedAndTheWindowNotShown) {
    // More columns than a grid holds.
    writeFileAtomic(root.string() + "/t0001.tab", std::string(StringGrid::kMaxCols + 5, '\t') + "\r\n");
    LaunchOutcome o = runLauncherEntry(app, entry(LauncherMenu::Calcular, "DbitosJudiciaisSoPaulo1"), ui);
    EXPECT_TRUE(o.show.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("t0001.tab"), std::string::npos);
}

TEST_F(LauncherMenuTest, ParanaEntriesAreHidden) {
    for (const auto& e : launcherMenu(LauncherMenu::Popup))
        EXPECT_EQ(e.visible, e.name.find("PR") == std::string::npos) << e.name;
}

}  // namespace
}  // namespace core
