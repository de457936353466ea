#include "profile/IniDocument.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "FoldedSet.h"
#include "Utf16.h"
#include "cp1252/Cp1252.h"
#include "profile/CaseFold.h"

namespace profile {

namespace {

// The platform's profile functions trim a vertical tab as they trim spaces.
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view Trim(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && Blank(s[a])) ++a;
    while (b > a && Blank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Where lines of a text start: four bytes each wherever the text allows.
class Offsets {
public:
    explicit Offsets(size_t textSize) : wide_(textSize > UINT32_MAX) {}
    void push_back(size_t at) {
        if (wide_) {
            large_.push_back(at);
        } else {
            small_.push_back(static_cast<uint32_t>(at));
        }
    }
    size_t operator[](size_t i) const { return wide_ ? large_[i] : small_[i]; }
    size_t size() const { return wide_ ? large_.size() : small_.size(); }

private:
    bool wide_;
    std::vector<uint32_t> small_;
    std::vector<size_t> large_;
};

bool FitsCp1252(std::string_view utf8) {
    const std::string text(utf8);
    return cp1252::Cp1252ToUtf8(cp1252::Utf8ToCp1252(text)) == text;
}

// The mark decides, as it does for the platform.
bool HasUtf16Mark(std::string_view bytes) { return bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE'; }

}  // namespace

IniDocument IniDocument::Parse(std::string bytes) {
    if (HasUtf16Mark(bytes)) return ParseCopy(bytes, 0);
    IniDocument doc;
    doc.text_ = std::move(bytes);
    doc.bom_ = std::string_view(doc.text_).substr(0, 3) == kByteOrderMark;
    doc.FollowNewlines();
    return doc;
}

IniDocument IniDocument::ParseCopy(std::string_view bytes, size_t room) {
    if (!HasUtf16Mark(bytes)) {
        std::string text;
        text.reserve(bytes.size() + room);
        text.append(bytes);
        return Parse(std::move(text));
    }
    // A file cut by one byte is still UTF-16LE, and its odd last byte is kept
    // as it stands after its text.
    IniDocument doc;
    doc.utf16_ = true;
    std::string_view units = bytes.substr(2);
    if (units.size() % 2 != 0) {
        doc.cutByte_ = units.substr(units.size() - 1);
        units.remove_suffix(1);
    }
    doc.text_ = DecodeUtf16Le(units);
    doc.FollowNewlines();
    return doc;
}

void IniDocument::FollowNewlines() {
    const size_t first = text_.find_first_of("\r\n", Start());
    if (first != std::string::npos) {
        const bool crlf = text_[first] == '\r' && first + 1 < text_.size() && text_[first + 1] == '\n';
        newline_ = crlf ? "\r\n" : text_.substr(first, 1);
    }
}

std::string IniDocument::Serialize() const {
    if (!utf16_) return text_;
    // One buffer of the final size: a large file is never encoded into a second one.
    std::string bytes;
    bytes.reserve(2 + text_.size() * 2 + cutByte_.size());
    bytes += "\xFF\xFE";
    AppendUtf16Le(bytes, text_);
    bytes += cutByte_;
    return bytes;
}

std::string_view IniDocument::Bytes(std::string& scratch) const {
    if (!utf16_) return text_;
    scratch = Serialize();
    return scratch;
}

IniDocument::Line IniDocument::LineAt(size_t at) const {
    Line l{at, at, at};
    const size_t size = text_.size();
    while (l.end < size && text_[l.end] != '\r' && text_[l.end] != '\n') ++l.end;
    l.next = l.end;
    if (l.next < size) l.next += (text_[l.end] == '\r' && l.end + 1 < size && text_[l.end + 1] == '\n') ? 2 : 1;
    return l;
}

IniDocument::Parsed IniDocument::Classify(std::string_view text) {
    Parsed p;
    const std::string_view t = Trim(text);
    if (t.empty() || t[0] == ';') return p;
    if (t[0] == '[') {
        const auto close = t.find(']');
        p.kind = Kind::Section;
        p.name = Trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return p;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return p;
    p.name = Trim(t.substr(0, eq));
    if (p.name.empty()) return Parsed{};
    p.kind = Kind::Key;
    p.stored = Trim(t.substr(eq + 1));
    p.value = p.stored;
    // A value wrapped in a pair of quotes reads without them.
    if (p.value.size() >= 2 && (p.value.front() == '"' || p.value.front() == '\'') && p.value.back() == p.value.front()) {
        p.value = p.value.substr(1, p.value.size() - 2);
    }
    return p;
}

std::string IniDocument::ToApi(std::string_view internal) const {
    return utf16_ ? cp1252::Utf8ToCp1252(std::string(internal)) : std::string(internal);
}

std::string IniDocument::ToInternal(const std::string& cp1252) const {
    return utf16_ ? cp1252::Cp1252ToUtf8(cp1252) : cp1252;
}

std::string IniDocument::Fold(std::string_view internalName) const {
    return utf16_ ? FoldName(ToApi(internalName)) : FoldName(internalName);
}

bool IniDocument::SameName(std::string_view internalName, const std::string& foldedName) const {
    if (utf16_) return Fold(internalName) == foldedName;
    if (internalName.size() != foldedName.size()) return false;
    for (size_t i = 0; i < foldedName.size(); ++i) {
        if (FoldCase(internalName[i]) != foldedName[i]) return false;
    }
    return true;
}

size_t IniDocument::FindSection(const std::string& foldedSection, size_t* end) const {
    size_t header = std::string::npos;
    for (size_t at = Start(); at < text_.size();) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Section) {
            if (header != std::string::npos) {
                if (end) *end = l.begin;
                return header;
            }
            if (SameName(p.name, foldedSection)) header = l.begin;
        }
        at = l.next;
    }
    if (end) *end = text_.size();
    return header;
}

size_t IniDocument::InsertionPoint(size_t header, size_t end, bool* needsBreak) const {
    // A new key goes after the section's last non-blank line, before the blank
    // lines that separate it from the next section.
    Line last = LineAt(header);
    for (size_t at = last.next; at < end;) {
        const Line l = LineAt(at);
        if (!Trim(TextOf(l)).empty()) last = l;
        at = l.next;
    }
    *needsBreak = last.next == last.end;
    return last.next;
}

bool IniDocument::EndsWithoutBreak() const {
    return text_.size() > Start() && text_.back() != '\n' && text_.back() != '\r';
}

std::optional<std::string> IniDocument::Get(const std::string& sectionName, const std::string& keyName) const {
    // Names are taken without the blanks around them, as the platform takes them:
    // a name given as " k " is the key k.
    size_t end = 0;
    const size_t header = FindSection(FoldName(Trim(sectionName)), &end);
    if (header == std::string::npos) return std::nullopt;
    const std::string key = FoldName(Trim(keyName));
    for (size_t at = LineAt(header).next; at < end;) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Key && SameName(p.name, key)) return ToApi(p.value);
        at = l.next;
    }
    return std::nullopt;
}

