// Halvik: the BIN query, answered from the scenario's [card] bins list.
#include "host/Halvik.h"

#include "sim/HostCall.h"
#include "sim/State.h"

extern "C" ZvBool ZV_HOSTAPI FazSomenteTrnConsultaBins(ZvMessageLabel* label) {
    return sim::Guarded("Halvik", "FazSomenteTrnConsultaBins", ZvBool{0}, [&]() -> ZvBool {
        sim::State& s = sim::State::Instance();
        const bool done = s.NextBins();
        // The package shows field 1027 when the query was not carried out.
        if (!done) s.SetField(1027, s.Card().binsRefusal);
        s.JournalCall("Halvik", "FazSomenteTrnConsultaBins", {label != nullptr}, done);
        return done ? 1 : 0;
    });
}
