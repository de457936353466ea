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
//
// At most one file's old and new contents are held at a time: the intent is
// written one file after another and read back a content at a time.
#include <cstdint>
#include <functional>
#include <memory>
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
        // What the contents point into, where the file's source owns them: let go with this.
        std::shared_ptr<const void> dono = nullptr;
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

    // The contents of the i-th of the files named, asked once, in order (one
    // file's are held at a time). nullopt: they cannot be had.
    using Fonte = std::function<std::optional<Arquivo>(size_t i)>;

    // Writes go into `pasta`, to the files named `permitidos` only.
    GravacaoConjunta(zvsys::System& sistema, std::string pasta, std::vector<std::string> permitidos);

    // Every file gets its new content, or (false) every file keeps its old one;
    // Falha() then names the file that failed.
    bool Grava(const std::vector<Arquivo>& arquivos);
    // The same with the contents given one file at a time; a file whose new
    // content is its old one is left alone.
    bool Grava(const std::vector<std::string>& nomes, const Fonte& fonte);
    // What an interrupted Grava left.
    Retomada Retoma();

    std::string Intencao() const;
    const std::string& Falha() const { return falha_; }
    // Recusada: the name refused and where the intent was set aside.
    const std::string& Motivo() const { return motivo_; }
    // Danificada: every file the intent names, as far as it can be told.
    const std::vector<Estado>& Estados() const { return estados_; }

private:
    // Where a content lies in the intent.
    struct Trecho {
        uint64_t inicio = 0;
        size_t tamanho = 0;
    };
    // One file as the intent records it; a damaged intent may stop inside it.
    struct Entrada {
        std::string nome;
        bool temAntigo = false;
        std::optional<Trecho> antigo;  // none: the file did not exist
        bool temNovo = false;
        Trecho novo;
    };

    class Leitor;

    std::string Caminho(const std::string& nome) const;
    // The permitted name an intent's entry stands for; empty when none.
    // `caminhoInteiro`: the entry may be a whole path (the first version's).
    std::string NomePermitido(const std::string& entrada, bool caminhoInteiro) const;
    // Writes the intent, asking `fonte` for one file at a time; `entradas` gets
    // the files that change.
    bool EscreveIntencao(const std::vector<std::string>& nomes, const Fonte& fonte, std::vector<Entrada>& entradas);
    // The intent turned to undoing, its contents copied a piece at a time.
    bool MarcaDesfazer();
    std::optional<std::string> Conteudo(const Trecho& trecho);
    // A file's content (none: missing) is the recorded one (none: it did not exist).
    bool Igual(const std::optional<std::string>& atual, const std::optional<Trecho>& registrado);
    std::optional<std::string> Atual(const std::string& nome);
    // Puts the old contents back into the files that hold their new content.
    bool Desfaz(const std::vector<Entrada>& entradas);
    Retomada Recusa(const std::string& nome);
    Retomada Danificada(const std::vector<Entrada>& entradas);
    Retomada Falhou(const std::string& onde);

    zvsys::System& sistema_;
    std::string pasta_;
    std::vector<std::string> permitidos_;
    std::string falha_;
    std::string motivo_;
    std::vector<Estado> estados_;
};

}  // namespace instala
