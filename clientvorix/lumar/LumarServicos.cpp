// Lumar: service data lookups, enabled-transaction tables and host settings.
#include <algorithm>

#include "host/Lumar.h"
#include "sim/HostCall.h"
#include "sim/ServiceData.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {

constexpr const char* kLib = "Lumar";

// The tag's value, or nothing when the tag is absent.
const std::string* TagValue(const std::string& tag) {
    const auto& tags = State::Instance().Service().tags;
    auto it = tags.find(tag);
    return it == tags.end() ? nullptr : &it->second;
}

std::string CharText(char c) { return c == '\0' ? std::string() : std::string(1, c); }

}  // namespace

extern "C" {

ZvBool ZV_HOSTAPI VerificaServico5(const char* tag, char expected) {
    return sim::Guarded(kLib, "VerificaServico5", ZvBool{0}, [&]() -> ZvBool {
        const std::string t = sim::InText(tag);
        const std::string* v = TagValue(t);
        // The character of code 0 asks only whether the tag is there.
        const bool yes = v && (expected == '\0' || (!v->empty() && (*v)[0] == expected));
        State::Instance().JournalCall(kLib, "VerificaServico5", {J(t), J(CharText(expected))}, yes);
        return yes ? 1 : 0;
    });
}

void ZV_HOSTAPI VerificaServico5String(char* out, int32_t capacity, const char* tag, int32_t index) {
    sim::GuardedVoid(kLib, "VerificaServico5String", [&] {
        const std::string t = sim::InText(tag);
        const std::string* v = TagValue(t);
        const std::string text = sim::CopyOut(out, capacity, v ? *v : std::string());
        State::Instance().JournalCall(kLib, "VerificaServico5String", {J(t), index, capacity}, J(text));
    });
}

ZvBool ZV_HOSTAPI VerificaServico5MultiFlag(const char* tag, char expected, int32_t position) {
    return sim::Guarded(kLib, "VerificaServico5MultiFlag", ZvBool{0}, [&]() -> ZvBool {
        const std::string t = sim::InText(tag);
        const std::string* v = TagValue(t);
        const bool yes = v && position >= 1 && static_cast<std::size_t>(position) <= v->size() &&
                         (*v)[static_cast<std::size_t>(position) - 1] == expected;
        State::Instance().JournalCall(kLib, "VerificaServico5MultiFlag", {J(t), J(CharText(expected)), position}, yes);
        return yes ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI VerificaServico4(const char* code) {
    return sim::Guarded(kLib, "VerificaServico4", ZvBool{0}, [&]() -> ZvBool {
        const std::string c = sim::InText(code);
        const bool yes = State::Instance().Service().codes.count(c) != 0;
        State::Instance().JournalCall(kLib, "VerificaServico4", nlohmann::json::array({J(c)}), yes);
        return yes ? 1 : 0;
    });
}

uint16_t ZV_HOSTAPI ProcuraServico(int32_t zero, int32_t field, char letter, const char* subcode, char* buffer,
                                   int32_t bufferSize) {
    return sim::Guarded(kLib, "ProcuraServico", uint16_t{0}, [&]() -> uint16_t {
        const std::string sub = sim::InText(subcode);
        const auto entry = sim::FindServiceEntry(State::Instance().Field(field), letter, sub);
        std::string copied;
        if (entry) copied = sim::CopyOut(buffer, bufferSize, *entry);
        else sim::CopyOut(buffer, bufferSize, "");
        const auto length = static_cast<uint16_t>(std::min<std::size_t>(copied.size(), 0xFFFF));
        State::Instance().JournalCall(kLib, "ProcuraServico",
                                      {zero, field, J(CharText(letter)), J(sub), bufferSize}, length,
                                      {{"entry", J(copied)}});
        return length;
    });
}

ZvBool ZV_HOSTAPI TransacoesHabilitadas(uint16_t terminalCode, uint16_t intposCode) {
    return sim::Guarded(kLib, "TransacoesHabilitadas", ZvBool{0}, [&]() -> ZvBool {
        const State& s = State::Instance();
        // 0 in a place leaves that table out of the check.
        const bool yes = (terminalCode == 0 || s.TerminalEnabled(terminalCode)) &&
                         (intposCode == 0 || s.IntposEnabled(intposCode));
        State::Instance().JournalCall(kLib, "TransacoesHabilitadas", {terminalCode, intposCode}, yes);
        return yes ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI TransacoesHabilitadasIntPos(uint16_t intposCode) {
    return sim::Guarded(kLib, "TransacoesHabilitadasIntPos", ZvBool{0}, [&]() -> ZvBool {
        const bool yes = State::Instance().IntposEnabled(intposCode);
        State::Instance().JournalCall(kLib, "TransacoesHabilitadasIntPos", {intposCode}, yes);
        return yes ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI PermiteAlterarDados(void) {
    return sim::Guarded(kLib, "PermiteAlterarDados", ZvBool{0}, [&]() -> ZvBool {
        const bool yes = State::Instance().Host().permiteAlterarDados;
        State::Instance().JournalCall(kLib, "PermiteAlterarDados", nlohmann::json::array(), yes);
        return yes ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI EhCartaoChipComContato(void) {
    return sim::Guarded(kLib, "EhCartaoChipComContato", ZvBool{0}, [&]() -> ZvBool {
        const bool yes = State::Instance().Host().chipContato;
        State::Instance().JournalCall(kLib, "EhCartaoChipComContato", nlohmann::json::array(), yes);
        return yes ? 1 : 0;
    });
}

}  // extern "C"
