#pragma once
// Files of one folder that change together ("Cliente.ini" and "ClienteTrn.ini"):
// a write of several files that a killed process cannot leave half done. Before
// the first file is replaced, an intent file records every file's name, old and
// new content; it goes after the last one. The next start finishes what an
// intent left records, or puts the old contents back when it cannot.
//
// The intent is only trusted as far as it proves itself: it may name no file but
// the ones the folder's writes are allowed to change (anything else is set aside
// unread), and one that is damaged undoes only what it holds whole and is kept.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/System.h"

namespace instala {

class GravacaoConjunta {
public:
    struct Arquivo {
        std::string nome;                         // a name in the folder
        std::optional<std::string_view> antigo;  // none: the file did not exist
        std::string_view novo;
    };
    enum class Retomada {
        NadaPendente,
        Concluida,
        Desfeita,
        Falhou,      // could not be settled now; the intent stays for a later start
        Recusada,    // named a file it may not: set aside under another name, nothing written
        Danificada,  // not whole: what it proves was undone, the intent is kept
    };
    // How a file named by a damaged intent was left.
    enum class Versao { Antiga, Nova, Outra, Desconhecida };
    struct Estado {
        std::string nome;
        Versao versao;
        bool restaurada;  // put back to its old content now
    };

    // Writes go into `pasta`, to the files named `permitidos` only.
    GravacaoConjunta(zvsys::System& sistema, std::string pasta, std::vector<std::string> permitidos);

    // Every file gets its new content, or (false) every file keeps its old one;
    // Falha() then names the file that failed.
    bool Grava(const std::vector<Arquivo>& arquivos);
    // What an interrupted Grava left.
    Retomada Retoma();

    std::string Intencao() const;
    const std::string& Falha() const { return falha_; }
    // Recusada: the name refused and where the intent was set aside.
    const std::string& Motivo() const { return motivo_; }
    // Danificada: every file the intent names, as far as it can be told.
    const std::vector<Estado>& Estados() const { return estados_; }

private:
    std::string Caminho(const std::string& nome) const;
    // The permitted name an intent's entry stands for; empty when none.
    // `caminhoInteiro`: the entry may be a whole path (the first version's).
    std::string NomePermitido(const std::string& entrada, bool caminhoInteiro) const;
    // Puts the old contents back into the files that hold their new content.
    bool Desfaz(const std::vector<Arquivo>& arquivos);
    Retomada Recusa(const std::string& nome);
    // A file a damaged intent names without holding it whole.
    struct Parcial {
        std::string nome;
        bool antigoConhecido;
        std::optional<std::string_view> antigo;
    };
    Retomada Danificada(const std::vector<Arquivo>& inteiros, const std::vector<Parcial>& partidos);
    Retomada Falhou(const std::string& onde);

    zvsys::System& sistema_;
    std::string pasta_;
    std::vector<std::string> permitidos_;
    std::string falha_;
    std::string motivo_;
    std::vector<Estado> estados_;
};

}  // namespace instala
