#include "core/workspace/seeding.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("expurgos_seed_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

private:
    fs::path dir_;
};

// A shipped data folder with a table, the default plan settings and a help page.
void makeData(const TempDir& tmp) {
    fs::create_directories(tmp.file("data/images"));
    writeFileAtomic(tmp.file("data/razidaro13.tab"), "data table");
    writeFileAtomic(tmp.file("data/planos2.ini"), "default plans");
    writeFileAtomic(tmp.file("data/indice2.ini"), "default index");
    writeFileAtomic(tmp.file("data/images/index.htm"), "help");
}

TEST(Seeding, NewWorkspaceGetsEveryFileAndTheSettingsCopies) {
    TempDir tmp;
    makeData(tmp);
    const std::string ws = tmp.file("ws/Corvane/razidaro");
    Names created = seedWorkspace(tmp.file("data"), ws);
    EXPECT_EQ(created, (Names{"images/index.htm", "indice2.ini", "planos2.ini", "razidaro13.tab", "planos.ini",
                              "indice.ini"}));
    EXPECT_EQ(readFileBytes(ws + "/images/index.htm"), "help");
    EXPECT_EQ(readFileBytes(ws + "/planos.ini"), "default plans");
    EXPECT_EQ(readFileBytes(ws + "/indice.ini"), "default index");

    // Seeding again creates nothing.
    EXPECT_EQ(seedWorkspace(tmp.file("data"), ws), Names{});
}

TEST(Seeding, NeverOverwritesTheUsersFiles) {
    TempDir tmp;
    makeData(tmp);
    const std::string ws = tmp.file("ws");
    fs::create_directories(ws);
    writeFileAtomic(ws + "/razidaro13.tab", "downloaded table");
    writeFileAtomic(ws + "/planos.ini", "user plans");
    writeFileAtomic(ws + "/indice2.ini", "user default index");

    Names created = seedWorkspace(tmp.file("data"), ws);
    EXPECT_EQ(created, (Names{"images/index.htm", "planos2.ini", "indice.ini"}));
    EXPECT_EQ(readFileBytes(ws + "/razidaro13.tab"), "downloaded table");
    EXPECT_EQ(readFileBytes(ws + "/planos.ini"), "user plans");
    EXPECT_EQ(readFileBytes(ws + "/indice2.ini"), "user default index");
    EXPECT_EQ(readFileBytes(ws + "/indice.ini"), "user default index");
}

TEST(Seeding, MissingDataFolderStillCopiesTheSettings) {
    TempDir tmp;
    const std::string ws = tmp.file("ws");
    EXPECT_EQ(seedWorkspace(tmp.file("nada"), ws), Names{});
    EXPECT_TRUE(fs::is_directory(ws));

    writeFileAtomic(ws + "/planos2.ini", "p");
    EXPECT_EQ(seedWorkspace(tmp.file("nada"), ws), Names{"planos.ini"});
    EXPECT_EQ(readFileBytes(ws + "/planos.ini"), "p");
}

}  // namespace
}  // namespace core
