#pragma once
#include <memory>
#include <vector>

#include "forms/Backend.h"
#include "forms/backends/HeadlessBackend.h"

namespace forms {

// Draws the modal stack as real top-level windows with one owner-drawn child
// window per control, at the forms' own pixel coordinates, and delivers the
// keyboard and the mouse to the form model. Message boxes are the platform's
// own; the model's timers wake the loop through the platform's timers. With
// a script it plays it visibly, one action every `stepMs`, and answers the
// boxes from the script without showing them.
class Win32Backend : public Backend {
public:
    Win32Backend();
    explicit Win32Backend(std::vector<ScriptAction> script, int stepMs = 400);
    ~Win32Backend() override;

    int64_t Now() const override;
    void Idle(Application& app) override;
    int MessageBox(Application& app, const std::string& text, const std::string& caption,
                   uint32_t flags) override;
    void Repaint(Application& app) override;
    void FlushInput(Application& app) override;

    bool Aborted() const override;
    int AbortCode() const override;
    std::string AbortMessage() const override;
    int UnusedScriptLine() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace forms
