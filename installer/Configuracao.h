#pragma once
// The client's configuration files: the configuration string a deployment
// tool hands over, the finish request to a running client, and the carrying
// of saved settings across a reinstallation. Every file is changed whole or
// not at all; a step that cannot be done safely says so instead of going on.
#include <functional>
#include <string>
#include <vector>

#include "GravacaoConjunta.h"
#include "Operador.h"
#include "system/System.h"

namespace instala {

enum class ClasseCaracteres { Digitos, Alfanumerico, Endereco, NomeArquivo, NomePasta, TextoExibicao };

// True when every character (CP1252 code) belongs to the class; the empty text belongs to all.
bool ValidaCaracteres(const std::string& texto, ClasseCaracteres classe);
// The value of the item `chave` ("Empresa=") in a ";"-separated text, or empty.
std::string ObtemParametro(const std::string& texto, const std::string& chave, char separador = ';');

enum class Desinstalacao {
    Iniciada,           // the old client's files are back under their names
    NaoIniciada,        // the uninstaller did not start; the files are as they were
    CopiaNaoDevolvida,  // started, but a copy could not go back (UltimaFalha() names it)
};

enum class ResultadoAplicacao {
    Aplicada,       // every present item written (or none present)
    Invalida,       // an item was refused and its message shown; nothing written
    FalhaGravacao,  // the files could not be written; none of them changed
};

class ConversaoConfiguracao {
public:
    ConversaoConfiguracao(zvsys::System& sistema, Operador& operador, std::string diretorioCliente);

    // `avisaIgnorados`: items it does not know, or that repeat one, go to the log.
    ResultadoAplicacao AplicaParametrosConfiguracao(const std::string& configuracao, bool avisaIgnorados = true);
    // False when the request could not be written (the rename to its final name may fail unreported).
    bool SolicitaFinalizacaoIntPos();
    // False when a saved setting could not be carried into its new file.
    bool ConverteArquivosConfiguracao();
    // `chave` empty: every key. False when a file could not be read or written.
    bool CopiaChavesIni(const std::string& origem, const std::string& destino, const std::string& chave);

    // Keeps the old client's three files as "_bkp" copies while `iniciaDesinstalador`
    // starts its uninstaller, and puts them back afterwards. Not started also when
    // the copies could not be made (UltimaFalha() names the copy then).
    Desinstalacao DesinstalaMantendoArquivos(const std::function<bool()>& iniciaDesinstalador);
    // "Cheque.ini" and "ClienteTrn.ini" to their "_Atual" names before earlier
    // versions are removed; saved files of an unfinished run are kept instead.
    // False when a file that exists could not be saved (nothing is then renamed).
    bool SalvaArquivosAtuais();
    // Saved files back to their own names where nothing took their place (a
    // stop before the package ran). False when one could not go back.
    bool DevolveArquivosSalvos();
    // At start: puts right what an interrupted earlier run left (temporaries, a
    // half-done change of the configuration files, a damaged record of saved
    // files, files under saved names) and says what waits to be carried over.
    // Each thing done or left goes to the log. False when a damaged record of a
    // change of the configuration files stops the run (GravacaoDanificada()).
    bool RetomaExecucaoInterrompida();
    const std::string& GravacaoDanificada() const { return gravacaoDanificada_; }
    // The items ("Empresa") the last AplicaParametrosConfiguracao wrote.
    const std::vector<std::string>& ItensGravados() const { return itensGravados_; }

    // Where the last failure happened (a file name), for the operator's message.
    const std::string& UltimaFalha() const { return ultimaFalha_; }

private:
    std::string Arquivo(const std::string& nome) const;
    bool Falha(const std::string& onde);
    GravacaoConjunta Gravacao() const;
    // The "_bkp" copy of an old client's file back under its name (or gone when the
    // file is still there, the same), said in the log when `registra`. False when it could not be.
    bool DevolveCopia(const std::string& nome, bool registra);
    // Settles what an interrupted write left, saying so in the log. False when
    // it could not be (the intent stays): no new configuration is written then.
    bool ResolveGravacao(GravacaoConjunta& gravacao);
    // Items of the string that are no item of the table, or repeat one, to the log.
    void RegistraItensIgnorados(const std::string& configuracao);

    zvsys::System& sistema_;
    Operador& operador_;
    std::string diretorio_;
    std::string ultimaFalha_;
    std::string gravacaoDanificada_;
    std::vector<std::string> itensGravados_;
};

}  // namespace instala
