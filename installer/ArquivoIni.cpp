#include "ArquivoIni.h"

namespace instala {

namespace {

// Room for a few changed lines without moving the whole text.
constexpr size_t kFolga = 4096;

}  // namespace

std::string Caminho(const std::string& pasta, const std::string& nome) { return pasta + "\\" + nome; }

std::optional<profile::IniDocument> LeIni(zvsys::System& sistema, const std::string& caminho) {
    if (!sistema.FileExists(caminho)) return profile::IniDocument();
    auto bytes = sistema.ReadFile(caminho);
    if (!bytes) return std::nullopt;
    return profile::IniDocument::Parse(std::move(*bytes));
}

std::string LeValorIni(zvsys::System& sistema, const std::string& caminho, const std::string& secao,
                       const std::string& chave, const std::string& padrao) {
    const auto documento = LeIni(sistema, caminho);
    if (!documento) return padrao;
    return documento->Get(secao, chave).value_or(padrao);
}

ArquivoIni::ArquivoIni(std::string caminho, std::string original, bool existia)
    : caminho_(std::move(caminho)),
      original_(std::move(original)),
      existia_(existia),
      documento_(profile::IniDocument::ParseCopy(original_, kFolga)) {}

std::optional<ArquivoIni> ArquivoIni::Abre(zvsys::System& sistema, const std::string& caminho) {
    if (!sistema.FileExists(caminho)) return ArquivoIni(caminho, {}, false);
    auto bytes = sistema.ReadFile(caminho);
    if (!bytes) return std::nullopt;
    return ArquivoIni(caminho, std::move(*bytes), true);
}

bool ArquivoIni::Alterado() const {
    std::string codificado;
    return documento_.Bytes(codificado) != original_;
}

bool ArquivoIni::Grava(zvsys::System& sistema) {
    if (!Alterado()) return true;
    return sistema.WriteFile(caminho_, Novo());
}

}  // namespace instala
