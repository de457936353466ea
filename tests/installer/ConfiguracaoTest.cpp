#include <gtest/gtest.h>

#include "Configuracao.h"
#include "Dobles.h"
#include "Textos.h"

using namespace instala;
using namespace instalatest;

namespace {

TEST(ObtemParametro, FindsOnlyWholeItemsAndStopsAtTheSeparator) {
    EXPECT_EQ(ObtemParametro("Empresa=AB12CD34;Terminal=XY000123", "Terminal="), "XY000123");
    EXPECT_EQ(ObtemParametro("Empresa=AB12CD34;Terminal=XY000123", "Empresa="), "AB12CD34");
    EXPECT_EQ(ObtemParametro("XEmpresa=AB12CD34", "Empresa="), "");
    EXPECT_EQ(ObtemParametro("XEmpresa=1;Empresa=2", "Empresa="), "2");
    EXPECT_EQ(ObtemParametro("Empresa=;Terminal=X", "Empresa="), "");
    EXPECT_EQ(ObtemParametro("IPVorix1=a=b;c", "IPVorix1="), "a=b");
    EXPECT_EQ(ObtemParametro("empresa=1", "Empresa="), "");
    EXPECT_EQ(ObtemParametro("", "Empresa="), "");
    EXPECT_EQ(ObtemParametro("Empresa= x ;", "Empresa="), " x ");
}

// The classes, written out code by code as they are documented.
std::vector<int> Codigos(std::initializer_list<std::pair<int, int>> faixas) {
    std::vector<int> out;
    for (auto [de, ate] : faixas) {
        for (int c = de; c <= ate; ++c) out.push_back(c);
    }
    return out;
}

TEST(ValidaCaracteres, EveryClassHoldsExactlyItsCp1252Codes) {
    const std::map<ClasseCaracteres, std::vector<int>> classes = {
        {ClasseCaracteres::Digitos, Codigos({{48, 57}})},
        {ClasseCaracteres::Alfanumerico, Codigos({{48, 57}, {65, 122}})},
        {ClasseCaracteres::Endereco, Codigos({{33, 33}, {35, 59}, {61, 61}, {63, 122}, {126, 126}})},
        {ClasseCaracteres::NomeArquivo, Codigos({{33, 33}, {35, 41}, {43, 44}, {46, 46}, {48, 57}, {61, 61},
                                                 {64, 123}, {125, 126}, {145, 145}, {150, 150}})},
        {ClasseCaracteres::NomePasta, Codigos({{33, 33}, {35, 41}, {43, 44}, {46, 58}, {61, 61}, {64, 123},
                                               {125, 126}, {145, 145}, {150, 150}})},
        {ClasseCaracteres::TextoExibicao, Codigos({{32, 126}})},
    };
    for (const auto& [classe, codigos] : classes) {
        for (int c = 0; c < 256; ++c) {
            const bool esperado = std::find(codigos.begin(), codigos.end(), c) != codigos.end();
            EXPECT_EQ(ValidaCaracteres(std::string(1, static_cast<char>(c)), classe), esperado)
                << "classe " << static_cast<int>(classe) << " codigo " << c;
        }
        EXPECT_TRUE(ValidaCaracteres("", classe));
    }
    EXPECT_FALSE(ValidaCaracteres("12a", ClasseCaracteres::Digitos));
}

class Configuracao : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(sistema.Map().ToLocal("C:\\Client")); }
    ResultadoAplicacao Aplica(const std::string& config) {
        ConversaoConfiguracao c(sistema, operador, "C:\\Client");
        return c.AplicaParametrosConfiguracao(config);
    }
    std::string ClienteIni() { return sistema.Le("C:\\Client\\Cliente.ini"); }
    std::string Trn() { return sistema.Le("C:\\Client\\ClienteTrn.ini"); }

    PastaTemporaria raiz;
    SistemaTeste sistema{raiz.Caminho()};
    OperadorTeste operador;
};

