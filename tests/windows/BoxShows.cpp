// What a box of the package's window shows, read back from the screen: the
// box with the focus in the window titled FORM, at X Y of that window and W x H
// in size, must show the end of TEXT with the caret right after its last
// character and inside the box. Each end of TEXT that fits whole with its caret
// is drawn as the box draws itself, in the box's font, and one of them must
// match the screen pixel for pixel: a box that does not scroll shows the start
// of TEXT instead, and its caret is past its edge.
//   box-shows FORM X Y W H TEXT POINTS FACE [SHOT.bmp]
// SHOT.bmp keeps the pixels read, for a failure's diagnosis.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kFormClass[] = L"ZentravelaForm";
constexpr wchar_t kControlClass[] = L"ZentravelaControl";

int Fail(const wchar_t* what) {
    std::fwprintf(stderr, L"box-shows: %ls\n", what);
    return 1;
}

// The font the window creates for the box (points at 96 pixels an inch).
HFONT BoxFont(int points, const wchar_t* face) {
    return ::CreateFontW(-::MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// A top-down 32-bit picture of the box, drawn into or copied onto.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = ::SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    bool Ready() const { return bits_ != nullptr; }
    bool SameAs(const Canvas& other) const {
        ::GdiFlush();
        for (int i = 0; i < width_ * height_; ++i)
            if ((bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF)) return false;
        return true;
    }
    void Save(const wchar_t* path) const {
        ::GdiFlush();
        BITMAPINFOHEADER header{sizeof header, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const DWORD size = static_cast<DWORD>(width_ * height_ * 4);
        BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof header) + size, 0, 0,
                              static_cast<DWORD>(sizeof file + sizeof header)};
        if (FILE* out = _wfopen(path, L"wb")) {
            std::fwrite(&file, sizeof file, 1, out);
            std::fwrite(&header, sizeof header, 1, out);
            std::fwrite(bits_, size, 1, out);
            std::fclose(out);
        }
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

void Fill(HDC dc, RECT r, COLORREF c) {
    HBRUSH brush = ::CreateSolidBrush(c);
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
}

// An enabled box as the window draws it: white inside a sunken edge, the text
// two pixels in, the caret two pixels wide after it. False when the text and
// its caret do not fit inside the box.
bool DrawBox(HDC dc, int width, int height, HFONT font, const std::wstring& text) {
    RECT r{0, 0, width, height};
    Fill(dc, r, RGB(255, 255, 255));
    ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    r.left += 2;
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const LONG caret = r.left + extent.cx;
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    Fill(dc, RECT{caret, r.top + 2, caret + 2, r.bottom - 2}, RGB(0, 0, 0));
    ::SelectObject(dc, old);
    return caret + 2 <= r.right;
}

// The window with the keyboard focus in the thread that owns `form`.
HWND FocusOf(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(form, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 9 || argc > 10) return Fail(L"usage: box-shows FORM X Y W H TEXT POINTS FACE [SHOT.bmp]");
    const wchar_t* title = argv[1];
    const int x = _wtoi(argv[2]), y = _wtoi(argv[3]), width = _wtoi(argv[4]), height = _wtoi(argv[5]);
    const std::wstring text = argv[6];
    HWND form = ::FindWindowW(kFormClass, title);
    if (!form) return Fail(L"no form's window has that title");
    HWND box = FocusOf(form);
    wchar_t className[64] = {};
    if (box) ::GetClassNameW(box, className, 64);
    if (!box || !::IsChild(form, box) || std::wcscmp(className, kControlClass) != 0)
        return Fail(L"no control of the form has the focus");
    RECT formRect{}, boxRect{};
    ::GetWindowRect(form, &formRect);
    ::GetWindowRect(box, &boxRect);
    if (boxRect.left - formRect.left != x || boxRect.top - formRect.top != y || boxRect.right - boxRect.left != width ||
        boxRect.bottom - boxRect.top != height) {
        std::fwprintf(stderr, L"box-shows: the focused control is at %ld %ld, %ld x %ld\n",
                      boxRect.left - formRect.left, boxRect.top - formRect.top, boxRect.right - boxRect.left,
                      boxRect.bottom - boxRect.top);
        return 1;
    }

    // What the screen shows there, as the operator sees it.
    Canvas shown(width, height);
    HDC screen = ::GetDC(nullptr);
    const bool read = shown.Ready() && ::BitBlt(shown.Dc(), 0, 0, width, height, screen, boxRect.left, boxRect.top,
                                                SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    if (!read) return Fail(L"the screen could not be read");
    if (argc == 10) shown.Save(argv[9]);

    HFONT font = BoxFont(_wtoi(argv[7]), argv[8]);
    Canvas drawn(width, height);
    int found = -1;
    for (size_t first = 0; first < text.size() && found < 0; ++first)
        if (DrawBox(drawn.Dc(), width, height, font, text.substr(first)) && drawn.SameAs(shown))
            found = static_cast<int>(first);
    ::DeleteObject(font);
    if (found < 0) return Fail(L"the box shows no end of the text with the caret after it inside the box");
    std::wprintf(L"box-shows: the box shows \"%ls\" of %d characters, the caret after it\n",
                 text.substr(static_cast<size_t>(found)).c_str(), static_cast<int>(text.size()));
    return 0;
}
