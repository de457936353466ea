#include <gtest/gtest.h>

#include "port/Os.h"

#include "Dobles.h"
#include "Instalador.h"
#include "Textos.h"
#include "profile/IniDocument.h"

using namespace instala;
using namespace instalatest;

namespace {

TEST(LeArgumentos, RunModeNeedsTwoArgumentsAndAKnownValue) {
    EXPECT_EQ(LeArgumentos({}).modo, "0");
    EXPECT_EQ(LeArgumentos({"C:\\Client"}).modo, "0");
    EXPECT_EQ(LeArgumentos({"C:\\Client"}).diretorio, "");
    EXPECT_EQ(LeArgumentos({"C:\\X", "7", "Empresa=1"}).modo, "0");
    const Argumentos a = LeArgumentos({"C:\\X", "1", "Empresa=AB12CD34", "extra"});
    EXPECT_EQ(a.diretorio, "C:\\X");
    EXPECT_EQ(a.modo, "1");
    EXPECT_EQ(a.configuracao, "Empresa=AB12CD34");
    EXPECT_EQ(LeArgumentos({"C:\\X", "2"}).configuracao, "");
}

const std::string kUninstall = "registry/HKLM/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall/";

class Instalacao : public ::testing::Test {
protected:
    void SetUp() override {
        sistema.Poe("C:\\Instalador\\Setup.ini",
                    "[Startup]\r\nPackageName=ClienteModular.msi\r\nProduct=Cliente Vorix Modular V2\r\n"
                    "ProductCode={ABC}\r\n");
        sistema.Poe("C:\\Instalador\\ClienteModular.msi", "msi");
        sistema.Poe("C:\\Windows\\x", "");
        sistema.programas["wmic"] = [](const std::string&) {};
        // The package installs fresh files and says how it went.
        sistema.programas["msiexec.exe"] = [this](const std::string&) {
            sistema.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
            sistema.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
            sistema.Poe("C:\\Windows\\InstCliM.ini", std::string("[Instalacao]\r\nOK=") + (pacoteOk ? "1" : "0") + "\r\n");
        };
    }
    void Registra(const std::string& subchave, const std::string& nome) {
        std::filesystem::create_directories(raiz.Caminho() + "/" + kUninstall + subchave);
        std::ofstream(raiz.Caminho() + "/" + kUninstall + subchave + "/values.ini") << "[values]\r\nDisplayName=" << nome << "\r\n";
    }
    bool Inicia(std::vector<std::string> args) { return instalador.FormCreate(args); }
    std::vector<std::string> Textos() {
        std::vector<std::string> out;
        for (const auto& c : operador.caixas) out.push_back(textos::Utf8(c.texto));
        return out;
    }

