#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/backends/HeadlessBackend.h"

namespace forms {

class Application;

// Plays the operator's script against the forms, for whichever backend keeps
// the clock. An abort is sticky: once the script failed, every later call
// fails the same way, so unwinding code cannot swallow it and carry on.
class ScriptPlayer {
public:
    explicit ScriptPlayer(std::vector<ScriptAction> script = {});

    bool Done() const { return next_ >= script_.size(); }
    size_t Left() const { return script_.size() - next_; }
    const ScriptAction& Next() const { return script_[next_]; }
    int NextLine() const { return Done() ? 0 : script_[next_].line; }
    ScriptAction Take() { return script_[next_++]; }
    void Append(std::vector<ScriptAction> more);

    // Pacing, the same on every backend: an action is due one step after the
    // one before (the first, one step after the player was first asked), and
    // later by the waits at the head of the script, which this takes.
    void SetStep(int64_t ms) { step_ = ms; }
    int64_t DueAt(int64_t now);
    // The due action, taken at `now`: performed (running out aborts), or the
    // answer of the waiting message box.
    void PerformNext(Application& app, int64_t now);
    int AnswerNext(const std::string& text, uint32_t flags, int64_t now);

    // Performs a typing, key, click, focus or expect action; an answer here
    // (no message box waits) aborts.
    void Perform(Application& app, const ScriptAction& a);
    // The answer a waiting message box gets from the action (IDOK, IDYES, IDNO).
    int Answer(const ScriptAction& a, const std::string& text, uint32_t flags);
    [[noreturn]] void RanOut(Application& app);
    [[noreturn]] void RanOutInBox(const std::string& text);

    [[noreturn]] void Abort(int code, std::string message);
    void ThrowIfAborted() const;
    bool Aborted() const { return abortCode_ != 0; }
    int AbortCode() const { return abortCode_; }
    const std::string& AbortMessage() const { return abortMessage_; }

private:
    void Expect(Application& app, const ScriptAction& a);
    Control* Find(Application& app, const ScriptAction& a, const std::string& what);

    std::vector<ScriptAction> script_;
    size_t next_ = 0;
    int64_t step_ = 100;
    int64_t due_ = -1;
    int abortCode_ = 0;
    std::string abortMessage_;
};

}  // namespace forms
