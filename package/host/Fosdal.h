#pragma once
// Fosdal: the terminal interface (field store, audit log, result hand-over).
#include "host/HostAbi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Stores raw bytes (zero bytes allowed). */
ZvStatus ZV_HOSTAPI FosdalGravaCampo(int32_t field, int32_t index, const char* data, int32_t length);
/* Copies at most `capacity` bytes of the field into `buffer` and sets *length
   to the number copied (0 when absent). */
ZvStatus ZV_HOSTAPI FosdalLeCampo(int32_t field, int32_t index, char* buffer, uint16_t* length,
                                  int32_t capacity);
ZvStatus ZV_HOSTAPI FosdalLimpaCampo(int32_t field);
ZvStatus ZV_HOSTAPI FosdalEnviarFinalizacaoEx(int32_t mode);
void ZV_HOSTAPI FosdalLimpaUltimaTrn(void);
/* Writes the host's result file from the field store. */
ZvStatus ZV_HOSTAPI FosdalGravaArquivo(void);
void ZV_HOSTAPI GravaAudit(int32_t level, const char* text, int32_t length);

#ifdef __cplusplus
}
#endif
