#pragma once
// Check digits of a payment slip: the typed line of a bank slip (título, 47
// digits) or of a collection slip (convênio, 48 digits, first digit 8), and the
// 44-digit barcode behind either.
//
// Every routine takes text that should hold decimal digits only. A text with
// anything else, or shorter than the length asked for, is invalid: nothing is
// read past its end and nothing throws.
//
// The título routines work in the buffers of the unit that calls them, so each
// screen unit keeps its own pair (the payment and its cancellation do) and hands
// them in as a TBuffersCodigoBarras.
#include <string_view>

namespace zv {

constexpr int TAMANHO_LINHA_TITULO = 47;
constexpr int TAMANHO_LINHA_CONVENIO = 48;
constexpr int TAMANHO_CODIGO_BARRAS = 44;
// A convênio line is four blocks of 11 code digits and the block's own check digit.
constexpr int BLOCO_CONVENIO = 12;

// A unit's buffers: the typed título line (47 digits) and the barcode built
// from it (44 digits). Neither is zero-terminated.
struct TBuffersCodigoBarras {
    char (&CodigoBarrasDigitado)[TAMANHO_LINHA_TITULO];
    char (&CodigoBarrasLido)[TAMANHO_CODIGO_BARRAS];
};

// True when the digit at `posicao` (1-based) is the modulo-10 check digit of
// the other digits among the first `tamanho` characters.
bool ValidaModulo10(std::string_view texto, int tamanho, int posicao);

// The modulo-11 check digit (1 to 9) of the first `tamanho` digits; -1 when
// the text is shorter than that or holds a non-digit there.
int CalculaModulo11(std::string_view texto, int tamanho);

// A título barcode (44 digits) whose 5th digit checks the other 43.
bool ValidaCodigoBarrasLidoTitulo(std::string_view lido);

// Builds CodigoBarrasLido from CodigoBarrasDigitado.
void ConverteCodigoBarrasDigitadoLido(TBuffersCodigoBarras buffers);

// A typed título line of at most 47 digits, zeros standing in for what is
// missing at its end: fills the buffers and checks the general check digit.
bool ValidaCodigoBarrasCompletoTitulo(std::string_view linha, TBuffersCodigoBarras buffers);

// A convênio's third digit tells what its amount field holds, and with it how
// every check digit of the slip is computed: 6 or 7 (an amount) modulo 10, 8
// or 9 (a reference) modulo 11. Anything else is read as modulo 10.
bool ConvenioModulo11(char terceiroDigito);

// True when the digit at `posicao` (1-based) is the convênio modulo-11 check
// digit of the other digits among the first `tamanho` characters: weights 2
// to 9 from the right, 11 less the remainder, 0 for the remainders 0 and 1.
bool ValidaModulo11Convenio(std::string_view texto, int tamanho, int posicao);

// A convênio check digit (a block's or the general one) by the modulus that
// the slip's third digit chooses.
bool ValidaDigitoConvenio(std::string_view texto, int tamanho, int posicao, char terceiroDigito);

// A convênio barcode (44 digits) whose 4th digit checks the other 43.
bool ValidaCodigoBarrasLidoConvenio(std::string_view codigo);

// A typed convênio line (48 digits): the code left after dropping the check
// digit that ends each block of 12 passes ValidaCodigoBarrasLidoConvenio.
bool ValidaCodigoBarrasCompletoConvenio(std::string_view linha);

}  // namespace zv
