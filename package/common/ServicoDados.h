#pragma once
// Service data of an authorisation answer: the additional sale data of
// service A, the PIN pad text of service e and the approved amount of service Q.
namespace zv {

void TrataServicoA();
void GravaDadosServicoA();
void TrataServicoEzinho(bool aviso);
void TrataHabilitaAlteracaoCampoValor();
void TrataServicoQ_010_ValorAprovado();
void TrataServicoQ_008_ValorAprovado();

}  // namespace zv
