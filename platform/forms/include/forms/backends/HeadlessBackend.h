#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/Backend.h"

namespace forms {

// One line of an operator script.
struct ScriptAction {
    enum class Kind { Type, Key, Click, Focus, Answer, Wait, ExpectScreen, ExpectFocus, ExpectText,
                      ExpectEnabled, ExpectDisabled };
    Kind kind = Kind::Type;
    std::string arg;    // text, key name, control name, answer, screen name
    std::string arg2;   // expected text of ExpectText
    int64_t ms = 0;     // Wait
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

    int64_t Now() const override { return now_; }
    void Idle(Application& app) override;
    int MessageBox(Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override;

    void Advance(int64_t ms) { now_ += ms; }
    void Append(std::vector<ScriptAction> more);
    bool ScriptDone() const { return next_ >= script_.size(); }
    size_t ActionsLeft() const { return script_.size() - next_; }

private:
    void Perform(Application& app, const ScriptAction& a);
    std::vector<ScriptAction> script_;
    size_t next_ = 0;
    int64_t now_ = 0;
    int64_t delay_;
    int64_t nextActionAt_ = -1;
};

}  // namespace forms
