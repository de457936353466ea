// The host's questions in a credit sale through the clientvorix program:
// answers reach field 10278 as typed, and a list the client cannot take ends
// the operation without an authorisation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ClientRun.h"

namespace e2e {
namespace {

const std::filesystem::path kPerguntas = std::filesystem::path(ZV_E2E_DIR) / "questions";

std::string Le(const std::string& nome) {
    std::ifstream in(kPerguntas / nome, std::ios::binary);
    EXPECT_TRUE(in.good()) << nome;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Formatada(int numero, std::initializer_list<const char*> argumentos) {
    std::string texto = Message(numero);
    for (const char* a : argumentos) texto.replace(texto.find("%s"), 2, a);
    return texto;
}

TEST(CreditQuestions, AListTheClientCannotTakeIsReportedAndNothingIsAuthorised) {
    std::string roteiro = "type 15000\nkey Enter\nkey Enter\nexpect screen FrmCap_Perg\n";
    for (int i = 0; i < 5; ++i) roteiro += "type " + std::string(900, '9') + "\nkey Enter\n";
    roteiro += "click btConfirma\n";
    const auto run = ClientRun::Execute(Le("cinco_longas.toml"), roteiro);
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    EXPECT_EQ(run.ErrorReports(), std::vector<std::string>{Message(1591)});
    for (const char* passo : {"VerificaProcessamentoCartao", "LerSenha", "AutorizaTransacao", "FosdalGravaArquivo"})
        EXPECT_TRUE(run.Calls(passo).empty()) << passo;
    EXPECT_FALSE(run.FinalFields().contains("10278"));
}

TEST(CreditQuestions, AnswersOfEveryKindTravelAsTypedAndARequiredAmountIsAsked) {
    const auto run = ClientRun::Execute(Le("tipos.toml"), Le("tipos.txt"));
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    std::vector<std::string> caixas;
    for (const auto& b : run.Boxes()) caixas.push_back(b.value("text", ""));
    EXPECT_EQ(caixas, std::vector<std::string>{Formatada(1186, {"Valor", "1"})});
    const std::string lista = run.FinalFields().value("10278", "");
    EXPECT_EQ(lista, std::string("PERG:01,JOAO,10000;\0PERG:02,S,10104;\0PERG:03,150,10105;\0", 56));
    EXPECT_EQ(run.Calls("AutorizaTransacao").size(), 1u);
}

}  // namespace
}  // namespace e2e
