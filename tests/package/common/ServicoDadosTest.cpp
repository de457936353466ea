// Service data of an authorisation answer: service A into fields, service e
// onto the PIN pad, the approved amount of service Q.
#include "PacoteCarregado.h"

#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "forms/Locale.h"
#include "host/Catalogo.h"
#include "sim/Formatting.h"

namespace zvtest {
namespace {

class ServicoDados : public PacoteCarregado {
protected:
    void TearDown() override {
        forms::Settings().decimalSeparator = ',';
        PacoteCarregado::TearDown();
    }
    // The fields of the table in order, each piece given at its width.
    static std::string ServicoA(const std::string& p1017, const std::string& p1019, const std::string& p1096,
                                const std::string& p1018, const std::string& p1185, const std::string& p1295,
                                const std::string& p1292, const std::string& p1293, const std::string& p1294) {
        auto peca = [](const std::string& s, size_t largura) {
            EXPECT_EQ(s.size(), largura);
            return s;
        };
        return peca(p1017, 2) + peca(p1019, 11) + peca(p1096, 5) + peca(p1018, 8) + peca(p1185, 11) +
               peca(p1295, 11) + peca(p1292, 5) + peca(p1293, 5) + peca(p1294, 5);
    }
    static std::vector<int> CamposGravados() {
        std::vector<int> campos;
        for (const auto& c : Chamadas("GravaCampoString")) campos.push_back(c["args"][0].get<int>());
        return campos;
    }
};

TEST_F(ServicoDados, ServiceAPiecesGoToTheirFieldsInShortestForm) {
    Campo(zv::CAMPO_SERVICO_A, ServicoA("03", "   00012,50", "00100", " ABC    ", "00000000000",
                                        "00000001500", "-0001", "abcde", "00007"));
    Campo(zv::CAMPO_APLICA_SERVICO_A, "1");
    zv::TrataServicoA();

    EXPECT_EQ(Campo(1017), "03");
    EXPECT_EQ(Campo(1019), "12,5");
    EXPECT_EQ(Campo(1096), "100");
    EXPECT_EQ(Campo(1018), "ABC");
    EXPECT_FALSE(Cliente().HasField(1185)) << "eleven zeros are not greater than 0";
    EXPECT_EQ(Campo(1295), "1500");
    EXPECT_FALSE(Cliente().HasField(1292)) << "negative";
    EXPECT_FALSE(Cliente().HasField(1293)) << "not a number";
    EXPECT_EQ(Campo(1294), "7");
    EXPECT_EQ(CamposGravados(), (std::vector<int>{1017, 1019, 1096, 1018, 1295, 1294}));

    const auto leitura = Chamadas("FosdalLeCampoMaxLen");
    ASSERT_EQ(leitura.size(), 1u);
    EXPECT_EQ(leitura[0]["args"], (nlohmann::json{zv::CAMPO_SERVICO_A, 0, 63, 64}));
}

TEST_F(ServicoDados, ServiceAStopsAtTheFirstWriteTheClientRefuses) {
    Cliente().Host().refusedWrites = {1096};
    Campo(zv::CAMPO_SERVICO_A, ServicoA("03", "00000001250", "00100", "ABC     ", "00000000007",
                                        "00000001500", "00001", "00002", "00003"));
    Campo(zv::CAMPO_APLICA_SERVICO_A, "1");
    zv::TrataServicoA();
    EXPECT_EQ(CamposGravados(), (std::vector<int>{1017, 1019, 1096}));
    EXPECT_EQ(Campo(1019), "1250");
    EXPECT_FALSE(Cliente().HasField(1018));
}

TEST_F(ServicoDados, ServiceANumbersFollowTheLocaleSeparator) {
    forms::Settings().decimalSeparator = '.';
    Campo(zv::CAMPO_SERVICO_A, "  " + std::string("   00012.50"));
    Campo(zv::CAMPO_APLICA_SERVICO_A, "1");
    zv::TrataServicoA();
    EXPECT_EQ(Campo(1019), "12.5");
    EXPECT_FALSE(Cliente().HasField(1017)) << "a blank text piece is not written";
}

TEST_F(ServicoDados, ServiceAIsReadButNotAppliedUnlessAsked) {
    for (const char* aplica : {"0", "", "x"}) {
        SCOPED_TRACE(aplica);
        Cliente().Reset();
        Campo(zv::CAMPO_SERVICO_A, "0300000001250");
        if (*aplica) Campo(zv::CAMPO_APLICA_SERVICO_A, aplica);
        zv::TrataServicoA();
        EXPECT_STREQ(zv::ServicoA_AdicionaisVenda, "0300000001250");
        EXPECT_TRUE(CamposGravados().empty());
    }
}

TEST_F(ServicoDados, ShortOrOverlongServiceAStaysWithinItsBuffer) {
    // A zero byte ends the data: pieces after it are empty and skipped.
    Campo(zv::CAMPO_SERVICO_A, std::string("02000000003") + '\0' + "00009ABCDEFGH");
    Campo(zv::CAMPO_APLICA_SERVICO_A, "1");
    zv::TrataServicoA();
    EXPECT_EQ(CamposGravados(), (std::vector<int>{1017, 1019}));
    EXPECT_EQ(Campo(1019), "3") << "the piece is cut short by the zero byte";

    Cliente().Reset();
    Campo(zv::CAMPO_SERVICO_A, std::string(5000, '7'));
    Campo(zv::CAMPO_APLICA_SERVICO_A, "1");
    zv::TrataServicoA();
    EXPECT_EQ(std::string(zv::ServicoA_AdicionaisVenda), std::string(63, '7'));
    EXPECT_EQ(Campo(1294), "77777");
}

TEST_F(ServicoDados, ServiceETextGoesToThePinPadAndWarnsOnlyWhenNotApproved) {
    Campo(zv::CAMPO_SERVICO_E, "LIGUE PARA A CENTRAL");
    Campo(zv::CAMPO_CODIGO_RESPOSTA, "0");
    zv::TrataServicoEzinho(false);
    EXPECT_EQ(Cliente().PinpadText(), "LIGUE PARA A CENTRAL");
    EXPECT_TRUE(LinhasCaixa().empty());

    for (const auto& [resposta, aviso] : {std::pair{"05", false}, std::pair{"", false}, std::pair{"0", true}}) {
        SCOPED_TRACE(std::string(resposta) + (aviso ? " aviso" : ""));
        Cliente().ClearJournal();
        Campo(zv::CAMPO_CODIGO_RESPOSTA, resposta);
        NovoOperador("answer ok\n");
        zv::TrataServicoEzinho(aviso);
        const auto caixas = LinhasCaixa();
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0]["text"], CatalogoUtf8(zv::MSG_AVISO_SERVICO_E));
        EXPECT_EQ(caixas[0]["flags"], 0x40030);
    }
}

