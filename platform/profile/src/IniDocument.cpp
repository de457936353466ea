#include "profile/IniDocument.h"

#include <map>
#include <unordered_map>
#include <unordered_set>

#include "profile/CaseFold.h"

namespace profile {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

IniDocument IniDocument::Parse(const std::string& bytes) {
    IniDocument doc;
    size_t pos = 0;
    if (bytes.compare(0, 3, kByteOrderMark) == 0) {
        doc.byteOrderMark_ = true;
        pos = 3;
    }
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
    std::string out = byteOrderMark_ ? kByteOrderMark : "";
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

bool IniDocument::Settable(const std::string& section, const std::string& key, const std::string& value) {
    if (Trim(section).empty() || Trim(key).empty()) return false;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos) return false;
    return Trim(key)[0] != ';' && Trim(key)[0] != '[';
}

size_t IniDocument::InsertionPoint(size_t header, size_t end) {
    // A new key goes after the section's last non-blank line, before the blank
    // lines that separate it from the next section.
    size_t at = end;
    while (at > header + 1 && Trim(lines_[at - 1].text).empty()) --at;
    if (lines_[at - 1].eol.empty()) lines_[at - 1].eol = newline_;
    return at;
}

// Names are taken without the blanks around them here too, so that a write to
// " k " changes k instead of adding a second key the reads never see.
bool IniDocument::Set(const std::string& sectionName, const std::string& keyName, const std::string& value) {
    const std::string section = Trim(sectionName), key = Trim(keyName);
    if (!Settable(section, key, value)) return false;
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
    const size_t at = InsertionPoint(header, end);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{keyLine, newline_});
    return true;
}

void IniDocument::SetAll(const std::vector<Entry>& entries) {
    // The first block of each section, indexed once: its key lines by folded
    // name and the keys it gains. Sections it lacks are added at the end.
    struct Block {
        size_t header = std::string::npos;  // npos: a section added at the end
        size_t end = 0;
        std::string name;
        std::unordered_map<std::string, size_t> keys;
        std::vector<Line> added;
        std::unordered_map<std::string, size_t> addedKeys;
    };
    std::vector<Block> blocks;
    std::unordered_map<std::string, size_t> blockOf;
    size_t open = std::string::npos;
    for (size_t i = 0; i < lines_.size(); ++i) {
        Parsed p = Classify(lines_[i].text);
        if (p.kind == Kind::Section) {
            if (open != std::string::npos) blocks[open].end = i;
            open = std::string::npos;
            if (blockOf.try_emplace(FoldName(p.name), blocks.size()).second) {
                open = blocks.size();
                blocks.push_back(Block{i, lines_.size(), {}, {}, {}, {}});
            }
        } else if (p.kind == Kind::Key && open != std::string::npos) {
            blocks[open].keys.try_emplace(FoldName(p.name), i);
        }
    }

    for (const Entry& given : entries) {
        // Names without the blanks around them, as Set takes them.
        const Entry e{Trim(given.section), Trim(given.key), given.value};
        if (!Settable(e.section, e.key, e.value)) continue;
        size_t index = blocks.size();
        if (const auto found = blockOf.find(FoldName(e.section)); found != blockOf.end()) {
            index = found->second;
        } else {
            blocks.push_back(Block{std::string::npos, 0, e.section, {}, {}, {}});
            blockOf.try_emplace(FoldName(Trim(e.section)), index);
        }
        Block& b = blocks[index];
        const std::string key = FoldName(e.key);
        const std::string keyLine = e.key + "=" + e.value;
        if (const auto k = b.keys.find(key); k != b.keys.end()) {
            lines_[k->second].text = keyLine;
        } else if (const auto a = b.addedKeys.find(key); a != b.addedKeys.end()) {
            b.added[a->second].text = keyLine;
        } else {
            b.addedKeys.try_emplace(FoldName(Trim(e.key)), b.added.size());
            b.added.push_back(Line{keyLine, newline_});
        }
    }

    std::map<size_t, const Block*> insertions;
    bool sectionsAdded = false;
    for (const Block& b : blocks) {
        if (b.header == std::string::npos) {
            sectionsAdded = true;
        } else if (!b.added.empty()) {
            insertions.emplace(InsertionPoint(b.header, b.end), &b);
        }
    }
    if (insertions.empty() && !sectionsAdded) return;
    std::vector<Line> merged;
    merged.reserve(lines_.size() + entries.size() * 2);
    auto next = insertions.begin();
    for (size_t i = 0; i <= lines_.size(); ++i) {
        if (next != insertions.end() && next->first == i) {
            merged.insert(merged.end(), next->second->added.begin(), next->second->added.end());
            ++next;
        }
        if (i < lines_.size()) merged.push_back(std::move(lines_[i]));
    }
    lines_ = std::move(merged);
    for (const Block& b : blocks) {
        if (b.header != std::string::npos) continue;
        if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = newline_;
        lines_.push_back({"[" + b.name + "]", newline_});
        lines_.insert(lines_.end(), b.added.begin(), b.added.end());
    }
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> known;
    for (const auto& l : lines_) {
        Parsed p = Classify(l.text);
        if (p.kind == Kind::Section && known.insert(FoldName(p.name)).second) names.push_back(std::move(p.name));
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    const size_t header = FindSection(section);
    if (header == std::string::npos) return keys;
    const size_t end = SectionEnd(header);
    std::unordered_set<std::string> known;
    for (size_t i = header + 1; i < end; ++i) {
        Parsed p = Classify(lines_[i].text);
        if (p.kind == Kind::Key && known.insert(FoldName(p.name)).second) keys.push_back(std::move(p.name));
    }
    return keys;
}

std::vector<IniDocument::Entry> IniDocument::Entries() const {
    std::vector<Entry> entries;
    std::unordered_set<std::string> sections;
    std::unordered_set<std::string> keys;
    std::string section;
    bool reading = false;  // inside the first block of a section
    for (const auto& l : lines_) {
        Parsed p = Classify(l.text);
        if (p.kind == Kind::Section) {
            reading = sections.insert(FoldName(p.name)).second;
            section = std::move(p.name);
            keys.clear();
        } else if (p.kind == Kind::Key && reading && keys.insert(FoldName(p.name)).second) {
            entries.push_back(Entry{section, std::move(p.name), std::move(p.value)});
        }
    }
    return entries;
}

bool IniDocument::HasSection(const std::string& section) const {
    return FindSection(section) != std::string::npos;
}

bool IniDocument::HasKey(const std::string& section, const std::string& key) const {
    return Get(section, key).has_value();
}

}  // namespace profile
