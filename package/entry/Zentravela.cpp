#include "Zentravela.h"

#include <exception>
#include <functional>
#include <iterator>

#include "Conversoes.h"
#include "ZentravelaMain.h"
#include "screens/CapturaPerguntasZentravela.h"
#include "screens/MenuModeloZentravela.h"
#include "screens/ModeloZentravela.h"
#include "screens/TrnModeloZentravela.h"
#include "credit/CreditoTrnZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "credit/CreditoParceladoZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoParcAdmZentravela.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/MenuCreditoZentravela.h"
#include "credit/MenuPreAutorizacaoZentravela.h"
#include "credit/MenuCreditoAdmZentravela.h"
#include "cancel/CancelamentoTrnZentravela.h"
#include "cancel/CancCreditoZentravela.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "cancel/MenuCancelamentoZentravela.h"
#include "consult/ConsCreditoZentravela.h"
#include "consult/ConsultaSaldoCreditoTrnZentravela.h"
#include "consult/ConsultaSaldoCreditoZentravela.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "forms/Application.h"
#include "forms/HostLink.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/FinanceiroTrnZentravela.h"
#include "withdrawal/MenuSaqueZentravela.h"
#include "withdrawal/SaqueFinParceladoZentravela.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"
#include "withdrawal/SaqueFinanceiroZentravela.h"

namespace {

#define ZV_UNIDADE(U) ZvPackageUnit{#U, &zv::U::Initialization, &zv::U::Finalization}

// Dependency order: a unit comes after every unit it builds on.
constexpr ZvPackageUnit UNIDADES[] = {
    // Screen framework (package/screens) goes first, ModeloZentravela at the top.
    ZV_UNIDADE(ModeloZentravela),
    ZV_UNIDADE(TrnModeloZentravela),
    ZV_UNIDADE(CapturaPerguntasZentravela),
    ZV_UNIDADE(MenuModeloZentravela),
    // Credit and menus (package/credit).
    ZV_UNIDADE(CreditoTrnZentravela),
    ZV_UNIDADE(CreditoVistaZentravela),
    ZV_UNIDADE(CreditoParceladoZentravela),
    ZV_UNIDADE(CreditoParcEstZentravela),
    ZV_UNIDADE(CreditoParcAdmZentravela),
    ZV_UNIDADE(CreditoParcCprAdmZentravela),
    ZV_UNIDADE(MenuCreditoZentravela),
    ZV_UNIDADE(MenuPreAutorizacaoZentravela),
    ZV_UNIDADE(MenuCreditoAdmZentravela),
    // Withdrawal, invoice, cancellation and consultation units; the
    // consultations' receipt before the consultations.
    ZV_UNIDADE(ImprimeConsultaZentravela),
    ZV_UNIDADE(FinanceiroTrnZentravela),
    ZV_UNIDADE(SaqueFinanceiroZentravela),
    ZV_UNIDADE(SaqueFinRotativoZentravela),
    ZV_UNIDADE(SaqueFinParceladoZentravela),
    ZV_UNIDADE(ConsSaqueZentravela),
    ZV_UNIDADE(MenuSaqueZentravela),
    ZV_UNIDADE(CancelamentoTrnZentravela),
    ZV_UNIDADE(PagamentoFaturaZentravela),
    ZV_UNIDADE(CancPagamentoFaturaZentravela),
    ZV_UNIDADE(CancCreditoZentravela),
    ZV_UNIDADE(CancFinanceiroZentravela),
    ZV_UNIDADE(MenuCancelamentoZentravela),
    ZV_UNIDADE(ConsCreditoZentravela),
    ZV_UNIDADE(ConsultaSaldoCreditoTrnZentravela),
    ZV_UNIDADE(ConsultaSaldoCreditoZentravela),
    // The main unit is always last.
    ZV_UNIDADE(ZentravelaMain),
};

#undef ZV_UNIDADE

constexpr ZvPackageInfo DESCRITOR{static_cast<int32_t>(std::size(UNIDADES)), UNIDADES};

// Nothing escapes into the client: whatever a call raises goes to the
// application's error handler.
void Protegido(const std::function<void()>& corpo) noexcept {
    try {
        corpo();
    } catch (...) {
        try {
            forms::Application::Instance().HandleException(std::current_exception());
        } catch (...) {
            // The handler itself failed; there is nobody left to tell.
        }
    }
}

}  // namespace

extern "C" {

void ZV_HOSTAPI Initialize(void) {
    Protegido([] {
        forms::AttachToHostProgram();
        for (const auto& unidade : UNIDADES) unidade.initialization();
    });
}

void ZV_HOSTAPI Finalize(void) {
    Protegido([] {
        for (auto it = std::rbegin(UNIDADES); it != std::rend(UNIDADES); ++it) it->finalization();
        forms::DetachFromHostProgram();
    });
}

const ZvPackageInfo* ZV_HOSTAPI GetPackageInfoTable(void) { return &DESCRITOR; }

void ZV_HOSTAPI ObtemVersao(char* versao, int32_t capacidade, char* versaoModulo, int32_t capacidadeModulo) {
    Protegido([&] {
        zv::CopiaTexto(versao, capacidade, zv::VERSAO_PACOTE);
        zv::CopiaTexto(versaoModulo, capacidadeModulo, zv::VERSAO_DO_MODULO);
    });
}

void ZV_HOSTAPI ObtemVersaoModuloPrincipalIni(char* versao, int32_t capacidade) {
    Protegido([&] {
        // An empty answer is better than yesterday's text if the read fails.
        zv::CopiaTexto(versao, capacidade, "");
        zv::CopiaTexto(versao, capacidade, zv::VersaoModuloPrincipalIni());
    });
}

void ZV_HOSTAPI ExecutaVenda(uint32_t janela, uint32_t argumento) {
    (void)argumento;
    Protegido([&] { zv::ProcessaVenda(janela); });
}

void ZV_HOSTAPI ExecutaFuncaoADM(uint32_t janela, uint32_t funcao) {
    Protegido([&] { zv::ProcessaFuncaoADM(janela, funcao); });
}

void ZV_HOSTAPI ExecutaGenerico(uint32_t janela, uint32_t funcao) {
    Protegido([&] { zv::ProcessaGenerico(janela, funcao); });
}

void ZV_HOSTAPI ExecutaConsultaCheque(uint32_t argumento1, uint32_t argumento2) {
    (void)argumento1;
    (void)argumento2;
    Protegido([] { zv::ProcessaNaoDisponivel(); });
}

void ZV_HOSTAPI ExecutaPreAutorizacao(uint32_t argumento1, uint32_t argumento2) {
    (void)argumento1;
    (void)argumento2;
    Protegido([] { zv::ProcessaNaoDisponivel(); });
}

}  // extern "C"
