#include "forms/backends/ScriptPlayer.h"

#include "forms/Application.h"
#include "forms/ControlVisitor.h"
#include "cp1252/Cp1252.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Memo.h"
#include "forms/MessageBoxStyle.h"

namespace forms {

namespace {

std::string LinePrefix(const ScriptAction& a) { return "line " + std::to_string(a.line) + ": "; }

std::string Quoted(const std::string& cp1252) { return "\"" + cp1252::Cp1252ToUtf8(cp1252) + "\""; }

std::string FormName(Application& app) {
    Form* f = app.ActiveForm();
    return f ? f->Name() : "no form";
}

// What the operator reads off a control: the first text is what it shows.
std::vector<std::string> TextsOf(const Control& c) {
    struct Texts final : ControlVisitor {
        std::vector<std::string> texts;
        void Visit(const Edit& e) override { texts = {e.DisplayText(), e.Text()}; }
        void Visit(const GlyphButton& b) override { texts = {b.DisplayCaption(), b.Caption()}; }
        void Visit(const Memo& m) override {
            std::string joined;
            for (size_t i = 0; i < m.Lines().size(); ++i) joined += (i ? "|" : "") + m.Lines()[i];
            texts = {joined};
        }
    } texts;
    c.Accept(texts);
    if (texts.texts.empty()) return {c.Caption()};
    return texts.texts;
}

const char* KindName(ScriptAction::Kind k) {
    using K = ScriptAction::Kind;
    switch (k) {
        case K::Type: return "type";
        case K::Key: return "key";
        case K::Click: return "click";
        case K::Focus: return "focus";
        case K::Answer: return "answer";
        case K::Wait: return "wait";
        default: return "expect";
    }
}

// The answers a script may give a box, as the script words them.
std::string Offered(const MessageBoxStyle& style) {
    const auto word = [](BoxButton b) {
        return b == BoxButton::Yes ? "yes" : b == BoxButton::No ? "no" : b == BoxButton::Cancel ? "cancel" : "ok";
    };
    if (style.buttons.size() == 1) return "it has only OK";
    std::string words;
    for (size_t i = 0; i < style.buttons.size(); ++i)
        words += std::string(i == 0 ? "" : i + 1 == style.buttons.size() ? " or " : ", ") + word(style.buttons[i]);
    return "it asks " + words;
}

}  // namespace

ScriptPlayer::ScriptPlayer(std::vector<ScriptAction> script) : script_(std::move(script)) {}

void ScriptPlayer::Append(std::vector<ScriptAction> more) {
    script_.insert(script_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

int64_t ScriptPlayer::DueAt(int64_t now) {
    if (due_ < 0) due_ = now + step_;
    while (!Done() && Next().kind == ScriptAction::Kind::Wait) due_ += Take().ms;
    return due_;
}

void ScriptPlayer::PerformNext(Application& app, int64_t now) {
    if (Done()) RanOut(app);
    due_ = now + step_;
    Perform(app, Take());
}

int ScriptPlayer::AnswerNext(const std::string& text, uint32_t flags, int64_t now) {
    if (Done()) RanOutInBox(text);
    due_ = now + step_;
    return Answer(Take(), text, flags);
}

void ScriptPlayer::Abort(int code, std::string message) {
    abortCode_ = code;
    abortMessage_ = std::move(message);
    throw OperatorAbort(abortCode_, abortMessage_);
}

void ScriptPlayer::ThrowIfAborted() const {
    if (Aborted()) throw OperatorAbort(abortCode_, abortMessage_);
}

void ScriptPlayer::RanOut(Application& app) {
    Abort(3, "script ran out while " + FormName(app) + " waited for input");
}

void ScriptPlayer::RanOutInBox(const std::string& text) {
    Abort(3, "script ran out while the message box " + Quoted(text) + " waited for an answer");
}

Control* ScriptPlayer::Find(Application& app, const ScriptAction& a, const std::string& what) {
    Form* f = app.ActiveForm();
    if (!f) Abort(4, LinePrefix(a) + what + " " + a.arg + ": no form is waiting for input");
    Control* c = f->FindControl(a.arg);
    if (!c) Abort(4, LinePrefix(a) + what + " " + a.arg + ": " + f->Name() + " has no such control");
    return c;
}

void ScriptPlayer::Perform(Application& app, const ScriptAction& a) {
    using K = ScriptAction::Kind;
    switch (a.kind) {
        case K::Type:
            for (char c : a.arg) app.PostKey(c);
            break;
        case K::Key:
            if (a.virtualKey != 0)
                app.PostKeyDown(a.virtualKey);
            else if (!a.arg.empty())
                app.PostKey(a.arg[0], a.shift);
            break;
        case K::Click:
            Find(app, a, "click");
            app.PostClick(a.arg);
            break;
        case K::Focus: {
            Control* c = Find(app, a, "focus");
            // The operator cannot put the focus where the platform would not take it.
            if (c->CanFocus()) app.Guarded([c] { c->OwnerForm().SetActiveControl(c); });
            break;
        }
        case K::Answer:
            Abort(4, LinePrefix(a) + "answer " + a.arg + ", but no message box is waiting (" + FormName(app) +
                         " waits for input)");
        case K::Wait:
            break;
        default:
            Expect(app, a);
            break;
    }
}

void ScriptPlayer::Expect(Application& app, const ScriptAction& a) {
    using K = ScriptAction::Kind;
    const std::string prefix = LinePrefix(a) + "expected ";
    Form* f = app.ActiveForm();
    if (a.kind == K::ExpectScreen) {
        if (!f || f->Name() != a.arg) Abort(4, prefix + "screen " + a.arg + ", found " + FormName(app));
        return;
    }
    if (!f) Abort(4, prefix + "a form waiting for input, found none");
    if (a.kind == K::ExpectFocus) {
        Control* c = f->ActiveControl();
        if (!c || c->Name() != a.arg)
            Abort(4, prefix + "focus on " + a.arg + ", found " + (c ? c->Name() : "no focused control"));
        return;
    }
    Control* c = f->FindControl(a.arg);
    if (!c) Abort(4, prefix + a.arg + ", found no such control on " + f->Name());
    if (a.kind == K::ExpectText) {
        const std::vector<std::string> texts = TextsOf(*c);
        for (const std::string& t : texts)
            if (t == a.arg2) return;
        Abort(4, prefix + "text " + Quoted(a.arg2) + " in " + a.arg + ", found " + Quoted(texts.front()));
    }
    const bool enabled = c->EffectivelyEnabled();
    if (a.kind == K::ExpectEnabled && !enabled) Abort(4, prefix + a.arg + " enabled, found it disabled");
    if (a.kind == K::ExpectDisabled && enabled) Abort(4, prefix + a.arg + " disabled, found it enabled");
}

int ScriptPlayer::Answer(const ScriptAction& a, const std::string& text, uint32_t flags) {
    if (a.kind != ScriptAction::Kind::Answer)
        Abort(4, LinePrefix(a) + "the message box " + Quoted(text) + " waits for an answer, found " +
                     KindName(a.kind));
    const MessageBoxStyle style = MessageBoxStyle::Decode(flags);
    const int answer = a.arg == "yes" ? IDYES : a.arg == "no" ? IDNO : IDOK;
    if (style.IndexOf(answer) == style.buttons.size())
        Abort(4, LinePrefix(a) + "answer " + a.arg + " does not fit the message box " + Quoted(text) + " (" +
                     Offered(style) + ")");
    return answer;
}

}  // namespace forms
