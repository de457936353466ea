// Invoice payment through the clientvorix program: the shipped scenarios with
// their operator scripts, and the ones under invoice/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kFatura = std::filesystem::path(ZV_E2E_DIR) / "invoice";

std::string Le(const std::filesystem::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    EXPECT_TRUE(in.good()) << arquivo;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A shipped scenario with its script (clientvorix/scenarios/NAME.toml and
// .txt) or one of ours (invoice/NAME.toml and .txt).
ClientRun RunScenario(const std::string& nome) {
    std::filesystem::path base = std::filesystem::path(ZV_SCENARIOS_DIR) / nome;
    if (!std::filesystem::exists(base.string() + ".toml")) base = kFatura / nome;
    ClientRun run = ClientRun::Execute(Le(base.string() + ".toml"), Le(base.string() + ".txt"));
    EXPECT_EQ(run.ExitStatus(), 0) << nome << ": " << run.Stderr();
    return run;
}

bool Gravou(const ClientRun& run, int campo) {
    for (const auto& c : run.Calls("GravaCampoString")) {
        if (c["args"][0] == campo) return true;
    }
    return false;
}

struct CasoLinha {
    const char* cenario;
    const char* documento;      // fields 1041 and 10104
    std::vector<int> mensagens;  // boxes shown on the way
};

class TypedLine : public ::testing::TestWithParam<CasoLinha> {};

TEST_P(TypedLine, ReachesTheDocumentFieldsAndTravelsAsTypedEntry) {
    const CasoLinha& caso = GetParam();
    const auto run = RunScenario(caso.cenario);
    std::vector<std::string> esperadas;
    for (int m : caso.mensagens) esperadas.push_back(Message(m));
    EXPECT_EQ(run.BoxTexts(), esperadas);
    EXPECT_EQ(run.Field("1041"), caso.documento);
    EXPECT_EQ(run.Field("10104"), caso.documento);
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 64);
    EXPECT_EQ(RecordTexts(autoriza[0]), (std::vector<std::string>{"115", "4"}));
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, TypedLine,
    ::testing::Values(
        CasoLinha{"pagamento-fatura-titulo", "00191234546789012345767890123457810000000001500", {}},
        // validated with 00000000001500 in the amount block, sent as typed
        CasoLinha{"titulo_bloco4_curto", "2379987650432109876574321098765711500", {}},
        // the fourth block typed first with a wrong check digit
        CasoLinha{"pagamento-fatura-convenio", "826600000002123400012340567890123456678901234560", {1086}},
        // block 1 refused (emptied and focused, the script checks), typed again
        CasoLinha{"pagamento-fatura-bloco-errado", "00191234546789012345767890123457810000000001500", {1082}}));

struct CasoRepete {
    const char* cenario;
    int codigo;
};

class RetriedConfirmation : public ::testing::TestWithParam<CasoRepete> {};

// Back from the host's question, another line typed: the request carries it.
TEST_P(RetriedConfirmation, SendsTheLineOnScreen) {
    const std::string linhaB = "2379987650432109876574321098765711500";
    const auto run = RunScenario(GetParam().cenario);
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], GetParam().codigo);
    EXPECT_EQ(run.Field("1041"), linhaB);
    EXPECT_EQ(run.Field("10104"), linhaB);
}

INSTANTIATE_TEST_SUITE_P(Screens, RetriedConfirmation,
                         ::testing::Values(CasoRepete{"repete_com_outra_linha", 64},
                                           CasoRepete{"cancelamento_repete_com_outra_linha", 65}));

TEST(InvoicePayment, RefusedLineIsNeverAuthorisedWithoutIt) {
    const auto run = RunScenario("linha_recusada");
    int gravacoes = 0;  // of the line into 1041, one each confirmation
    for (const auto& c : run.Calls("GravaCampoString")) gravacoes += c["args"][0] == 1041;
    EXPECT_EQ(gravacoes, 2);
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    EXPECT_EQ(run.Field("1041"), "(absent)");  // the operator's line, taken back
}

TEST(InvoicePayment, TypeChangedToCardOnTheWayToTheButtonReadsTheCardOnce) {
    const auto run = RunScenario("tipo_trocado_para_cartao");
    EXPECT_TRUE(run.Boxes().empty());
    EXPECT_EQ(run.Calls("LerCartao").size(), 1u);
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(RecordTexts(autoriza[0]), (std::vector<std::string>{"115", "5"}));
    EXPECT_EQ(run.Field("1041"), "(absent)");
}

TEST(InvoicePayment, WrongGeneralDigitAuthorisesNothing) {
    const auto run = RunScenario("pagamento-fatura-digito-geral-errado");
    EXPECT_EQ(run.BoxTexts(), (std::vector<std::string>{Message(1081), Message(1081)}));
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    EXPECT_EQ(run.Field("1041"), "(absent)");
    EXPECT_EQ(run.Forms("close"), std::vector<std::string>{"FrmPag_Trn"});
}

TEST(InvoicePayment, HostReadBarcodeIsAcceptedUnchangedAndNotWrittenAgain) {
    const auto run = RunScenario("pagamento-fatura-barras-lido");
    EXPECT_TRUE(run.Boxes().empty());
    EXPECT_EQ(run.Field("1041"), "00198100000000015001234567890123456789012340");
    EXPECT_FALSE(Gravou(run, 1041));
    EXPECT_FALSE(Gravou(run, 10104) && run.Field("10104") != "");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(RecordTexts(autoriza[0]), (std::vector<std::string>{"115", "3"}));
}

TEST(InvoicePayment, CardReadAgainTwiceThenAuthorisedAsInvoicePayment) {
    const auto run = RunScenario("pagamento-fatura");
    EXPECT_EQ(run.Calls("LerCartao").size(), 3u);
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 64);
    // The entry mode that card reading left in field 10134.
    EXPECT_EQ(RecordTexts(autoriza[0]), (std::vector<std::string>{"115", "5"}));
    EXPECT_EQ(run.Field("1009"), "00");
    EXPECT_EQ(run.Field("1041"), "(absent)");
}

TEST(InvoicePayment, RefusedCardAuthorisesNothingAndLeavesTheTransactionNotDone) {
    const auto run = RunScenario("cartao_recusado");
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    EXPECT_EQ(run.Calls("RemoveCartao").size(), 1u);
    EXPECT_EQ(run.Field("1009"), "FF");
    EXPECT_EQ(run.Field("1027"), Message(801));
    EXPECT_EQ(run.Field("1003"), "(absent)");
}

}  // namespace
}  // namespace e2e
