// The confirm sequence of the transaction model, read back from the journal.
#include "AmbienteTelas.h"

#include "host/Catalogo.h"
#include "host/HostCalls.h"

#include <algorithm>

namespace zvtest {
namespace {

using Lista = std::vector<std::string>;

// The steps of the sequence as the host sees them.
const std::set<std::string> PASSOS = {"VerificaProcessamentoCartao", "LerSenha", "VerificaObtemDadosCartao",
                                      "ExibeMsgPinpad", "AutorizaTransacao", "VerificaTrataTrnReferida",
                                      "TrataMensagensCartaoCHIP", "FosdalGravaArquivo"};
const Lista SEQUENCIA_COMPLETA = {"VerificaProcessamentoCartao", "LerSenha", "VerificaObtemDadosCartao",
                                  "ExibeMsgPinpad", "AutorizaTransacao", "VerificaTrataTrnReferida",
                                  "TrataMensagensCartaoCHIP", "FosdalGravaArquivo"};

// [fields] of a sale whose amount the host gave.
const std::string VENDA_COM_VALOR = "\"10107\" = \"0\"\n\"1003\" = \"150000\"\n";

class SequenciaConfirma : public AmbienteTelas {};

TEST_F(SequenciaConfirma, AprovadaComValorDigitadoSegueOsPassosEmOrdem) {
    Cenario(R"([fields]
"10107" = "0"
)");
    Roteiro("type 1500\nkey Enter\nexpect focus btConfirma\nkey Enter\n");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Chamadas(PASSOS), SEQUENCIA_COMPLETA);

    // The amount is written before the card is processed, 10216 cleared last.
    const Lista escritas = Chamadas({"GravaCampoString", "VerificaProcessamentoCartao", "FosdalGravaArquivo",
                                     "FosdalLimpaCampo", "VerificaServico5String", "FosdalLeCampo"});
    const auto pos = [&](const std::string& s) { return std::find(escritas.begin(), escritas.end(), s) - escritas.begin(); };
    EXPECT_LT(pos("GravaCampoString(1003)"), pos("VerificaProcessamentoCartao"));
    EXPECT_LT(pos("VerificaServico5String(\"DPCHIP:\")"), pos("FosdalLeCampo(10107)"));
    EXPECT_EQ(escritas.back(), "FosdalLimpaCampo(10216)");
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_TRANSACAO), zv::host::RemoveFormato(tela.edValor->Text()));
    EXPECT_EQ(Quantas("FosdalGravaArquivo"), 1);
}

TEST_F(SequenciaConfirma, RecusadaMostraOTextoDoHostEAindaFechaComOk) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
[[authorizations]]
result = false
fields = { "1009" = "05", "1027" = "  TRANSACAO NEGADA  " }
)");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Chamadas(PASSOS), SEQUENCIA_COMPLETA);
    EXPECT_EQ(tela.lbMensagem->Caption(), "TRANSACAO NEGADA");
}

// Service A's instalments apply only to an answer code read as 0: one that
// cannot be read is no approval.
TEST_F(SequenciaConfirma, ServicoASoComCodigoDeRespostaZero) {
    for (const std::string codigo : {"", "XX", "00"}) {
        Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
[[authorizations]]
result = false
fields = { "1009" = ")" + codigo + R"(", "20010" = "03", "20120" = "1" }
)");
        int r = 0;
        Mostra<TFrmTeste_Trn>(r);
        EXPECT_EQ(Campo(1017) == "03", codigo == "00") << "1009 '" << codigo << "'";
    }
}

TEST_F(SequenciaConfirma, ReferidaRecusadaFechaSemOsPassosSeguintes) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
[card]
referral = [false]
)");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Chamadas(PASSOS), (Lista{"VerificaProcessamentoCartao", "LerSenha", "VerificaObtemDadosCartao",
                                      "ExibeMsgPinpad", "AutorizaTransacao", "VerificaTrataTrnReferida"}));
    const Lista leituras = Chamadas({"LeCampo"});
    EXPECT_EQ(std::count(leituras.begin(), leituras.end(), "LeCampo(1027)"), 0);
}

