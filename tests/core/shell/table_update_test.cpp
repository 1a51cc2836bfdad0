#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "core/shell/table_update.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

class TableUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("table_update_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "ws");
        fs::create_directories(root / "prog");
        app.main.meudir = (root / "ws").string();
        app.main.meudirx2 = (root / "prog").string() + "/";
    }
    void TearDown() override { fs::remove_all(root); }

    void workspaceFile(const char* name) { writeFileAtomic(app.main.meudir + "/" + name, "x"); }
    void programFile(const char* name) { writeFileAtomic(app.main.meudirx2 + name, "x"); }

    StartProgram recorder(bool succeeds = true) {
        return [this, succeeds](const std::string& p) {
            started.push_back(p);
            return succeeds;
        };
    }

    fs::path root;
    AppState app;
    ScriptedUi ui;
    std::vector<std::string> started;
};

TEST_F(TableUpdateTest, FirstRunOffersTheDownloaderWhileTablesWereNeverDownloaded) {
    struct Case {
        const char* what;
        bool win98, d98, dxp, lista;
        std::vector<bool> answers;
        int questions;
        const char* startedName;  // nullptr: none started
        UpdateOutcome outcome;
    };
    const Case cases[] = {
        {"xp downloader, yes", false, false, true, false, {true}, 1, "downloadxp.exe", UpdateOutcome::Close},
        {"xp downloader, no", false, false, true, false, {false}, 1, nullptr, UpdateOutcome::KeepRunning},
        {"tables downloaded", true, true, true, true, {true}, 0, nullptr, UpdateOutcome::KeepRunning},
        {"win98, yes", true, true, true, false, {true}, 1, "download.exe", UpdateOutcome::Close},
        {"win98 no, then xp yes", true, true, true, false, {false, true}, 2, "downloadxp.exe",
         UpdateOutcome::Close},
        {"download.exe without marker", false, true, false, false, {true}, 0, nullptr,
         UpdateOutcome::KeepRunning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        started.clear();
        ui = ScriptedUi{};
        workspaceFile("razidaro13.tab");
        if (c.win98) programFile("win98.ini");
        if (c.d98) programFile("download.exe");
        if (c.dxp) programFile("downloadxp.exe");
        if (c.lista) workspaceFile("lista.tab");
        ui.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(firstRunTableCheck(app, ui, recorder()), c.outcome);
        EXPECT_EQ(static_cast<int>(ui.messages.size()), c.questions);
        for (const auto& m : ui.messages) EXPECT_EQ(m, kNoTablesQuestion);
        if (c.startedName) {
            ASSERT_EQ(started.size(), 1u);
            EXPECT_EQ(started[0], app.main.meudirx2 + c.startedName);
        } else {
            EXPECT_TRUE(started.empty());
        }
    }
}

TEST_F(TableUpdateTest, FirstRunWithADownloaderThatWillNotStartKeepsTheProgram) {
    programFile("downloadxp.exe");
    ui.answers = {true};
    EXPECT_EQ(firstRunTableCheck(app, ui, recorder(false)), UpdateOutcome::KeepRunning);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], startFailedMessage(app.main.meudirx2 + "downloadxp.exe"));
}

TEST_F(TableUpdateTest, FirstRunWithoutDownloaderOrTablesSaysWhereTheTablesGo) {
    EXPECT_EQ(firstRunTableCheck(app, ui, recorder()), UpdateOutcome::KeepRunning);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(app.main.meudir), std::string::npos);
    // With the default tables in place the check is silent.
    ui.messages.clear();
    workspaceFile("razidaro13.tab");
    EXPECT_EQ(firstRunTableCheck(app, ui, recorder()), UpdateOutcome::KeepRunning);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableUpdateTest, UpdateCommand) {
    // No downloader: the message, no question, the program stays.
    EXPECT_EQ(atualizacaoIndices(app, ui, recorder()), UpdateOutcome::KeepRunning);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kDownloaderNotFound});

    // "win98.ini" chooses download.exe, which is missing even though downloadxp.exe exists.
    ui.messages.clear();
    programFile("win98.ini");
    programFile("downloadxp.exe");
    EXPECT_EQ(atualizacaoIndices(app, ui, recorder()), UpdateOutcome::KeepRunning);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kDownloaderNotFound});

    programFile("download.exe");
    ui.messages.clear();
    ui.answers = {false};
    EXPECT_EQ(atualizacaoIndices(app, ui, recorder()), UpdateOutcome::KeepRunning);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kUpdateQuestion});
    EXPECT_TRUE(started.empty());

    ui.answers = {true};
    EXPECT_EQ(atualizacaoIndices(app, ui, recorder()), UpdateOutcome::Close);
    EXPECT_EQ(started, std::vector<std::string>{app.main.meudirx2 + "download.exe"});
}

TEST_F(TableUpdateTest, UpdatePageAddressIsASetting) {
    EXPECT_EQ(updatePageUrl(app.main.meudir), "");
    writeFileAtomic(app.main.meudir + "/atualizacao.ini", "\r\n");
    EXPECT_EQ(updatePageUrl(app.main.meudir), "");
    writeFileAtomic(app.main.meudir + "/atualizacao.ini", "  http://example.org/razidaro_update.htm \r\nx\r\n");
    EXPECT_EQ(updatePageUrl(app.main.meudir), "http://example.org/razidaro_update.htm");
    EXPECT_NE(updatePageMissingMessage(app.main.meudir).find("atualizacao.ini"), std::string::npos);
}

}  // namespace
}  // namespace core
