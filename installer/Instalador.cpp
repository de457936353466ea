#include "Instalador.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "ArquivoIni.h"
#include "PacoteIniciado.h"
#include "Textos.h"
#include "profile/Profile.h"
#include "system/WindowsPath.h"

namespace instala {

using textos::Formata;
using textos::Latin;

namespace {

constexpr uint32_t kFofCopiaBackup = 0x150;  // simple progress, allow undo, no confirmation
constexpr uint32_t kHelpContextPasta = 1000;
// Windows Installer's "another installation is in progress" (1618): it changed nothing.
bool InstaladorOcupado(uint32_t status) {
#ifdef _WIN32
    return status == 1618;
#else
    // An exit status keeps its low 8 bits here.
    return status == (1618u & 0xFFu);
#endif
}

std::string Maiusculas(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return s;
}

std::string Trim(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r\n");
    return inicio == std::string::npos ? std::string() : s.substr(inicio, s.find_last_not_of(" \t\r\n") - inicio + 1);
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
        case Desfecho::OutraEmAndamento: return 8;
        case Desfecho::GravacaoDanificada: return 9;
        case Desfecho::PastaVazia: return 10;
        case Desfecho::NenhumItemConhecido: return 11;
        case Desfecho::PacoteEmAndamento: return 12;
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
    diretorioWindows_ = zvsys::NormalizeFolder(sistema_.WindowsDirectory().substr(0, 255));
    const auto doisPontos = diretorioWindows_.find(':');
    const std::string drive = doisPontos == std::string::npos ? "" : diretorioWindows_.substr(0, doisPontos + 1);
    const std::string padrao = sistema_.DirectoryExists(drive + "\\Client") ? drive + "\\Client" : "";

    const Argumentos a = LeArgumentos(argumentos);
    diretorioArgumento_ = a.diretorio;
    modo_ = a.modo;
    configuracao_ = a.configuracao;
    // Without a folder the package installs into its default one, over the till's
    // settings, and the configuration lands at the drive's root where no client reads it.
    if (modo_ != "0" && zvsys::NormalizeFolder(Trim(diretorioArgumento_)).empty()) {
        Avisa(Latin(textos::kPastaVazia));
        desfecho_ = Desfecho::PastaVazia;
        return false;
    }
    // Only the window has a choice to offer.
    if (modo_ == "0") operador_.MostraMensagem(Latin(textos::kSelecione));
    // "C:\Client\", "c:\Client" and "C:\\Client" are one folder: a backup beside it, never inside.
    diretorioCliente_ = zvsys::NormalizeFolder(modo_ == "0" ? padrao : diretorioArgumento_);
    try {
        return Inicia();
    } catch (const std::bad_alloc&) {
        Interrompe(Formata(Latin(textos::kSemMemoria), passo_));
        if (modo_ == "2") desfecho_ = Desfecho::GravacaoConfiguracaoFalhou;
        return false;
    }
}

bool Instalador::Inicia() {
    // A folder that does not exist yet holds nothing another run could spoil.
    if (!diretorioCliente_.empty() && sistema_.DirectoryExists(diretorioCliente_)) {
        Passo(textos::kPassoTrava);
        if (!TravaPasta()) return false;
        Passo(textos::kPassoInicio);
        if (!AguardaPacoteAnterior()) return false;
        ConversaoConfiguracao conversao = Conversao();
        if (!conversao.RetomaExecucaoInterrompida()) {
            motivo_ = conversao.GravacaoDanificada();
            if (modo_ == "0") operador_.MessageBox(motivo_, Latin(textos::kTitulo), kMbOk | kMbIconError);
            desfecho_ = Desfecho::GravacaoDanificada;
            return false;
        }
    }
    if (modo_ == "0") return true;
    if (!configuracao_.empty() && !GravaConfiguracao()) return false;
    if (modo_ == "1") {
        btInstalaClick();
    } else {
        desfecho_ = Desfecho::Concluida;
    }
    return false;
}

bool Instalador::TravaPasta() {
    const std::string arquivo = Caminho(diretorioCliente_, "Instala.trava");
    port::LockFile trava = sistema_.TakeLock(arquivo);
    const std::string processo =
        trava.Other() != 0 ? Formata(Latin(textos::kProcesso), std::to_string(trava.Other())) : std::string();
    switch (trava.GetState()) {
        case port::LockFile::State::Held:
            if (trava.TakenOver()) {
                // The id the file names may be another program's by now: said only when nothing runs under it.
                operador_.Registra(Formata(Latin(textos::kTravaAssumida), {arquivo, ProcessoVivo(trava.Other()) ? "" : processo}));
            }
            trava_.emplace(std::move(trava));
            return true;
        case port::LockFile::State::Busy:
            Avisa(Formata(Latin(textos::kOutraInstalacao), {diretorioCliente_, processo}));
            desfecho_ = Desfecho::OutraEmAndamento;
            return false;
        case port::LockFile::State::Refused:
            break;
    }
    Avisa(Formata(Latin(textos::kTravaRecusada), {arquivo, trava.Error()}));
    desfecho_ = Desfecho::NaoConcluida;
    return false;
}

namespace {

std::string Minutos(uint32_t ms) { return std::to_string(ms / 60000u); }

}  // namespace

bool Instalador::ProcessoVivo(uint32_t id) {
    const auto processos = sistema_.ProcessSnapshot();
    return id != 0 && (!processos || std::any_of(processos->begin(), processos->end(),
                                                 [id](const zvsys::ProcessEntry& p) { return p.id == id; }));
}

bool Instalador::AguardaPacoteAnterior() {
    PacoteIniciado pacote(sistema_, diretorioCliente_);
    if (!pacote.Anotado()) return true;
    const std::string identidade = pacote.Identidade();
    const std::string processo =
        identidade.empty() ? std::string() : Formata(Latin(textos::kProcesso), identidade.substr(0, identidade.find(':')));
    const bool terminou = AguardaEnquanto(sistema_, [&] { return pacote.PodeEstarRodando(); }, [&] {
        operador_.Registra(Formata(Latin(textos::kAguardaPacoteAnterior), {processo, Minutos(PacoteIniciado::kEsperaMaximaMs)}));
    });
    if (!terminou) {
        PacoteOcupado(Formata(Latin(textos::kPacoteAnteriorRodando), {processo, Minutos(PacoteIniciado::kEsperaMaximaMs)}));
        return false;
    }
    operador_.Registra(Formata(Latin(textos::kPacoteAnteriorTerminou), processo));
    if (!pacote.Remove()) operador_.Registra(Formata(Latin(textos::kRegistroPacoteNaoRemovido), pacote.Registro()));
    return true;
}

void Instalador::PacoteOcupado(const std::string& motivo) {
    Avisa(motivo);
    Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::PacoteEmAndamento);
}

std::string Instalador::TravaPassoPacote() const { return Caminho(diretorioWindows_, "Instala.pacote.trava"); }

bool Instalador::ReservaPassoPacote() {
    const std::string arquivo = TravaPassoPacote();
    std::string processo;
    bool recusada = false;
    const bool livre = AguardaEnquanto(sistema_, [&] {
        port::LockFile trava = sistema_.TakeLock(arquivo);
        if (trava.GetState() == port::LockFile::State::Busy) {
            processo = trava.Other() != 0 ? Formata(Latin(textos::kProcesso), std::to_string(trava.Other())) : std::string();
            return true;
        }
        recusada = trava.GetState() == port::LockFile::State::Refused;
        if (recusada) {
            motivo_ = Formata(Latin(textos::kTravaPacoteRecusada), {arquivo, trava.Error()});
        } else {
            travaPacote_.emplace(std::move(trava));
        }
        return false;
    }, [&] {
        const std::string aviso = Formata(Latin(textos::kAguardaOutraPasta), {processo, Minutos(PacoteIniciado::kEsperaMaximaMs)});
        operador_.Registra(aviso);
        operador_.MostraMensagem(aviso);
        operador_.ProcessaMensagens();
    });
    if (!livre) {
        PacoteOcupado(Formata(Latin(textos::kOutraPastaRodando), {processo, Minutos(PacoteIniciado::kEsperaMaximaMs)}));
        return false;
    }
    if (recusada) {
        Interrompe(motivo_);
        return false;
    }
    // An installation Windows Installer runs for anyone else would refuse ours.
    if (!AguardaEnquanto(sistema_, [this] { return sistema_.InstallerBusy(PacoteIniciado::kExecutor); }, [this] {
            operador_.Registra(Formata(Latin(textos::kAguardaInstalador), Minutos(PacoteIniciado::kEsperaMaximaMs)));
        })) {
        travaPacote_.reset();
        PacoteOcupado(Formata(Latin(textos::kInstaladorOcupado), Minutos(PacoteIniciado::kEsperaMaximaMs)));
        return false;
    }
    return true;
}

bool Instalador::GravaConfiguracao() {
    Passo(textos::kPassoConfiguracao);
    ConversaoConfiguracao conversao = Conversao();
    // Written twice in run mode "1": what it ignores is said the first time.
    const bool avisa = !ignoradosAvisados_;
    ignoradosAvisados_ = true;
    switch (conversao.AplicaParametrosConfiguracao(configuracao_, avisa)) {
        case ResultadoAplicacao::Invalida:
            desfecho_ = Desfecho::ConfiguracaoInvalida;
            return false;
        case ResultadoAplicacao::FalhaGravacao:
            motivo_ = Formata(Latin(textos::kErroGravacaoConfiguracao), conversao.UltimaFalha());
            operador_.MessageBox(motivo_, Latin(textos::kTituloValidacao), kMbOk | kMbIconError | kMbTopmost);
            desfecho_ = Desfecho::GravacaoConfiguracaoFalhou;
            return false;
        case ResultadoAplicacao::Aplicada:
            break;
    }
    // A string in which nothing is known is a caller's mistake, not a configuration applied.
    if (conversao.ItensGravados().empty() && configuracao_.find_first_not_of("; \t") != std::string::npos) {
        motivo_ = Latin(textos::kResumoNenhumConhecido);
        desfecho_ = Desfecho::NenhumItemConhecido;
        return false;
    }
    for (const auto& item : conversao.ItensGravados()) {
        if (std::find(configurados_.begin(), configurados_.end(), item) == configurados_.end()) configurados_.push_back(item);
    }
    return true;
}

void Instalador::btCancelaClick() {
    if (desfecho_ == Desfecho::EmAndamento) desfecho_ = Desfecho::Cancelada;
}

bool Instalador::Pergunta(const std::string& texto, const std::string& titulo, uint32_t flags) {
    if (modo_ != "0") return true;
    return operador_.MessageBox(texto, titulo, flags) == kIdYes;
}

void Instalador::Passo(const char* passo) { passo_ = Latin(passo); }

void Instalador::Termina(const char* mensagem, EstadoJanela estado, Desfecho desfecho) {
    operador_.MostraMensagem(Latin(mensagem));
    operador_.DefineEstado(estado);
    desfecho_ = desfecho;
    operador_.ProcessaMensagens();
}

void Instalador::Avisa(const std::string& motivo, const std::string& caixa) {
    if (modo_ == "0") {
        operador_.MessageBox(caixa.empty() ? motivo : caixa, Latin(textos::kTitulo),
                             caixa.empty() ? kMbOk | kMbIconError : kMbOk);
    }
    operador_.Registra(motivo);
    motivo_ = motivo;
}

void Instalador::Interrompe(const std::string& motivo, const std::string& caixa) {
    Avisa(motivo, caixa);
    Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
}

std::string Instalador::Resumo() const {
    std::string itens;
    for (const auto& item : configurados_) itens += (itens.empty() ? "" : ", ") + item;
    // A stop after the configuration was written leaves it written.
    const std::string jaGravada = itens.empty() ? std::string() : Formata(Latin(textos::kResumoJaGravada), itens);
    switch (desfecho_) {
        case Desfecho::Concluida:
            if (instalado_) {
                const std::string pasta = diretorioCliente_.empty() ? Latin("a pasta do pacote") : diretorioCliente_;
                return Formata(Latin(textos::kResumoInstalado),
                               {pasta, itens.empty() ? "" : Formata(Latin(textos::kResumoConfigurados), itens)});
            }
            return itens.empty() ? Latin(textos::kResumoNadaConfigurado)
                                 : Formata(Latin(textos::kResumoConfigurado), {diretorioCliente_, itens});
        case Desfecho::EmAndamento:
        case Desfecho::Cancelada: return Latin(textos::kResumoCancelado);
        case Desfecho::NaoConcluida: return Formata(Latin(textos::kResumoParou), {passo_, motivo_}) + jaGravada;
        case Desfecho::ConfiguracaoInvalida: return Latin(textos::kResumoInvalida);
        case Desfecho::PedidoFinalizacaoFalhou: return Formata(Latin(textos::kResumoFinalizacao), motivo_) + jaGravada;
        case Desfecho::GravacaoConfiguracaoFalhou: return Formata(Latin(textos::kResumoGravacaoFalhou), motivo_);
        case Desfecho::OutraEmAndamento: return Formata(Latin(textos::kResumoOutra), diretorioCliente_);
        case Desfecho::GravacaoDanificada:
            return Formata(Latin(textos::kResumoGravacaoDanificada), Caminho(diretorioCliente_, "Instala.gravacao"));
        case Desfecho::PastaVazia: return Latin(textos::kResumoPastaVazia);
        case Desfecho::PacoteEmAndamento: return Formata(Latin(textos::kResumoPacoteEmAndamento), motivo_) + jaGravada;
        case Desfecho::NenhumItemConhecido: return Latin(textos::kResumoNenhumConhecido);
    }
    return {};
}

void Instalador::btInstalaClick() {
    try {
        Instala();
    } catch (const std::bad_alloc&) {
        const std::string motivo = Formata(Latin(textos::kSemMemoria), passo_);
        try {
            // Files saved under their "_Atual" names go back where nothing took their place,
            // unless a package that may still write takes it.
            if (!pacoteSemFim_) Conversao().DevolveArquivosSalvos();
        } catch (const std::bad_alloc&) {
        }
        Interrompe(motivo);
    }
    // The package step is over, however it ended.
    travaPacote_.reset();
}

void Instalador::Instala() {
    desfecho_ = Desfecho::EmAndamento;
    operador_.DefineEstado(EstadoJanela::Executando);

    // Nothing is ended, removed or renamed for an installation that cannot happen.
    Passo(textos::kPassoRequisitos);
    const std::optional<Pacote> pacote = VerificaRequisitos();
    if (!pacote) return;

    Passo(textos::kPassoCliente);
    if (VerificaProcessoAtivo("ClientVorix.exe", true)) {
        if (modo_ == "0") {
            operador_.MessageBox(Latin(textos::kReboot), Latin(textos::kClienteVorixModular),
                                 kMbOk | kMbIconInformation);
        } else if (modo_ == "1") {
            ConversaoConfiguracao conversao = Conversao();
            if (!conversao.SolicitaFinalizacaoIntPos()) {
                motivo_ = Formata(Latin(textos::kErroPedidoFinalizacao), conversao.UltimaFalha());
                operador_.MessageBox(motivo_, Latin(textos::kClienteVorixModular), kMbOk | kMbIconError);
                desfecho_ = Desfecho::PedidoFinalizacaoFalhou;
                return;
            }
        }
    }

    Passo(textos::kPassoBackup);
    FazBackupAplicacao();
    operador_.MostraMensagem(Latin(textos::kAguarde));
    operador_.ProcessaMensagens();

    Passo(textos::kPassoVersaoAntiga);
    if (!DesinstalaVersaoAntiga()) {
        // Unattended there is nobody to start again: the run ends here.
        if (modo_ == "1") {
            desfecho_ = Desfecho::NaoConcluida;
            return;
        }
        operador_.MostraMensagem(Latin(textos::kSelecione));
        operador_.DefineEstado(EstadoJanela::Aguardando);
        return;
    }

    // From here to the result read, Windows Installer and its result file are this run's.
    Passo(textos::kPassoReserva);
    if (!ReservaPassoPacote()) return;

    // Removing earlier versions takes these files with them unless they are saved first.
    Passo(textos::kPassoSalvar);
    ConversaoConfiguracao salvos = Conversao();
    if (!salvos.SalvaArquivosAtuais()) {
        Interrompe(Formata(Latin(textos::kErroSalvar), salvos.UltimaFalha()));
        return;
    }

    Passo(textos::kPassoAnteriores);
    operador_.MostraMensagem(Latin(textos::kDesinstalandoAnteriores));
    operador_.ProcessaMensagens();
    DesinstalaVersoesModulares();

    Passo(textos::kPassoInstalacao);
    operador_.MostraMensagem(Latin(textos::kInstalandoNova));
    operador_.ProcessaMensagens();
    const Execucao execucao = InstalaNovaVersao(*pacote);
    if (execucao == Execucao::SemFim) {
        // It may still write: the saved files stay recorded for the run that sees it end.
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
        return;
    }
    if (execucao == Execucao::NaoIniciada) {
        // The package did not run: the saved files go back where they were.
        if (!salvos.DevolveArquivosSalvos()) {
            operador_.Registra(Formata(Latin(textos::kSalvoNaoDevolvido), salvos.UltimaFalha()));
        }
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
        return;
    }
    // Whether the package confirmed is still its own step's answer.
    const bool confirmada = InstalacaoConfirmada();
    if (confirmada) Passo(textos::kPassoConversao);
    if (!confirmada) {
        // The saved files stay for a later run, which carries them over.
        Interrompe(Formata(Latin(textos::kNaoConfirmada), ArquivoResultado()));
    } else if (ConversaoConfiguracao conversao = Conversao(); !conversao.ConverteArquivosConfiguracao()) {
        // Success would hide settings that did not reach the new files.
        Interrompe(Formata(Latin(textos::kErroConversao), conversao.UltimaFalha()));
    } else if (!configuracao_.empty() && modo_ == "1" && !GravaConfiguracao()) {
        // Written again over what was carried: this run's configuration is the latest word.
        Termina(textos::kNaoConcluida, EstadoJanela::Falha, Desfecho::NaoConcluida);
    } else {
        instalado_ = true;
        Termina(textos::kSucesso, modo_ == "1" ? EstadoJanela::SucessoSemOK : EstadoJanela::Sucesso,
                Desfecho::Concluida);
    }
    if (!RemoveResultadoAnterior()) operador_.Registra(Formata(Latin(textos::kResultadoAnterior), ArquivoResultado()));
    operador_.ProcessaMensagens();
}

std::string Instalador::ArquivoResultado() const { return Caminho(diretorioWindows_, "InstCliM.ini"); }

bool Instalador::RemoveResultadoAnterior() {
    return !sistema_.FileExists(ArquivoResultado()) || sistema_.DeleteFile(ArquivoResultado());
}

bool Instalador::InstalacaoConfirmada() {
    const std::string ok = LeValorIni(sistema_, ArquivoResultado(), "Instalacao", "OK", "");
    return profile::ParseProfileInt(ok, 0) != 0;
}

bool Instalador::ExecutaComando(const std::string& linhaComando, bool espera, std::optional<uint32_t>* status,
                                const std::function<void(zvsys::ProcessHandle)>& iniciado) {
    const auto processo = sistema_.StartProcess(linhaComando);
    if (!processo) return false;
    if (iniciado) iniciado(*processo);
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
        if (ok && status) *status = sistema_.ExitStatus(*processo);
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
        origem = zvsys::NormalizeFolder(*escolhida);
    }
    const zvsys::Date hoje = sistema_.Today();
    char data[16];
    std::snprintf(data, sizeof data, "%04d%02d%02d", hoje.year % 10000, hoje.month % 100, hoje.day % 100);
    const std::string base = origem + "_" + data;
    // A drive's root ("C:\") would be copied into itself.
    if (zvsys::IsSameOrInside(base, origem)) {
        operador_.Registra(Formata(Latin(textos::kBackupDentro), base));
        return;
    }
    // A backup of its own: a second one on the same day takes the next free name
    // instead of landing inside the first, and a copy is named as a backup only
    // once it is whole (a killed copy stays under its ".parcial" name).
    auto existe = [this](const std::string& p) { return sistema_.FileExists(p) || sistema_.DirectoryExists(p); };
    std::string destino;
    for (int n = 1; n <= 99 && destino.empty(); ++n) {
        const std::string nome = n == 1 ? base : base + "_" + std::to_string(n);
        if (existe(nome + ".parcial")) {
            operador_.Registra(Formata(Latin(textos::kBackupParcial), nome + ".parcial"));
        } else if (!existe(nome)) {
            destino = nome;
        }
    }
    if (destino.empty()) {
        operador_.Registra(Formata(Latin(textos::kBackupFalhou), base + "_99"));
        return;
    }
    const std::string parcial = destino + ".parcial";
    operador_.MostraMensagem(Formata(Latin(textos::kFazendoBackup), destino));
    operador_.ProcessaMensagens();
    // A backup that fails does not stop the installation, but it is said.
    std::vector<std::string> semAtalhos;
    const int erro = sistema_.ShellCopyFolder(origem, parcial, kFofCopiaBackup, &semAtalhos);
    std::string lista;
    for (const auto& a : semAtalhos) lista += (lista.empty() ? "" : ", ") + a;
    if (!lista.empty()) operador_.Registra(Formata(Latin(textos::kBackupSemAtalhos), lista));
    // The copy of this run's lock is no file of the client's: restored, it would
    // read as the lock of a run that died.
    const std::string trava = Caminho(parcial, "Instala.trava");
    if (erro == 0 && sistema_.FileExists(trava)) sistema_.DeleteFile(trava);
    if (erro != 0) {
        operador_.Registra(Formata(Latin(textos::kBackupFalhou), origem + " -> " + parcial + ", " + std::to_string(erro)));
    } else if (!sistema_.MoveFile(parcial, destino)) {
        operador_.Registra(Formata(Latin(textos::kBackupNaoRenomeado), {parcial, destino}));
    }
}

