// Credit sales and the credit menu through the clientvorix program: the
// shipped scenarios and the ones under credit/, each with its operator script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "../package/DatasTeste.h"
#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kCredito = std::filesystem::path(ZV_E2E_DIR) / "credit";
const std::filesystem::path kCenarios = ZV_SCENARIOS_DIR;

// A shipped scenario (clientvorix/scenarios/NAME.toml) or one of ours (credit/NAME.toml).
std::string Scenario(const std::string& nome) {
    const auto enviado = kCenarios / (nome + ".toml");
    return ReadText(std::filesystem::exists(enviado) ? enviado : kCredito / (nome + ".toml"));
}
std::string Roteiro(const std::string& nome) { return ReadText(kCredito / (nome + ".txt")); }

ClientRun RunScenario(const std::string& cenario, const std::string& roteiro) {
    const std::string toml = Scenario(cenario);
    const std::string script = Roteiro(roteiro);
    EXPECT_FALSE(toml.empty()) << "no scenario " << cenario;
    EXPECT_FALSE(script.empty()) << "no script " << roteiro;
    ClientRun run = ClientRun::Execute(toml, script);
    EXPECT_EQ(run.ExitStatus(), 0) << cenario << " + " << roteiro << ": " << run.Stderr();
    return run;
}

bool Contem(const std::vector<std::string>& lista, const std::string& item) {
    return std::find(lista.begin(), lista.end(), item) != lista.end();
}

TEST(CreditSale, AtSightSaleTypedByTheOperator) {
    const auto run = RunScenario("venda-a-vista", "a_vista");
    EXPECT_EQ(run.Field("1003"), "15000");
    EXPECT_EQ(run.Field("10156"), "4");
    EXPECT_EQ(run.Field("1016"), "0");
    EXPECT_EQ(run.Field("1017"), "1");
    EXPECT_EQ(run.Field("10151"), "");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 56);
    EXPECT_EQ(autoriza[0]["record"]["flag"], 1);
    EXPECT_EQ(autoriza[0]["result"], true);
    EXPECT_EQ(run.ModalResult("FrmVis_Crd"), 1);
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), 1u);
    EXPECT_TRUE(run.Boxes().empty());
}

TEST(CreditSale, DeclinedSaleStillEndsWithOkAndHandsTheAnswerOver) {
    const auto run = RunScenario("credito_recusada", "a_vista");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["result"], false);
    EXPECT_EQ(run.Field("1009"), "51");
    EXPECT_EQ(run.ModalResult("FrmVis_Crd"), 1);
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), 1u);
}

TEST(CreditSale, AnAmountErasedWithBackspaceIsAskedForAgainAndNothingIsAuthorised) {
    const auto run = RunScenario("venda-a-vista", "valor_apagado");
    EXPECT_EQ(run.BoxTexts(), std::vector<std::string>{Message(26)});
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    EXPECT_EQ(run.ModalResult("FrmVis_Crd"), 2);
}

TEST(CreditSale, AZeroAmountIsDeclinedByTheAuthoriser) {
    const auto run = RunScenario("venda-a-vista", "valor_zero");
    EXPECT_EQ(run.Field("1003"), "000");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["result"], false);
    EXPECT_EQ(run.Field("1009"), "13");
    EXPECT_EQ(run.Field("1027"), "VALOR INVALIDO");
}

TEST(CreditSale, HostSuppliedAmountAndInstalmentsAreLockedAndWrittenBackUnchanged) {
    const auto run = RunScenario("valores_do_host", "valores_do_host");
    EXPECT_EQ(run.Field("1003"), "250000");
    EXPECT_EQ(run.Field("1017"), "04");
    EXPECT_EQ(run.Field("10156"), "3");
    EXPECT_EQ(run.Field("1019"), "0");
}

struct CasoParcelado {
    const char* cenario;
    const char* roteiro;
    const char* tipo;
    const char* entrada;
};

class CreditInstalments : public ::testing::TestWithParam<CasoParcelado> {};

