// The modal loop, nested forms, observers, timers and message boxes.
#include "FormsFixture.h"
#include "forms/FormObserver.h"

namespace formstest {

class Recorder : public forms::FormObserver {
public:
    void FormCreated(forms::Form& f) override { events.push_back("create " + f.Name()); }
    void FormShown(forms::Form& f) override { events.push_back("show " + f.Name()); }
    void FormClosed(forms::Form& f, int r) override {
        events.push_back("close " + f.Name() + " " + std::to_string(r));
    }
    void FormDestroyed(forms::Form& f) override { events.push_back("destroy " + f.Name()); }
    void MessageBoxShown(const std::string& text, const std::string&, uint32_t, int answer) override {
        events.push_back("box " + text + " " + std::to_string(answer));
    }
    std::vector<std::string> events;
};

TEST_F(FormsTest, NestedModalFormClosesFirstAndTheOwnerIsActivatedAgain) {
    Recorder rec;
    app().AddObserver(&rec);
    auto* outer = app().Create<CaptureForm>();
    outer->SetName("FrmMenu");
    int activations = 0;
    int innerResult = 0;
    outer->OnActivate = [&](forms::Form&) { ++activations; };
    outer->btConfirma->OnClick = [&](forms::Control&) {
        auto* inner = app().Create<CaptureForm>();
        inner->OnCreate = nullptr;
        innerResult = inner->ShowModal();
        EXPECT_EQ(app().ActiveForm(), outer);
        app().Destroy(inner);
        outer->SetModalResult(forms::mrOk);
    };
    EXPECT_EQ(Run(*outer, "click btConfirma\nexpect screen FrmTeste\nclick btRetorna\n"), forms::mrOk);
    EXPECT_EQ(innerResult, forms::mrCancel);
    EXPECT_EQ(activations, 2);  // shown, then again when the inner form closed
    EXPECT_EQ(app().ActiveForm(), nullptr);
    app().Destroy(outer);
    const std::vector<std::string> expected{"create FrmTeste", "show FrmMenu",  "create FrmTeste",
                                            "show FrmTeste",   "close FrmTeste 2", "destroy FrmTeste",
                                            "close FrmMenu 1", "destroy FrmMenu"};
    EXPECT_EQ(rec.events, expected);
    app().RemoveObserver(&rec);
}

TEST_F(FormsTest, ModalResultIsResetAndCreateParamsRunsOnce) {
    struct Params : CaptureForm {
        int calls = 0;
        void CreateParams(forms::CreateParamsRec& p) override {
            ++calls;
            p.exStyle |= forms::WS_EX_TOPMOST;
        }
    } f;
    app().SetHandle(77);
    f.SetModalResult(forms::mrOk);
    EXPECT_EQ(Run(f, "click btRetorna\n"), forms::mrCancel);
    EXPECT_EQ(Run(f, "click btConfirma\n"), forms::mrOk);
    EXPECT_EQ(f.calls, 1);
    EXPECT_EQ(f.OwnerWindow(), 77u);
    EXPECT_EQ(f.ExStyle() & forms::WS_EX_TOPMOST, forms::WS_EX_TOPMOST);
    EXPECT_FALSE(f.Showing());
}

TEST_F(FormsTest, TenMillisecondTimerFiresOnceBeforeTheOperatorActs) {
    CaptureForm f;
    auto& clique = f.AddTimer("TClique");
    clique.SetInterval(10);
    std::vector<int64_t> fired;
    clique.OnTimer = [&](forms::Timer& t) {
        t.SetEnabled(false);
        fired.push_back(app().Now());
    };
    f.OnActivate = [&](forms::Form&) { clique.SetEnabled(true); };
    Run(f, "wait 500\nclick btRetorna\n");
    EXPECT_EQ(fired, std::vector<int64_t>{10});
    EXPECT_EQ(backend->Now(), 600);  // the operator's delay plus the wait
}

TEST_F(FormsTest, RepeatingTimerFiresEveryIntervalAlsoForAFormBelow) {
    CaptureForm below;
    auto& tick = below.AddTimer("tick");
    tick.SetInterval(30);
    int ticks = 0;
    tick.OnTimer = [&](forms::Timer&) { ++ticks; };
    tick.SetEnabled(true);
    CaptureForm top;
    Run(top, "wait 100\nclick btRetorna\n");  // the click comes at 200 ms
    EXPECT_EQ(ticks, 6);
}

TEST_F(FormsTest, ProcessMessagesDispatchesWhatWaitsAndReturns) {
    CaptureForm f;
    f.OnShow = [&](forms::Form&) {
        app().PostClick("btConfirma");
        app().ProcessMessages();
        EXPECT_EQ(f.log.back(), "click btConfirma");
        EXPECT_TRUE(app().QueueEmpty());
    };
    EXPECT_EQ(Run(f, ""), forms::mrOk);
}

TEST_F(FormsTest, MessageBoxIsAnsweredByTheScript) {
    Recorder rec;
    app().AddObserver(&rec);
    CaptureForm f;
    std::vector<int> answers;
    f.btConfirma->OnClick = [&](forms::Control&) {
        answers.push_back(app().MessageBox("Confirma?", "Teste", forms::MB_YESNO | forms::MB_TOPMOST));
        answers.push_back(app().MessageBox("Feito", "Teste", forms::MB_OK | forms::MB_ICONINFORMATION));
        f.SetModalResult(forms::mrOk);
    };
    Run(f, "click btConfirma\nanswer no\nanswer ok\n");
    EXPECT_EQ(answers, (std::vector<int>{forms::IDNO, forms::IDOK}));
    const std::vector<std::string> expected{"show FrmTeste", "box Confirma? 7", "box Feito 1", "close FrmTeste 1"};
    EXPECT_EQ(rec.events, expected);
    app().RemoveObserver(&rec);
}

TEST_F(FormsTest, ErrorsInHandlersGoToTheHandlerAndTheLoopGoesOn) {
    CaptureForm f;
    f.edNome->OnEnter = [](forms::Control&) { throw std::runtime_error("falhou"); };
    EXPECT_EQ(Run(f, "focus edNome\nclick btRetorna\n"), forms::mrCancel);
    EXPECT_EQ(errors, std::vector<std::string>{"falhou"});
}

TEST_F(FormsTest, ScriptRunningOutAbortsAndStaysAborted) {
    CaptureForm f;
    f.btRetorna->OnClick = [&](forms::Control&) {
        // A handler that swallows everything cannot resume the run.
        try {
            app().MessageBox("Sair?", "Teste", forms::MB_YESNO);
        } catch (...) {
        }
        app().MessageBox("De novo", "Teste", forms::MB_OK);
    };
    Use("type 1\nclick btRetorna\n");
    try {
        f.ShowModal();
        FAIL() << "the run should have been aborted";
    } catch (const forms::OperatorAbort& a) {
        EXPECT_EQ(a.ExitCode(), 3);
        EXPECT_EQ(std::string(a.what()), "script ran out while the message box \"Sair?\" waited for an answer");
    }
    EXPECT_TRUE(backend->Aborted());
    EXPECT_EQ(backend->AbortCode(), 3);
    EXPECT_EQ(app().ActiveForm(), nullptr);
    EXPECT_FALSE(f.Showing());

    CaptureForm g;
    Use("focus edNome\n");
    try {
        g.ShowModal();
        FAIL();
    } catch (const forms::OperatorAbort& a) {
        EXPECT_EQ(a.ExitCode(), 3);
        EXPECT_EQ(std::string(a.what()), "script ran out while FrmTeste waited for input");
    }
}

TEST_F(FormsTest, FailedExpectationsAndStrayAnswersAbortWithTheirLine) {
    CaptureForm f;
    const auto abortOf = [&](const std::string& script) {
        Use(script);
        try {
            f.ShowModal();
        } catch (const forms::OperatorAbort& a) {
            return std::to_string(a.ExitCode()) + " " + a.what();
        }
        return std::string("no abort");
    };
    EXPECT_EQ(abortOf("type 12\nexpect text edValor 13\n"),
              "4 line 2: expected text \"13\" in edValor, found \"12\"");
    EXPECT_EQ(abortOf("\n# start\nanswer yes\n"),
              "4 line 3: answer yes, but no message box is waiting (FrmTeste waits for input)");
    EXPECT_EQ(abortOf("expect disabled edNome\n"), "4 line 1: expected edNome disabled, found it enabled");
    EXPECT_EQ(abortOf("click edNada\n"), "4 line 1: click edNada: FrmTeste has no such control");
    EXPECT_EQ(abortOf("expect screen FrmOutra\n"), "4 line 1: expected screen FrmOutra, found FrmTeste");
}

}  // namespace formstest