TEST_F(ServicoDados, ServiceETextIsCutToItsBufferAndAbsentTextDoesNothing) {
    zv::TrataServicoEzinho(true);
    EXPECT_TRUE(Chamadas("ExibeMsgPinpad").empty());
    EXPECT_TRUE(LinhasCaixa().empty());

    Campo(zv::CAMPO_SERVICO_E, std::string(40, 'A') + std::string(3000, 'B'));
    Campo(zv::CAMPO_CODIGO_RESPOSTA, "00");
    zv::TrataServicoEzinho(false);
    EXPECT_EQ(Cliente().PinpadText(), std::string(32, 'A'));
    const auto leitura = Chamadas("FosdalLeCampoMaxLen");
    ASSERT_EQ(leitura.size(), 2u);
    EXPECT_EQ(leitura[1]["args"], (nlohmann::json{zv::CAMPO_SERVICO_E, 0, 32, 33}));
}

TEST_F(ServicoDados, AmountPermissionIsReconciledBetweenItsTwoFields) {
    struct Caso {
        const char* c1275;
        const char* c1244;
        const char* depois1275;
        const char* depois1244;
        bool habilita;
    };
    const Caso casos[] = {
        {"", "", "", "", false},     {"", "1", "1", "1", true},   {"1", "", "1", "1", true},
        {"1", "0", "1", "0", false}, {"0", "1", "0", "1", true},  {"", "2", "2", "2", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.c1275) + "/" + c.c1244);
        Cliente().Reset();
        if (*c.c1275) Campo(1275, c.c1275);
        if (*c.c1244) Campo(1244, c.c1244);
        zv::bHabilitaAlteracaoCampoValor = !c.habilita;
        zv::TrataHabilitaAlteracaoCampoValor();
        EXPECT_EQ(Campo(1275), c.depois1275);
        EXPECT_EQ(Campo(1244), c.depois1244);
        EXPECT_EQ(zv::bHabilitaAlteracaoCampoValor, c.habilita);
    }
}

TEST_F(ServicoDados, ApprovedAmountEqualToTheAskedOneOnlyFillsTheDisplayField) {
    Campo(zv::CAMPO_VALOR_TRANSACAO, "150000");
    Cliente().SetServiceQ("010", "000000150000");
    zv::TrataServicoQ_010_ValorAprovado();
    EXPECT_EQ(Campo(1243), sim::Dollar("000000150000"));
    EXPECT_TRUE(Chamadas("FosdalEnviarFinalizacaoEx").empty());
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_CODIGO_RESPOSTA));
    EXPECT_TRUE(LinhasCaixa().empty());
    const auto procura = Chamadas("ProcuraServico");
    ASSERT_FALSE(procura.empty());
    EXPECT_EQ(procura[0]["args"][4], 128);
}

