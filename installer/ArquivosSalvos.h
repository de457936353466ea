#pragma once
// "Cheque.ini" and "ClienteTrn.ini" saved under their "_Atual" names before
// earlier versions are removed, and a record (Instala.pendente) of the saved
// files not yet carried into new ones. A saved file on that record holds the
// till's own settings from a run that did not finish: a later save keeps it
// instead of saving over it what the failed package left.
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
    // (a run stopped or killed before the package installed new files).
    bool Devolve();

    const std::vector<std::string>& Mantidos() const { return mantidos_; }
    const std::string& Falha() const { return falha_; }
    std::string Registro() const;

private:
    std::string Arquivo(const std::string& nome) const;
    std::string Salvo(const std::string& nome) const { return Arquivo(nome) + "_Atual"; }
    std::set<std::string> Anotados();
    // The names on the record whose saved file is there.
    std::set<std::string> Pendentes();
    bool Anota(const std::set<std::string>& nomes);
    bool Falhou(const std::string& onde);

    zvsys::System& sistema_;
    std::string diretorio_;
    std::vector<std::string> mantidos_;
    std::string falha_;
};

}  // namespace instala
