#pragma once
// The platform's windows of the forms on the modal stack: one top-level
// window a form, one child window a control, kept in step with the model and
// handing the operator's keys and clicks to the application's queue.
#include <map>
#include <string>
#include <vector>

#include "ControlPainter.h"
#include "Win32.h"
#include "forms/Types.h"

namespace forms {

class Application;
class Control;
class Form;

namespace win32 {

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Windows for the forms on the modal stack and no others; what changed
    // in the model is invalidated, the focus follows the model's.
    void Sync(Application& app);
    // Paints what is waiting to be painted, now.
    void Update();
    // The active form's window (owner of message boxes), null when none.
    HWND Top() const;

    static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    // What a control shows: when it differs from the last sync, it is painted again.
    struct Look {
        bool visible = false, enabled = false, focused = false, framed = false;
        int left = 0, top = 0, width = 0, height = 0;
        std::string text;
        int caret = 0, selection = 0;
        Color color = 0;
        bool operator==(const Look&) const = default;
    };
    struct ControlWindow {
        HWND hwnd = nullptr;
        HWND parent = nullptr;
        Look look;
    };
    struct FormWindow {
        WindowHandle id = 0;  // the model's handle: a new form at an old address gets new windows
        HWND hwnd = nullptr;
        Form* form = nullptr;
        std::map<Control*, ControlWindow> controls;
    };

    void SyncForm(Application& app, Form& f, bool top, HWND below);
    HWND CreateFormWindow(Form& f, HWND owner);
    void SyncControls(FormWindow& w, bool top);
    static Look LookOf(const Control& c, bool focused);
    void Forget(FormWindow& w);
    void Post(HWND hwnd, UINT msg, WPARAM wp);

    Application* app_ = nullptr;
    std::vector<FormWindow> windows_;  // bottom of the modal stack first
    ControlPainter painter_;
};

}  // namespace win32
}  // namespace forms
