#include "forms/Locale.h"

#include <charconv>
#include <ctime>
#include <vector>

#include "port/Os.h"

namespace forms {

FormatSettings& Settings() {
    static FormatSettings settings;
    return settings;
}

namespace {

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    return port::LocalTime(now).tm_year + 1900;
}

bool LeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : days[m - 1];
}

// The order of day, month and year in the short date format ("dd/mm/yyyy" -> d m y).
std::string FieldOrder(const std::string& format) {
    std::string order;
    for (char c : format) {
        const char f = static_cast<char>(c | 0x20);
        if ((f == 'd' || f == 'm' || f == 'y') && order.find(f) == std::string::npos) order += f;
    }
    return order.size() == 3 ? order : "dmy";
}

}  // namespace

// Two-digit years follow the platform's window: the century that puts the
// year no more than 50 years before the current year.
bool TryStrToDate(const std::string& text, int& year, int& month, int& day) {
    const FormatSettings& s = Settings();
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    const std::string t = text.substr(b, e - b + 1);

    std::vector<std::string> parts(1);
    for (char c : t) {
        if (c == s.dateSeparator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 3) return false;

    const std::string order = FieldOrder(s.shortDateFormat);
    int d = 0, m = 0, y = 0;
    size_t yearDigits = 0;
    for (size_t i = 0; i < 3; ++i) {
        const std::string& p = parts[i];
        if (p.empty() || p.size() > 4) return false;
        int value = 0;
        const auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), value);
        if (ec != std::errc() || end != p.data() + p.size()) return false;
        if (order[i] == 'd') d = value;
        if (order[i] == 'm') m = value;
        if (order[i] == 'y') {
            y = value;
            yearDigits = p.size();
        }
    }
    if (yearDigits <= 2) {
        const int window = CurrentYear() - 50;
        y += window / 100 * 100;
        if (y < window) y += 100;
    }
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    year = y;
    month = m;
    day = d;
    return true;
}

}  // namespace forms
