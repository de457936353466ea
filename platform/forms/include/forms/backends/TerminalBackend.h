#pragma once
#include <memory>
#include <vector>

#include "forms/Backend.h"
#include "forms/backends/HeadlessBackend.h"

namespace forms {

// Draws the active form with ncurses, each form's pixel layout scaled to
// character cells, and takes the keyboard (characters, Enter, Backspace, Tab,
// Esc, the arrows and the paging keys). Texts are CP1252 inside and UTF-8 on
// the terminal. With a script it plays the script visibly, one action every
// `stepMs`. The terminal is taken only when a screen first waits for the
// operator; when standard input and output are not both a terminal, that
// wait aborts the run (OperatorAbort with kNoTerminalExit), sticky as a
// script's abort is.
class TerminalBackend : public Backend {
public:
    static constexpr int kNoTerminalExit = 6;

    TerminalBackend();
    explicit TerminalBackend(std::vector<ScriptAction> script, int stepMs = 400);
    ~TerminalBackend() override;

    int64_t Now() const override;
    void Idle(Application& app) override;
    int MessageBox(Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override;
    void Repaint(Application& app) override;
    void FlushInput(Application& app) override;

    // After an OperatorAbort of a played script: its exit code and message.
    bool Aborted() const override;
    int AbortCode() const override;
    std::string AbortMessage() const override;
    int UnusedScriptLine() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace forms
