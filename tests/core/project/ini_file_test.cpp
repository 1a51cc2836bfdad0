#include "core/project/ini_file.hpp"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(IniFile, LinesSectionsAndKeys) {
    IniFile ini = IniFile::parse(
        "solto=fora de seção\r\n"
        "[opcaoini]\r\n"
        "Opcao=Form2\r\n"
        "  [ Form2 ]  \r\n"
        "  Ehono  =  1.234,56  \r\n"
        "; Ehono=comentário\r\n"
        "\r\n"
        "\tMemo1=\t\"linha um\",b\t\n"
        "semvalor\r"
        "vazio=\r\n"
        "igual=a=b\r\n"
        "Ehono=segunda ocorrência\r\n"
        "[Form7]\n"
        "Edit1=sete");
    EXPECT_EQ(ini.readString("opcaoini", "Opcao"), "Form2");
    EXPECT_EQ(ini.readString("Form2", "Ehono"), "1.234,56");  // trimmed, first occurrence
    EXPECT_EQ(ini.readString("Form2", "Memo1"), "\"linha um\",b");
    EXPECT_EQ(ini.readString("Form2", "igual"), "a=b");        // split at the first "="
    ASSERT_NE(ini.find("Form2", "semvalor"), nullptr);         // a key without value
    EXPECT_EQ(*ini.find("Form2", "semvalor"), "");
    ASSERT_NE(ini.find("Form2", "vazio"), nullptr);
    EXPECT_EQ(ini.find("Form2", "nada"), nullptr);
    EXPECT_EQ(ini.find("Form2", "solto"), nullptr);            // lines before any section
    EXPECT_EQ(ini.readString("Form2", "nada", "padrão"), "padrão");
    EXPECT_EQ(ini.readString("form7", "EDIT1"), "sete");       // ASCII case does not matter
    EXPECT_FALSE(ini.hasSection("Form5"));
    EXPECT_EQ(ini.find("Form5", "x"), nullptr);
}

TEST(IniFile, RepeatedSectionKeepsFirstKeys) {
    IniFile ini = IniFile::parse("[A]\nx=1\n[B]\nx=b\n[A]\nx=2\ny=3\n");
    EXPECT_EQ(ini.readString("A", "x"), "1");
    EXPECT_EQ(ini.readString("A", "y"), "3");
    EXPECT_EQ(ini.readString("B", "x"), "b");
}

TEST(IniFile, OddLines) {
    IniFile ini = IniFile::parse("[A]\n[incompleta\n=sem chave\n[]\nz=1\n");
    EXPECT_NE(ini.find("A", "[incompleta"), nullptr);
    EXPECT_EQ(ini.readString("A", ""), "sem chave");
    EXPECT_EQ(ini.readString("", "z"), "1");
    EXPECT_FALSE(IniFile::parse("").hasSection("A"));
}

TEST(IniFile, WholeNumbers) {
    EXPECT_EQ(parseWholeNumber("12"), 12);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("-3"), -3);
    EXPECT_EQ(parseWholeNumber("007"), 7);
    EXPECT_EQ(parseWholeNumber("9223372036854775807"), 9223372036854775807LL);
    for (const char* bad : {"", "-", "+", "1,5", "1.5", "12a", "a12", " 1", "1 ", "9223372036854775808",
                            "99999999999999999999999"})
        EXPECT_FALSE(parseWholeNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace core
