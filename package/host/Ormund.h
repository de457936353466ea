#pragma once
// Ormund: window tools.
#include "host/HostAbi.h"

#ifdef __cplusplus
extern "C" {
#endif

void ZV_HOSTAPI ColocaJanelaEmPrimeiroPlano(ZvWindow window);

#ifdef __cplusplus
}
#endif
