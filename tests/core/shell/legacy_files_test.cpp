#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/legacy_files.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;

class LegacyFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("legacy_files_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // A calculation record of the kind written from a window whose first plan
    // is ticked and whose first balance is the given text.
    std::string writeKind(RecordKind kind, Window& w, const std::string& path, const std::string& balance) {
        w.at("CPlanos").ticks.assign(w.at("CPlanos").items.size(), false);
        w.at("CPlanos").ticks[0] = true;
        w.grid("SSaldo").setRowCount(2);
        w.grid("SSaldo").setCell(4, 1, balance);
        writeRecord(kind, w, path);
        w.at("CPlanos").ticks[0] = false;
        w.grid("SSaldo").setCell(4, 1, "");
        return path;
    }
    std::string user(const char* name) const { return (root / name).string(); }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
};

TEST_F(LegacyFilesTest, ResetsEmptyTheirOwnWindowWithTheirOwnTable) {
    struct Case {
        const char* name;
        void (*reset)(AppState&);
        Window AppState::*window;
        bool deletesTemp2;
        int tableRows;  // index grid rows after the reset (2: table missing, reset only)
    };
    const Case cases[] = {
        {"state", DbitosJudiciaisSoPaulo2Click, &AppState::form5, true, 436},
        {"month-by-month", abrirpoupxstj, &AppState::formTjspD, true, 2},  // tjmg.tab is not shipped
        {"federal", abrirpoupxjf, &AppState::formJf, false, 440},
    };
    writeCabecalho(ws, {"Cabeçalho"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window& w = app.*c.window;
        Window& other = &w == &app.formTjspD ? app.formJf : app.formTjspD;
        other.grid("SBase").setCell(4, 1, "untouched");
        w.at("CPlanos").ticks.assign(w.at("CPlanos").items.size(), true);
        for (const char* g : {"SPlanos", "SSaldo", "SBase", "STJuros", "planilha"}) w.grid(g).setCell(0, 1, "x");
        w.setChecked("Cprorata", true);
        w.grid("Jmes").setRowCount(9);
        w.grid("Jmes").setCell(3, 2, "Sim");
        writeFileAtomic(ws + "/temp2.back", "x");

        c.reset(app);

        for (bool t : w.at("CPlanos").ticks) EXPECT_FALSE(t);
        for (const char* g : {"SPlanos", "SSaldo", "SBase", "STJuros", "planilha"}) {
            EXPECT_FALSE(w.grid(g).cell(0, 0).empty()) << g;
            EXPECT_EQ(w.grid(g).cell(0, 1), "") << g;
        }
        EXPECT_TRUE(w.checked("Rsimples"));
        EXPECT_FALSE(w.checked("Cprorata"));
        EXPECT_EQ(w.grid("Jmes").rowCount(), 5);
        EXPECT_EQ(w.grid("Jmes").cell(3, 1), "Não");
        EXPECT_EQ(w.grid("Jmes").cell(3, 2), "Sim");  // only empty cells get "Não"
        EXPECT_EQ(w.lines("Memo1"), std::vector<std::string>{"Cabeçalho"});
        EXPECT_EQ(fs::exists(ws + "/temp2.back"), !c.deletesTemp2);
        EXPECT_EQ(app.main.indice.rowCount(), c.tableRows);
        EXPECT_EQ(other.grid("SBase").cell(4, 1), "untouched");
    }
}

TEST_F(LegacyFilesTest, EachSaveButtonCopiesItsOwnBackup) {
    // Nothing to save: silent, no dialog.
    EXPECT_FALSE(SalvarspClick(app, ui));
    EXPECT_FALSE(Salvarjf(app, ui));
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_TRUE(ui.messages.empty());

    writeFileAtomic(ws + "/tempsp.back", "estados\r\nstate");
    writeFileAtomic(ws + "/tempjf.back", "Vers 1.2\r\nfederal");
    writeFileAtomic(ws + "/temp2.back", "Vers 1.22\r\nmonth");
    writeFileAtomic(ws + "/temp2diaria.back", "Vers 1.22\r\ndaily");
    app.main.edit1 = "diaria";

    ui.files = {user("a.e12"), user("b.ejf"), user("c.e12")};
    EXPECT_TRUE(SalvarspClick(app, ui));
    EXPECT_TRUE(Salvarjf(app, ui));
    // The month-by-month button saves its own calculation even after an
    // unsaved daily one, and leaves the daily marker for the daily window.
    EXPECT_TRUE(Salvar1Click(app, ui, RecordKind::MonthByMonth));
    EXPECT_EQ(readFileBytes(user("a.e12")), "estados\r\nstate");
    EXPECT_EQ(readFileBytes(user("b.ejf")), "Vers 1.2\r\nfederal");
    EXPECT_EQ(readFileBytes(user("c.e12")), "Vers 1.22\r\nmonth");
    EXPECT_EQ(app.main.edit1, "diaria");
    ASSERT_EQ(ui.fileRequests.size(), 3u);
    EXPECT_EQ(ui.fileRequests[0].filter, kE12Filter);
    EXPECT_EQ(ui.fileRequests[1].filter, kEjfFilter);
    EXPECT_EQ(ui.fileRequests[1].defaultExt, "ejf");

    // Cancelled dialog: nothing written.
    EXPECT_FALSE(Salvarjf(app, ui));

    // A copy that cannot be written names both paths.
    ui.files = {(root / "no" / "such" / "dir" / "x.e12").string()};
    EXPECT_FALSE(SalvarspClick(app, ui));
    EXPECT_EQ(ui.messages.back(), "Erro ao copiar " + ws + "/tempsp.back para " + (root / "no/such/dir/x.e12").string());
}

TEST_F(LegacyFilesTest, MonthByMonthOpenerSendsStateRecordsToTheStateWindow) {
    writeCabecalho(ws, {"linha 1"});
    writeRodape(ws, {"rodapé"});
    const std::string st = writeKind(RecordKind::State, app.form5, user("st.e12"), "123,45");
    ui.files = {st};
    EXPECT_EQ(Abrir1_Click(app, ui), "Form5");
    EXPECT_TRUE(app.form5.at("CPlanos").ticks[0]);
    EXPECT_EQ(app.form5.grid("SSaldo").cell(4, 1), "123,45");
    EXPECT_EQ(app.main.indice.rowCount(), 436);  // t0001.tab
    // The header and footer go to the month-by-month window all the same.
    EXPECT_EQ(app.formTjspD.lines("Memo1"), std::vector<std::string>{"linha 1"});
    EXPECT_EQ(app.formTjspD.lines("Memo2"), std::vector<std::string>{"rodapé"});
    EXPECT_TRUE(app.form5.lines("Memo1").empty());
}

TEST_F(LegacyFilesTest, MonthByMonthOpenerTakesOnlyItsVersions) {
    const std::string mm = writeKind(RecordKind::MonthByMonth, app.formTjspD, user("mm.e12"), "10,00");
    ui.files = {mm};
    EXPECT_EQ(Abrir1_Click(app, ui), "Form_tjsp_d");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.formTjspD.grid("SSaldo").cell(4, 1), "10,00");

    for (const char* first : {"Vers 1.21", "Vers 1.0", ""}) {
        SCOPED_TRACE(first);
        ui.messages.clear();
        writeFileAtomic(user("old.e12"), std::string(first) + "\r\n6\r\n");
        ui.files = {user("old.e12")};
        EXPECT_EQ(Abrir1_Click(app, ui), "Form_tjsp_d");
        EXPECT_EQ(ui.messages, std::vector<std::string>{kEarlierVersionMessage});
        EXPECT_EQ(app.main.indice.rowCount(), 2);  // tjmg.tab reset-and-load, file missing
    }
    EXPECT_EQ(Abrir1_Click(app, ui), "");  // cancelled
}

