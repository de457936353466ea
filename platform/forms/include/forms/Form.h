#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Component.h"
#include "forms/Control.h"
#include "forms/KeyEffect.h"
#include "forms/Timer.h"
#include "forms/Types.h"

namespace forms {

class GlyphButton;

// A top-level window with its controls. Screens derive from it and build their
// controls in their constructor; Application::Create runs OnCreate afterwards.
class Form : public Component {
public:
    explicit Form(std::string name);
    ~Form() override;

    // Creates a control owned by this form, inside `parent` (nullptr = the form).
    template <class T>
    T& Add(std::string name, Control* parent = nullptr) {
        auto owned = std::make_unique<T>(*this, parent, std::move(name));
        T& ref = *owned;
        Adopt(std::move(owned));
        return ref;
    }
    Timer& AddTimer(std::string name);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string c) { caption_ = std::move(c); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The size it is shown at: its own, or the package screens' size when it
    // sets none.
    static constexpr int kDefaultWidth = 622, kDefaultHeight = 422;
    int ShownWidth() const { return width_ > 0 ? width_ : kDefaultWidth; }
    int ShownHeight() const { return height_ > 0 ? height_ : kDefaultHeight; }
    void SetSize(int width, int height) { width_ = width; height_ = height; }
    Color GetColor() const { return color_; }
    void SetColor(Color c) { color_ = c; }
    Font& GetFont() { return font_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool k) { keyPreview_ = k; }
    bool Borderless() const { return borderless_; }
    void SetBorderless(bool b) { borderless_ = b; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool s) { stayOnTop_ = s; }

    // The window: created on first use, running CreateParams once.
    WindowHandle Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    uint32_t ExStyle() const { return params_.exStyle; }
    void SetExStyle(uint32_t ex) { params_.exStyle = ex; }
    WindowHandle OwnerWindow() const { return params_.wndParent; }
    virtual void CreateParams(CreateParamsRec& params) { (void)params; }

    // Modal run: returns the modal result once it is non-zero.
    int ShowModal();
    bool Showing() const { return showing_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    void Close() { SetModalResult(mrCancel); }

    // Focus.
    Control* ActiveControl() const { return active_; }
    // Moves the focus: old control's exit, then the new control's enter.
    // Leaving a masked edit with a required position empty raises MaskError
    // to the error handler and the focus stays. While the form is not showing
    // only the name is recorded; the enter runs when the form is shown. A
    // control that cannot take the focus is refused with an exception, as the
    // platform refuses it.
    void SetActiveControl(Control* c);
    bool CanFocus() const { return true; }
    void SetFocus();
    void SelectFirst();
    void SelectNext(bool forward, bool tabStopsOnly);
    // The next control in tab order from `from` (the search wraps; nullptr when none qualifies).
    Control* FindNextControl(Control* from, bool forward, bool tabStopsOnly) const;
    // All controls in tab order, depth first through containers.
    std::vector<Control*> TabList() const;

    Component* FindComponent(const std::string& name) const;
    Control* FindControl(const std::string& name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    const std::vector<Control*>& TopControls() const { return top_; }
    const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }

    // Events.
    std::function<void(Form& sender)> OnCreate;
    std::function<void(Form& sender)> OnShow;
    std::function<void(Form& sender)> OnActivate;
    std::function<void(Form& sender, char& key)> OnKeyPress;
    // What OnKeyPress does with a key when key preview is on, declared from
    // the handler's own rule; unset, the preview passes every key on.
    std::function<PreviewEffect(char key)> OnKeyPreviewQuery;
    std::function<void(Form& sender)> OnDestroy;

    // Routing of one key to this form: key preview, the focused control's
    // handler and default action, then buttons as accelerators. Tab moves the
    // focus on, Shift+Tab back.
    void DispatchKey(char key, bool shift = false);
    // A moving key goes to the focused control; on a button, Up and Left
    // move the focus back and Down and Right on, as Shift+Tab and Tab do.
    void DispatchKeyDown(uint16_t virtualKey);
    // What a key would do now, by the same routing, without running a handler
    // (key preview answers through OnKeyPreviewQuery).
    KeyEffect WhatKeyDoes(char key, bool shift = false) const;
    KeyEffect WhatKeyDownDoes(uint16_t virtualKey) const;
    void DispatchClick(Control& c);
    void Activate();

private:
    friend class Application;
    friend class Control;
    void Adopt(std::unique_ptr<Control> c);
    void ChildAdded(Control& c);
    void ControlGone(Control& c);
    // The control that takes keys now: the active one, when it can.
    Control* KeyTarget() const;
    // What the focused control and the buttons do with a key the handlers left.
    KeyEffect Route(char key, Control* focus) const;
    GlyphButton* AcceleratorFor(char key) const;
    GlyphButton* DefaultOrCancel(bool defaultButton) const;
    void MoveFocus(Control* c);
    void FocusOnShow();

    std::string caption_;
    int width_ = 0, height_ = 0;
    Color color_ = 0x00C0C0C0;
    Font font_;
    bool keyPreview_ = false;
    bool borderless_ = false;
    bool stayOnTop_ = false;
    WindowHandle handle_ = 0;
    CreateParamsRec params_;
    bool showing_ = false;
    int modalResult_ = mrNone;
    Control* active_ = nullptr;
    Control* entered_ = nullptr;  // the control whose enter has run (exit is owed to it)
    unsigned focusMoves_ = 0;     // tells a focus move that a handler moved the focus again
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> top_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace forms
