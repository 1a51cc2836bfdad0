// Calculation records: exact lines written, every version read, optional tail
// fields, the plan-count refusal, damaged and truncated records.
#include "core/records/calc_record.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/state/windows.hpp"
#include "core/text/errors.hpp"
#include "core/ui/scripted_ui.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Status = RecordReadResult::Status;

Window makeWindow(RecordKind kind) {
    switch (kind) {
        case RecordKind::Daily: return makeForm2();
        case RecordKind::State: return makeForm5();
        case RecordKind::MonthByMonth: return makeFormTjspD();
        case RecordKind::Federal: return makeFormJf();
    }
    return {};
}

// The controls every record holds, built by hand with small grids, so that
// the exact lines of a record can be written out in a test.
Window handBuilt(int planCols = 3) {
    Window w("W", "TW", "w");
    w.add(checkList("CPlanos", {"Plano Bresser", "Plano Verão"}));
    w.add(grid("SPlanos", planCols, 2, {"Expurgo", "Data", "X"}));
    w.add(grid("SSaldo", 1, 1));
    w.add(grid("SBase", 1, 1));
    w.add(radio("Rcomposto", "t", "c"));
    w.add(radio("Rsimples", "t", "s", true));
    w.add(radio("Rmes", "t", "m"));
    w.add(checkBox("Cprorata", "p"));
    w.add(grid("STJuros", 3, 1));
    w.add(grid("amortizacao", 3, 1));
    w.add(radio("RComjuros", "j", "Sim"));
    w.add(radio("Rsemjuros", "j", "Não", true));
    w.add(grid("Jmes", 4, 1));
    w.add(radio("Rtr", "i", "tr"));
    w.add(radio("Rpoup", "i", "poup", true));
    w.add(checkBox("Chono", "h"));
    w.add(radio("Rpor", "h", "por", true));
    w.add(radio("Rvalor", "h", "valor"));
    w.add(edit("Ehono", "0,00"));
    w.add(checkBox("Cnaou", "n"));
    return w;
}

std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

