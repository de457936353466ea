#pragma once
// The package's C++ view of the host libraries: sized buffers on the way in,
// std::string on the way out. Every call still goes through the C ABI, so the
// host's journal sees it.
#include <cstdint>
#include <string>
#include <vector>

#include "host/Fosdal.h"
#include "host/Halvik.h"
#include "host/Kelvor.h"
#include "host/Lumar.h"
#include "host/Ormund.h"

namespace zv::host {

// Catalogue text of a message.
std::string Mensagem(int32_t numero);
// Catalogue text with its "%s" arguments laid in, in order (missing ones empty).
std::string MensagemFormatada(int32_t numero, const std::vector<std::string>& args);
// Lays arguments into "%s" places; "%%" is a percent sign. Never reads past the text.
std::string Formata(const std::string& formato, const std::vector<std::string>& args);

// Lumar LeCampo into a 4097-byte buffer.
std::string LeCampo(int32_t campo, int32_t indice = 0);
// Whether a text LeCampo gave back is the whole value: one that filled the
// buffer may have been cut.
bool LidoInteiro(const std::string& lido);
// Fosdal byte read into a zeroed buffer of `capacidade` bytes; the bytes read.
std::string LeCampoBytes(int32_t campo, int32_t indice, int32_t capacidade);
// Lumar FosdalLeCampoMaxLen into a zeroed buffer of maxLen + 1 bytes.
std::string LeCampoMaxLen(int32_t campo, int32_t indice, int32_t maxLen);
ZvStatus GravaCampo(int32_t campo, const std::string& texto, int32_t indice = 0);  // GravaCampoString
ZvStatus GravaCampoBytes(int32_t campo, int32_t indice, const std::string& bytes);  // FosdalGravaCampo
ZvStatus LimpaCampo(int32_t campo);

std::string RemoveFormato(const std::string& texto);
std::string Dollar(const std::string& texto);
std::string Padr(const std::string& texto, int32_t largura);
std::string Centraliza(const std::string& texto, int32_t largura);
std::string PreencherZerosEsquerda(const std::string& texto, int32_t largura);
std::string ServicoString(const char* tag);  // VerificaServico5String(tag, 0)
std::string BuildInfo(const char* arquivo);  // GetBuildInfo
void Audit(const std::string& texto);        // GravaAudit(0, texto, length)
void EnviaErroPDV(int32_t numeroMensagem);   // EnviaArquivoErroPDV(255, Mensagem(n))

}  // namespace zv::host