std::string Instalador::LinhaDesinstaladorAntigo() const {
    return diretorioWindows_ + "\\uninst.exe -f" + diretorioCliente_ + "\\DeIsL1.isu -y -a";
}

std::string Instalador::LinhaVersoesModulares() {
    return "wmic product where \"name like 'Cliente Vorix Modular V%'\" call uninstall /nointeractive";
}

std::string Instalador::PastaInstalador() const {
    // A folder of this machine's own, outside the drives, keeps its own separator:
    // one kind to a path in every message.
    const std::string pasta = sistema_.ProgramFolder();
    const bool barras = pasta.find('\\') == std::string::npos && pasta.find('/') != std::string::npos;
    return pasta + (barras ? "/" : "\\");
}

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
    ConversaoConfiguracao conversao = Conversao();
    switch (conversao.DesinstalaMantendoArquivos([this] { return ExecutaComando(LinhaDesinstaladorAntigo(), false); })) {
        case Desinstalacao::Iniciada:
            return true;
        case Desinstalacao::NaoIniciada:
            Avisa(Formata(Latin(textos::kDesinstaladorAntigo),
                          conversao.UltimaFalha().empty() ? LinhaDesinstaladorAntigo() : conversao.UltimaFalha()));
            return false;
        case Desinstalacao::CopiaNaoDevolvida:
            // Safe under its copy's name, but the client would miss it: no installation on top of that.
            Avisa(Formata(Latin(textos::kCopiaNaoDevolvida), conversao.UltimaFalha()));
            return false;
    }
    return false;
}

