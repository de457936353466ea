#pragma once
// Withdrawal consultation: the conditions of an instalment withdrawal for the
// amount and number of instalments given, shown on the consultation receipt.
// Its own request record (code 63, like the instalment consultation's, with
// other entries), its selector text and screen variable.
#include <string>

#include "credit/CreditoParcAdmZentravela.h"
#include "forms/Form.h"
#include "host/RegistroTransacao.h"

namespace zv {

class TFrmCon_AdmSaque : public TFrmAdm_CrdPar {
public:
    explicit TFrmCon_AdmSaque(std::string name = "FrmCon_AdmSaque");

    void IniciaCamposForm() override;
    bool GravaCamposFosdal() override;
    // Its own sequence: checks, card steps, the request, the receipt on approval.
    void btConfirmaClick(forms::Component& sender) override;
};

}  // namespace zv

namespace zv::ConsSaqueZentravela {

constexpr int TAMANHO_TRANSACAO_SAQUE = 6;
// "TRN:6", written at every withdrawal consultation.
extern char TransacaodeSaque[TAMANHO_TRANSACAO_SAQUE];

alignas(4) extern const ZvTrnRecord TrnConsultaCredito;
// The consultation screen's variable; the withdrawal menu opens it.
extern forms::Form* FrmCon_AdmSaque;

void Initialization();
void Finalization();

}  // namespace zv::ConsSaqueZentravela
