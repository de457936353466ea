// Which handler sees a key, and what the controls do with the keys left to them.
#include "FormsFixture.h"

namespace formstest {

using forms::Control;

TEST_F(FormsTest, EnterAndSpacePressAFocusedButton) {
    CaptureForm f;
    EXPECT_EQ(Run(f, "focus btRetorna\nkey Enter\n"), forms::mrCancel);
    EXPECT_EQ(Run(f, "focus btConfirma\nkey Space\n"), forms::mrOk);
}

TEST_F(FormsTest, ShiftTabMovesBackAndWraps) {
    CaptureForm f;
    EXPECT_EQ(Run(f, "focus edData\nkey Shift+Tab\nexpect focus edValor\nkey Shift+Tab\nexpect focus btRetorna\n"
                     "key Tab\nexpect focus edValor\nclick btConfirma\n"),
              forms::mrOk);
}

TEST_F(FormsTest, AcceleratorPressesItsButtonOnlyWhenTheFocusDoesNotTakeCharacters) {
    CaptureForm f;
    EXPECT_EQ(Run(f, "focus edNome\ntype 9\nexpect text edNome 9\nfocus btConfirma\ntype 9\n"), forms::mrCancel);
    EXPECT_EQ(f.log.back(), "click btRetorna");

    // Hidden or disabled buttons (also through their panel) are not offered the key.
    CaptureForm g;
    g.btRetorna->SetEnabled(false);
    EXPECT_EQ(Run(g, "focus btConfirma\ntype 9\nexpect screen FrmTeste\nkey Enter\n"), forms::mrOk);
}

TEST_F(FormsTest, DefaultAndCancelButtonsAnswerEnterAndEscElsewhere) {
    CaptureForm f;
    f.btConfirma->SetDefault(true);
    f.btRetorna->SetCancel(true);
    EXPECT_EQ(Run(f, "focus edNome\nkey Enter\n"), forms::mrOk);
    EXPECT_EQ(Run(f, "focus edNome\nkey Esc\n"), forms::mrCancel);
    f.btConfirma->Hide();
    EXPECT_EQ(Run(f, "focus edNome\nkey Enter\nexpect screen FrmTeste\nkey Esc\n"), forms::mrCancel);
}

TEST_F(FormsTest, KeyPreviewRunsFirstAndCanDiscardTheKey) {
    CaptureForm f;
    std::vector<std::string> seen;
    f.SetKeyPreview(true);
    f.OnKeyPress = [&](forms::Form&, char& key) {
        seen.push_back(std::string("form ") + key);
        if (key == 'x') key = 0;
        if (key == 'a') key = 'b';  // a replaced key goes on replaced
    };
    f.edNome->OnKeyPress = [&](Control&, char& key) {
        seen.push_back(std::string("edit ") + key);
        if (key == 'z') key = 0;
    };
    Run(f, "focus edNome\ntype xaz\nkey Tab\nclick btRetorna\n");
    const std::vector<std::string> expected{"form x", "form a", "edit b", "form z", "edit z"};
    EXPECT_EQ(seen, expected);  // Tab never reaches them
    EXPECT_EQ(f.edNome->Text(), "b");
}

// The box's rule runs before its handler and before the buttons: a refused
// Esc cancels nothing, and the key line is told so without filtering a key.
TEST_F(FormsTest, AValidatorRefusesKeysBeforeTheBoxHandlerAndTheButtons) {
    CaptureForm f;
    static std::string filtered;
    std::string seen;
    filtered.clear();
    f.btRetorna->SetCancel(true);
    f.edNome->SetValidator({.kind = forms::Validator::Kind::Amount, .filter = [](char k) {
                                filtered += k;
                                return k == 'q' ? '\0' : k;
                            }});
    f.edNome->OnKeyPress = [&](Control&, char& key) { seen += key; };
    f.SetActiveControl(f.edNome);
    EXPECT_EQ(f.WhatKeyDoes(forms::VK_ESCAPE).kind, forms::KeyEffect::Kind::None);
    EXPECT_EQ(f.WhatKeyDoes('.').kind, forms::KeyEffect::Kind::Type);
    EXPECT_TRUE(filtered.empty());
    Run(f, "focus edNome\ntype 1a.q2,\nkey Esc\nexpect screen FrmTeste\nkey Backspace\nclick btRetorna\n");
    EXPECT_EQ(f.edNome->Text(), "1,");
    EXPECT_EQ(seen, "1,2\b");
    EXPECT_EQ(filtered, "1a.q2,\x1b\b");
    const forms::Validator types{.kind = forms::Validator::Kind::Digits, .lowest = '1', .highest = '3', .filter = nullptr};
    EXPECT_EQ(std::string({types.Apply('0', ""), types.Apply('3', ""), types.Apply('4', ""), types.Apply('\r', "")}),
              std::string("\0" "3\0\r", 4));
}

TEST_F(FormsTest, MaxLengthStopsTypingButNotTheProgram) {
    CaptureForm f;
    f.edNome->SetMaxLength(3);
    f.edNome->SetCharCase(forms::CharCase::Upper);
    Run(f, "focus edNome\ntype abcd\nkey Backspace\ntype xy\nclick btRetorna\n");
    EXPECT_EQ(f.edNome->Text(), "ABX");
    f.edNome->SetText("program text");
    EXPECT_EQ(f.edNome->Text(), "program text");
}

TEST_F(FormsTest, ModifiedIsSetByTypingOnlyAndChangeFiresForBoth) {
    CaptureForm f;
    std::vector<bool> modifiedInChange;
    f.edNome->OnChange = [&](Control&) { modifiedInChange.push_back(f.edNome->Modified()); };
    f.edNome->SetText("abc");
    f.edNome->SetText("abc");  // no change, no event
    EXPECT_FALSE(f.edNome->Modified());
    Run(f, "focus edNome\ntype d\nclick btRetorna\n");
    EXPECT_TRUE(f.edNome->Modified());
    EXPECT_EQ(f.edNome->Text(), "d");  // entering selected the program's text; typing replaced it
    f.edNome->SetText("");
    EXPECT_FALSE(f.edNome->Modified());
    EXPECT_EQ(modifiedInChange, (std::vector<bool>{false, true, false}));
}

TEST_F(FormsTest, EnteringAnEditSelectsItsTextSoTypingReplacesIt) {
    CaptureForm f;
    f.edNome->SetMaxLength(2);
    f.edNome->SetText("10");  // a default the operator may type over, at its length limit
    Run(f, "focus edNome\ntype 3\ntype 5\nkey Backspace\nclick btRetorna\n");
    EXPECT_EQ(f.edNome->Text(), "3");
    f.edNome->SetText("45");
    f.edNome->SelectAll();
    f.edNome->DefaultKey(forms::VK_BACK);  // Backspace over a selection erases just the selection
    EXPECT_EQ(f.edNome->Text(), "");
}

TEST_F(FormsTest, DisabledAndReadOnlyControlsIgnoreInput) {
    CaptureForm f;
    f.edValor->SetReadOnly(true);
    f.edNome->OnEnter = [&](Control&) { f.edNome->SetEnabled(false); };
    Run(f, "type 12\nfocus edNome\ntype 34\nclick edNome\nclick btRetorna\n");
    EXPECT_EQ(f.edValor->Text(), "");
    EXPECT_EQ(f.edNome->Text(), "");
}

TEST_F(FormsTest, PurgedKeysNeverReachAControl) {
    CaptureForm f;
    int keys = 0;
    f.edNome->OnKeyPress = [&](Control&, char&) { ++keys; };
    f.OnShow = [&](forms::Form&) {
        f.edNome->SetFocus();
        app().PostKey('1');
        app().PostClick("btConfirma");
        app().PostKey('2');
        app().EmptyKeyQueue();
    };
    EXPECT_EQ(Run(f, ""), forms::mrOk);  // the click was kept
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(f.edNome->Text(), "");
}

}  // namespace formstest
