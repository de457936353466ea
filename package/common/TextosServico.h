#pragma once
// The service texts a transaction record sends as text entries: a tag
// ("CICLOS:", "DTEMCART:", "CAUT:") and its value. Each unit keeps its own
// buffers; they hold their content until a screen with the box enabled fills
// them again.
#include <string>

#include "forms/Edit.h"

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
// both alone. False when the field write was refused.
bool GravaCiclos(const forms::Edit& caixa, TextoServico& texto);
bool GravaDataEmissao(const forms::Edit& caixa, TextoServico& texto);

}  // namespace zv::registro
