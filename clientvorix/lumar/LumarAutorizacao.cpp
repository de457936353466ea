// Lumar: the authorisation call. The record is journalled as the host read
// it (field values before the answer), then the scenario's next answer is
// applied to the store; a sale of a zero amount is declined by the
// authoriser itself, as a real one would, without using a scenario answer.
#include "host/Lumar.h"
#include "cp1252/Cp1252.h"
#include "sim/HostCall.h"
#include "sim/RecordReader.h"
#include "sim/State.h"

namespace {

sim::AuthorizationAnswer ZeroAmountDeclined() {
    sim::AuthorizationAnswer declined;
    declined.result = false;
    declined.fields = {{1009, 0, "13"}, {1027, 0, "VALOR INVALIDO"}};
    return declined;
}

}  // namespace

extern "C" ZvBool ZV_HOSTAPI AutorizaTransacao(const ZvTrnRecord* record, ZvMessageLabel* label, ZvBool flag) {
    return sim::Guarded("Lumar", "AutorizaTransacao", ZvBool{0}, [&]() -> ZvBool {
        sim::State& s = sim::State::Instance();
        nlohmann::json described = sim::DescribeRecord(record, s.Fields());
        sim::LabelText(label, "Autorizando...");
        const sim::AuthorizationAnswer answer =
            sim::AsksZeroAmount(record, s.Fields()) ? ZeroAmountDeclined() : s.NextAuthorization();
        // Without a record there is nothing to authorise.
        const bool accepted = record && answer.result;
        if (record) s.ApplyAnswer(answer);
        s.JournalCall("Lumar", "AutorizaTransacao", {flag}, accepted, {{"record", std::move(described)}});
        return accepted ? 1 : 0;
    });
}
