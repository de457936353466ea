// Stand-in for the programs Instala starts, in the Windows tests: copied
// beside Instala.exe as msiexec.exe and wmic.exe, which the platform finds
// there before its own. Each appends its command line to C:\<name>.log;
// msiexec also reports a finished installation in C:\Windows\InstCliM.ini.
// With ZV_STANDIN_ESPERA naming a file, msiexec says it started
// (C:\msiexec.rodando) and waits until that file appears, so that a second run
// can be tried meanwhile.
// wmic does what the real one does for Instala's "product where name like
// '...' call uninstall": it removes the matching products through Windows
// Installer (Wine's own wmic knows no "product" alias), one log line each.
#include <windows.h>
#include <msi.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

void Append(const std::wstring& path, const std::string& line) {
    HANDLE f = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(f);
}

std::string Narrow(const wchar_t* wide) {
    char buffer[8192] = {};
    ::WideCharToMultiByte(1252, 0, wide, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

std::wstring Upper(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

// WQL's LIKE, without letter case: % any run of characters, _ any one.
bool Like(const wchar_t* text, const wchar_t* pattern) {
    if (*pattern == L'\0') return *text == L'\0';
    if (*pattern == L'%') return Like(text, pattern + 1) || (*text != L'\0' && Like(text + 1, pattern));
    if (*text == L'\0') return false;
    return (*pattern == L'_' || *pattern == *text) && Like(text + 1, pattern + 1);
}

// The quoted pattern of "name like '...'" and the "call uninstall" verb; empty when either is missing.
std::wstring UninstallPattern(const std::wstring& commandLine) {
    const std::wstring upper = Upper(commandLine);
    const std::wstring key = L"NAME LIKE '";
    const size_t start = upper.find(key);
    if (start == std::wstring::npos || upper.find(L"CALL UNINSTALL") == std::wstring::npos) return {};
    const size_t from = start + key.size();
    const size_t end = upper.find(L'\'', from);
    return end == std::wstring::npos ? std::wstring{} : upper.substr(from, end - from);
}

int RemoveProducts(const std::wstring& pattern, const std::wstring& log) {
    struct Product {
        std::wstring code, name;
    };
    std::vector<Product> matches;
    wchar_t code[39];
    for (DWORD i = 0; ::MsiEnumProductsW(i, code) == ERROR_SUCCESS; ++i) {
        wchar_t name[512];
        DWORD size = 512;
        if (::MsiGetProductInfoW(code, L"ProductName", name, &size) != ERROR_SUCCESS) continue;
        if (Like(Upper(name).c_str(), pattern.c_str())) matches.push_back({code, name});
    }
    if (matches.empty()) Append(log, "No Instance(s) Available.\n");
    // Listed first: the list changes as products go.
    ::MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    for (const Product& p : matches) {
        const UINT result = ::MsiConfigureProductW(p.code.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
        Append(log, Narrow(p.name.c_str()) + " " + Narrow(p.code.c_str()) + ": ReturnValue = " +
                        std::to_string(result) + "\n");
    }
    return 0;
}

}  // namespace

int main() {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring name = self;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.find_last_of(L'.'));
    const std::wstring log = L"C:\\" + name + L".log";
    Append(log, Narrow(::GetCommandLineW()) + "\n");
    if (::lstrcmpiW(name.c_str(), L"msiexec") == 0) {
        wchar_t espera[MAX_PATH];
        if (::GetEnvironmentVariableW(L"ZV_STANDIN_ESPERA", espera, MAX_PATH) > 0) {
            Append(L"C:\\msiexec.rodando", "");
            while (::GetFileAttributesW(espera) == INVALID_FILE_ATTRIBUTES) ::Sleep(50);
        }
        ::DeleteFileW(L"C:\\Windows\\InstCliM.ini");
        Append(L"C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
    } else if (::lstrcmpiW(name.c_str(), L"wmic") == 0) {
        const std::wstring pattern = UninstallPattern(::GetCommandLineW());
        if (pattern.empty()) {
            Append(log, "Invalid query.\n");
            return 1;
        }
        return RemoveProducts(pattern, log);
    }
    return 0;
}