TEST_F(ServicoDados, DifferentAmountWithoutPermissionFinishesTheTransactionAsNotDone) {
    Campo(zv::CAMPO_VALOR_TRANSACAO, "150000");
    Campo(zv::CAMPO_CODIGO_RESPOSTA, "00");
    Campo(1024, "algo");
    Cliente().SetServiceQ("010", "000000100000");
    zv::TrataServicoQ_010_ValorAprovado();

    EXPECT_TRUE(LinhasCaixa().empty()) << "nobody is asked without permission";
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_DISPONIVEL), "VLDISP:0");
    const auto finalizacao = Chamadas("FosdalEnviarFinalizacaoEx");
    ASSERT_EQ(finalizacao.size(), 1u);
    EXPECT_EQ(finalizacao[0]["args"][0], 0);
    EXPECT_FALSE(Cliente().HasField(1024));
    EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), "FF");
    EXPECT_EQ(Campo(zv::CAMPO_TEXTO_RESPOSTA), sim::MessageText(zv::MSG_VALOR_APROVADO_RECUSADO));
    EXPECT_EQ(Campo(1243), sim::Dollar("000000100000"));

    // The host learns of the refusal before the answer code changes.
    std::vector<std::string> ordem;
    for (const auto& linha : Cliente().JournalLines()) {
        if (linha.value("fn", "") == "FosdalEnviarFinalizacaoEx") ordem.push_back("fim");
        if (linha.value("fn", "") == "GravaCampoString" && linha["args"][0] == 10216) ordem.push_back("10216");
        if (linha.value("fn", "") == "GravaCampoString" && linha["args"][0] == 1009) ordem.push_back("1009");
    }
    EXPECT_EQ(ordem, (std::vector<std::string>{"10216", "fim", "1009"}));
}

TEST_F(ServicoDados, DifferentAmountWithPermissionAsksTheOperator) {
    for (const bool aceita : {false, true}) {
        SCOPED_TRACE(aceita ? "yes" : "no");
        Cliente().Reset();
        Campo(zv::CAMPO_VALOR_TRANSACAO, "1.500,00");
        Campo(zv::CAMPO_CODIGO_RESPOSTA, "00");
        Campo(1275, "1");
        Cliente().SetServiceQ("010", "000000120000");
        NovoOperador(aceita ? "answer yes\n" : "answer no\n");
        zv::TrataServicoQ_010_ValorAprovado();

        EXPECT_EQ(Campo(1244), "1");
        const auto caixas = LinhasCaixa();
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0]["text"], CatalogoUtf8(zv::MSG_ACEITA_VALOR_APROVADO) +
                                         TextoJournal(sim::Dollar("000000120000")));
        EXPECT_EQ(caixas[0]["flags"], 0x40044);
        if (aceita) {
            EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), "00");
            EXPECT_TRUE(Chamadas("FosdalEnviarFinalizacaoEx").empty());
        } else {
            EXPECT_EQ(Campo(zv::CAMPO_CODIGO_RESPOSTA), "FF");
            EXPECT_EQ(Campo(zv::CAMPO_TEXTO_RESPOSTA), sim::MessageText(zv::MSG_TRANSACAO_NAO_EFETUADA));
            EXPECT_EQ(Campo(zv::CAMPO_VALOR_DISPONIVEL), "VLDISP:0");
            EXPECT_EQ(Chamadas("FosdalEnviarFinalizacaoEx").size(), 1u);
        }
    }
}

TEST_F(ServicoDados, ApprovedValue008IsStoredRawAndWinsOver010) {
    Campo(zv::CAMPO_VALOR_TRANSACAO, "5000");
    Cliente().SetServiceQ("010", "000000005000");
    Cliente().SetServiceQ("008", " 12 34 ");
    zv::TrataServicoQ_010_ValorAprovado();
    zv::TrataServicoQ_008_ValorAprovado();
    EXPECT_EQ(Campo(1243), " 12 34 ");

    // No entry: nothing touched.
    Cliente().Reset();
    zv::TrataServicoQ_008_ValorAprovado();
    zv::TrataServicoQ_010_ValorAprovado();
    EXPECT_FALSE(Cliente().HasField(1243));
    EXPECT_TRUE(Chamadas("LeCampo").empty()) << "without the entry the permission fields are not read";
}

}  // namespace
}  // namespace zvtest
