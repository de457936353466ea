#include "ArquivoIni.h"

namespace instala {

std::string Caminho(const std::string& pasta, const std::string& nome) { return pasta + "\\" + nome; }

std::string LeValorIni(zvsys::System& sistema, const std::string& caminho, const std::string& secao,
                       const std::string& chave, const std::string& padrao) {
    const auto bytes = sistema.FileExists(caminho) ? sistema.ReadFile(caminho) : std::nullopt;
    if (!bytes) return padrao;
    return profile::IniDocument::Parse(*bytes).Get(secao, chave).value_or(padrao);
}

ArquivoIni::ArquivoIni(std::string caminho, std::string original, bool existia)
    : caminho_(std::move(caminho)),
      original_(std::move(original)),
      existia_(existia),
      documento_(profile::IniDocument::Parse(original_)) {}

std::optional<ArquivoIni> ArquivoIni::Abre(zvsys::System& sistema, const std::string& caminho) {
    if (!sistema.FileExists(caminho)) return ArquivoIni(caminho, {}, false);
    auto bytes = sistema.ReadFile(caminho);
    if (!bytes) return std::nullopt;
    return ArquivoIni(caminho, std::move(*bytes), true);
}

bool ArquivoIni::Grava(zvsys::System& sistema) const {
    if (!Alterado()) return true;
    return sistema.WriteFile(caminho_, documento_.Serialize());
}

}  // namespace instala
