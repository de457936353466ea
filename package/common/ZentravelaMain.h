#pragma once
// The package's main unit: module globals, the screen registry and the form
// runner.
#include <cstdint>
#include <string>

#include "common/PerguntasGenerico.h"
#include "forms/Application.h"
#include "forms/Form.h"

namespace zv {

// ---- Module globals (reset when the package is loaded) ----------------------
extern std::string VERSAO_DO_MODULO;
constexpr int TITULO_APLICACAO_SIZE = 256;
extern char TITULO_APLICACAO[TITULO_APLICACAO_SIZE];
extern bool TRN_PCAPV;
extern bool TRN_PCAPPL;
extern bool TRN_PCAPPA;
extern bool bHabilitaAlteracaoCampoValor;
constexpr int SERVICO_A_SIZE = 64;
extern char ServicoA_AdicionaisVenda[SERVICO_A_SIZE];

// ---- Question tables the screens fill (types in common/PerguntasGenerico.h) ---
extern TArrayPerguntas struct_Perguntas;
extern TArrayPerguntas Perguntas;
extern TArrayPerguntas Perguntas_ServicoQ_031;
extern TRespostasPerguntas RespostasPerguntas;
extern TPerguntasGenerica PerguntasGenerica;

// ---- Screens -----------------------------------------------------------------
// Screen classes are registered by class name ("TFrmVis_Crd") by their units'
// initialisation; a class that is not registered cannot be created.
using FabricaTela = forms::Form* (*)();
void RegistraClasseTela(const std::string& classe, FabricaTela fabrica);
void RemoveClasseTela(const std::string& classe);
bool ClasseTelaRegistrada(const std::string& classe);
// A unit's registration of its screen class in one line: `classe` creates a T.
template <class T>
void RegistraTela(const std::string& classe) {
    RegistraClasseTela(classe, []() -> forms::Form* { return forms::Application::Instance().Create<T>(); });
}

// The form runner: creates the screen into `tela` when empty, shows it
// modally, closes the caller on OK or gives it the focus back, writes the
// result file for a cancelled top-level screen, frees the screen.
bool CriaExecutaForm(const std::string& classe, forms::Form* chamador, forms::Form*& tela);

// A message box captioned TITULO_APLICACAO.
int CaixaMensagem(const std::string& texto, uint32_t flags);

// Message 802 with the form name, for a screen the form runner could not
// create (credit screens add the exclamation icon, menus do not).
void MostraFalhaCriacaoTela(const std::string& nomeForm, uint32_t flags);

}  // namespace zv

// Unit initialisation and finalisation (run by Initialize / Finalize). Every
// unit U of the package keeps its unit-level data in namespace zv::U and
// declares zv::U::Initialization() and zv::U::Finalization().
namespace zv::ZentravelaMain {
void Initialization();
void Finalization();
}  // namespace zv::ZentravelaMain

