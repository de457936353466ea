#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "profile/FileIo.h"
#include "profile/IniDocument.h"
#include "profile/Profile.h"

namespace fs = std::filesystem;
using namespace profile;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "zvprofXXXXXX").string();
        dir_ = ::mkdtemp(tmpl.data());
        path_ = dir_ + "/Cliente.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Content() { return LoadFile(path_).value_or("<missing>"); }

    std::string dir_;
    std::string path_;
};

TEST_F(ProfileFile, ReadsBackWhatItWroteAndCreatesFileSectionAndKey) {
    ASSERT_TRUE(WritePrivateProfileString("ClientVorix", "Empresa", "AB12CD34", path_));
    ASSERT_TRUE(WritePrivateProfileString("ClientVorix", "Terminal", "XY000123", path_));
    ASSERT_TRUE(WritePrivateProfileString("TODOS", "Permite", "1", path_));
    EXPECT_EQ(Content(), "[ClientVorix]\r\nEmpresa=AB12CD34\r\nTerminal=XY000123\r\n[TODOS]\r\nPermite=1\r\n");
    EXPECT_EQ(GetPrivateProfileString("ClientVorix", "Terminal", "x", path_), "XY000123");
    EXPECT_EQ(GetPrivateProfileInt("TODOS", "Permite", 0, path_), 1);
}

TEST_F(ProfileFile, MissingKeySectionOrFileGivesTheDefault) {
    EXPECT_EQ(GetPrivateProfileString("A", "b", "def", path_), "def");
    EXPECT_EQ(GetPrivateProfileInt("A", "b", 7, path_), 7);
    EXPECT_TRUE(GetPrivateProfileSectionNames(path_).empty());
    Put("[A]\nb=\nn=abc\nm=-12x\n");
    EXPECT_EQ(GetPrivateProfileString("A", "c", "def", path_), "def");
    EXPECT_EQ(GetPrivateProfileString("B", "b", "def", path_), "def");
    // A key with an empty value exists: its value, not the default.
    EXPECT_EQ(GetPrivateProfileString("A", "b", "def", path_), "");
    EXPECT_EQ(GetPrivateProfileInt("A", "b", 5, path_), 5);
    // A value that is not a number reads as 0, as the platform reads it.
    EXPECT_EQ(GetPrivateProfileInt("A", "n", 5, path_), 0);
    EXPECT_EQ(GetPrivateProfileInt("A", "m", 5, path_), -12);
}

TEST_F(ProfileFile, NamesCompareWithoutLetterCaseIncludingCp1252Letters) {
    Put("[ClientVorix]\r\nEmpresa=1\r\n[Configura\xC7\xC3O]\r\nChave=2\r\n");
    EXPECT_EQ(GetPrivateProfileString("CLIENTVORIX", "EMPRESA", "", path_), "1");
    EXPECT_EQ(GetPrivateProfileString("configura\xE7\xE3o", "chave", "", path_), "2");
    ASSERT_TRUE(WritePrivateProfileString("clientvorix", "empresa", "9", path_));
    EXPECT_EQ(Content(), "[ClientVorix]\r\nempresa=9\r\n[Configura\xC7\xC3O]\r\nChave=2\r\n");
}

TEST_F(ProfileFile, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    const std::string before =
        "; cabecalho\n\n[A]\n  x = 1 \nlixo sem igual\n\n[B]\r\ny=\"entre aspas\"\r\n; nota\r\n\r\n[C]\nz=3";
    Put(before);
    ASSERT_TRUE(WritePrivateProfileString("B", "novo", "valor \xE9", path_));
    ASSERT_TRUE(WritePrivateProfileString("A", "x", "2", path_));
    ASSERT_TRUE(WritePrivateProfileString("C", "w", "4", path_));
    EXPECT_EQ(Content(),
              "; cabecalho\n\n[A]\nx=2\nlixo sem igual\n\n[B]\r\ny=\"entre aspas\"\r\n; nota\r\nnovo=valor \xE9\n"
              "\r\n[C]\nz=3\nw=4\n");
    EXPECT_EQ(GetPrivateProfileString("B", "y", "", path_), "entre aspas");
    EXPECT_EQ(GetPrivateProfileString("B", "novo", "", path_), "valor \xE9");
}

