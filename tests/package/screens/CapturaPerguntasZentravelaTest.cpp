// The dynamic questions screen, the questions step and the fuel-control fields.
#include "AmbienteTelas.h"

#include <cstring>

#include "cp1252/Cp1252.h"
#include "host/Catalogo.h"

namespace zvtest {
namespace {

using Lista = std::vector<std::string>;

struct Pergunta {
    const char* id;
    const char* texto;
    int32_t tipo;
    int32_t minimo;
    int32_t maximo;
};

// The tables as a parse of the host's service data leaves them.
void DefinePerguntas(const std::vector<Pergunta>& perguntas) {
    std::memset(&zv::PerguntasGenerica, 0, sizeof zv::PerguntasGenerica);
    for (size_t i = 0; i < perguntas.size(); ++i) {
        auto& e = zv::PerguntasGenerica.Itens[i];
        std::strncpy(e.Id, perguntas[i].id, sizeof e.Id);
        std::strncpy(e.Pergunta, perguntas[i].texto, sizeof e.Pergunta - 1);
        e.Tipo = perguntas[i].tipo;
        e.TamanhoMinimo = perguntas[i].minimo;
        e.TamanhoMaximo = perguntas[i].maximo;
    }
    zv::RespostasPerguntas.Lista1.assign(perguntas.size(), {});
}

// Field 10278 cut into its items (each ends with a zero byte).
Lista Itens(const std::string& bytes) {
    Lista r;
    size_t inicio = 0;
    for (size_t fim; (fim = bytes.find('\0', inicio)) != std::string::npos; inicio = fim + 1)
        r.push_back(bytes.substr(inicio, fim - inicio));
    EXPECT_EQ(inicio, bytes.size()) << "bytes after the last item";
    return r;
}

class CapturaPerguntas : public AmbienteTelas {};

TEST_F(CapturaPerguntas, SetePerguntasMostramCincoEGravamSeteItens) {
    DefinePerguntas({{"01", "Nome", 10000, 0, 10},
                     {"02", "Codigo", 10101, 0, 4},
                     {"03", "Placa", 10002, 0, 7},
                     {"04", "Confirma", 10004, 0, 1},
                     {"05", "Km", 10001, 0, 6},
                     {"06", "Sexta", 10100, 0, 5},
                     {"07", "Setima", 10000, 0, 5}});
    Roteiro("type ana\nkey Enter\ntype 1234\nkey Enter\nkey Enter\ntype s\nkey Enter\ntype 77\nclick btConfirma\n");
    int r = 0;
    auto& tela = Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(zv::PerguntasGenerica.Count, 7);
    for (int i = 0; i < zv::TFrmCap_Perg::MAX_EDITS; ++i) {
        EXPECT_EQ(tela.edPergunta[i]->Visible(), i < 5) << i;
        EXPECT_EQ(tela.lbPergunta[i]->Visible(), i < 5) << i;
    }
    EXPECT_EQ(tela.lbPergunta[1]->Caption(), "Codigo");
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)),
              (Lista{"PERG:01,ANA,10000;", "PERG:02,1234,10101;", "PERG:03,,10002;", "PERG:04,S,10004;",
                     "PERG:05,77,10001;", "PERG:06,,10100;", "PERG:07,,10000;"}));
    const auto gravacao = Cliente().Calls("FosdalGravaCampo");
    ASSERT_EQ(gravacao.size(), 1u);
    EXPECT_EQ(gravacao[0]["args"][3].get<int>(), static_cast<int>(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS).size()));
}

