#define NCURSES_WIDECHAR 1
#include "forms/backends/TerminalBackend.h"

#include <curses.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "TerminalPainter.h"
#include "forms/Application.h"
#include "forms/Cp1252.h"
#include "forms/backends/ScriptPlayer.h"

namespace forms {

namespace {

// One key the operator pressed: a character, or a key that moves.
struct Key {
    char ch = 0;
    uint16_t moving = 0;
    bool shift = false;  // Shift+Tab
};

// Keys the form model knows, from what curses reads; nullopt for anything else.
std::optional<Key> Translate(int status, wint_t ch) {
    if (status == KEY_CODE_YES) {
        switch (ch) {
            case KEY_BACKSPACE: return Key{VK_BACK};
            case KEY_ENTER: return Key{VK_RETURN};
            case KEY_UP: return Key{0, VK_UP};
            case KEY_DOWN: return Key{0, VK_DOWN};
            case KEY_PPAGE: return Key{0, VK_PRIOR};
            case KEY_NPAGE: return Key{0, VK_NEXT};
            case KEY_HOME: return Key{0, VK_HOME};
            case KEY_END: return Key{0, VK_END};
            case KEY_BTAB: return Key{VK_TAB, 0, true};
            default: return std::nullopt;
        }
    }
    if (ch == '\n' || ch == '\r') return Key{VK_RETURN};
    if (ch == 127 || ch == 8) return Key{VK_BACK};
    if (ch == '\t') return Key{VK_TAB};
    if (ch == 27) return Key{VK_ESCAPE};
    if (ch < 32) return std::nullopt;
    const char c = CodePointToCp1252(static_cast<unsigned>(ch));
    if (c == '?' && ch != '?') return std::nullopt;  // no CP1252 code: the edit could not hold it
    return Key{c};
}

}  // namespace

struct TerminalBackend::Impl {
    SCREEN* screen = nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::optional<TerminalPainter> painter;
    ScriptPlayer player;
    bool scripted = false;
    int stepMs = 400;
    int64_t nextStep = -1;

    int64_t Now() const {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now() - start).count();
    }

    void Open() {
        std::setlocale(LC_ALL, "");
        screen = newterm(nullptr, stdout, stdin);
        if (!screen) throw std::runtime_error("no terminal to draw the forms on (TERM not set or not a terminal)");
        cbreak();
        noecho();
        nonl();
        keypad(stdscr, TRUE);
        set_escdelay(25);
        painter.emplace();
    }

    // Waits up to timeoutMs (-1: until a key) for a key the forms understand;
    // a resize only redraws.
    std::optional<Key> ReadKey(int timeoutMs) {
        timeout(timeoutMs);
        wint_t ch = 0;
        const int status = get_wch(&ch);
        if (status == ERR) return std::nullopt;
        return Translate(status, ch);
    }

    // Waits at the head of the script stretch the time to the next step.
    void TakeWaits() {
        if (nextStep < 0) nextStep = Now() + stepMs;
        while (!player.Done() && player.Next().kind == ScriptAction::Kind::Wait) nextStep += player.Take().ms;
    }
};

TerminalBackend::TerminalBackend() : impl_(std::make_unique<Impl>()) { impl_->Open(); }

TerminalBackend::TerminalBackend(std::vector<ScriptAction> script, int stepMs) : impl_(std::make_unique<Impl>()) {
    impl_->player = ScriptPlayer(std::move(script));
    impl_->scripted = true;
    impl_->stepMs = stepMs;
    impl_->Open();
}

TerminalBackend::~TerminalBackend() {
    if (impl_->screen) {
        endwin();
        delscreen(impl_->screen);
    }
}

int64_t TerminalBackend::Now() const { return impl_->Now(); }
bool TerminalBackend::Aborted() const { return impl_->player.Aborted(); }
int TerminalBackend::AbortCode() const { return impl_->player.AbortCode(); }
std::string TerminalBackend::AbortMessage() const { return impl_->player.AbortMessage(); }

void TerminalBackend::Repaint(Application& app) { impl_->painter->Paint(app, nullptr); }

void TerminalBackend::FlushInput(Application& app) {
    (void)app;
    flushinp();
}

// Waits no longer than the next timer is due; the loop fires it when it is.
void TerminalBackend::Idle(Application& app) {
    Impl& im = *impl_;
    im.painter->Paint(app, nullptr);
    const int64_t due = app.NextTimerDue();
    if (!im.scripted) {
        const int64_t wait = due < 0 ? 1000 : std::clamp<int64_t>(due - im.Now(), 0, 1000);
        if (const auto key = im.ReadKey(static_cast<int>(wait))) {
            if (key->moving != 0)
                app.PostKeyDown(key->moving);
            else
                app.PostKey(key->ch, key->shift);
        }
        return;
    }
    im.player.ThrowIfAborted();
    im.TakeWaits();
    const int64_t until = due >= 0 ? std::min(due, im.nextStep) : im.nextStep;
    const int64_t wait = std::clamp<int64_t>(until - im.Now(), 0, 1000);
    if (wait > 0) {
        im.ReadKey(static_cast<int>(wait));  // the operator only watches a played script
        return;
    }
    if (im.Now() < im.nextStep) return;
    if (im.player.Done()) im.player.RanOut(app);
    const ScriptAction action = im.player.Take();
    im.nextStep = im.Now() + im.stepMs;
    im.player.Perform(app, action);
}

int TerminalBackend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                                uint32_t flags) {
    Impl& im = *impl_;
    BoxView box{text, caption, flags, 0};
    if (im.scripted) {
        im.player.ThrowIfAborted();
        im.painter->Paint(app, &box);
        im.TakeWaits();
        napms(static_cast<int>(std::max<int64_t>(0, im.nextStep - im.Now())));
        if (im.player.Done()) im.player.RanOutInBox(text);
        const int answer = im.player.Answer(im.player.Take(), text, flags);
        im.nextStep = im.Now() + im.stepMs;
        box.selected = answer == IDNO ? 1 : 0;
        im.painter->Paint(app, &box);
        napms(im.stepMs / 2);
        return answer;
    }
    for (;;) {
        im.painter->Paint(app, &box);
        const auto read = im.ReadKey(1000);
        if (!read || read->moving != 0) continue;
        const char key = read->ch;
        const char upper = Cp1252Upper(key);
        if (!box.YesNo()) {
            if (key == VK_RETURN || key == VK_ESCAPE || key == ' ' || upper == 'O') return IDOK;
            continue;
        }
        if (key == VK_TAB) box.selected ^= 1;
        if (key == VK_RETURN || key == ' ') return box.selected == 0 ? IDYES : IDNO;
        if (upper == 'S') return IDYES;
        if (upper == 'N' || key == VK_ESCAPE) return IDNO;
    }
}

}  // namespace forms
