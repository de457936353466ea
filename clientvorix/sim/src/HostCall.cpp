#include "sim/HostCall.h"

#include <cstring>

#include "cp1252/Cp1252.h"
#include "sim/State.h"

namespace sim {

std::string InText(const char* text) {
    if (!text) return {};
    return std::string(text, strnlen(text, kMaxInText));
}

std::string InText(const char* text, int32_t length) {
    if (!text || length <= 0) return {};
    const auto cap = std::min<std::size_t>(static_cast<std::size_t>(length), kMaxInText);
    return std::string(text, strnlen(text, cap));
}

std::string CopyOut(char* out, int32_t capacity, std::string_view text) {
    if (!out || capacity < 1) return {};
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(capacity) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return std::string(text.substr(0, n));
}

nlohmann::json J(std::string_view cp1252) { return cp1252::Cp1252ToUtf8(cp1252); }

void JournalFailure(const char* lib, const char* fn, const char* what) noexcept {
    try {
        State::Instance().GetJournal().Add(
            {{"t", "call"}, {"lib", lib}, {"fn", fn}, {"error", cp1252::Cp1252ToUtf8(what ? what : "")}});
    } catch (...) {
        // Nothing left to tell it to.
    }
}

bool PlantedFault(const char* lib, const char* fn) {
    HostAnswers& host = State::Instance().Host();
    const CallFault fault = host.callFault;
    if (fault == CallFault::None) return false;
    const bool fails = fault == CallFault::Fail;
    State::Instance().GetJournal().Add({{"t", "call"}, {"lib", lib}, {"fn", fn}, {"fault", fails ? "fail" : "throw"}});
    if (fails) return true;
    if (fault == CallFault::ThrowNext) host.callFault = CallFault::None;
    throw PlantedError(std::string(lib) + "." + fn + ": planted error");
}

}  // namespace sim

namespace sim {

void LabelText(ZvMessageLabel* label, const std::string& cp1252) {
    if (label && label->set_text) label->set_text(label->context, cp1252.c_str());
}

}  // namespace sim