void Instalador::DesinstalaVersoesModulares() { ExecutaComando(LinhaVersoesModulares(), true); }

std::optional<Pacote> Instalador::VerificaRequisitos() {
    const std::string pasta = PastaInstalador();
    const std::string setup = pasta + "Setup.ini";
    const auto ini = sistema_.FileExists(setup) ? ArquivoIni::Abre(sistema_, setup) : std::nullopt;
    if (!ini) {
        Interrompe(Formata(Latin(textos::kSetupNaoEncontrado), setup));
        return std::nullopt;
    }
    const profile::IniDocument& doc = ini->Documento();
    Pacote pacote{doc.Get("Startup", "PackageName").value_or(""), doc.Get("Startup", "Product").value_or(""),
                  doc.Get("Startup", "ProductCode").value_or("")};
    if (pacote.arquivo.empty() || !sistema_.FileExists(pasta + pacote.arquivo)) {
        if (pacote.produto.empty() || !sistema_.FileExists(pasta + pacote.produto)) {
            const std::string procurado = pasta + (pacote.arquivo.empty() ? pacote.produto : pacote.arquivo);
            Interrompe(Latin(textos::kPacoteNaoEncontrado) + " (" + procurado + ")", Latin(textos::kPacoteNaoEncontrado));
            return std::nullopt;
        }
        pacote.arquivo = pacote.produto;
    }
    if (!sistema_.CanStart("msiexec.exe")) {
        Interrompe(Latin(textos::kErroInstalador) + " (" + Formata(Latin(textos::kProgramaNaoEncontrado), "msiexec.exe") + ")",
                   Latin(textos::kErroInstalador));
        return std::nullopt;
    }
    // Only a result the package writes during this run may count as its answer. One
    // there while another run's package step holds the machine is that run's own:
    // ours is removed under the same lock, just before our package starts.
    port::LockFile passo = sistema_.TakeLock(TravaPassoPacote());
    if (passo.GetState() != port::LockFile::State::Busy && !RemoveResultadoAnterior()) {
        Interrompe(Formata(Latin(textos::kResultadoAnterior), ArquivoResultado()));
        return std::nullopt;
    }
    return pacote;
}

