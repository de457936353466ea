// Lumar: formatting routines and key filters.
#include "host/Lumar.h"
#include "sim/Formatting.h"
#include "sim/HostCall.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {

constexpr const char* kLib = "Lumar";

template <class F>
void Format(const char* fn, char* out, int32_t capacity, nlohmann::json args, F make) {
    sim::GuardedVoid(kLib, fn, [&] {
        const std::string text = sim::CopyOut(out, capacity, make());
        args.push_back(capacity);
        State::Instance().JournalCall(kLib, fn, std::move(args), J(text));
    });
}

}  // namespace

extern "C" {

void ZV_HOSTAPI RemoveFormato(char* out, int32_t capacity, const char* text) {
    const std::string in = sim::InText(text);
    Format("RemoveFormato", out, capacity, nlohmann::json::array({J(in)}), [&] { return sim::RemoveFormato(in); });
}

void ZV_HOSTAPI Dollar(char* out, int32_t capacity, const char* text) {
    const std::string in = sim::InText(text);
    Format("Dollar", out, capacity, nlohmann::json::array({J(in)}), [&] { return sim::Dollar(in); });
}

void ZV_HOSTAPI Padr(char* out, int32_t capacity, const char* text, int32_t width) {
    const std::string in = sim::InText(text);
    Format("Padr", out, capacity, {J(in), width}, [&] { return sim::Padr(in, width); });
}

void ZV_HOSTAPI Centraliza(char* out, int32_t capacity, const char* text, int32_t width) {
    const std::string in = sim::InText(text);
    Format("Centraliza", out, capacity, {J(in), width}, [&] { return sim::Centraliza(in, width); });
}

void ZV_HOSTAPI Replicate(char* out, int32_t capacity, char c, int32_t count) {
    Format("Replicate", out, capacity, {J(std::string(1, c)), count}, [&] { return sim::Replicate(c, count); });
}

void ZV_HOSTAPI PreencherZerosEsquerda(char* out, int32_t capacity, const char* text, int32_t width) {
    const std::string in = sim::InText(text);
    Format("PreencherZerosEsquerda", out, capacity, {J(in), width},
           [&] { return sim::PreencherZerosEsquerda(in, width); });
}

// The common filter lets every key through: the stand-in's keyboard has no
// keys to remap.
char ZV_HOSTAPI ValKeyBoard(char* key) {
    return sim::Guarded(kLib, "ValKeyBoard", '\0', [&]() -> char {
        const char k = key ? *key : '\0';
        State::Instance().JournalCall(kLib, "ValKeyBoard", {static_cast<unsigned char>(k)},
                                      static_cast<unsigned char>(k));
        return k;
    });
}

void ZV_HOSTAPI PermiteNumerico_BS_Enter(char* key) {
    sim::GuardedVoid(kLib, "PermiteNumerico_BS_Enter", [&] {
        if (!key) return;
        const char before = *key;
        if (!((before >= '0' && before <= '9') || before == 8 || before == 13)) *key = '\0';
        State::Instance().JournalCall(kLib, "PermiteNumerico_BS_Enter", {static_cast<unsigned char>(before)},
                                      static_cast<unsigned char>(*key));
    });
}

}  // extern "C"
