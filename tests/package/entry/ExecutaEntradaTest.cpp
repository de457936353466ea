// The entry points: which first screen an operation opens, which message
// refuses it, and that the host window owns everything for the call.
#include "PacoteCarregado.h"
#include "TelasTeste.h"

#include "entry/ExecutaEntrada.h"
#include "entry/TelasEntrada.h"
#include "host/Catalogo.h"

namespace zvtest {
namespace {

constexpr char kVis[] = "FrmVis_Crd";
constexpr char kEst[] = "FrmEst_CrdPar";
constexpr char kCpr[] = "FrmCpr_AdmCrdPar";
constexpr char kCred[] = "FrmCred_Mnu";
constexpr char kPreAut[] = "FrmPreAut_Mnu";
constexpr char kCredAdm[] = "FrmCredAdm_Mnu";
constexpr char kCnc[] = "FrmCnc_Mnu";
constexpr char kPag[] = "FrmPag_Trn";

constexpr uint32_t kJanelaCliente = 0x5150;

class EntryPoints : public PacoteCarregado {
protected:
    void SetUp() override {
        PacoteCarregado::SetUp();
        LimpaTelas();
        Comportamento().resultado = forms::mrOk;
        RegistraTelaTeste<kVis>("TFrmVis_Crd");
        RegistraTelaTeste<kEst>("TFrmEst_CrdPar");
        RegistraTelaTeste<kCpr>("TFrmCpr_AdmCrdPar");
        RegistraTelaTeste<kCred>("TFrmCred_Mnu");
        RegistraTelaTeste<kPreAut>("TFrmPreAut_Mnu");
        RegistraTelaTeste<kCredAdm>("TFrmCredAdm_Mnu");
        RegistraTelaTeste<kCnc>("TFrmCnc_Mnu");
        RegistraTelaTeste<kPag>("TFrmPag_Trn");
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    }
    void TearDown() override {
        LimpaTelas();
        PacoteCarregado::TearDown();
    }

    static std::vector<std::string> Abertas() {
        std::vector<std::string> nomes;
        for (const auto& v : TelasVistas()) nomes.push_back(v.nome);
        return nomes;
    }
    // The messages reported to the client, by text.
    static std::vector<std::string> Relatados() {
        std::vector<std::string> textos;
        for (const auto& r : Cliente().ErrorReports()) {
            EXPECT_EQ(r.code, 255);
            textos.push_back(r.text);
        }
        return textos;
    }
    static std::vector<std::string> Relato(int mensagem) { return {sim::MessageText(mensagem)}; }
    using Nomes = std::vector<std::string>;
};

TEST_F(EntryPoints, SaleRefusedWhenOperationStatusIsNotZero) {
    for (const char* status : {"", "1", "abc", " ", "-1"}) {
        SCOPED_TRACE(status);
        Cliente().GetJournal().Clear();
        Cliente().Reset();
        if (*status) Campo(zv::CAMPO_STATUS_OPERACAO, status);
        ExecutaVenda(kJanelaCliente, 0);
        EXPECT_EQ(Relatados(), Relato(zv::MSG_STATUS_OPERACAO_INVALIDO));
        EXPECT_TRUE(Abertas().empty());
    }
}

TEST_F(EntryPoints, SaleReadsTheStatusFieldIntoItsThreeByteBuffer) {
    ExecutaVenda(kJanelaCliente, 0);
    const auto leituras = Chamadas("FosdalLeCampo");
    ASSERT_FALSE(leituras.empty());
    EXPECT_EQ(leituras[0]["args"][0], zv::CAMPO_STATUS_OPERACAO);
    EXPECT_EQ(leituras[0]["args"][2], 3);
}

TEST_F(EntryPoints, SaleChoosesItsFirstScreenFromInstalmentsAndKind) {
    struct Caso {
        const char* parcelas;  // field 1017, nullptr = absent
        const char* tipo;      // field 1016
        bool preAutorizacao;
        const char* esperada;
    };
    const Caso casos[] = {
        {"1", nullptr, false, kVis},     {"0", "1", false, kVis},         {nullptr, nullptr, false, kCred},
        {"3", "1", false, kCpr},         {"6", "0", false, kEst},         {"6", "7", false, kCred},
        {"x", "x", false, kCred},        {nullptr, nullptr, true, kPreAut}, {"1", nullptr, true, kVis},
        {"4", "0", true, kEst},          {"4", "1", true, kCpr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.parcelas ? c.parcelas : "-") + "/" + (c.tipo ? c.tipo : "-") +
                     (c.preAutorizacao ? " pre" : ""));
        Cliente().Reset();
        LimpaTelas();
        Comportamento().resultado = forms::mrOk;
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        if (c.parcelas) Campo(zv::CAMPO_NUMERO_PARCELAS, c.parcelas);
        if (c.tipo) Campo(zv::CAMPO_TIPO_PARCELAMENTO, c.tipo);
        if (c.preAutorizacao) Cliente().SetServiceTag("CPRE:", "1");
        ExecutaVenda(kJanelaCliente, 0);
        EXPECT_EQ(Abertas(), Nomes{c.esperada});
        EXPECT_TRUE(Relatados().empty());
    }
}

TEST_F(EntryPoints, OnlyAtSightEnabledOpensTheAtSightScreenWhateverTheInstalments) {
    Cliente().Enabled().terminal = std::set<int>{1};
    Campo(zv::CAMPO_NUMERO_PARCELAS, "5");
    Campo(zv::CAMPO_TIPO_PARCELAMENTO, "1");
    ExecutaVenda(kJanelaCliente, 0);
    EXPECT_EQ(Abertas(), Nomes{kVis});

    // The three table checks run in order and stop once the answer is known.
    const auto checks = Chamadas("TransacoesHabilitadas");
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[0]["args"], (nlohmann::json{1, 5}));
    EXPECT_EQ(checks[1]["args"], (nlohmann::json{3, 5}));
    EXPECT_EQ(checks[2]["args"], (nlohmann::json{2, 5}));
}

