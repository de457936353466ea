#include "Win32.h"
#include "WindowSet.h"
#include "forms/Application.h"
#include "forms/backends/ScriptPlayer.h"
#include "forms/backends/Win32Backend.h"

#include <algorithm>
#include <optional>

namespace forms {

struct Win32Backend::Impl {
    ULONGLONG start = ::GetTickCount64();
    win32::WindowSet windows;
    ScriptPlayer player;
    bool scripted = false;
    int stepMs = 400;
    int64_t nextStep = -1;
    UINT_PTR timer = 0;  // the platform timer that wakes the loop, when one is set

    int64_t Now() const { return static_cast<int64_t>(::GetTickCount64() - start); }

    void TakeWaits() {
        if (nextStep < 0) nextStep = Now() + stepMs;
        while (!player.Done() && player.Next().kind == ScriptAction::Kind::Wait) nextStep += player.Take().ms;
    }

    // The platform wakes the loop when the model's next timer (or the next
    // scripted action) is due: one one-shot timer at a time.
    void WakeAt(int64_t when) {
        if (timer) ::KillTimer(nullptr, timer);
        timer = 0;
        if (when < 0) return;
        const int64_t wait = std::max<int64_t>(when - Now(), USER_TIMER_MINIMUM);
        timer = ::SetTimer(nullptr, 0, static_cast<UINT>(std::min<int64_t>(wait, 0x7FFFFFFF)), nullptr);
    }

    // Waits for one message of the platform and dispatches it; a wake-up
    // message of our timer only returns.
    void WaitAndDispatch() {
        MSG m;
        if (::GetMessageW(&m, nullptr, 0, 0) <= 0) return;
        if (m.message == WM_TIMER && m.hwnd == nullptr && m.wParam == timer) {
            ::KillTimer(nullptr, timer);
            timer = 0;
            return;
        }
        ::TranslateMessage(&m);
        ::DispatchMessageW(&m);
    }
};

Win32Backend::Win32Backend() : impl_(std::make_unique<Impl>()) {}

Win32Backend::Win32Backend(std::vector<ScriptAction> script, int stepMs) : impl_(std::make_unique<Impl>()) {
    impl_->player = ScriptPlayer(std::move(script));
    impl_->scripted = true;
    impl_->stepMs = stepMs;
}

Win32Backend::~Win32Backend() {
    if (impl_->timer) ::KillTimer(nullptr, impl_->timer);
}

int64_t Win32Backend::Now() const { return impl_->Now(); }
bool Win32Backend::Aborted() const { return impl_->player.Aborted(); }
int Win32Backend::AbortCode() const { return impl_->player.AbortCode(); }
std::string Win32Backend::AbortMessage() const { return impl_->player.AbortMessage(); }

void Win32Backend::Repaint(Application& app) {
    impl_->windows.Sync(app);
    impl_->windows.Update();
}

// Keys the operator typed ahead, still in the platform's queue, are dropped.
void Win32Backend::FlushInput(Application& app) {
    (void)app;
    MSG m;
    while (::PeekMessageW(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void Win32Backend::Idle(Application& app) {
    Impl& im = *impl_;
    im.windows.Sync(app);
    const int64_t due = app.NextTimerDue();
    if (due >= 0 && due <= im.Now()) return;  // the loop fires it
    if (!im.scripted) {
        im.WakeAt(due);
        im.WaitAndDispatch();
        return;
    }
    im.player.ThrowIfAborted();
    im.TakeWaits();
    const int64_t until = due >= 0 ? std::min(due, im.nextStep) : im.nextStep;
    if (im.Now() < until) {
        im.WakeAt(until);
        im.WaitAndDispatch();  // the operator only watches a played script
        return;
    }
    if (im.player.Done()) im.player.RanOut(app);
    const ScriptAction action = im.player.Take();
    im.nextStep = im.Now() + im.stepMs;
    im.player.Perform(app, action);
}

int Win32Backend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                             uint32_t flags) {
    Impl& im = *impl_;
    im.windows.Sync(app);
    im.windows.Update();
    if (im.scripted) {
        im.player.ThrowIfAborted();
        im.TakeWaits();
        if (im.player.Done()) im.player.RanOutInBox(text);
        const int answer = im.player.Answer(im.player.Take(), text, flags);
        im.nextStep = im.Now() + im.stepMs;
        return answer;
    }
    return ::MessageBoxW(im.windows.Top(), win32::Wide(text).c_str(), win32::Wide(caption).c_str(), flags);
}

}  // namespace forms
