#include "common/ZentravelaMain.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "forms/Application.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

// ---- Module globals ----------------------------------------------------------
std::string VERSAO_DO_MODULO;
char TITULO_APLICACAO[TITULO_APLICACAO_SIZE] = {};
bool TRN_PCAPV = false;
bool TRN_PCAPPL = false;
bool TRN_PCAPPA = false;
bool bHabilitaAlteracaoCampoValor = false;
char ServicoA_AdicionaisVenda[SERVICO_A_SIZE] = {};

TArrayPerguntas struct_Perguntas;
TArrayPerguntas Perguntas;
TArrayPerguntas Perguntas_ServicoQ_031;
TRespostasPerguntas RespostasPerguntas;
TPerguntasGenerica PerguntasGenerica = {};

namespace {

// Class name -> factory. A vector keeps the registry free of static
// construction; there are a few dozen classes at most.
std::vector<std::pair<std::string, FabricaTela>> registroTelas;

auto ProcuraClasse(const std::string& classe) {
    return std::find_if(registroTelas.begin(), registroTelas.end(),
                        [&](const auto& par) { return par.first == classe; });
}

template <class T>
void Libera(T& container) {
    T vazio;
    container.swap(vazio);
}

void LiberaRespostas(TRespostasPerguntas& r) {
    Libera(r.Lista1);
    Libera(r.Lista2);
    Libera(r.Lista3);
    Libera(r.Lista4);
    Libera(r.Lista5);
    Libera(r.Lista6);
    Libera(r.Lista7);
}

void ZeraGlobais() {
    Libera(VERSAO_DO_MODULO);
    std::memset(TITULO_APLICACAO, 0, sizeof TITULO_APLICACAO);
    TRN_PCAPV = false;
    TRN_PCAPPL = false;
    TRN_PCAPPA = false;
    bHabilitaAlteracaoCampoValor = false;
    std::memset(ServicoA_AdicionaisVenda, 0, sizeof ServicoA_AdicionaisVenda);
    Libera(struct_Perguntas);
    Libera(Perguntas);
    Libera(Perguntas_ServicoQ_031);
    LiberaRespostas(RespostasPerguntas);
    std::memset(&PerguntasGenerica, 0, sizeof PerguntasGenerica);
}

}  // namespace

// ---- Screen registry -----------------------------------------------------------
void RegistraClasseTela(const std::string& classe, FabricaTela fabrica) {
    if (fabrica == nullptr) return;
    auto it = ProcuraClasse(classe);
    if (it != registroTelas.end()) {
        it->second = fabrica;
    } else {
        registroTelas.emplace_back(classe, fabrica);
    }
}

void RemoveClasseTela(const std::string& classe) {
    auto it = ProcuraClasse(classe);
    if (it != registroTelas.end()) registroTelas.erase(it);
}

bool ClasseTelaRegistrada(const std::string& classe) { return ProcuraClasse(classe) != registroTelas.end(); }

// ---- Form runner -------------------------------------------------------------
bool CriaExecutaForm(const std::string& classe, forms::Form* chamador, forms::Form*& tela) {
    auto& app = forms::Application::Instance();
    if (tela == nullptr) {
        auto it = ProcuraClasse(classe);
        if (it != registroTelas.end()) {
            try {
                tela = it->second();
            } catch (...) {
                // A screen whose construction failed counts as not created.
                tela = nullptr;
            }
        }
    }
    if (tela == nullptr) return false;

    int resultado = forms::mrNone;
    try {
        resultado = tela->ShowModal();
        app.ProcessMessages();
    } catch (...) {
        // The screen goes whatever ended its run, so the next call of the
        // entry point does not find a dead screen in its variable.
        forms::Form* morta = std::exchange(tela, nullptr);
        app.Destroy(morta);
        throw;
    }

    if (chamador != nullptr) {
        if (resultado == forms::mrOk) {
            chamador->SetModalResult(forms::mrOk);
        } else {
            chamador->SetFocus();
        }
    } else if (resultado == forms::mrCancel) {
        FosdalGravaArquivo();
    }

    forms::Form* fechada = std::exchange(tela, nullptr);
    app.Destroy(fechada);
    return true;
}

int CaixaMensagem(const std::string& texto, uint32_t flags) {
    const std::string titulo(TITULO_APLICACAO, strnlen(TITULO_APLICACAO, sizeof TITULO_APLICACAO));
    return forms::Application::Instance().MessageBox(texto, titulo, flags);
}

void MostraFalhaCriacaoTela(const std::string& nomeForm, uint32_t flags) {
    CaixaMensagem(host::MensagemFormatada(MSG_ERRO_CRIAR_FORM, {nomeForm}), flags);
}

}  // namespace zv

namespace zv::ZentravelaMain {

// Runs last at load: the screen units have registered their classes by now,
// so only the module globals are reset here.
void Initialization() { ZeraGlobais(); }

// Runs first at unload: releases the texts and question tables and forgets
// the screen classes (the screen units' removals afterwards find nothing).
void Finalization() {
    ZeraGlobais();
    Libera(registroTelas);
}

}  // namespace zv::ZentravelaMain
