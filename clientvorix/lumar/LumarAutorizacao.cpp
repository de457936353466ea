// Lumar: the authorisation call. The record is journalled as the host read
// it (field values before the answer), then the scenario's next answer is
// applied to the store.
#include "Lumar.h"
#include "sim/Cp1252.h"
#include "sim/HostCall.h"
#include "sim/RecordReader.h"
#include "sim/State.h"

extern "C" ZvBool ZV_HOSTAPI AutorizaTransacao(const ZvTrnRecord* record, ZvMessageLabel* label, ZvBool flag) {
    return sim::Guarded("Lumar", "AutorizaTransacao", ZvBool{0}, [&]() -> ZvBool {
        sim::State& s = sim::State::Instance();
        nlohmann::json described = sim::DescribeRecord(record, s.Fields());
        sim::LabelText(label, "Autorizando...");
        const sim::AuthorizationAnswer answer = s.NextAuthorization();
        // Without a record there is nothing to authorise.
        const bool accepted = record && answer.result;
        if (record) s.ApplyAnswer(answer);
        s.JournalCall("Lumar", "AutorizaTransacao", {flag}, accepted, {{"record", std::move(described)}});
        return accepted ? 1 : 0;
    });
}
