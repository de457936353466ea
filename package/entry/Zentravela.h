#pragma once
// The package unit: the exports the client calls by name, and the package
// descriptor its loader walks.
#include <stdint.h>

#include "host/HostAbi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A unit's initialisation or finalisation: the loader may call it itself. */
typedef void(ZV_HOSTAPI* ZvUnitProc)(void);

/* One unit of the package with its initialisation and finalisation. */
typedef struct ZvPackageUnit {
    const char* name;
    ZvUnitProc initialization;
    ZvUnitProc finalization;
} ZvPackageUnit;

/* The descriptor: the units in initialisation order (the base screen unit
   first, ZentravelaMain last); finalisation runs them backwards. */
typedef struct ZvPackageInfo {
    int32_t unitCount;
    const ZvPackageUnit* units;
} ZvPackageInfo;

void ZV_HOSTAPI Initialize(void);
void ZV_HOSTAPI Finalize(void);
const ZvPackageInfo* ZV_HOSTAPI GetPackageInfoTable(void);

/* "1.0.0.0" and VERSAO_DO_MODULO, each cut to its buffer and terminated. */
void ZV_HOSTAPI ObtemVersao(char* versao, int32_t capacidade, char* versaoModulo, int32_t capacidadeModulo);
/* VERSAO of section CLIENTVORIX in Cliente.ini beside the client program. */
void ZV_HOSTAPI ObtemVersaoModuloPrincipalIni(char* versao, int32_t capacidade);

void ZV_HOSTAPI ExecutaVenda(uint32_t janela, uint32_t argumento);
void ZV_HOSTAPI ExecutaFuncaoADM(uint32_t janela, uint32_t funcao);
void ZV_HOSTAPI ExecutaGenerico(uint32_t janela, uint32_t funcao);
void ZV_HOSTAPI ExecutaConsultaCheque(uint32_t argumento1, uint32_t argumento2);
void ZV_HOSTAPI ExecutaPreAutorizacao(uint32_t argumento1, uint32_t argumento2);

/* The exports as the client finds them by name. */
typedef void(ZV_HOSTAPI* ZvLoaderProc)(void);
typedef const ZvPackageInfo*(ZV_HOSTAPI* ZvPackageInfoProc)(void);
typedef void(ZV_HOSTAPI* ZvVersionProc)(char* versao, int32_t capacidade, char* versaoModulo,
                                        int32_t capacidadeModulo);
typedef void(ZV_HOSTAPI* ZvClientVersionProc)(char* versao, int32_t capacidade);
typedef void(ZV_HOSTAPI* ZvEntryProc)(uint32_t janela, uint32_t argumento);

#ifdef __cplusplus
}
#endif
