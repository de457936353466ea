#include <gtest/gtest.h>

#include "system/WindowsPath.h"

using namespace zvsys;

namespace {

TEST(WindowsPath, FolderNamesWrittenInEveryWayNormaliseToOne) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"C:\\Client", "C:\\Client"},          {"C:\\Client\\", "C:\\Client"},
        {"C:\\\\Client", "C:\\Client"},        {"c:\\Client", "C:\\Client"},
        {"C:/Client//Req/", "C:\\Client\\Req"}, {"C:\\Client\\.\\Req\\..", "C:\\Client"},
        {"C:\\", "C:\\"},                      {"C:\\..\\..", "C:\\"},
        {"C:", "C:"},                          {"\\\\srv\\loja\\\\Client\\", "\\\\srv\\loja\\Client"},
        {"\\Client\\", "\\Client"},            {"", ""},
        {"Client\\..\\..\\x", "..\\x"},
    };
    for (const auto& [nome, normal] : casos) EXPECT_EQ(NormalizeFolder(nome), normal) << nome;
}

TEST(WindowsPath, InsideMeansTheFolderOrBelowItInAnyLetterCase) {
    EXPECT_TRUE(IsSameOrInside("C:\\Client\\_20240131", "C:\\Client\\"));
    EXPECT_TRUE(IsSameOrInside("c:\\client", "C:\\Client"));
    EXPECT_TRUE(IsSameOrInside("C:\\_20240131", "C:\\"));
    EXPECT_FALSE(IsSameOrInside("C:\\Client_20240131", "C:\\Client"));
    EXPECT_FALSE(IsSameOrInside("C:\\Cli", "C:\\Client"));
    EXPECT_FALSE(IsSameOrInside("C:\\Client", ""));
}

}  // namespace
