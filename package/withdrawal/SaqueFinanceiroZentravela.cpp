#include "withdrawal/SaqueFinanceiroZentravela.h"

#include <vector>

#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "host/TransacoesHabilitadas.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {
// Room for any text value of the field store: the collection mode comes back
// whole, and a value that fills it all may be longer than what was read.
constexpr uint16_t TAMANHO_MODO_COLETA = 4096;
}  // namespace

TFrmSaq_Fin::TFrmSaq_Fin(std::string name) : TFrmFin_Trn(std::move(name)) {
    SetCaption(Name());
    using layout::Coloca;
    Coloca(*lbValor,    25,  lbValor->Top(),    132);
    Coloca(*lbDtemCart, 25,  lbDtemCart->Top(), 132);
    Coloca(*lbCiclos,   25,  lbCiclos->Top(),   132);
    Coloca(*edValor,    165, edValor->Top(),    edValor->Width());
    Coloca(*edDtemCart, 165, edDtemCart->Top(), edDtemCart->Width());
    Coloca(*edCiclos,   165, edCiclos->Top(),   edCiclos->Width());
}

bool TFrmSaq_Fin::PreparaConfirmacao() {
    SetaCapturaSenha();
    return TFrmFin_Trn::PreparaConfirmacao();
}

void TFrmSaq_Fin::SetaCapturaSenha() {
    bCapturaSenha = VerificaServico5(TAG_SENHASAQ, '1') != 0;
    if (!bCapturaSenha) return;

    std::vector<char> modo(TAMANHO_MODO_COLETA, '\0');
    uint16_t tamanho = 0;
    const ZvStatus lido = FosdalLeCampo(CAMPO_MODO_COLETA, 0, modo.data(), &tamanho, TAMANHO_MODO_COLETA);
    // A failed or empty read leaves no value to change, and its length means
    // nothing; a value that may have been cut is not written back shorter.
    if (lido != 0 || tamanho == 0 || tamanho >= TAMANHO_MODO_COLETA) return;
    char& senha = modo[FOSDAL_MODO_COLETA_DADOS_SENHA - 1];
    if (senha == '0') senha = '1';
    FosdalGravaCampo(CAMPO_MODO_COLETA, 0, modo.data(), tamanho);
}

}  // namespace zv

namespace zv::SaqueFinanceiroZentravela {

forms::Form* FrmSaq_Fin = nullptr;

// Only the revolving and instalment withdrawals are shown; nothing to register.
void Initialization() { FrmSaq_Fin = nullptr; }
void Finalization() { FrmSaq_Fin = nullptr; }

}  // namespace zv::SaqueFinanceiroZentravela
