#pragma once
// An ini file read whole through the system layer, changed in memory and
// written back whole, so that a change of many keys is one replacement of
// the file and a failure leaves the file as it was. A large file is held as
// its bytes and its changed text, never in more copies.
#include <optional>
#include <string>
#include <string_view>

#include "profile/IniDocument.h"
#include "system/System.h"

namespace instala {

class ArquivoIni {
public:
    // A missing file opens empty; nullopt when it exists but cannot be read.
    static std::optional<ArquivoIni> Abre(zvsys::System& sistema, const std::string& caminho);

    profile::IniDocument& Documento() { return documento_; }
    const profile::IniDocument& Documento() const { return documento_; }
    const std::string& Caminho() const { return caminho_; }
    bool Alterado() const;
    // The content read at opening; none when the file did not exist.
    std::optional<std::string_view> Original() const {
        return existia_ ? std::optional<std::string_view>(original_) : std::nullopt;
    }
    // The content as it now stands, in the file's own encoding; valid until the
    // document changes again.
    std::string_view Novo() { return documento_.Bytes(novo_); }
    // Writes only when something changed.
    bool Grava(zvsys::System& sistema);

private:
    ArquivoIni(std::string caminho, std::string original, bool existia);
    std::string caminho_;
    std::string original_;
    bool existia_;
    profile::IniDocument documento_;
    std::string novo_;  // the encoded content, for a file that needs encoding
};

// A file that is only read: its document, without a second copy of its bytes.
// A missing file reads empty; nullopt when it exists but cannot be read.
std::optional<profile::IniDocument> LeIni(zvsys::System& sistema, const std::string& caminho);

// One value as the profile functions read it: the default when the file,
// section or key is missing or the file cannot be read.
std::string LeValorIni(zvsys::System& sistema, const std::string& caminho, const std::string& secao,
                       const std::string& chave, const std::string& padrao);

// "<folder>\<name>" as the installer joins its paths.
std::string Caminho(const std::string& pasta, const std::string& nome);

}  // namespace instala
