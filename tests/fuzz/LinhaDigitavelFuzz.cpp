// Typed slip lines and barcodes of both kinds, as pasted or read: a text with
// a non-digit where a digit belongs is never valid, every check digit is the
// only digit that passes in its place (modulo 10, 11, and the convênio's 11),
// the título line is moved into its barcode part by part, and the convênio
// line checks the same as its barcode, by the modulus its third digit asks.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "invoice/ValidacaoCodigoBarras.h"

namespace {

bool SoDigitos(std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; }

// How many of the ten digits in place `posicao` (0-based) make `valida` true.
template <class F>
int DigitosQuePassam(std::string texto, size_t posicao, F valida) {
    int passam = 0;
    for (char d = '0'; d <= '9'; ++d) {
        texto[posicao] = d;
        passam += valida(texto) ? 1 : 0;
    }
    return passam;
}

void VerificaModulos(const std::string& texto, int tamanho, int posicao) {
    const bool valido = zv::ValidaModulo10(texto, tamanho, posicao);
    const bool cabe = tamanho >= 1 && posicao >= 1 && posicao <= tamanho && static_cast<size_t>(tamanho) <= texto.size();
    const bool digitos = cabe && SoDigitos(std::string_view(texto).substr(0, static_cast<size_t>(tamanho)));
    if (!digitos) ZV_FUZZ_CHECK(!valido);
    // The convênio's modulo 11 the same: non-digits never pass, one digit does.
    const bool valido11 = zv::ValidaModulo11Convenio(texto, tamanho, posicao);
    if (!digitos) ZV_FUZZ_CHECK(!valido11);
    if (digitos) {
        ZV_FUZZ_CHECK(DigitosQuePassam(texto, static_cast<size_t>(posicao - 1), [&](const std::string& t) {
                          return zv::ValidaModulo10(t, tamanho, posicao);
                      }) == 1);
        ZV_FUZZ_CHECK(DigitosQuePassam(texto, static_cast<size_t>(posicao - 1), [&](const std::string& t) {
                          return zv::ValidaModulo11Convenio(t, tamanho, posicao);
                      }) == 1);
    }
    const int digito11 = zv::CalculaModulo11(texto, tamanho);
    const bool cabe11 = tamanho >= 0 && static_cast<size_t>(tamanho) <= texto.size() &&
                        SoDigitos(std::string_view(texto).substr(0, static_cast<size_t>(tamanho)));
    ZV_FUZZ_CHECK(cabe11 ? (digito11 >= 1 && digito11 <= 9) : digito11 == -1);
}

// Where each typed título position goes in its barcode (0-based), the field
// check digits (9, 20, 31) nowhere.
int DestinoTitulo(int i) {
    if (i < 4) return i;
    if (i < 9) return 19 + (i - 4);
    if (i >= 10 && i < 20) return 24 + (i - 10);
    if (i >= 21 && i < 31) return 34 + (i - 21);
    if (i == 32) return 4;
    if (i >= 33 && i < 37) return 5 + (i - 33);
    if (i >= 37) return 9 + (i - 37);
    return -1;
}

void VerificaTitulo(const std::string& linha) {
    char digitado[zv::TAMANHO_LINHA_TITULO];
    char lido[zv::TAMANHO_CODIGO_BARRAS];
    const zv::TBuffersCodigoBarras buffers{digitado, lido};
    const bool valida = zv::ValidaCodigoBarrasCompletoTitulo(linha, buffers);
    if (!SoDigitos(linha) || linha.size() > 47) ZV_FUZZ_CHECK(!valida);

    // The buffers: the line with zeros after it, and its barcode part by part.
    const std::string esperado = linha.substr(0, 47) + std::string(47 - std::min<size_t>(linha.size(), 47), '0');
    ZV_FUZZ_CHECK(std::memcmp(digitado, esperado.data(), 47) == 0);
    std::string codigo(44, '?');
    for (int i = 0; i < 47; ++i) {
        if (DestinoTitulo(i) >= 0) codigo[static_cast<size_t>(DestinoTitulo(i))] = esperado[static_cast<size_t>(i)];
    }
    ZV_FUZZ_CHECK(std::memcmp(lido, codigo.data(), 44) == 0);
    if (SoDigitos(linha) && linha.size() <= 47) ZV_FUZZ_CHECK(valida == zv::ValidaCodigoBarrasLidoTitulo(codigo));
}

void VerificaCodigoTitulo(const std::string& codigo) {
    const bool valido = zv::ValidaCodigoBarrasLidoTitulo(codigo);
    if (codigo.size() != 44 || !SoDigitos(codigo)) {
        ZV_FUZZ_CHECK(!valido);
        return;
    }
    ZV_FUZZ_CHECK(DigitosQuePassam(codigo, 4, [](const std::string& t) { return zv::ValidaCodigoBarrasLidoTitulo(t); }) ==
                  1);
}

void VerificaConvenio(const std::string& linha) {
    const bool valida = zv::ValidaCodigoBarrasCompletoConvenio(linha);
    if (linha.size() != 48 || !SoDigitos(linha)) {
        ZV_FUZZ_CHECK(!valida);
        return;
    }
    std::string codigo;
    for (size_t bloco = 0; bloco < 4; ++bloco) codigo += linha.substr(bloco * 12, 11);
    ZV_FUZZ_CHECK(valida == zv::ValidaCodigoBarrasLidoConvenio(codigo));
    // The third digit chooses the modulus: 8 or 9 modulo 11, anything else 10.
    const bool modulo11 = linha[2] == '8' || linha[2] == '9';
    ZV_FUZZ_CHECK(valida == (modulo11 ? zv::ValidaModulo11Convenio(codigo, 44, 4) : zv::ValidaModulo10(codigo, 44, 4)));
    ZV_FUZZ_CHECK(DigitosQuePassam(linha, 3, [](const std::string& t) {
                      return zv::ValidaCodigoBarrasCompletoConvenio(t);
                  }) == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    const int tamanho = entrada.ConsumeIntegralInRange(-2, 60);
    const int posicao = entrada.ConsumeIntegralInRange(-2, 60);
    const std::string texto = entrada.ConsumeRemainingBytesAsString();

    VerificaModulos(texto, tamanho, posicao);
    VerificaModulos(texto, static_cast<int>(texto.size()), static_cast<int>(texto.size()));
    VerificaTitulo(texto);
    VerificaCodigoTitulo(texto);
    VerificaConvenio(texto);
    const bool lidoConvenio = zv::ValidaCodigoBarrasLidoConvenio(texto);
    if (!SoDigitos(texto) || texto.size() < 4) ZV_FUZZ_CHECK(!lidoConvenio);
    return 0;
}
