#include "OperationOutcome.h"

#include <charconv>

#include "forms/Types.h"
#include "sim/Cp1252.h"
#include "sim/State.h"

namespace clientvorix {

namespace {

constexpr int kAnswerField = 1009;
constexpr int kAnswerTextField = 1027;

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The package's own rule: the answer code read as a number, 0 approves.
bool Approved(const std::string& code) {
    const std::string t = Trim(code);
    int value = 255;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    return ec == std::errc() && end == t.data() + t.size() && !t.empty() && value == 0;
}

}  // namespace

std::string OutcomeLine(const sim::State& state, int lastModalResult) {
    if (!state.ErrorReports().empty()) {
        const sim::ErrorReport& e = state.ErrorReports().back();
        return "error reported to the client (code " + std::to_string(e.code) + "): " + sim::Cp1252ToUtf8(e.text);
    }
    if (lastModalResult == forms::mrCancel) return "cancelled by the operator";
    if (!state.HasField(kAnswerField)) return "ended without an answer from the host";
    const std::string code = state.Field(kAnswerField);
    const std::string text = sim::Cp1252ToUtf8(Trim(state.Field(kAnswerTextField)));
    if (Approved(code)) return "approved: " + text;
    return "declined (code " + sim::Cp1252ToUtf8(Trim(code)) + "): " + text;
}

}  // namespace clientvorix
