#pragma once
// The installer's start-up and installation sequence, apart from the window
// so that every step runs the same attended, unattended and under test.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Configuracao.h"
#include "Operador.h"
#include "port/LockFile.h"
#include "system/System.h"

namespace instala {

// How a run ended; the program's exit status follows from it.
enum class Desfecho {
    EmAndamento,                // nothing decided yet (the window waits for the operator)
    Concluida,                  // installed, or the configuration applied (run mode "2")
    NaoConcluida,               // the installation did not finish
    ConfiguracaoInvalida,       // an item of the configuration string was refused
    PedidoFinalizacaoFalhou,    // the running client could not be asked to finish
    GravacaoConfiguracaoFalhou, // the configuration could not be written
    Cancelada,                  // the operator cancelled
    OutraEmAndamento,           // another run works on the client folder
    GravacaoDanificada,         // a damaged record of an interrupted change of the configuration files
    PastaVazia,                 // run mode "1" or "2" without a client folder
    PacoteEmAndamento,          // a package (an earlier run's, or another folder's) still at work after the wait
    NenhumItemConhecido,        // the configuration string named no item it knows; nothing done
};
int CodigoSaida(Desfecho desfecho);

// What "Setup.ini" says of the package, with the package file found.
struct Pacote {
    std::string arquivo;  // file name in the installer folder
    std::string produto;
    std::string codigo;
};

struct Argumentos {
    std::string diretorio;     // first argument, unchanged
    std::string modo = "0";    // "0", "1" or "2"
    std::string configuracao;  // third argument
};
// The command-line arguments after the program name.
Argumentos LeArgumentos(const std::vector<std::string>& argumentos);

class Instalador {
public:
    Instalador(zvsys::System& sistema, Operador& operador);

    // Start-up. True when the window is to be shown (run mode "0"); in the other
    // modes everything has run by the time it returns.
    bool FormCreate(const std::vector<std::string>& argumentos);
    void btInstalaClick();
    // The closing buttons.
    void btCancelaClick();
    void btOKClick() {}
    void btEncerraClick() {}

    // `iniciado` hears of the process once it runs; `status` receives its exit status when known.
    bool ExecutaComando(const std::string& linhaComando, bool espera, std::optional<uint32_t>* status = nullptr,
                        const std::function<void(zvsys::ProcessHandle)>& iniciado = {});
    bool VerificaProcessoAtivo(const std::string& executavel, bool ofereceFinalizar);
    void FazBackupAplicacao();
    bool DesinstalaVersaoAntiga();
    void DesinstalaVersoesModulares();
    // Everything the installation needs (Setup.ini, the package file, the
    // package runner, no result file of an earlier run), checked before anything
    // is ended, removed or renamed; none when something is missing (it is reported).
    std::optional<Pacote> VerificaRequisitos();
    // How the package step went: not started (nothing of it ran), ended, or
    // started but not seen to end (it may still write).
    enum class Execucao { NaoIniciada, Terminada, SemFim };
    Execucao InstalaNovaVersao(const Pacote& pacote);
    bool ProdutoInstalado(const std::string& produto, const std::string& codigoProduto);

    // The command lines started.
    std::string LinhaDesinstaladorAntigo() const;
    static std::string LinhaVersoesModulares();
    std::string LinhaInstalacao(bool produtoRegistrado, const std::string& pacote) const;

    const std::string& DiretorioWindows() const { return diretorioWindows_; }
    const std::string& DiretorioCliente() const { return diretorioCliente_; }
    const std::string& ModoExecucao() const { return modo_; }
    const std::string& StringConfiguracao() const { return configuracao_; }
    // The installer folder: the program's folder with a trailing backslash.
    std::string PastaInstalador() const;
    Desfecho Resultado() const { return desfecho_; }
    // One line saying what the run did: installed, configured which items,
    // cancelled, or where and why it stopped.
    std::string Resumo() const;

private:
    ConversaoConfiguracao Conversao() { return ConversaoConfiguracao(sistema_, operador_, diretorioCliente_); }
    // Start-up past the arguments: the lock, the repairs, then what the mode runs.
    bool Inicia();
    // The client folder for this run alone; false (said, desfecho set) when
    // another run has it or it cannot be locked.
    bool TravaPasta();
    // A package an earlier run started and did not see end is waited for
    // before anything it may still write is touched; false (said) when it may still run.
    bool AguardaPacoteAnterior();
    // The machine's package step for this run alone: another run's package
    // step, and any installation Windows Installer runs, waited for first;
    // false (said, desfecho set) when they did not end within the bound.
    bool ReservaPassoPacote();
    void PacoteOcupado(const std::string& motivo);
    std::string TravaPassoPacote() const;
    bool ProcessoVivo(uint32_t id);
    // The installation sequence proper (btInstalaClick without its guard).
    void Instala();
    bool Pergunta(const std::string& texto, const std::string& titulo, uint32_t flags);
    void Termina(const char* mensagem, EstadoJanela estado, Desfecho desfecho);
    // Says what failed: in a box when an operator is there (`caixa` instead of
    // `motivo` where the box has its own text), and always in the log.
    void Avisa(const std::string& motivo, const std::string& caixa = "");
    // Stops the run as not concluded, saying why.
    void Interrompe(const std::string& motivo, const std::string& caixa = "");
    // The step a stop is told by.
    void Passo(const char* passo);
    // The configuration string written; false (its failure shown) when it could not be.
    bool GravaConfiguracao();
    bool RemoveResultadoAnterior();
    std::string ArquivoResultado() const;
    bool InstalacaoConfirmada();

    zvsys::System& sistema_;
    Operador& operador_;
    std::string diretorioWindows_;
    std::string diretorioCliente_;
    std::string diretorioArgumento_;
    std::string modo_ = "0";
    std::string configuracao_;
    Desfecho desfecho_ = Desfecho::EmAndamento;
    std::optional<port::LockFile> trava_;
    std::optional<port::LockFile> travaPacote_;  // the machine's package step
    bool pacoteSemFim_ = false;                  // a started package not seen to end
    std::string passo_;                       // the step under way
    std::string motivo_;                      // why the run stopped
    std::vector<std::string> configurados_;   // the items written
    bool instalado_ = false;
    bool ignoradosAvisados_ = false;          // the configuration's unknown items said
};

}  // namespace instala
