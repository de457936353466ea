// Instala run as a program in a scratch drive root, with the stand-in programs
// in C:\Windows and a stand-in client process running.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>

#include "Rascunho.h"
#include "profile/FileIo.h"
#include "profile/Profile.h"

namespace fs = std::filesystem;

namespace {

class InstalaPrograma : public ::testing::Test {
protected:
    void SetUp() override {
        raiz_ = instalatest::NovaPastaRascunho("zve2e");
        // The installer folder holds the program (and its libraries), Setup.ini and the package.
        const fs::path bin = fs::path(ZV_INSTALA_BIN).parent_path();
        fs::create_directories(raiz_ + "/C/Instalador");
        for (const char* f : {"Instala", "instala_interrompido", "libprofile.so", "libforms.so"}) {
            if (fs::exists(bin / f)) fs::copy_file(bin / f, raiz_ + "/C/Instalador/" + f);
        }
        Poe("C/Instalador/Setup.ini", "[Startup]\r\nPackageName=ClienteModular.msi\r\nProduct=Cliente Vorix Modular\r\n"
                                      "ProductCode={0A1B}\r\n");
        Poe("C/Instalador/ClienteModular.msi", "pacote");
        fs::create_directories(raiz_ + "/C/Windows/System32");
        fs::copy_file(std::string(ZV_STANDINS) + "/msiexec.exe", raiz_ + "/C/Windows/System32/msiexec.exe");
        fs::copy_file(std::string(ZV_STANDINS) + "/wmic", raiz_ + "/C/Windows/System32/wmic");
        fs::copy_file(std::string(ZV_STANDINS) + "/uninst.exe", raiz_ + "/C/Windows/uninst.exe");
        // What the package installs.
        Poe("pacote/Cheque.ini", "[Banco1]\r\nHabilitado=0\r\n");
        Poe("pacote/ClienteTrn.ini", "[Credito]\r\nNovo=1\r\n");
        // The installed client.
        Poe("C/Client/Cheque.ini", "[Banco1]\r\nHabilitado=1\r\n");
        Poe("C/Client/ClienteTrn.ini", "[Credito]\r\nParcelas=12\r\n");
        Poe("C/Client/Cheque.ini_Atual", "anterior");
        Poe("C/Client/ClientVorix.ini", "[Antigo]\r\nx=1\r\n");
        Poe("C/Client/ClienteVorix.exe", "");
        Poe("C/Client/DeIsL1.isu", "");
        Poe("C/Client/Req/.keep", "");
    }
    void TearDown() override {
        if (cliente_ > 0) {
            ::kill(cliente_, SIGKILL);
            ::waitpid(cliente_, nullptr, 0);
        }
        fs::remove_all(raiz_);
    }
    void Poe(const std::string& rel, const std::string& conteudo) {
        fs::create_directories((fs::path(raiz_) / rel).parent_path());
        std::ofstream(fs::path(raiz_) / rel, std::ios::binary) << conteudo;
    }
    std::string Le(const std::string& rel) { return profile::LoadFile(raiz_ + "/" + rel).value_or("<sem arquivo>"); }
    bool Existe(const std::string& rel) { return fs::exists(raiz_ + "/" + rel); }

