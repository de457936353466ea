#include "Instalador.h"

#include <cstdio>

#include "ArquivoIni.h"
#include "Textos.h"
#include "profile/Profile.h"

namespace instala {

using textos::Formata;
using textos::Latin;

namespace {

constexpr uint32_t kMbIconError = 0x10;
constexpr uint32_t kFofCopiaBackup = 0x150;  // simple progress, allow undo, no confirmation
constexpr uint32_t kHelpContextPasta = 1000;

std::string Maiusculas(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return s;
}

}  // namespace

int CodigoSaida(Desfecho desfecho) {
    switch (desfecho) {
        case Desfecho::Concluida: return 0;
        case Desfecho::NaoConcluida: return 1;
        case Desfecho::ConfiguracaoInvalida: return 2;
        case Desfecho::PedidoFinalizacaoFalhou: return 4;
        case Desfecho::GravacaoConfiguracaoFalhou: return 5;
        case Desfecho::Cancelada: return 6;
        case Desfecho::EmAndamento: return 1;
    }
    return 1;
}

Argumentos LeArgumentos(const std::vector<std::string>& argumentos) {
    Argumentos a;
    if (argumentos.size() >= 2) {
        a.diretorio = argumentos[0];
        a.modo = argumentos[1];
        if (a.modo != "0" && a.modo != "1" && a.modo != "2") a.modo = "0";
    }
    if (argumentos.size() >= 3) a.configuracao = argumentos[2];
    return a;
}

Instalador::Instalador(zvsys::System& sistema, Operador& operador) : sistema_(sistema), operador_(operador) {}

bool Instalador::FormCreate(const std::vector<std::string>& argumentos) {
    diretorioWindows_ = sistema_.WindowsDirectory().substr(0, 255);
    const auto doisPontos = diretorioWindows_.find(':');
    const std::string drive = doisPontos == std::string::npos ? "" : diretorioWindows_.substr(0, doisPontos + 1);
    const std::string padrao = sistema_.DirectoryExists(drive + "\\Client") ? drive + "\\Client" : "";
    operador_.MostraMensagem(Latin(textos::kSelecione));

    const Argumentos a = LeArgumentos(argumentos);
    diretorioArgumento_ = a.diretorio;
    modo_ = a.modo;
    configuracao_ = a.configuracao;
    if (modo_ == "0") {
        diretorioCliente_ = padrao;
        return true;
    }
    diretorioCliente_ = diretorioArgumento_;
    if (!configuracao_.empty()) {
        ConversaoConfiguracao conversao = Conversao();
        switch (conversao.AplicaParametrosConfiguracao(configuracao_)) {
            case ResultadoAplicacao::Invalida:
                desfecho_ = Desfecho::ConfiguracaoInvalida;
                return false;
            case ResultadoAplicacao::FalhaGravacao:
                operador_.MessageBox(Formata(Latin(textos::kErroGravacaoConfiguracao), conversao.UltimaFalha()),
                                     Latin(textos::kTituloValidacao), kMbOk | kMbIconError | kMbTopmost);
                desfecho_ = Desfecho::GravacaoConfiguracaoFalhou;
                return false;
            case ResultadoAplicacao::Aplicada:
                break;
        }
    }
    if (modo_ == "1") {
        btInstalaClick();
    } else {
        desfecho_ = Desfecho::Concluida;
    }
    return false;
}

void Instalador::btCancelaClick() {
    if (desfecho_ == Desfecho::EmAndamento) desfecho_ = Desfecho::Cancelada;
}

bool Instalador::Pergunta(const std::string& texto, const std::string& titulo, uint32_t flags) {
    if (modo_ != "0") return true;
    return operador_.MessageBox(texto, titulo, flags) == kIdYes;
}

void Instalador::Termina(const char* mensagem, EstadoJanela estado, Desfecho desfecho) {
    operador_.MostraMensagem(Latin(mensagem));
    operador_.DefineEstado(estado);
    desfecho_ = desfecho;
    operador_.ProcessaMensagens();
}

void Instalador::btInstalaClick() {
    desfecho_ = Desfecho::EmAndamento;
    operador_.DefineEstado(EstadoJanela::Executando);

    if (VerificaProcessoAtivo("ClientVorix.exe", true)) {
        if (modo_ == "0") {
            operador_.MessageBox(Latin(textos::kReboot), Latin(textos::kClienteVorixModular),
                                 kMbOk | kMbIconInformation);
        } else if (modo_ == "1") {
            ConversaoConfiguracao conversao = Conversao();
            if (!conversao.SolicitaFinalizacaoIntPos()) {
                operador_.MessageBox(Formata(Latin(textos::kErroPedidoFinalizacao), conversao.UltimaFalha()),
                                     Latin(textos::kClienteVorixModular), kMbOk | kMbIconError);
                desfecho_ = Desfecho::PedidoFinalizacaoFalhou;
                return;
            }
        }
    }

    FazBackupAplicacao();
    operador_.MostraMensagem(Latin(textos::kAguarde));
    operador_.ProcessaMensagens();

    if (!DesinstalaVersaoAntiga()) {
        operador_.MostraMensagem(Latin(textos::kSelecione));
        operador_.DefineEstado(EstadoJanela::Aguardando);
        // Unattended there is nobody to start again: the run ends here.
        if (modo_ == "1") desfecho_ = Desfecho::NaoConcluida;
        return;
    }

    // Removing earlier versions takes these files with them unless they are saved first.
    if (!Conversao().SalvaArquivosAtuais()) {
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
        return;
    }

    operador_.MostraMensagem(Latin(textos::kDesinstalandoAnteriores));
    operador_.ProcessaMensagens();
    DesinstalaVersoesModulares();

    operador_.MostraMensagem(Latin(textos::kInstalandoNova));
    operador_.ProcessaMensagens();
    if (!InstalaNovaVersao()) {
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
        return;
    }
    if (InstalacaoConfirmada()) {
        ConversaoConfiguracao conversao = Conversao();
        if (conversao.ConverteArquivosConfiguracao()) {
            Termina(textos::kSucesso, modo_ == "1" ? EstadoJanela::SucessoSemOK : EstadoJanela::Sucesso,
                    Desfecho::Concluida);
        } else {
            // Success would hide settings that did not reach the new files.
            operador_.MessageBox(Formata(Latin(textos::kErroConversao), conversao.UltimaFalha()),
                                 Latin(textos::kClienteVorixModular), kMbOk | kMbIconError);
            Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
        }
    } else {
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
    }
    sistema_.DeleteFile(Caminho(diretorioWindows_, "InstCliM.ini"));
    operador_.ProcessaMensagens();
}

bool Instalador::InstalacaoConfirmada() {
    const std::string ok = LeValorIni(sistema_, Caminho(diretorioWindows_, "InstCliM.ini"), "Instalacao", "OK", "");
    return profile::ParseProfileInt(ok, 0) != 0;
}

bool Instalador::ExecutaComando(const std::string& linhaComando, bool espera) {
    const auto processo = sistema_.StartProcess(linhaComando);
    if (!processo) return false;
    bool ok = true;
    if (espera) {
        // Waits in slices so the window keeps answering while the program runs.
        while (true) {
            const zvsys::WaitResult r = sistema_.WaitForProcess(*processo, 1000);
            sistema_.Sleep(10);
            operador_.ProcessaMensagens();
            if (r == zvsys::WaitResult::Failed) ok = false;
            if (r != zvsys::WaitResult::Timeout) break;
        }
    }
    sistema_.CloseProcess(*processo);
    return ok;
}

bool Instalador::VerificaProcessoAtivo(const std::string& executavel, bool ofereceFinalizar) {
    const auto processos = sistema_.ProcessSnapshot();
    if (!processos) return false;
    for (const auto& p : *processos) {
        std::string nome = p.exeFile.substr(0, 260);
        const auto barra = nome.rfind('\\');
        if (barra != std::string::npos) nome = nome.substr(barra + 1);
        if (Maiusculas(nome) != Maiusculas(executavel)) continue;
        bool ativo = true;
        if (ofereceFinalizar &&
            Pergunta(Formata(Latin(textos::kProcessoAtivo), executavel), Latin(textos::kClienteVorixModular),
                     kMbYesNo | kMbTopmost) &&
            sistema_.TerminateProcess(p.id, 0)) {
            ativo = false;
        }
        return ativo;
    }
    return false;
}

void Instalador::FazBackupAplicacao() {
    if (!Pergunta(Latin(textos::kPerguntaBackup), Latin(textos::kClientVorixModular), kMbYesNo)) return;
    std::string origem;
    if (!diretorioCliente_.empty() && sistema_.DirectoryExists(diretorioCliente_)) {
        origem = diretorioCliente_;
    } else if (modo_ == "1") {
        return;
    } else {
        operador_.MessageBox(Latin(textos::kDiretorioNaoEncontrado), Latin(textos::kClientVorixModular),
                             kMbOk | kMbIconInformation);
        const auto doisPontos = diretorioWindows_.find(':');
        const std::string drive =
            doisPontos == std::string::npos ? "" : diretorioWindows_.substr(0, doisPontos + 1);
        const auto escolhida =
            sistema_.BrowseForFolder(Latin(textos::kClientVorixModular), drive, kHelpContextPasta);
        if (!escolhida || escolhida->empty()) return;
        origem = *escolhida;
    }
    const zvsys::Date hoje = sistema_.Today();
    char data[16];
    std::snprintf(data, sizeof data, "%04d%02d%02d", hoje.year % 10000, hoje.month % 100, hoje.day % 100);
    const std::string destino = origem + "_" + data;
    operador_.MostraMensagem(Formata(Latin(textos::kFazendoBackup), destino));
    operador_.ProcessaMensagens();
    // A backup that fails does not stop the installation.
    sistema_.ShellCopyFolder(origem, destino, kFofCopiaBackup);
}

std::string Instalador::LinhaDesinstaladorAntigo() const {
    return diretorioWindows_ + "\\uninst.exe -f" + diretorioCliente_ + "\\DeIsL1.isu -y -a";
}

std::string Instalador::LinhaVersoesModulares() {
    return "wmic product where \"name like 'Cliente Vorix Modular V%'\" call uninstall /nointeractive";
}

std::string Instalador::PastaInstalador() const { return sistema_.ProgramFolder() + "\\"; }

std::string Instalador::LinhaInstalacao(bool produtoRegistrado, const std::string& pacote) const {
    const std::string q = "\"";
    std::string linha = "msiexec.exe /I " + q + PastaInstalador() + pacote + q;
    if (produtoRegistrado) {
        linha += " REINSTALLMODE=vamus REINSTALL=ALL";
    } else if (!diretorioCliente_.empty()) {
        linha += " REINSTALLMODE=amus INSTALLDIR=" + q + diretorioCliente_ + "\\" + q;
    } else {
        linha += " REINSTALLMODE=amus";
    }
    if (modo_ == "1") linha += " /quiet";
    return linha;
}

bool Instalador::DesinstalaVersaoAntiga() {
    if (!sistema_.FileExists(Caminho(diretorioCliente_, "ClienteVorix.exe")) ||
        !sistema_.FileExists(Caminho(diretorioCliente_, "DeIsL1.isu")) ||
        !sistema_.FileExists(Caminho(diretorioWindows_, "uninst.exe"))) {
        return true;
    }
    if (!Pergunta(Latin(textos::kVersaoAntiga), Latin(textos::kTituloVersaoAntiga), kMbYesNo | kMbTopmost)) {
        return false;
    }
    return Conversao().DesinstalaMantendoArquivos(
        [this] { return ExecutaComando(LinhaDesinstaladorAntigo(), false); });
}

void Instalador::DesinstalaVersoesModulares() { ExecutaComando(LinhaVersoesModulares(), true); }

bool Instalador::InstalaNovaVersao() {
    const std::string pasta = PastaInstalador();
    const std::string setup = pasta + "Setup.ini";
    std::string pacote = LeValorIni(sistema_, setup, "Startup", "PackageName", "");
    const std::string produto = LeValorIni(sistema_, setup, "Startup", "Product", "");
    const std::string codigo = LeValorIni(sistema_, setup, "Startup", "ProductCode", "");
    if (pacote.empty() || !sistema_.FileExists(pasta + pacote)) {
        if (!produto.empty() && sistema_.FileExists(pasta + produto)) {
            pacote = produto;
        } else {
            if (modo_ == "0") {
                operador_.MessageBox(Latin(textos::kPacoteNaoEncontrado), Latin(textos::kTitulo), kMbOk);
            }
            return false;
        }
    }
    const std::string linha = LinhaInstalacao(ProdutoInstalado(produto, codigo), pacote);
    if (ExecutaComando(linha, true)) {
        operador_.TrazParaFrente();
        return true;
    }
    if (modo_ == "0") operador_.MessageBox(Latin(textos::kErroInstalador), Latin(textos::kTitulo), kMbOk);
    return false;
}

bool Instalador::ProdutoInstalado(const std::string& produto, const std::string& codigoProduto) {
    const auto subchaves = sistema_.UninstallSubkeys();
    if (!subchaves) return false;
    for (const auto& s : *subchaves) {
        const auto nome = sistema_.UninstallValue(s, "DisplayName");
        if (nome && *nome == produto && s == codigoProduto) return true;
    }
    return false;
}

}  // namespace instala