TEST_F(ProfileFile, ListsSectionsAndKeysInFileOrderFirstOfDuplicatesCounting) {
    Put("[Z]\nb=1\na=2\n; c=3\nB=4\n[y]\n[z]\nq=5\n[X]\nk=6\n");
    EXPECT_EQ(GetPrivateProfileSectionNames(path_), (std::vector<std::string>{"Z", "y", "X"}));
    EXPECT_EQ(GetPrivateProfileSectionKeys("z", path_), (std::vector<std::string>{"b", "a"}));
    EXPECT_TRUE(GetPrivateProfileSectionKeys("Y", path_).empty());
    EXPECT_EQ(GetPrivateProfileString("Z", "b", "", path_), "1");
    EXPECT_TRUE(HasKey("x", "K", path_));
    EXPECT_FALSE(HasKey("y", "k", path_));
}

TEST_F(ProfileFile, RefusesWritesThatWouldBreakTheFileAndLeavesItAlone) {
    Put("[A]\nx=1\n");
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1\r\n[B]", path_));
    EXPECT_FALSE(WritePrivateProfileString("A]", "x", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "x=y", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("", "x", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1", dir_ + "/sem/pasta.ini"));
    EXPECT_EQ(Content(), "[A]\nx=1\n");
}

TEST_F(ProfileFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Put("[A]\nx=1\n");
    ::chmod(dir_.c_str(), 0555);
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "2", path_));
    ::chmod(dir_.c_str(), 0755);
    EXPECT_EQ(Content(), "[A]\nx=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ProfileFile, AnUnreadableFileIsNotReplacedByOneKey) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    Put("[A]\nx=1\n");
    ::chmod(path_.c_str(), 0200);
    EXPECT_FALSE(WritePrivateProfileString("A", "y", "2", path_));
    ::chmod(path_.c_str(), 0644);
    EXPECT_EQ(Content(), "[A]\nx=1\n");
}

TEST(ProfileInt, ReadsLeadingDigitsWithSignAndSaturates) {
    EXPECT_EQ(ParseProfileInt("42abc", 0), 42);
    EXPECT_EQ(ParseProfileInt("+3", 0), 3);
    EXPECT_EQ(ParseProfileInt("-", 9), 9);
    EXPECT_EQ(ParseProfileInt("", 9), 9);
    EXPECT_EQ(ParseProfileInt("99999999999999999999", 0), 2147483647);
    EXPECT_EQ(ParseProfileInt("-99999999999999999999", 0), -2147483647 - 1);
}

TEST(IniDocumentText, KeepsAFinalLineWithoutLineEndWhenAddingAfterIt) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1");
    ASSERT_TRUE(doc.Set("A", "y", "2"));
    ASSERT_TRUE(doc.Set("B", "z", ""));
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=\r\n");
    EXPECT_EQ(doc.Get("B", "z"), std::optional<std::string>(""));
}

}  // namespace

// What the platform does with names, defaults and numbers, where ours once
// differed: each row is a file, a call and what the platform answers.
TEST(ProfilePlatformRules, NamesDefaultsAndNumbersAsThePlatformReadsThem) {
    const std::string path = ::testing::TempDir() + "zv_platform_rules.ini";
    {
        std::ofstream out(path, std::ios::binary);
        out << "[S]\r\nk=old\r\nn=abc\r\ne=\r\n";
    }
    ASSERT_TRUE(WritePrivateProfileString(" S ", " k ", "new", path));
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", path), "new");  // the write to " k " is not lost
    EXPECT_EQ(GetPrivateProfileSectionKeys("S", path).size(), 3u);   // and added no key
    EXPECT_EQ(GetPrivateProfileString("S", "missing", "dflt  ", path), "dflt");
    EXPECT_EQ(GetPrivateProfileInt("S", "n", 7, path), 0);
    EXPECT_EQ(GetPrivateProfileInt("S", "e", 7, path), 7);
    EXPECT_EQ(GetPrivateProfileInt("S", "missing", 7, path), 7);
    std::remove(path.c_str());
}