// A daily record line by line, up to line 14 (grids of one header row only).
std::vector<std::string> dailyHead(const std::string& version, const std::vector<std::string>& ticks) {
    std::vector<std::string> l = {version, std::to_string(ticks.size())};
    l.insert(l.end(), ticks.begin(), ticks.end());
    for (const char* x : {"1", "1", "1", "false", "true", "false", "false", "1", "1", "false", "1"})
        l.push_back(x);
    return l;
}

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("expurgos_records_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string dir() const { return path_.string(); }

private:
    fs::path path_;
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CalcRecordWrite, DailyRecordLinesAndBytes) {
    Window w = handBuilt();
    w.at("CPlanos").ticks = {false, true};
    StringGrid& plans = w.grid("SPlanos");
    plans.setRowCount(3);
    plans.setRow(1, {"Plano Verão", "01/1989", ""});
    plans.setRow(2, {"Atualizar até", "05/2024", "a\"b"});
    w.setChecked("Rcomposto", true);  // never written as such outside the state record
    w.setChecked("Chono", true);
    w.setChecked("Rvalor", true);
    w.setText("Ehono", "1.500,00");
    w.setChecked("Cnaou", true);

    std::vector<std::string> expected = {
        "Vers 1.22", "2", "false", "true",
        "3", "\"Plano Verão\",01/1989,", "\"Atualizar até\",05/2024,\"a\"\"b\"",
        "1", "1",
        "false", "true", "false",
        "false", "1", "1", "false", "1",
        "false", "true", "true", "false", "true", "1.500,00", "true"};
    EXPECT_EQ(join(buildRecord(RecordKind::Daily, w)), join(expected));

    const std::string bytes = recordBytes(RecordKind::Daily, w);
    EXPECT_EQ(bytes.substr(0, 11), "Vers 1.22\r\n");
    EXPECT_NE(bytes.find("\"Plano Ver\xE3o\",01/1989,\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "true\r\n");
}

TEST(CalcRecordWrite, LinesPerKind) {
    struct Case {
        RecordKind kind;
        const char* first;
        size_t tail;
        bool amortisation;
    };
    for (const Case& c : {Case{RecordKind::Daily, "Vers 1.22", 7, true}, Case{RecordKind::State, "estados", 13, false},
                          Case{RecordKind::MonthByMonth, "Vers 1.22", 7, true},
                          Case{RecordKind::Federal, "Vers 1.2", 0, true}}) {
        SCOPED_TRACE(c.first);
        Window w = makeWindow(c.kind);
        w.addItem("CPlanos", "Plano Bresser");
        std::vector<std::string> lines = buildRecord(c.kind, w);
        EXPECT_EQ(lines[0], c.first);
        EXPECT_EQ(lines[1], "1");
        // Every grid of the real windows has the header row and one data row.
        const size_t grids = c.amortisation ? 6 : 5;
        EXPECT_EQ(lines.size(), 3 + grids * 2 + 3 + 2 + c.tail);
    }
}

TEST(CalcRecordWrite, StateRecordStoresInterestKind) {
    Window w = makeForm5();
    w.setChecked("Rmes", true);
    std::vector<std::string> lines = buildRecord(RecordKind::State, w);
    // line 1, plan count 0, three grids of two lines each, then the kinds
    EXPECT_EQ(lines[8], "false");
    EXPECT_EQ(lines[9], "false");
    EXPECT_EQ(lines[10], "true");
}

TEST(CalcRecordWrite, LineBreakInsideCellKeepsRecordShape) {
    Window w = handBuilt();
    w.grid("SPlanos").setRow(1, {"Plano\r\nVerão", "01/1989", "x"});
    w.setText("Ehono", "1\n2");
    std::vector<std::string> lines = recordLines(recordBytes(RecordKind::Daily, w));
    EXPECT_EQ(lines.size(), buildRecord(RecordKind::Daily, w).size());
    Window back = handBuilt();
    ASSERT_EQ(readRecord(RecordKind::Daily, lines, RecordSource::Backup, back).status, Status::Read);
    EXPECT_EQ(back.grid("SPlanos").cell(0, 1), "Plano  Verão");
    EXPECT_EQ(back.text("Ehono"), "1 2");
}

TEST(CalcRecordRead, EmptyCellsReadBackAsBlank) {
    Window w = handBuilt();
    w.grid("SPlanos").setRow(1, {"Plano Verão", "01/1989", ""});
    Control& one = w.at("SSaldo");
    one.grid.setRowCount(2);  // one column, one empty cell
    std::vector<std::string> lines = buildRecord(RecordKind::Daily, w);
    EXPECT_EQ(lines[7], "\"\"");

    Window back = handBuilt();
    back.grid("SSaldo").setCell(0, 1, "old");
    ASSERT_EQ(readRecord(RecordKind::Daily, lines, RecordSource::UserFile, back).status, Status::Read);
    EXPECT_EQ(back.grid("SPlanos").row(1), (std::vector<std::string>{"Plano Verão", "01/1989", " "}));
    EXPECT_EQ(back.grid("SSaldo").rowCount(), 2);
    EXPECT_EQ(back.grid("SSaldo").cell(0, 1), " ");
}

// Every kind written from its real window and read into a fresh one.
TEST(CalcRecordRead, RoundTripOnRealWindows) {
    for (RecordKind kind : {RecordKind::Daily, RecordKind::State, RecordKind::MonthByMonth, RecordKind::Federal}) {
        SCOPED_TRACE(recordBackupName(kind));
        Window w = makeWindow(kind);
        for (const char* p : {"Plano Bresser", "Plano Verão", "Plano Collor I"}) w.addItem("CPlanos", p);
        w.at("CPlanos").ticks = {true, false, true};
        StringGrid& plans = w.grid("SPlanos");
        plans.setRowCount(4);
        plans.setRow(1, {"Plano Bresser", "06/1987"});
        plans.setRow(2, {"Plano Collor I", "03/1990"});
        plans.setRow(3, {"Atualizar até", "05/2024"});
        w.grid("SSaldo").setRow(1, {"Plano Bresser", "06/1987", "Cz$", "01", "1.234,56"});
        w.grid("STJuros").setRowCount(3);
        w.grid("STJuros").setRow(2, {"01/01/2000", "31/12/2000", "1,00"});
        w.grid("Jmes").setRow(1, {"01/01/2001", "31/12/2001", "0,5", "Sim"});
        w.setChecked("Cprorata", true);
        w.setChecked("RComjuros", true);
        if (kind != RecordKind::State) w.grid("amortizacao").setRow(1, {"07/1987", "pago, \"parcial\"", "10,00"});
        if (kind != RecordKind::Federal) {
            w.setChecked("Chono", true);
            w.setChecked("Rvalor", true);
            w.setText("Ehono", "250,00");
            w.setChecked("Cnaou", true);
        }
        if (kind == RecordKind::Daily) w.setChecked("Rtr", true);
        if (kind == RecordKind::State) {
            w.setChecked("Rtjdf", true);
            w.setText("Datejurcompinicial", "01/02/1990");
            w.setText("Ejurcomp", "0,50");
            w.setChecked("Cjc", true);
        }
        if (kind == RecordKind::MonthByMonth) w.setChecked("Cencogeexp", true);

        for (RecordSource source : {RecordSource::UserFile, RecordSource::Backup}) {
            Window back = makeWindow(kind);
            for (const char* p : {"Plano Bresser", "Plano Verão", "Plano Collor I"}) back.addItem("CPlanos", p);
            ASSERT_EQ(readRecord(kind, recordLines(recordBytes(kind, w)), source, back).status, Status::Read);
            EXPECT_EQ(back.at("CPlanos").ticks, (std::vector<bool>{true, false, true}));
            EXPECT_EQ(back.grid("SPlanos"), w.grid("SPlanos"));
            EXPECT_EQ(back.grid("SSaldo").row(1), w.grid("SSaldo").row(1));
            EXPECT_EQ(back.grid("STJuros").rowCount(), 3);
            EXPECT_EQ(back.grid("STJuros").row(2), w.grid("STJuros").row(2));
            EXPECT_EQ(back.grid("Jmes").row(1), w.grid("Jmes").row(1));
            EXPECT_TRUE(back.checked("Cprorata"));
            EXPECT_TRUE(back.checked("RComjuros"));
            if (kind != RecordKind::State) {
                EXPECT_EQ(back.grid("amortizacao").cell(1, 1), "pago, \"parcial\"");
            }
            if (kind != RecordKind::Federal) {
                EXPECT_TRUE(back.checked("Chono"));
                EXPECT_TRUE(back.checked("Rvalor"));
                EXPECT_FALSE(back.checked("Rpor"));
                EXPECT_EQ(back.text("Ehono"), "250,00");
                EXPECT_TRUE(back.checked("Cnaou"));
            }
            if (kind == RecordKind::Daily) {
                EXPECT_TRUE(back.checked("Rtr"));
            }
            if (kind == RecordKind::State) {
                EXPECT_TRUE(back.checked("Rtjdf"));
                EXPECT_FALSE(back.checked("Rtjsp"));
                EXPECT_EQ(back.text("Datejurcompinicial"), "01/02/1990");
                EXPECT_EQ(back.text("Datejurcompfinal"), "  /  /    ");
                EXPECT_EQ(back.text("Ejurcomp"), "0,50");
                EXPECT_TRUE(back.checked("Cjc"));
            }
            if (kind == RecordKind::MonthByMonth) {
                EXPECT_TRUE(back.checked("Cencogeexp"));
                EXPECT_FALSE(back.checked("Cencoge"));
            }
        }
    }
}

TEST(CalcRecordRead, InterestKindAlwaysSimple) {
    Window w = makeForm5();
    w.setChecked("Rcomposto", true);
    Window back = makeForm5();
    back.setChecked("Rmes", true);
    ASSERT_EQ(readRecord(RecordKind::State, buildRecord(RecordKind::State, w), RecordSource::UserFile, back).status,
              Status::Read);
    EXPECT_TRUE(back.checked("Rsimples"));
    EXPECT_FALSE(back.checked("Rcomposto"));
    EXPECT_FALSE(back.checked("Rmes"));
}

TEST(CalcRecordRead, PlansAddedSinceTheRecordAreUnticked) {
    Window back = handBuilt();
    back.addItem("CPlanos", "Plano Collor I");
    back.at("CPlanos").ticks = {true, true, true};
    std::vector<std::string> l = dailyHead("Vers 1.2", {"false", "true"});
    l.push_back("false");
    l.push_back("true");
    ASSERT_EQ(readRecord(RecordKind::Daily, l, RecordSource::UserFile, back).status, Status::Read);
    EXPECT_EQ(back.at("CPlanos").ticks, (std::vector<bool>{false, true, false}));
}

TEST(CalcRecordRead, PlanCountWithoutDigitMeansNoPlans) {
    Window back = handBuilt();
    back.at("CPlanos").ticks = {true, true};
    std::vector<std::string> l = dailyHead("Vers 1.2", {});
    l[1] = "";
    l.push_back("true");
    l.push_back("false");
    ASSERT_EQ(readRecord(RecordKind::Daily, l, RecordSource::UserFile, back).status, Status::Read);
    EXPECT_EQ(back.at("CPlanos").ticks, (std::vector<bool>{false, false}));
    EXPECT_TRUE(back.checked("Rtr"));
}

// Daily tails by version: the fee fields are left as they were when absent.
TEST(CalcRecordRead, DailyVersionsAndOptionalCnaou) {
    struct Case {
        const char* version;
        std::vector<std::string> tail;
        bool feesRead;
        bool cnaouRead;
    };
    const std::vector<Case> cases = {
        {"Vers 1.2", {"true", "false"}, false, false},
        {"Vers 1.21", {"true", "false", "false", "false", "true", "9,99", "false"}, false, false},
        {"Vers 1.22", {"true", "false", "false", "false", "true", "9,99"}, true, false},
        {"Vers 1.22", {"true", "false", "false", "false", "true", "9,99", "false"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " tail " + std::to_string(c.tail.size()));
        Window w = makeForm2();
        w.addItem("CPlanos", "Plano Bresser");
        w.setChecked("Chono", true);
        w.setText("Ehono", "1,00");
        w.setChecked("Cnaou", true);
        std::vector<std::string> l = dailyHead(c.version, {"true"});
        l.insert(l.end(), c.tail.begin(), c.tail.end());
        ASSERT_EQ(readRecord(RecordKind::Daily, l, RecordSource::Backup, w).status, Status::Read);
        EXPECT_TRUE(w.checked("Rtr"));
        EXPECT_EQ(w.checked("Chono"), !c.feesRead);
        EXPECT_EQ(w.checked("Rvalor"), c.feesRead);
        EXPECT_EQ(w.text("Ehono"), c.feesRead ? "9,99" : "1,00");
        EXPECT_EQ(w.checked("Cnaou"), !c.cnaouRead);
    }
}

TEST(CalcRecordRead, DailyRecordEndingInsideTheFeesIsDamaged) {
    Window w = makeForm2();
    std::vector<std::string> l = dailyHead("Vers 1.22", {});
    for (const char* x : {"true", "false", "true"}) l.push_back(x);
    EXPECT_THROW(readRecord(RecordKind::Daily, l, RecordSource::UserFile, w), ConversionError);
    EXPECT_TRUE(w.checked("Rtr"));  // what was read stays
    EXPECT_TRUE(w.checked("Chono"));
}

// Month-by-month tails: all optional from a user file, only the last three
// from a backup; no tail before "Vers 1.22".
TEST(CalcRecordRead, MonthByMonthTails) {
    struct Case {
        const char* version;
        RecordSource source;
        size_t tailLines;
        bool ok;
        bool feesRead;
    };
    const std::vector<Case> cases = {
        {"Vers 1.22", RecordSource::UserFile, 0, true, false},
        {"Vers 1.22", RecordSource::UserFile, 2, true, false},
        {"Vers 1.22", RecordSource::Backup, 4, true, true},
        {"Vers 1.22", RecordSource::Backup, 7, true, true},
        {"Vers 1.22", RecordSource::Backup, 3, false, false},
        {"Vers 1.2", RecordSource::UserFile, 7, true, false},
        {"Vers 1.21", RecordSource::Backup, 7, true, false},
    };
    const std::vector<std::string> tail = {"true", "false", "true", "7,00", "false", "true", "true"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " lines " + std::to_string(c.tailLines));
        Window w = makeFormTjspD();
        std::vector<std::string> l = dailyHead(c.version, {});
        l.insert(l.end(), tail.begin(), tail.begin() + c.tailLines);
        if (!c.ok) {
            EXPECT_THROW(readRecord(RecordKind::MonthByMonth, l, c.source, w), ConversionError);
            continue;
        }
        ASSERT_EQ(readRecord(RecordKind::MonthByMonth, l, c.source, w).status, Status::Read);
        EXPECT_EQ(w.text("Ehono"), c.feesRead ? "7,00" : "0,00");
        EXPECT_EQ(w.checked("Rvalor"), c.feesRead);
        EXPECT_EQ(w.checked("Cencogeexp"), c.feesRead && c.tailLines == 7);
        EXPECT_EQ(w.checked("Cnaou"), c.feesRead && c.tailLines == 7);
    }
}

TEST(CalcRecordRead, StateTailStopsWhereTheFileEnds) {
    Window w = makeForm5();
    // No amortisation grid in the state record.
    std::vector<std::string> l = {"estados", "0", "1", "1", "1", "false", "true", "false", "false", "1", "false",
                                  "1", "true", "false", "true", "01/01/1990"};
    ASSERT_EQ(readRecord(RecordKind::State, l, RecordSource::UserFile, w).status, Status::Read);
    EXPECT_TRUE(w.checked("Rencogenexp"));
    EXPECT_TRUE(w.checked("Cjc"));
    EXPECT_EQ(w.text("Datejurcompinicial"), "01/01/1990");
    EXPECT_EQ(w.text("Ejurcomp"), "0,00");
    EXPECT_FALSE(w.checked("Chono"));
}

TEST(CalcRecordRead, AcceptedFirstLines) {
    struct Case {
        RecordKind kind;
        RecordSource source;
        const char* line;
        bool accepted;
    };
    const RecordSource F = RecordSource::UserFile, K = RecordSource::Backup;
    const std::vector<Case> cases = {
        {RecordKind::Daily, F, "Vers 1.2", true},         {RecordKind::Daily, F, "Vers 1.21", true},
        {RecordKind::Daily, F, "Vers 1.22", true},        {RecordKind::Daily, F, "estados", false},
        {RecordKind::Daily, F, "Vers 1.22 ", false},      {RecordKind::State, K, "estados", true},
        {RecordKind::State, F, "Vers 1.22", false},       {RecordKind::MonthByMonth, F, "Vers 1.21", false},
        {RecordKind::MonthByMonth, K, "Vers 1.21", true}, {RecordKind::MonthByMonth, F, "Vers 1.2", true},
        {RecordKind::Federal, F, "Vers 1.2", true},       {RecordKind::Federal, F, "Vers 1.22", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(recordAccepts(c.kind, c.source, c.line), c.accepted);
    }
    EXPECT_EQ(recordVersion("estados"), RecordVersion::Estados);
    EXPECT_EQ(recordVersion("Vers 1.0"), RecordVersion::Unknown);

    Window w = makeFormJf();
    w.addItem("CPlanos", "x");
    std::vector<std::string> l = dailyHead("Vers 1.22", {"true"});
    EXPECT_EQ(readRecord(RecordKind::Federal, l, RecordSource::UserFile, w).status, Status::NotAccepted);
    EXPECT_EQ(w.at("CPlanos").ticks, std::vector<bool>{false});
}

// Damaged whole-number lines: the error reaches the caller, what was read stays.
TEST(CalcRecordRead, DamagedNumbersRaiseConversionError) {
    struct Case {
        size_t line;
        std::string text;
    };
    for (const Case& c : {Case{1, "2x"}, Case{4, "dois"}, Case{5, ""}, Case{6, "-"}, Case{11, " 1"},
                          Case{12, "1a"}, Case{14, "1,5"}}) {
        SCOPED_TRACE(c.line);
        Window w = handBuilt();
        std::vector<std::string> l = dailyHead("Vers 1.2", {"true", "true"});
        l.push_back("true");
        l.push_back("false");
        ASSERT_EQ(l[5], "1");  // SSaldo
        l[c.line] = c.text;
        EXPECT_THROW(readRecord(RecordKind::Daily, l, RecordSource::UserFile, w), ConversionError);
        if (c.line > 1) {
            EXPECT_EQ(w.at("CPlanos").ticks, (std::vector<bool>{true, true}));
        }
    }
}

TEST(CalcRecordRead, GridRowCountsAreCapped) {
    Window w = handBuilt();
    std::vector<std::string> l = dailyHead("Vers 1.2", {});
    l[2] = std::to_string(StringGrid::kMaxRows + 1);
    try {
        readRecord(RecordKind::Daily, l, RecordSource::UserFile, w);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("100000"), std::string::npos) << e.what();
    }
    EXPECT_EQ(w.grid("SPlanos").rowCount(), 2);

    // A row count below one keeps the header row.
    l[2] = "0";
    l.push_back("false");
    l.push_back("false");
    ASSERT_EQ(readRecord(RecordKind::Daily, l, RecordSource::UserFile, w).status, Status::Read);
    EXPECT_EQ(w.grid("SPlanos").rowCount(), 1);
}

TEST(CalcRecordRead, TruncatedRecordIsDamaged) {
    std::vector<std::string> full = dailyHead("Vers 1.2", {"true"});
    full.push_back("true");
    full.push_back("false");
    for (size_t n = 1; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        Window w = handBuilt();
        w.clearItems("CPlanos");
        w.addItem("CPlanos", "a");
        std::vector<std::string> cut(full.begin(), full.begin() + n);
        EXPECT_THROW(readRecord(RecordKind::Daily, cut, RecordSource::UserFile, w), ConversionError);
    }
}

// More plans than the check list: nothing changes; a backup is deleted.
TEST(CalcRecordOpen, PlanCountRefusal) {
    for (RecordKind kind : {RecordKind::Daily, RecordKind::State, RecordKind::MonthByMonth, RecordKind::Federal}) {
        for (RecordSource source : {RecordSource::UserFile, RecordSource::Backup}) {
            SCOPED_TRACE(std::string(recordBackupName(kind)) + (source == RecordSource::Backup ? " backup" : ""));
            TempDir dir;
            Window writer = makeWindow(kind);
            for (const char* p : {"a", "b", "c", "d"}) writer.addItem("CPlanos", p);
            const std::string path = dir.file(recordBackupName(kind));
            writeRecord(kind, writer, path);

            Window w = makeWindow(kind);
            w.addItem("CPlanos", "a");
            w.at("CPlanos").ticks = {true};
            w.grid("SPlanos").setCell(0, 1, "keep");
            ScriptedUi ui;
            RecordReadResult r = openRecord(kind, path, source, w, ui);
            EXPECT_EQ(r.status, Status::Refused);
            EXPECT_EQ(r.extraPlans, 3);
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0], source == RecordSource::Backup
                                          ? "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir, o backup "
                                            "será excluido"
                                          : "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir");
            EXPECT_EQ(fs::exists(path), source == RecordSource::UserFile);
            EXPECT_EQ(w.at("CPlanos").ticks, std::vector<bool>{true});
            EXPECT_EQ(w.grid("SPlanos").cell(0, 1), "keep");
        }
    }
}

