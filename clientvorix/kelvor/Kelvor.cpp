// Kelvor: card reader and PIN pad, answered from the scenario's [card] section.
#include "host/Kelvor.h"

#include "sim/HostCall.h"
#include "sim/RecordReader.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {
constexpr const char* kLib = "Kelvor";
}

extern "C" {

ZvStatus ZV_HOSTAPI LerCartao(ZvWindow window, int32_t zero, const char* prompt) {
    return sim::Guarded(kLib, "LerCartao", ZvStatus{1}, [&]() -> ZvStatus {
        const auto status = static_cast<ZvStatus>(State::Instance().NextRead());
        State::Instance().JournalCall(kLib, "LerCartao", {window, zero, J(sim::InText(prompt))}, status);
        return status;
    });
}

ZvStatus ZV_HOSTAPI LerSenha(ZvWindow window, const char* text1, const char* text2, int32_t zero,
                             const char* prompt) {
    return sim::Guarded(kLib, "LerSenha", ZvStatus{1}, [&]() -> ZvStatus {
        const auto status = static_cast<ZvStatus>(State::Instance().NextPin());
        State::Instance().JournalCall(
            kLib, "LerSenha",
            {window, J(sim::InText(text1)), J(sim::InText(text2)), zero, J(sim::InText(prompt))}, status);
        return status;
    });
}

void ZV_HOSTAPI RemoveCartao(const char* text) {
    sim::GuardedVoid(kLib, "RemoveCartao", [&] {
        const std::string t = sim::InText(text);
        State::Instance().SetPinpadText(t);
        State::Instance().JournalCall(kLib, "RemoveCartao", nlohmann::json::array({J(t)}), nullptr);
    });
}

void ZV_HOSTAPI ExibeMsgPinpad(const char* text) {
    sim::GuardedVoid(kLib, "ExibeMsgPinpad", [&] {
        const std::string t = sim::InText(text);
        State::Instance().SetPinpadText(t);
        State::Instance().JournalCall(kLib, "ExibeMsgPinpad", nlohmann::json::array({J(t)}), nullptr);
    });
}

ZvBool ZV_HOSTAPI VerificaTrataTrnReferida(ZvMessageLabel* label, const ZvTrnRecord* record) {
    return sim::Guarded(kLib, "VerificaTrataTrnReferida", ZvBool{0}, [&]() -> ZvBool {
        State& s = State::Instance();
        const bool ok = s.NextReferral();
        s.JournalCall(kLib, "VerificaTrataTrnReferida", {label != nullptr}, ok,
                      {{"record", sim::DescribeRecord(record, s.Fields())}});
        return ok ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI VerificaObtemDadosCartao(ZvMessageLabel* label) {
    return sim::Guarded(kLib, "VerificaObtemDadosCartao", ZvBool{0}, [&]() -> ZvBool {
        const bool ok = State::Instance().NextEmv();
        State::Instance().JournalCall(kLib, "VerificaObtemDadosCartao", {label != nullptr}, ok);
        return ok ? 1 : 0;
    });
}

int32_t ZV_HOSTAPI AnalisaDadosCartao(void) {
    return sim::Guarded(kLib, "AnalisaDadosCartao", int32_t{-1}, [&]() -> int32_t {
        const int32_t verdict = State::Instance().NextVerdict();
        State::Instance().JournalCall(kLib, "AnalisaDadosCartao", nlohmann::json::array(), verdict);
        return verdict;
    });
}

ZvBool ZV_HOSTAPI VerificaProcessamentoCartao(ZvMessageLabel* label, ZvAdviceCallback advice) {
    return sim::Guarded(kLib, "VerificaProcessamentoCartao", ZvBool{0}, [&]() -> ZvBool {
        State& s = State::Instance();
        nlohmann::json extra = nlohmann::json::object();
        // An offline advice goes out before the processing answer, as on a till.
        if (s.Card().advice) {
            if (advice.call) extra["advice_result"] = advice.call(advice.self, 1) != 0;
            else extra["advice_result"] = "no callback";
        }
        const bool ok = s.NextProcessing();
        s.JournalCall(kLib, "VerificaProcessamentoCartao", {label != nullptr, advice.call != nullptr}, ok, extra);
        return ok ? 1 : 0;
    });
}

void ZV_HOSTAPI TrataMensagensCartaoCHIP(int32_t option, ZvMessageLabel* label, ZvAdviceCallback advice) {
    sim::GuardedVoid(kLib, "TrataMensagensCartaoCHIP", [&] {
        State::Instance().JournalCall(kLib, "TrataMensagensCartaoCHIP",
                                      {option, label != nullptr, advice.call != nullptr}, nullptr);
    });
}

}  // extern "C"