TEST_F(Configuracao, ValidItemsAreWrittenInTableOrder) {
    sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nVersao=1\r\n");
    EXPECT_EQ(Aplica("Terminal=XY000899;CBVivo=1x;Empresa=AB_CD^12;PortaPinpad=AUTO_USB;IPVorix2=[LIMPA_IP];"
                     "MensagemPadraoPinpad=0123456789ABCDEF;PermiteCreditoDigitado=0;"
                     "CreditoHabilitaRoteamentoParcelas=1;ExtensArqIntPos=001;NomeArqIntPos=IntPos;"
                     "DirLeitIntPos=C:/Req;DirGravIntPos=C:/Resp;IPVorix1=10.0.0.1:443"),
              ResultadoAplicacao::Aplicada);
    EXPECT_TRUE(operador.caixas.empty());
    EXPECT_EQ(ClienteIni(),
              "[ClientVorix]\r\nVersao=1\r\nEmpresa=AB_CD^12\r\nTerminal=XY000899\r\nPortaPin=AUTO_USB\r\n"
              "TipoPIN=Pinpad EMV\r\nEnd_TCP=10.0.0.1:443\r\nEnd_TCP2=\r\nle=C:/Req\r\ngrava=C:/Resp\r\n"
              "nome=IntPos\r\next=001\r\nMensagemPadrao=0123456789ABCDEF\r\n[TODOS]\r\n"
              "PermiteDigitarCartaoCredito=0\r\n[Credito]\r\nHabilitaRoteamentoParcela=1\r\n");
    EXPECT_EQ(Trn(), "[CodigoBarrasVivo]\r\nTrnCredito=1x\r\n");
}

TEST_F(Configuracao, EmptyOrAbsentItemsWriteNothing) {
    EXPECT_EQ(Aplica("XEmpresa=AB12CD34"), ResultadoAplicacao::Aplicada);
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Cliente.ini"));
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClienteTrn.ini"));
    EXPECT_EQ(Aplica("Empresa=;Terminal=XY000123"), ResultadoAplicacao::Aplicada);
    EXPECT_EQ(ClienteIni(), "[ClientVorix]\r\nTerminal=XY000123\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClienteTrn.ini"));
}

struct Recusa {
    std::string config;
    std::string mensagem;  // UTF-8
};

TEST_F(Configuracao, AnInvalidItemShowsItsMessageAndNothingAtAllIsWritten) {
    const std::vector<Recusa> casos = {
        {"Empresa=AB12CD3", "Empresa Invalida"},
        {"Empresa=AB12CD3{", "Empresa Invalida"},
        {"Terminal=XY000900", "Terminal Invalido"},
        {"Terminal=X-000100", "Terminal Invalido"},
        {"Terminal=XY00A100", "Terminal Invalido"},
        {"PortaPinpad=0", "Porta do Pinpad Invalida"},
        {"PortaPinpad=257", "Porta do Pinpad Invalida"},
        {"PortaPinpad=auto_usb", "Porta do Pinpad Invalida"},
        {"IPVorix1=a b", "URL ou IP para o Vorix Único ou Vorix 1 Inválido"},
        {"IPVorix3=<x>", "URL ou IP para o Vorix 3 Inválido"},
        {"DirLeitIntPos=C:\\R<q", "Nome do Diretório de Leitura (Req) Inválido"},
        {"DirGravIntPos=a*b", "Nome do Diretório de Gravação (Resp) Inválido"},
        {"NomeArqIntPos=a/b", "Nome do Arquivo Invalido"},
        {"ExtensArqIntPos=ab", "Extensão de arquivo Invalida"},
        {"ExtensArqIntPos=abcdef", "Extensão de arquivo Invalida"},
        {"MensagemPadraoPinpad=0123456789ABCDEFG", "Mensagem para o pinpad Invalida"},
        {"PermiteCreditoDigitado=2", "Configuração para Crédito Digitado Invalida"},
        {"CBVivo=x1", "Configuração para Código de Barras Vivo Invalida"},
        {"CBVivo=1\r\n[X]", "Configuração para Código de Barras Vivo Invalida"},
        {"Empresa=AB12CD34;Terminal=XY000123;CBVivo=1;CreditoHabilitaRoteamentoParcelas=x",
         "Configuração para Habilitar Roteamento de Parcelas Credito Invalida"},
    };
    sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    for (const auto& caso : casos) {
        operador.caixas.clear();
        EXPECT_EQ(Aplica(caso.config), ResultadoAplicacao::Invalida) << caso.config;
        ASSERT_EQ(operador.caixas.size(), 1u) << caso.config;
        EXPECT_EQ(operador.caixas[0].texto, textos::Latin(caso.mensagem.c_str()));
        EXPECT_EQ(operador.caixas[0].titulo, "Validacao instalacao");
        EXPECT_EQ(operador.caixas[0].flags, 0x40030u);
    }
    EXPECT_EQ(ClienteIni(), "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClienteTrn.ini"));
    EXPECT_EQ(sistema.Chamadas(Operacao::Grava), 0);
    for (const char* porta : {"PortaPinpad=1", "PortaPinpad=256"}) EXPECT_EQ(Aplica(porta), ResultadoAplicacao::Aplicada) << porta;
}

