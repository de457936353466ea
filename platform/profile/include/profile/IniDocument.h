#pragma once
// One ini file held in memory line by line, so that a change touches one line
// and every other byte of the file (comments, blank lines, spacing, line
// ends, lines that are neither section nor key) is written back unchanged.
// Names compare without regard to letter case (CP1252 letters included);
// the first of duplicate sections or keys is the one that counts. A UTF-8
// byte-order mark opens the file, not its first line, and is written back.
#include <optional>
#include <string>
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
    static IniDocument Parse(const std::string& bytes);
    std::string Serialize() const;

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Creates the section and key when missing. False, and nothing changed, when
    // a name is empty or a name or the value would break the file's line structure
    // (line ends anywhere, "]" in a section name, "=" in a key name).
    bool Set(const std::string& section, const std::string& key, const std::string& value);
    // Set for each entry in order, with the same result, in one pass over the file
    // however many entries there are. Entries Set would refuse are skipped.
    void SetAll(const std::vector<Entry>& entries);

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> Keys(const std::string& section) const;
    bool HasSection(const std::string& section) const;
    bool HasKey(const std::string& section, const std::string& key) const;
    // Every key of every section with its value, in file order, as Keys and Get give them.
    std::vector<Entry> Entries() const;

private:
    struct Line {
        std::string text;
        std::string eol;  // "\r\n", "\n", "\r" or "" for a last line without one
    };
    enum class Kind { Section, Key, Other };
    struct Parsed {
        Kind kind = Kind::Other;
        std::string name;   // section or key name, trimmed
        std::string value;  // key value, trimmed and unquoted
    };
    static Parsed Classify(const std::string& text);
    // Index of the first header of the section, or npos.
    size_t FindSection(const std::string& section) const;
    // One past the last line of the section that starts at `header`.
    size_t SectionEnd(size_t header) const;

    static bool Settable(const std::string& section, const std::string& key, const std::string& value);
    // Where Set puts a new key of the section at `header` ending at `end`; fixes the line before it.
    size_t InsertionPoint(size_t header, size_t end);

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";
    bool byteOrderMark_ = false;
};

}  // namespace profile
