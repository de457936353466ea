#include "WindowSet.h"

#include <algorithm>

#include "forms/Application.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Memo.h"

namespace forms::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"ZentravelaForm";
constexpr wchar_t kControlClass[] = L"ZentravelaControl";

// The module that holds this code (the package's DLL, or a program).
HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

void RegisterClasses() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = ThisModule();
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    if (!::GetClassInfoExW(wc.hInstance, kFormClass, &wc)) {
        wc.lpfnWndProc = WindowSet::FormProc;
        wc.lpszClassName = kFormClass;
        ::RegisterClassExW(&wc);
    }
    if (!::GetClassInfoExW(wc.hInstance, kControlClass, &wc)) {
        wc.lpfnWndProc = WindowSet::ControlProc;
        wc.lpszClassName = kControlClass;
        ::RegisterClassExW(&wc);
    }
}

// The window's whole client area, painted by `paint` between the platform's begin and end.
template <class Paint>
void PaintWith(HWND hwnd, Paint paint) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT r;
    ::GetClientRect(hwnd, &r);
    paint(dc, r);
    ::EndPaint(hwnd, &ps);
}

WindowSet* SetOf(HWND hwnd) { return reinterpret_cast<WindowSet*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// Pictures are only descriptions in the form model: nothing to draw.
bool Drawn(const Control& c) { return KindOf(c) != ControlKind::Image; }

}  // namespace

WindowSet::WindowSet() { RegisterClasses(); }

WindowSet::~WindowSet() {
    while (!windows_.empty()) {
        Forget(windows_.back());
        windows_.pop_back();
    }
}

HWND WindowSet::Top() const { return windows_.empty() ? nullptr : windows_.back().hwnd; }

void WindowSet::Forget(FormWindow& w) {
    if (w.hwnd) ::DestroyWindow(w.hwnd);  // its control windows go with it
    w.hwnd = nullptr;
    w.controls.clear();
}

void WindowSet::Sync(Application& app) {
    app_ = &app;
    const std::vector<Form*>& stack = app.ModalStack();
    // Windows of forms that left the stack (or were replaced) go, top first.
    size_t keep = 0;
    while (keep < windows_.size() && keep < stack.size() && windows_[keep].form == stack[keep] &&
           windows_[keep].id == stack[keep]->Handle())
        ++keep;
    while (windows_.size() > keep) {
        Forget(windows_.back());
        windows_.pop_back();
    }
    for (size_t i = 0; i < stack.size(); ++i) {
        const HWND below = i == 0 ? nullptr : windows_[i - 1].hwnd;
        if (i == windows_.size()) windows_.push_back(FormWindow{stack[i]->Handle(), nullptr, stack[i], {}});
        SyncForm(app, *stack[i], i + 1 == stack.size(), below);
    }
}

