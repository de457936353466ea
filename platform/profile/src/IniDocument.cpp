#include "profile/IniDocument.h"

#include "CaseFold.h"

namespace profile {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

}  // namespace

IniDocument IniDocument::Parse(const std::string& bytes) {
    IniDocument doc;
    size_t pos = 0;
    bool newlineSeen = false;
    while (pos < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", pos);
        Line line;
        if (end == std::string::npos) {
            line.text = bytes.substr(pos);
            pos = bytes.size();
        } else {
            line.text = bytes.substr(pos, end - pos);
            const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            line.eol = crlf ? "\r\n" : bytes.substr(end, 1);
            pos = end + line.eol.size();
            // New lines follow the file's own convention.
            if (!newlineSeen) {
                doc.newline_ = line.eol;
                newlineSeen = true;
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

IniDocument::Parsed IniDocument::Classify(const std::string& text) {
    Parsed p;
    const std::string t = Trim(text);
    if (t.empty() || t[0] == ';') return p;
    if (t[0] == '[') {
        const auto close = t.find(']');
        p.kind = Kind::Section;
        p.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return p;
    }
    const auto eq = t.find('=');
    if (eq == std::string::npos) return p;
    p.name = Trim(t.substr(0, eq));
    if (p.name.empty()) return Parsed{};
    p.kind = Kind::Key;
    p.value = Trim(t.substr(eq + 1));
    // A value wrapped in a pair of quotes reads without them.
    if (p.value.size() >= 2 && (p.value.front() == '"' || p.value.front() == '\'') &&
        p.value.back() == p.value.front()) {
        p.value = p.value.substr(1, p.value.size() - 2);
    }
    return p;
}

size_t IniDocument::FindSection(const std::string& sectionName) const {
    const std::string section = Trim(sectionName);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = Classify(lines_[i].text);
        if (p.kind == Kind::Section && EqualsNoCase(p.name, section)) return i;
    }
    return std::string::npos;
}

size_t IniDocument::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && Classify(lines_[i].text).kind != Kind::Section) ++i;
    return i;
}

// Names are taken without the blanks around them, as the platform takes them:
// a name given as " k " is the key k.
std::optional<std::string> IniDocument::Get(const std::string& sectionName, const std::string& keyName) const {
    const std::string section = Trim(sectionName), key = Trim(keyName);
    const size_t header = FindSection(section);
    if (header == std::string::npos) return std::nullopt;
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        Parsed p = Classify(lines_[i].text);
        if (p.kind == Kind::Key && EqualsNoCase(p.name, key)) return std::move(p.value);
    }
    return std::nullopt;
}

bool IniDocument::Set(const std::string& sectionName, const std::string& keyName, const std::string& value) {
    const std::string section = Trim(sectionName), key = Trim(keyName);
    if (section.empty() || key.empty()) return false;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos) return false;
    if (key[0] == ';' || key[0] == '[') return false;

    const std::string keyLine = key + "=" + value;
    size_t header = FindSection(section);
    if (header == std::string::npos) {
        if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = newline_;
        lines_.push_back({"[" + section + "]", newline_});
        lines_.push_back({keyLine, newline_});
        return true;
    }
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const Parsed p = Classify(lines_[i].text);
        if (p.kind == Kind::Key && EqualsNoCase(p.name, key)) {
            lines_[i].text = keyLine;
            return true;
        }
    }
    // A new key goes after the section's last non-blank line, before the blank
    // lines that separate it from the next section.
    size_t at = end;
    while (at > header + 1 && Trim(lines_[at - 1].text).empty()) --at;
    if (lines_[at - 1].eol.empty()) lines_[at - 1].eol = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{keyLine, newline_});
    return true;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const auto& l : lines_) {
        Parsed p = Classify(l.text);
        if (p.kind != Kind::Section) continue;
        bool known = false;
        for (const auto& n : names) known = known || EqualsNoCase(n, p.name);
        if (!known) names.push_back(std::move(p.name));
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    const size_t header = FindSection(section);
    if (header == std::string::npos) return keys;
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        Parsed p = Classify(lines_[i].text);
        if (p.kind != Kind::Key) continue;
        bool known = false;
        for (const auto& k : keys) known = known || EqualsNoCase(k, p.name);
        if (!known) keys.push_back(std::move(p.name));
    }
    return keys;
}

bool IniDocument::HasSection(const std::string& section) const {
    return FindSection(section) != std::string::npos;
}

bool IniDocument::HasKey(const std::string& section, const std::string& key) const {
    return Get(section, key).has_value();
}

}  // namespace profile
