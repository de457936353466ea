#pragma once
// What the three consultation screens share between the operator's
// confirmation and the host's answer. Their confirm handlers replace the
// transaction model's and run their own steps in their own order, inside the
// model's confirm sequence; these are the pieces those steps are made of.
#include <cstdint>

#include "credit/CreditoParceladoZentravela.h"
#include "screens/TrnModeloZentravela.h"

namespace zv::consulta {

// The instalment and withdrawal consultations ask only for the amount and the
// number of instalments: the other boxes of the instalment screen and their
// labels are disabled.
void SoValorEParcelas(TFrmPar_Crd& tela);

// Their steps before the request, stopping at the first that fails: the
// checks, the fields written, the card processed, the PIN, the chip data.
bool PassosAteAutorizacao(TFrmPar_Crd& tela);

// The request, with the chip option ("DPCHIP:", 0 when absent or no number)
// read before it and the chip messages after it; its answer is in the field
// store. Gives the option back for a screen that runs the messages again.
int32_t AutorizaComDadosChip(TFrmMod& tela);

// Field 1009 as a number, 255 when empty or no number: 0 is an approval.
int32_t CodigoResposta();

}  // namespace zv::consulta
