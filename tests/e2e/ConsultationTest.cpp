// Consultations and the invoice payment cancellation through the clientvorix
// program: the shipped scenarios, each consultation printed, returned and
// declined.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kCenarios = std::filesystem::path(ZV_SCENARIOS_DIR);

ClientRun RunScenario(const std::string& cenario, const std::string& roteiro) {
    ClientRun run = ClientRun::Execute(ReadText(kCenarios / (cenario + ".toml")),
                                       ReadText(kCenarios / (roteiro + ".txt")));
    EXPECT_EQ(run.ExitStatus(), 0) << roteiro << ": " << run.Stderr();
    return run;
}

bool Criou(const ClientRun& run, const std::string& tela) {
    const auto criadas = run.Forms("create");
    return std::find(criadas.begin(), criadas.end(), tela) != criadas.end();
}

// Where the call of `fn` (on `campo`, when given) stands in the journal; -1 when absent.
long Posicao(const ClientRun& run, const std::string& fn, int campo = -1) {
    const auto& linhas = run.Lines();
    for (size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].value("fn", "") != fn) continue;
        if (campo < 0 || linhas[i]["args"][0] == campo) return static_cast<long>(i);
    }
    return -1;
}

std::string Resultado(const ClientRun& run) { return ReadText(run.Folder() + "/journal.jsonl.result"); }

struct CasoConsulta {
    const char* cenario;
    const char* roteiro;
    const char* tela;
    int codigo;     // of the request
    bool recibo;    // the receipt was shown
    int arquivos;   // result files written
    const char* f1009;
};

class Consultation : public ::testing::TestWithParam<CasoConsulta> {};

TEST_P(Consultation, EndsAsTheOperatorOrTheHostChose) {
    const CasoConsulta& caso = GetParam();
    const auto run = RunScenario(caso.cenario, caso.roteiro);
    EXPECT_TRUE(Criou(run, caso.tela));
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], caso.codigo);
    EXPECT_EQ(Criou(run, "FrmImprime_Mod"), caso.recibo);
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), static_cast<size_t>(caso.arquivos));
    EXPECT_EQ(run.Field("1009"), caso.f1009);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Consultation,
    ::testing::Values(
        CasoConsulta{"consulta-parcelas", "consulta-parcelas", "FrmCon_AdmCrdPar", 63, true, 1, "00"},
        CasoConsulta{"consulta-parcelas", "consulta-parcelas-retorna", "FrmCon_AdmCrdPar", 63, true, 0, "FF"},
        CasoConsulta{"consulta-parcelas-recusada", "consulta-parcelas-recusada", "FrmCon_AdmCrdPar", 63, false, 1,
                     "05"},
        CasoConsulta{"consulta-saldo", "consulta-saldo", "FrmCnsSaldo_Cred", 29, true, 1, "00"},
        CasoConsulta{"consulta-saldo", "consulta-saldo-retorna", "FrmCnsSaldo_Cred", 29, true, 1, "FF"},
        CasoConsulta{"consulta-saldo-recusada", "consulta-saldo-recusada", "FrmCnsSaldo_Cred", 29, false, 1, "51"},
        CasoConsulta{"consulta-saque", "consulta-saque", "FrmCon_AdmSaque", 63, true, 1, "00"},
        // returned: the screen and the withdrawal menu end cancelled, the administrative menu is closed by the operator
        CasoConsulta{"consulta-saque", "consulta-saque-retorna", "FrmCon_AdmSaque", 63, true, 1, "255"},
        CasoConsulta{"consulta-saque-recusada", "consulta-saque-recusada", "FrmCon_AdmSaque", 63, false, 1, "05"}));

TEST(Consultation, BalanceInquiryAsksNoAmountAndPrintsBothPlans) {
    const auto run = RunScenario("consulta-saldo", "consulta-saldo");
    EXPECT_EQ(run.Field("10172"), "0");
    EXPECT_LT(Posicao(run, "GravaCampoString", 10172), Posicao(run, "AutorizaTransacao"));
    EXPECT_EQ(Posicao(run, "GravaCampoString", 1003), -1);
    const std::string arquivo = Resultado(run);
    for (const char* linha : {"01135-000 = 03\n", "01120-000 = 000000003400\n", "01127-000 = 000000010200\n",
                              "01211-000 = 0000199\n", "01135-001 = 06\n", "01120-001 = 000000001750\n",
                              "01127-001 = 000000010500\n", "01211-001 = 0000249\n"}) {
        EXPECT_NE(arquivo.find(linha), std::string::npos) << linha;
    }
}

TEST(Consultation, InstalmentConsultationReturnedForgetsTheTransaction) {
    const auto run = RunScenario("consulta-parcelas", "consulta-parcelas-retorna");
    EXPECT_EQ(run.Calls("FosdalLimpaUltimaTrn").size(), 1u);
    EXPECT_EQ(run.Field("10192"), "1");
    EXPECT_TRUE(run.Calls("FosdalGravaArquivo").empty());
    EXPECT_EQ(run.ModalResult("FrmCon_AdmCrdPar"), 1);
}

TEST(Consultation, WithdrawalConsultationReturnedForgetsTheTypedInstalments) {
    const auto run = RunScenario("consulta-saque", "consulta-saque-retorna");
    EXPECT_EQ(RecordTexts(run.Calls("AutorizaTransacao")[0]), (std::vector<std::string>{"", "TRN:6"}));
    EXPECT_EQ(run.Field("1017"), "(absent)");
    EXPECT_EQ(run.Field("1027"), Message(801));
    EXPECT_EQ(run.ModalResult("FrmCon_AdmSaque"), 2);
    // Each menu came back for the operator to close.
    EXPECT_EQ(run.ModalResult("FrmSaqueCredito_Mnu"), 2);
    EXPECT_EQ(run.ModalResult("FrmCredAdm_Mnu"), 2);
}

TEST(InvoiceCancellation, TypedTituloTravelsWithTheCancellationRecord) {
    const auto run = RunScenario("cancelamento-fatura", "cancelamento-fatura");
    const std::string linha = "00191234546789012345767890123457810000000001500";
    const auto autoriza = run.Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 65);
    EXPECT_EQ(RecordTexts(autoriza[0]), (std::vector<std::string>{"115", "2", linha}));
    EXPECT_EQ(run.Field("10112"), "0115");
    EXPECT_EQ(run.Field("1040"), "2");
    EXPECT_EQ(run.Field("1041"), linha);
    EXPECT_EQ(run.Field("10104"), linha);
    EXPECT_EQ(run.Field("1020"), "05032024");
    EXPECT_TRUE(run.BoxTexts().empty());
}

}  // namespace
}  // namespace e2e