Instalador::Execucao Instalador::InstalaNovaVersao(const Pacote& pacote) {
    const std::string linha = LinhaInstalacao(ProdutoInstalado(pacote.produto, pacote.codigo), pacote.arquivo);
    if (!RemoveResultadoAnterior()) {
        Avisa(Formata(Latin(textos::kResultadoAnterior), ArquivoResultado()));
        return Execucao::NaoIniciada;
    }
    // Only a folder that is there holds settings saved for the package.
    const bool anota = !diretorioCliente_.empty() && sistema_.DirectoryExists(diretorioCliente_);
    PacoteIniciado registro(sistema_, diretorioCliente_);
    if (anota && !registro.Anota("")) {
        Avisa(Formata(Latin(textos::kRegistroPacoteFalhou), registro.Registro()));
        return Execucao::NaoIniciada;
    }
    bool iniciado = false;
    std::optional<uint32_t> status;
    const bool terminou = ExecutaComando(linha, true, &status, [&](zvsys::ProcessHandle processo) {
        iniciado = pacoteSemFim_ = true;
        // Without its identity the machine's own signal still tells a later run.
        if (anota) registro.Anota(sistema_.ProcessIdentity(processo));
    });
    if (!iniciado) {
        if (anota) registro.Remove();
        Avisa(Latin(textos::kErroInstalador) + " (" + linha + ")", Latin(textos::kErroInstalador));
        return Execucao::NaoIniciada;
    }
    if (!terminou) {
        Avisa(Latin(textos::kErroInstalador) + " (" + Formata(Latin(textos::kSemFimPacote), {linha, registro.Registro()}) + ")",
              Latin(textos::kErroInstalador));
        return Execucao::SemFim;
    }
    pacoteSemFim_ = false;
    if (anota && !registro.Remove()) operador_.Registra(Formata(Latin(textos::kRegistroPacoteNaoRemovido), registro.Registro()));
    if (status && InstaladorOcupado(*status)) {
        Avisa(Formata(Latin(textos::kInstalador1618), linha), Latin(textos::kErroInstalador));
        return Execucao::NaoIniciada;
    }
    operador_.TrazParaFrente();
    return Execucao::Terminada;
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
