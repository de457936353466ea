#define NCURSES_WIDECHAR 1
#include "forms/backends/TerminalBackend.h"

#include <curses.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <thread>

#include "TerminalPainter.h"
#include "forms/Application.h"
#include "cp1252/Cp1252.h"
#include "forms/backends/CellPainter.h"
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
            case KEY_LEFT: return Key{0, VK_LEFT};
            case KEY_RIGHT: return Key{0, VK_RIGHT};
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
    const char c = cp1252::CodePointToCp1252(static_cast<unsigned>(ch));
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
    int noTerminal = 0;  // the abort's code once the terminal was needed and not there
    std::string noTerminalMessage;

    int64_t Now() const {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now() - start).count();
    }

    // Both ends must be the terminal: escape codes never go into a pipe, and
    // a keyboard that is a file would never press a key.
    static bool Available() {
        const char* term = std::getenv("TERM");
        return ::isatty(0) && ::isatty(1) && term != nullptr && *term != '\0';
    }

    // The terminal is taken when a screen first needs the operator, so a run
    // that shows nothing leaves it (and a pipe) untouched.
    bool Open() {
        if (screen) return true;
        if (!Available()) return false;
        std::setlocale(LC_ALL, "");
        screen = newterm(nullptr, stdout, stdin);
        if (!screen) return false;
        cbreak();
        noecho();
        nonl();
        keypad(stdscr, TRUE);
        set_escdelay(25);
        painter.emplace();
        return true;
    }

    // Sticky, as a script's abort is: whoever unwinds cannot carry on.
    [[noreturn]] void NoTerminal(Application& app) {
        Form* f = app.ActiveForm();
        noTerminal = kNoTerminalExit;
        noTerminalMessage = "no terminal for the operator (standard input and output must be one): " +
                            (f ? f->Name() : std::string("a message box")) + " waited for input";
        throw OperatorAbort(noTerminal, noTerminalMessage);
    }
    void ThrowIfAborted() const {
        if (noTerminal) throw OperatorAbort(noTerminal, noTerminalMessage);
        player.ThrowIfAborted();
    }

    bool TooSmall() const { return TooSmallForScreens(COLS, LINES); }

    // Waits up to timeoutMs (-1: until a key) for a key the forms understand;
    // a resize only redraws, and while the screens do not fit no key counts.
    std::optional<Key> ReadKey(int timeoutMs) {
        timeout(timeoutMs);
        wint_t ch = 0;
        const int status = get_wch(&ch);
        if (status == ERR || TooSmall()) return std::nullopt;
        return Translate(status, ch);
    }

    // Sleeps until `until` on the backend's clock, a second at most, keeping
    // the screen fresh; the operator only watches a played script.
    void WatchUntil(int64_t until) {
        const int64_t wait = std::clamp<int64_t>(until - Now(), 0, 1000);
        if (wait > 0) ReadKey(static_cast<int>(wait));
    }
};

TerminalBackend::TerminalBackend() : impl_(std::make_unique<Impl>()) {}

TerminalBackend::TerminalBackend(std::vector<ScriptAction> script, int stepMs) : impl_(std::make_unique<Impl>()) {
    impl_->player = ScriptPlayer(std::move(script));
    impl_->player.SetStep(stepMs);
    impl_->scripted = true;
}

TerminalBackend::~TerminalBackend() {
    if (impl_->screen) {
        endwin();
        delscreen(impl_->screen);
    }
}

int64_t TerminalBackend::Now() const { return impl_->Now(); }
bool TerminalBackend::Aborted() const { return impl_->noTerminal != 0 || impl_->player.Aborted(); }
int TerminalBackend::AbortCode() const { return impl_->noTerminal ? impl_->noTerminal : impl_->player.AbortCode(); }
std::string TerminalBackend::AbortMessage() const {
    return impl_->noTerminal ? impl_->noTerminalMessage : impl_->player.AbortMessage();
}

int TerminalBackend::UnusedScriptLine() const { return impl_->player.NextLine(); }

void TerminalBackend::Repaint(Application& app) {
    if (app.ActiveForm() && impl_->Open()) impl_->painter->Paint(app, nullptr);
}

void TerminalBackend::FlushInput(Application& app) {
    (void)app;
    if (impl_->screen) flushinp();
}

// Waits no longer than the next timer is due; the loop fires it when it is.
// A screen that goes on by its timers needs no operator yet.
void TerminalBackend::Idle(Application& app) {
    Impl& im = *impl_;
    im.ThrowIfAborted();
    const int64_t due = app.NextTimerDue();
    if (!im.Open()) {
        if (due < 0) im.NoTerminal(app);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::clamp<int64_t>(due - im.Now(), 0, 1000)));
        return;
    }
    im.painter->Paint(app, nullptr);
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
    const int64_t next = im.player.DueAt(im.Now());
    if (im.Now() < next || im.TooSmall()) {
        im.WatchUntil(due >= 0 ? std::min(due, next) : std::max(next, im.Now() + 100));
        return;
    }
    im.player.PerformNext(app, im.Now());
}

int TerminalBackend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                                uint32_t flags) {
    Impl& im = *impl_;
    im.ThrowIfAborted();
    if (!im.Open()) im.NoTerminal(app);
    BoxView box{text, caption, flags, 0};
    const MessageBoxStyle style = box.Style();
    box.selected = static_cast<int>(style.defaultButton);
    if (im.scripted) {
        for (;;) {
            im.painter->Paint(app, &box);
            const int64_t next = im.player.DueAt(im.Now());
            if (im.Now() >= next && !im.TooSmall()) break;
            im.WatchUntil(std::max(next, im.Now() + 100));
        }
        const int answer = im.player.AnswerNext(text, flags, im.Now());
        box.selected = static_cast<int>(std::min(style.IndexOf(answer), style.buttons.size() - 1));
        im.painter->Paint(app, &box);
        napms(200);  // the chosen answer shows a moment
        return answer;
    }
    for (;;) {
        im.painter->Paint(app, &box);
        const auto read = im.ReadKey(1000);
        if (!read || read->moving != 0) continue;
        const char key = read->ch;
        const char upper = cp1252::Cp1252Upper(key);
        const size_t count = style.buttons.size();
        if (key == VK_TAB) box.selected = static_cast<int>((static_cast<size_t>(box.selected) + 1) % count);
        if (key == VK_RETURN || key == ' ') return AnswerOf(style.buttons[static_cast<size_t>(box.selected)]);
        if (key == VK_ESCAPE) return AnswerOf(style.buttons[style.escapeButton]);
        // Each button answers to its caption's first letter: S, N, O, C.
        for (BoxButton b : style.buttons)
            if (upper == CaptionOf(b).front()) return AnswerOf(b);
    }
}

}  // namespace forms