TEST_F(CapturaPerguntas, DataCurtaFalhaCom787EComMinimoOitoCom1186) {
    const std::string data = CatalogoCp1252(zv::MSG_DATA_INVALIDA);
    const std::string curta = CatalogoCp1252(zv::MSG_RESPOSTA_CURTA, {"Nascimento", "8"});
    for (int minimo : {0, 8}) {
        SCOPED_TRACE(minimo);
        Cliente().ClearJournal();
        DefinePerguntas({{"01", "Nascimento", 10303, minimo, 10}});
        Roteiro("type 120520\nclick btConfirma\nanswer ok\nexpect focus edPergunta1\nclick btRetorna\n");
        int r = 0;
        auto& tela = Mostra<zv::TFrmCap_Perg>(r);
        EXPECT_EQ(r, forms::mrCancel);
        EXPECT_EQ(CaixasCp1252(), Lista{minimo == 0 ? data : curta});
        EXPECT_TRUE(tela.pnCaptura->Enabled());
        EXPECT_FALSE(Cliente().HasField(zv::CAMPO_RESPOSTAS_PERGUNTAS));
        Libera();
    }
}

TEST_F(CapturaPerguntas, DataCompletaValidaPassa) {
    DefinePerguntas({{"01", "Nascimento", 10303, 8, 10}});
    Roteiro("type 12052024\nclick btConfirma\n");
    int r = 0;
    Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_TRUE(CaixasCp1252().empty());
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)),
              Lista{"PERG:01,12052024,10303;"});
}

TEST_F(CapturaPerguntas, TipoForaDaFaixaSemMascaraMasComDataVerificada) {
    DefinePerguntas({{"01", "Dia", 3, 0, 10}, {"02", "Livre", 3, 0, 10}});
    Roteiro("type 1/1\nclick btConfirma\nanswer ok\nclick btRetorna\n");
    int r = 0;
    auto& tela = Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_FALSE(tela.edPergunta[0]->HasMask());
    EXPECT_FALSE(zv::CapturaPerguntasZentravela::RespostaObrigatoria(3));
    EXPECT_EQ(CaixasCp1252(), Lista{CatalogoCp1252(zv::MSG_DATA_INVALIDA)});  // the empty second one passed
}

TEST_F(CapturaPerguntas, ObrigatoriaVaziaFalhaMesmoSemMinimo) {
    DefinePerguntas({{"01", "Codigo", 10101, 0, 4}, {"02", "Opcional", 10001, 0, 4}});
    Roteiro("click btConfirma\nanswer ok\nexpect focus edPergunta1\ntype 5\nclick btConfirma\n");
    int r = 0;
    Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(CaixasCp1252(), Lista{CatalogoCp1252(zv::MSG_RESPOSTA_CURTA, {"Codigo", "1"})});
    const auto box = Cliente().GetJournal().OfType("box");
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].value("flags", 0u), forms::MB_TOPMOST);
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)), (Lista{"PERG:01,5,10101;", "PERG:02,,10001;"}));
}

TEST_F(CapturaPerguntas, RespostasDeTodoTipoChegamComoDigitadas) {
    DefinePerguntas({{"01", "Nome", 10100, 0, 20},
                     {"02", "Placa", 10102, 0, 7},
                     {"03", "Confirma", 10104, 0, 1},
                     {"04", "Nascimento", 10103, 0, 10},
                     {"05", "Valor", 10105, 0, 13}});
    Roteiro("type joao da silva\nkey Enter\ntype ab1c234\nkey Enter\ntype s\nkey Enter\n"
            "type 12052024\nkey Enter\ntype 150\nclick btConfirma\n");
    int r = 0;
    Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_TRUE(CaixasCp1252().empty());  // the required yes/no question is answered
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)),
              (Lista{"PERG:01,JOAO DA SILVA,10100;", "PERG:02,AB1C234,10102;", "PERG:03,S,10104;",
                     "PERG:04,12052024,10103;", "PERG:05,150,10105;"}));
}