HWND WindowSet::CreateFormWindow(Form& f, HWND owner) {
    const int width = f.ShownWidth();
    const int height = f.ShownHeight();
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | (f.Borderless() ? 0 : WS_CAPTION | WS_SYSMENU);
    const DWORD exStyle = f.ExStyle() | (f.StayOnTop() ? 0x8u /* topmost */ : 0u);
    const int x = std::max(0, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    const int y = std::max(0, (::GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    HWND hwnd = ::CreateWindowExW(exStyle, kFormClass, Wide(f.Caption()).c_str(), style, x, y, width, height, owner,
                                  nullptr, ThisModule(), nullptr);
    if (hwnd) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return hwnd;
}

void WindowSet::SyncForm(Application& app, Form& f, bool top, HWND below) {
    (void)app;
    FormWindow& w = *std::find_if(windows_.begin(), windows_.end(), [&f](const FormWindow& x) { return x.form == &f; });
    if (!w.hwnd) {
        // The owner is the client's window where the model names a real one,
        // else the form this one was opened over.
        HWND owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(f.OwnerWindow()));
        if (!owner || !::IsWindow(owner)) owner = below;
        w.hwnd = CreateFormWindow(f, owner);
        if (!w.hwnd) return;
        ::ShowWindow(w.hwnd, SW_SHOW);
    }
    // The forms under a modal one take no input, as the platform's modal loop has it.
    if (static_cast<bool>(::IsWindowEnabled(w.hwnd)) != top) ::EnableWindow(w.hwnd, top);
    SyncControls(w, top);
    if (top && ::GetForegroundWindow() != w.hwnd && ::GetActiveWindow() != w.hwnd) ::SetForegroundWindow(w.hwnd);
}

WindowSet::Look WindowSet::LookOf(const Control& c, bool focused) {
    Look look;
    look.visible = c.Visible();
    look.enabled = c.EffectivelyEnabled();
    look.focused = focused;
    look.left = c.Left();
    look.top = c.Top();
    look.width = c.Width();
    look.height = c.Height();
    look.color = c.GetColor();
    look.text = c.Caption();
    // What each kind shows beyond its caption.
    struct Kinds final : ControlVisitor {
        Look& look;
        explicit Kinds(Look& l) : look(l) {}
        void Visit(const Label& label) override {
            // The label's window covers what it shows: grown to its caption.
            const Label::Extent shown = label.Shown();
            look.left = shown.left;
            look.width = shown.width;
        }
        void Visit(const Edit& e) override {
            look.text = e.DisplayText();
            look.caret = e.SelStart();
            look.selection = e.SelLength();
        }
        void Visit(const GlyphButton& b) override { look.framed = b.Framed(); }
        void Visit(const Memo& m) override {
            for (const std::string& line : m.Lines()) look.text += line + "\n";
            look.caret = m.TopLine();
        }
    } kinds(look);
    c.Accept(kinds);
    return look;
}

void WindowSet::SyncControls(FormWindow& w, bool top) {
    Form& f = *w.form;
    // Windows of controls the form no longer has go first.
    for (auto it = w.controls.begin(); it != w.controls.end();) {
        const bool present = std::any_of(f.Controls().begin(), f.Controls().end(),
                                         [&](const auto& owned) { return owned.get() == it->first; });
        if (present) {
            ++it;
            continue;
        }
        ::DestroyWindow(it->second.hwnd);
        it = w.controls.erase(it);
    }
    Control* focusedControl = top && f.ActiveControl() && f.ActiveControl()->CanFocus() ? f.ActiveControl() : nullptr;
    HWND focusWindow = nullptr;
    // Controls come in creation order, so a container's window exists before its children's.
    for (const auto& owned : f.Controls()) {
        Control& c = *owned;
        if (!Drawn(c)) continue;
        HWND parent = w.hwnd;
        if (c.Parent()) {
            auto p = w.controls.find(c.Parent());
            if (p != w.controls.end()) parent = p->second.hwnd;
        }
        ControlWindow& cw = w.controls[&c];
        if (cw.hwnd && cw.parent != parent) {
            ::DestroyWindow(cw.hwnd);
            cw = ControlWindow{};
        }
        const Look look = LookOf(c, &c == focusedControl);
        if (!cw.hwnd) {
            cw.hwnd = ::CreateWindowExW(0, kControlClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                        look.left, look.top, look.width, look.height, parent, nullptr, ThisModule(),
                                        nullptr);
            if (!cw.hwnd) continue;
            ::SetWindowLongPtrW(cw.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            cw.parent = parent;
            cw.look = Look{};
            cw.look.visible = !look.visible;  // forces the first placement
        }
        if (look != cw.look) {
            if (look.left != cw.look.left || look.top != cw.look.top || look.width != cw.look.width ||
                look.height != cw.look.height)
                ::MoveWindow(cw.hwnd, look.left, look.top, look.width, look.height, FALSE);
            if (look.visible != cw.look.visible) ::ShowWindow(cw.hwnd, look.visible ? SW_SHOWNA : SW_HIDE);
            if (look.enabled != cw.look.enabled) ::EnableWindow(cw.hwnd, look.enabled);
            ::InvalidateRect(cw.hwnd, nullptr, TRUE);
            cw.look = look;
        }
        if (&c == focusedControl) focusWindow = cw.hwnd;
    }
    if (!top) return;
    // The platform's focus follows the model's: keys arrive where the model expects them.
    HWND want = focusWindow ? focusWindow : w.hwnd;
    if (::GetFocus() != want) ::SetFocus(want);
}

void WindowSet::Update() {
    for (const FormWindow& w : windows_)
        if (w.hwnd) ::RedrawWindow(w.hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Input goes to the application's queue: the model routes it (key preview,
// the focused control, accelerators), as on every backend.
void WindowSet::Post(HWND hwnd, UINT msg, WPARAM wp) {
    if (!app_) return;
    if (msg == WM_CHAR) {
        // Shift+Tab arrives as a tab; the shift key says it moves back.
        const bool back = wp == L'\t' && ::GetKeyState(VK_SHIFT) < 0;
        if (const char key = Narrow(static_cast<wchar_t>(wp))) app_->PostKey(key, back);
        return;
    }
    if (msg == WM_KEYDOWN) {
        // Only the moving keys: the others arrive again as characters.
        for (const uint16_t vk : {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
            if (wp == vk) app_->PostKeyDown(vk);
        return;
    }
    for (const FormWindow& w : windows_)
        for (const auto& [control, cw] : w.controls)
            if (cw.hwnd == hwnd && w.form == app_->ActiveForm()) app_->PostClick(control->Name());
}

LRESULT CALLBACK WindowSet::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowSet* set = SetOf(hwnd);
    switch (msg) {
        case WM_CHAR:
        case WM_KEYDOWN:
            if (set) set->Post(hwnd, msg, wp);
            return 0;
        case WM_CLOSE:
            return 0;  // the screens close themselves
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintWith(hwnd, [&](HDC dc, const RECT& r) {
                if (set)
                    for (const FormWindow& w : set->windows_)
                        if (w.hwnd == hwnd) set->painter_.PaintForm(dc, r, *w.form);
            });
            return 0;
        default:
            return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK WindowSet::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowSet* set = SetOf(hwnd);
    switch (msg) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_LBUTTONUP:
            if (set) set->Post(hwnd, msg, wp);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintWith(hwnd, [&](HDC dc, const RECT& r) {
                if (set)
                    for (const FormWindow& w : set->windows_)
                        for (const auto& [control, cw] : w.controls)
                            if (cw.hwnd == hwnd) set->painter_.Paint(dc, r, *control, cw.look.focused);
            });
            return 0;
        default:
            return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace forms::win32
