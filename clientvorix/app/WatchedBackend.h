#pragma once
// Wraps the chosen backend and remembers an operator abort (script ran out,
// expectation failed): the package swallows what escapes its entry points,
// so the program learns of the abort here. Once aborted, every further wait
// for input aborts again, so every modal loop still open unwinds.
#include <optional>
#include <string>

#include "forms/Application.h"
#include "forms/Backend.h"

namespace clientvorix {

class WatchedBackend : public forms::Backend {
public:
    explicit WatchedBackend(forms::Backend& inner) : inner_(inner) {}

    int64_t Now() const override { return inner_.Now(); }
    void Idle(forms::Application& app) override;
    int MessageBox(forms::Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override;
    void Repaint(forms::Application& app) override { inner_.Repaint(app); }

    bool Aborted() const { return abort_.has_value(); }
    int AbortCode() const { return abort_ ? abort_->ExitCode() : 0; }
    std::string AbortMessage() const { return abort_ ? abort_->what() : ""; }
    // For an abort that reached the program without passing through here.
    void Record(const forms::OperatorAbort& a) {
        if (!abort_) abort_ = a;
    }

private:
    void ThrowIfAborted() const {
        if (abort_) throw *abort_;
    }
    forms::Backend& inner_;
    std::optional<forms::OperatorAbort> abort_;
};

}  // namespace clientvorix
