// One version everywhere: what ObtemVersao answers is project()'s, and the
// shipped Windows files carry it in their version resource.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "ClientRun.h"
#include "Versao.h"

namespace e2e {
namespace {

// The MinGW-w64 triplet whose tools read this PE file; empty when it is none.
std::string PeTriplet(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char dos[64] = {};
    if (!in.read(reinterpret_cast<char*>(dos), sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return {};
    const long header = dos[0x3c] | dos[0x3d] << 8 | dos[0x3e] << 16 | long{dos[0x3f]} << 24;
    unsigned char pe[6] = {};
    if (!in.seekg(header) || !in.read(reinterpret_cast<char*>(pe), sizeof pe)) return {};
    const int machine = pe[4] | pe[5] << 8;
    return machine == 0x14c ? "i686-w64-mingw32" : machine == 0x8664 ? "x86_64-w64-mingw32" : "";
}

// The file's resources as windres writes them back in resource-script form.
std::string ResourceScript(const std::string& path) {
    const std::string command = PeTriplet(path) + "-windres -J coff -O rc -i '" + path + "' 2>&1";
    std::string out;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

std::string Match(const std::string& text, const std::string& pattern) {
    std::smatch m;
    return std::regex_search(text, m, std::regex(pattern)) ? m[1].str() : "(absent)";
}

TEST(Version, ObtemVersaoAnswersTheProjectsVersion) {
    const auto run = ClientRun::Execute("entry = \"ExecutaConsultaCheque\"\n", "");
    ASSERT_FALSE(run.Versions().empty()) << run.Stderr();
    EXPECT_EQ(run.Versions()[0][0], ZV_VERSAO_COMPLETA);
    EXPECT_TRUE(std::string(ZV_VERSAO_COMPLETA).starts_with(ZV_VERSAO_PROJETO "."));
}

TEST(Version, ShippedWindowsFilesCarryWhatObtemVersaoAnswers) {
    const std::string bpl = ClientFolder() + "/Zentravela.bpl";
    if (!std::filesystem::exists(bpl)) GTEST_SKIP() << "no Windows build under test";
    const auto run = ClientRun::Execute("entry = \"ExecutaConsultaCheque\"\n", "");
    ASSERT_FALSE(run.Versions().empty()) << run.Stderr();
    const std::string answered = run.Versions()[0][0];
    std::string commas = answered;
    for (auto& c : commas) c = c == '.' ? ',' : c;
    for (const auto& [file, description] : {std::pair{bpl, "Zentravela transaction package"},
                                            std::pair{ClientFolder() + "/Instala.exe", "Zentravela installer"}}) {
        SCOPED_TRACE(file);
        ASSERT_FALSE(PeTriplet(file).empty()) << "not a PE file";
        std::string rc = ResourceScript(file);
        ASSERT_NE(rc.find("VERSIONINFO"), std::string::npos) << rc;
        std::string fixed = Match(rc, R"(FILEVERSION ([0-9, ]+))");
        std::erase(fixed, ' ');
        EXPECT_EQ(fixed, commas);
        EXPECT_EQ(Match(rc, R"re(VALUE "FileVersion", "([^"]*)")re"), answered);
        EXPECT_EQ(Match(rc, R"re(VALUE "ProductVersion", "([^"]*)")re"), answered);
        EXPECT_EQ(Match(rc, R"re(VALUE "ProductName", "([^"]*)")re"), "Zentravela");
        EXPECT_EQ(Match(rc, R"re(VALUE "FileDescription", "([^"]*)")re"), description);
    }
}

}  // namespace
}  // namespace e2e
