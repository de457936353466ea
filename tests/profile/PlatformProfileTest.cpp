// Our profile functions measured against the platform's own: the same reads
// and writes on generated ini files, through both, compared. Runs where the
// platform's profile API exists (the Windows build, under Wine in the tests).
#include <gtest/gtest.h>
#include <windows.h>
// The platform's ANSI/wide macros would rename our functions of the same names.
#undef GetPrivateProfileString
#undef WritePrivateProfileString
#undef GetPrivateProfileInt

#include <fstream>
#include <string>
#include <vector>

#include "profile/Profile.h"

namespace {

// Where ours departs from the platform on purpose; a difference is allowed
// only for a case that exercises one of these.
enum class Deliberate {
    None,
    RefusedWrite,   // a write that would break a line is refused, not made
    Saturation,     // numbers beyond the int range saturate instead of wrapping
    Cp1252Case,     // CP1252 letters compare without regard to case
};

struct FileVariant {
    std::string name;
    std::string bytes;
};

// The file features the comparison covers, each in CRLF and LF.
std::vector<FileVariant> Files() {
    const std::string longValue(600, 'x');
    const std::vector<FileVariant> base = {
        {"plain", "[Geral]\nVersao=1.2\nPorta=8080\n\n[Outra]\nChave=valor\n"},
        {"comments", "; comentario\n[Geral]\n;Versao=0\nVersao=1.2\n# nao e comentario=1\n"},
        {"quotes", "[Geral]\nA=\"entre aspas\"\nB='simples'\nC=\"so uma\nD=  espacos  \n"},
        {"duplicates", "[Geral]\nA=1\nA=2\n[Outra]\nX=1\n[geral]\nA=3\nB=4\n"},
        {"case", "[GERAL]\nVERSAO=9\nporta=1\n"},
        {"cp1252", "[Se\xC7\xC3O]\nCart\xC3o=D\xC9\x42ITO\nacentua\xE7\xE3o=\xE1\xE9\xED\n"},
        {"long", "[Geral]\nLonga=" + longValue + "\nCurta=1\n"},
        {"numbers", "[N]\nA=42abc\nB=-17\nC=+3\nD=abc\nE=\nF=99999999999999999999\nG= 12\n"},
        {"bom", "\xEF\xBB\xBF[Geral]\nVersao=1.2\n"},
    };
    std::vector<FileVariant> all;
    for (const FileVariant& v : base) {
        all.push_back({v.name + "-lf", v.bytes});
        std::string crlf;
        for (char c : v.bytes) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        all.push_back({v.name + "-crlf", crlf});
        // The same text as UTF-16LE with its byte-order mark, as some tools save it.
        if (v.name == "bom") continue;
        const int n = ::MultiByteToWideChar(1252, 0, crlf.data(), static_cast<int>(crlf.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        ::MultiByteToWideChar(1252, 0, crlf.data(), static_cast<int>(crlf.size()), wide.data(), n);
        std::string utf16 = "\xFF\xFE";
        for (wchar_t w : wide) utf16 += std::string{static_cast<char>(w & 0xFF), static_cast<char>((w >> 8) & 0xFF)};
        all.push_back({v.name + "-utf16", utf16});
    }
    return all;
}

struct Read {
    const char* section;
    const char* key;
};

const std::vector<Read> kReads = {
    {"Geral", "Versao"}, {"geral", "VERSAO"}, {" Geral ", " Versao "}, {"Geral", "Porta"}, {"Outra", "Chave"},
    {"Geral", "A"},      {"Geral", "B"},      {"Geral", "C"},          {"Geral", "D"},     {"Geral", "Ausente"},
    {"Ausente", "A"},    {"Outra", "X"},      {"GERAL", "porta"},      {"Se\xE7\xE3o", "cart\xE3o"},
    {"SE\xC7\xC3O", "ACENTUA\xC7\xC3O"},      {"Geral", "Longa"},      {"Geral", "Curta"},
    {"N", "A"}, {"N", "B"}, {"N", "C"}, {"N", "D"}, {"N", "E"}, {"N", "F"}, {"N", "G"},
};

struct Write {
    const char* section;
    const char* key;
    const char* value;
    Deliberate rule;
};

const std::vector<Write> kWrites = {
    {"Geral", "Versao", "2.0", Deliberate::None},        {"geral", "NOVA", "x", Deliberate::None},
    {" Geral ", " Versao ", "3.0", Deliberate::None},    {"Nova Secao", "K", "v", Deliberate::None},
    {"Geral", "Vazia", "", Deliberate::None},            {"Geral", "Espacos", "  a b  ", Deliberate::None},
    {"Geral", "Quebra", "a\r\nb", Deliberate::RefusedWrite},
    {"Se]cao", "K", "v", Deliberate::RefusedWrite},      {"Geral", "K=1", "v", Deliberate::RefusedWrite},
};

std::string Folder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    char narrow[MAX_PATH * 2];
    ::WideCharToMultiByte(CP_ACP, 0, temp, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::string Save(const std::string& name, const std::string& bytes) {
    static int serial = 0;
    const std::string path = Folder() + "zvcmp-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(++serial) + "-" + name + ".ini";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string PlatformString(const Read& r, const char* dflt, const std::string& path) {
    char buffer[4096] = {};
    ::GetPrivateProfileStringA(r.section, r.key, dflt, buffer, sizeof buffer, path.c_str());
    return buffer;
}

// One difference found: where, what each side answered, and the rule that allows it.
struct Difference {
    std::string where, ours, platform;
    Deliberate rule;
};

Deliberate RuleOf(const Read& r) {
    if (std::string(r.section) == "N" && std::string(r.key) == "F") return Deliberate::Saturation;
    // The names of these reads match the file's only when CP1252 letters fold.
    for (const char* c = r.section; *c; ++c)
        if (static_cast<unsigned char>(*c) >= 0xC0) return Deliberate::Cp1252Case;
    return Deliberate::None;
}

void CompareReads(const FileVariant& f, std::vector<Difference>& found) {
    const std::string path = Save(f.name, f.bytes);
    for (const Read& r : kReads) {
        const std::string where = f.name + " [" + r.section + "] " + r.key;
        const std::string ours = profile::GetPrivateProfileString(r.section, r.key, "dflt  ", path);
        const std::string theirs = PlatformString(r, "dflt  ", path);
        if (ours != theirs) found.push_back({where + " (string)", ours, theirs, RuleOf(r)});
        const int oursInt = profile::GetPrivateProfileInt(r.section, r.key, -5, path);
        const int theirsInt = static_cast<int>(::GetPrivateProfileIntA(r.section, r.key, -5, path.c_str()));
        if (oursInt != theirsInt)
            found.push_back({where + " (int)", std::to_string(oursInt), std::to_string(theirsInt), RuleOf(r)});
    }
    ::DeleteFileA(path.c_str());
}

// Each side writes its own copy; then the platform reads both copies back: a
// write ours loses or misplaces reads differently.
void CompareWrites(const FileVariant& f, std::vector<Difference>& found) {
    for (const Write& w : kWrites) {
        const std::string where = f.name + " write [" + w.section + "] " + w.key;
        const std::string oursPath = Save(f.name, f.bytes), theirsPath = Save(f.name, f.bytes);
        const bool oursOk = profile::WritePrivateProfileString(w.section, w.key, w.value, oursPath);
        const bool theirsOk = ::WritePrivateProfileStringA(w.section, w.key, w.value, theirsPath.c_str()) != 0;
        const Deliberate rule = w.rule;
        if (oursOk != theirsOk) found.push_back({where + " (result)", std::to_string(oursOk), std::to_string(theirsOk), rule});
        std::vector<Read> reads = kReads;
        reads.push_back({w.section, w.key});
        for (const Read& r : reads) {
            const std::string a = PlatformString(r, "", oursPath), b = PlatformString(r, "", theirsPath);
            if (a != b) found.push_back({where + " then [" + r.section + "] " + r.key, a, b, rule});
        }
        ::DeleteFileA(oursPath.c_str());
        ::DeleteFileA(theirsPath.c_str());
    }
}

}  // namespace

TEST(ProfileAgainstPlatform, EveryDifferenceLeftIsDeliberate) {
    std::vector<Difference> found;
    for (const FileVariant& f : Files()) {
        CompareReads(f, found);
        CompareWrites(f, found);
    }
    int byRule[4] = {};
    for (const Difference& d : found) {
        ++byRule[static_cast<int>(d.rule)];
        if (d.rule == Deliberate::None)
            ADD_FAILURE() << d.where << ": ours \"" << d.ours << "\", the platform's \"" << d.platform << "\"";
    }
    std::printf("profile comparison: %zu differences: %d refused writes, %d saturations, %d CP1252 case, "
                "%d not deliberate\n",
                found.size(), byRule[1], byRule[2], byRule[3], byRule[0]);
}