TEST_F(Configuracao, AFailedWriteOfTheSecondFileRestoresTheFirst) {
    sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    sistema.FalhaNa(Operacao::Grava, 3);  // the intent, Cliente.ini, ClienteTrn.ini
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_EQ(c.AplicaParametrosConfiguracao("Empresa=AB12CD34;CBVivo=1"), ResultadoAplicacao::FalhaGravacao);
    EXPECT_EQ(c.UltimaFalha(), "C:\\Client\\ClienteTrn.ini");
    EXPECT_EQ(ClienteIni(), "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClienteTrn.ini"));
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Instala.gravacao"));
}

// A file that cannot be read is not taken for an empty one and replaced by the new keys.
TEST_F(Configuracao, AnUnreadableFileIsLeftAsItIs) {
    sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\nVersao=1\r\n");
    sistema.ilegivel = "C:\\Client\\Cliente.ini";
    EXPECT_EQ(Aplica("Empresa=AB12CD34"), ResultadoAplicacao::FalhaGravacao);
    EXPECT_EQ(ClienteIni(), "[ClientVorix]\r\nEmpresa=ANTIGA\r\nVersao=1\r\n");
}

// The files as tills have them: a byte-order mark keeps its section; a read-only
// file is refused and then neither file changes.
TEST_F(Configuracao, ConfigurationFilesAsTillsHaveThem) {
    sistema.Poe("C:\\Client\\Cliente.ini", "\xEF\xBB\xBF[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    EXPECT_EQ(Aplica("Empresa=AB12CD34"), ResultadoAplicacao::Aplicada);
    EXPECT_EQ(ClienteIni(), "\xEF\xBB\xBF[ClientVorix]\r\nEmpresa=AB12CD34\r\n");

    for (const char* somenteLeitura : {"Cliente.ini", "ClienteTrn.ini"}) {
        sistema.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
        sistema.Poe("C:\\Client\\ClienteTrn.ini", "[CodigoBarrasVivo]\r\nTrnCredito=0\r\n");
        const std::string local = sistema.Map().ToLocal(std::string("C:\\Client\\") + somenteLeitura);
        std::filesystem::permissions(local, std::filesystem::perms::owner_read);
        ConversaoConfiguracao c(sistema, operador, "C:\\Client");
        EXPECT_EQ(c.AplicaParametrosConfiguracao("Empresa=AB12CD34;CBVivo=1"), ResultadoAplicacao::FalhaGravacao);
        EXPECT_EQ(c.UltimaFalha(), std::string("C:\\Client\\") + somenteLeitura);
        EXPECT_EQ(ClienteIni(), "[ClientVorix]\r\nEmpresa=ANTIGA\r\n") << somenteLeitura;
        EXPECT_EQ(Trn(), "[CodigoBarrasVivo]\r\nTrnCredito=0\r\n") << somenteLeitura;
        EXPECT_FALSE(sistema.Existe("C:\\Client\\Instala.gravacao"));
        std::filesystem::permissions(local, std::filesystem::perms::owner_all);
    }
}

TEST_F(Configuracao, CopiaChavesIniNeverCopiesEmptyValues) {
    sistema.Poe("C:\\C\\orig.ini", "[A]\r\nx=1\r\ny=\r\nHabilitado=0\r\n[Vazia]\r\n[B]\r\nz=3\r\n");
    sistema.Poe("C:\\C\\dest.ini", "[A]\r\ny=manter\r\n; nota\r\n");
    ConversaoConfiguracao c(sistema, operador, "C:\\C");
    EXPECT_TRUE(c.CopiaChavesIni("C:\\C\\orig.ini", "C:\\C\\dest.ini", ""));
    EXPECT_EQ(sistema.Le("C:\\C\\dest.ini"), "[A]\r\ny=manter\r\n; nota\r\nx=1\r\nHabilitado=0\r\n[B]\r\nz=3\r\n");
    sistema.Poe("C:\\C\\dest2.ini", "[B]\r\nHabilitado=1\r\n");
    EXPECT_TRUE(c.CopiaChavesIni("C:\\C\\orig.ini", "C:\\C\\dest2.ini", "Habilitado"));
    EXPECT_EQ(sistema.Le("C:\\C\\dest2.ini"), "[B]\r\nHabilitado=1\r\n[A]\r\nHabilitado=0\r\n");
    EXPECT_EQ(sistema.Le("C:\\C\\orig.ini"), "[A]\r\nx=1\r\ny=\r\nHabilitado=0\r\n[Vazia]\r\n[B]\r\nz=3\r\n");
    EXPECT_TRUE(c.CopiaChavesIni("C:\\C\\nada.ini", "C:\\C\\dest3.ini", ""));
    EXPECT_FALSE(sistema.Existe("C:\\C\\dest3.ini"));
}

TEST_F(Configuracao, ConversionCarriesSavedFilesIntoTheNewOnes) {
    sistema.Poe("C:\\Client\\Cheque.ini_Atual", "[Banco1]\r\nHabilitado=1\r\nOutro=9\r\n");
    sistema.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\nOutro=novo\r\n");
    sistema.Poe("C:\\Client\\Cheque.ini_New", "x");
    sistema.Poe("C:\\Client\\ClienteTrn.ini_Atual", "[T]\r\na=1\r\nb=\r\n");
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nb=2\r\n");
    sistema.Poe("C:\\Client\\ClientCheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\nOutro=novo\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Cheque.ini_New"));
    EXPECT_EQ(sistema.Le("C:\\Client\\ClienteTrn.ini"), "[T]\r\nb=2\r\na=1\r\n");
    EXPECT_TRUE(sistema.Existe("C:\\Client\\Cheque.ini_Atual"));
    EXPECT_TRUE(sistema.Existe("C:\\Client\\ClienteTrn.ini_Atual"));
    // With saved files there, the old client's cheque file is left alone.
    EXPECT_TRUE(sistema.Existe("C:\\Client\\ClientCheque.ini"));
}

