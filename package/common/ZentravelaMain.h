#pragma once
// The package's main unit: module globals, the form runner, the service data
// handling and the parsing of the host's dynamic questions.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Label.h"

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

// ---- Dynamic question tables -------------------------------------------------
constexpr int MAX_PERGUNTAS = 100;
#pragma pack(push, 1)
struct TPerguntas {
    char Id[4];
    char Pergunta[65];
    char Tipo;
    int32_t TamanhoMinimo;
    int32_t TamanhoMaximo;
};
struct TPerguntaGenerica {
    char Id[9];
    char Pergunta[65];
    int32_t Tipo;
    int32_t TamanhoMinimo;
    int32_t TamanhoMaximo;
    char Reservado[40];
};
struct TPerguntasGenerica {
    int32_t Count;
    TPerguntaGenerica Itens[MAX_PERGUNTAS];
};
#pragma pack(pop)
using TArrayPerguntas = std::vector<TPerguntas>;
struct TRespostasPerguntas {
    std::vector<std::array<char, 24>> Lista1;
    std::vector<std::array<char, 26>> Lista2;
    std::vector<std::array<char, 38>> Lista3;
    std::vector<std::array<char, 65>> Lista4;
    std::vector<std::array<char, 65>> Lista5;
    std::vector<std::array<char, 65>> Lista6;
    std::vector<std::array<char, 65>> Lista7;
};
extern TArrayPerguntas struct_Perguntas;
extern TArrayPerguntas Perguntas;
extern TArrayPerguntas Perguntas_ServicoQ_031;
extern TRespostasPerguntas RespostasPerguntas;
extern TPerguntasGenerica PerguntasGenerica;

void VerificaServico5PerguntasGenerico(TArrayPerguntas& lista, TRespostasPerguntas& respostas);
bool VerificaSeIdPergJaFoiAdicionado(const TArrayPerguntas& lista, const std::string& id);

// ---- Service data of an authorisation answer ---------------------------------
void TrataServicoA();
void GravaDadosServicoA();
void TrataServicoEzinho(bool aviso);
void TrataHabilitaAlteracaoCampoValor();
void TrataServicoQ_010_ValorAprovado();
void TrataServicoQ_008_ValorAprovado();

// ---- Screens -----------------------------------------------------------------
// Screen classes are registered by class name ("TFrmVis_Crd") by their units'
// initialisation; a class that is not registered cannot be created.
using ScreenFactory = forms::Form* (*)();
void RegistraClasseTela(const std::string& classe, ScreenFactory fabrica);
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

// ---- Card capture with BIN query -----------------------------------------------
// Reads a card on the PIN pad, runs the BIN query and lets the PIN pad library
// judge the card, reading again while it asks for that; progress goes to
// `rotulo`. True when a card was read and accepted. Fields 1009 "FF" and 1027
// (message 801) are left for the authorisation to overwrite.
bool CapturaCartao(forms::Label& rotulo);
// One BIN query and verdict for the card just read; `repetir` tells the
// caller to read a card again.
bool FazConsultaBinsConsulta(bool& repetir, forms::Label& rotulo);

}  // namespace zv

// Unit initialisation and finalisation (run by Initialize / Finalize). Every
// unit U of the package keeps its unit-level data in namespace zv::U and
// declares zv::U::Initialization() and zv::U::Finalization().
namespace zv::ZentravelaMain {
void Initialization();
void Finalization();
}  // namespace zv::ZentravelaMain