bool IniDocument::Settable(const std::string& section, const std::string& key, const std::string& value) {
    if (Trim(section).empty() || Trim(key).empty()) return false;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos) return false;
    return Trim(key)[0] != ';' && Trim(key)[0] != '[';
}

// Names are taken without the blanks around them here too, so that a write to
// " k " changes k instead of adding a second key the reads never see.
bool IniDocument::Set(const std::string& sectionName, const std::string& keyName, const std::string& value) {
    const std::string section(Trim(sectionName)), key(Trim(keyName));
    if (!Settable(section, key, value)) return false;
    const std::string keyLine = ToInternal(key + "=" + value);
    size_t end = 0;
    const size_t header = FindSection(FoldName(section), &end);
    if (header == std::string::npos) {
        if (EndsWithoutBreak()) text_ += newline_;
        text_ += ToInternal("[" + section + "]") + newline_ + keyLine + newline_;
        return true;
    }
    const std::string folded = FoldName(key);
    for (size_t at = LineAt(header).next; at < end;) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Key && SameName(p.name, folded)) {
            text_.replace(l.begin, l.end - l.begin, keyLine);
            return true;
        }
        at = l.next;
    }
    bool needsBreak = false;
    const size_t at = InsertionPoint(header, end, &needsBreak);
    text_.insert(at, (needsBreak ? newline_ : std::string()) + keyLine + newline_);
    return true;
}