TEST_F(Configuracao, WithoutSavedFilesTheOldClientsChequeSettingsAreCarriedAndRetired) {
    sistema.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n[Banco2]\r\nHabilitado=1\r\n[Banco3]\r\nx=1\r\n");
    sistema.Poe("C:\\Client\\ClientCheque.ini",
                "[Banco2]\r\nHabilitado=abc\r\n[Banco1]\r\nHabilitado=7\r\n[Banco3]\r\nHabilitado=1\r\n");
    sistema.Poe("C:\\Client\\ClientCheque.ini_Old", "velho");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"),
              "[Banco1]\r\nHabilitado=1\r\n[Banco2]\r\nHabilitado=0\r\n[Banco3]\r\nx=1\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClientCheque.ini"));
    EXPECT_EQ(sistema.Le("C:\\Client\\ClientCheque.ini_Old"),
              "[Banco2]\r\nHabilitado=abc\r\n[Banco1]\r\nHabilitado=7\r\n[Banco3]\r\nHabilitado=1\r\n");
}

TEST_F(Configuracao, WithNothingToConvertNothingChanges) {
    sistema.Poe("C:\\Client\\ClientCheque.ini", "[B]\r\nHabilitado=1\r\n");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_TRUE(sistema.Existe("C:\\Client\\ClientCheque.ini"));
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Cheque.ini"));
}

TEST_F(Configuracao, FinishRequestIsWrittenAndRenamedOrReportedWhenItCannotBe) {
    ConversaoConfiguracao sem(sistema, operador, "C:\\Client");
    EXPECT_FALSE(sem.SolicitaFinalizacaoIntPos());
    EXPECT_EQ(sem.UltimaFalha(), "C:\\Client\\Req\\IntPos.Tmp");
    sistema.Poe("C:\\Client\\Req\\x", "");
    EXPECT_TRUE(sem.SolicitaFinalizacaoIntPos());
    EXPECT_EQ(sistema.Le("C:\\Client\\Req\\IntPos.001"), "000-000 = FINALIZA\r\n999-999 = 0\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Req\\IntPos.Tmp"));
    // An earlier request still waiting is not replaced; that is not an error.
    sistema.Poe("C:\\Client\\Req\\IntPos.001", "anterior");
    EXPECT_TRUE(sem.SolicitaFinalizacaoIntPos());
    EXPECT_EQ(sistema.Le("C:\\Client\\Req\\IntPos.001"), "anterior");
}

