#pragma once
// The service texts a transaction record sends as text entries: a tag
// ("CICLOS:", "DTEMCART:", "CAUT:") and its value. Each unit keeps its own
// buffers; they hold their content until a screen with the box enabled fills
// them again.
#include <cstdint>
#include <functional>
#include <string>

#include "forms/Edit.h"
#include "host/HostAbi.h"

namespace zv::registro {

// 16 characters and the terminating zero.
constexpr int TAMANHO_TEXTO_SERVICO = 17;
using TextoServico = char[TAMANHO_TEXTO_SERVICO];

// The tag and the value, cut to the buffer.
void PreencheTextoServico(TextoServico& texto, const std::string& tag, const std::string& valor);
void ZeraTextoServico(TextoServico& texto);

// The cycles and card issue date boxes of the credit and withdrawal screens.
// An enabled box's value goes to its field and to its service text, which is
// emptied first (an empty cycles box writes nothing); a disabled box leaves
// both alone. False when the field write was refused. The field is written
// through `grava`, the screen's own, so that a stop takes the value back.
using GravaCampoTela = std::function<ZvStatus(int32_t campo, const std::string& texto)>;
bool GravaCiclos(const forms::Edit& caixa, TextoServico& texto, const GravaCampoTela& grava);
bool GravaDataEmissao(const forms::Edit& caixa, TextoServico& texto, const GravaCampoTela& grava);

}  // namespace zv::registro
