#include "core/workspace/workspace.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("expurgos_ws_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path() const { return dir_.string(); }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_)) out.push_back(e.path().filename().string());
        return out;
    }

private:
    fs::path dir_;
};

TEST(WorkspacePaths, BuildsTheFoldersAndFilePaths) {
    EXPECT_EQ(workspaceDirFor("/home/u/.config"), "/home/u/.config/Corvane/razidaro");
    EXPECT_EQ(workspaceDirFor("/home/u/.config/"), "/home/u/.config/Corvane/razidaro");
    EXPECT_EQ(documentsDirFor("/a"), "/a/Corvane/razidaro/meusdocs");
    EXPECT_EQ(workspaceFile("/a/Corvane/razidaro", "planos.ini"), "/a/Corvane/razidaro/planos.ini");
    EXPECT_EQ(programFile("/opt/expurgos/", "win98.ini"), "/opt/expurgos/win98.ini");
    EXPECT_EQ(programDirOf("/opt/expurgos/bin/expurgos"), "/opt/expurgos/bin/");
    EXPECT_EQ(programDirOf("expurgos"), "");
}

TEST(WorkspacePaths, FirstStartCreatesTheWorkspaceAndDocumentsFolders) {
    TempDir tmp;
    const std::string appData = tmp.file("appdata");  // not there yet
    WorkspacePaths p = openWorkspace(appData, "/opt/expurgos");
    EXPECT_EQ(p.meudir, appData + "/Corvane/razidaro");
    EXPECT_EQ(p.meusdocs, appData + "/Corvane/razidaro/meusdocs");
    EXPECT_EQ(p.meudirx2, "/opt/expurgos/");
    EXPECT_TRUE(fs::is_directory(p.meusdocs));

    // Second start: the folders are there and their files stay.
    writeFileAtomic(workspaceFile(p.meudir, "font.ini"), "Arial\r\n10\r\n");
    WorkspacePaths again = openWorkspace(appData, "/opt/expurgos/");
    EXPECT_EQ(again.meudirx2, "/opt/expurgos/");
    EXPECT_EQ(readFileBytes(workspaceFile(again.meudir, "font.ini")), "Arial\r\n10\r\n");
}

TEST(WorkspacePaths, FolderThatCannotBeCreatedIsAFileError) {
    TempDir tmp;
    writeFileAtomic(tmp.file("ocupado"), "a file where the folder should be");
    try {
        openWorkspace(tmp.file("ocupado"), "/opt/");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Não foi possível criar a pasta " + tmp.file("ocupado") + "/Corvane/razidaro/meusdocs");
    }
}

TEST(AtomicFile, WritesReplacesAndReadsBytes) {
    TempDir tmp;
    const std::string path = tmp.file("a.dat");
    const std::string bytes("x\0y\r\n\xFF", 6);
    writeFileAtomic(path, bytes);
    EXPECT_EQ(readFileBytes(path), bytes);
    writeFileAtomic(path, "");
    EXPECT_EQ(readFileBytes(path), "");
    EXPECT_EQ(tmp.names(), Lines{"a.dat"});
    EXPECT_TRUE(fileExists(path));
    EXPECT_FALSE(fileExists(tmp.path()));

    // UTF-8 names reach the file system as they are.
    const std::string accented = tmp.file("Tribunal de Justiça São Paulo.tab");
    writeFileAtomic(accented, "t");
    EXPECT_EQ(readFileBytes(accented), "t");
}

TEST(AtomicFile, FailuresAreFileErrorsAndKeepTheOldFile) {
    TempDir tmp;
    fs::create_directories(tmp.file("pasta"));
    struct Case {
        std::string path;
        bool write;
        std::string message;
    };
    const std::vector<Case> cases = {
        {tmp.file("falta.dat"), false, "Não foi possível abrir o arquivo " + tmp.file("falta.dat")},
        {tmp.file("pasta"), false, "Não foi possível abrir o arquivo " + tmp.file("pasta")},
        {tmp.file("pasta"), true, "Não foi possível gravar o arquivo " + tmp.file("pasta")},
        {tmp.file("nao/ha.dat"), true, "Não foi possível gravar o arquivo " + tmp.file("nao/ha.dat")},
    };
    for (const auto& c : cases) {
        try {
            if (c.write)
                writeFileAtomic(c.path, "x");
            else
                readFileBytes(c.path);
            FAIL() << c.path;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    EXPECT_TRUE(fs::is_directory(tmp.file("pasta")));
    EXPECT_EQ(tmp.names(), Lines{"pasta"});
}

// A working file is written and replaced as atomically as a flushed one; its
// failures are the same and leave nothing behind.
TEST(AtomicFile, WorkingFilesAreReplacedWholeAndFailTheSameWay) {
    TempDir tmp;
    fs::create_directories(tmp.file("pasta"));
    const std::string path = tmp.file("relatorio.htm");
    const std::string big(300000, 'r');  // more than one write may take
    writeFileAtomic(path, "old", Durability::Working);
    writeFileAtomic(path, big, Durability::Working);
    EXPECT_EQ(readFileBytes(path), big);
    writeFileAtomic(path, "", Durability::Working);
    EXPECT_EQ(readFileBytes(path), "");
    for (const std::string& bad : {tmp.file("pasta"), tmp.file("nao/ha.htm")}) {
        try {
            writeFileAtomic(bad, "x", Durability::Working);
            FAIL() << bad;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Não foi possível gravar o arquivo " + bad);
        }
    }
    Lines names = tmp.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{"pasta", "relatorio.htm"}));
}

