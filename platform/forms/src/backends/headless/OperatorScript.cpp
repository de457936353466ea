#include <charconv>
#include <fstream>
#include <sstream>

#include "cp1252/Cp1252.h"
#include "forms/Types.h"
#include "forms/backends/HeadlessBackend.h"
#include "port/Os.h"

namespace forms {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = cp1252::Cp1252Lower(c);
    return s;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

// Words of an action without free text; a " #" ends the line.
std::vector<std::string> Words(const std::string& rest) {
    std::string body = rest;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '#' && (i == 0 || body[i - 1] == ' ' || body[i - 1] == '\t')) {
            body.resize(i);
            break;
        }
    }
    std::vector<std::string> words;
    std::istringstream in(body);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

class LineParser {
public:
    LineParser(const std::string& file, int line) : file_(file), line_(line) {}

    [[noreturn]] void Fail(const std::string& problem) const {
        throw ScriptError(file_ + ":" + std::to_string(line_) + ": " + problem);
    }

    std::string OneName(const std::string& action, const std::string& rest) const {
        const std::vector<std::string> w = Words(rest);
        if (w.size() != 1) Fail(action + " needs one control or form name");
        return w[0];
    }

    char Key(const std::string& rest) const {
        const std::vector<std::string> w = Words(rest);
        if (w.size() != 1)
            Fail("key needs one key name (Enter, Tab, Backspace, Esc, Space, Up, Down, Left, Right, PgUp, PgDn, Home, End or a "
                 "character)");
        const std::string name = Lower(w[0]);
        if (name == "enter" || name == "return") return VK_RETURN;
        if (name == "tab") return VK_TAB;
        if (name == "backspace") return VK_BACK;
        if (name == "esc" || name == "escape") return VK_ESCAPE;
        if (name == "space") return ' ';
        const std::string single = cp1252::Utf8ToCp1252(w[0]);
        if (single.size() == 1) return single[0];
        Fail("unknown key '" + w[0] + "' (Enter, Tab, Backspace, Esc, Space, Up, Down, Left, Right, PgUp, PgDn, Home, End or one "
             "character)");
    }

    // A moving key by its name, 0 when the name is no moving key.
    static uint16_t MovingKey(const std::string& rest) {
        const std::vector<std::string> w = Words(rest);
        if (w.size() != 1) return 0;
        const std::string name = Lower(w[0]);
        if (name == "up") return VK_UP;
        if (name == "down") return VK_DOWN;
        if (name == "left") return VK_LEFT;
        if (name == "right") return VK_RIGHT;
        if (name == "pgup" || name == "pageup") return VK_PRIOR;
        if (name == "pgdn" || name == "pagedown") return VK_NEXT;
        if (name == "home") return VK_HOME;
        if (name == "end") return VK_END;
        return 0;
    }

    int64_t Millis(const std::string& rest) const {
        const std::vector<std::string> w = Words(rest);
        if (w.size() != 1) Fail("wait needs a number of milliseconds");
        int64_t ms = 0;
        const auto [end, ec] = std::from_chars(w[0].data(), w[0].data() + w[0].size(), ms);
        if (ec != std::errc() || end != w[0].data() + w[0].size() || ms < 0)
            Fail("wait needs a number of milliseconds, not '" + w[0] + "'");
        return ms;
    }

    std::string Answer(const std::string& rest) const {
        const std::vector<std::string> w = Words(rest);
        const std::string a = w.size() == 1 ? Lower(w[0]) : "";
        if (a != "ok" && a != "yes" && a != "no") Fail("answer needs ok, yes or no");
        return a;
    }

    ScriptAction Parse(const std::string& command, const std::string& rest) const {
        ScriptAction a;
        a.line = line_;
        using K = ScriptAction::Kind;
        if (command == "type") {
            if (rest.empty()) Fail("type needs a text");
            a.kind = K::Type;
            a.arg = cp1252::Utf8ToCp1252(rest);
        } else if (command == "key") {
            a.kind = K::Key;
            a.virtualKey = MovingKey(rest);
            a.shift = Words(rest).size() == 1 && Lower(Words(rest)[0]) == "shift+tab";
            if (a.shift)
                a.arg = std::string(1, VK_TAB);
            else if (a.virtualKey == 0)
                a.arg = std::string(1, Key(rest));
        } else if (command == "click" || command == "focus") {
            a.kind = command == "click" ? K::Click : K::Focus;
            a.arg = OneName(command, rest);
        } else if (command == "answer") {
            a.kind = K::Answer;
            a.arg = Answer(rest);
        } else if (command == "wait") {
            a.kind = K::Wait;
            a.ms = Millis(rest);
        } else if (command == "expect") {
            ParseExpect(rest, a);
        } else {
            Fail("unknown action '" + command + "'");
        }
        return a;
    }

private:
    void ParseExpect(const std::string& rest, ScriptAction& a) const {
        using K = ScriptAction::Kind;
        const size_t space = rest.find(' ');
        const std::string what = rest.substr(0, space);
        const std::string more = space == std::string::npos ? "" : rest.substr(space + 1);
        if (what == "text") {
            const size_t nameEnd = more.find(' ');
            a.kind = K::ExpectText;
            a.arg = more.substr(0, nameEnd);
            a.arg2 = nameEnd == std::string::npos ? "" : cp1252::Utf8ToCp1252(more.substr(nameEnd + 1));
            if (a.arg.empty()) Fail("expect text needs a control name");
            return;
        }
        if (what == "screen") a.kind = K::ExpectScreen;
        else if (what == "focus") a.kind = K::ExpectFocus;
        else if (what == "enabled") a.kind = K::ExpectEnabled;
        else if (what == "disabled") a.kind = K::ExpectDisabled;
        else Fail("expect needs screen, focus, text, enabled or disabled");
        a.arg = OneName("expect " + what, more);
    }

    const std::string& file_;
    int line_;
};

}  // namespace

std::vector<ScriptAction> ParseOperatorScript(const std::string& text, const std::string& fileName) {
    std::vector<ScriptAction> actions;
    std::istringstream in(text);
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        line = line.substr(start);
        const size_t space = line.find_first_of(" \t");
        const std::string command = Lower(line.substr(0, space));
        std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (command != "type" && command != "expect") rest = TrimRight(rest);
        actions.push_back(LineParser(fileName, lineNo).Parse(command, rest));
    }
    return actions;
}

std::vector<ScriptAction> LoadOperatorScript(const std::string& path) {
    std::string text, reason;
    if (!port::ReadWholeFile(path, text, reason)) throw ScriptError(path + ": cannot read the operator script: " + reason);
    return ParseOperatorScript(text, path);
}

}  // namespace forms
