#include "core/tables/table_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("expurgos_table_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_)) out.push_back(e.path().filename().string());
        return out;
    }

private:
    fs::path dir_;
};

StringGrid gridOf(const Rows& rows) {
    StringGrid g(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) g.setRow(r, rows[r]);
    return g;
}

Rows rowsOf(const StringGrid& g) {
    Rows out;
    for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.row(r));
    return out;
}

// The state of the index grid after its reset: 2 rows by 1 column, empty.
StringGrid resetGrid() { return StringGrid(1, 2); }

TEST(TableFileWrite, WritesATabAfterEveryCellAndCrLfAfterEveryLine) {
    TempDir tmp;
    const std::string path = tmp.file("t.tab");
    SaveToFile(path, gridOf({{"a", "b", "c"}, {"d", "e", "f"}}));
    EXPECT_EQ(readFileBytes(path), "a\tb\tc\t\r\nd\te\tf\t\r\n");

    StringGrid g(8, 2);
    g.setCell(5, 1, "stale");
    resetAndLoad(path, g);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.colCount(), 3);
    EXPECT_EQ(rowsOf(g), (Rows{{"a", "b", "c"}, {"d", "e", "f"}}));
    g.setColCount(8);
    EXPECT_EQ(g.cell(5, 1), "") << "the reset empties hidden cells too";
}

TEST(TableFileWrite, ConvertsToTheCodePageAndKeepsTheFileShape) {
    std::string out = "prefix|";
    Contents2CSV(out, '\t', gridOf({{"Poupança €", "ł"}, {"a\tb", "c\r\nd"}, {"", ""}}));
    EXPECT_EQ(out, "prefix|Poupan\xE7" "a \x80\t?\t\r\na b\tc  d\t\r\n\t\t\r\n");

    std::string none;
    Contents2CSV(none, '\t', StringGrid(3, 0));
    EXPECT_EQ(none, "");
    Contents2CSV(none, '\t', StringGrid(0, 2));
    EXPECT_EQ(none, "\r\n\r\n");
}

TEST(TableFileWrite, WritesOnlyTheRange) {
    StringGrid g = gridOf({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    std::string out;
    Contents2CSV(out, ';', g, CellRange{1, 1, 5, 1});  // right clamped to the last column
    EXPECT_EQ(out, "e;f;\r\n");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    Rows rows;  // the whole grid afterwards, read into a reset grid
};

TEST(TableFileRead, ParsesLinesAndCells) {
    const std::vector<ReadCase> cases = {
        {"writer's output", "a\tb\t\r\nc\td\t\r\n", {{"a", "b"}, {"c", "d"}}},
        {"final cell without tab", "a\tb\r\nc\td", {{"a", "b"}, {"c", "d"}}},
        {"empty trailing cell", "a\t\t\r\n", {{"a", ""}, {"", ""}}},
        {"empty line in the middle", "h\t\r\n\r\nx\ty\t\r\n", {{"h", ""}, {"", ""}, {"x", "y"}}},
        {"lone CR", "a\rb\rc", {{"a"}, {"b"}, {"c"}}},
        {"lone LF", "a\nb\nc\n", {{"a"}, {"b"}, {"c"}}},
        {"mixed breaks", "a\r\nb\nc\rd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"one character", "x", {{"x"}, {""}}},
        {"only a tab", "\t", {{""}, {""}}},
        {"last line empty", "01/1990\t\r\n02/1990\t\r\n\r\n", {{"01/1990"}, {"02/1990"}, {""}}},
        {"empty file", "", {{""}, {""}}},
        {"only breaks", "\r\n\r\n\r\n", {{""}, {""}, {""}}},
        {"Windows-1252 bytes", "Poupan\xE7" "a\t\x80\t\x81", {{"Poupança", "€", "\u0081"}, {"", "", ""}}},
        {"NUL bytes", std::string("a\0b\t\0", 5), {{std::string("a\0b", 3), std::string(1, '\0')}, {"", ""}}},
        {"UTF-8 mark", "\xEF\xBB\xBFJo\xC3\xA3o\t\xC5\x82\t\xE2\x82\xAC\r\n", {{"João", "?", "€"}, {"", "", ""}}},
        {"UTF-8 mark, invalid inside", "\xEF\xBB\xBF" "a\xFF\tb\xE2\x82", {{"a?", "b?"}, {"", ""}}},
        {"UTF-16 LE mark", std::string("\xFF\xFE" "a\0\t\0\xE3\0\r\0\n\0b\0", 14), {{"a", "ã"}, {"b", ""}}},
        {"UTF-16 BE mark, odd byte", std::string("\xFE\xFF\0a\0\t\0", 7), {{"a", "?"}, {"", ""}}},
    };
    for (const auto& c : cases) {
        StringGrid g = resetGrid();
        EXPECT_TRUE(CSV2Contents(c.bytes, '\t', g)) << c.name;
        EXPECT_EQ(rowsOf(g), c.rows) << c.name;
    }
}

TEST(TableFileRead, NeverShrinksTheGrid) {
    TempDir tmp;
    const std::string path = tmp.file("t.tab");
    SaveToFile(path, gridOf({{"h1", "h2"}, {"01/2000", "1"}, {"02/2000", "2"}}));

    StringGrid g(4, 10);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 4; ++c) g.setCell(c, r, "old" + std::to_string(r) + std::to_string(c));
    LoadFromFile(path, g);
    EXPECT_EQ(g.rowCount(), 10);
    EXPECT_EQ(g.colCount(), 4);
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"01/2000", "1", "old12", "old13"}));
    for (int r = 3; r < 10; ++r) EXPECT_EQ(g.cell(0, r), "old" + std::to_string(r) + "0");

    resetAndLoad(path, g);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.colCount(), 2);
    EXPECT_EQ(rowsOf(g), (Rows{{"h1", "h2"}, {"01/2000", "1"}, {"02/2000", "2"}}));
}

