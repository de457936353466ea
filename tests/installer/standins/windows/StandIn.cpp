// Stand-in for the programs Instala starts, in the Windows tests: copied
// beside Instala.exe as msiexec.exe and wmic.exe, which the platform finds
// there before its own. Each appends its command line to C:\<name>.log;
// msiexec also reports a finished installation in C:\Windows\InstCliM.ini.
// With ZV_STANDIN_ESPERA naming a file, msiexec says it started
// (C:\msiexec.rodando) and waits until that file appears, so that a second run
// can be tried meanwhile.
#include <windows.h>

#include <string>

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

}  // namespace

int main() {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring name = self;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.find_last_of(L'.'));
    Append(L"C:\\" + name + L".log", Narrow(::GetCommandLineW()) + "\n");
    if (::lstrcmpiW(name.c_str(), L"msiexec") == 0) {
        wchar_t espera[MAX_PATH];
        if (::GetEnvironmentVariableW(L"ZV_STANDIN_ESPERA", espera, MAX_PATH) > 0) {
            Append(L"C:\\msiexec.rodando", "");
            while (::GetFileAttributesW(espera) == INVALID_FILE_ATTRIBUTES) ::Sleep(50);
        }
        ::DeleteFileW(L"C:\\Windows\\InstCliM.ini");
        Append(L"C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
    }
    return 0;
}
