#pragma once
// One ini file held in memory as its own text, so that a change touches one
// line and every other byte of the file (comments, blank lines, spacing, line
// ends, lines that are neither section nor key) is written back unchanged, and
// a large file costs little more than its size. Names compare without regard
// to letter case (CP1252 letters included); the first of duplicate sections or
// keys is the one that counts. A UTF-8 byte-order mark opens the file, not its
// first line, and is written back. A file that opens with the UTF-16LE mark
// (FF FE) is read as UTF-16LE and written back as UTF-16LE, every line it had
// unchanged; names and values cross this interface as CP1252 all the same, as
// the platform's ANSI profile functions give them (a character CP1252 lacks
// reads as "?").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

class IniDocument {
public:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };

    IniDocument() = default;
    static IniDocument Parse(std::string bytes);
    // The same from bytes that stay the caller's: an ANSI file's text is copied
    // with `room` to grow in, a UTF-16LE file's is decoded straight from them.
    static IniDocument ParseCopy(std::string_view bytes, size_t room);
    // The file's bytes.
    std::string Serialize() const;
    // The same bytes without a copy where the file's encoding allows; `scratch`
    // holds them otherwise, and must outlive the view.
    std::string_view Bytes(std::string& scratch) const;
    bool Utf16() const { return utf16_; }

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Creates the section and key when missing. False, and nothing changed, when
    // a name is empty or a name or the value would break the file's line structure
    // (line ends anywhere, "]" in a section name, "=" in a key name).
    bool Set(const std::string& section, const std::string& key, const std::string& value);
    // Set for each entry in order, with the same result, in one pass over the file
    // however many entries there are. Entries Set would refuse are skipped.
    void SetAll(const std::vector<Entry>& entries);
    // Every key of `source` (Entries()) whose value is not empty, set here with
    // its value as the source stores it (quotes and all), in one pass; with
    // `onlyKey` given, only that key, written under that name. A UTF-16LE source
    // with a text CP1252 cannot hold turns this document into UTF-16LE first.
    void CopyFrom(const IniDocument& source, const std::string& onlyKey = "");

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> Keys(const std::string& section) const;
    bool HasSection(const std::string& section) const;
    bool HasKey(const std::string& section, const std::string& key) const;
    // Every key of every section with its value, in file order, as Keys and Get give them.
    std::vector<Entry> Entries() const;

private:
    class Batch;
    enum class Kind { Section, Key, Other };
    // A line of the text: [begin, end) without its line end; the next starts at `next`.
    struct Line {
        size_t begin = 0;
        size_t end = 0;
        size_t next = 0;
    };
    // What a line is, as views into the text.
    struct Parsed {
        Kind kind = Kind::Other;
        std::string_view name;    // section or key name, trimmed
        std::string_view stored;  // key value as written, trimmed
        std::string_view value;   // key value as read: trimmed and unquoted
    };

    size_t Start() const { return bom_ ? 3 : 0; }
    // New lines follow the file's own convention.
    void FollowNewlines();
    Line LineAt(size_t at) const;
    std::string_view TextOf(const Line& l) const { return std::string_view(text_).substr(l.begin, l.end - l.begin); }
    static Parsed Classify(std::string_view line);
    // Names and values between the text's encoding and CP1252.
    std::string ToApi(std::string_view internal) const;
    std::string ToInternal(const std::string& cp1252) const;
    std::string Fold(std::string_view internalName) const;
    bool SameName(std::string_view internalName, const std::string& foldedName) const;
    // The first header of the section, or npos; `end` gets where its block ends.
    size_t FindSection(const std::string& foldedSection, size_t* end = nullptr) const;
    // Where a new key of the block [header, end) goes: after its last non-blank
    // line. `needsBreak` says that line has no line end yet.
    size_t InsertionPoint(size_t header, size_t end, bool* needsBreak) const;
    bool EndsWithoutBreak() const;

    static bool Settable(const std::string& section, const std::string& key, const std::string& value);

    std::string text_;            // the file's text (UTF-16LE files decoded to UTF-8)
    std::string newline_ = "\r\n";
    bool bom_ = false;            // a UTF-8 byte-order mark at the start of text_
    bool utf16_ = false;
    std::string cutByte_;         // the odd last byte of a UTF-16LE file, written back after the text
};

}  // namespace profile
