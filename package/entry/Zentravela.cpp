#include "entry/Zentravela.h"

#include <exception>
#include <iterator>
#include <string>
#include <type_traits>

#include "cancel/CancCreditoZentravela.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "cancel/CancelamentoTrnZentravela.h"
#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "consult/ConsCreditoZentravela.h"
#include "consult/ConsultaSaldoCreditoTrnZentravela.h"
#include "consult/ConsultaSaldoCreditoZentravela.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "credit/CreditoParcAdmZentravela.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoParceladoZentravela.h"
#include "credit/CreditoTrnZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "entry/ExecutaEntrada.h"
#include "forms/Application.h"
#include "forms/HostLink.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "menus/MenuCancelamentoZentravela.h"
#include "menus/MenuCreditoAdmZentravela.h"
#include "menus/MenuCreditoZentravela.h"
#include "menus/MenuPreAutorizacaoZentravela.h"
#include "menus/MenuSaqueZentravela.h"
#include "screens/CapturaPerguntasZentravela.h"
#include "screens/MenuModeloZentravela.h"
#include "screens/ModeloZentravela.h"
#include "screens/TrnModeloZentravela.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/FinanceiroTrnZentravela.h"
#include "withdrawal/SaqueFinParceladoZentravela.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"
#include "withdrawal/SaqueFinanceiroZentravela.h"

namespace {

// Nothing escapes into the client: whatever a call raises goes to the
// application's error handler.
template <class Corpo>
void Protegido(Corpo&& corpo) noexcept {
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

// The loader may call a unit's routines itself: through the ABI's convention,
// and letting nothing out.
template <void (*Rotina)()>
void ZV_HOSTAPI RotinaDaUnidade() {
    Protegido(Rotina);
}

#define ZV_UNIDADE(U) \
    ZvPackageUnit { #U, &RotinaDaUnidade<&zv::U::Initialization>, &RotinaDaUnidade<&zv::U::Finalization> }

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

// An operation that an error ended outside any screen's handler was not
// carried out: the client is told so, as of an operation refused before any
// screen (message 801), and the audit log keeps the error. The operator's
// leaving (an aborted script) is no error of the operation: the client learns
// it from its own screens.
void RelataErro(const char* erro) noexcept {
    try {
        zv::host::Audit(std::string("Erro: ") + erro);
        zv::host::EnviaErroPDV(zv::MSG_TRANSACAO_NAO_EFETUADA);
    } catch (...) {
        // The client's own libraries failed too; there is nobody left to tell.
    }
}

template <class Corpo>
void Operacao(Corpo&& corpo) noexcept {
    try {
        corpo();
    } catch (const forms::OperatorAbort&) {
    } catch (const std::exception& e) {
        RelataErro(e.what());
    } catch (...) {
        RelataErro("erro desconhecido");
    }
}

// The client finds the exports by name and calls them through these types.
static_assert(std::is_same_v<decltype(&Initialize), ZvLoaderProc>);
static_assert(std::is_same_v<decltype(&Finalize), ZvLoaderProc>);
static_assert(std::is_same_v<decltype(&GetPackageInfoTable), ZvPackageInfoProc>);
static_assert(std::is_same_v<decltype(&ObtemVersao), ZvVersionProc>);
static_assert(std::is_same_v<decltype(&ObtemVersaoModuloPrincipalIni), ZvClientVersionProc>);
static_assert(std::is_same_v<decltype(&ExecutaVenda), ZvEntryProc>);
static_assert(std::is_same_v<decltype(&ExecutaFuncaoADM), ZvEntryProc>);
static_assert(std::is_same_v<decltype(&ExecutaGenerico), ZvEntryProc>);
static_assert(std::is_same_v<decltype(&ExecutaConsultaCheque), ZvEntryProc>);
static_assert(std::is_same_v<decltype(&ExecutaPreAutorizacao), ZvEntryProc>);

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
    // Terminated before anything can fail, so the client never reads stale bytes.
    zv::CopiaTexto(versao, capacidade, "");
    zv::CopiaTexto(versaoModulo, capacidadeModulo, "");
    Protegido([&] {
        zv::CopiaTexto(versao, capacidade, zv::VERSAO_PACOTE);
        zv::CopiaTexto(versaoModulo, capacidadeModulo, zv::VERSAO_DO_MODULO);
    });
}

void ZV_HOSTAPI ObtemVersaoModuloPrincipalIni(char* versao, int32_t capacidade) {
    // An empty answer is better than yesterday's text if the read fails.
    zv::CopiaTexto(versao, capacidade, "");
    Protegido([&] { zv::CopiaTexto(versao, capacidade, zv::VersaoModuloPrincipalIni()); });
}

void ZV_HOSTAPI ExecutaVenda(uint32_t janela, uint32_t argumento) {
    (void)argumento;
    Operacao([&] { zv::ProcessaVenda(janela); });
}

void ZV_HOSTAPI ExecutaFuncaoADM(uint32_t janela, uint32_t funcao) {
    Operacao([&] { zv::ProcessaFuncaoADM(janela, funcao); });
}

void ZV_HOSTAPI ExecutaGenerico(uint32_t janela, uint32_t funcao) {
    Operacao([&] { zv::ProcessaGenerico(janela, funcao); });
}

void ZV_HOSTAPI ExecutaConsultaCheque(uint32_t argumento1, uint32_t argumento2) {
    (void)argumento1;
    (void)argumento2;
    Operacao([] { zv::ProcessaNaoDisponivel(); });
}

void ZV_HOSTAPI ExecutaPreAutorizacao(uint32_t argumento1, uint32_t argumento2) {
    (void)argumento1;
    (void)argumento2;
    Operacao([] { zv::ProcessaNaoDisponivel(); });
}

}  // extern "C"