TEST_F(LegacyFilesTest, FederalOpenerShowsTheWindowBeforeRefusingAnotherVersion) {
    const std::string jf = writeKind(RecordKind::Federal, app.formJf, user("f.ejf"), "77,00");
    ui.files = {jf};
    EXPECT_EQ(Abrirjf_Click(app, ui), "Form_jf");
    EXPECT_EQ(app.formJf.grid("SSaldo").cell(4, 1), "77,00");
    EXPECT_EQ(ui.fileRequests.back().filter, kEjfFilter);

    writeFileAtomic(user("g.ejf"), "Vers 1.22\r\n6\r\n");
    ui.files = {user("g.ejf")};
    app.main.indice.setRowCount(3);
    EXPECT_EQ(Abrirjf_Click(app, ui), "Form_jf");
    EXPECT_EQ(ui.messages, std::vector<std::string>{kEarlierVersionMessage});
    EXPECT_EQ(app.main.indice.rowCount(), 440);  // jf.tab loaded first
    EXPECT_EQ(app.formJf.grid("SSaldo").cell(4, 1), "77,00");
}

TEST_F(LegacyFilesTest, BackupReaders) {
    EXPECT_EQ(Abrirbackstj(app, ui), "");
    EXPECT_EQ(Abrirbacksjf(app, ui), "");

    // A state record left in the month-by-month backup reopens the state window.
    writeKind(RecordKind::State, app.form5, ws + "/tempsp.back", "5,00");
    fs::copy_file(ws + "/tempsp.back", ws + "/temp2.back");
    EXPECT_EQ(Abrirbackstj(app, ui), "Form5");
    EXPECT_EQ(app.form5.grid("SSaldo").cell(4, 1), "5,00");

    // "Vers 1.21" is taken from the backup; the index grid is not reloaded.
    writeKind(RecordKind::MonthByMonth, app.formTjspD, user("x"), "6,00");
    std::string bytes = readFileBytes(user("x"));
    bytes.replace(0, 9, "Vers 1.21");
    writeFileAtomic(ws + "/temp2.back", bytes);
    app.main.indice.setRowCount(3);
    EXPECT_EQ(Abrirbackstj(app, ui), "Form_tjsp_d");
    EXPECT_EQ(app.formTjspD.grid("SSaldo").cell(4, 1), "6,00");
    EXPECT_EQ(app.main.indice.rowCount(), 3);

    writeFileAtomic(ws + "/temp2.back", "Vers 0.9\r\n");
    EXPECT_EQ(Abrirbackstj(app, ui), "");

    writeKind(RecordKind::Federal, app.formJf, ws + "/tempjf.back", "8,00");
    EXPECT_EQ(Abrirbacksjf(app, ui), "Form_jf");
    EXPECT_EQ(app.formJf.grid("SSaldo").cell(4, 1), "8,00");
    writeFileAtomic(ws + "/tempjf.back", "Vers 1.22\r\n");
    EXPECT_EQ(Abrirbacksjf(app, ui), "");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace core
