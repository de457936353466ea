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

// The same 43 code digits toward a modulo-11 general digit: 2 to 9 from the
// right, over and over.
constexpr auto PESOS11_CONVENIO = [] {
    std::array<int, TAMANHO_LINHA_CONVENIO> pesos{};
    int peso = 2;
    for (int i = TAMANHO_LINHA_CONVENIO - 1; i >= 0; --i) {
        if (i % BLOCO_CONVENIO == BLOCO_CONVENIO - 1 || i == POSICAO_DIGITO_CONVENIO) continue;
        pesos[static_cast<size_t>(i)] = peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    return pesos;
}();

int DigitoModulo10(int total) { return (10 - total % 10) % 10; }

// A convênio's: remainders 0 and 1 give 0 (never 10 or 11).
int DigitoModulo11Convenio(int total) {
    const int resto = total % 11;
    return resto <= 1 ? 0 : 11 - resto;
}

int DigitoModulo11(int total) {
    const int resultado = 11 - total % 11;
    return resultado >= 10 ? 1 : resultado;
}

// The digit at `posicao` (1-based) checks the other digits among the first
// `tamanho`: `peso` gives what a digit adds by its order from the right (the
// check digit left out), `calcula` the check digit of the total.
template <class Peso, class Calcula>
bool DigitoConfere(std::string_view texto, int tamanho, int posicao, Peso peso, Calcula calcula) {
    if (tamanho < 1 || posicao < 1 || posicao > tamanho || static_cast<size_t>(tamanho) > texto.size()) return false;
    const std::string_view parte = texto.substr(0, static_cast<size_t>(tamanho));
    if (!SoDigitos(parte)) return false;

    const size_t posicaoDigito = static_cast<size_t>(posicao) - 1;
    int total = 0;
    int ordem = 0;
    for (size_t i = parte.size(); i-- > 0;) {
        if (i != posicaoDigito) total += peso(parte[i] - '0', ordem++);
    }
    return calcula(total) == parte[posicaoDigito] - '0';
}

// The título barcode's general check digit holds; the digits are known good.
bool DigitoTituloConfere(const char* lido) {
    int total = 0;
    for (size_t i = 0; i < TAMANHO_CODIGO_BARRAS; ++i) total += (lido[i] - '0') * PESOS_TITULO[i];
    return DigitoModulo11(total) == lido[POSICAO_DIGITO_TITULO] - '0';
}

}  // namespace

bool ValidaModulo10(std::string_view texto, int tamanho, int posicao) {
    // Weights 2, 1, 2, 1 ... from the right.
    return DigitoConfere(
        texto, tamanho, posicao, [](int digito, int ordem) { return (ordem % 2 == 0 ? DOBRADO : SIMPLES)[digito]; },
        DigitoModulo10);
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

bool ConvenioModulo11(char terceiroDigito) { return terceiroDigito == '8' || terceiroDigito == '9'; }

bool ValidaModulo11Convenio(std::string_view texto, int tamanho, int posicao) {
    // Weights 2 to 9 from the right, over and over.
    return DigitoConfere(
        texto, tamanho, posicao, [](int digito, int ordem) { return digito * (2 + ordem % 8); },
        DigitoModulo11Convenio);
}

bool ValidaDigitoConvenio(std::string_view texto, int tamanho, int posicao, char terceiroDigito) {
    return ConvenioModulo11(terceiroDigito) ? ValidaModulo11Convenio(texto, tamanho, posicao)
                                            : ValidaModulo10(texto, tamanho, posicao);
}

bool ValidaCodigoBarrasLidoConvenio(std::string_view codigo) {
    const char terceiro = codigo.size() > 2 ? codigo[2] : '0';
    return ValidaDigitoConvenio(codigo, static_cast<int>(codigo.size()), 4, terceiro);
}

bool ValidaCodigoBarrasCompletoConvenio(std::string_view linha) {
    if (linha.size() != TAMANHO_LINHA_CONVENIO || !SoDigitos(linha)) return false;
    // Straight from the line: the same sum as over the code without the block digits.
    const int geral = linha[POSICAO_DIGITO_CONVENIO] - '0';
    int total = 0;
    if (ConvenioModulo11(linha[2])) {
        for (size_t i = 0; i < TAMANHO_LINHA_CONVENIO; ++i) total += (linha[i] - '0') * PESOS11_CONVENIO[i];
        return DigitoModulo11Convenio(total) == geral;
    }
    for (size_t i = 0; i < TAMANHO_LINHA_CONVENIO; ++i) total += PESOS_CONVENIO[i][linha[i] - '0'];
    return DigitoModulo10(total) == geral;
}

}  // namespace zv