// Many keys set in one pass. The document's sections (the first block of
// each) and their keys are indexed once; each change becomes the replacement
// of a key line or a line added to its section (or to a section added at the
// end); the text is then written out once. A change is known by a number:
// its key and value are asked for when they are needed, and what the batch
// keeps per change is a few of those numbers, so that carrying a file of
// millions of keys costs little beyond the files themselves.
class IniDocument::Batch {
public:
    // A change's key (value false) or stored value, in this document's encoding;
    // `scratch` may hold it.
    using Text = std::function<std::string_view(uint32_t id, bool value, std::string& scratch)>;

    Batch(IniDocument& doc, size_t changes, Text text)
        : doc_(doc), text_(std::move(text)), changeBlock_(changes, FoldedSet::kNone), addedIndex_(changes) {
        Index();
    }

    // Set, for change `id` in `section` (trimmed and checked by the caller);
    // changes come in increasing numbers.
    void Add(uint32_t id, const std::string& section) {
        const uint32_t block = BlockOf(section);
        const std::string_view key = text_(id, false, scratch_);
        const uint64_t hash = KeyHash(block, key);
        extra_ += key.size() + text_(id, true, scratch2_).size() + 1 + doc_.newline_.size();
        const uint32_t line = keyIndex_.Find(hash, [&](uint32_t k) {
            return keys_[k].block == block && SameName(KeyName(keys_[k].begin), key);
        });
        if (line != FoldedSet::kNone) {
            keys_[line].change = id;
            return;
        }
        const uint32_t added = addedIndex_.Find(hash, [&](uint32_t first) {
            return changeBlock_[first] == block && SameName(text_(first, false, scratch2_), key);
        });
        if (added != FoldedSet::kNone) {
            // A later change of a key added before keeps the first one's place.
            latest_[added] = id;
            return;
        }
        changeBlock_[id] = block;
        ++blocks_[block].added;
        addedIndex_.Insert(hash, id, [&](uint32_t x) { return KeyHash(changeBlock_[x], text_(x, false, scratch2_)); });
    }

    void Apply() {
        // The indexes have done their work: their memory goes before the new text is made.
        keyIndex_ = FoldedSet();
        addedIndex_ = FoldedSet();
        sectionIndex_ = FoldedSet();
        // The changes that add keys, block by block in the order they came:
        // one list for all, each block's part starting at its `first`.
        std::vector<uint32_t> order;
        {
            size_t total = 0;
            for (Block& b : blocks_) {
                b.first = total;
                total += b.added;
            }
            order.resize(total);
            std::vector<size_t> next(blocks_.size());
            for (size_t b = 0; b < blocks_.size(); ++b) next[b] = blocks_[b].first;
            for (uint32_t id = 0; id < changeBlock_.size(); ++id) {
                if (changeBlock_[id] != FoldedSet::kNone) order[next[changeBlock_[id]]++] = id;
            }
            std::vector<uint32_t>().swap(changeBlock_);
        }
        struct Edit {
            size_t at;
            size_t end;      // == at for an insertion
            uint32_t owner;  // the key line or the block
            bool insertion;
        };
        std::vector<Edit> edits;
        for (uint32_t k = 0; k < keys_.size(); ++k) {
            if (keys_[k].change != FoldedSet::kNone) edits.push_back({keys_[k].begin, keys_[k].end, k, false});
        }
        for (uint32_t b = 0; b < blocks_.size(); ++b) {
            if (blocks_[b].header != std::string::npos && blocks_[b].added != 0) {
                edits.push_back({blocks_[b].insertion, blocks_[b].insertion, b, true});
            }
        }
        std::sort(edits.begin(), edits.end(),
                  [](const Edit& x, const Edit& y) { return x.at != y.at ? x.at < y.at : x.insertion > y.insertion; });

        const std::string& text = doc_.text_;
        const std::string& nl = doc_.newline_;
        std::string out;
        out.reserve(text.size() + extra_);
        auto line = [&](uint32_t id) {
            const auto later = latest_.find(id);
            if (later != latest_.end()) id = later->second;
            out += text_(id, false, scratch_);
            out += '=';
            out += text_(id, true, scratch_);
        };
        size_t pos = 0;
        for (const Edit& e : edits) {
            out.append(text, pos, e.at - pos);
            if (!e.insertion) {
                line(keys_[e.owner].change);
            } else {
                const Block& b = blocks_[e.owner];
                if (b.needsBreak) out += nl;
                for (size_t i = b.first; i < b.first + b.added; ++i) {
                    line(order[i]);
                    out += nl;
                }
            }
            pos = e.end;
        }
        out.append(text, pos, std::string::npos);
        for (const Block& b : blocks_) {
            if (b.header != std::string::npos) continue;
            if (out.size() > doc_.Start() && out.back() != '\n' && out.back() != '\r') out += nl;
            out += "[" + b.name + "]" + nl;
            for (size_t i = b.first; i < b.first + b.added; ++i) {
                line(order[i]);
                out += nl;
            }
        }
        doc_.text_ = std::move(out);
    }

private:
    struct Block {
        size_t header = std::string::npos;  // npos: a section added at the end
        size_t insertion = 0;
        bool needsBreak = false;
        std::string name;                    // of an added section
        size_t added = 0;                    // how many changes add keys to it
        size_t first = 0;                    // where they start in Apply's order
    };
    struct KeyLine {
        size_t begin, end;
        uint32_t block;
        uint32_t change = FoldedSet::kNone;
    };

