#include "sim/Formatting.h"

#include <algorithm>

namespace sim {
namespace {

// Widths and counts come from callers across the ABI; a wild one must not
// turn into a giant allocation.
constexpr int kMaxWidth = 65536;

int Clamp(int n) { return std::clamp(n, 0, kMaxWidth); }

// What display formatting puts into a text: the amount's thousands and
// decimal separators and the date's separator. Letters, digits and any other
// sign are what the operator typed and stay.
bool IsSeparator(char c) { return c == '.' || c == ',' || c == '/'; }

std::string Digits(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') out += c;
    }
    return out;
}

}  // namespace

std::string RemoveFormato(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!IsSeparator(c)) out += c;
    }
    // A mask leaves its unfilled positions as blanks after what was typed
    // ("150       .  " once its separator is gone); blanks between two typed
    // characters stay, they may part the words of a free-text answer.
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string Dollar(std::string_view text) {
    std::string digits = Digits(text);
    // A shown amount has at least three digits ("0,01"), so Backspace on one
    // leaves two at least; two zeros ("0,0", "00" once unformatted) are what is
    // left when the operator erased the last digit typed: the box is empty
    // again. One zero (typed, or "0" from the host) still shows as "0,00".
    if (digits.empty() || digits == "00") return {};
    const auto first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? std::string() : digits.substr(first);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - 2);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += '.';
        grouped += whole[i];
    }
    return grouped + ',' + digits.substr(digits.size() - 2);
}

std::string Padr(std::string_view text, int width) {
    std::string out(text);
    const auto w = static_cast<std::size_t>(Clamp(width));
    if (out.size() < w) out.append(w - out.size(), ' ');
    return out;
}

std::string Centraliza(std::string_view text, int count) {
    return std::string(static_cast<std::size_t>(Clamp(count)), ' ') + std::string(text);
}

std::string Replicate(char c, int count) { return std::string(static_cast<std::size_t>(Clamp(count)), c); }

std::string PreencherZerosEsquerda(std::string_view text, int width) {
    std::string out(text);
    const auto w = static_cast<std::size_t>(Clamp(width));
    if (out.size() < w) out.insert(0, w - out.size(), '0');
    return out;
}

}  // namespace sim
