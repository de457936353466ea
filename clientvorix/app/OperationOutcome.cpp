#include "OperationOutcome.h"

#include <charconv>

#include "forms/Types.h"
#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"
#include "sim/State.h"

namespace clientvorix {

namespace {

constexpr int kAnswerField = 1009;
constexpr int kAnswerTextField = 1027;
constexpr int kReceiptReturnField = 20022;  // written only by a receipt's return
constexpr int kNotDoneMessage = 801;

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trim(const std::string& s) {
    size_t first = 0, last = s.size();
    while (first < last && Blank(s[first])) ++first;
    while (last > first && Blank(s[last - 1])) --last;
    return s.substr(first, last - first);
}

}  // namespace

// The package's conversion of the answer code (blanks around it, a leading
// '+', nothing after the digits), so the line approves what the package does.
bool ApprovedCode(const std::string& code) {
    const std::string t = Trim(code);
    const char* begin = t.data();
    const char* end = t.data() + t.size();
    if (begin != end && *begin == '+') ++begin;
    if (begin == end || (*begin != '-' && (*begin < '0' || *begin > '9'))) return false;
    int value = 255;
    const auto [stop, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && stop == end && value == 0;
}

std::string OutcomeLine(const sim::State& state, int lastModalResult) {
    if (!state.ErrorReports().empty()) {
        const sim::ErrorReport& e = state.ErrorReports().back();
        return "error reported to the client (code " + std::to_string(e.code) + "): " + cp1252::Cp1252ToUtf8(e.text);
    }
    // Every receipt's return leaves message 801 in the answer text and in
    // field 20022, whichever code the screen then wrote.
    const std::string notDone = sim::MessageText(kNotDoneMessage);
    if (state.Field(kAnswerTextField) == notDone && state.Field(kReceiptReturnField) == notDone)
        return "returned by the operator";
    if (lastModalResult == forms::mrCancel) return "cancelled by the operator";
    const std::string code = Trim(state.Field(kAnswerField));
    if (code.empty()) return "ended without an answer from the host";
    const std::string text = cp1252::Cp1252ToUtf8(Trim(state.Field(kAnswerTextField)));
    if (ApprovedCode(code)) return "approved: " + text;
    return "declined (code " + cp1252::Cp1252ToUtf8(code) + "): " + text;
}

}  // namespace clientvorix