    bool SameName(std::string_view a, std::string_view b) const {
        return doc_.utf16_ ? doc_.Fold(a) == doc_.Fold(b) : EqualsNoCase(a, b);
    }
    uint64_t NameHash(uint64_t seed, std::string_view name) const {
        return doc_.utf16_ ? FoldedSet::Hash(seed, doc_.ToApi(name)) : FoldedSet::Hash(seed, name);
    }
    uint64_t KeyHash(uint32_t block, std::string_view key) const { return NameHash(uint64_t{block} + 1, key); }
    std::string_view KeyName(size_t begin) const { return Classify(doc_.TextOf(doc_.LineAt(begin))).name; }
    std::string_view SectionName(const Block& b) const {
        return b.header == std::string::npos ? std::string_view(b.name) : KeyName(b.header);
    }
    uint32_t FindBlock(uint64_t hash, std::string_view name) const {
        return sectionIndex_.Find(hash, [&](uint32_t b) { return SameName(SectionName(blocks_[b]), name); });
    }
    void AddBlock(uint64_t hash, Block block) {
        const auto b = static_cast<uint32_t>(blocks_.size());
        blocks_.push_back(std::move(block));
        sectionIndex_.Insert(hash, b, [&](uint32_t x) { return NameHash(0, SectionName(blocks_[x])); });
    }

    uint32_t BlockOf(const std::string& section) {
        const uint64_t hash = NameHash(0, section);
        const uint32_t found = FindBlock(hash, section);
        if (found != FoldedSet::kNone) return found;
        AddBlock(hash, Block{std::string::npos, 0, false, section});
        extra_ += section.size() + 2 + doc_.newline_.size() * 2;
        return static_cast<uint32_t>(blocks_.size() - 1);
    }

    // The first block of each section and its keys, first of each.
    void Index() {
        const IniDocument& d = doc_;
        uint32_t open = FoldedSet::kNone;
        Line last;  // the open block's last non-blank line
        auto close = [&] {
            if (open == FoldedSet::kNone) return;
            blocks_[open].insertion = last.next;
            blocks_[open].needsBreak = last.next == last.end;
            open = FoldedSet::kNone;
        };
        for (size_t at = d.Start(); at < d.text_.size();) {
            const Line l = d.LineAt(at);
            const Parsed p = Classify(d.TextOf(l));
            if (p.kind == Kind::Section) {
                close();
                const uint64_t hash = NameHash(0, p.name);
                if (FindBlock(hash, p.name) == FoldedSet::kNone) {
                    open = static_cast<uint32_t>(blocks_.size());
                    AddBlock(hash, Block{l.begin, 0, false, {}});
                    last = l;
                }
            } else if (open != FoldedSet::kNone) {
                if (!Trim(d.TextOf(l)).empty()) last = l;
                if (p.kind == Kind::Key) {
                    const uint64_t hash = KeyHash(open, p.name);
                    const uint32_t known = keyIndex_.Find(hash, [&](uint32_t k) {
                        return keys_[k].block == open && SameName(KeyName(keys_[k].begin), p.name);
                    });
                    if (known == FoldedSet::kNone) {
                        const auto k = static_cast<uint32_t>(keys_.size());
                        keys_.push_back({l.begin, l.end, open});
                        keyIndex_.Insert(hash, k, [&](uint32_t x) { return KeyHash(keys_[x].block, KeyName(keys_[x].begin)); });
                    }
                }
            }
            at = l.next;
        }
        close();
    }

