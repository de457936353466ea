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
    ScriptAction Take() { return script_[next_++]; }
    void Append(std::vector<ScriptAction> more);

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
    int abortCode_ = 0;
    std::string abortMessage_;
};

}  // namespace forms
