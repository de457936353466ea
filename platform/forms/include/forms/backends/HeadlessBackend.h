#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/Backend.h"

namespace forms {

class ScriptPlayer;

// One line of an operator script.
struct ScriptAction {
    enum class Kind { Type, Key, Click, Focus, Answer, Wait, ExpectScreen, ExpectFocus, ExpectText,
                      ExpectEnabled, ExpectDisabled };
    Kind kind = Kind::Type;
    std::string arg;    // text, key name, control name, answer, screen name
    std::string arg2;   // expected text of ExpectText
    int64_t ms = 0;     // Wait
    uint16_t virtualKey = 0;  // Key: a moving key (Up, PgDn, ...) instead of a character
    bool shift = false;       // Key: Shift+Tab
    int line = 0;       // line in the script file
};

// Thrown while reading a script: names the file, line and problem (exit status 2).
class ScriptError : public std::exception {
public:
    explicit ScriptError(std::string m) : m_(std::move(m)) {}
    const char* what() const noexcept override { return m_.c_str(); }

private:
    std::string m_;
};

// One action a line; blank lines and lines starting with '#' are skipped. The
// text of `type` and `expect text` runs to the end of its line (so it may hold
// '#'); the other actions take a trailing " # comment". Texts are UTF-8 in the
// file and CP1252 in the actions. `key` takes Enter, Tab, Backspace, Esc,
// Space, Shift+Tab or any single character, and the moving keys Up, Down, Left, Right, PgUp, PgDn,
// Home and End. `expect text` compares with what the control
// shows or holds (a memo's lines joined by '|').
std::vector<ScriptAction> ParseOperatorScript(const std::string& text, const std::string& fileName);
std::vector<ScriptAction> LoadOperatorScript(const std::string& path);  // throws ScriptError

// Runs the forms on a virtual clock, taking one script action whenever the UI
// is idle. Timers due before the next action fire first (the operator is slower
// than 10 ms). Running out of actions while input is awaited raises
// OperatorAbort(3, ...) naming the waiting screen; a failed expect raises
// OperatorAbort(4, ...).
class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(std::vector<ScriptAction> script = {}, int64_t operatorDelayMs = 100);
    ~HeadlessBackend() override;

    int64_t Now() const override { return now_; }
    void Idle(Application& app) override;
    int MessageBox(Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override;

    void Advance(int64_t ms) { now_ += ms; }
    void Append(std::vector<ScriptAction> more);
    bool ScriptDone() const;
    size_t ActionsLeft() const;

    // After an OperatorAbort: its exit code and message (the abort is sticky).
    bool Aborted() const override;
    int AbortCode() const override;
    std::string AbortMessage() const override;
    int UnusedScriptLine() const override;

private:
    std::unique_ptr<ScriptPlayer> player_;
    int64_t now_ = 0;
};

}  // namespace forms