TEST_F(EntryPoints, PreAuthorisationModeAllowsEveryKindAndTheMenuUsesTheCreditVariable) {
    Cliente().SetServiceTag("CPRE:", "1");
    Cliente().SetServiceTag("PCAPV:", "0");
    forms::Form* variavelDurante = nullptr;
    Comportamento().aoMostrar = [&](forms::Form&) { variavelDurante = zv::MenuCreditoZentravela::FrmCred_Mnu; };
    ExecutaVenda(kJanelaCliente, 0);
    EXPECT_EQ(Abertas(), Nomes{kPreAut});
    EXPECT_NE(variavelDurante, nullptr);
    EXPECT_EQ(zv::MenuCreditoZentravela::FrmCred_Mnu, nullptr);
    EXPECT_TRUE(zv::TRN_PCAPV);
    EXPECT_TRUE(zv::TRN_PCAPPL);
    EXPECT_TRUE(zv::TRN_PCAPPA);

    // Back in normal mode the flags are cleared before use.
    Cliente().Service().tags.clear();
    ExecutaVenda(kJanelaCliente, 0);
    EXPECT_FALSE(zv::TRN_PCAPV || zv::TRN_PCAPPL || zv::TRN_PCAPPA);
}

TEST_F(EntryPoints, HostWindowOwnsTheScreensForTheCallOnly) {
    auto& app = forms::Application::Instance();
    app.SetHandle(77);
    ExecutaVenda(kJanelaCliente, 0);
    ExecutaFuncaoADM(kJanelaCliente + 1, 0);
    ExecutaGenerico(kJanelaCliente + 2, 12);
    ASSERT_EQ(TelasVistas().size(), 3u);
    EXPECT_EQ(TelasVistas()[0].janela, kJanelaCliente);
    EXPECT_EQ(TelasVistas()[1].janela, kJanelaCliente + 1);
    EXPECT_EQ(TelasVistas()[2].janela, kJanelaCliente + 2);
    EXPECT_EQ(app.Handle(), 77u);
}

TEST_F(EntryPoints, AdministrativeFunctions) {
    struct Caso {
        const char* status;
        uint32_t funcao;
        Nomes abertas;
        std::vector<std::string> relatados;
    };
    const Caso casos[] = {
        {"0", 0, {kCredAdm}, {}},
        {"0", 1, {kCnc}, {}},
        {"-5", 1, {kCnc}, {}},
        {"0", 2, {}, Relato(zv::MSG_FUNCAO_ADM_INVALIDA)},
        {"", 0, {}, Relato(zv::MSG_STATUS_OPERACAO_INVALIDO)},
        {"-1", 0, {}, Relato(zv::MSG_STATUS_OPERACAO_INVALIDO)},
        {"x", 0, {}, Relato(zv::MSG_STATUS_OPERACAO_INVALIDO)},
        {"1", 0, {}, Relato(zv::MSG_STATUS_OPERACAO_INVALIDO)},
        {"12", 1, {}, Relato(zv::MSG_STATUS_OPERACAO_INVALIDO)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.status) + " / " + std::to_string(c.funcao));
        Cliente().Reset();
        LimpaTelas();
        Comportamento().resultado = forms::mrOk;
        if (*c.status) Campo(zv::CAMPO_STATUS_OPERACAO, c.status);
        ExecutaFuncaoADM(kJanelaCliente, c.funcao);
        EXPECT_EQ(Abertas(), c.abertas);
        EXPECT_EQ(Relatados(), c.relatados);
    }
}

