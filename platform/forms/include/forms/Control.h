#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/Component.h"
#include "forms/ControlVisitor.h"
#include "forms/Types.h"

namespace forms {

class Form;

// A visual control placed on a form, possibly inside a container (panel).
class Control : public Component {
public:
    Control(Form& form, Control* parent, std::string name);
    ~Control() override;

    Form& OwnerForm() const { return form_; }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }

    // Geometry in pixels, relative to the parent.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e) { enabled_ = e; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool t) { tabStop_ = t; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);  // renumbers siblings as the platform does

    // Visible and enabled up the parent chain.
    bool EffectivelyVisible() const;
    bool EffectivelyEnabled() const;
    // Can take the focus now: a focusable kind, visible and enabled up to the form.
    bool CanFocus() const;
    // The kind of control that can ever hold the focus (edits, buttons, memos).
    virtual bool IsFocusable() const { return false; }
    // Whether the control takes typed characters (an edit does, a button does not).
    virtual bool TakesCharacters() const { return false; }
    // Containers hold other controls (panels).
    virtual bool IsContainer() const { return false; }
    // Hands the control to the visitor as its own kind.
    virtual void Accept(ControlVisitor& v) const { v.Visit(*this); }
    bool Focused() const;
    void SetFocus();  // moves the form's focus here (fires exit and enter)

    std::string Caption() const { return caption_; }
    void SetCaption(std::string c) { caption_ = std::move(c); }
    Font& GetFont() { return font_; }
    const Font& GetFont() const { return font_; }
    void SetFont(Font f) { font_ = std::move(f); }
    Color GetColor() const { return color_; }
    void SetColor(Color c) { color_ = c; }

    // Events. Exit runs while the form's active control already names the
    // control that receives the focus.
    std::function<void(Control& sender)> OnEnter;
    std::function<void(Control& sender)> OnExit;
    // May replace the key or discard it by setting it to 0.
    std::function<void(Control& sender, char& key)> OnKeyPress;
    // What OnKeyPress turns a key into (0: discarded), declared from the
    // handler's own rule; unset, the handler passes every key on.
    std::function<char(char key)> OnKeyPressQuery;
    std::function<void(Control& sender)> OnClick;

    // What the control does with a key nobody discarded.
    virtual void DefaultKey(char key) { (void)key; }
    // Whether DefaultKey acts on the key as things stand: the form routes a
    // key the control does not take on to its buttons.
    virtual bool TakesKey(char key) const { (void)key; return false; }
    // The key as the control's declared rule takes it (0: refused), before
    // its OnKeyPress handler sees it; `typed` when the operator really typed
    // it, not when the form only asks what it would do.
    virtual char Accepted(char key, bool typed) { (void)typed; return key; }
    // A key that moves rather than types (VK_UP, VK_NEXT, ...) while the
    // control has the focus, and whether it moves anything now.
    virtual void KeyDown(uint16_t virtualKey) { (void)virtualKey; }
    virtual bool TakesKeyDown(uint16_t virtualKey) const { (void)virtualKey; return false; }
    // The focus has just arrived here (before OnEnter runs).
    virtual void FocusReceived() {}
    // A click: runs OnClick (a disabled control ignores it at dispatch).
    virtual void Click();

private:
    friend class Form;
    Form& form_;
    Control* parent_;
    std::vector<Control*> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    int tabOrder_ = -1;
    std::string caption_;
    Font font_;
    Color color_ = 0x00FFFFFF;
};

}  // namespace forms
