#include "menus/MenuCreditoZentravela.h"

#include "common/Conversoes.h"
#include "common/ZentravelaMain.h"
#include "consult/ConsCreditoZentravela.h"
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "forms/Application.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/Lumar.h"
#include "host/TransacoesHabilitadas.h"

namespace zv::MenuCreditoZentravela {

forms::Form* FrmCred_Mnu = nullptr;

int32_t ParcelasSolicitadas() { return ConverteInteiro(host::LeCampo(CAMPO_NUMERO_PARCELAS), -1); }

bool PermiteAVista(int32_t parcelas) { return parcelas <= 1; }

bool PermiteParcelado(int32_t parcelas) { return parcelas > 1 || parcelas == -1; }

void MontaOpcoes(TFrmMnu_Mod& menu, int32_t titulo, std::initializer_list<int32_t> mensagens) {
    menu.lbTitulo->SetCaption(host::Mensagem(titulo));
    const auto opcoes = menu.Opcoes();
    size_t i = 0;
    for (int32_t mensagem : mensagens) {
        opcoes[i]->SetCaption("&" + std::to_string(i + 1) + " - " + host::Mensagem(mensagem));
        opcoes[i]->SetVisible(true);
        ++i;
    }
    for (; i < opcoes.size(); ++i) opcoes[i]->SetVisible(false);
    menu.spEncerra->SetCaption(host::Mensagem(MSG_ENCERRA));
    menu.spEncerra->SetVisible(true);
}

void DimensionaMenu(TFrmMnu_Mod& menu, int larguraPainel, int larguraBotao) {
    auto largura = [](forms::Control& c, int w) { c.SetBounds(c.Left(), c.Top(), w, c.Height()); };
    largura(*menu.pnMenu, larguraPainel);
    for (forms::GlyphButton* sp : menu.Opcoes()) largura(*sp, larguraBotao);
    largura(*menu.spEncerra, larguraBotao);
}

void ExecutaOpcao(TFrmMnu_Mod& menu, forms::Form* chamador, const std::string& classe, forms::Form*& tela,
                  const std::string& nomeForm, std::optional<bool> imprimeCupom) {
    menu.HabilitaDesabilitaBotoes(false);
    if (imprimeCupom) MenuModeloZentravela::ImprimeCupom = *imprimeCupom;
    if (!CriaExecutaForm(classe, chamador, tela)) {
        CaixaMensagem(host::MensagemFormatada(MSG_ERRO_CRIAR_FORM, {nomeForm}), forms::MB_TOPMOST);
    }
    // An OK from the screen has closed the menu through the form runner.
    if (menu.ModalResult() == forms::mrNone) menu.HabilitaDesabilitaBotoes(true);
}

void Initialization() {
    FrmCred_Mnu = nullptr;
    RegistraClasseTela("TFrmCred_Mnu",
                       []() -> forms::Form* { return forms::Application::Instance().Create<TFrmCred_Mnu>(); });
}

void Finalization() {
    RemoveClasseTela("TFrmCred_Mnu");
    FrmCred_Mnu = nullptr;
}

}  // namespace zv::MenuCreditoZentravela

namespace zv {

using namespace MenuCreditoZentravela;

TFrmCred_Mnu::TFrmCred_Mnu(std::string name) : TFrmMnu_Mod(std::move(name)) {
    SetCaption(Name());
    DimensionaMenu(*this, 200, 198);
    spOpcao1->SetCaption("&1 - \xC0 Vista");
    spOpcao2->SetCaption("&2 - Parcelado Adm");
    spOpcao3->SetCaption("&3 - Parcelado Estab");
    spOpcao4->SetCaption("&4 - Consulta Parcelas");
    spOpcao1->OnClick = [this](forms::Control& s) { spOpcao1Click(s); };
    spOpcao2->OnClick = [this](forms::Control& s) { spOpcao2Click(s); };
    spOpcao3->OnClick = [this](forms::Control& s) { spOpcao3Click(s); };
    spOpcao4->OnClick = [this](forms::Control& s) { spOpcao4Click(s); };
}

void TFrmCred_Mnu::IniciaFormularioMenu() {
    MontaOpcoes(*this, MSG_TITULO_MENU_CREDITO,
                {MSG_OPCAO_A_VISTA, MSG_OPCAO_PARC_ADM, MSG_OPCAO_PARC_ESTAB, MSG_OPCAO_CONSULTA_PARCELAS});
}

void TFrmCred_Mnu::VerificaOpcoesHabilitadas() {
    const int32_t n = ParcelasSolicitadas();
    // The table is asked first, then the number of instalments.
    spOpcao1->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_AVISTA,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteAVista(n));
    spOpcao2->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_ADM,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteParcelado(n));
    spOpcao3->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_PARC_LOJISTA,
                                               INTPOS_TRANSACAO_HABILITADA_CREDITO) != 0 &&
                         PermiteParcelado(n));
    spOpcao4->SetEnabled(TransacoesHabilitadas(FOSDAL_TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC,
                                               INTPOS_TRANSACAO_HABILITADA_CONSULTA_PARCELAS) != 0 &&
                         PermiteParcelado(n));
}

void TFrmCred_Mnu::spOpcao1Click(forms::Control&) {
    ExecutaOpcao(*this, FrmCred_Mnu, "TFrmVis_Crd", CreditoVistaZentravela::FrmVis_Crd, "FrmVis_Crd");
}

void TFrmCred_Mnu::spOpcao2Click(forms::Control&) {
    ExecutaOpcao(*this, FrmCred_Mnu, "TFrmCpr_AdmCrdPar", CreditoParcCprAdmZentravela::FrmCpr_AdmCrdPar,
                 "FrmCpr_AdmCrdPar");
}

void TFrmCred_Mnu::spOpcao3Click(forms::Control&) {
    ExecutaOpcao(*this, FrmCred_Mnu, "TFrmEst_CrdPar", CreditoParcEstZentravela::FrmEst_CrdPar, "FrmEst_CrdPar");
}

void TFrmCred_Mnu::spOpcao4Click(forms::Control&) {
    // A consultation from the sale menu prints no receipt.
    ExecutaOpcao(*this, FrmCred_Mnu, "TFrmCon_AdmCrdPar", ConsCreditoZentravela::FrmCon_AdmCrdPar,
                 "FrmCon_AdmCrdPar", false);
}

}  // namespace zv
