// The base screen and the transaction model's own rules outside the confirm
// sequence: creation, PIN prompt, instalment limits, error handler, keys.
#include "AmbienteTelas.h"

#include <cstring>

#include "forms/MaskEdit.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zvtest {
namespace {

using Lista = std::vector<std::string>;

class TelaBase : public AmbienteTelas {};

TEST_F(TelaBase, CriarEDestruirEscrevemVersaoTituloEAuditoria) {
    Cenario("[host]\nbuild_info = \"2.3.4.5\"\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    EXPECT_EQ(zv::VERSAO_DO_MODULO, "2.3.4.5");
    EXPECT_STREQ(zv::TITULO_APLICACAO, "Zentravela - v2.3.4.5");
    EXPECT_EQ(tela.lbVersao->Caption(), "Zentravela - v2.3.4.5");
    EXPECT_TRUE(tela.ExStyle() & forms::WS_EX_TOOLWINDOW);
    EXPECT_TRUE(tela.ExStyle() & forms::WS_EX_TOPMOST);
    EXPECT_EQ(tela.OwnerWindow(), zv::ModeloZentravela::JANELA_DESKTOP);
    Libera();
    EXPECT_EQ(Cliente().AuditLines(), (Lista{"Criou: FrmTeste_Trn", "Destruiu: FrmTeste_Trn"}));
}

TEST_F(TelaBase, MostrarFixaOTamanhoETrazAJanelaDoHostParaFrente) {
    Cenario("[fields]\n\"10107\" = \"0\"\n");
    Roteiro("click btRetorna\n");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_EQ(tela.Width(), 622);
    EXPECT_EQ(tela.Height(), 422);
    EXPECT_EQ(Quantas("ColocaJanelaEmPrimeiroPlano"), 1);
    EXPECT_EQ(Quantas("FosdalGravaArquivo"), 0);  // returning writes nothing
}

TEST_F(TelaBase, SemCapturaDeSenhaNaoChamaOPinpadMasReescreveO10134) {
    Cenario("[fields]\n\"10134\" = \"22\"\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    tela.bCapturaSenha = false;
    EXPECT_TRUE(tela.VerificaCapturaSenha());
    EXPECT_EQ(Quantas("LerSenha"), 0);
    EXPECT_EQ(Campo(zv::CAMPO_MODO_ENTRADA), "1");
}

TEST_F(TelaBase, PromptDoPinpadCortadoEm128) {
    auto& tela = Cria<TFrmTeste_Trn>();
    tela.bCapturaSenha = true;
    tela.lbTitulo->SetCaption(std::string(150, 'T'));
    EXPECT_TRUE(tela.VerificaCapturaSenha());
    const auto chamadas = Cliente().Calls("LerSenha");
    ASSERT_EQ(chamadas.size(), 1u);
    EXPECT_EQ(chamadas[0]["args"].back().get<std::string>(), std::string(128, 'T'));
}

TEST_F(TelaBase, LimiteDeParcelasComCamposVazios) {
    auto& tela = Cria<TFrmTeste_Trn>();
    auto& parcelas = tela.Add<forms::Edit>("edParcelas", tela.pnCaptura);
    const std::string abaixo = CatalogoCp1252(zv::MSG_PARCELAS_ABAIXO_MINIMO, {"2", "99"});
    const std::string acima = CatalogoCp1252(zv::MSG_PARCELAS_ACIMA_MAXIMO);
    struct Caso {
        const char* texto;
        bool aceito;
        const std::string* mensagem;
    };
    const Caso casos[] = {{"1", false, &abaixo}, {"2", true, nullptr},     {"99", true, nullptr},
                          {"100", false, &acima}, {"   ", false, &abaixo}, {"-3", false, &abaixo},
                          {"abc", false, &abaixo}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        Cliente().ClearJournal();
        if (!c.aceito) Roteiro("answer ok\n");
        tela.pnCaptura->SetEnabled(false);
        parcelas.SetText(c.texto);
        EXPECT_EQ(tela.ValidaLimiteParcela(parcelas, *tela.pnCaptura, *tela.btConfirma, 0), c.aceito);
        EXPECT_EQ(CaixasCp1252(), c.aceito ? Lista{} : Lista{*c.mensagem});
        EXPECT_EQ(tela.pnCaptura->Enabled(), !c.aceito);
    }
    for (const auto& box : Cliente().GetJournal().OfType("box"))
        EXPECT_EQ(box.value("flags", 0u), forms::MB_TOPMOST);
}

TEST_F(TelaBase, LimiteDeParcelasComMinimoZeroEMaximoDado) {
    Cenario("[fields]\n\"10118\" = \"0\"\n\"10119\" = \"12\"\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    auto& parcelas = tela.Add<forms::Edit>("edParcelas", tela.pnCaptura);
    Roteiro("answer ok\nanswer ok\n");
    parcelas.SetText("1");
    EXPECT_FALSE(tela.ValidaLimiteParcela(parcelas, *tela.pnCaptura, *tela.btConfirma, 0));
    parcelas.SetText("13");
    EXPECT_FALSE(tela.ValidaLimiteParcela(parcelas, *tela.pnCaptura, *tela.btConfirma, 0));
    EXPECT_TRUE(tela.ValidaLimiteParcela(parcelas, *tela.pnCaptura, *tela.btConfirma, 20));
    EXPECT_EQ(CaixasCp1252(), (Lista{CatalogoCp1252(zv::MSG_PARCELAS_ABAIXO_MINIMO, {"2", "12"}),
                               CatalogoCp1252(zv::MSG_PARCELAS_ACIMA_MAXIMO)}));
}

TEST_F(TelaBase, ErroDeMascaraLimpaSoAMascaraAtiva) {
    auto& tela = Cria<TFrmTeste_Trn>();
    auto& data = tela.Add<forms::MaskEdit>("edData", tela.pnCaptura);
    data.SetTabStop(true);
    data.SetEditMask("99/99/9999;1;_");
    data.SetText("12/05/2024");
    tela.SetActiveControl(&data);
    const auto& handler = forms::Application::Instance().OnException();
    ASSERT_TRUE(handler);

    handler(std::make_exception_ptr(std::runtime_error("outro")), "outro erro");
    EXPECT_EQ(data.Text(), "12/05/2024");
    handler(std::make_exception_ptr(forms::MaskError()), forms::kInvalidInputMessage);
    EXPECT_EQ(data.Text(), "  /  /    ");
    EXPECT_TRUE(CaixasCp1252().empty());
    EXPECT_EQ(Cliente().AuditLines().size(), 1u);  // only the creation line
}

TEST_F(TelaBase, HandlerDeErroSobreviveATelaQueOInstalou) {
    Cria<TFrmTeste_Trn>();
    Libera();
    const auto& handler = forms::Application::Instance().OnException();
    ASSERT_TRUE(handler);
    handler(std::make_exception_ptr(forms::MaskError()), forms::kInvalidInputMessage);  // no screen left: no harm
}

// ---- The model's amount entry and keys ----

class EntradaValor : public AmbienteTelas {};

TEST_F(EntradaValor, SoDigitosESeparadorUnico) {
    auto& tela = Cria<TFrmTeste_Trn>();
    auto tecla = [&](char k) { return tela.edValor->Accepted(k, true); };
    EXPECT_EQ(tecla('a'), 0);
    EXPECT_EQ(tecla('-'), 0);
    EXPECT_EQ(tecla('7'), '7');
    EXPECT_EQ(tecla(forms::VK_BACK), forms::VK_BACK);
    tela.edValor->OnChange = nullptr;  // the text as typed, not reformatted
    tela.edValor->SetText("12");
    EXPECT_EQ(tecla('.'), ',');
    EXPECT_EQ(tecla(','), ',');
    tela.edValor->SetText("12,5");
    EXPECT_EQ(tecla(','), 0);
    EXPECT_EQ(tecla('.'), 0);
    forms::Settings().decimalSeparator = '.';
    tela.edValor->SetText("12.5");
    EXPECT_EQ(tecla(','), 0);
    tela.edValor->SetText("125");
    EXPECT_EQ(tecla(','), '.');
}

TEST_F(EntradaValor, ValorDigitadoMostraAFormaDeExibicaoEGravaOsDigitos) {
    Cenario("[fields]\n\"10107\" = \"1\"\n");
    Roteiro("type 123456\nclick btConfirma\n");
    int r = 0;
    auto& tela = Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(tela.edValor->Text(), zv::host::Dollar("123456"));
    EXPECT_EQ(Campo(zv::CAMPO_VALOR_TRANSACAO), "123456");
}

TEST_F(EntradaValor, ValorApagadoComBackspaceDeixaACaixaVaziaERecusada) {
    Cenario("[fields]\n\"10107\" = \"0\"\n");
    Roteiro("type 105\nexpect text edValor 1,05\nkey Backspace\nkey Backspace\nexpect text edValor 0,01\n"
            "key Backspace\nexpect text edValor \nclick btConfirma\nanswer ok\nexpect focus edValor\n"
            "type 0\nexpect text edValor 0,00\nkey Backspace\nexpect text edValor \nclick btRetorna\n");
    int r = 0;
    Mostra<TFrmTeste_Trn>(r);
    EXPECT_EQ(r, forms::mrCancel);
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_PROMPT_VALOR)});
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
}

TEST_F(EntradaValor, IniciaCamposFormPreparaOInicioDaTransacao) {
    Cenario("[fields]\n\"1003\" = \"990\"\n[host]\npermite_alterar_dados = false\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    std::memset(zv::TrnModeloZentravela::caLitros, 'x', zv::TrnModeloZentravela::CA_LITROS_SIZE);
    tela.btConfirma->SetEnabled(false);
    tela.IniciaCamposForm();
    EXPECT_TRUE(tela.btConfirma->Enabled());
    EXPECT_FALSE(tela.Confirmacao.Ocupada());
    EXPECT_FALSE(tela.bPermiteAlterarDados);
    EXPECT_FALSE(tela.bSemValor);
    EXPECT_TRUE(tela.bCapturaSenha);
    EXPECT_EQ(tela.lbMensagem->Caption(), "");
    EXPECT_EQ(tela.btConfirma->Caption(), CatalogoCp1252(zv::MSG_BOTAO_CONFIRMA));
    EXPECT_EQ(Campo(zv::CAMPO_INICIO_TRANSACAO), "000");
    EXPECT_FALSE(tela.edValor->Enabled());
    EXPECT_EQ(zv::host::RemoveFormato(tela.edValor->Text()), "990");
    for (char c : zv::TrnModeloZentravela::caLitros) EXPECT_EQ(c, 0);
    EXPECT_TRUE(tela.ValidaCamposForm());  // a locked amount passes
}

TEST_F(EntradaValor, SemValorNaoValidaNemGravaOValor) {
    auto& tela = Cria<TFrmTeste_Trn>();
    tela.IniciaCamposForm();
    tela.bSemValor = true;
    EXPECT_TRUE(tela.ValidaCamposForm());
    EXPECT_TRUE(tela.GravaCamposFosdal());
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_VALOR_TRANSACAO));
    EXPECT_EQ(Quantas("VerificaGravaCampoTratamentoEspecialPagamentoCarne"), 1);
}

TEST_F(EntradaValor, DadosAdicionaisEDesabilitaProcessaCartao) {
    Cenario("[service]\ntags = { \"DADOSADIC:\" = \"1\" }\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    EXPECT_TRUE(tela.VerificaSeCapturaDadosAdicionais());
    EXPECT_EQ(Campo(zv::CAMPO_DADOS_ADICIONAIS), "1");
    Cliente().Service().tags.clear();
    EXPECT_FALSE(tela.VerificaSeCapturaDadosAdicionais());
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_DADOS_ADICIONAIS));
    EXPECT_TRUE(tela.DesabilitaProcessaCartao());
    EXPECT_EQ(Campo(zv::CAMPO_PROCESSA_CARTAO), "0");
}

}  // namespace
}  // namespace zvtest
