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
    UINT_PTR timer = 0;  // the platform timer that wakes the loop, when one is set

    int64_t Now() const { return static_cast<int64_t>(::GetTickCount64() - start); }

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
    impl_->player.SetStep(stepMs);
    impl_->scripted = true;
}

Win32Backend::~Win32Backend() {
    if (impl_->timer) ::KillTimer(nullptr, impl_->timer);
}

int64_t Win32Backend::Now() const { return impl_->Now(); }
bool Win32Backend::Aborted() const { return impl_->player.Aborted(); }
int Win32Backend::AbortCode() const { return impl_->player.AbortCode(); }
std::string Win32Backend::AbortMessage() const { return impl_->player.AbortMessage(); }
int Win32Backend::UnusedScriptLine() const { return impl_->player.NextLine(); }

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
    const int64_t next = im.player.DueAt(im.Now());
    const int64_t until = due >= 0 ? std::min(due, next) : next;
    if (im.Now() < until) {
        im.WakeAt(until);
        im.WaitAndDispatch();  // the operator only watches a played script
        return;
    }
    im.player.PerformNext(app, im.Now());
}

int Win32Backend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                             uint32_t flags) {
    Impl& im = *impl_;
    im.windows.Sync(app);
    im.windows.Update();
    if (im.scripted) {
        im.player.ThrowIfAborted();
        im.player.DueAt(im.Now());  // takes the waits before the answer
        return im.player.AnswerNext(text, flags, im.Now());
    }
    return ::MessageBoxW(im.windows.Top(), win32::Wide(text).c_str(), win32::Wide(caption).c_str(), flags);
}

}  // namespace forms