TEST(TableFileRead, EmptyLineKeepsTheRowAsItWas) {
    StringGrid g = gridOf({{"h"}, {"keep"}, {"old"}});
    CSV2Contents("H\r\n\r\nnew\r\n", '\t', g);
    EXPECT_EQ(rowsOf(g), (Rows{{"H"}, {"keep"}, {"new"}}));
}

TEST(TableFileRead, FillsOnlyTheRange) {
    StringGrid g(1, 1);
    EXPECT_TRUE(CSV2Contents("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n", '\t', g, CellRange{1, 1, 2, 2}));
    // Row 1 gets the first line from column 1 on, two cells; row 2 the second.
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.colCount(), 3);
    EXPECT_EQ(rowsOf(g), (Rows{{"", "", ""}, {"", "a", "b"}, {"", "d", "e"}}));
}

TEST(TableFileRead, StopsAtTheGridCaps) {
    std::string wide(StringGrid::kMaxCols + 5, '\t');
    StringGrid g = resetGrid();
    EXPECT_FALSE(CSV2Contents(wide, '\t', g));
    EXPECT_EQ(g.colCount(), StringGrid::kMaxCols);

    std::string tall(StringGrid::kMaxRows + 1, '\n');
    g = resetGrid();
    EXPECT_FALSE(CSV2Contents(tall, '\t', g));
    EXPECT_EQ(g.rowCount(), StringGrid::kMaxRows);

    g = resetGrid();
    EXPECT_TRUE(CSV2Contents(std::string(StringGrid::kMaxRows, '\n'), '\t', g));
    EXPECT_EQ(g.rowCount(), StringGrid::kMaxRows);
}

TEST(TableFileRead, OversizedFileIsRefusedAndTheGridKept) {
    TempDir tmp;
    const std::string path = tmp.file("grande.tab");
    std::string line;
    for (int c = 0; c <= StringGrid::kMaxCols; ++c) line += "1\t";
    writeFileAtomic(path, "h\r\n" + line + "\r\n");

    StringGrid g = gridOf({{"x", "y"}, {"z", "w"}});
    const StringGrid before = g;
    try {
        LoadFromFile(path, g);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "O arquivo " + path + " excede o tamanho máximo de uma tabela.");
    }
    EXPECT_EQ(g, before);
}

TEST(TableFileRead, LongLinesAndArbitraryBytesAreRead) {
    StringGrid g = resetGrid();
    std::string big(1 << 20, 'x');
    EXPECT_TRUE(CSV2Contents(big + "\t" + big, '\t', g));
    EXPECT_EQ(g.cell(0, 0).size(), big.size());
    EXPECT_EQ(g.cell(1, 0).size(), big.size());

    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i) {
        std::string bytes(rng() % 200, '\0');
        for (char& ch : bytes) ch = static_cast<char>(rng() % 6 == 0 ? "\t\r\n\xEF\xFF\xFE"[rng() % 6] : rng());
        if (i % 3 == 0) bytes.insert(0, i % 2 ? "\xFF\xFE" : "\xEF\xBB\xBF");
        StringGrid h = resetGrid();
        EXPECT_TRUE(CSV2Contents(bytes, '\t', h));
        EXPECT_LE(h.rowCount(), static_cast<int>(bytes.size()) + 2);
    }
}

