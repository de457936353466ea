// Card capture with the BIN query: how many cards are read, what the operator
// is told and what is left in the field store for the authorisation.
#include "AmbienteTelas.h"
#include "common/CapturaCartao.h"
#include "cp1252/Cp1252.h"
#include "forms/Label.h"
#include "host/Catalogo.h"
#include "sim/Catalogue.h"

using zvtest::CatalogoCp1252;

namespace {

struct CasoCaptura {
    const char* nome;
    const char* cenario;
    bool aceito;
    int leituras;
    int consultas;
    std::string rotulo;
    bool remove;
    const char* campo1009;  // nullptr: not written
};

// The PIN pad's messages around each BIN query and its verdict, in order.
std::vector<std::string> PinpadEConsultas() {
    std::vector<std::string> r;
    for (const auto& l : Cliente().GetJournal().OfType("call")) {
        const std::string fn = l.value("fn", "");
        if (fn == "ExibeMsgPinpad") r.push_back("pinpad \"" + l["args"][0].get<std::string>() + "\"");
        if (fn == "FazSomenteTrnConsultaBins" || fn == "AnalisaDadosCartao") r.push_back(fn);
    }
    return r;
}

class CapturaCartao : public zvtest::AmbienteTelas, public ::testing::WithParamInterface<CasoCaptura> {};

TEST_P(CapturaCartao, ReadsJudgesAndReports) {
    const CasoCaptura& caso = GetParam();
    Cenario(caso.cenario);
    forms::Form* tela = forms::Application::Instance().Create<forms::Form>(std::string("FrmTeste"));
    telas_.push_back(tela);
    auto& rotulo = tela->Add<forms::Label>("lbMensagem");

    EXPECT_EQ(zv::CapturaCartao(rotulo), caso.aceito);
    EXPECT_EQ(Quantas("LerCartao"), caso.leituras);
    EXPECT_EQ(Quantas("FazSomenteTrnConsultaBins"), caso.consultas);
    EXPECT_EQ(Quantas("AnalisaDadosCartao"), caso.campo1009 != nullptr ? caso.consultas : 0);
    EXPECT_EQ(rotulo.Caption(), caso.rotulo);
    EXPECT_EQ(Quantas("RemoveCartao"), caso.remove ? 1 : 0);
    EXPECT_EQ(Campo(zv::CAMPO_STATUS_OPERACAO), "0");
    EXPECT_EQ(Campo(zv::CAMPO_CAPTURA_CARTAO), "0");
    // Each query shows message 1091 on the PIN pad and clears it before the verdict.
    std::vector<std::string> pinpad;
    for (int i = 0; i < caso.consultas; ++i) {
        pinpad.insert(pinpad.end(), {"pinpad \"" + cp1252::Cp1252ToUtf8(CatalogoCp1252(zv::MSG_PINPAD_PROCESSANDO)) + "\"",
                                     "FazSomenteTrnConsultaBins", "pinpad \"\""});
        if (caso.campo1009 != nullptr) pinpad.push_back("AnalisaDadosCartao");
    }
    EXPECT_EQ(PinpadEConsultas(), pinpad);
    if (caso.campo1009 != nullptr) {
        // Not done until the authorisation writes its own answer.
        EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), caso.campo1009);
        EXPECT_EQ(Campo(zv::CAMPO_TEXTO_RESPOSTA), CatalogoCp1252(zv::MSG_TRANSACAO_NAO_EFETUADA));
    } else {
        EXPECT_FALSE(Cliente().HasField(zv::CAMPO_CODIGO_RESPOSTA));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Veredictos, CapturaCartao,
    ::testing::Values(
        CasoCaptura{"ReadAgainTwiceThenAccepted", "[card]\nverdict = [3, 3, 0]\n", true, 3, 3, CatalogoCp1252(43), false, "FF"},
        CasoCaptura{"ContactChipWithoutTextShowsTheChipMessageAlone",
                    "[host]\nchip_contato = true\n[card]\nverdict = 1\n", false, 1, 1, CatalogoCp1252(944), true, "FF"},
        CasoCaptura{"RefusalTextAndChipMessageTogether",
                    "[fields]\n\"20013\" = \" CARTAO BLOQUEADO \"\n[host]\nchip_contato = true\n[card]\nverdict = 2\n",
                    false, 1, 1, "CARTAO BLOQUEADO - " + CatalogoCp1252(944), true, "FF"},
        CasoCaptura{"EntryMode2KeepsTheCardIn",
                    "[fields]\n\"20013\" = \"CARTAO BLOQUEADO\"\n\"10134\" = \"2\"\n[card]\nverdict = 2\n", false, 1, 1,
                    "CARTAO BLOQUEADO", false, "FF"},
        CasoCaptura{"ReadingAbandonedOnThePinPadAsksNothingMore", "[card]\nread = 1\n", false, 1, 0, CatalogoCp1252(43), false,
                    nullptr},
        CasoCaptura{"BinQueryNotCarriedOutShowsTheHostText",
                    "[card]\nbins = false\nbins_refusal = \"SEM COMUNICACAO\"\n", false, 1, 1, "SEM COMUNICACAO", true,
                    nullptr}),
    [](const ::testing::TestParamInfo<CasoCaptura>& info) { return std::string(info.param.nome); });

}  // namespace
