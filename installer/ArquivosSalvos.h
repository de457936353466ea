#pragma once
// "Cheque.ini" and "ClienteTrn.ini" saved under their "_Atual" names before
// earlier versions are removed, and a record (Instala.pendente) of the saved
// files not yet carried into new ones. A saved file on that record holds the
// till's own settings from a run that did not finish: a later save keeps it
// instead of saving over it what the failed package left. A record that cannot
// be read whole never means that nothing waits: every saved file is kept then.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "system/System.h"

namespace instala {

class ArquivosSalvos {
public:
    ArquivosSalvos(zvsys::System& sistema, std::string diretorioCliente);

    // Saves each file under its "_Atual" name, except where an unfinished run's
    // saved file waits (those are in Mantidos()). False when a file could not be
    // saved; Falha() names it, and what this call renamed is back in place.
    bool Salva();
    // The saved files reached the new ones: nothing waits any more.
    bool Conclui();
    // Saved files go back to their own names where nothing has taken their place
    // (a run stopped or killed before the package installed new files); the
    // names put back are in Devolvidos().
    bool Devolve();
    // A damaged record written again, naming every saved file there is. False
    // when it is damaged and could not be written (it is still read as naming them all).
    bool ReparaRegistro();

    // The names ("ClienteTrn.ini") whose saved file waits to be carried over.
    std::set<std::string> Pendentes();
    bool RegistroDanificado();
    std::string Salvo(const std::string& nome) const { return Arquivo(nome) + "_Atual"; }
    const std::vector<std::string>& Mantidos() const { return mantidos_; }
    const std::vector<std::string>& Devolvidos() const { return devolvidos_; }
    const std::string& Falha() const { return falha_; }
    std::string Registro() const;

private:
    std::string Arquivo(const std::string& nome) const;
    // The names on the record; none when the record is there but cannot be read whole.
    std::optional<std::set<std::string>> Anotados();
    bool Anota(const std::set<std::string>& nomes);
    bool Falhou(const std::string& onde);

    zvsys::System& sistema_;
    std::string diretorio_;
    std::vector<std::string> mantidos_;
    std::vector<std::string> devolvidos_;
    std::string falha_;
};

}  // namespace instala
