#pragma once
// What the exports of unit Zentravela run: the sale, the administrative
// functions and the generic entry choose their first screen here.
#include <cstdint>
#include <string>

#include "Versao.h"

namespace zv {

// The version the package reports for itself, besides VERSAO_DO_MODULO.
constexpr const char* VERSAO_PACOTE = ZV_VERSAO_COMPLETA;
constexpr const char* ARQUIVO_PACOTE = "Zentravela.bpl";

void ProcessaVenda(uint32_t janela);
// The sale's choice of its first screen once the pre-authorisation flags are
// set: a kind whose flag is off is refused with 1214, 1215 or 1216.
void DespachaVenda(bool preAutorizacao);
void ProcessaFuncaoADM(uint32_t janela, uint32_t funcao);
void ProcessaGenerico(uint32_t janela, uint32_t funcao);
// ExecutaConsultaCheque and ExecutaPreAutorizacao: served by neither.
void ProcessaNaoDisponivel();
// VERSAO of section CLIENTVORIX in Cliente.ini beside the running program.
std::string VersaoModuloPrincipalIni();

}  // namespace zv
