#include "core/shell/record_recalc.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/calc/court/month_calculators.hpp"
#include "core/records/calc_record.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/legacy_files.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Status = RecalcOutcome::Status;

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class RecordRecalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("record_recalc_" + std::to_string(::getpid()));
        fs::remove_all(root);
        startProgram(app, {root.string(), "/nonexistent/", std::string(EXPURGOS_SOURCE_DIR) + "/data/workspace"}, ui);
        ws = app.main.meudir;
    }
    void TearDown() override { fs::remove_all(root); }

    // Bresser and Verão carried with the São Paulo table to 12/1990, with
    // period interest and a 10% fee, finished in the calculator as the menu
    // command opens it. The record is copied to calc.e12 and the workspace's
    // report and backup are removed; returns the report's bytes.
    std::string finishSaoPaulo(const char* caption = calc::kCaptionSaoPaulo) {
        app.formTjspD.setCaption(caption);
        loadCalculatorTable(app, "tjsp.tab");
        calc::DailyWizard wiz(app, ui, calc::kMonthByMonthSpec);
        wiz.show();
        Window& w = app.formTjspD;
        w.at("CPlanos").ticks.assign(w.at("CPlanos").items.size(), false);
        w.at("CPlanos").ticks[0] = true;
        w.at("CPlanos").ticks[1] = true;
        wiz.clickPlans();
        StringGrid& sp = w.grid("SPlanos");
        sp.setCell(1, sp.rowCount() - 1, "12/1990");
        EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        w.grid("SSaldo").setCell(4, 1, "2.500,00");
        w.grid("SSaldo").setCell(4, 2, "40.000,00");
        while (wiz.step() < 3) EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        StringGrid& st = w.grid("STJuros");
        st.setCell(0, 1, "01/07/1987");
        st.setCell(1, 1, "01/12/1990");
        st.setCell(2, 1, "0,5");
        w.setChecked("Chono", true);
        w.setChecked("Rpor", true);
        w.setText("Ehono", "10,00");
        while (wiz.step() < wiz.lastStep()) EXPECT_EQ(wiz.next(), calc::StepResult::Ok);
        const std::string report = wiz.finish();
        EXPECT_FALSE(report.empty()) << (ui.messages.empty() ? "" : ui.messages.back());
        const std::string bytes = readFileBytes(report);
        writeFileAtomic(record(), readFileBytes(backup()));
        fs::remove(report);
        fs::remove(backup());
        ui.messages.clear();
        return bytes;
    }

    // A program state as the command line starts it on the workspace.
    AppState started() {
        AppState fresh;
        fresh.main.meudir = ws;
        loadWorkspace(fresh, ui);
        return fresh;
    }

    std::string record() const { return (root / "calc.e12").string(); }
    std::string backup() const { return ws + "/temp2.back"; }
    std::string lastMessage() const { return ui.messages.empty() ? std::string() : ui.messages.back(); }

    fs::path root;
    std::string ws;
    AppState app;
    ScriptedUi ui;
};

