#include "TextMetrics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace forms::text {

namespace {

// Advance widths in thousandths of an em of the printable ASCII characters
// (32 to 126) in the standard sans-serif face, regular and bold.
constexpr std::array<short, 95> kRegular = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // '0' to '?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // '@' to 'O'
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // 'P' to '_'
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // '`' to 'o'
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};       // 'p' to '~'
constexpr std::array<short, 95> kBold = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

constexpr double kMonospaced = 600;
constexpr double kOther = 556;  // signs beyond ASCII: as wide as a digit

// The letter an accented CP1252 letter is drawn on, 0 for anything else.
char BaseLetter(unsigned char c) {
    static const char* const kUpper = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPs";  // 0xC0 to 0xDF
    static const char* const kLower = "aaaaaaaceeeeiiiidnooooo/ouuuuypy";  // 0xE0 to 0xFF
    if (c >= 0xC0 && c <= 0xDF) return kUpper[c - 0xC0];
    if (c >= 0xE0) return kLower[c - 0xE0];
    if (c == 0x8A || c == 0x9A) return c == 0x8A ? 'S' : 's';
    return 0;
}

bool Monospaced(const Font& font) {
    std::string name = font.name;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return name.find("courier") != std::string::npos || name.find("mono") != std::string::npos;
}

double Advance(unsigned char c, const Font& font) {
    if (Monospaced(font)) return kMonospaced;
    if (const char base = BaseLetter(c)) c = static_cast<unsigned char>(base);
    if (c < 32 || c > 126) return kOther;
    return (font.bold ? kBold : kRegular)[c - 32];
}

}  // namespace

double PixelSize(const Font& font) {
    if (font.size < 0) return -font.size;
    return font.size > 0 ? font.size * 96.0 / 72.0 : 11.0;
}

double Width(const std::string& cp1252, const Font& font) {
    double thousandths = 0;
    for (const char c : cp1252) thousandths += Advance(static_cast<unsigned char>(c), font);
    return thousandths * PixelSize(font) / 1000.0;
}

double Ascent(const Font& font) { return 0.905 * PixelSize(font); }
double LineHeight(const Font& font) { return 1.15 * PixelSize(font); }

std::vector<std::string> Lines(const std::string& cp1252) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < cp1252.size(); ++i) {
        const char c = cp1252[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
        lines.emplace_back();
    }
    return lines;
}

std::vector<std::string> Wrap(const std::string& cp1252, const Font& font, double width) {
    return Wrap(cp1252, width, [&font](const std::string& s) { return Width(s, font); });
}

std::vector<std::string> WrapCells(const std::string& cp1252, int cells) {
    return Wrap(cp1252, cells, [](const std::string& s) { return static_cast<double>(s.size()); });
}

std::vector<std::string> Wrap(const std::string& cp1252, double width,
                              const std::function<double(const std::string&)>& widthOf) {
    std::vector<std::string> wrapped;
    for (const std::string& paragraph : Lines(cp1252)) {
        std::string line;
        size_t at = 0;
        do {
            const size_t end = std::min(paragraph.find(' ', at), paragraph.size());
            const std::string word = paragraph.substr(at, end - at);
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && widthOf(longer) > width) {
                wrapped.push_back(line);
                line = word;
            } else {
                line = longer;
            }
            at = end + 1;
        } while (at <= paragraph.size());
        wrapped.push_back(line);
    }
    return wrapped;
}

}  // namespace forms::text