TEST_F(EntryPoints, GenericServesOnlyInvoicePaymentAndIgnoresTheStatusField) {
    Cliente().ClearField(zv::CAMPO_STATUS_OPERACAO);
    ExecutaGenerico(kJanelaCliente, 12);
    EXPECT_EQ(Abertas(), Nomes{kPag});
    EXPECT_TRUE(Relatados().empty());

    ExecutaGenerico(kJanelaCliente, 11);
    EXPECT_EQ(Abertas(), Nomes{kPag});
    EXPECT_EQ(Relatados(), Relato(zv::MSG_GENERICO_NAO_SUPORTADO));
}

TEST_F(EntryPoints, ChequeAndPreAuthorisationEntriesAreNotServed) {
    auto& app = forms::Application::Instance();
    app.SetHandle(91);
    ExecutaConsultaCheque(kJanelaCliente, 1);
    ExecutaPreAutorizacao(kJanelaCliente, 1);
    EXPECT_EQ(Relatados(), (std::vector<std::string>{sim::MessageText(zv::MSG_FUNCAO_NAO_DISPONIVEL),
                                                     sim::MessageText(zv::MSG_FUNCAO_NAO_DISPONIVEL)}));
    EXPECT_TRUE(Abertas().empty());
    EXPECT_EQ(app.Handle(), 91u);
}

TEST_F(EntryPoints, ScreenThatCannotBeCreatedShowsMessage802WithItsFormName) {
    struct Caso {
        const char* classe;
        const char* nome;
        uint32_t flags;
        std::function<void()> chama;
    };
    const Caso casos[] = {
        {"TFrmVis_Crd", kVis, 0x40030, [] { ExecutaVenda(kJanelaCliente, 0); }},
        {"TFrmCred_Mnu", kCred, 0x40000, [] {
             Cliente().ClearField(zv::CAMPO_NUMERO_PARCELAS);
             ExecutaVenda(kJanelaCliente, 0);
         }},
        {"TFrmCredAdm_Mnu", kCredAdm, 0x40000, [] { ExecutaFuncaoADM(kJanelaCliente, 0); }},
        {"TFrmPag_Trn", kPag, 0x40000, [] { ExecutaGenerico(kJanelaCliente, 12); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Cliente().ClearJournal();
        Campo(zv::CAMPO_NUMERO_PARCELAS, "1");
        zv::RemoveClasseTela(c.classe);
        NovoOperador("answer ok\n");
        c.chama();
        const auto caixas = LinhasCaixa();
        ASSERT_EQ(caixas.size(), 1u);
        const std::string formato = sim::MessageText(zv::MSG_ERRO_CRIAR_FORM);
        const std::string esperado = formato.substr(0, formato.find("%s")) + c.nome +
                                     formato.substr(formato.find("%s") + 2);
        EXPECT_EQ(caixas[0]["text"], TextoJournal(esperado));
        EXPECT_EQ(caixas[0]["flags"], c.flags);
        EXPECT_TRUE(Relatados().empty()) << "nothing is reported to the client";
    }
}

// Pre-authorisation mode turns every flag on, so the refusals only show when
// a flag is off at dispatch.
TEST_F(EntryPoints, PreAuthorisationKindWhoseFlagIsOffIsReportedAndOpensNothing) {
    struct Caso {
        const char* parcelas;
        const char* tipo;
        bool* flag;
        int mensagem;
    };
    const Caso casos[] = {{"1", nullptr, &zv::TRN_PCAPV, zv::MSG_PRE_AUT_VISTA_NAO_PERMITIDA},
                          {"4", "0", &zv::TRN_PCAPPL, zv::MSG_PRE_AUT_PARC_LOJA_NAO_PERMITIDA},
                          {"4", "1", &zv::TRN_PCAPPA, zv::MSG_PRE_AUT_PARC_ADM_NAO_PERMITIDA}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem);
        Cliente().Reset();
        LimpaTelas();
        Comportamento().resultado = forms::mrOk;
        Campo(zv::CAMPO_NUMERO_PARCELAS, c.parcelas);
        if (c.tipo) Campo(zv::CAMPO_TIPO_PARCELAMENTO, c.tipo);
        zv::TRN_PCAPV = zv::TRN_PCAPPL = zv::TRN_PCAPPA = true;
        *c.flag = false;
        zv::DespachaVenda(true);
        EXPECT_EQ(Relatados(), Relato(c.mensagem));
        EXPECT_TRUE(Abertas().empty());
        // The same kind outside pre-authorisation mode opens its screen.
        Cliente().GetJournal().Clear();
        Cliente().Reset();
        Campo(zv::CAMPO_NUMERO_PARCELAS, c.parcelas);
        if (c.tipo) Campo(zv::CAMPO_TIPO_PARCELAMENTO, c.tipo);
        zv::DespachaVenda(false);
        EXPECT_TRUE(Relatados().empty());
        EXPECT_EQ(Abertas().size(), 1u);
    }
}

}  // namespace
}  // namespace zvtest