// The list's separators typed into an answer are left out of it: one item per
// question, its own; an answer of separators alone is no answer.
TEST_F(CapturaPerguntas, UmaRespostaNaoAcrescentaNemMudaItens) {
    DefinePerguntas({{"01", "Livre", 10000, 0, 20}, {"02", "Outra", 10000, 0, 20}, {"03", "Exigida", 10100, 0, 20}});
    Roteiro("type x;PERG:09\nkey Enter\ntype pe,pe;rg:rg:7\nkey Enter\ntype ;perg:;\nclick btConfirma\nanswer ok\n"
            "type b\nclick btConfirma\n");
    int r = 0;
    Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(CaixasCp1252(), Lista{CatalogoCp1252(zv::MSG_RESPOSTA_CURTA, {"Exigida", "1"})});
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)),
              (Lista{"PERG:01,X09,10000;", "PERG:02,7,10000;", "PERG:03,B,10100;"}));
}

TEST_F(CapturaPerguntas, ObrigatoriaVaziaRecusadaEmTodoTipo) {
    for (int32_t tipo : {10100, 10101, 10102, 10103, 10104, 10105}) {
        SCOPED_TRACE(tipo);
        Cliente().ClearJournal();
        DefinePerguntas({{"01", "Pergunta", tipo, 0, 10}});
        Roteiro("click btConfirma\nanswer ok\nexpect focus edPergunta1\nclick btRetorna\n");
        int r = 0;
        Mostra<zv::TFrmCap_Perg>(r);
        EXPECT_EQ(r, forms::mrCancel);
        EXPECT_EQ(CaixasCp1252(), Lista{CatalogoCp1252(zv::MSG_RESPOSTA_CURTA, {"Pergunta", "1"})});
        Libera();
    }
}

TEST_F(CapturaPerguntas, SimOuNaoAceitaSoSeN) {
    DefinePerguntas({{"01", "Confirma", 10104, 0, 1}});
    const std::string prompt = cp1252::Cp1252ToUtf8(CatalogoCp1252(zv::MSG_PROMPT_PERGUNTA, {"Confirma"}) +
                                                   " " + CatalogoCp1252(zv::MSG_SIM_NAO));
    Roteiro("expect text lbMensagem " + prompt +
            "\ntype x\nkey Backspace\nexpect text edPergunta1 _\ntype n\nexpect text edPergunta1 N\nclick btConfirma\n");
    int r = 0;
    auto& tela = Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_EQ(tela.edPergunta[0]->Text(), "N");
}

TEST_F(CapturaPerguntas, SemPerguntasInformaOPdvEFechaComOk) {
    DefinePerguntas({});
    Roteiro("click btConfirma\n");
    int r = 0;
    Mostra<zv::TFrmCap_Perg>(r);
    EXPECT_EQ(r, forms::mrOk);
    const auto& erros = Cliente().ErrorReports();
    ASSERT_EQ(erros.size(), 1u);
    EXPECT_EQ(erros[0].code, 255);
    EXPECT_EQ(erros[0].text, CatalogoCp1252(zv::MSG_SEM_PERGUNTAS));
}

TEST_F(CapturaPerguntas, ListaQueNaoCabeNoBufferNaoEGravadaCortada) {
    std::vector<Pergunta> p;
    for (const char* id : {"01", "02", "03"}) p.push_back({id, "Texto", 10000, 0, 1500});
    DefinePerguntas(p);
    auto& tela = Cria<zv::TFrmCap_Perg>();
    for (int i = 0; i < 3; ++i) tela.edPergunta[i]->SetText(std::string(1500, '7'));
    EXPECT_FALSE(tela.GravaRespostasPerguntasDinamicas());
    EXPECT_EQ(tela.ModalResult(), forms::mrOk);
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_RESPOSTAS_PERGUNTAS));
    ASSERT_EQ(Cliente().ErrorReports().size(), 1u);
    EXPECT_EQ(Cliente().ErrorReports()[0].text, CatalogoCp1252(zv::MSG_ERRO_GRAVAR_RESPOSTAS));
}