TEST(SettingsFiles, FontIniReadsNameAndSize) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string font, size;
    };
    const std::vector<Case> cases = {
        {"both lines", "Times New Roman\r\n12\r\n", "Times New Roman", "12"},
        {"size with letters after digits", "Arial\r\n12pt\r\n", "Arial", "12pt"},
        {"size without digit", "Arial\r\nabc\r\n", "Arial", "8"},
        {"empty size", "Arial\r\n\r\n", "Arial", "8"},
        {"no second line", "Arial", "Arial", "8"},
        {"lone LF", "Verdana\n9", "Verdana", "9"},
        {"Windows-1252 name", "Fonte Tipogr\xE1" "fica\r\n10\r\n", "Fonte Tipográfica", "10"},
        {"UTF-8 mark", "\xEF\xBB\xBF" "Fonte Tipogr\xC3\xA1" "fica\r\n10\r\n", "Fonte Tipográfica", "10"},
        {"extra lines ignored", "Arial\r\n11\r\nlixo\r\n", "Arial", "11"},
        {"NUL bytes", std::string("A\0\r\n1\0", 6), std::string("A\0", 2), std::string("1\0", 2)},
    };
    TempDir tmp;
    for (const auto& c : cases) {
        writeFileAtomic(tmp.file("font.ini"), c.bytes);
        auto f = readWorkspaceFont(tmp.path());
        ASSERT_TRUE(f) << c.name;
        EXPECT_EQ(f->name, c.font) << c.name;
        EXPECT_EQ(f->size, c.size) << c.name;
    }
}

TEST(SettingsFiles, MissingOrEmptyFontIniIsSkipped) {
    TempDir tmp;
    EXPECT_FALSE(readWorkspaceFont(tmp.path()));
    writeFileAtomic(tmp.file("font.ini"), "");
    EXPECT_FALSE(readWorkspaceFont(tmp.path()));
}

TEST(SettingsFiles, FontIniIsWrittenAsTwoLines) {
    TempDir tmp;
    const std::vector<std::pair<FontSettings, std::string>> cases = {
        {{"Arial", "12"}, "Arial\r\n12\r\n"},
        {{"Arial", "12pt"}, "Arial\r\n12pt\r\n"},
        {{"Arial", "pt"}, "Arial\r\n8\r\n"},
        {{"", ""}, "\r\n8\r\n"},
        {{"Fonte Tipográfica", "9"}, "Fonte Tipogr\xE1" "fica\r\n9\r\n"},
    };
    for (const auto& [font, bytes] : cases) {
        writeWorkspaceFont(tmp.path(), font);
        EXPECT_EQ(readFileBytes(tmp.file("font.ini")), bytes);
    }
}

TEST(SettingsFiles, HeaderAndFooterLinesRoundTrip) {
    TempDir tmp;
    EXPECT_FALSE(readCabecalho(tmp.path()));
    EXPECT_FALSE(readRodape(tmp.path()));

    const Lines header = {"EXCELENTÍSSIMO SENHOR DOUTOR JUIZ", "", "Processo nº 123"};
    writeCabecalho(tmp.path(), header);
    EXPECT_EQ(readFileBytes(tmp.file("cabecalho.dat")),
              "EXCELENT\xCDSSIMO SENHOR DOUTOR JUIZ\r\n\r\nProcesso n\xBA 123\r\n");
    EXPECT_EQ(readCabecalho(tmp.path()), header);

    writeRodape(tmp.path(), {});
    EXPECT_EQ(readFileBytes(tmp.file("rodape.dat")), "");
    EXPECT_EQ(readRodape(tmp.path()), Lines{});

    writeRodape(tmp.path(), {"São Paulo, ł"});
    EXPECT_EQ(readRodape(tmp.path()), Lines{"São Paulo, ?"});
}

TEST(SettingsFiles, LinesFilesTakeAnyBytes) {
    TempDir tmp;
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"sem quebra", {"sem quebra"}},
        {std::string("\xFF\xFE" "a\0\r\0\n\0\x3D\xD8", 10), {"a", "?"}},
        {"\xEF\xBB\xBF\xC3", {"?"}},
        {std::string("\0\0", 2), {std::string("\0\0", 2)}},
    };
    for (const auto& [bytes, lines] : cases) {
        writeFileAtomic(tmp.file("cabecalho.dat"), bytes);
        EXPECT_EQ(readCabecalho(tmp.path()), lines);
    }
    // A folder where the file should be exists but cannot be read.
    fs::create_directories(tmp.file("rodape.dat"));
    EXPECT_THROW(readRodape(tmp.path()), FileError);
}

}  // namespace
}  // namespace core
