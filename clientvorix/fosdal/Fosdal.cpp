// Fosdal: the terminal interface over the shared client state.
#include "host/Fosdal.h"

#include <algorithm>
#include <cstring>

#include "sim/HostCall.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {

constexpr const char* kLib = "Fosdal";
constexpr ZvStatus kRefused = 1;
// Reads report 16-bit lengths, so nothing longer is ever stored; a larger
// length is a caller's mistake we refuse rather than read past its buffer.
constexpr int32_t kMaxFieldBytes = 0xFFFF;

}  // namespace

extern "C" {

ZvStatus ZV_HOSTAPI FosdalGravaCampo(int32_t field, int32_t index, const char* data, int32_t length) {
    return sim::Guarded(kLib, "FosdalGravaCampo", kRefused, [&]() -> ZvStatus {
        // Raw bytes: a zero byte is data here, so the length alone bounds the read.
        const bool sane = length >= 0 && length <= kMaxFieldBytes && (data || length == 0);
        std::string bytes;
        if (sane && length > 0) bytes.assign(data, static_cast<std::size_t>(length));
        State& s = State::Instance();
        const bool stored = sane && !s.WriteRefused(field) && s.SetField(field, bytes, index);
        const ZvStatus status = stored ? 0 : kRefused;
        s.JournalCall(kLib, "FosdalGravaCampo", {field, index, J(bytes), length}, status);
        return status;
    });
}

ZvStatus ZV_HOSTAPI FosdalLeCampo(int32_t field, int32_t index, char* buffer, uint16_t* length,
                                  int32_t capacity) {
    return sim::Guarded(kLib, "FosdalLeCampo", kRefused, [&]() -> ZvStatus {
        const std::string value = State::Instance().Field(field, index);
        std::size_t n = 0;
        if (buffer && capacity > 0) {
            n = std::min({value.size(), static_cast<std::size_t>(capacity), std::size_t{0xFFFF}});
            std::memcpy(buffer, value.data(), n);
            if (n < static_cast<std::size_t>(capacity)) buffer[n] = '\0';
        }
        if (length) *length = static_cast<uint16_t>(n);
        State::Instance().JournalCall(kLib, "FosdalLeCampo", {field, index, capacity}, 0,
                                      {{"bytes", J(value.substr(0, n))}, {"length", n}});
        return 0;
    });
}

ZvStatus ZV_HOSTAPI FosdalLimpaCampo(int32_t field) {
    return sim::Guarded(kLib, "FosdalLimpaCampo", kRefused, [&]() -> ZvStatus {
        State::Instance().ClearField(field);
        State::Instance().JournalCall(kLib, "FosdalLimpaCampo", {field}, 0);
        return 0;
    });
}

ZvStatus ZV_HOSTAPI FosdalEnviarFinalizacaoEx(int32_t mode) {
    return sim::Guarded(kLib, "FosdalEnviarFinalizacaoEx", kRefused, [&]() -> ZvStatus {
        State::Instance().JournalCall(kLib, "FosdalEnviarFinalizacaoEx", {mode}, 0);
        return 0;
    });
}

void ZV_HOSTAPI FosdalLimpaUltimaTrn(void) {
    sim::GuardedVoid(kLib, "FosdalLimpaUltimaTrn",
                     [&] { State::Instance().JournalCall(kLib, "FosdalLimpaUltimaTrn", nlohmann::json::array(), nullptr); });
}

ZvStatus ZV_HOSTAPI FosdalGravaArquivo(void) {
    return sim::Guarded(kLib, "FosdalGravaArquivo", kRefused, [&]() -> ZvStatus {
        State& s = State::Instance();
        const ZvStatus status = s.WriteResultFile() ? 0 : kRefused;
        s.JournalCall(kLib, "FosdalGravaArquivo", nlohmann::json::array(), status,
                      {{"path", s.ResultFilePath()}});
        return status;
    });
}

void ZV_HOSTAPI GravaAudit(int32_t level, const char* text, int32_t length) {
    sim::GuardedVoid(kLib, "GravaAudit", [&] {
        const std::string line = sim::InText(text, length);
        State::Instance().JournalCall(kLib, "GravaAudit", {level, J(line), length}, nullptr);
        State::Instance().AddAudit(line);
    });
}

}  // extern "C"