    IniDocument& doc_;
    Text text_;
    std::vector<Block> blocks_;
    std::vector<KeyLine> keys_;
    // The block of each change that adds a key (kNone for the others); the
    // changes come in increasing numbers, their order in each block.
    std::vector<uint32_t> changeBlock_;
    std::unordered_map<uint32_t, uint32_t> latest_;  // a key added twice: its first change's latest
    FoldedSet sectionIndex_, keyIndex_, addedIndex_;
    std::string scratch_, scratch2_;
    size_t extra_ = 0;  // bytes the changes may add
};

void IniDocument::SetAll(const std::vector<Entry>& entries) {
    std::vector<uint32_t> accepted;
    for (uint32_t id = 0; id < entries.size(); ++id) {
        const Entry& e = entries[id];
        if (Settable(std::string(Trim(e.section)), std::string(Trim(e.key)), e.value)) accepted.push_back(id);
    }
    if (accepted.empty()) return;
    Batch batch(*this, entries.size(), [&](uint32_t id, bool value, std::string& scratch) -> std::string_view {
        // Names without the blanks around them, as Set takes them.
        const Entry& e = entries[id];
        if (!utf16_) return value ? std::string_view(e.value) : Trim(e.key);
        scratch = ToInternal(value ? e.value : std::string(Trim(e.key)));
        return scratch;
    });
    for (uint32_t id : accepted) batch.Add(id, ToInternal(std::string(Trim(entries[id].section))));
    batch.Apply();
}

