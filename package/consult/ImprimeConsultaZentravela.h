#pragma once
// The receipt of an approved consultation: the instalment plans the host
// answered in field 20033, shown as text, each plan handed to the field store
// under its index; the operator prints it or returns, and ImprimeCupom
// carries the choice back to the consultation.
#include <cstdint>
#include <string>

#include "forms/GlyphButton.h"
#include "forms/Memo.h"
#include "forms/Panel.h"
#include "host/HostAbi.h"
#include "screens/ModeloZentravela.h"

namespace zv {

class TFrmImprime_Mod : public TFrmMod {
public:
    explicit TFrmImprime_Mod(std::string name = "FrmImprime_Mod");

    forms::Memo* MemoConsulta = nullptr;
    forms::Panel* pnBotoes = nullptr;
    forms::GlyphButton* btImprime = nullptr;
    forms::GlyphButton* btRetorna = nullptr;

    // Builds the receipt; it stands in for the base screen's show handler.
    void FormShow(forms::Form& sender) override;
    virtual void btImprimeClick(forms::Control& sender);
    virtual void btRetornaClick(forms::Control& sender);

    // Writes the plan being shown (the unit texts) to fields 1135, 1120, 1127
    // and 1211 under index `plano`; the first refused write's status, else 0.
    ZvStatus GravaServicoX(int32_t plano);

private:
    void AdicionaCabecalho();
    void AdicionaPlano(const std::string& resposta, size_t inicio);
};

}  // namespace zv

namespace zv::ImprimeConsultaZentravela {

// Field 20033 is read into a buffer of this size and never past it.
constexpr int32_t TAMANHO_RESPOSTA_CONSULTA = 1025;

// The raw pieces of the plan being shown.
extern std::string sNumeroParcela;
extern std::string sValorParcela;
extern std::string sValorPago;
extern std::string sTaxaJuros;

extern forms::Form* FrmImprime_Mod;

// Shows the receipt modally (created into FrmImprime_Mod when that is empty)
// and frees it, whatever ends its run.
void MostraCupomConsulta();

void Initialization();
void Finalization();

}  // namespace zv::ImprimeConsultaZentravela
