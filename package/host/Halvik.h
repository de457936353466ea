#pragma once
// Halvik: the BIN query.
#include "host/HostAbi.h"

#ifdef __cplusplus
extern "C" {
#endif

ZvBool ZV_HOSTAPI FazSomenteTrnConsultaBins(ZvMessageLabel* label);

#ifdef __cplusplus
}
#endif
