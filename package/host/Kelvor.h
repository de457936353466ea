#pragma once
// Kelvor: card reader and PIN pad.
#include "host/HostAbi.h"
#include "host/RegistroTransacao.h"

#ifdef __cplusplus
extern "C" {
#endif

ZvStatus ZV_HOSTAPI LerCartao(ZvWindow window, int32_t zero, const char* prompt);
ZvStatus ZV_HOSTAPI LerSenha(ZvWindow window, const char* text1, const char* text2, int32_t zero,
                             const char* prompt);
void ZV_HOSTAPI RemoveCartao(const char* text);
void ZV_HOSTAPI ExibeMsgPinpad(const char* text);
ZvBool ZV_HOSTAPI VerificaTrataTrnReferida(ZvMessageLabel* label, const ZvTrnRecord* record);
ZvBool ZV_HOSTAPI VerificaObtemDadosCartao(ZvMessageLabel* label);
int32_t ZV_HOSTAPI AnalisaDadosCartao(void);
ZvBool ZV_HOSTAPI VerificaProcessamentoCartao(ZvMessageLabel* label, ZvAdviceCallback advice);
void ZV_HOSTAPI TrataMensagensCartaoCHIP(int32_t option, ZvMessageLabel* label, ZvAdviceCallback advice);

#ifdef __cplusplus
}
#endif