TEST_F(CapturaPerguntas, ListaDeExatamente4096BytesEGravadaUmByteAMaisNao) {
    // "PERG:01," before the answer, ",10000;" and the zero byte after it: 16 bytes.
    for (const auto& [resposta, gravada] : {std::pair{4080, true}, std::pair{4081, false}}) {
        SCOPED_TRACE(resposta);
        Cliente().Reset();
        DefinePerguntas({{"01", "Texto", 10000, 0, 4096}});
        auto& tela = Cria<zv::TFrmCap_Perg>();
        tela.edPergunta[0]->SetText(std::string(static_cast<size_t>(resposta), '7'));
        EXPECT_EQ(tela.GravaRespostasPerguntasDinamicas(), gravada);
        EXPECT_EQ(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS).size(), gravada ? 4096u : 0u);
        EXPECT_EQ(Cliente().ErrorReports().size(), gravada ? 0u : 1u);
        Libera();
    }
}

TEST_F(CapturaPerguntas, FormataMascaraPorTipo) {
    auto& tela = Cria<zv::TFrmCap_Perg>();
    forms::MaskEdit& e = *tela.edPergunta[0];
    struct Caso {
        int32_t tipo;
        int maximo;
        const char* mascara;
        long tag;
        char senha;
    };
    const Caso casos[] = {{10101, 11, "99999999999;1;_", 1, 0}, {11002, 3, "aaa;1;_", 0, '*'},
                          {10303, 10, "99/99/9999;1;_", 3, 0},  {10004, 1, "l;1;_", 0, 0},
                          {19905, 0, "9999999999.99;1;_", 9, 0}, {10000, 5, "", 0, 0},
                          {10050, 5, "", 0, 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        e.SetEditMask("0;1;_");
        e.SetMaxLength(c.maximo);
        zv::CapturaPerguntasZentravela::FormataMascara(c.tipo, e);
        EXPECT_EQ(e.EditMask(), c.mascara);
        EXPECT_EQ(zv::CapturaPerguntasZentravela::RespostaObrigatoria(c.tipo), c.tag != 0);
        EXPECT_EQ(e.PasswordChar(), c.senha);
    }
    // Outside the range nothing changes.
    e.SetEditMask("0;1;_");
    zv::CapturaPerguntasZentravela::FormataMascara(20101, e);
    EXPECT_EQ(e.EditMask(), "0;1;_");
    EXPECT_FALSE(zv::CapturaPerguntasZentravela::RespostaObrigatoria(20101));
}

// ---- The questions step of the transaction model ----

class PassoPerguntas : public AmbienteTelas {};

TEST_F(PassoPerguntas, ModosQuePulamAsPerguntasNaoMexemNoCombustivel) {
    struct Caso {
        const char* modo;
        const char* mantem;
        const char* status;
    };
    for (const Caso& c : {Caso{"1", "", "0"}, Caso{"4", "", "7"}}) {
        SCOPED_TRACE(c.modo);
        Cenario(std::string("[fields]\n\"10218\" = \"") + c.modo + "\"\n\"10399\" = \"" + c.mantem +
                "\"\n\"10107\" = \"" + c.status + "\"\n\"1223\" = \"1200\"\n\"20115\" = \"1\"\n" +
                "[occurrences]\n\"20005\" = [\"PERG:01,Nome,10000,0,5;\"]\n[service]\ntags = { \"PERG:\" = \"1\" }\n");
        auto& tela = Cria<TFrmTeste_Trn>();
        EXPECT_TRUE(tela.VerificaTrataCamposPerguntas());
        EXPECT_EQ(Campo(zv::CAMPO_FUEL_KM), "1200");
        EXPECT_EQ(Quantas("FosdalLeCampoMaxLen"), 0);
        EXPECT_EQ(Quantas("VerificaServico5"), 0);
        Libera();
    }
}

TEST_F(PassoPerguntas, Modo1ComMantemPerguntasMostraAsPerguntas) {
    CenarioComPerguntas("\"10218\" = \"1\"\n\"10399\" = \"1\"\n", "PERG:01,Nome,10000,0,5;");
    Roteiro("expect screen FrmCap_Perg\ntype abc\nclick btConfirma\n");
    auto& tela = Cria<TFrmTeste_Trn>();
    EXPECT_TRUE(tela.VerificaTrataCamposPerguntas());
    EXPECT_EQ(Itens(Campo(zv::CAMPO_RESPOSTAS_PERGUNTAS)), Lista{"PERG:01,ABC,10000;"});
    EXPECT_EQ(zv::CapturaPerguntasZentravela::FrmCap_Perg, nullptr);
}

TEST_F(PassoPerguntas, PergSemItensNaoMostraATela) {
    Cenario(R"([fields]
"1223" = "1200"
[service]
tags = { "PERG:" = "1" }
)");
    auto& tela = Cria<TFrmTeste_Trn>();
    EXPECT_TRUE(tela.VerificaTrataCamposPerguntas());
    for (const auto& linha : Cliente().JournalLines())
        EXPECT_NE(linha.value("name", ""), "FrmCap_Perg");
    EXPECT_EQ(Campo(zv::CAMPO_FUEL_KM), "1200");  // fuel fields are tidied only without "PERG:"
}

TEST_F(PassoPerguntas, CombustivelMantemSoOQueOHostPediu) {
    Cenario(R"([fields]
"1223" = "1200"
"1226" = "M1"
"1228" = "ABC1234"
"1225" = "45"
"1224" = ""
[service]
tags = { "KM:" = "1", "LITR:" = "1" }
)");
    zv::TrnModeloZentravela::TrataCamposFuelControl();
    EXPECT_EQ(Campo(zv::CAMPO_FUEL_KM), "1200");
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_FUEL_MATRICULA));
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_FUEL_PLACA));
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_FUEL_LITROS_1));  // 1224 empty: both go
    EXPECT_STREQ(zv::TrnModeloZentravela::caLitros, "");
}