TEST(CalcRecordOpen, WrittenFileOpensAndNamesItsKind) {
    TempDir dir;
    Window w = makeForm2();
    w.addItem("CPlanos", "Plano Verão");
    w.at("CPlanos").ticks = {true};
    w.grid("SPlanos").setRow(1, {"Plano Verão", "01/1989"});
    const std::string path = recordBackupPath(dir.dir(), RecordKind::Daily);
    ASSERT_EQ(path, dir.file("temp2diaria.back"));
    writeRecord(RecordKind::Daily, w, path);
    writeRecord(RecordKind::Daily, w, path);  // replaced, not appended
    EXPECT_EQ(readBytes(path), recordBytes(RecordKind::Daily, w));
    EXPECT_EQ(readRecordFirstLine(path), std::optional<std::string>("Vers 1.22"));
    EXPECT_EQ(readRecordFirstLine(dir.file("missing.back")), std::nullopt);

    Window back = makeForm2();
    back.addItem("CPlanos", "Plano Verão");
    ScriptedUi ui;
    EXPECT_EQ(openRecord(RecordKind::Daily, path, RecordSource::Backup, back, ui).status, Status::Read);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(back.grid("SPlanos").cell(0, 1), "Plano Verão");
    EXPECT_THROW(openRecord(RecordKind::Daily, dir.file("missing.back"), RecordSource::Backup, back, ui), FileError);

    // A state file never reaches the daily reader.
    Window state = makeForm5();
    writeRecord(RecordKind::State, state, path);
    EXPECT_EQ(openRecord(RecordKind::Daily, path, RecordSource::Backup, back, ui).status, Status::NotAccepted);
    EXPECT_TRUE(fs::exists(path));
}

TEST(CalcRecordOpen, LineBreaksOfOtherSystemsAreRead) {
    TempDir dir;
    const std::string path = dir.file("x.e12");
    Window back = handBuilt();
    for (const char* sep : {"\n", "\r"}) {
        std::string bytes;
        std::vector<std::string> l = dailyHead("Vers 1.2", {"true", "false"});
        l.push_back("true");
        l.push_back("false");
        for (const auto& x : l) bytes += x + sep;
        writeBytes(path, bytes);
        ScriptedUi ui;
        EXPECT_EQ(openRecord(RecordKind::Daily, path, RecordSource::UserFile, back, ui).status, Status::Read);
        EXPECT_TRUE(back.checked("Rtr"));
        back.setChecked("Rpoup", true);
    }
}

}  // namespace
}  // namespace core