TEST_F(RecordRecalcTest, RecordRecomputesTheSameReportAndRecord) {
    const std::string first = finishSaoPaulo();
    const std::string stored = readFileBytes(record());
    ASSERT_EQ(recordLines(stored).at(0), "Vers 1.22");

    AppState fresh = started();
    RecalcOutcome out = recalcRecord(fresh, calc::kCaptionSaoPaulo, record(), {}, ui);
    ASSERT_EQ(out.status, Status::Done) << lastMessage();
    EXPECT_EQ(out.option, calc::kCaptionSaoPaulo);
    EXPECT_EQ(out.reportPath, ws + "/teste.html");
    EXPECT_EQ(readFileBytes(out.reportPath), first);
    EXPECT_EQ(out.backupPath, backup());
    EXPECT_TRUE(ui.messages.empty()) << lastMessage();
    // Reading a record turns its empty cells into single blanks (the comma
    // text rule), which the new record keeps; nothing else changes, and a
    // second recalculation gives the same bytes again.
    const std::string renewed = readFileBytes(out.backupPath);
    auto withoutBlanks = [](std::string text) {
        for (std::size_t at; (at = text.find("\" \"")) != std::string::npos;) text.erase(at, 3);
        return text;
    };
    EXPECT_EQ(withoutBlanks(renewed), stored);
    writeFileAtomic(record(), renewed);
    AppState second = started();
    ASSERT_EQ(recalcRecord(second, calc::kCaptionSaoPaulo, record(), {}, ui).status, Status::Done);
    EXPECT_EQ(readFileBytes(backup()), renewed);
    EXPECT_EQ(readFileBytes(ws + "/teste.html"), first);

    // The new record opens through the calculator's "Abrir" with its values.
    const std::string copy = (root / "copia.e12").string();
    writeFileAtomic(copy, readFileBytes(out.backupPath));
    AppState reopened = started();
    ui.files.push_back(copy);
    EXPECT_EQ(Abrir1_Click(reopened, ui), "Form_tjsp_d");
    const Window& w = reopened.formTjspD;
    EXPECT_EQ(w.at("CPlanos").ticks, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(w.grid("SSaldo").cell(4, 1), "2.500,00");
    EXPECT_EQ(w.grid("SSaldo").cell(4, 2), "40.000,00");
    EXPECT_EQ(w.grid("SBase").cell(4, 1), fresh.formTjspD.grid("SBase").cell(4, 1));
    EXPECT_EQ(w.grid("STJuros").cell(2, 1), "0,5");
    EXPECT_TRUE(w.checked("Chono"));
    EXPECT_TRUE(w.checked("Rpor"));
    EXPECT_EQ(w.text("Ehono"), "10,00");
}

TEST_F(RecordRecalcTest, UntilMovesTheUpdateMonthOrIsRefusedBeyondTheTable) {
    finishSaoPaulo();
    AppState fresh = started();
    RecalcOptions options;
    options.until = "06/94";
    RecalcOutcome out = recalcRecord(fresh, calc::kCaptionSaoPaulo, record(), options, ui);
    ASSERT_EQ(out.status, Status::Done) << lastMessage();
    const StringGrid& p = fresh.formTjspD.grid("planilha");
    EXPECT_EQ(p.cell(1, p.rowCount() - 1), "06/1994");
    // The saved record carries the new month.
    EXPECT_TRUE(hasLine(recordLines(readFileBytes(out.backupPath)), "\"Atualizar até\",06/1994"));

    options.until = "05/2099";
    AppState again = started();
    fs::remove(backup());
    out = recalcRecord(again, calc::kCaptionSaoPaulo, record(), options, ui);
    EXPECT_EQ(out.status, Status::Refused);
    EXPECT_EQ(lastMessage(), "A data 05/2099 não existe na tabela, atualize o índice");
    EXPECT_FALSE(fs::exists(backup()));

    for (const char* bad : {"abc", "00/2000", "1/2/2000"}) {
        SCOPED_TRACE(bad);
        options.until = bad;
        AppState third = started();
        EXPECT_EQ(recalcRecord(third, calc::kCaptionSaoPaulo, record(), options, ui).status, Status::Failed);
        EXPECT_EQ(lastMessage(), std::string("Mês inválido para --until: ") + bad);
    }
}

TEST_F(RecordRecalcTest, CaptionChoosesTheTableAndTheNotes) {
    finishSaoPaulo();
    // Paraná: the menu command's table stays; "tjmg.tab", which "Abrir" loads,
    // is not in the workspace.
    fs::copy_file(ws + "/tjsp.tab", ws + "/tjpr.tab");
    ASSERT_FALSE(fs::exists(ws + "/tjmg.tab"));
    AppState fresh = started();
    RecalcOutcome out = recalcRecord(fresh, calc::kCaptionParana, record(), {}, ui);
    ASSERT_EQ(out.status, Status::Done) << lastMessage();
    EXPECT_EQ(fresh.formTjspD.caption(), calc::kCaptionParana);
    EXPECT_EQ(fresh.main.indice.rowCount(), 435);
    const auto lines = recordLines(readFileBytes(out.reportPath));
    EXPECT_TRUE(hasLine(lines, "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI </td></tr>"));
}

TEST_F(RecordRecalcTest, MissingTablesStopTheRecalculation) {
    finishSaoPaulo();
    struct Case {
        const char* what;
        const char* caption;
        const char* table;  // put into the workspace as a copy of tjsp.tab
        bool purged;        // the record asks for the purged ENCOGE table
    };
    const Case cases[] = {
        {"São Paulo without tjsp.tab", calc::kCaptionSaoPaulo, nullptr, false},
        {"MG without tjmg.tab", calc::kCaptionMinas, nullptr, false},
        {"PR without tjpr.tab", calc::kCaptionParanaNotPurged, nullptr, false},
        {"MG purged without tjmg1.tab", calc::kCaptionMinas, "tjmg.tab", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.caption == std::string(calc::kCaptionSaoPaulo)) fs::rename(ws + "/tjsp.tab", root / "tjsp.tab");
        if (c.table) fs::copy_file(root / "tjsp.tab", ws + "/" + c.table, fs::copy_options::overwrite_existing);
        std::string file = record();
        if (c.purged) {
            auto lines = recordLines(readFileBytes(record()));
            // The tail ends with Cencoge, Cencogeexp, Cnaou.
            lines[lines.size() - 3] = "false";
            lines[lines.size() - 2] = "true";
            std::string bytes;
            for (const auto& l : lines) bytes += l + "\r\n";
            file = (root / "purged.e12").string();
            writeFileAtomic(file, bytes);
        }
        ui.messages.clear();
        AppState fresh = started();
        EXPECT_EQ(recalcRecord(fresh, c.caption, file, {}, ui).status, Status::Refused);
        EXPECT_EQ(ui.messages, std::vector<std::string>{kMissingTableMessage});
        EXPECT_FALSE(fs::exists(ws + "/teste.html"));
    }
}

TEST_F(RecordRecalcTest, FilesTheCalculatorDoesNotTake) {
    const std::string good = (finishSaoPaulo(), readFileBytes(record()));
    const auto goodLines = recordLines(good);
    std::string truncated;
    for (std::size_t i = 0; i < 12; ++i) truncated += goodLines[i] + "\r\n";
    std::string morePlans = good;
    morePlans.replace(morePlans.find("\r\n6\r\n"), 5, "\r\n9\r\n");

    struct Case {
        const char* what;
        std::string bytes;
        Status status;
        std::string message;  // a part of the last message shown
    };
    const Case cases[] = {
        {"user file of Vers 1.21", "Vers 1.21" + good.substr(good.find("\r\n")), Status::Refused,
         kEarlierVersionMessage},
        {"unknown first line", "Vers 0.9\r\n", Status::Refused, kEarlierVersionMessage},
        {"empty file", "", Status::Refused, kEarlierVersionMessage},
        {"more plans than the list", morePlans, Status::Refused,
         "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir"},
        {"state record", "estados\r\n0\r\n", Status::NotAvailable, "(primeira linha \"estados\")"},
        {"record cut short", truncated, Status::Failed, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = (root / "other.e12").string();
        writeFileAtomic(file, c.bytes);
        ui.messages.clear();
        AppState fresh = started();
        RecalcOutcome out = recalcRecord(fresh, calc::kCaptionSaoPaulo, file, {}, ui);
        EXPECT_EQ(out.status, c.status);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_NE(lastMessage().find(c.message), std::string::npos) << lastMessage();
        EXPECT_FALSE(fs::exists(ws + "/teste.html"));
        EXPECT_FALSE(fs::exists(backup()));
        EXPECT_EQ(readFileBytes(file), c.bytes);  // a user file is never changed
    }
}

TEST_F(RecordRecalcTest, UnknownCaptionAndMissingFile) {
    ui.messages.clear();
    RecalcOutcome out = recalcRecord(app, "Débitos Judiciais RJ (mês a mês)", record(), {}, ui);
    EXPECT_EQ(out.status, Status::NotAvailable);
    ASSERT_EQ(ui.messages.size(), 1u);
    for (const std::string& c : monthByMonthCaptions()) EXPECT_NE(ui.messages[0].find("\n  " + c), std::string::npos);
    EXPECT_FALSE(isMonthByMonthCaption("MG - MT - MS - ES"));  // the window's initial caption

    EXPECT_EQ(recalcRecord(app, calc::kCaptionSaoPaulo, (root / "nada.e12").string(), {}, ui).status, Status::Failed);
    EXPECT_EQ(lastMessage(), "Arquivo não encontrado: " + (root / "nada.e12").string());
}

TEST_F(RecordRecalcTest, BackupThatCannotBeWrittenFailsTheRun) {
    finishSaoPaulo();
    fs::create_directories(backup() + "/inside");
    AppState fresh = started();
    RecalcOutcome out = recalcRecord(fresh, calc::kCaptionSaoPaulo, record(), {}, ui);
    EXPECT_EQ(out.status, Status::Failed);
    EXPECT_TRUE(out.backupPath.empty());
}

}  // namespace
}  // namespace core