TEST_F(PassoPerguntas, LitrosCortadosSemPassarDe21Bytes) {
    struct Caso {
        const char* litros;
        const char* valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {"45", "12345", "LITR:45,12345"},
        {"1234567", "12345678", "LITR:1234567,123456"},     // 21 characters: cut as a longer text
        {"123456", "12345678", "LITR:123456,12345678"},     // 20 characters fit
        {"1234567890", "123456789012345678", "LITR:1234567890,123"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado);
        Cenario(std::string("[fields]\n\"1225\" = \"") + c.litros + "\"\n\"1224\" = \"" + c.valor +
                "\"\n[service]\ntags = { \"LITR:\" = \"1\", \"KM:\" = \"1\", \"MATR:\" = \"1\", \"PLACA:\" = \"1\" }\n");
        std::memset(zv::TrnModeloZentravela::caLitros, 'x', zv::TrnModeloZentravela::CA_LITROS_SIZE);
        zv::TrnModeloZentravela::TrataCamposFuelControl();
        EXPECT_EQ(zv::TrnModeloZentravela::caLitros[zv::TrnModeloZentravela::CA_LITROS_SIZE - 1], 0);
        EXPECT_STREQ(zv::TrnModeloZentravela::caLitros, c.esperado);
        EXPECT_EQ(Campo(zv::CAMPO_FUEL_LITROS_1), c.litros);
    }
}

TEST_F(PassoPerguntas, LitrosUsamOValorSemFormatacao) {
    Cenario(R"([fields]
"1225" = "45"
"1224" = "1.234,56"
[service]
tags = { "LITR:" = "1" }
)");
    zv::TrnModeloZentravela::TrataCamposFuelControl();
    EXPECT_EQ(std::string(zv::TrnModeloZentravela::caLitros), "LITR:45,123456");
}

}  // namespace
}  // namespace zvtest
