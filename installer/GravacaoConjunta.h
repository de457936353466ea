#pragma once
// Files that change together ("Cliente.ini" and "ClienteTrn.ini"): a write of
// several files that a killed process cannot leave half done. Before the first
// file is replaced, an intent file records every file's old and new content;
// it goes after the last one. The next start finishes what an intent left
// records, or puts the old contents back when it cannot.
#include <optional>
#include <string>
#include <vector>

#include "system/System.h"

namespace instala {

class GravacaoConjunta {
public:
    struct Arquivo {
        std::string caminho;
        std::optional<std::string> antigo;  // none: the file did not exist
        std::string novo;
    };
    enum class Retomada { NadaPendente, Concluida, Desfeita, Falhou };

    GravacaoConjunta(zvsys::System& sistema, std::string intencao);

    // Every file gets its new content, or (false) every file keeps its old one;
    // Falha() then names the file that failed.
    bool Grava(const std::vector<Arquivo>& arquivos);
    // What an interrupted Grava left: finished, undone, or (Falhou) left with its
    // intent for a later start.
    Retomada Retoma();
    const std::string& Falha() const { return falha_; }
    const std::string& Intencao() const { return intencao_; }

private:
    // Puts the old contents back into the files that hold their new content.
    bool Desfaz(const std::vector<Arquivo>& arquivos);
    Retomada Falhou(const std::string& onde);

    zvsys::System& sistema_;
    std::string intencao_;
    std::string falha_;
};

}  // namespace instala