    void IniciaCliente() {
        std::string sleep = fs::exists("/bin/sleep") ? "/bin/sleep" : "/usr/bin/sleep";
        const std::string exe = raiz_ + "/C/Client/ClientVorix.exe";
        fs::copy_file(sleep, exe);
        cliente_ = ::fork();
        if (cliente_ == 0) {
            ::execl(exe.c_str(), exe.c_str(), "120", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Wait until the child runs the copied program (a snapshot would see the forked test otherwise).
        while (fs::read_symlink("/proc/" + std::to_string(cliente_) + "/exe").filename() != "ClientVorix.exe") {
        }
    }
    // Runs the installer with no standard input, as a deployment tool does.
    // The status is 137 when the program was killed.
    std::string Comando(const std::string& argumentos, const std::string& ambiente, const char* programa) {
        return "cd " + raiz_ + " && exec env ZV_DRIVE_ROOT=" + raiz_ + " ZV_MSIEXEC_FILES=" + raiz_ + "/pacote " + ambiente +
               " C/Instalador/" + programa + " " + argumentos;
    }
    int Executa(const std::string& argumentos, const std::string& ambiente = "", const char* programa = "Instala") {
        const std::string comando = Comando(argumentos, ambiente, programa) + " </dev/null >" + raiz_ + "/saida.txt 2>&1";
        const int r = std::system(comando.c_str());
        return WIFEXITED(r) ? WEXITSTATUS(r) : 128 + WTERMSIG(r);
    }
    // The attended installer, with a terminal of its own and an operator who
    // presses Enter every 0.2 s until it ends (or 20 s have passed: status 124).
    int ExecutaAtendido() {
        const std::string comando = "(while printf '\\r'; do sleep 0.2; done) | timeout 20 script -qec \"" +
                                    Comando("", "TERM=xterm", "Instala") + "\" /dev/null >" + raiz_ + "/saida.txt 2>&1";
        const int r = std::system(comando.c_str());
        return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    }
    // A run started in the background, its output in `saida`.
    pid_t Inicia(const std::string& argumentos, const std::string& ambiente, const char* programa, const std::string& saida) {
        const std::string comando = Comando(argumentos, ambiente, programa) + " </dev/null >" + raiz_ + "/" + saida + " 2>&1";
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl("/bin/sh", "sh", "-c", comando.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return pid;
    }
    // Until no stand-in package of this drive root runs.
    // Also a live child of `pai`: a package just forked has not yet become msiexec.
    void EsperaPacotes(pid_t pai = 0) {
        const std::string pacote = raiz_ + "/C/Windows/System32/msiexec.exe";
        for (bool rodando = true; rodando; ::usleep(rodando ? 5000 : 0)) {
            rodando = false;
            for (const auto& e : fs::directory_iterator("/proc")) {
                const auto linha = profile::LoadFile(e.path().string() + "/cmdline");
                rodando = rodando || (linha && linha->find(pacote) != std::string::npos);
                const auto stat = profile::LoadFile(e.path().string() + "/stat");
                const size_t fim = stat ? stat->rfind(')') : std::string::npos;
                if (pai == 0 || fim == std::string::npos) continue;
                char estado = 0;
                int ppid = 0;
                rodando = rodando || (std::sscanf(stat->c_str() + fim + 1, " %c %d", &estado, &ppid) == 2 &&
                                      ppid == pai && estado != 'Z');
            }
        }
    }
    static int Espera(pid_t pid) {
        int r = 0;
        ::waitpid(pid, &r, 0);
        return WIFEXITED(r) ? WEXITSTATUS(r) : 128 + WTERMSIG(r);
    }
    // Every file under C with its content (the installer's own folder aside):
    // what "nothing changed" compares.
    std::map<std::string, std::string> Drive() {
        std::map<std::string, std::string> arvore;
        for (auto it = fs::recursive_directory_iterator(raiz_ + "/C"); it != fs::recursive_directory_iterator(); ++it) {
            const auto& e = *it;
            if (e.path().filename() == "Instalador") {
                it.disable_recursion_pending();
                continue;
            }
            arvore[e.path().string()] = e.is_regular_file() ? Le(e.path().string().substr(raiz_.size() + 1)) : "<pasta>";
        }
        return arvore;
    }

    // Links out of every folder Instala walks (Req is one, with a stray temporary
    // behind it; two settings files are; the backup's name is taken by one), to a folder
    // "fora" beside the drive, which must stay as it is.
    void PoeLigacoes() {
        Poe("fora/Req/IntPos.001.zvtmp.Ab12Cd", "de outro");
        Poe("fora/Cliente.ini.zvtmp.Ab12Cd", "de outro");
        fs::remove_all(raiz_ + "/C/Client/Req");
        fs::create_directory_symlink(raiz_ + "/fora/Req", raiz_ + "/C/Client/Req");
        for (const std::string ini : {"Cheque.ini", "Cliente.ini"}) {
            Poe("fora/" + ini, Le("C/Client/" + ini));
            fs::remove(raiz_ + "/C/Client/" + ini);
            fs::create_symlink(raiz_ + "/fora/" + ini, raiz_ + "/C/Client/" + ini);
        }
        char hoje[16];
        const std::time_t agora = std::time(nullptr);
        std::strftime(hoje, sizeof hoje, "%Y%m%d", std::localtime(&agora));
        for (const std::string pasta : {"C/Client/ligada", "C/Instalador/ligada", "C/Windows/ligada", "C/Client_"}) {
            fs::create_directory_symlink(raiz_ + "/fora", raiz_ + "/" + pasta + (pasta.back() == '_' ? hoje : ""));
        }
    }
    std::map<std::string, std::string> Fora() {
        std::map<std::string, std::string> arvore;
        for (const auto& e : fs::recursive_directory_iterator(raiz_ + "/fora")) {
            arvore[e.path().string()] = Le(e.path().string().substr(raiz_.size() + 1));
        }
        return arvore;
    }

    std::string raiz_;
    pid_t cliente_ = -1;
};

TEST_F(InstalaPrograma, UnattendedRunEndsTheClientInstallsAndCarriesTheSettings) {
    IniciaCliente();
    EXPECT_EQ(Executa("'C:\\Client' 1 'Empresa=AB12CD34;Terminal=XY000123;CBVivo=1'"), 0) << Le("saida.txt");
    int status = 0;
    ASSERT_EQ(::waitpid(cliente_, &status, 0), cliente_);
    cliente_ = -1;
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_FALSE(Existe("C/Client/Req/IntPos.001"));

    // Dated backup of the folder as it was (this test's date comes from the program's own clock).
    bool backup = false;
    for (const auto& e : fs::directory_iterator(raiz_ + "/C")) {
        const std::string nome = e.path().filename().string();
        if (nome.rfind("Client_", 0) == 0 && nome.size() == 15) {
            backup = profile::LoadFile(e.path().string() + "/Cheque.ini") == "[Banco1]\r\nHabilitado=1\r\n";
        }
    }
    EXPECT_TRUE(backup);
    EXPECT_EQ(Le("uninst.log"), "C:\\Windows\\uninst.exe -fC:\\Client\\DeIsL1.isu -y -a\n");
    EXPECT_EQ(Le("C/Client/ClientVorix.ini"), "[Antigo]\r\nx=1\r\n");
    EXPECT_FALSE(Existe("C/Client/ClientVorix.ini_bkp"));
    EXPECT_EQ(Le("wmic.log"), "wmic product where \"name like 'Cliente Vorix Modular V%'\" call uninstall /nointeractive\n");
    EXPECT_EQ(Le("msiexec.log"),
              "msiexec.exe /I \"C:\\Instalador\\ClienteModular.msi\" REINSTALLMODE=amus INSTALLDIR=\"C:\\Client\\\" /quiet\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini_Atual"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini_Atual"), "[Credito]\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Le("C/Client/Cliente.ini"), "[ClientVorix]\r\nEmpresa=AB12CD34\r\nTerminal=XY000123\r\n");
    EXPECT_FALSE(Existe("C/Windows/InstCliM.ini"));
}

TEST_F(InstalaPrograma, PackageFailureOrRefusalLeavesTheSavedFilesForALaterRun) {
    EXPECT_EQ(Executa("'C:\\Client' 1", "ZV_MSIEXEC_OK=none ZV_MSIEXEC_EXIT=1603"), 1) << Le("saida.txt");
    EXPECT_EQ(Le("C/Client/Cheque.ini_Atual"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=0\r\n");
    EXPECT_NE(Le("saida.txt").find("A Instalação não foi Concluída"), std::string::npos);

    // A retry keeps the till's saved settings, not what the failed package left.
    EXPECT_EQ(Executa("'C:\\Client' 1", "ZV_MSIEXEC_OK=0"), 1);
    EXPECT_FALSE(Existe("C/Windows/InstCliM.ini"));
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini_Atual"), "[Credito]\r\nParcelas=12\r\n");
    EXPECT_NE(Le("saida.txt").find("O pacote não confirmou a instalação (C:\\Windows\\InstCliM.ini sem OK=1)"),
              std::string::npos) << Le("saida.txt");
    EXPECT_EQ(Executa("'C:\\Client' 1"), 0) << Le("saida.txt");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\nParcelas=12\r\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
}

TEST_F(InstalaPrograma, ConfigurationOnlyInvalidItemsAndAttendedWithoutTerminal) {
    EXPECT_EQ(Executa("'C:\\Client' 2 'PortaPinpad=AUTO_USB'"), 0);
    EXPECT_EQ(Le("C/Client/Cliente.ini"), "[ClientVorix]\r\nPortaPin=AUTO_USB\r\nTipoPIN=Pinpad EMV\r\n");
    EXPECT_FALSE(Existe("msiexec.log"));
    EXPECT_EQ(Executa("'C:\\Client' 1 'Empresa=AB12CD34;Terminal=XY000900'"), 2);
    EXPECT_NE(Le("saida.txt").find("[Validacao instalacao] Terminal Invalido"), std::string::npos);
    EXPECT_EQ(Le("C/Client/Cliente.ini"), "[ClientVorix]\r\nPortaPin=AUTO_USB\r\nTipoPIN=Pinpad EMV\r\n");
    EXPECT_FALSE(Existe("msiexec.log"));
    // A read-only file is refused, not replaced: nothing changes.
    fs::permissions(raiz_ + "/C/Client/Cliente.ini", fs::perms::owner_read);
    EXPECT_EQ(Executa("'C:\\Client' 2 'Empresa=AB12CD34;CBVivo=1'"), 5);
    EXPECT_EQ(Le("C/Client/Cliente.ini"), "[ClientVorix]\r\nPortaPin=AUTO_USB\r\nTipoPIN=Pinpad EMV\r\n");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nParcelas=12\r\n");
    EXPECT_EQ(Executa(""), 3);
    EXPECT_EQ(Executa("'C:\\Client' 7 'Empresa=AB12CD34'"), 3);
    EXPECT_FALSE(Existe("msiexec.log"));
}

// The installer killed (SIGKILL) before each change it makes in a run with a
// configuration, and once by the package while it runs; then a run without
// one. The till ends with the old or the new configuration in both files, its
// own settings carried into the new files, and nothing half-done left behind.
TEST_F(InstalaPrograma, KilledAtAnyStepTheNextRunLeavesEveryFileWholeAndConsistent) {
    Poe("C/Client/Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\nTerminal=AA000001\r\n");
    Poe("C/Client/ClienteTrn.ini", "[Credito]\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=0\r\n");
    fs::remove(raiz_ + "/C/Client/Cheque.ini_Atual");
    PoeLigacoes();
    const auto fora = Fora();
    const std::string modelo = raiz_ + "/modelo";
    fs::copy(raiz_ + "/C", modelo, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::string configuracao = "'C:\\Client' 1 'Empresa=AB12CD34;Terminal=XY000123;CBVivo=1'";
    auto valores = [this] {
        const std::string cliente = raiz_ + "/C/Client/Cliente.ini";
        return profile::GetPrivateProfileString("ClientVorix", "Empresa", "", cliente) + "," +
               profile::GetPrivateProfileString("ClientVorix", "Terminal", "", cliente) + "," +
               profile::GetPrivateProfileString("CodigoBarrasVivo", "TrnCredito", "", raiz_ + "/C/Client/ClienteTrn.ini");
    };
    int pontos = 0;
    for (int n = 0;; ++n) {
        fs::remove_all(raiz_ + "/C");
        fs::copy(modelo, raiz_ + "/C", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        // n = 0: killed by the package as it ends; then before the n-th change.
        const int primeira = n == 0 ? Executa(configuracao, "ZV_MSIEXEC_KILL=installer")
                                    : Executa(configuracao, "ZV_INTERROMPE_NA=" + std::to_string(n), "instala_interrompido");
        if (primeira != 137) {
            EXPECT_EQ(primeira, 0) << n << Le("saida.txt");
            break;
        }
        ++pontos;
        const std::string onde = "morto na mudanca " + std::to_string(n);
        EXPECT_EQ(Executa("'C:\\Client' 1"), 0) << onde << Le("saida.txt");
        // The killed run's lock held the folder until it died, and is taken over.
        EXPECT_NE(Le("saida.txt").find("Assumida a trava C:\\Client\\Instala.trava de uma execução que não existe mais "
                                       "(processo "),
                  std::string::npos)
            << onde << Le("saida.txt");
        const std::string v = valores();
        EXPECT_TRUE(v == "ANTIGA,AA000001,0" || v == "AB12CD34,XY000123,1") << onde << ": " << v;
        EXPECT_NE(Le("C/Client/ClienteTrn.ini").find("Parcelas=12"), std::string::npos) << onde;
        EXPECT_NE(Le("C/Client/ClienteTrn.ini").find("Novo=1"), std::string::npos) << onde;
        EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n") << onde;
        EXPECT_EQ(Le("C/Client/ClientVorix.ini"), "[Antigo]\r\nx=1\r\n") << onde;
        EXPECT_EQ(Fora(), fora) << onde;
        // (A backup holds the folder as it was, a waiting record included.)
        for (const char* pasta : {"/C/Client", "/C/Windows"}) {
            for (const auto& e : fs::recursive_directory_iterator(raiz_ + pasta)) {
                const std::string nome = e.path().filename().string();
                EXPECT_TRUE(nome.find(".zvtmp.") == std::string::npos && nome.find("_bkp") == std::string::npos &&
                            nome.rfind("Instala.", 0) != 0 && nome != "InstCliM.ini" && nome != "IntPos.Tmp")
                    << onde << ": " << e.path();
            }
        }
    }
    EXPECT_GE(pontos, 15);
}

// Two real runs at once: while the first waits for Windows Installer, a second
// one in any mode says another installation is running, naming the folder and
// the first run's process, and changes nothing; the first then ends as it would.
TEST_F(InstalaPrograma, ASecondRunWhileTheFirstInstallsChangesNothingAndSaysSo) {
    const pid_t primeira = Inicia("'C:\\Client' 1 'CBVivo=1'", "ZV_MSIEXEC_ESPERA=libera", "Instala", "primeira.txt");
    // Started, and named in the folder's record of its package.
    for (int r = 0; !Existe("msiexec.rodando") || Le("C/Client/Instala.pacote").find(':') == std::string::npos; ::usleep(5000)) {
        ASSERT_NE(::waitpid(primeira, &r, WNOHANG), primeira) << Le("primeira.txt");
    }
    const auto antes = Drive();
    const std::string mensagem = "Instala: Outra instalação está em andamento na pasta C:\\Client (processo " +
                                 std::to_string(primeira) + "); esta execução não alterou nada\n";
    for (const char* modo : {"0", "1", "2"}) {
        const int status = *modo == '0' ? ExecutaAtendido() : Executa(std::string("'C:\\Client' ") + modo + " 'CBVivo=0'");
        EXPECT_EQ(status, 8) << modo << Le("saida.txt");
        std::string saida = Le("saida.txt");
        saida.erase(std::remove(saida.begin(), saida.end(), '\r'), saida.end());
        EXPECT_NE(saida.find(mensagem), std::string::npos) << modo << saida;
        // The last line (a terminal may echo a key or two after it: blank lines).
        while (!saida.empty() && saida.back() == '\n') saida.pop_back();
        const std::string ultima = saida.substr(saida.rfind('\n') + 1);
        EXPECT_EQ(ultima, "Instala: outra instalação trabalha na pasta C:\\Client; nada foi feito") << modo << saida;
        EXPECT_EQ(Drive(), antes) << modo;
    }
    Poe("libera", "");
    EXPECT_EQ(Espera(primeira), 0) << Le("primeira.txt");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
    EXPECT_FALSE(Existe("C/Client/Instala.trava"));
}

// The attack table's concurrent part: the first run paused before each change
// it makes, a second run in every mode meanwhile (attended at every fourth). Each second run is refused
// and changes nothing; each first run then ends with the new configuration in
// both files and the till's settings carried.
TEST_F(InstalaPrograma, PausedAtAnyStepTheFolderIsItsAloneInEveryMode) {
    Poe("C/Client/Cliente.ini", "[ClientVorix]\r\nEmpresa=ANTIGA\r\n");
    fs::remove(raiz_ + "/C/Client/Cheque.ini_Atual");
    fs::copy(raiz_ + "/C/Client", raiz_ + "/C/ClientB", fs::copy_options::recursive);
    const std::string modelo = raiz_ + "/modelo";
    fs::copy(raiz_ + "/C", modelo, fs::copy_options::recursive);
    int pontos = 0;
    for (int n = 1;; ++n) {
        fs::remove_all(raiz_ + "/C");
        fs::copy(modelo, raiz_ + "/C", fs::copy_options::recursive);
        fs::remove(raiz_ + "/pausado");
        fs::remove(raiz_ + "/continua");
        const pid_t primeira = Inicia("'C:\\Client' 1 'Empresa=AB12CD34;CBVivo=1'", "ZV_PAUSA_NA=" + std::to_string(n),
                                      "instala_interrompido", "primeira.txt");
        int status = -1;
        while (!Existe("pausado")) {
            int r = 0;
            if (::waitpid(primeira, &r, WNOHANG) == primeira) {
                status = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
                break;
            }
            ::usleep(2000);
        }
        if (status != -1) {
            EXPECT_EQ(status, 0) << n << Le("primeira.txt");
            break;
        }
        ++pontos;
        const std::string onde = "pausada na mudanca " + std::to_string(n);
        // A package the paused run started is not the run's to pause: it ends first.
        EsperaPacotes(primeira);
        const auto antes = Drive();
        for (const char* modo : {"0", "1", "2"}) {
            // The attended run, with its terminal, costs a second: at every fourth step.
            if (*modo == '0' && n % 4 != 1) continue;
            const int segunda = *modo == '0' ? ExecutaAtendido() : Executa(std::string("'C:\\Client' ") + modo + " 'CBVivo=0'");
            EXPECT_EQ(segunda, 8) << onde << " modo " << modo << Le("saida.txt");
            EXPECT_EQ(Drive(), antes) << onde << " modo " << modo;
        }
        // A run on another folder meanwhile, whose package finds Windows Installer
        // busy: it waits while the paused run holds the package step, and its
        // result is its own, never the paused run's.
        const pid_t outra = Inicia("'C:\\ClientB' 1", "ZV_MSIEXEC_OK=none ZV_MSIEXEC_EXIT=1618", "Instala", "outra.txt");
        int statusOutra = -1;
        for (int r = 0; statusOutra == -1 && Le("outra.txt").find("aguardando") == std::string::npos; ::usleep(2000)) {
            if (::waitpid(outra, &r, WNOHANG) == outra) statusOutra = WIFEXITED(r) ? WEXITSTATUS(r) : 128;
        }
        Poe("continua", "");
        EXPECT_EQ(Espera(primeira), 0) << onde << Le("primeira.txt");
        if (statusOutra == -1) statusOutra = Espera(outra);
        EXPECT_EQ(statusOutra, 1) << onde << Le("outra.txt");
        EXPECT_NE(Le("outra.txt").find("outra instalação estava em andamento (1618"), std::string::npos) << onde << Le("outra.txt");
        EXPECT_EQ(Le("C/ClientB/ClienteTrn.ini"), Le("modelo/ClientB/ClienteTrn.ini")) << onde;
        const std::string cliente = raiz_ + "/C/Client/Cliente.ini", trn = raiz_ + "/C/Client/ClienteTrn.ini";
        EXPECT_EQ(profile::GetPrivateProfileString("ClientVorix", "Empresa", "", cliente), "AB12CD34") << onde;
        EXPECT_EQ(profile::GetPrivateProfileString("CodigoBarrasVivo", "TrnCredito", "", trn), "1") << onde;
        EXPECT_EQ(profile::GetPrivateProfileString("Credito", "Parcelas", "", trn), "12") << onde;
    }
    EXPECT_GE(pontos, 15);
}

// Without a client folder the package would install over the till's settings
// and the configuration land at the drive's root: nothing may happen.
TEST_F(InstalaPrograma, AnEmptyOrBlankClientFolderUnattendedTouchesNothing) {
    const auto antes = Drive();
    for (const std::string pasta : {"'' 1", "'' 2", "' ' 1", "'.' 2"}) {
        EXPECT_EQ(Executa(pasta + " 'Empresa=AB12CD34;CBVivo=1'"), 10) << pasta;
        EXPECT_NE(Le("saida.txt").find("Instala: A pasta do cliente (primeiro argumento)"), std::string::npos);
        EXPECT_EQ(Drive(), antes) << pasta;
    }
    EXPECT_FALSE(Existe("msiexec.log"));
}

// Killed while its package runs, the package goes on. A later run waits for
// it and never puts the saved settings back for the package to write over; the
// next installation carries them.
TEST_F(InstalaPrograma, APackageThatOutlivesItsRunIsWaitedForAndOverwritesNoSettings) {
    const pid_t primeira = Inicia("'C:\\Client' 1 'CBVivo=1'", "ZV_MSIEXEC_ESPERA=libera", "Instala", "primeira.txt");
    while (!Existe("msiexec.rodando")) ::usleep(5000);
    ::kill(primeira, SIGKILL);
    EXPECT_EQ(Espera(primeira), 137);
    const pid_t segunda = Inicia("'C:\\Client' 2 'CBVivo=1'", "", "Instala", "segunda.txt");
    for (int r = 0; Le("segunda.txt").find("aguardando") == std::string::npos; ::usleep(5000)) {
        if (::waitpid(segunda, &r, WNOHANG) == segunda) FAIL() << "did not wait: " << Le("segunda.txt");
    }
    EXPECT_FALSE(Existe("C/Client/ClienteTrn.ini"));
    Poe("libera", "");
    EXPECT_EQ(Espera(segunda), 0) << Le("segunda.txt");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini_Atual"), "[Credito]\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Executa("'C:\\Client' 1"), 0) << Le("saida.txt");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\nParcelas=12\r\n[CodigoBarrasVivo]\r\nTrnCredito=1\r\n");
    EXPECT_EQ(Le("C/Client/Cheque.ini"), "[Banco1]\r\nHabilitado=1\r\n");
}

// Runs on two folders at once: the package step is the machine's. The second
// waits while the first one's package runs, and its own failure (Windows
// Installer busy, no result file) is its own, never the first one's success.
TEST_F(InstalaPrograma, RunsOnTwoFoldersTakeThePackageStepInTurnAndEachItsOwnResult) {
    fs::copy(raiz_ + "/C/Client", raiz_ + "/C/ClientB", fs::copy_options::recursive);
    const pid_t a = Inicia("'C:\\Client' 1", "ZV_MSIEXEC_ESPERA=libera", "Instala", "a.txt");
    while (!Existe("msiexec.rodando")) ::usleep(5000);
    const pid_t b = Inicia("'C:\\ClientB' 1", "ZV_MSIEXEC_OK=none ZV_MSIEXEC_EXIT=1618", "Instala", "b.txt");
    for (int r = 0; Le("b.txt").find("aguardando") == std::string::npos; ::usleep(5000)) {
        if (::waitpid(b, &r, WNOHANG) == b) FAIL() << "did not wait: " << Le("b.txt");
    }
    EXPECT_EQ(Le("msiexec.log").find("ClientB"), std::string::npos);
    Poe("libera", "");
    EXPECT_EQ(Espera(a), 0) << Le("a.txt");
    EXPECT_EQ(Espera(b), 1) << Le("b.txt");
    EXPECT_NE(Le("b.txt").find("outra instalação estava em andamento (1618"), std::string::npos) << Le("b.txt");
    EXPECT_EQ(Le("C/Client/ClienteTrn.ini"), "[Credito]\r\nNovo=1\r\nParcelas=12\r\n");
    EXPECT_EQ(Le("C/ClientB/ClienteTrn.ini"), "[Credito]\r\nParcelas=12\r\n");
}

TEST_F(InstalaPrograma, HelpPrintsTheUsageAndTouchesNothing) {
    const auto antes = Drive();
    EXPECT_EQ(Executa("--help"), 0);
    EXPECT_NE(Le("saida.txt").find("usage: Instala [CLIENT_FOLDER RUN_MODE"), std::string::npos) << Le("saida.txt");
    EXPECT_NE(Le("saida.txt").find("  8  another installation is running on the client folder"), std::string::npos);
    // A fleet tool's unknown option never opens the attended installer.
    EXPECT_EQ(Executa("--frobnicate"), 2);
    EXPECT_NE(Le("saida.txt").find("usage: Instala"), std::string::npos) << Le("saida.txt");
    EXPECT_EQ(Executa("'C:\\Client' 1 x --frobnicate"), 2);
    EXPECT_EQ(Drive(), antes);
}

}  // namespace