void IniDocument::CopyFrom(const IniDocument& source, const std::string& onlyKey) {
    // The source's keys as Entries() gives them (the first block of each
    // section, the first of each key), known by where their lines start.
    Offsets lines(source.text_.size());
    {
        FoldedSet sections, keys;
        std::vector<size_t> headers;     // of the sections seen, for their names
        std::vector<uint32_t> keyBlocks;  // the section of each key
        uint32_t open = FoldedSet::kNone;
        const std::string only = FoldName(onlyKey);
        auto nameAt = [&](size_t at) { return Classify(source.TextOf(source.LineAt(at))).name; };
        auto hash = [&](uint64_t seed, std::string_view name) {
            return source.utf16_ ? FoldedSet::Hash(seed, source.ToApi(name)) : FoldedSet::Hash(seed, name);
        };
        auto same = [&](std::string_view a, std::string_view b) {
            return source.utf16_ ? source.Fold(a) == source.Fold(b) : EqualsNoCase(a, b);
        };
        for (size_t at = source.Start(); at < source.text_.size();) {
            const Line l = source.LineAt(at);
            const Parsed p = Classify(source.TextOf(l));
            if (p.kind == Kind::Section) {
                const uint64_t h = hash(0, p.name);
                const bool first =
                    sections.Find(h, [&](uint32_t s) { return same(nameAt(headers[s]), p.name); }) == FoldedSet::kNone;
                open = first ? static_cast<uint32_t>(headers.size()) : FoldedSet::kNone;
                if (first) {
                    headers.push_back(l.begin);
                    sections.Insert(h, open, [&](uint32_t s) { return hash(0, nameAt(headers[s])); });
                }
            } else if (p.kind == Kind::Key && open != FoldedSet::kNone && (only.empty() || source.Fold(p.name) == only)) {
                const uint64_t h = hash(uint64_t{open} + 1, p.name);
                const bool first = keys.Find(h, [&](uint32_t k) {
                    return keyBlocks[k] == open && same(nameAt(lines[k]), p.name);
                }) == FoldedSet::kNone;
                if (first) {
                    const auto k = static_cast<uint32_t>(lines.size());
                    lines.push_back(l.begin);
                    keyBlocks.push_back(open);
                    keys.Insert(h, k, [&](uint32_t x) { return hash(uint64_t{keyBlocks[x]} + 1, nameAt(lines[x])); });
                }
            }
            at = l.next;
        }
    }

    // A text CP1252 cannot hold is never turned into '?': this file becomes
    // UTF-16LE, as the platform reads it, before the texts cross.
    if (source.utf16_ && !utf16_ && !bom_) {
        bool fits = true;
        std::string_view section;
        for (size_t at = source.Start(), k = 0; at < source.text_.size() && k < lines.size() && fits;) {
            const Line l = source.LineAt(at);
            const Parsed p = Classify(source.TextOf(l));
            if (p.kind == Kind::Section) section = p.name;
            if (l.begin == lines[k]) {
                fits = FitsCp1252(section) && FitsCp1252(p.name) && FitsCp1252(p.stored);
                ++k;
            }
            at = l.next;
        }
        if (!fits) {
            text_ = cp1252::Cp1252ToUtf8(text_);
            utf16_ = true;
        }
    }
    // Texts cross from the source's encoding into this one's.
    const bool same = source.utf16_ == utf16_;
    auto convert = [&](std::string_view s, std::string& scratch) -> std::string_view {
        if (same) return s;
        scratch = utf16_ ? cp1252::Cp1252ToUtf8(std::string(s)) : cp1252::Utf8ToCp1252(std::string(s));
        return scratch;
    };
    const std::string only = ToInternal(onlyKey);
    Batch batch(*this, lines.size(), [&](uint32_t id, bool value, std::string& scratch) -> std::string_view {
        const Parsed p = Classify(source.TextOf(source.LineAt(lines[id])));
        if (!value && !onlyKey.empty()) return only;
        return convert(value ? p.stored : p.name, scratch);
    });
    if (!onlyKey.empty() && !Settable("s", onlyKey, "")) return;
    std::string_view section;
    std::string converted;
    size_t next = source.Start();  // where the search for each key's section header goes on
    for (uint32_t id = 0; id < lines.size(); ++id) {
        for (size_t at = next; at < lines[id];) {
            const Line l = source.LineAt(at);
            const Parsed p = Classify(source.TextOf(l));
            if (p.kind == Kind::Section) section = p.name;
            at = next = l.next;
        }
        const Parsed p = Classify(source.TextOf(source.LineAt(lines[id])));
        // An empty value is never copied: the document keeps its own.
        if (p.value.empty()) continue;
        // A section without a name ("[]") can be read but never written.
        if (section.empty()) continue;
        batch.Add(id, std::string(convert(section, converted)));
    }
    batch.Apply();
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> known;
    for (size_t at = Start(); at < text_.size();) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Section && known.insert(Fold(p.name)).second) names.push_back(ToApi(p.name));
        at = l.next;
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    size_t end = 0;
    const size_t header = FindSection(FoldName(Trim(section)), &end);
    if (header == std::string::npos) return keys;
    std::unordered_set<std::string> known;
    for (size_t at = LineAt(header).next; at < end;) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Key && known.insert(Fold(p.name)).second) keys.push_back(ToApi(p.name));
        at = l.next;
    }
    return keys;
}

std::vector<IniDocument::Entry> IniDocument::Entries() const {
    std::vector<Entry> entries;
    std::unordered_set<std::string> sections;
    std::unordered_set<std::string> keys;
    std::string section;
    bool reading = false;  // inside the first block of a section
    for (size_t at = Start(); at < text_.size();) {
        const Line l = LineAt(at);
        const Parsed p = Classify(TextOf(l));
        if (p.kind == Kind::Section) {
            reading = sections.insert(Fold(p.name)).second;
            section = ToApi(p.name);
            keys.clear();
        } else if (p.kind == Kind::Key && reading && keys.insert(Fold(p.name)).second) {
            entries.push_back(Entry{section, ToApi(p.name), ToApi(p.value)});
        }
        at = l.next;
    }
    return entries;
}

bool IniDocument::HasSection(const std::string& section) const {
    return FindSection(FoldName(Trim(section))) != std::string::npos;
}

bool IniDocument::HasKey(const std::string& section, const std::string& key) const {
    return Get(section, key).has_value();
}

}  // namespace profile
