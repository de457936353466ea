#pragma once
#include <cstdint>
#include <string>

namespace forms {

class Application;

// What draws the forms and delivers the operator's input. Holds no rules.
class Backend {
public:
    virtual ~Backend() = default;
    // Milliseconds on the backend's clock (virtual in headless runs).
    virtual int64_t Now() const = 0;
    // The loop is idle: nothing queued and no timer due. Draw, then deliver
    // input (post events to the application) or advance the clock.
    virtual void Idle(Application& app) = 0;
    // A message box; returns IDOK, IDYES or IDNO.
    virtual int MessageBox(Application& app, const std::string& text, const std::string& caption,
                           uint32_t flags) = 0;
    // Something changed that the operator should see now (ProcessMessages).
    virtual void Repaint(Application& app) { (void)app; }
    // Keys the operator typed that the backend holds but has not posted yet
    // are thrown away (Application::EmptyKeyQueue).
    virtual void FlushInput(Application& app) { (void)app; }

    // An operator script that ran out or failed an expectation aborts the run;
    // the abort is sticky, so whoever called into the screens can read it
    // after the unwinding, even when something on the way swallowed it.
    virtual bool Aborted() const { return false; }
    virtual int AbortCode() const { return 0; }
    virtual std::string AbortMessage() const { return ""; }
    // The script line of the first action the run never took; 0 when the
    // script was used up (or there was none).
    virtual int UnusedScriptLine() const { return 0; }
};

}  // namespace forms
