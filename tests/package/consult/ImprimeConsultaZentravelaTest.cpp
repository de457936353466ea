// The consultation receipt: field 20033 of every length laid out plan by plan
// and handed to the field store under each plan's index, never read past its
// buffer; the operator's choice in ImprimeCupom.
#include <string>
#include <vector>

#include "AmbienteTelas.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "host/Catalogo.h"
#include "sim/Catalogue.h"

namespace {

using zv::TFrmImprime_Mod;

// Plan k: its number of instalments is k + 1, the values grow with it.
std::string Plano(int k) {
    char texto[128];  // 64 characters for k < 99
    std::snprintf(texto, sizeof texto, "%02d%012d%012d%07d%-31s", k + 1, 1000 * (k + 1), 3000 * (k + 1), 199 + k,
                  "livre");
    return texto;
}

// A 20033 answer of exactly `tamanho` characters: the first, then the plans.
std::string Resposta(size_t tamanho) {
    std::string r = "1";
    for (int k = 0; r.size() < tamanho; ++k) r += Plano(k);
    r.resize(tamanho);
    return r;
}

class Recibo : public zvtest::AmbienteTelas {
protected:
    TFrmImprime_Mod& Mostra(const std::string& resposta, const std::string& roteiro = "click btImprime\n") {
        if (!resposta.empty()) Cliente().SetField(zv::CAMPO_RESPOSTA_CONSULTA, resposta);
        Roteiro(roteiro);
        return zvtest::AmbienteTelas::Mostra<TFrmImprime_Mod>(resultado_);
    }
    static std::string Plano(int campo, int indice) { return Cliente().Field(campo, indice); }
    static int Planos() { return Cliente().Occurrences(zv::CAMPO_PLANO_NUMERO_PARCELAS); }
    int resultado_ = 0;
};

TEST_F(Recibo, OnePlanReadsAsTheReceiptAndGoesToTheFieldStoreRaw) {
    auto& tela = Mostra(Resposta(65));
    const std::vector<std::string> linhas = {
        std::string(9, ' ') + " Z E N T R A V E L A ",
        " ",
        std::string(14, ' ') + "   Parcelas",
        " ",
        "      N\xFAmero de Parcelas: 01           ",
        "   Valor de cada Parcela: 10,00        ",
        "        Valor a ser Pago: 30,00        ",
        "           Taxa de Juros: 1,99         ",
        " ",
    };
    EXPECT_EQ(tela.MemoConsulta->Lines(), linhas);
    EXPECT_TRUE(tela.MemoConsulta->ReadOnly());
    EXPECT_EQ(Plano(1135, 0), "01");
    EXPECT_EQ(Plano(1120, 0), "000000001000");
    EXPECT_EQ(Plano(1127, 0), "000000003000");
    EXPECT_EQ(Plano(1211, 0), "0000199");
    EXPECT_EQ(Planos(), 1);
    EXPECT_EQ(tela.lbTitulo->Caption(), sim::MessageText(zv::MSG_TITULO_CONSULTA));
}

struct CasoTamanho {
    const char* nome;
    std::string resposta;
    size_t linhas;
    int planos;
    const char* ultimoNumero;  // 1135 of the last plan
    const char* ultimaTaxa;    // 1211 of the last plan
};

class TamanhoResposta : public Recibo, public ::testing::WithParamInterface<CasoTamanho> {};

TEST_P(TamanhoResposta, APlanForEveryStartedSixtyFourCharactersOfTheBufferAndNoMore) {
    const CasoTamanho& caso = GetParam();
    auto& tela = Mostra(caso.resposta);
    EXPECT_EQ(tela.MemoConsulta->Lines().size(), caso.linhas);
    EXPECT_EQ(Planos(), caso.planos);
    if (caso.planos > 0) {
        EXPECT_EQ(Plano(1135, caso.planos - 1), caso.ultimoNumero);
        EXPECT_EQ(Plano(1211, caso.planos - 1), caso.ultimaTaxa);
    }
    for (const auto& chamada : Cliente().Calls("FosdalLeCampo"))
        EXPECT_EQ(chamada["args"][2], zv::ImprimeConsultaZentravela::TAMANHO_RESPOSTA_CONSULTA);
    EXPECT_EQ(resultado_, forms::mrCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Campo20033, TamanhoResposta,
    ::testing::Values(CasoTamanho{"Ausente", "", 0, 0, "", ""},
                      CasoTamanho{"SoOPrimeiroCaractere", Resposta(1), 4, 0, "", ""},
                      // the second plan's texts are what exists of it: its rate is cut
                      CasoTamanho{"SegundoPlanoCortado", Resposta(93), 14, 2, "02", "00"},
                      CasoTamanho{"SegundoPlanoSemTaxa", Resposta(85), 14, 2, "02", ""},
                      CasoTamanho{"Cem", Resposta(100), 14, 2, "02", "0000200"},
                      CasoTamanho{"DoisPlanos", Resposta(129), 14, 2, "02", "0000200"},
                      // the text ends at a zero byte; the length still counts the plans
                      CasoTamanho{"ZeroNoSegundoPlano", Resposta(65) + std::string(1, '\0') + Resposta(129).substr(66),
                                  14, 2, "", ""},
                      // 5,000 characters: the 1,025 of the buffer, sixteen plans
                      CasoTamanho{"CincoMil", Resposta(5000), 84, 16, "16", "0000214"}),
    [](const ::testing::TestParamInfo<CasoTamanho>& info) { return std::string(info.param.nome); });

TEST_F(Recibo, PrintAndReturnSetTheFlagAndReturnTellsTheClientNothingWasDone) {
    zv::MenuModeloZentravela::ImprimeCupom = false;
    // The message line says what Enter does on the focused button.
    Mostra(Resposta(65), "expect focus btImprime\nexpect text lbMensagem " + sim::MessageText(zv::MSG_PROMPT_CONFIRMA) +
                             "\nfocus btRetorna\nexpect text lbMensagem " + sim::MessageText(zv::MSG_PROMPT_RETORNA) +
                             "\nfocus btImprime\ntype 1\n");
    EXPECT_TRUE(zv::MenuModeloZentravela::ImprimeCupom);
    EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), "");

    Mostra(Resposta(65), "click btRetorna\n");
    EXPECT_EQ(resultado_, forms::mrCancel);
    EXPECT_FALSE(zv::MenuModeloZentravela::ImprimeCupom);
    EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), "FF");
    for (int campo : {zv::CAMPO_TEXTO_RESPOSTA, zv::CAMPO_TEXTO_CARTAO_RECUSADO, zv::CAMPO_TEXTO_RECIBO})
        EXPECT_EQ(Campo(campo), sim::MessageText(zv::MSG_TRANSACAO_NAO_EFETUADA)) << campo;
}

TEST_F(Recibo, RefusedWriteLeavesTheRestOfThePlanUnwritten) {
    auto& tela = Mostra(Resposta(65));
    Cliente().ClearJournal();
    EXPECT_NE(tela.GravaServicoX(-1), 0);  // no such index in the client's store
    EXPECT_EQ(Quantas("GravaCampoString"), 1);
}

}  // namespace