// Lines are scanned several bytes at a time: a break, a separator and a byte
// outside ASCII must be found wherever they fall.
TEST(TableFileRead, BreaksAndCodePageBytesAtEveryOffset) {
    for (const std::string brk : {"\r\n", "\r", "\n"}) {
        for (std::size_t k = 0; k <= 18; ++k) {
            const std::string first(k, 'a');
            StringGrid g = resetGrid();
            EXPECT_TRUE(CSV2Contents(first + "\tb\xE7" + brk + "z" + brk + std::string(k, 'c') + "\xE3", '\t', g));
            EXPECT_EQ(g.cell(0, 0), first) << k;
            EXPECT_EQ(g.cell(1, 0), "bç") << k;
            EXPECT_EQ(g.cell(0, 1), "z") << k;
            EXPECT_EQ(g.cell(0, 2), std::string(k, 'c') + "ã") << k;
            EXPECT_EQ(g.rowCount(), 3) << k;
        }
    }
}

TEST(TableFileRead, WrittenGridsReadBackUnchanged) {
    std::mt19937 rng(11);
    const std::vector<std::string> pieces = {"", "0", "1.234,56", "mm/aaaa", "Poupança", "€", " ", "\x01"};
    TempDir tmp;
    const std::string path = tmp.file("rt.tab");
    for (int i = 0; i < 50; ++i) {
        StringGrid g(1 + static_cast<int>(rng() % 6), 2 + static_cast<int>(rng() % 6));
        for (int r = 0; r < g.rowCount(); ++r)
            for (int c = 0; c < g.colCount(); ++c) g.setCell(c, r, pieces[rng() % pieces.size()]);
        SaveToFile(path, g);
        StringGrid back(5, 5);
        resetAndLoad(path, back);
        EXPECT_EQ(back, g) << i;
    }
}

TEST(TableFileErrors, OpenAndWriteFailuresAreFileErrors) {
    TempDir tmp;
    StringGrid g = gridOf({{"a"}});
    for (const std::string& path : {tmp.file("falta.tab"), tmp.file("")}) {
        try {
            LoadFromFile(path, g);
            FAIL() << path;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Não foi possível abrir o arquivo " + path);
        }
    }
    EXPECT_EQ(rowsOf(g), (Rows{{"a"}}));

    const std::string bad = tmp.file("sem_pasta/t.tab");
    try {
        SaveToFile(bad, g);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível gravar o arquivo " + bad);
    }
}

TEST(TableFileErrors, SaveReplacesTheFileAndLeavesNoTemporary) {
    TempDir tmp;
    const std::string path = tmp.file("t.tab");
    writeFileAtomic(path, std::string(5000, 'z'));
    SaveToFile(path, gridOf({{"a"}}));
    EXPECT_EQ(readFileBytes(path), "a\t\r\n");
    EXPECT_EQ(tmp.names(), std::vector<std::string>{"t.tab"});
}

TEST(TableFileRows, RemoveLinhaMovesRowsUp) {
    struct Case {
        int row;
        Rows rows;
    };
    const Rows start = {{"h", "H"}, {"1", "a"}, {"2", "b"}, {"3", "c"}};
    const std::vector<Case> cases = {
        {1, {{"h", "H"}, {"2", "b"}, {"3", "c"}}},
        {3, {{"h", "H"}, {"1", "a"}, {"2", "b"}}},
        {0, {{"1", "a"}, {"2", "b"}, {"3", "c"}}},
        {4, start},
        {-1, start},
    };
    for (const auto& c : cases) {
        StringGrid g = gridOf(start);
        RemoveLinha(g, c.row);
        EXPECT_EQ(rowsOf(g), c.rows) << c.row;
    }
}

TEST(TableFileRows, InsereColShiftsColumnsRight) {
    struct Case {
        int col;
        Rows rows;
    };
    const Rows start = {{"a", "b", "c"}, {"d", "e", "f"}};
    const std::vector<Case> cases = {
        {1, {{"a", "b", "b", "c"}, {"d", "e", "e", "f"}}},
        {0, {{"a", "a", "b", "c"}, {"d", "d", "e", "f"}}},
        {3, {{"a", "b", "c", ""}, {"d", "e", "f", ""}}},
        {-1, start},
    };
    for (const auto& c : cases) {
        StringGrid g = gridOf(start);
        InsereCol(g, c.col);
        EXPECT_EQ(rowsOf(g), c.rows) << c.col;
    }
    StringGrid full(StringGrid::kMaxCols, 1);
    full.setCell(StringGrid::kMaxCols - 1, 0, "last");
    InsereCol(full, 0);
    EXPECT_EQ(full.colCount(), StringGrid::kMaxCols);
    EXPECT_EQ(full.cell(StringGrid::kMaxCols - 1, 0), "last");
}

}  // namespace
}  // namespace core
