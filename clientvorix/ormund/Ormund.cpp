// Ormund: window tools. The stand-in has no windows of its own to raise, so
// the request is only recorded.
#include "host/Ormund.h"

#include "sim/HostCall.h"
#include "sim/State.h"

extern "C" void ZV_HOSTAPI ColocaJanelaEmPrimeiroPlano(ZvWindow window) {
    sim::GuardedVoid("Ormund", "ColocaJanelaEmPrimeiroPlano", [&] {
        sim::State::Instance().JournalCall("Ormund", "ColocaJanelaEmPrimeiroPlano", {window}, nullptr);
    });
}
