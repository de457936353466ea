// The entry points' work: which screen an operation opens first, or which
// message refuses it.
#include <cstring>
#include <filesystem>

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "entry/ExecutaEntrada.h"
#include "entry/TelasEntrada.h"
#include "forms/Application.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/TransacoesHabilitadas.h"
#include "profile/Profile.h"

namespace zv {

namespace {

// The host window owns every screen and box for the length of one call.
class TrocaJanela {
public:
    explicit TrocaJanela(uint32_t janela) : anterior_(forms::Application::Instance().Handle()) {
        forms::Application::Instance().SetHandle(janela);
    }
    ~TrocaJanela() { forms::Application::Instance().SetHandle(anterior_); }
    TrocaJanela(const TrocaJanela&) = delete;
    TrocaJanela& operator=(const TrocaJanela&) = delete;

private:
    forms::WindowHandle anterior_;
};

constexpr uint32_t FLAGS_FALHA_CREDITO = forms::MB_TOPMOST | forms::MB_ICONEXCLAMATION;
constexpr uint32_t FLAGS_FALHA_MENU = forms::MB_TOPMOST | forms::MB_OK;

void AbreTela(const char* classe, const char* nomeForm, forms::Form*& variavel, uint32_t flagsFalha) {
    if (!CriaExecutaForm(classe, nullptr, variavel)) MostraFalhaCriacaoTela(nomeForm, flagsFalha);
}

// Field 10107 comes in its three-byte buffer and reads as text up to a zero byte.
std::string LeStatusOperacao() {
    const std::string bytes = host::LeCampoBytes(CAMPO_STATUS_OPERACAO, 0, 3);
    return bytes.substr(0, strnlen(bytes.c_str(), bytes.size()));
}

bool Habilitada(uint16_t terminal, uint16_t intpos) { return TransacoesHabilitadas(terminal, intpos) != 0; }

// Pre-authorisation mode offers every kind of capture: the host's per-kind
// flags are asked for, but all three end up allowed.
void DefineFlagsPreAutorizacao() {
    TRN_PCAPV = VerificaServico5(TAG_PCAPV, '1') != 0;
    TRN_PCAPPL = VerificaServico5(TAG_PCAPPL, '1') != 0;
    TRN_PCAPPA = VerificaServico5(TAG_PCAPPA, '1') != 0;
    TRN_PCAPV = true;
    TRN_PCAPPL = true;
    TRN_PCAPPA = true;
}

void AbreCreditoAVista(bool preAutorizacao) {
    if (preAutorizacao && !TRN_PCAPV) {
        host::EnviaErroPDV(MSG_PRE_AUT_VISTA_NAO_PERMITIDA);
        return;
    }
    AbreTela("TFrmVis_Crd", "FrmVis_Crd", CreditoVistaZentravela::FrmVis_Crd, FLAGS_FALHA_CREDITO);
}

void AbreCreditoParcelado(bool preAutorizacao) {
    const int32_t tipo = ConverteInteiro(host::LeCampo(CAMPO_TIPO_PARCELAMENTO), -1);
    if (tipo == 0) {
        if (preAutorizacao && !TRN_PCAPPL) {
            host::EnviaErroPDV(MSG_PRE_AUT_PARC_LOJA_NAO_PERMITIDA);
            return;
        }
        AbreTela("TFrmEst_CrdPar", "FrmEst_CrdPar", CreditoParcEstZentravela::FrmEst_CrdPar,
                 FLAGS_FALHA_CREDITO);
    } else if (tipo == 1) {
        if (preAutorizacao && !TRN_PCAPPA) {
            host::EnviaErroPDV(MSG_PRE_AUT_PARC_ADM_NAO_PERMITIDA);
            return;
        }
        AbreTela("TFrmCpr_AdmCrdPar", "FrmCpr_AdmCrdPar", CreditoParcCprAdmZentravela::FrmCpr_AdmCrdPar,
                 FLAGS_FALHA_CREDITO);
    } else if (preAutorizacao) {
        AbreTela("TFrmPreAut_Mnu", "FrmPreAut_Mnu", MenuCreditoZentravela::FrmCred_Mnu, FLAGS_FALHA_MENU);
    } else {
        AbreTela("TFrmCred_Mnu", "FrmCred_Mnu", MenuCreditoZentravela::FrmCred_Mnu, FLAGS_FALHA_MENU);
    }
}

}  // namespace

void ProcessaVenda(uint32_t janela) {
    TrocaJanela troca(janela);

    // Empty, not a number or not 0: the client is not ready for a sale.
    if (ConverteInteiro(LeStatusOperacao(), -1) != 0) {
        host::EnviaErroPDV(MSG_STATUS_OPERACAO_INVALIDO);
        return;
    }

    TRN_PCAPV = false;
    TRN_PCAPPL = false;
    TRN_PCAPPA = false;
    const bool preAutorizacao = VerificaServico5(TAG_CPRE, '1') != 0;
    if (preAutorizacao) DefineFlagsPreAutorizacao();
    DespachaVenda(preAutorizacao);
}

void DespachaVenda(bool preAutorizacao) {
    const int32_t parcelas = ConverteInteiro(host::LeCampo(CAMPO_NUMERO_PARCELAS), -1);
    const bool somenteAVista =
        Habilitada(FOSDAL_TRANSACAO_HABILITADA_CARTAO_AVISTA, INTPOS_TRANSACAO_HABILITADA_CREDITO) &&
        !Habilitada(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_ADM, INTPOS_TRANSACAO_HABILITADA_CREDITO) &&
        !Habilitada(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_LOJISTA, INTPOS_TRANSACAO_HABILITADA_CREDITO);

    if (somenteAVista || parcelas == 0 || parcelas == 1) {
        AbreCreditoAVista(preAutorizacao);
    } else {
        AbreCreditoParcelado(preAutorizacao);
    }
}

void ProcessaFuncaoADM(uint32_t janela, uint32_t funcao) {
    TrocaJanela troca(janela);

    // -1 stands for empty or not a number; other negative values go through.
    const int32_t status = ConverteInteiro(LeStatusOperacao(), -1);
    if (status == -1 || status >= 1) {
        host::EnviaErroPDV(MSG_STATUS_OPERACAO_INVALIDO);
        return;
    }

    switch (funcao) {
        case 0:
            AbreTela("TFrmCredAdm_Mnu", "FrmCredAdm_Mnu", MenuCreditoAdmZentravela::FrmCredAdm_Mnu,
                     FLAGS_FALHA_MENU);
            break;
        case 1:
            AbreTela("TFrmCnc_Mnu", "FrmCnc_Mnu", MenuCancelamentoZentravela::FrmCnc_Mnu, FLAGS_FALHA_MENU);
            break;
        default:
            host::EnviaErroPDV(MSG_FUNCAO_ADM_INVALIDA);
            break;
    }
}

void ProcessaGenerico(uint32_t janela, uint32_t funcao) {
    TrocaJanela troca(janela);

    constexpr uint32_t FUNCAO_PAGAMENTO_FATURA = 12;
    if (funcao == FUNCAO_PAGAMENTO_FATURA) {
        AbreTela("TFrmPag_Trn", "FrmPag_Trn", PagamentoFaturaZentravela::FrmPag_Trn, FLAGS_FALHA_MENU);
    } else {
        host::EnviaErroPDV(MSG_GENERICO_NAO_SUPORTADO);
    }
}

void ProcessaNaoDisponivel() { host::EnviaErroPDV(MSG_FUNCAO_NAO_DISPONIVEL); }

std::string VersaoModuloPrincipalIni() {
    const std::filesystem::path programa(forms::Application::Instance().ExeName());
    const std::filesystem::path ini = programa.parent_path() / "Cliente.ini";
    return profile::GetPrivateProfileString("CLIENTVORIX", "VERSAO", "", ini.string());
}

}  // namespace zv
