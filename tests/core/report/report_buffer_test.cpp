#include "core/report/report_buffer.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/text/cp1252.hpp"
#include "core/text/errors.hpp"

namespace core {
namespace {

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportBufferFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("report_buffer_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST(ReportBuffer, EveryTextEndsWithCrLfAndKeepsItsOwnBreaks) {
    ReportBuffer re;
    EXPECT_EQ(re.text(), "");
    re.add("<body>\r\n<table>\r\n");
    re.add("");
    re.add(std::vector<std::string>{"a\tb", "c"});
    EXPECT_EQ(re.texts().size(), 4u);
    EXPECT_EQ(re.text(), "<body>\r\n<table>\r\n\r\n\r\na\tb\r\nc\r\n");
    re.clear();
    EXPECT_TRUE(re.empty());
}

TEST(ReportBuffer, BytesAreWindows1252) {
    const ReportBuffer re({"Atualização", "Honorários €"});
    EXPECT_EQ(re.bytes(), "Atualiza\xE7\xE3o\r\nHonor\xE1rios \x80\r\n");
}

TEST_F(ReportBufferFile, SaveWritesTheBytesAndReplacesAnEarlierFile) {
    const std::string path = (dir_ / "teste.html").string();
    ReportBuffer({"velho", "texto"}).saveToFile(path);
    ReportBuffer({"Poupança"}).saveToFile(path);
    EXPECT_EQ(readBytes(path), "Poupan\xE7" "a\r\n");
}

TEST_F(ReportBufferFile, SaveIntoAMissingFolderFailsWithFileError) {
    const std::string path = (dir_ / "nao_existe" / "teste.html").string();
    EXPECT_THROW(ReportBuffer({"x"}).saveToFile(path), FileError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ReportBuffer, BytesEqualTheWholeTextConverted) {
    // A sequence cut at the end of one text, a stray continuation byte at the
    // start of the next, characters outside the code page.
    const ReportBuffer re({"a\xC3", "\xA7", "ção €", "ł\xE2\x82", ""});
    EXPECT_EQ(re.bytes(), utf8ToCp1252(re.text()));
    EXPECT_EQ(re.bytes(), "a?\r\n?\r\n\xE7\xE3o \x80\r\n??\r\n\r\n");
}

}  // namespace
}  // namespace core
