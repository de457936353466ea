#pragma once
// The model of a credit card purchase: service fee, pre-authorisation code,
// card issue date and cycles on top of the transaction model, and the record
// of the credit purchase that the authorisation sends.
#include <cstdint>
#include <string>

#include "forms/Edit.h"
#include "forms/Label.h"
#include "common/TextosServico.h"
#include "forms/MaskEdit.h"
#include "host/RegistroTransacao.h"
#include "screens/TrnModeloZentravela.h"

namespace zv {

class TFrmCrd_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmCrd_Trn(std::string name = "FrmCrd_Trn");

    forms::Label* lbTaxaServico = nullptr;
    forms::Edit* edTaxaServico = nullptr;
    forms::Label* lbCodAutorizacao = nullptr;
    forms::Edit* edCodAutorizacao = nullptr;
    forms::Label* lbDtemCart = nullptr;
    forms::MaskEdit* edDtemCart = nullptr;
    forms::Label* lbCiclos = nullptr;
    forms::Edit* edCiclos = nullptr;

    // The service fee as the host library keeps it; handed back to it unchanged.
    alignas(8) uint8_t TaxaServico[8] = {};

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposFosdal() override;

    virtual void edTaxaServicoEnter(forms::Control& sender);
    virtual void edCiclosEnter(forms::Control& sender);
    virtual void edDtemCartEnter(forms::Control& sender);
    virtual void edCodAutorizacaoEnter(forms::Control& sender);

protected:
    // Enables the cycles box when the flag at `posicao` of "CICLOS:" is on
    // (each shown credit screen has its own position).
    void HabilitaCiclos(int32_t posicao);

private:
    bool DataEmissaoValida() const;
};

}  // namespace zv

namespace zv::CreditoTrnZentravela {
// Service texts the credit record sends; each keeps its content until a
// screen with its box enabled fills it again.
extern registro::TextoServico CodigoAutorizacao;
extern registro::TextoServico Ciclos;
extern registro::TextoServico DataEmissaoCartaoOpcional;

extern const ZvTrnRecord TrnCompraCredito;
extern forms::Form* FrmCrd_Trn;

void Initialization();
void Finalization();
}  // namespace zv::CreditoTrnZentravela
