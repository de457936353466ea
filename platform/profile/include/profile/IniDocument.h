#pragma once
// One ini file held in memory line by line, so that a change touches one line
// and every other byte of the file (comments, blank lines, spacing, line
// ends, lines that are neither section nor key) is written back unchanged.
// Names compare without regard to letter case (CP1252 letters included);
// the first of duplicate sections or keys is the one that counts.
#include <optional>
#include <string>
#include <vector>

namespace profile {

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument Parse(const std::string& bytes);
    std::string Serialize() const;

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Creates the section and key when missing. False, and nothing changed, when
    // a name is empty or a name or the value would break the file's line structure
    // (line ends anywhere, "]" in a section name, "=" in a key name).
    bool Set(const std::string& section, const std::string& key, const std::string& value);

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> Keys(const std::string& section) const;
    bool HasSection(const std::string& section) const;
    bool HasKey(const std::string& section, const std::string& key) const;

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

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";
};

}  // namespace profile
