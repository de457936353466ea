#include "invoice/ValidacaoCodigoBarras.h"

#include <algorithm>
#include <cstring>

namespace zv {

namespace {

bool EhDigito(char c) { return c >= '0' && c <= '9'; }

bool SoDigitos(std::string_view texto) { return std::all_of(texto.begin(), texto.end(), EhDigito); }

// Where each part of the typed título line goes in its barcode (0-based):
// the field check digits at 9, 20 and 31 have no place there.
struct Trecho {
    int origem;
    int destino;
    int tamanho;
};
constexpr Trecho TRECHOS_TITULO[] = {
    {0, 0, 3},     // bank
    {3, 3, 1},     // currency
    {32, 4, 1},    // general check digit
    {33, 5, 4},    // due-date factor
    {37, 9, 10},   // amount
    {4, 19, 5},    // free field, part 1
    {10, 24, 10},  // free field, part 2
    {21, 34, 10},  // free field, part 3
};

// The four 11-digit code parts of a convênio line; the 12th digit of each
// block is that block's own check digit.
constexpr int BLOCO_CONVENIO = 12;
constexpr int CODIGO_BLOCO_CONVENIO = 11;

}  // namespace

bool ValidaModulo10(std::string_view texto, int tamanho, int posicao) {
    if (tamanho < 1 || posicao < 1 || posicao > tamanho || static_cast<size_t>(tamanho) > texto.size()) return false;
    const std::string_view parte = texto.substr(0, static_cast<size_t>(tamanho));
    if (!SoDigitos(parte)) return false;

    const size_t posicaoDigito = static_cast<size_t>(posicao) - 1;
    // Weights 2, 1, 2, 1 ... from the right, skipping the check digit itself.
    int total = 0;
    int peso = 2;
    for (size_t i = parte.size(); i-- > 0;) {
        if (i == posicaoDigito) continue;
        const int produto = (parte[i] - '0') * peso;
        total += produto / 10 + produto % 10;
        peso = 3 - peso;
    }
    const int calculado = (10 - total % 10) % 10;
    return calculado == parte[posicaoDigito] - '0';
}

int CalculaModulo11(std::string_view texto, int tamanho) {
    if (tamanho < 0 || static_cast<size_t>(tamanho) > texto.size()) return -1;
    int total = 0;
    int peso = 2;
    for (size_t i = static_cast<size_t>(tamanho); i-- > 0;) {
        if (!EhDigito(texto[i])) return -1;
        total += (texto[i] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resultado = 11 - total % 11;
    return resultado >= 10 ? 1 : resultado;
}

bool ValidaCodigoBarrasLidoTitulo(std::string_view lido) {
    if (lido.size() != TAMANHO_CODIGO_BARRAS || !SoDigitos(lido)) return false;
    char semDigito[TAMANHO_CODIGO_BARRAS - 1];
    std::memcpy(semDigito, lido.data(), 4);
    std::memcpy(semDigito + 4, lido.data() + 5, TAMANHO_CODIGO_BARRAS - 5);
    return CalculaModulo11(std::string_view(semDigito, sizeof semDigito), sizeof semDigito) == lido[4] - '0';
}

void ConverteCodigoBarrasDigitadoLido(TBuffersCodigoBarras buffers) {
    std::memset(buffers.CodigoBarrasLido, '0', TAMANHO_CODIGO_BARRAS);
    for (const Trecho& t : TRECHOS_TITULO) {
        std::memcpy(buffers.CodigoBarrasLido + t.destino, buffers.CodigoBarrasDigitado + t.origem,
                    static_cast<size_t>(t.tamanho));
    }
}

bool ValidaCodigoBarrasCompletoTitulo(std::string_view linha, TBuffersCodigoBarras buffers) {
    std::memset(buffers.CodigoBarrasDigitado, '0', TAMANHO_LINHA_TITULO);
    const size_t copiados = std::min(linha.size(), static_cast<size_t>(TAMANHO_LINHA_TITULO));
    std::memcpy(buffers.CodigoBarrasDigitado, linha.data(), copiados);
    ConverteCodigoBarrasDigitadoLido(buffers);
    // The buffers are refilled either way; a line that is longer than a
    // título or holds a non-digit (the field check digits included) is not one.
    if (linha.size() > TAMANHO_LINHA_TITULO || !SoDigitos(linha)) return false;
    return ValidaCodigoBarrasLidoTitulo(std::string_view(buffers.CodigoBarrasLido, TAMANHO_CODIGO_BARRAS));
}

bool ValidaCodigoBarrasLidoConvenio(std::string_view codigo) {
    return ValidaModulo10(codigo, static_cast<int>(codigo.size()), 4);
}

bool ValidaCodigoBarrasCompletoConvenio(std::string_view linha) {
    if (linha.size() != TAMANHO_LINHA_CONVENIO || !SoDigitos(linha)) return false;
    char codigo[TAMANHO_CODIGO_BARRAS];
    for (int bloco = 0; bloco < 4; ++bloco) {
        std::memcpy(codigo + bloco * CODIGO_BLOCO_CONVENIO, linha.data() + bloco * BLOCO_CONVENIO,
                    CODIGO_BLOCO_CONVENIO);
    }
    return ValidaCodigoBarrasLidoConvenio(std::string_view(codigo, sizeof codigo));
}

}  // namespace zv
