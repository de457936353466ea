#include "invoice/ValidacaoCodigoBarras.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zv {

namespace {

bool EhDigito(char c) { return static_cast<unsigned char>(c - '0') <= 9; }

bool SoDigitos(std::string_view texto) {
    bool todos = true;
    for (char c : texto) todos &= EhDigito(c);  // no early exit: lines are short and mostly right
    return todos;
}

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

// A convênio line is four blocks of 11 code digits and the block's own check digit.
constexpr int BLOCO_CONVENIO = 12;
constexpr int POSICAO_DIGITO_TITULO = 4;    // 0-based, in the barcode
constexpr int POSICAO_DIGITO_CONVENIO = 3;  // 0-based, in the barcode and in the line

// Modulo-11 weights of the título barcode, 2 to 9 from the right over the 43
// digits around the check digit (which weighs nothing).
constexpr auto PESOS_TITULO = [] {
    std::array<int, TAMANHO_CODIGO_BARRAS> pesos{};
    int peso = 2;
    for (int i = TAMANHO_CODIGO_BARRAS - 1; i >= 0; --i) {
        if (i == POSICAO_DIGITO_TITULO) continue;
        pesos[static_cast<size_t>(i)] = peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    return pesos;
}();

// Modulo-10 contribution of each digit value: weight 1, or weight 2 with the
// product's digits added.
constexpr int SIMPLES[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int DOBRADO[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
constexpr int NADA[10] = {};

// What each character of a typed convênio line weighs toward the general
// check digit: the block check digits and the general digit itself nothing,
// the 43 code digits 2, 1, 2 ... from the right.
constexpr auto PESOS_CONVENIO = [] {
    std::array<const int*, TAMANHO_LINHA_CONVENIO> pesos{};
    bool dobra = true;
    for (int i = TAMANHO_LINHA_CONVENIO - 1; i >= 0; --i) {
        const bool digitoBloco = i % BLOCO_CONVENIO == BLOCO_CONVENIO - 1;
        if (digitoBloco || i == POSICAO_DIGITO_CONVENIO) {
            pesos[static_cast<size_t>(i)] = NADA;
            continue;
        }
        pesos[static_cast<size_t>(i)] = dobra ? DOBRADO : SIMPLES;
        dobra = !dobra;
    }
    return pesos;
}();

int DigitoModulo10(int total) { return (10 - total % 10) % 10; }

int DigitoModulo11(int total) {
    const int resultado = 11 - total % 11;
    return resultado >= 10 ? 1 : resultado;
}

// The título barcode's general check digit holds; the digits are known good.
bool DigitoTituloConfere(const char* lido) {
    int total = 0;
    for (size_t i = 0; i < TAMANHO_CODIGO_BARRAS; ++i) total += (lido[i] - '0') * PESOS_TITULO[i];
    return DigitoModulo11(total) == lido[POSICAO_DIGITO_TITULO] - '0';
}

}  // namespace

bool ValidaModulo10(std::string_view texto, int tamanho, int posicao) {
    if (tamanho < 1 || posicao < 1 || posicao > tamanho || static_cast<size_t>(tamanho) > texto.size()) return false;
    const std::string_view parte = texto.substr(0, static_cast<size_t>(tamanho));
    if (!SoDigitos(parte)) return false;

    const size_t posicaoDigito = static_cast<size_t>(posicao) - 1;
    // Weights 2, 1, 2, 1 ... from the right, skipping the check digit itself.
    int total = 0;
    bool dobra = true;
    for (size_t i = parte.size(); i-- > 0;) {
        if (i == posicaoDigito) continue;
        total += (dobra ? DOBRADO : SIMPLES)[parte[i] - '0'];
        dobra = !dobra;
    }
    return DigitoModulo10(total) == parte[posicaoDigito] - '0';
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
    return DigitoModulo11(total);
}

bool ValidaCodigoBarrasLidoTitulo(std::string_view lido) {
    return lido.size() == TAMANHO_CODIGO_BARRAS && SoDigitos(lido) && DigitoTituloConfere(lido.data());
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
    return linha.size() <= TAMANHO_LINHA_TITULO && SoDigitos(linha) && DigitoTituloConfere(buffers.CodigoBarrasLido);
}

bool ValidaCodigoBarrasLidoConvenio(std::string_view codigo) {
    return ValidaModulo10(codigo, static_cast<int>(codigo.size()), 4);
}

bool ValidaCodigoBarrasCompletoConvenio(std::string_view linha) {
    if (linha.size() != TAMANHO_LINHA_CONVENIO || !SoDigitos(linha)) return false;
    // Straight from the line: the same sum as over the code without the block digits.
    int total = 0;
    for (size_t i = 0; i < TAMANHO_LINHA_CONVENIO; ++i) total += PESOS_CONVENIO[i][linha[i] - '0'];
    return DigitoModulo10(total) == linha[POSICAO_DIGITO_CONVENIO] - '0';
}

}  // namespace zv
