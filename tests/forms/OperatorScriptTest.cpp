// Reading operator scripts: what each line becomes, and how a bad line is reported.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "forms/Types.h"
#include "forms/backends/HeadlessBackend.h"

namespace formstest {

using forms::ScriptAction;
using Kind = ScriptAction::Kind;

TEST(OperatorScript, ReadsEveryAction) {
    const auto actions = forms::ParseOperatorScript(
        "# a comment\n"
        "\n"
        "type 12,50 # kept\n"
        "key Enter\r\n"
        "key tab   # trailing comment\n"
        "key C\n"
        "key \xC3\xA7\n"  // a UTF-8 character becomes its CP1252 byte
        "click btConfirma\n"
        "  focus edValor\n"
        "answer Yes\n"
        "wait 250\n"
        "expect screen FrmVis_Crd\n"
        "expect focus edValor\n"
        "expect text lbMensagem Digite o valor\n"
        "expect text edVazio\n"
        "expect enabled btConfirma\n"
        "expect disabled edValor\n",
        "ops.txt");
    ASSERT_EQ(actions.size(), 15u);
    EXPECT_EQ(actions[0].kind, Kind::Type);
    EXPECT_EQ(actions[0].arg, "12,50 # kept");
    EXPECT_EQ(actions[0].line, 3);
    EXPECT_EQ(actions[1].arg, std::string(1, forms::VK_RETURN));
    EXPECT_EQ(actions[2].arg, std::string(1, forms::VK_TAB));
    EXPECT_EQ(actions[3].arg, "C");
    EXPECT_EQ(actions[4].arg, "\xE7");
    EXPECT_EQ(actions[5].kind, Kind::Click);
    EXPECT_EQ(actions[6].kind, Kind::Focus);
    EXPECT_EQ(actions[6].arg, "edValor");
    EXPECT_EQ(actions[7].arg, "yes");
    EXPECT_EQ(actions[8].ms, 250);
    EXPECT_EQ(actions[9].kind, Kind::ExpectScreen);
    EXPECT_EQ(actions[11].kind, Kind::ExpectText);
    EXPECT_EQ(actions[11].arg, "lbMensagem");
    EXPECT_EQ(actions[11].arg2, "Digite o valor");
    EXPECT_EQ(actions[12].arg2, "");
    EXPECT_EQ(actions[14].kind, Kind::ExpectDisabled);
    EXPECT_EQ(actions[14].line, 17);
}

TEST(OperatorScript, BadLinesNameFileLineAndProblem) {
    const struct {
        const char* script;
        const char* message;
    } rows[] = {
        {"type 1\ntipe 2\n", "ops.txt:2: unknown action 'tipe'"},
        {"key F5\n", "ops.txt:1: unknown key 'F5' (Enter, Tab, Backspace, Esc, Space, Up, Down, Left, Right, PgUp, PgDn, Home, End "
                        "or one character)"},
        {"\n\nwait soon\n", "ops.txt:3: wait needs a number of milliseconds, not 'soon'"},
        {"wait -5\n", "ops.txt:1: wait needs a number of milliseconds, not '-5'"},
        {"answer maybe\n", "ops.txt:1: answer needs ok, yes or no"},
        {"click\n", "ops.txt:1: click needs one control or form name"},
        {"click bt um\n", "ops.txt:1: click needs one control or form name"},
        {"type\n", "ops.txt:1: type needs a text"},
        {"expect colour red\n", "ops.txt:1: expect needs screen, focus, text, enabled or disabled"},
        {"expect text\n", "ops.txt:1: expect text needs a control name"},
    };
    for (const auto& row : rows) {
        try {
            forms::ParseOperatorScript(row.script, "ops.txt");
            ADD_FAILURE() << "accepted: " << row.script;
        } catch (const forms::ScriptError& e) {
            EXPECT_EQ(std::string(e.what()), row.message);
        }
    }
}

TEST(OperatorScript, LoadsAFileAndNamesAMissingOne) {
    const std::string path = ::testing::TempDir() + "forms_script_test.txt";
    std::ofstream(path) << "type 1\nkey Enter\n";
    EXPECT_EQ(forms::LoadOperatorScript(path).size(), 2u);
    std::remove(path.c_str());
    try {
        forms::LoadOperatorScript(path);
        FAIL();
    } catch (const forms::ScriptError& e) {
        EXPECT_EQ(std::string(e.what()), path + ": cannot read the operator script: " + std::strerror(ENOENT));
    }
}

}  // namespace formstest
