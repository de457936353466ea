#pragma once
// How the operation ended, in the one line the client prints when the
// package's call returns: approved or declined with the host's text,
// cancelled by the operator, or the error reported to the client.
#include <string>

#include "forms/FormObserver.h"

namespace sim {
class State;
}

namespace clientvorix {

// Remembers how the outermost screen closed: it closes last.
class ScreenEnding : public forms::FormObserver {
public:
    void FormClosed(forms::Form&, int modalResult) override { last_ = modalResult; }
    int LastModalResult() const { return last_; }

private:
    int last_ = 0;
};

// Whether the host's answer code approves, read as the package reads it.
bool ApprovedCode(const std::string& code);

// The line, in UTF-8, from the client's state after the call.
std::string OutcomeLine(const sim::State& state, int lastModalResult);

}  // namespace clientvorix
