#include "common/Conversoes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "forms/Locale.h"

namespace zv {

namespace {

bool EhBranco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EhDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string Trim(std::string_view texto) {
    size_t inicio = 0;
    size_t fim = texto.size();
    while (inicio < fim && EhBranco(texto[inicio])) ++inicio;
    while (fim > inicio && EhBranco(texto[fim - 1])) --fim;
    return std::string(texto.substr(inicio, fim - inicio));
}

namespace {

template <class Inteiro>
Inteiro ConverteInteiroDe(std::string_view texto, Inteiro padrao) {
    const std::string t = Trim(texto);
    if (t.empty()) return padrao;
    const char* inicio = t.data();
    const char* fim = t.data() + t.size();
    // from_chars takes '-' but not '+'; the host may send either.
    if (*inicio == '+') ++inicio;
    if (inicio == fim || (*inicio != '-' && !EhDigito(*inicio))) return padrao;
    Inteiro valor = 0;
    const auto [ptr, ec] = std::from_chars(inicio, fim, valor, 10);
    if (ec != std::errc() || ptr != fim) return padrao;
    return valor;
}

}  // namespace

int32_t ConverteInteiro(std::string_view texto, int32_t padrao) { return ConverteInteiroDe(texto, padrao); }

int64_t ConverteInteiro64(std::string_view texto, int64_t padrao) { return ConverteInteiroDe(texto, padrao); }

double ConverteDecimal(std::string_view texto, double padrao) {
    const std::string t = Trim(texto);
    const char separador = forms::Settings().decimalSeparator;
    // Validate the shape ourselves: from_chars would also take "inf", "nan"
    // and hexadecimal forms, which no host value means.
    std::string normal;
    normal.reserve(t.size());
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') normal += '-';
        ++i;
    }
    size_t digitos = 0;
    bool separadorVisto = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (EhDigito(c)) {
            normal += c;
            ++digitos;
        } else if (c == separador && !separadorVisto) {
            normal += '.';
            separadorVisto = true;
        } else {
            break;
        }
    }
    if (digitos == 0) return padrao;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) normal += t[i++];
        size_t expoente = 0;
        for (; i < t.size() && EhDigito(t[i]); ++i, ++expoente) normal += t[i];
        if (expoente == 0) return padrao;
    }
    if (i != t.size()) return padrao;
    double valor = 0;
    const auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (ec != std::errc() || ptr != normal.data() + normal.size() || !std::isfinite(valor)) return padrao;
    return valor;
}

std::string FormataDecimal(double valor) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", valor);
    std::string texto = buffer;
    const size_t ponto = texto.find('.');
    if (ponto != std::string::npos) texto[ponto] = forms::Settings().decimalSeparator;
    // "1E+20" reads "1E20" in the form the operators know.
    const size_t e = texto.find('E');
    if (e != std::string::npos && e + 1 < texto.size() && texto[e + 1] == '+') texto.erase(e + 1, 1);
    return texto;
}

void CopiaTexto(char* destino, int32_t capacidade, std::string_view texto) {
    if (destino == nullptr || capacidade <= 0) return;
    const size_t n = std::min(texto.size(), static_cast<size_t>(capacidade) - 1);
    std::memcpy(destino, texto.data(), n);
    destino[n] = '\0';
}

}  // namespace zv
