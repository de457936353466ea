// The journal and the pieces of shared state the program relies on.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "host/Fosdal.h"
#include "host/Lumar.h"
#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"
#include "sim/ServiceData.h"
#include "sim/State.h"

namespace {

sim::State& S() { return sim::State::Instance(); }

TEST(SharedState, JournalFileMirrorsTheLinesAndEndsWithTheFields) {
    S().Reset();
    const std::string path = ::testing::TempDir() + "clientvorix_journal_test.jsonl";
    GravaCampoString(1003, 0, "150000");  // before the file: written when it opens
    ASSERT_TRUE(S().JournalTo(path));
    const char zero[] = {'a', '\0', '\xE9'};
    FosdalGravaCampo(1243, 0, zero, 3);
    GravaCampoString(1120, 2, "x");
    S().WriteFieldsLine();
    S().JournalTo("");

    std::ifstream in(path);
    std::vector<nlohmann::json> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(nlohmann::json::parse(l));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]["fn"], "GravaCampoString");
    EXPECT_EQ(lines[1]["args"][2], std::string("a\0\xC3\xA9", 4));
    EXPECT_EQ(lines[3]["t"], "fields");
    EXPECT_EQ(lines[3]["fields"]["1003"], "150000");
    EXPECT_EQ(lines[3]["fields"]["1120"], (nlohmann::json{"", "", "x"}));
    std::remove(path.c_str());
}

// A fuzz run turns the journal off: the calls still work, nothing is kept,
// and a reset does not turn it back on behind the run's back.
TEST(SharedState, JournalOffKeepsNoLineButTheCallsStillWork) {
    S().Reset();
    S().GetJournal().SetRecording(false);
    S().Reset();
    EXPECT_EQ(GravaCampoString(1003, 0, "150000"), 0);
    S().WriteFieldsLine();
    EXPECT_TRUE(S().JournalLines().empty());
    EXPECT_EQ(S().Fields().Get(1003, 0), "150000");
    S().GetJournal().SetRecording(true);
    GravaCampoString(1003, 0, "1");
    EXPECT_EQ(S().Calls("GravaCampoString").size(), 1u);
}

TEST(SharedState, Cp1252ConversionIsLosslessBothWays) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252::Utf8ToCp1252(cp1252::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252::Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(cp1252::Utf8ToCp1252("\xE6\x97\xA5"), "?");  // no CP1252 code
    EXPECT_EQ(cp1252::Utf8ToCp1252("a\xC3"), "a?");       // cut sequence
}

TEST(SharedState, EveryCatalogueFormatHasItsArgumentCount) {
    auto count = [](int n) {
        const std::string t = sim::MessageTable().at(n);
        int c = 0;
        for (auto p = t.find("%s"); p != std::string::npos; p = t.find("%s", p + 2)) ++c;
        return c;
    };
    const std::map<int, int> formats = {{802, 1}, {319, 2}, {1168, 1}, {1186, 2}};
    for (const auto& [n, text] : sim::MessageTable()) {
        (void)text;
        const auto it = formats.find(n);
        EXPECT_EQ(count(n), it == formats.end() ? 0 : it->second) << n;
    }
    for (int n : {18, 43, 218, 231, 327, 801, 802, 958, 1214, 1215, 1216, 2572}) EXPECT_TRUE(sim::HasMessage(n)) << n;
}

TEST(SharedState, ServiceQMergeReplacesAndKeepsOtherEntries) {
    EXPECT_EQ(sim::MergeServiceQ("A123x;Q010old;", {{"010", "new"}, {"008", "z"}}), "A123x;Q010new;Q008z;");
    EXPECT_FALSE(sim::FindServiceEntry("Q01;", 'Q', "01").has_value());
}

}  // namespace