    PastaTemporaria raiz;
    SistemaTeste sistema{raiz.Caminho()};
    OperadorTeste operador;
    Instalador instalador{sistema, operador};
    bool pacoteOk = true;
};

TEST_F(Instalacao, CommandLinesAreBuiltExactly) {
    sistema.Poe("C:\\Client\\x", "");
    {
        // Ended before its folder goes: a run holds the folder while it lives.
        Instalador padrao(sistema, operador);
        EXPECT_TRUE(padrao.FormCreate({}));
        EXPECT_EQ(padrao.DiretorioCliente(), "C:\\Client");
        EXPECT_EQ(padrao.LinhaInstalacao(true, "p.msi"),
                  "msiexec.exe /I \"C:\\Instalador\\p.msi\" REINSTALLMODE=vamus REINSTALL=ALL");
        EXPECT_EQ(padrao.LinhaInstalacao(false, "p.msi"),
                  "msiexec.exe /I \"C:\\Instalador\\p.msi\" REINSTALLMODE=amus INSTALLDIR=\"C:\\Client\\\"");
        EXPECT_EQ(padrao.LinhaDesinstaladorAntigo(), "C:\\Windows\\uninst.exe -fC:\\Client\\DeIsL1.isu -y -a");
    }
    EXPECT_EQ(Instalador::LinhaVersoesModulares(),
              "wmic product where \"name like 'Cliente Vorix Modular V%'\" call uninstall /nointeractive");

    std::filesystem::remove_all(raiz.Caminho() + "/C/Client");
    Instalador atendido(sistema, operador);
    atendido.FormCreate({"C:\\Outro"});
    EXPECT_EQ(atendido.DiretorioCliente(), "");
    EXPECT_EQ(atendido.LinhaInstalacao(false, "p.msi"), "msiexec.exe /I \"C:\\Instalador\\p.msi\" REINSTALLMODE=amus");

    Instalador desatendido(sistema, operador);
    sistema.programas.clear();  // nothing may start here
    desatendido.FormCreate({"C:\\Dir", "1"});
    EXPECT_EQ(desatendido.LinhaInstalacao(true, "p.msi"),
              "msiexec.exe /I \"C:\\Instalador\\p.msi\" REINSTALLMODE=vamus REINSTALL=ALL /quiet");
    EXPECT_EQ(desatendido.LinhaInstalacao(false, "p.msi"),
              "msiexec.exe /I \"C:\\Instalador\\p.msi\" REINSTALLMODE=amus INSTALLDIR=\"C:\\Dir\\\" /quiet");
}

TEST_F(Instalacao, ProductCountsAsInstalledOnlyWithItsNameUnderItsCode) {
    EXPECT_FALSE(instalador.ProdutoInstalado("Cliente Vorix Modular V2", "{ABC}"));
    Registra("{XYZ}", "Cliente Vorix Modular V2");
    Registra("{ABC}", "cliente vorix modular v2");
    EXPECT_FALSE(instalador.ProdutoInstalado("Cliente Vorix Modular V2", "{ABC}"));
    EXPECT_FALSE(instalador.ProdutoInstalado("Cliente Vorix Modular V2", "{abc}"));
    Registra("{ABC}", "Cliente Vorix Modular V2");
    EXPECT_TRUE(instalador.ProdutoInstalado("Cliente Vorix Modular V2", "{ABC}"));
}

TEST_F(Instalacao, OnlyTheFirstRunningClientInAnyLetterCaseIsOfferedAndEnded) {
    sistema.processos = {{10, "init"}, {20, "C:\\X\\clientvorix.EXE"}, {30, "ClientVorix.exe"}};
    Inicia({});
    EXPECT_FALSE(instalador.VerificaProcessoAtivo("ClientVorix.exe", true));
    EXPECT_EQ(sistema.terminados, std::vector<uint32_t>{20});
    ASSERT_EQ(operador.caixas.size(), 1u);
    EXPECT_EQ(Textos()[0], "Processo ClientVorix.exe está ativo. A aplicação\rpode ser finalizada antes da instalação iniciar?");
    EXPECT_EQ(operador.caixas[0].titulo, "Cliente Vorix Modular");
    EXPECT_EQ(operador.caixas[0].flags, 0x40004u);
    // Declined, or the end failed: still running.
    operador.respostas = {kIdNo};
    EXPECT_TRUE(instalador.VerificaProcessoAtivo("ClientVorix.exe", true));
    sistema.terminarFalha = true;
    EXPECT_TRUE(instalador.VerificaProcessoAtivo("ClientVorix.exe", true));
    EXPECT_TRUE(instalador.VerificaProcessoAtivo("CLIENTVORIX.EXE", false));
    EXPECT_FALSE(instalador.VerificaProcessoAtivo("Outro.exe", true));
    EXPECT_EQ(sistema.terminados.size(), 1u);
}

TEST_F(Instalacao, BackupGoesToTheDatedFolderOrAsksForOneInAttendedMode) {
    sistema.Poe("C:\\Client\\a.ini", "A");
    Inicia({});
    instalador.FazBackupAplicacao();
    EXPECT_EQ(sistema.Le("C:\\Client_20240131\\a.ini"), "A") << (operador.registro.empty() ? "" : operador.registro.back());
    EXPECT_EQ(textos::Utf8(operador.mensagens.back()), "Fazendo backup da aplicação (C:\\Client_20240131)");
    EXPECT_EQ(Textos()[0], "Deseja fazer um backup da pasta da aplicação (Recomendado)?");
    EXPECT_EQ(operador.caixas[0].titulo, "Client Vorix Modular");

    std::filesystem::rename(raiz.Caminho() + "/C/Client", raiz.Caminho() + "/C/Loja");
    Instalador semPadrao(sistema, operador);
    semPadrao.FormCreate({});
    operador.caixas.clear();
    sistema.pastaEscolhida = "C:\\Loja";
    semPadrao.FazBackupAplicacao();
    EXPECT_EQ(Textos()[1], "Diretório padrão da aplicação não encontrado\rPor favor selecione a localização da mesma");
    EXPECT_EQ(sistema.dialogos, std::vector<std::string>{"Client Vorix Modular|C:|1000"});
    EXPECT_EQ(sistema.Le("C:\\Loja_20240131\\a.ini"), "A");
    // The chosen folder is not the client folder.
    EXPECT_EQ(semPadrao.DiretorioCliente(), "");
    // Declined: no copy at all.
    operador.respostas = {kIdNo};
    sistema.pastaEscolhida = std::nullopt;
    std::filesystem::remove_all(raiz.Caminho() + "/C/Loja_20240131");
    semPadrao.FazBackupAplicacao();
    EXPECT_FALSE(sistema.Existe("C:\\Loja_20240131"));
}

TEST_F(Instalacao, UnattendedRunInstallsKeepsAndCarriesTheSettings) {
    sistema.Poe("C:\\Client\\Req\\x", "");
    sistema.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=1\r\n");
    sistema.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nvelho=2\r\n");
    sistema.processos = {{42, "ClientVorix.exe"}};
    EXPECT_FALSE(Inicia({"C:\\Client", "1", "Empresa=AB12CD34"}));
    EXPECT_EQ(instalador.Resultado(), Desfecho::Concluida);
    EXPECT_TRUE(operador.caixas.empty());
    EXPECT_EQ(sistema.terminados, std::vector<uint32_t>{42});
    EXPECT_EQ(sistema.linhasIniciadas,
              (std::vector<std::string>{Instalador::LinhaVersoesModulares(),
                                        "msiexec.exe /I \"C:\\Instalador\\ClienteModular.msi\" REINSTALLMODE=amus "
                                        "INSTALLDIR=\"C:\\Client\\\" /quiet"}));
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_EQ(sistema.Le("C:\\Client\\ClienteTrn.ini"), "[T]\r\nnovo=1\r\nvelho=2\r\n");
    EXPECT_EQ(sistema.Le("C:\\Client\\Cliente.ini"), "[ClientVorix]\r\nEmpresa=AB12CD34\r\n");
    EXPECT_TRUE(sistema.Existe("C:\\Client_20240131\\Cheque.ini"));
    EXPECT_FALSE(sistema.Existe("C:\\Windows\\InstCliM.ini"));
    EXPECT_EQ(operador.estados.back(), EstadoJanela::SucessoSemOK);
    EXPECT_EQ(textos::Utf8(operador.mensagens.back()), "Instalação Finalizada com Sucesso!!");
    EXPECT_EQ(operador.frente, 1);
}

TEST_F(Instalacao, FailuresEndAsNotConcluded) {
    sistema.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=1\r\n");
    pacoteOk = false;
    Inicia({"C:\\Client", "1"});
    EXPECT_EQ(instalador.Resultado(), Desfecho::NaoConcluida);
    EXPECT_EQ(operador.estados.back(), EstadoJanela::Falha);
    EXPECT_EQ(textos::Utf8(operador.mensagens.back()), "A Instalação não foi Concluída");
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini_Atual"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_FALSE(sistema.Existe("C:\\Windows\\InstCliM.ini"));

    // Attended, the package missing and then msiexec not starting are said in a box first.
    Instalador atendido(sistema, operador);
    atendido.FormCreate({});
    std::filesystem::remove(raiz.Caminho() + "/C/Instalador/ClienteModular.msi");
    operador.caixas.clear();
    atendido.btInstalaClick();
    EXPECT_EQ(Textos().back(), "Arquivo de instalação do Client Modular não encontrado");
    EXPECT_EQ(atendido.Resultado(), Desfecho::NaoConcluida);
    sistema.Poe("C:\\Instalador\\Cliente Vorix Modular V2", "msi");  // the product name as fallback
    sistema.FalhaNa(Operacao::Inicia, sistema.Chamadas(Operacao::Inicia) + 2);  // wmic starts, msiexec does not
    atendido.btInstalaClick();
    EXPECT_EQ(Textos().back(), "Erro ao executar o Instalador do Client Modular");
    EXPECT_EQ(sistema.linhasIniciadas.back(),
              "msiexec.exe /I \"C:\\Instalador\\Cliente Vorix Modular V2\" REINSTALLMODE=amus INSTALLDIR=\"C:\\Client\\\"");
}

TEST_F(Instalacao, UnattendedWithoutReqFolderStopsBeforeAnything) {
    sistema.Poe("C:\\Client\\Cheque.ini", "C");
    sistema.processos = {{7, "ClientVorix.exe"}};
    sistema.terminarFalha = true;
    Inicia({"C:\\Client", "1"});
    EXPECT_EQ(instalador.Resultado(), Desfecho::PedidoFinalizacaoFalhou);
    EXPECT_EQ(CodigoSaida(instalador.Resultado()), 4);
    ASSERT_EQ(operador.caixas.size(), 1u);
    EXPECT_TRUE(sistema.linhasIniciadas.empty());
    EXPECT_EQ(sistema.Le("C:\\Client\\Cheque.ini"), "C");
    EXPECT_FALSE(sistema.Existe("C:\\Client_20240131"));
}

TEST_F(Instalacao, OldClientRemovalDeclinedReturnsToWaiting) {
    sistema.Poe("C:\\Client\\ClienteVorix.exe", "");
    sistema.Poe("C:\\Client\\DeIsL1.isu", "");
    sistema.Poe("C:\\Windows\\uninst.exe", "");
    Inicia({});
    operador.respostas = {kIdNo, kIdNo};  // no backup, no removal
    instalador.btInstalaClick();
    EXPECT_EQ(Textos().back(), "Uma versão anterior do Cliente Vorix foi detectada.\rSerá realizada a desinstalação "
                               "desta versão do computador.\rDeseja prosseguir ?");
    EXPECT_EQ(operador.caixas.back().titulo, textos::Latin("Desinstalação Client Vorix versão antiga"));
    EXPECT_EQ(operador.estados.back(), EstadoJanela::Aguardando);
    EXPECT_EQ(instalador.Resultado(), Desfecho::EmAndamento);
    EXPECT_TRUE(sistema.linhasIniciadas.empty());
    instalador.btCancelaClick();
    EXPECT_EQ(CodigoSaida(instalador.Resultado()), 6);
}

TEST_F(Instalacao, InvalidConfigurationRunsNothingInEitherMode) {
    for (const char* modo : {"1", "2"}) {
        Instalador i(sistema, operador);
        EXPECT_FALSE(i.FormCreate({"C:\\Client", modo, "Terminal=XY000900"}));
        EXPECT_EQ(CodigoSaida(i.Resultado()), 2);
    }
    EXPECT_TRUE(sistema.linhasIniciadas.empty());
    // Attended runs never apply a configuration string.
    EXPECT_TRUE(Inicia({"C:\\Client", "0", "Terminal=XY000900"}));
    EXPECT_EQ(operador.caixas.size(), 2u);
}

// The installer folder with its package, and an old client to be removed.
void PoeInstaladorEClienteAntigo(SistemaTeste& s) {
    s.Poe("C:\\Instalador\\Setup.ini", "[Startup]\r\nPackageName=c.msi\r\n");
    s.Poe("C:\\Instalador\\c.msi", "");
    s.Poe("C:\\Windows\\uninst.exe", "");
    s.Poe("C:\\Client\\ClienteVorix.exe", "");
    s.Poe("C:\\Client\\DeIsL1.isu", "");
}

// Every line of `linhas` is a line of `texto`.
bool ContemLinhas(const std::string& texto, const std::string& linhas) {
    size_t inicio = 0;
    while (inicio < linhas.size()) {
        const size_t fim = std::min(linhas.find("\r\n", inicio), linhas.size());
        const std::string linha = linhas.substr(inicio, fim - inicio);
        if (("\r\n" + texto + "\r\n").find("\r\n" + linha + "\r\n") == std::string::npos &&
            texto != linha) {
            return false;
        }
        inicio = fim + 2;
    }
    return true;
}

// Every step that touches a file or starts a program, made to fail once: the
// settings files that were there before are still there, whole, under their own
// name or a saved one.
TEST_F(Instalacao, ASingleFailingStepNeverLosesASettingsFile) {
    const std::map<std::string, std::string> antes = {
        {"Cheque.ini", "[Banco1]\r\nHabilitado=1\r\n"}, {"ClienteTrn.ini", "[T]\r\nvelho=2\r\n"},
        {"ClientVorix.ini", "V"}, {"ClientDes.ini", "D"}, {"ClientCheque.ini", "[Banco1]\r\nHabilitado=1\r\n"},
        {"Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n"}};
    for (Operacao op : {Operacao::Copia, Operacao::Renomeia, Operacao::Apaga, Operacao::Grava, Operacao::Inicia}) {
        for (int n = 1; n <= 12; ++n) {
            PastaTemporaria r;
            SistemaTeste s(r.Caminho());
            OperadorTeste o;
            PoeInstaladorEClienteAntigo(s);
            s.Poe("C:\\Client\\Req\\x", "");
            for (const auto& [nome, conteudo] : antes) s.Poe("C:\\Client\\" + nome, conteudo);
            s.processos = {{5, "ClientVorix.exe"}};
            s.terminarFalha = true;
            s.programas["C:\\Windows\\uninst.exe"] = [](const std::string&) {};
            s.programas["wmic"] = [&s](const std::string&) {
                s.DeleteFile("C:\\Client\\Cheque.ini");
                s.DeleteFile("C:\\Client\\ClienteTrn.ini");
            };
            s.programas["msiexec.exe"] = [&s](const std::string&) {
                s.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
                s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
                s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
            };
            s.FalhaNa(op, n);
            Instalador i(s, o);
            i.FormCreate({"C:\\Client", "1", "Empresa=AB12CD34;CBVivo=1"});
            const std::string onde = "op " + std::to_string(static_cast<int>(op)) + " n " + std::to_string(n);
            // What the configuration string legitimately changes.
            const std::map<std::string, std::string> configurado = {
                {"Cliente.ini", "[ClientVorix]\r\nEmpresa=AB12CD34\r\n"},
                {"ClienteTrn.ini", "[T]\r\nvelho=2\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n"}};
            for (const auto& [nome, conteudo] : antes) {
                const std::string base = "C:\\Client\\" + nome;
                std::vector<std::string> lugares = {base, base + "_bkp", base + "_Atual", base + "_Old"};
                // Carried settings count as kept: the new file holds the old values.
                if (nome == "ClientCheque.ini") lugares.push_back("C:\\Client\\Cheque.ini");
                std::vector<std::string> formas = {conteudo};
                if (configurado.count(nome) != 0) formas.push_back(configurado.at(nome));
                bool guardado = false;
                for (const auto& lugar : lugares) {
                    for (const auto& forma : formas) guardado = guardado || ContemLinhas(s.Le(lugar), forma);
                }
                EXPECT_TRUE(guardado) << nome << " lost at " << onde;
            }
            if (i.Resultado() == Desfecho::Concluida) {
                EXPECT_NE(s.Le("C:\\Client\\Cheque.ini").find("Habilitado=1"), std::string::npos) << onde;
            }
        }
    }
}

}  // namespace

