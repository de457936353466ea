#pragma once
// windows.h for the backend's sources. Its macros that share names with the
// form model's constants (which keep the platform's values) and methods are
// taken back, so both read as written.
#include <windows.h>

#include <string>

#include "port/Os.h"

#undef MessageBox
#undef VK_BACK
#undef VK_TAB
#undef VK_RETURN
#undef VK_ESCAPE
#undef VK_PRIOR
#undef VK_NEXT
#undef VK_END
#undef VK_HOME
#undef VK_LEFT
#undef VK_UP
#undef VK_RIGHT
#undef VK_DOWN
#undef MB_OK
#undef MB_YESNO
#undef MB_ICONEXCLAMATION
#undef MB_ICONWARNING
#undef MB_ICONINFORMATION
#undef MB_TOPMOST
#undef IDOK
#undef IDYES
#undef IDNO
#undef WS_EX_TOPMOST
#undef WS_EX_TOOLWINDOW

namespace forms::win32 {

inline std::wstring Wide(const std::string& cp1252) { return port::WideFromCp1252(cp1252); }

// 0 when the character has no CP1252 code (the model could not hold it).
inline char Narrow(wchar_t ch) {
    char c = 0;
    BOOL lossy = FALSE;
    if (::WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &ch, 1, &c, 1, nullptr, &lossy) != 1 || lossy) return 0;
    return c;
}

}  // namespace forms::win32