TEST_P(CreditInstalments, SaleKindFollowsTheFinancerAndTheDownPayment) {
    const auto& caso = GetParam();
    const auto run = RunScenario(caso.cenario, caso.roteiro);
    EXPECT_EQ(run.Field("10156"), caso.tipo);
    EXPECT_EQ(run.Field("1016"), caso.tipo);
    EXPECT_EQ(run.Field("1017"), "3");
    EXPECT_EQ(run.Field("1019"), caso.entrada);
    EXPECT_EQ(run.Field("1003"), "100000");
    EXPECT_EQ(run.Calls("AutorizaTransacao").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, CreditInstalments,
    ::testing::Values(CasoParcelado{"credito_parcelado_loja_entrada", "parcelado_com_entrada", "7", "10000"},
                      CasoParcelado{"credito_parcelado_loja_entrada", "parcelado_sem_entrada", "4", "0"},
                      CasoParcelado{"credito_parcelado_loja", "parcelado_sem_entrada", "4", "0"},
                      CasoParcelado{"credito_parcelado_adm", "parcelado_com_entrada", "6", "10000"},
                      CasoParcelado{"credito_parcelado_adm", "parcelado_sem_entrada", "3", "0"}));

TEST(CreditSale, InstalmentsOutsideTheLimitsAreRefused) {
    const auto run = RunScenario("limites_parcelas", "limites_parcelas");
    const auto caixas = run.BoxTexts();
    ASSERT_EQ(caixas.size(), 2u);
    std::string minimo = Message(319);
    for (const char* limite : {"3", "12"}) minimo.replace(minimo.find("%s"), 2, limite);
    EXPECT_EQ(caixas[0], minimo);
    EXPECT_EQ(caixas[1], Message(320));
    EXPECT_EQ(run.Field("1017"), "12");
}

TEST(CreditSale, CyclesTypedAsSevenTravelAsTwoDigits) {
    const auto run = RunScenario("ciclos", "ciclos");
    EXPECT_EQ(run.Field("1048"), "07");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_TRUE(Contem(RecordTexts(autoriza[0]), "CICLOS:07"));
}

TEST(CreditSale, IssueDateOfALaterMonthIsRefusedThisMonthAccepted) {
    const std::string atual = zvtest::MesAno(0);
    const std::string roteiro = "type 15000\nkey Enter\nexpect focus edDtemCart\ntype " + zvtest::MesAno(1) +
                                "\nclick btConfirma\nanswer ok\nexpect focus edDtemCart\ntype " + atual +
                                "\nclick btConfirma\n";
    const auto run = ClientRun::Execute(Scenario("data_emissao"), roteiro);
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    EXPECT_EQ(run.BoxTexts(), std::vector<std::string>{Message(787)});
    EXPECT_EQ(run.Field("1208"), atual);
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_TRUE(Contem(RecordTexts(autoriza[0]), "DTEMCART:" + atual));
}

TEST(CreditSale, PreAuthorisationCodeOfZerosIsRefused) {
    const auto run = RunScenario("credito_pre_autorizacao", "pre_autorizacao");
    EXPECT_EQ(run.BoxTexts(), std::vector<std::string>{Message(279)});
    EXPECT_EQ(run.Field("1064"), "123456");
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_TRUE(Contem(RecordTexts(autoriza[0]), "CAUT:123456"));
}

TEST(CreditMenu, DefaultScenarioIsASaleThroughTheCreditMenu) {
    const auto run = RunScenario("default", "menu_a_vista");
    EXPECT_EQ(run.Forms("create"), (std::vector<std::string>{"FrmCred_Mnu", "FrmVis_Crd"}));
    EXPECT_EQ(run.ModalResult("FrmVis_Crd"), 1);
    EXPECT_EQ(run.ModalResult("FrmCred_Mnu"), 1);
    EXPECT_EQ(run.Field("10156"), "4");
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), 1u);
}

TEST(CreditMenu, OnlyOptionOpensByItselfAndCancelGivesTheMenuBack) {
    const auto run = RunScenario("menu_volta", "menu_volta");
    EXPECT_EQ(run.Forms("create"), (std::vector<std::string>{"FrmCred_Mnu", "FrmEst_CrdPar"}));
    EXPECT_EQ(run.ModalResult("FrmEst_CrdPar"), 2);
    EXPECT_EQ(run.ModalResult("FrmCred_Mnu"), 2);
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
    // Only the menu's cancel, at the top, hands the data over.
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), 1u);
}

TEST(CreditMenu, DigitTypedWhileAnOptionOpensIsDropped) {
    const auto run = RunScenario("default", "menu_digito");
    EXPECT_EQ(run.Forms("create"), (std::vector<std::string>{"FrmCred_Mnu", "FrmVis_Crd"}));
}

TEST(CreditMenu, SixInstalmentsOfferOnlyTheInstalmentOptions) {
    const auto run = RunScenario("menu_parcelas", "menu_parcelas");
    EXPECT_EQ(run.Forms("create"), std::vector<std::string>{"FrmCred_Mnu"});
}

TEST(CreditMenu, MenuWithoutOptionsReportsToTheHostAndCloses) {
    const auto run = ClientRun::Execute(Scenario("menu_sem_opcao"), "wait 50\n");
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    EXPECT_EQ(run.ErrorReports(), std::vector<std::string>{Message(993)});
    EXPECT_EQ(run.Forms("create"), std::vector<std::string>{"FrmCred_Mnu"});
    EXPECT_EQ(run.ModalResult("FrmCred_Mnu"), 1);
}

}  // namespace
}  // namespace e2e