// A till laid out for the runs below: the old client and the modular client's
// settings; the package installs its defaults and confirms; removing earlier
// versions takes the modular client's files.
class Loja {
public:
    Loja() {
        SistemaTeste s(raiz.Caminho());
        PoeInstaladorEClienteAntigo(s);
        s.Poe("C:\\Client\\ClientVorix.ini", "V");
        s.Poe("C:\\Client\\ClientDes.ini", "D");
        s.Poe("C:\\Client\\Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
        s.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=1\r\n");
        s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nvelho=2\r\n");
    }
    // One run; `prepara` may change the programs or plant a fault before it starts.
    Desfecho Executa(const std::string& modo, const std::function<void(SistemaTeste&)>& prepara = {},
                     const std::string& configuracao = "Empresa=AB12CD34;CBVivo=1") {
        SistemaTeste s(raiz.Caminho());
        OperadorTeste o;
        s.programas["C:\\Windows\\uninst.exe"] = [](const std::string&) {};
        s.programas["wmic"] = [&s](const std::string&) {
            std::filesystem::remove(s.Map().ToLocal("C:\\Client\\Cheque.ini"));
            std::filesystem::remove(s.Map().ToLocal("C:\\Client\\ClienteTrn.ini"));
        };
        s.programas["msiexec.exe"] = [&s](const std::string&) {
            s.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
            s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
            s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
        };
        if (prepara) prepara(s);
        Instalador i(s, o);
        if (modo == "0") {
            if (i.FormCreate({})) i.btInstalaClick();
        } else {
            i.FormCreate({"C:\\Client", modo, configuracao});
        }
        chamadas = {};
        for (Operacao op : kOperacoes) chamadas[op] = s.Chamadas(op);
        registro = o.registro;
        mensagens = o.mensagens;
        iniciadas = s.linhasIniciadas;
        terminados = s.terminados;
        resumo = textos::Utf8(i.Resumo());
        for (const auto& c : o.caixas) {
            if ((c.flags & kMbIconError) != 0) registro.push_back(c.texto);
        }
        return i.Resultado();
    }
    // What is wrong with the till's settings after an installation; empty when nothing.
    std::string Defeitos(const std::string& modo, bool depoisDeUmaFalha = false) {
        SistemaTeste s(raiz.Caminho());
        std::string d;
        auto espera = [&](const std::string& arquivo, const std::string& trecho) {
            if (s.Le("C:\\Client\\" + arquivo).find(trecho) == std::string::npos) d += arquivo + " sem " + trecho + "; ";
        };
        espera("Cheque.ini", "Habilitado=1");
        espera("ClienteTrn.ini", "novo=1");
        espera("ClienteTrn.ini", "velho=2");
        espera("ClientVorix.ini", "V");
        espera("ClientDes.ini", "D");
        espera("Cliente.ini", modo == "1" ? "Empresa=AB12CD34" : "Empresa=ANTIGA");
        if (modo == "1") espera("ClienteTrn.ini", "TrnCredito=1");
        for (const char* pasta : {"/C/Client", "/C/Windows"}) {
            for (const auto& e : std::filesystem::directory_iterator(raiz.Caminho() + pasta)) {
                const std::string nome = e.path().filename().string();
                // A result file, or the record of a package seen to end, that a finished run could
                // not delete: the next run deletes it.
                const bool restoDeFalha = nome == "InstCliM.ini" || nome == "Instala.pacote";
                if (nome.find("zvtmp") != std::string::npos || nome.find("_bkp") != std::string::npos ||
                    (nome.rfind("Instala.", 0) == 0 && !restoDeFalha) || (restoDeFalha && !depoisDeUmaFalha)) {
                    d += "sobrou " + nome + "; ";
                }
            }
        }
        return d;
    }

    static constexpr Operacao kOperacoes[] = {Operacao::Copia, Operacao::Renomeia, Operacao::Apaga,
                                              Operacao::Grava, Operacao::Inicia, Operacao::CopiaPasta};
    // Whether the log has a line holding `trecho` (UTF-8).
    bool Registrou(const std::string& trecho) const {
        return std::any_of(registro.begin(), registro.end(),
                           [&](const std::string& l) { return textos::Utf8(l).find(trecho) != std::string::npos; });
    }
    std::string Le(const std::string& caminho) { return SistemaTeste(raiz.Caminho()).Le(caminho); }

    PastaTemporaria raiz;
    std::map<Operacao, int> chamadas;
    std::vector<std::string> registro;
    std::vector<std::string> mensagens;
    std::vector<std::string> iniciadas;
    std::vector<uint32_t> terminados;
    std::string resumo;
};

// Any step of a run fails; a clean run afterwards leaves the till's own settings
// in the new files. A run that says it is done has them already.
TEST(Repeticao, AFailureAtAnyStepThenACleanRunKeepsTheTillsOwnSettings) {
    for (const char* modo : {"0", "1"}) {
        Loja limpa;
        ASSERT_EQ(limpa.Executa(modo), Desfecho::Concluida);
        ASSERT_EQ(limpa.Defeitos(modo), "") << modo;
        for (const auto& [operacao, total] : limpa.chamadas) {
            const auto op = operacao;  // a structured binding cannot be captured before C++20
            for (int n = 1; n <= total; ++n) {
                Loja loja;
                const std::string onde = std::string("modo ") + modo + ", operacao " +
                                         std::to_string(static_cast<int>(op)) + " falha na " + std::to_string(n);
                const Desfecho primeira = loja.Executa(modo, [&](SistemaTeste& s) { s.FalhaNa(op, n); });
                if (primeira == Desfecho::Concluida) {
                    EXPECT_EQ(loja.Defeitos(modo, true), "") << onde;
                } else {
                    EXPECT_FALSE(loja.registro.empty()) << onde << ": a failure that says nothing";
                }
                EXPECT_EQ(loja.Executa(modo), Desfecho::Concluida) << onde;
                EXPECT_EQ(loja.Defeitos(modo), "") << onde;
            }
        }
    }
}

// The package fails, or an earlier run's result file says OK: the run is not
// concluded and the saved settings wait; the next run carries them over.
TEST(Repeticao, APackageThatFailsIsRetriedWithTheTillsSettings) {
    const std::vector<std::pair<const char*, std::function<void(SistemaTeste&)>>> falhas = {
        {"pacote recusa", [](SistemaTeste& s) {
             s.programas["msiexec.exe"] = [&s](const std::string&) {
                 s.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
                 s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
                 s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=0\r\n");
             };
         }},
        {"resultado antigo", [](SistemaTeste& s) {
             s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n");
             s.programas["msiexec.exe"] = [&s](const std::string&) {
                 s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
             };
         }},
        {"sem programa", [](SistemaTeste& s) { s.programas.erase("msiexec.exe"); }},
        {"sem pacote", [](SistemaTeste& s) { std::filesystem::remove(s.Map().ToLocal("C:\\Instalador\\c.msi")); }},
        {"sem Setup.ini", [](SistemaTeste& s) { std::filesystem::remove(s.Map().ToLocal("C:\\Instalador\\Setup.ini")); }},
    };
    for (const char* modo : {"0", "1"}) {
        for (const auto& [nome, falha] : falhas) {
            Loja loja;
            SistemaTeste s(loja.raiz.Caminho());
            const std::string setup = s.Le("C:\\Instalador\\Setup.ini");
            EXPECT_EQ(loja.Executa(modo, falha), Desfecho::NaoConcluida) << nome;
            EXPECT_FALSE(loja.registro.empty()) << nome;
            if (setup != s.Le("C:\\Instalador\\Setup.ini")) s.Poe("C:\\Instalador\\Setup.ini", setup);
            s.Poe("C:\\Instalador\\c.msi", "");
            EXPECT_EQ(loja.Executa(modo), Desfecho::Concluida) << nome;
            EXPECT_EQ(loja.Defeitos(modo), "") << modo << " " << nome;
        }
    }
    // A package that never ran left no files: the saved settings are back under their own names at once.
    Loja semArquivos;
    semArquivos.Executa("1", [](SistemaTeste& s) { s.naoIniciam = {"msiexec.exe"}; });
    EXPECT_EQ(semArquivos.Le("C:\\Client\\Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
    // The retry's own configuration string is the latest word over the kept settings.
    Loja loja;
    loja.Executa("1", falhas[0].second);
    EXPECT_EQ(loja.Executa("1", {}, "CBVivo=0"), Desfecho::Concluida);
    SistemaTeste s(loja.raiz.Caminho());
    EXPECT_EQ(s.Le("C:\\Client\\ClienteTrn.ini"), "[T]\r\nnovo=1\r\nvelho=2\r\n[CodigoBarrasVivo]\r\nTrnCredito=0\r\n");
}

// However the client folder is written, the backup is the dated folder beside it.
TEST(Repeticao, EveryWayOfWritingTheFolderGivesTheSameBackup) {
    for (const char* pasta : {"C:\\Client", "C:\\Client\\", "C:\\\\Client", "c:\\Client", "C:/Client/."}) {
        Loja loja;
        SistemaTeste s(loja.raiz.Caminho());
        OperadorTeste o;
        s.programas["wmic"] = [](const std::string&) {};
        s.programas["C:\\Windows\\uninst.exe"] = [](const std::string&) {};
        s.programas["msiexec.exe"] = [&s](const std::string&) { s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=1\r\n"); };
        Instalador i(s, o);
        i.FormCreate({pasta, "1"});
        EXPECT_EQ(i.Resultado(), Desfecho::Concluida) << pasta;
        EXPECT_EQ(s.Le("C:\\Client_20240131\\Cliente.ini"), "[ClientVorix]\r\nEmpresa=ANTIGA\r\n") << pasta;
        size_t copias = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(loja.raiz.Caminho() + "/C")) {
            copias += e.path().filename() == "Cliente.ini" ? 1 : 0;
        }
        EXPECT_EQ(copias, 2u) << pasta;
        EXPECT_EQ(s.linhasIniciadas.back(),
                  "msiexec.exe /I \"C:\\Instalador\\c.msi\" REINSTALLMODE=amus INSTALLDIR=\"C:\\Client\\\" /quiet");
    }
}

namespace {

// The package refuses: the till's settings wait under their "_Atual" names.
void PacoteRecusa(SistemaTeste& s) {
    s.programas["msiexec.exe"] = [&s](const std::string&) {
        s.Poe("C:\\Client\\Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
        s.Poe("C:\\Client\\ClienteTrn.ini", "[T]\r\nnovo=1\r\n");
        s.Poe("C:\\Windows\\InstCliM.ini", "[Instalacao]\r\nOK=0\r\n");
    };
}

}  // namespace

// While one run works on the client folder (here an attended one, waiting for
// its operator, in the middle of what a run leaves there), a second one in
// any mode says so, naming the folder, and changes nothing at all.
TEST(Trava, ASecondRunInAnyModeChangesNothingWhileAnotherHoldsTheFolder) {
    Loja loja;
    SistemaTeste s1(loja.raiz.Caminho());
    OperadorTeste o1;
    auto primeira = std::make_unique<Instalador>(s1, o1);
    ASSERT_TRUE(primeira->FormCreate({}));
    s1.MoveFile("C:\\Client\\ClienteTrn.ini", "C:\\Client\\ClienteTrn.ini_Atual");
    s1.Poe("C:\\Client\\Instala.pendente", "ZV-PENDENTE 1\r\nClienteTrn.ini\r\nFIM\r\n");
    s1.Poe("C:\\Client\\Cliente.ini.zvtmp.Ab12Cd", "sendo gravado");
    const auto antes = Arvore(loja.raiz.Caminho());
    const std::string processo = "(processo " + std::to_string(port::ProcessId()) + ")";
    for (const char* modo : {"0", "1", "2"}) {
        EXPECT_EQ(loja.Executa(modo), Desfecho::OutraEmAndamento) << modo;
        EXPECT_EQ(CodigoSaida(Desfecho::OutraEmAndamento), 8);
        EXPECT_TRUE(loja.Registrou("Outra instalação está em andamento na pasta C:\\Client " + processo)) << modo;
        EXPECT_EQ(loja.resumo, "outra instalação trabalha na pasta C:\\Client; nada foi feito") << modo;
        EXPECT_TRUE(loja.iniciadas.empty()) << modo;
        EXPECT_EQ(Arvore(loja.raiz.Caminho()), antes) << modo;
    }
    primeira.reset();
    EXPECT_EQ(loja.Executa("2"), Desfecho::Concluida);
    EXPECT_FALSE(SistemaTeste(loja.raiz.Caminho()).Existe("C:\\Client\\Instala.trava"));
}

// The lock a killed run leaves is taken over, and said; one that is a link is
// never opened through it.
TEST(Trava, ALockLeftByARunThatEndedIsTakenOverAndALinkIsRefused) {
    Loja loja;
    SistemaTeste s(loja.raiz.Caminho());
    s.Poe("C:\\Client\\Instala.trava", "999999\r\n");
    EXPECT_EQ(loja.Executa("2"), Desfecho::Concluida);
    EXPECT_TRUE(loja.Registrou("Assumida a trava C:\\Client\\Instala.trava de uma execução que não existe mais "
                               "(processo 999999)"));
    EXPECT_FALSE(s.Existe("C:\\Client\\Instala.trava"));
    // An id that now names a live process (another program's) is not said to be gone.
    s.Poe("C:\\Client\\Instala.trava", "1\r\n");
    EXPECT_EQ(loja.Executa("2", [](SistemaTeste& t) { t.processos = {{1, "init"}}; }), Desfecho::Concluida);
    EXPECT_TRUE(loja.Registrou("Assumida a trava C:\\Client\\Instala.trava de uma execução que não existe mais"));
    EXPECT_FALSE(loja.Registrou("(processo 1)"));

#ifndef _WIN32  // links need a privilege there
    s.Poe("C:\\Windows\\win.ini", "[sistema]\r\n");
    std::filesystem::create_symlink(s.Map().ToLocal("C:\\Windows\\win.ini"), s.Map().ToLocal("C:\\Client\\Instala.trava"));
    EXPECT_EQ(loja.Executa("1"), Desfecho::NaoConcluida);
    EXPECT_TRUE(loja.Registrou("Não foi possível travar a pasta do cliente (C:\\Client\\Instala.trava"));
    EXPECT_EQ(s.Le("C:\\Windows\\win.ini"), "[sistema]\r\n");
    EXPECT_TRUE(loja.iniciadas.empty());
#endif
}

// A record of pending saved files that cannot be read whole never reads as
// "nothing pending": every saved file is kept and carried, and that is said.
TEST(Repeticao, ADamagedPendingRecordKeepsEverySavedFileAndCarriesIt) {
    const std::string inteiro = "ZV-PENDENTE 1\r\nCheque.ini\r\nClienteTrn.ini\r\nFIM\r\n";
    const std::vector<std::pair<const char*, std::string>> danos = {
        {"LF", "ZV-PENDENTE 1\nCheque.ini\nClienteTrn.ini\nFIM\n"},
        {"um byte a menos", inteiro.substr(0, inteiro.size() - 1)},
        {"cortado numa linha", "ZV-PENDENTE 1\r\nCheque.ini\r\n"},
        {"vazio", ""},
        {"lixo", std::string("\0\xFF\x01lixo", 7)},
        {"nome estranho", "ZV-PENDENTE 1\r\nCheque.ini\r\nOutro.ini\r\nFIM\r\n"},
        {"formato antigo", "Cheque.ini\r\nClienteTrn.ini\r\n"},
    };
    for (const auto& [nome, dano] : danos) {
        Loja loja;
        ASSERT_EQ(loja.Executa("1", PacoteRecusa), Desfecho::NaoConcluida);
        SistemaTeste s(loja.raiz.Caminho());
        ASSERT_EQ(s.Le("C:\\Client\\Instala.pendente"), inteiro);
        s.Poe("C:\\Client\\Instala.pendente", dano);
        EXPECT_EQ(loja.Executa("1"), Desfecho::Concluida) << nome;
        EXPECT_EQ(loja.Defeitos("1"), "") << nome;
        EXPECT_TRUE(loja.Registrou("O registro C:\\Client\\Instala.pendente estava danificado")) << nome;
    }
}

// A configuration written while settings wait to be carried over is the latest
// word: the next installation does not bring the older value back.
TEST(Repeticao, AConfigurationWrittenWhileSettingsWaitIsNotUndoneByTheNextInstallation) {
    for (const char* seguinte : {"0", "1"}) {
        Loja loja;
        ASSERT_EQ(loja.Executa("1", PacoteRecusa, "CBVivo=0"), Desfecho::NaoConcluida);
        EXPECT_EQ(loja.Executa("2", {}, "CBVivo=1"), Desfecho::Concluida);
        EXPECT_TRUE(loja.Registrou("aguardam ser levadas para os novos arquivos: C:\\Client\\Cheque.ini_Atual, "
                                   "C:\\Client\\ClienteTrn.ini_Atual"));
        EXPECT_TRUE(loja.Registrou("também foi gravada nas configurações salvas que aguardam "
                                   "(C:\\Client\\ClienteTrn.ini_Atual)"));
        EXPECT_EQ(loja.Executa(seguinte, {}, ""), Desfecho::Concluida);
        EXPECT_EQ(profile::IniDocument::Parse(loja.Le("C:\\Client\\ClienteTrn.ini")).Get("CodigoBarrasVivo", "TrnCredito"),
                  "1")
            << seguinte;
        EXPECT_NE(loja.Le("C:\\Client\\ClienteTrn.ini").find("velho=2"), std::string::npos) << seguinte;
    }
}

// An intent naming a file outside the folder's configuration is set aside and
// the run goes on; a damaged one stops every run until someone looks.
TEST(Repeticao, ACraftedIntentIsSetAsideAndADamagedOneStopsTheRun) {
    Loja loja;
    SistemaTeste s(loja.raiz.Caminho());
    s.Poe("C:\\Client\\Instala.gravacao",
          "ZV-GRAVACAO 2 CONCLUIR\nC:\\Windows\\System32\\zv.dll\n-\n4\nmal!\nFIM\n");
    EXPECT_EQ(loja.Executa("2", {}, "CBVivo=1"), Desfecho::Concluida);
    EXPECT_FALSE(s.Existe("C:\\Windows\\System32\\zv.dll"));
    EXPECT_TRUE(s.Existe("C:\\Client\\Instala.gravacao.recusada"));
    EXPECT_TRUE(loja.Registrou("nomeia um arquivo que não é da configuração desta pasta e foi recusado"));

    // Killed between the two files, and the record then cut short.
    s.InterrompeNa(3);
    try {
        ConversaoConfiguracao(s, *std::make_unique<OperadorTeste>(), "C:\\Client")
            .AplicaParametrosConfiguracao("Empresa=AB12CD34;CBVivo=0");
    } catch (const Interrupcao&) {
    }
    const std::string registro = s.Le("C:\\Client\\Instala.gravacao");
    s.Poe("C:\\Client\\Instala.gravacao", registro.substr(0, registro.size() - 3));
    for (int vez = 0; vez < 2; ++vez) {
        EXPECT_EQ(loja.Executa("1"), Desfecho::GravacaoDanificada);
        EXPECT_EQ(CodigoSaida(Desfecho::GravacaoDanificada), 9);
        EXPECT_TRUE(loja.iniciadas.empty());
        EXPECT_TRUE(loja.Registrou("C:\\Client\\Cliente.ini: versão antiga")) << vez;
        EXPECT_TRUE(loja.Registrou("C:\\Client\\ClienteTrn.ini: versão antiga")) << vez;
        EXPECT_EQ(s.Le("C:\\Client\\Cliente.ini"), "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
        EXPECT_TRUE(s.Existe("C:\\Client\\Instala.gravacao"));
    }
}

// A run out of memory stops like any other stop: the step is named, nothing is
// left half done, and a later run finishes the work.
TEST(Repeticao, RunningOutOfMemoryStopsNamingTheStep) {
    const std::vector<std::tuple<const char*, const char*, Desfecho, const char*>> casos = {
        {"1", "C:\\Client\\ClienteTrn.ini_Atual", Desfecho::NaoConcluida, "a conversão das configurações salvas"},
        {"0", "C:\\Client\\ClienteTrn.ini_Atual", Desfecho::NaoConcluida, "a conversão das configurações salvas"},
        {"1", "C:\\Instalador\\Setup.ini", Desfecho::NaoConcluida, "a verificação dos requisitos"},
        {"2", "C:\\Client\\ClienteTrn.ini", Desfecho::GravacaoConfiguracaoFalhou, "a gravação da configuração"},
    };
    for (const auto& [modo, arquivo, desfecho, passo] : casos) {
        Loja loja;
        const std::string falta = arquivo;  // a lambda may not capture a structured binding (C++17)
        EXPECT_EQ(loja.Executa(modo, [&](SistemaTeste& s) { s.semMemoriaAoLer = falta; }), desfecho) << arquivo;
        EXPECT_TRUE(loja.Registrou(std::string("Memória insuficiente durante ") + passo)) << arquivo;
        EXPECT_EQ(loja.Executa("1"), Desfecho::Concluida) << arquivo;
        EXPECT_EQ(loja.Defeitos("1"), "") << arquivo;
    }
}

// Windows Installer missing: refused before the client is ended, the folder
// backed up or anything removed or renamed.
TEST(Repeticao, AMissingPackageRunnerIsRefusedBeforeAnythingIsTouched) {
    for (const char* modo : {"0", "1"}) {
        Loja loja;
        const auto antes = Arvore(loja.raiz.Caminho());
        EXPECT_EQ(loja.Executa(modo, [](SistemaTeste& s) {
            s.ausentes = {"msiexec.exe"};
            s.processos = {{7, "ClientVorix.exe"}};
        }, ""), Desfecho::NaoConcluida);
        EXPECT_TRUE(loja.iniciadas.empty()) << modo;
        EXPECT_TRUE(loja.terminados.empty()) << modo;
        EXPECT_EQ(Arvore(loja.raiz.Caminho()), antes) << modo;
        EXPECT_TRUE(loja.Registrou("Programa não encontrado: msiexec.exe")) << modo;
    }
}

// A wait on Windows Installer that fails is no success: nothing is carried,
// the saved settings wait, and the next run carries them.
TEST(Repeticao, AFailedWaitOnThePackageRunnerIsNoSuccess) {
    for (const char* modo : {"0", "1"}) {
        Loja loja;
        EXPECT_EQ(loja.Executa(modo, [](SistemaTeste& s) { s.esperaFalha = {"msiexec.exe"}; }), Desfecho::NaoConcluida);
        EXPECT_TRUE(loja.Registrou("Erro ao executar o Instalador do Client Modular")) << modo;
        EXPECT_EQ(loja.Executa(modo), Desfecho::Concluida) << modo;
        EXPECT_EQ(loja.Defeitos(modo), "") << modo;
    }
}

// What a run says: its repairs, what waits, what it wrote, what it ignored,
// and one last line with what it did; nothing to select where nobody can.
TEST(Mensagens, EveryRunSaysWhatItDidInItsLastLine) {
    Loja loja;
    EXPECT_EQ(loja.Executa("2", {}, "Empresa=AB12CD34;Foo=1;CBVivo=1;Empresa=XX"), Desfecho::Concluida);
    EXPECT_TRUE(loja.Registrou("Item desconhecido na configuração, ignorado: Foo=1"));
    EXPECT_TRUE(loja.Registrou("Item repetido na configuração, vale o primeiro: Empresa=XX"));
    EXPECT_TRUE(loja.Registrou("Configuração gravada: Empresa=AB12CD34 (Cliente.ini), CBVivo=1 (ClienteTrn.ini)"));
    EXPECT_EQ(loja.resumo, "configurados em C:\\Client: Empresa, CBVivo; nada foi instalado");
    EXPECT_EQ(loja.Executa("2", {}, ""), Desfecho::Concluida);
    EXPECT_EQ(loja.resumo, "nenhum item de configuração; nada foi alterado");

    EXPECT_EQ(loja.Executa("1", {}, "CBVivo=1;Foo=1"), Desfecho::Concluida);
    EXPECT_EQ(loja.resumo, "instalado em C:\\Client; configurados: CBVivo");
    // Written twice (before and after the carry), said once.
    EXPECT_EQ(std::count_if(loja.registro.begin(), loja.registro.end(),
                            [](const std::string& l) { return l.find("Foo=1") != std::string::npos; }),
              1);
    for (const auto& m : loja.mensagens) EXPECT_EQ(textos::Utf8(m).find("Selecione"), std::string::npos) << m;

    EXPECT_EQ(loja.Executa("1", PacoteRecusa), Desfecho::NaoConcluida);
    EXPECT_EQ(loja.resumo, "não concluído: parou durante a instalação da nova versão (O pacote não "
                           "confirmou a instalação (C:\\Windows\\InstCliM.ini sem OK=1)); a configuração já tinha "
                           "sido gravada: Empresa, CBVivo");
    // Nothing in the string is known: a status of its own, before anything is done.
    for (const char* modo : {"1", "2"}) {
        EXPECT_EQ(loja.Executa(modo, {}, "Frob=1;Empresa="), Desfecho::NenhumItemConhecido) << modo;
        EXPECT_EQ(loja.resumo, "nenhum item conhecido na configuração; nada foi gravado nem instalado");
        EXPECT_TRUE(loja.iniciadas.empty()) << modo;
    }

    // A start puts back a saved file whose original is gone, and says so.
    SistemaTeste s(loja.raiz.Caminho());
    std::filesystem::remove(s.Map().ToLocal("C:\\Client\\Cheque.ini"));
    SistemaTeste cancelada(loja.raiz.Caminho());
    OperadorTeste o;
    Instalador i(cancelada, o);
    ASSERT_TRUE(i.FormCreate({}));
    i.btCancelaClick();
    EXPECT_EQ(textos::Utf8(i.Resumo()), "cancelado pelo operador; nada foi instalado");
    std::vector<std::string> registro;
    for (const auto& l : o.registro) registro.push_back(textos::Utf8(l));
    EXPECT_EQ(registro, (std::vector<std::string>{
                            "Devolvido ao seu nome: C:\\Client\\Cheque.ini_Atual -> C:\\Client\\Cheque.ini",
                            "Configurações salvas por uma instalação não concluída aguardam ser levadas para os "
                            "novos arquivos: C:\\Client\\ClienteTrn.ini_Atual"}));
}

// A second backup on the same day has a name of its own, and a copy is named
// as a backup only once it is whole.
TEST_F(Instalacao, EveryBackupHasANameOfItsOwnAndOnlyAWholeCopyIsNamedSo) {
    sistema.Poe("C:\\Client\\a.ini", "A");
    Inicia({"C:\\Client", "2"});
    sistema.FalhaNa(Operacao::Renomeia, sistema.Chamadas(Operacao::Renomeia) + 1);
    instalador.FazBackupAplicacao();  // copied, but never renamed: left as partial
    EXPECT_FALSE(sistema.Existe("C:\\Client_20240131"));
    EXPECT_EQ(sistema.Le("C:\\Client_20240131.parcial\\a.ini"), "A");
    instalador.FazBackupAplicacao();
    instalador.FazBackupAplicacao();
    EXPECT_EQ(sistema.Le("C:\\Client_20240131_2\\a.ini"), "A");
    EXPECT_EQ(sistema.Le("C:\\Client_20240131_3\\a.ini"), "A");
    EXPECT_TRUE(sistema.Existe("C:\\Client\\Instala.trava"));
    EXPECT_FALSE(sistema.Existe("C:\\Client_20240131_2\\Instala.trava"));
    EXPECT_FALSE(sistema.Existe("C:\\Client_20240131_2\\Client"));
    std::vector<std::string> registro;
    for (const auto& l : operador.registro) registro.push_back(textos::Utf8(l));
    EXPECT_EQ(std::count(registro.begin(), registro.end(),
                         "Um backup interrompido ficou incompleto em C:\\Client_20240131.parcial; não é usado e pode "
                         "ser apagado"),
              2);
}

namespace {

// A package an earlier run started, still running (its process, or Windows
// Installer busy) for as long as a run waits: every mode stops with its own
// status and touches nothing, the saved settings above all.
TEST(PacoteAnterior, StillRunningAfterTheWaitEveryModeStopsAndTouchesNothing) {
    Loja loja;
    SistemaTeste s(loja.raiz.Caminho());
    s.MoveFile("C:\\Client\\ClienteTrn.ini", "C:\\Client\\ClienteTrn.ini_Atual");
    s.Poe("C:\\Client\\Instala.pendente", "ZV-PENDENTE 1\r\nClienteTrn.ini\r\nFIM\r\n");
    s.Poe("C:\\Client\\Instala.pacote", "ZV-PACOTE 1\r\n3:7\r\nFIM\r\n");
    const auto antes = Arvore(loja.raiz.Caminho() + "/C/Client");
    const std::vector<std::pair<const char*, std::function<void(SistemaTeste&)>>> rodando = {
        {"processo", [](SistemaTeste& t) { t.rodando = {"3:7"}; }},
        {"Windows Installer", [](SistemaTeste& t) { t.instaladorOcupado = true; }},
    };
    for (const auto& [como, prepara] : rodando) {
        for (const char* modo : {"0", "1", "2"}) {
            EXPECT_EQ(loja.Executa(modo, prepara), Desfecho::PacoteEmAndamento) << como << modo;
            EXPECT_EQ(CodigoSaida(Desfecho::PacoteEmAndamento), 12);
            EXPECT_EQ(Arvore(loja.raiz.Caminho() + "/C/Client"), antes) << como << modo;
            EXPECT_TRUE(loja.Registrou("pode ainda estar em andamento após 15 minutos")) << como << modo;
        }
    }
    // Once it has ended, the package's files stay and the saved settings are carried.
    EXPECT_EQ(loja.Executa("1"), Desfecho::Concluida);
    EXPECT_TRUE(loja.Registrou("O pacote iniciado por uma execução anterior (processo 3) terminou"));
    EXPECT_EQ(loja.Defeitos("1"), "");
}

}  // namespace

namespace {

// A read-only settings file is carried; the copy Instala saved of it stays its
// own to write and remove, so the next runs are not blocked by it.
TEST(Repeticao, AReadOnlySettingsFileLeavesNoCopyThatBlocksTheNextRuns) {
    Loja loja;
    for (const char* nome : {"/C/Client/ClienteTrn.ini", "/C/Client/Cheque.ini"}) {
        std::filesystem::permissions(loja.raiz.Caminho() + nome, std::filesystem::perms::owner_read);
    }
    for (int vez = 0; vez < 2; ++vez) EXPECT_EQ(loja.Executa("1", {}, ""), Desfecho::Concluida) << vez;
    EXPECT_EQ(loja.Executa("2", {}, "CBVivo=1"), Desfecho::Concluida);
}

}  // namespace