TEST_F(Configuracao, OldClientsFilesSurviveItsUninstallerUnderTheirOwnNames) {
    sistema.Poe("C:\\Client\\ClientVorix.ini", "V");
    sistema.Poe("C:\\Client\\ClientCheque.ini", "C");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    bool iniciado = false;
    EXPECT_EQ(c.DesinstalaMantendoArquivos([&] {
        iniciado = sistema.Existe("C:\\Client\\ClientVorix.ini_bkp") && sistema.Existe("C:\\Client\\ClientCheque.ini_bkp");
        return true;
    }), Desinstalacao::Iniciada);
    EXPECT_TRUE(iniciado);
    EXPECT_EQ(sistema.Le("C:\\Client\\ClientVorix.ini"), "V");
    EXPECT_EQ(sistema.Le("C:\\Client\\ClientCheque.ini"), "C");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClientDes.ini"));
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClientVorix.ini_bkp"));
    // Not started: the copies go, the files stay.
    EXPECT_EQ(c.DesinstalaMantendoArquivos([] { return false; }), Desinstalacao::NaoIniciada);
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClientVorix.ini_bkp"));
    EXPECT_EQ(sistema.Le("C:\\Client\\ClientVorix.ini"), "V");
    // A copy that fails keeps the uninstaller from starting at all.
    sistema.FalhaNa(Operacao::Copia, sistema.Chamadas(Operacao::Copia) + 2);
    bool chamado = false;
    EXPECT_EQ(c.DesinstalaMantendoArquivos([&] { return chamado = true; }), Desinstalacao::NaoIniciada);
    EXPECT_FALSE(chamado);
    EXPECT_FALSE(sistema.Existe("C:\\Client\\ClientVorix.ini_bkp"));
}

TEST_F(Configuracao, SavingBeforeRemovalReplacesEarlierSavedCopies) {
    sistema.Poe("C:\\Client\\Cheque.ini", "novo");
    sistema.Poe("C:\\Client\\Cheque.ini_Atual", "velho");  // of a run that finished
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "trn");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_TRUE(c.SalvaArquivosAtuais());
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini_Atual"), "novo");
    EXPECT_EQ(sistema.Le("C:\\Client\\ClienteTrn.ini_Atual"), "trn");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Cheque.ini"));
    // Until they are carried over, the saved files are the till's settings: a
    // second save keeps them and leaves what a failed package installed.
    sistema.Poe("C:\\Client\\Cheque.ini", "padrao");
    EXPECT_TRUE(c.SalvaArquivosAtuais());
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini_Atual"), "novo");
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"), "padrao");
    EXPECT_EQ(operador.registro.size(), 2u);
    // Carried over: the next save replaces them again.
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Instala.pendente"));
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "trn2");
    sistema.FalhaNa(Operacao::Renomeia, sistema.Chamadas(Operacao::Renomeia) + 2);
    EXPECT_FALSE(c.SalvaArquivosAtuais());
    EXPECT_EQ(c.UltimaFalha(), "C:\\Client\\ClienteTrn.ini");
    // The first file saved by the failed call is back under its own name.
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"), "padrao");
    EXPECT_EQ(sistema.Le("C:\\Client\\ClienteTrn.ini"), "trn2");
    EXPECT_FALSE(sistema.Existe("C:\\Client\\Cheque.ini_Atual"));
}

// The till's saved settings as they are stored (quotes and all, UTF-16LE
// included) reach the new file; a UTF-16LE file configured stays UTF-16LE.
TEST_F(Configuracao, SavedSettingsArriveAsStoredWhateverTheirEncoding) {
    auto utf16 = [](const std::string& ascii) {
        std::string out = "\xFF\xFE";
        for (char c : ascii) out += std::string(1, c) + '\0';
        return out;
    };
    sistema.Poe("C:\\Client\\ClienteTrn.ini_Atual", utf16("[T]\r\nvelho=2\r\nMsg=\"  a b  \"\r\n"));
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
    ConversaoConfiguracao c(sistema, operador, "C:\\Client");
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_EQ(Trn(), "[T]\r\nnovo=1\r\nvelho=2\r\nMsg=\"  a b  \"\r\n");

    sistema.Poe("C:\\Client\\ClienteTrn.ini", utf16("[T]\r\nnovo=1\r\n"));
    EXPECT_EQ(Aplica("CBVivo=1"), ResultadoAplicacao::Aplicada);
    EXPECT_EQ(Trn(), utf16("[T]\r\nnovo=1\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n"));

    // A character CP1252 cannot hold: the ANSI file takes UTF-16LE rather than a '?', and says so.
    const std::string omega = utf16("Msg=").substr(2) + std::string("\xA9\x03", 2) + utf16("mega\r\n").substr(2);
    sistema.Poe("C:\\Client\\ClienteTrn.ini_Atual", utf16("[T]\r\n") + omega);
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
    EXPECT_TRUE(c.ConverteArquivosConfiguracao());
    EXPECT_EQ(Trn(), utf16("[T]\r\nnovo=1\r\n") + omega);
    EXPECT_NE(textos::Utf8(operador.registro.back()).find("ClienteTrn.ini foi gravado em UTF-16LE"), std::string::npos);
}

}  // namespace
