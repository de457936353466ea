#pragma once
// Lumar: shared routines of the administrator packages (catalogue, fields,
// service data, enabled transactions, authorisation, formatting, key filters).
// Every "out text" takes its buffer's capacity; the callee truncates and
// always terminates.
#include "host/HostAbi.h"
#include "host/RegistroTransacao.h"

#ifdef __cplusplus
extern "C" {
#endif

void ZV_HOSTAPI LeMensagens(char* out, int32_t capacity, int32_t number);
void ZV_HOSTAPI LeCampo(char* out, int32_t capacity, int32_t field, int32_t index);
/* At most min(maxLength, capacity) bytes copied; *length set (0 when absent). */
ZvStatus ZV_HOSTAPI FosdalLeCampoMaxLen(int32_t field, int32_t index, char* buffer, uint16_t* length,
                                        int32_t maxLength, int32_t capacity);
ZvStatus ZV_HOSTAPI GravaCampoString(int32_t field, int32_t index, const char* text);
void ZV_HOSTAPI EnviaArquivoErroPDV(int32_t code, const char* text);

ZvBool ZV_HOSTAPI VerificaServico5(const char* tag, char expected);
void ZV_HOSTAPI VerificaServico5String(char* out, int32_t capacity, const char* tag, int32_t index);
ZvBool ZV_HOSTAPI VerificaServico5MultiFlag(const char* tag, char expected, int32_t position);
ZvBool ZV_HOSTAPI VerificaServico4(const char* code);
/* Length of the entry found (0 = none); the entry, from its sub-code on, into buffer. */
uint16_t ZV_HOSTAPI ProcuraServico(int32_t zero, int32_t field, char letter, const char* subcode,
                                   char* buffer, int32_t bufferSize);

ZvBool ZV_HOSTAPI TransacoesHabilitadas(uint16_t terminalCode, uint16_t intposCode);
ZvBool ZV_HOSTAPI TransacoesHabilitadasIntPos(uint16_t intposCode);

ZvBool ZV_HOSTAPI AutorizaTransacao(const ZvTrnRecord* record, ZvMessageLabel* label, ZvBool flag);

void ZV_HOSTAPI GetBuildInfo(char* out, int32_t capacity, const char* fileName);
void ZV_HOSTAPI RemoveFormato(char* out, int32_t capacity, const char* text);
void ZV_HOSTAPI Dollar(char* out, int32_t capacity, const char* text);
void ZV_HOSTAPI Padr(char* out, int32_t capacity, const char* text, int32_t width);
void ZV_HOSTAPI Centraliza(char* out, int32_t capacity, const char* text, int32_t width);
void ZV_HOSTAPI Replicate(char* out, int32_t capacity, char c, int32_t count);
void ZV_HOSTAPI PreencherZerosEsquerda(char* out, int32_t capacity, const char* text, int32_t width);

/* Key filters: the key by reference; ValKeyBoard also returns it. */
char ZV_HOSTAPI ValKeyBoard(char* key);
void ZV_HOSTAPI PermiteNumerico_BS_Enter(char* key);

ZvBool ZV_HOSTAPI PermiteAlterarDados(void);
ZvBool ZV_HOSTAPI EhCartaoChipComContato(void);

/* Service fee. `taxa` is the screen's 8-byte value, Lumar's to fill and read back. */
ZvBool ZV_HOSTAPI IniciaTaxaServico(const char* valor, char* out, int32_t capacity, void* taxa);
ZvBool ZV_HOSTAPI ValidaTaxaServico(const char* valor, const char* taxaTexto, const void* taxa);
/* Sets the two flags: service fee in force, boarding fee in force. */
void ZV_HOSTAPI VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito(ZvBool* taxa, ZvBool* embarque);
void ZV_HOSTAPI VerificaGravaCampoTratamentoEspecialPagamentoCarne(void);

#ifdef __cplusplus
}
#endif
