#include "sim/Formatting.h"

#include <algorithm>

namespace sim {
namespace {

// Widths and counts come from callers across the ABI; a wild one must not
// turn into a giant allocation.
constexpr int kMaxWidth = 65536;

int Clamp(int n) { return std::clamp(n, 0, kMaxWidth); }

}  // namespace

std::string RemoveFormato(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') out += c;
    }
    return out;
}

std::string Dollar(std::string_view text) {
    std::string digits = RemoveFormato(text);
    if (digits.empty()) return {};
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
