#pragma once
// Values the screens were written against: Windows key codes, modal results,
// message box flags and answers. They keep the platform's numbers so the
// screens read as they always did.
#include <cstdint>
#include <string>

namespace forms {

using WindowHandle = uint32_t;
using Color = uint32_t;  // 0x00BBGGRR

// Keys as the key-press handlers see them: a CP1252 character, or one of these.
constexpr char VK_BACK = 8;
constexpr char VK_TAB = 9;
constexpr char VK_RETURN = 13;
constexpr char VK_ESCAPE = 27;

// Keys that move rather than type, by the platform's virtual-key codes. They
// reach the focused control as a key-down (Control::KeyDown), never as a
// character, so they cannot be mistaken for the characters of the same code.
constexpr uint16_t VK_PRIOR = 0x21;  // Page Up
constexpr uint16_t VK_NEXT = 0x22;   // Page Down
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// Message box flags and answers.
constexpr uint32_t MB_OK = 0x0;
constexpr uint32_t MB_YESNO = 0x4;
constexpr uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr uint32_t MB_ICONWARNING = 0x30;
constexpr uint32_t MB_ICONINFORMATION = 0x40;
constexpr uint32_t MB_TOPMOST = 0x40000;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Extended window styles the screens add.
constexpr uint32_t WS_EX_TOPMOST = 0x8;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x80;

enum class Alignment { Left, Right, Center };
enum class CharCase { Normal, Upper, Lower };
enum class Bevel { None, Lowered, Raised };

struct Font {
    std::string name = "MS Sans Serif";
    int size = 8;  // points; a negative value is a height in pixels
    bool bold = false;
    bool italic = false;
    Color color = 0;
};

// What a form asks of its window when it is created.
struct CreateParamsRec {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    WindowHandle wndParent = 0;  // owner window
};

}  // namespace forms
