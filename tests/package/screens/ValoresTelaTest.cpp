// A confirmation that stops on a refused field write: nothing is authorised,
// what the operator typed is taken back from the field store at each stop, and
// the screen stays with the prompt of the focused control in its message line.
#include "AmbienteCredito.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "host/Catalogo.h"
#include "withdrawal/SaqueFinParceladoZentravela.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"

using zvtest::CatalogoUtf8;

namespace {

struct CasoRecusa {
    const char* nome;
    const char* classe;  // its form is the name without the T
    forms::Form** tela;
    int recusado;
    const char* servico;  // the [service] lines the screen needs
    const char* digita;   // up to the click on the confirm button
};

class GravacaoRecusada : public zvtest::AmbienteCredito, public ::testing::WithParamInterface<CasoRecusa> {
protected:
    std::vector<std::string> EscritasDoValor() {
        std::vector<std::string> r;
        for (const auto& c : Linhas("call")) {
            const std::string fn = c.value("fn", "");
            if (c["args"].is_array() && !c["args"].empty() && c["args"][0] == zv::CAMPO_VALOR_TRANSACAO) {
                if (fn == "GravaCampoString") r.push_back("grava");
                if (fn == "FosdalLimpaCampo") r.push_back("limpa");
            }
        }
        return r;
    }
};

TEST_P(GravacaoRecusada, StopsTheConfirmationAndTakesBackWhatTheOperatorTyped) {
    const CasoRecusa& caso = GetParam();
    Cliente().LoadScenario(std::string("entry = \"ExecutaFuncaoADM\"\n[fields]\n\"10107\" = \"0\"\n[host]\nrefused_writes = [") +
                            std::to_string(caso.recusado) + "]\n[service]\n" + caso.servico,
                        "recusa.toml");
    ASSERT_TRUE(Roda(caso.classe, *caso.tela,
                     std::string(caso.digita) + "expect screen " + (caso.classe + 1) +
                         "\nexpect enabled btConfirma\nexpect text lbMensagem " + CatalogoUtf8(zv::MSG_PROMPT_CONFIRMA) +
                         "\nfocus btRetorna\nexpect text lbMensagem " + CatalogoUtf8(zv::MSG_PROMPT_RETORNA) +
                         "\nclick btConfirma\nexpect screen " + (caso.classe + 1) + "\nclick btRetorna\n"));
    EXPECT_TRUE(RoteiroAcabou());
    EXPECT_TRUE(Cliente().Calls("AutorizaTransacao").empty());
    // The typed amount is taken back at each stop, before the next confirmation writes it again.
    EXPECT_EQ(EscritasDoValor(), (std::vector<std::string>{"grava", "limpa", "grava", "limpa"}));
    for (int campo : {caso.recusado, zv::CAMPO_CICLOS, zv::CAMPO_DATA_EMISSAO_CARTAO})
        EXPECT_FALSE(Cliente().HasField(campo)) << campo;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, GravacaoRecusada,
    ::testing::Values(
        CasoRecusa{"CiclosDoSaque", "TFrmRot_Saq", &zv::SaqueFinRotativoZentravela::FrmRot_Saq, 1048,
                   "tags = { \"CICLOS:\" = \"0001\" }\n", "type 1000\nkey Enter\ntype 7\nclick btConfirma\n"},
        CasoRecusa{"DataDoSaqueDepoisDosCiclos", "TFrmRot_Saq", &zv::SaqueFinRotativoZentravela::FrmRot_Saq, 1208,
                   "tags = { \"CICLOS:\" = \"0001\", \"DTEMCART:\" = \"1\" }\n",
                   "type 1000\nkey Enter\ntype 012020\nkey Enter\ntype 7\nclick btConfirma\n"},
        CasoRecusa{"ParcelasDoSaque", "TFrmPar_Saq", &zv::SaqueFinParceladoZentravela::FrmPar_Saq, 1017, "",
                   "type 50000\nkey Enter\ntype 5\nclick btConfirma\n"},
        CasoRecusa{"DataDoCancelamento", "TFrmFin_Cnc", &zv::CancFinanceiroZentravela::FrmFin_Cnc, 1020, "",
                   "type 10000\nkey Enter\ntype 01022024\nkey Enter\ntype 1\nclick btConfirma\n"}),
    [](const ::testing::TestParamInfo<CasoRecusa>& info) { return std::string(info.param.nome); });

}  // namespace