TEST_F(SequenciaConfirma, ReferidaSoQuandoO10107ComecaPorZero) {
    Cenario(R"([fields]
"10107" = "10"
"1003" = "150000"
[card]
referral = [false]
)");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Quantas("VerificaTrataTrnReferida"), 0);
    EXPECT_EQ(Quantas("TrataMensagensCartaoCHIP"), 1);
}

TEST_F(SequenciaConfirma, SenhaRecusadaRegistraGravaArquivoELimpa10216) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
"10216" = "5000"
"10134" = "22"
[card]
pin = [3]
)");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    const Lista c = Chamadas({"VerificaProcessamentoCartao", "GravaAudit", "LerSenha", "FosdalGravaArquivo",
                              "FosdalLimpaCampo", "AutorizaTransacao", "VerificaObtemDadosCartao"});
    const auto cartao = std::find(c.begin(), c.end(), "VerificaProcessamentoCartao");
    ASSERT_NE(cartao, c.end());
    EXPECT_EQ(Lista(cartao, c.end()), (Lista{"VerificaProcessamentoCartao", "GravaAudit", "LerSenha", "GravaAudit",
                                             "FosdalGravaArquivo", "FosdalLimpaCampo(10216)"}));
    const auto& audit = Cliente().AuditLines();
    ASSERT_GE(audit.size(), 3u);
    EXPECT_EQ(audit[0], "Criou: FrmTeste_Trn");
    EXPECT_EQ(audit[1], "Captura Senha");
    EXPECT_EQ(audit[2], "Erro Captura Senha");
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_DISPONIVEL), "");
    EXPECT_EQ(Campo(zv::CAMPO_MODO_ENTRADA), "1");  // rewritten even when the PIN failed
}

TEST_F(SequenciaConfirma, PerguntasCanceladasDevolvemOControleAoOperador) {
    CenarioComPerguntas(VENDA_COM_VALOR, "PERG:01,Data de nascimento,10303,8,10;");
    Roteiro(
        "expect screen FrmCap_Perg\n"
        "click btRetorna\n"
        "expect screen FrmTeste_Trn\n"
        "expect enabled btConfirma\n"
        "expect enabled btRetorna\n"
        "click btRetorna\n");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_FALSE(tela.Confirmacao.Ocupada());
    EXPECT_TRUE(tela.pnCaptura->Enabled());
    EXPECT_EQ(Quantas("VerificaProcessamentoCartao"), 0);
    EXPECT_EQ(zv::CapturaPerguntasZentravela::FrmCap_Perg, nullptr);
}

TEST_F(SequenciaConfirma, RespostasQueOClienteRecusaEncerramSemAutorizarNada) {
    CenarioComPerguntas(VENDA_COM_VALOR, "PERG:01,Nome,10000,0,5;", "[host]\nrefused_writes = [10278]\n");
    Roteiro("expect screen FrmCap_Perg\ntype ana\nclick btConfirma\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    const auto& erros = Cliente().ErrorReports();
    ASSERT_EQ(erros.size(), 1u);
    EXPECT_EQ(erros[0].text, CatalogoCp1252(zv::MSG_ERRO_GRAVAR_RESPOSTAS));
    EXPECT_EQ(Chamadas(PASSOS), Lista{});  // no card, no PIN, no authorisation
}

TEST_F(SequenciaConfirma, RespostaComQ010EQ008DeixaNo1243OQ008) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
[[authorizations]]
fields = { "1009" = "00" }
service = { q = { "010" = "000000150000", "008" = "VALOR008" } }
)");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_APROVADO), "VALOR008");
}

