#include "forms/Form.h"

#include <algorithm>
#include <stdexcept>

#include "forms/Application.h"
#include "cp1252/Cp1252.h"
#include "forms/GlyphButton.h"
#include "forms/MaskEdit.h"

namespace forms {

namespace {

bool Windowed(const Control& c) { return c.IsFocusable() || c.IsContainer(); }

std::vector<Control*> InTabOrder(const std::vector<Control*>& siblings) {
    std::vector<Control*> ordered;
    for (Control* c : siblings)
        if (c->TabOrder() >= 0) ordered.push_back(c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
    return ordered;
}

void AppendTabList(const std::vector<Control*>& siblings, std::vector<Control*>& list) {
    for (Control* c : InTabOrder(siblings)) {
        list.push_back(c);
        if (c->IsContainer()) AppendTabList(c->Children(), list);
    }
}

// The control and its containers, innermost first.
std::vector<Control*> Chain(Control* c) {
    std::vector<Control*> chain;
    for (; c; c = c->Parent()) chain.push_back(c);
    return chain;
}

bool Contains(const std::vector<Control*>& v, const Control* c) {
    return std::find(v.begin(), v.end(), c) != v.end();
}

}  // namespace

Form::Form(std::string name) : Component(std::move(name)) {}

Form::~Form() {
    Application::Instance().FormGone(*this);
    active_ = nullptr;
    entered_ = nullptr;
    timers_.clear();
    // Children before their containers: a control unhooks itself from its parent.
    while (!controls_.empty()) controls_.pop_back();
}

Timer& Form::AddTimer(std::string name) {
    timers_.push_back(std::make_unique<Timer>(*this, std::move(name)));
    return *timers_.back();
}

WindowHandle Form::Handle() {
    if (handle_ == 0) {
        Application& app = Application::Instance();
        CreateParamsRec params = params_;
        params.wndParent = app.Handle();
        CreateParams(params);
        params_ = params;
        handle_ = app.NewWindowHandle();
    }
    return handle_;
}

int Form::ShowModal() {
    Application& app = Application::Instance();
    if (showing_) throw std::logic_error("Cannot make a visible window modal");
    modalResult_ = mrNone;
    app.PushModal(*this);
    try {
        Handle();
        showing_ = true;
        app.Guarded([this] {
            if (OnShow) OnShow(*this);
        });
        app.Guarded([this] { FocusOnShow(); });
        app.NotifyShown(*this);
        Activate();
        while (modalResult_ == mrNone) app.HandleMessage();
    } catch (...) {
        // An aborted run leaves no half-shown form behind; it is not reported as closed.
        showing_ = false;
        entered_ = nullptr;
        app.PopModal(*this);
        throw;
    }
    const int result = modalResult_;
    app.NotifyClosed(*this, result);
    app.PopModal(*this);
    showing_ = false;
    entered_ = nullptr;
    // The owner becomes the active window again when its modal window closes.
    if (Form* below = app.ActiveForm()) below->Activate();
    return result;
}

// A shown form puts the focus on its active control, or on the first control.
void Form::FocusOnShow() {
    if (active_ && !active_->CanFocus()) active_ = nullptr;
    if (!active_)
        SelectFirst();
    else if (entered_ != active_)
        MoveFocus(active_);
}

void Form::SetActiveControl(Control* c) {
    if (c) {
        if (&c->OwnerForm() != this)
            throw std::invalid_argument("control " + c->Name() + " belongs to another form");
        if (!c->CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
    }
    if (!showing_) {
        active_ = c;
        return;
    }
    if (c == active_ && c == entered_) return;
    MoveFocus(c);
}

// Exits run innermost first, up to the container shared with the new
// control; enters run outermost first. ActiveControl already names the new
// control while the exits run. A handler that moves the focus elsewhere ends
// this move: its own move has run the events that matter.
void Form::MoveFocus(Control* c) {
    Control* old = entered_;
    if (old && old != c) {
        if (auto* masked = dynamic_cast<MaskEdit*>(old)) {
            try {
                masked->ValidateEdit();
            } catch (const MaskError&) {
                Application::Instance().HandleException(std::current_exception());
                return;
            }
        }
    }
    const unsigned move = ++focusMoves_;
    active_ = c;
    entered_ = nullptr;
    const std::vector<Control*> oldChain = Chain(old);
    const std::vector<Control*> newChain = Chain(c);
    for (Control* x : oldChain) {
        if (Contains(newChain, x)) break;
        if (x->OnExit) x->OnExit(*x);
        if (focusMoves_ != move) return;
    }
    for (auto it = newChain.rbegin(); it != newChain.rend(); ++it) {
        Control* x = *it;
        if (x != c && Contains(oldChain, x)) continue;
        if (x == c) {
            entered_ = c;
            if (Contains(oldChain, x)) break;
            c->FocusReceived();
        }
        if (x->OnEnter) x->OnEnter(*x);
        if (focusMoves_ != move) return;
    }
    entered_ = c;
}

void Form::SetFocus() {
    if (showing_ && active_ && entered_ != active_ && active_->CanFocus()) MoveFocus(active_);
}

void Form::SelectFirst() {
    Control* c = FindNextControl(nullptr, true, true);
    if (!c) c = FindNextControl(nullptr, true, false);
    if (c) SetActiveControl(c);
}

void Form::SelectNext(bool forward, bool tabStopsOnly) {
    if (Control* c = FindNextControl(active_, forward, tabStopsOnly)) SetActiveControl(c);
}

// The search starts after `from` and ends on `from` itself, so a lone
// qualifying control finds itself and nothing qualifying finds nothing.
Control* Form::FindNextControl(Control* from, bool forward, bool tabStopsOnly) const {
    const std::vector<Control*> list = TabList();
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), from);
    int start = found == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    do {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        Control* c = list[static_cast<size_t>(i)];
        if (c->CanFocus() && (!tabStopsOnly || c->TabStop())) return c;
    } while (i != start);
    return nullptr;
}

std::vector<Control*> Form::TabList() const {
    std::vector<Control*> list;
    AppendTabList(top_, list);
    return list;
}

Component* Form::FindComponent(const std::string& name) const {
    if (Control* c = FindControl(name)) return c;
    for (const auto& t : timers_)
        if (t->Name() == name) return t.get();
    return nullptr;
}

Control* Form::FindControl(const std::string& name) const {
    for (const auto& c : controls_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

Control* Form::KeyTarget() const { return active_ && active_->CanFocus() ? active_ : nullptr; }

// Key preview, then the focused control (its handler, then what it does with
// the key), then the form's buttons: Enter and Esc for the default and cancel
// buttons, other characters as accelerators when the control does not take them.
void Form::DispatchKey(char key, bool shift) {
    if (key == VK_TAB) {
        SelectNext(!shift, true);
        return;
    }
    if (keyPreview_ && OnKeyPress) {
        OnKeyPress(*this, key);
        if (key == 0) return;
    }
    Control* c = KeyTarget();  // a disabled control takes no keys
    if (c && (key = c->Accepted(key, true)) == 0) return;
    if (c && c->OnKeyPress) {
        c->OnKeyPress(*c, key);
        if (key == 0) return;
    }
    if (c && c->TakesKey(key)) {
        c->DefaultKey(key);
        return;
    }
    const KeyEffect effect = Route(key, c);
    if (effect.kind == KeyEffect::Kind::Press) effect.target->Click();
}

KeyEffect Form::Route(char key, Control* focus) const {
    using Kind = KeyEffect::Kind;
    const auto pressed = [](GlyphButton* b) { return b ? KeyEffect{Kind::Press, b} : KeyEffect{}; };
    const bool onButton = focus && KindOf(*focus) == ControlKind::Button;
    if (focus && focus->TakesKey(key)) {
        if (onButton) return {Kind::Press, focus};
        if (key == VK_BACK) return {Kind::Erase, focus};
        return {key == VK_ESCAPE ? Kind::Undo : Kind::Type, focus};
    }
    if (key == VK_RETURN) return onButton ? KeyEffect{} : pressed(DefaultOrCancel(true));
    if (key == VK_ESCAPE) return pressed(DefaultOrCancel(false));
    if (!focus || !focus->TakesCharacters()) return pressed(AcceleratorFor(key));
    return {};
}

KeyEffect Form::WhatKeyDoes(char key, bool shift) const {
    if (key == VK_TAB) {
        Control* next = FindNextControl(active_, !shift, true);
        return next && next != KeyTarget() ? KeyEffect{KeyEffect::Kind::Focus, next} : KeyEffect{};
    }
    if (keyPreview_ && OnKeyPress && OnKeyPreviewQuery) {
        switch (OnKeyPreviewQuery(key)) {
            case PreviewEffect::Discard: return {};
            case PreviewEffect::SelectNext: return WhatKeyDoes(VK_TAB);
            case PreviewEffect::PassOn: break;
        }
    }
    Control* c = KeyTarget();
    if (c && (key = c->Accepted(key, false)) == 0) return {};
    if (c && c->OnKeyPress && c->OnKeyPressQuery) key = c->OnKeyPressQuery(key);
    return key == 0 ? KeyEffect{} : Route(key, KeyTarget());
}

KeyEffect Form::WhatKeyDownDoes(uint16_t virtualKey) const {
    Control* c = KeyTarget();
    if (!c) return {};
    if (c->TakesKeyDown(virtualKey)) return {KeyEffect::Kind::Scroll, c};
    if (KindOf(*c) != ControlKind::Button) return {};
    if (virtualKey == VK_UP || virtualKey == VK_LEFT) return WhatKeyDoes(VK_TAB, true);
    if (virtualKey == VK_DOWN || virtualKey == VK_RIGHT) return WhatKeyDoes(VK_TAB);
    return {};
}

void Form::DispatchKeyDown(uint16_t virtualKey) {
    const KeyEffect effect = WhatKeyDownDoes(virtualKey);
    if (effect.kind == KeyEffect::Kind::Scroll)
        effect.target->KeyDown(virtualKey);
    else if (effect.kind == KeyEffect::Kind::Focus)
        SetActiveControl(effect.target);
}

void Form::DispatchClick(Control& c) {
    if (!c.EffectivelyVisible() || !c.EffectivelyEnabled()) return;
    if (c.IsFocusable()) {
        SetActiveControl(&c);
        if (active_ != &c) return;  // the control being left kept the focus
    }
    c.Click();
}

void Form::Activate() {
    Application::Instance().Guarded([this] {
        if (OnActivate) OnActivate(*this);
    });
}

void Form::Adopt(std::unique_ptr<Control> c) {
    Control& added = *c;
    controls_.push_back(std::move(c));
    ChildAdded(added);
}

void Form::ChildAdded(Control& c) {
    std::vector<Control*>& siblings = c.parent_ ? c.parent_->children_ : top_;
    if (Windowed(c)) {
        c.tabOrder_ = static_cast<int>(
            std::count_if(siblings.begin(), siblings.end(), [](const Control* s) { return s->tabOrder_ >= 0; }));
    }
    siblings.push_back(&c);
}

void Form::ControlGone(Control& c) {
    if (active_ == &c) active_ = nullptr;
    if (entered_ == &c) entered_ = nullptr;
    std::vector<Control*>& siblings = c.parent_ ? c.parent_->children_ : top_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &c), siblings.end());
}

GlyphButton* Form::AcceleratorFor(char key) const {
    if (static_cast<unsigned char>(key) < 32) return nullptr;
    const char wanted = cp1252::Cp1252Upper(key);
    for (Control* c : TabList()) {
        auto* b = dynamic_cast<GlyphButton*>(c);
        if (b && b->Accelerator() == wanted && b->EffectivelyVisible() && b->EffectivelyEnabled()) return b;
    }
    return nullptr;
}

GlyphButton* Form::DefaultOrCancel(bool defaultButton) const {
    for (Control* c : TabList()) {
        auto* b = dynamic_cast<GlyphButton*>(c);
        if (!b || !b->EffectivelyVisible() || !b->EffectivelyEnabled()) continue;
        if (defaultButton ? b->Default() : b->Cancel()) return b;
    }
    return nullptr;
}

}  // namespace forms
