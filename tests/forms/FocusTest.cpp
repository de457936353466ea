// Where the focus goes: the tab walk, containers, and the exit/enter order.
#include "FormsFixture.h"

namespace formstest {

using forms::Control;

TEST_F(FormsTest, TabWalkSkipsHiddenDisabledNonTabStopAndBlockedControls) {
    CaptureForm f;
    auto& extra = f.Add<forms::Edit>("edExtra");  // top level, after the button panel
    f.edData->Hide();
    f.edNome->SetTabStop(false);
    EXPECT_EQ(Run(f,
                  "expect focus edValor\n"
                  "key Tab\nexpect focus btConfirma\n"
                  "key Tab\nexpect focus btRetorna\n"
                  "key Tab\nexpect focus edExtra\n"
                  "key Tab\nexpect focus edValor\n"  // wraps around
                  "click btRetorna\n"),
              forms::mrCancel);

    // A disabled panel blocks its children without touching their own flags.
    f.pnCaptura->SetEnabled(false);
    extra.SetEnabled(false);
    EXPECT_TRUE(f.edValor->Enabled());
    EXPECT_FALSE(f.edValor->CanFocus());
    EXPECT_EQ(f.FindNextControl(nullptr, true, true), f.btConfirma);
    EXPECT_EQ(f.FindNextControl(f.btRetorna, true, true), f.btConfirma);
    EXPECT_EQ(f.FindNextControl(f.btConfirma, false, true), f.btRetorna);
    // Without tab stops asked, the non-tab-stop edit counts (once its panel is back).
    f.pnCaptura->SetEnabled(true);
    EXPECT_EQ(f.FindNextControl(f.edValor, true, false), f.edNome);
    EXPECT_EQ(f.FindNextControl(f.edValor, true, true), f.btConfirma);
}

TEST_F(FormsTest, NothingToFocusLeavesTheFocusWhereItIs) {
    CaptureForm f;
    f.pnCaptura->SetVisible(false);
    f.btRetorna->SetEnabled(false);
    EXPECT_EQ(f.FindNextControl(f.btConfirma, true, true), f.btConfirma);  // the only one finds itself
    f.btConfirma->SetEnabled(false);
    EXPECT_EQ(f.FindNextControl(f.btConfirma, true, true), nullptr);
    EXPECT_EQ(f.FindNextControl(nullptr, true, false), nullptr);
}

TEST_F(FormsTest, TabOrderRenumbersSiblingsAndPanelsAreWalkedDepthFirst) {
    CaptureForm f;
    f.pnBotoes->SetTabOrder(0);
    f.btRetorna->SetTabOrder(0);
    EXPECT_EQ(f.pnCaptura->TabOrder(), 1);
    EXPECT_EQ(f.btConfirma->TabOrder(), 1);
    EXPECT_EQ(f.lbTitulo->TabOrder(), -1);
    const std::vector<Control*> expected{f.pnBotoes, f.btRetorna, f.btConfirma, f.pnCaptura,
                                         f.edValor,  f.edData,    f.edNome};
    EXPECT_EQ(f.TabList(), expected);
}

TEST_F(FormsTest, ExitSeesTheReceivingControlAndContainersExitAndEnterInOrder) {
    CaptureForm f;
    std::string activeDuringExit;
    f.edNome->OnExit = [&](Control& s) {
        f.log.push_back("exit " + s.Name());
        activeDuringExit = f.ActiveControl() ? f.ActiveControl()->Name() : "";
    };
    f.pnCaptura->OnExit = [&](Control& s) { f.log.push_back("exit " + s.Name()); };
    f.pnBotoes->OnEnter = [&](Control& s) { f.log.push_back("enter " + s.Name()); };
    Run(f, "focus edNome\nclick btConfirma\n");
    EXPECT_EQ(activeDuringExit, "btConfirma");
    const std::vector<std::string> expected{"enter edValor",   "exit edValor",   "enter edNome",
                                            "exit edNome",     "exit pnCaptura", "enter pnBotoes",
                                            "enter btConfirma", "click btConfirma"};
    EXPECT_EQ(f.log, expected);
}

TEST_F(FormsTest, LeavingAMaskWithAnEmptyRequiredPositionKeepsTheFocus) {
    CaptureForm f;
    f.edData->SetEditMask("00/00/0000;1;_");
    EXPECT_EQ(Run(f,
                  "focus edData\ntype 12\nkey Tab\nexpect focus edData\n"
                  "click btConfirma\nexpect focus edData\n"  // the click does not reach the button
                  "type 052024\nkey Tab\nexpect focus edNome\n"
                  "click btRetorna\n"),
              forms::mrCancel);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "Invalid input value.  Use escape key to abandon changes");
    EXPECT_EQ(f.edData->Text(), "12/05/2024");
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "click btConfirma"), 0);
}

TEST_F(FormsTest, EscAbandonsTheMaskChangesSoTheOperatorCanLeave) {
    CaptureForm f;
    f.edData->SetEditMask("00/00/0000;1;_");
    Run(f, "focus edData\ntype 1\nkey Esc\nkey Tab\nexpect focus edNome\nclick btRetorna\n");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(f.edData->DisplayText(), "__/__/____");
}

TEST_F(FormsTest, FocusRequestsForUnfocusableControlsAreRefused) {
    CaptureForm f;
    f.edNome->SetEnabled(false);
    EXPECT_THROW(f.edNome->SetFocus(), std::runtime_error);
    CaptureForm other;
    EXPECT_THROW(f.SetActiveControl(other.edValor), std::invalid_argument);
}

}  // namespace formstest