TEST_F(SequenciaConfirma, ComFechaEmFalhaUmaValidacaoRecusadaFechaComOk) {
    Cenario(R"([fields]
"10107" = "0"
"10269" = "1"
)");
    Roteiro("click btConfirma\nanswer ok\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(CaixasCp1252(), Lista{CatalogoCp1252(zv::MSG_PROMPT_VALOR)});
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
    EXPECT_EQ(Quantas("FosdalGravaArquivo"), 0);
}

TEST_F(SequenciaConfirma, ValorVazioRecusadoDeixaCorrigirEConfirmarDeNovo) {
    Cenario(R"([fields]
"10107" = "0"
)");
    Roteiro(
        "click btConfirma\nanswer ok\n"
        "expect focus edValor\nexpect enabled btConfirma\n"
        "type 250\nclick btConfirma\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Quantas("AutorizaTransacao"), 1);
    const auto box = Cliente().GetJournal().OfType("box");
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].value("flags", 0u), forms::MB_TOPMOST);
    EXPECT_EQ(box[0].value("caption", ""), "Zentravela - v1.0.0.1");
}

// Clicks again, directly and through the queue, from inside the running
// sequence, and from the screen's step before the lock.
class TFrmReentrante : public TFrmTeste_Trn {
public:
    bool PreparaConfirmacao() override {
        btConfirmaClick(*btConfirma);
        return true;
    }
    bool GravaCamposFosdal() override {
        btConfirmaClick(*btConfirma);
        forms::Application::Instance().PostClick("btConfirma");
        forms::Application::Instance().PostKey(forms::VK_RETURN);
        forms::Application::Instance().ProcessMessages();
        return TFrmTeste_Trn::GravaCamposFosdal();
    }
};

TEST_F(SequenciaConfirma, SegundoCliqueDuranteASequenciaEIgnorado) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
)");
    int r = 0;
    Mostra<TFrmReentrante>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Chamadas(PASSOS), SEQUENCIA_COMPLETA);
}

TEST_F(SequenciaConfirma, TelaSemNadaACapturarConfirmaSozinhaUmaVez) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
)");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Quantas("AutorizaTransacao"), 1);
    EXPECT_FALSE(tela.TClique->Enabled());
    // The host's amount went back unchanged in its digit form.
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_TRANSACAO), "150000");
    EXPECT_FALSE(tela.edValor->Enabled());
}

// 102,400 digits: far more than a text read holds, so never written back cut.
TEST_F(SequenciaConfirma, ValorDoHostMaiorQueALeituraFicaComoOHostDeu) {
    const std::string valor(102400, '1');
    Cenario("[fields]\n\"10107\" = \"0\"\n\"1003\" = \"" + valor + "\"\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_TRANSACAO), valor);
    EXPECT_EQ(Quantas("AutorizaTransacao"), 1);
}

TEST_F(SequenciaConfirma, TelaComValorEditavelNaoConfirmaSozinha) {
    Cenario(R"([fields]
"10107" = "0"
)");
    Roteiro("wait 50\nexpect focus edValor\nclick btRetorna\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
    EXPECT_EQ(Quantas("GravaCampoString") , 1);  // only field 10265 at start
}

TEST_F(SequenciaConfirma, AdviceMarcaO10264EnquantoAutoriza) {
    Cenario(R"([fields]
"10107" = "0"
"1003" = "150000"
[card]
advice = true
)");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    const Lista c = Chamadas({"VerificaProcessamentoCartao", "VerificaObtemDadosCartao", "GravaCampoString",
                              "AutorizaTransacao", "FosdalLimpaCampo"});
    // Inside the card processing: chip data, the screen's fields, 10264 set, authorisation, 10264 cleared.
    const Lista esperado = {"VerificaObtemDadosCartao", "GravaCampoString(1003)", "GravaCampoString(10264)",
                            "AutorizaTransacao", "FosdalLimpaCampo(10264)"};
    auto inicio = std::search(c.begin(), c.end(), esperado.begin(), esperado.end());
    EXPECT_NE(inicio, c.end());
    EXPECT_EQ(Quantas("AutorizaTransacao"), 2);
    EXPECT_EQ(Campo(zv::CAMPO_ADVICE), "");
}

}  // namespace
}  // namespace zvtest
