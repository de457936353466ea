// Lumar: catalogue, field access and the error hand-over.
#include <algorithm>
#include <cstring>

#include "host/Lumar.h"
#include "sim/Catalogue.h"
#include "sim/HostCall.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {
constexpr const char* kLib = "Lumar";
}

extern "C" {

void ZV_HOSTAPI LeMensagens(char* out, int32_t capacity, int32_t number) {
    sim::GuardedVoid(kLib, "LeMensagens", [&] {
        const std::string text = sim::CopyOut(out, capacity, sim::MessageText(number));
        State::Instance().JournalCall(kLib, "LeMensagens", {number, capacity}, J(text));
    });
}

void ZV_HOSTAPI LeCampo(char* out, int32_t capacity, int32_t field, int32_t index) {
    sim::GuardedVoid(kLib, "LeCampo", [&] {
        const std::string value = State::Instance().Field(field, index);
        // A text read stops at the first zero byte, as the caller will.
        const std::string text = sim::CopyOut(out, capacity, value.substr(0, value.find('\0')));
        State::Instance().JournalCall(kLib, "LeCampo", {field, index, capacity}, J(text));
    });
}

ZvStatus ZV_HOSTAPI FosdalLeCampoMaxLen(int32_t field, int32_t index, char* buffer, uint16_t* length,
                                        int32_t maxLength, int32_t capacity) {
    return sim::Guarded(kLib, "FosdalLeCampoMaxLen", ZvStatus{1}, [&]() -> ZvStatus {
        const std::string value = State::Instance().Field(field, index);
        std::size_t n = 0;
        if (buffer && capacity > 0 && maxLength > 0) {
            n = std::min({value.size(), static_cast<std::size_t>(capacity), static_cast<std::size_t>(maxLength),
                          std::size_t{0xFFFF}});
            std::memcpy(buffer, value.data(), n);
            if (n < static_cast<std::size_t>(capacity)) buffer[n] = '\0';
        }
        if (length) *length = static_cast<uint16_t>(n);
        State::Instance().JournalCall(kLib, "FosdalLeCampoMaxLen", {field, index, maxLength, capacity}, 0,
                                      {{"bytes", J(value.substr(0, n))}, {"length", n}});
        return 0;
    });
}

ZvStatus ZV_HOSTAPI GravaCampoString(int32_t field, int32_t index, const char* text) {
    return sim::Guarded(kLib, "GravaCampoString", ZvStatus{1}, [&]() -> ZvStatus {
        const std::string value = sim::InText(text);
        State& s = State::Instance();
        const ZvStatus status = !s.WriteRefused(field) && s.SetField(field, value, index) ? 0 : 1;
        s.JournalCall(kLib, "GravaCampoString", {field, index, J(value)}, status);
        return status;
    });
}

void ZV_HOSTAPI EnviaArquivoErroPDV(int32_t code, const char* text) {
    sim::GuardedVoid(kLib, "EnviaArquivoErroPDV", [&] {
        const std::string value = sim::InText(text);
        State::Instance().AddErrorReport({code, value});
        State::Instance().JournalCall(kLib, "EnviaArquivoErroPDV", {code, J(value)}, nullptr);
    });
}

void ZV_HOSTAPI GetBuildInfo(char* out, int32_t capacity, const char* fileName) {
    sim::GuardedVoid(kLib, "GetBuildInfo", [&] {
        const std::string text = sim::CopyOut(out, capacity, State::Instance().Host().buildInfo);
        State::Instance().JournalCall(kLib, "GetBuildInfo", {J(sim::InText(fileName)), capacity}, J(text));
    });
}

}  // extern "C"
