// Typed payment-slip lines validated per second, one thread: what the till
// does each time an operator confirms a typed line, many times over.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "invoice/ValidacaoCodigoBarras.h"

namespace {

char digitado[zv::TAMANHO_LINHA_TITULO];
char lido[zv::TAMANHO_CODIGO_BARRAS];

// A thousand lines of the kind: the valid one with random digits changed in
// about half of them, so the answers vary as an operator's typing errors would.
std::vector<std::string> Linhas(const std::string& valida) {
    std::mt19937 gerador(42);
    std::uniform_int_distribution<size_t> posicao(0, valida.size() - 1);
    std::uniform_int_distribution<int> digito('0', '9');
    std::vector<std::string> linhas;
    for (int i = 0; i < 1000; ++i) {
        std::string linha = valida;
        if (i % 2 == 1) linha[posicao(gerador)] = static_cast<char>(digito(gerador));
        linhas.push_back(linha);
    }
    return linhas;
}

void TituloDigitado(benchmark::State& state) {
    const auto linhas = Linhas("00191234546789012345767890123457810000000001500");
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zv::ValidaCodigoBarrasCompletoTitulo(linhas[i], {digitado, lido}));
        i = i + 1 == linhas.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TituloDigitado);

// A convênio's third digit chooses its modulus: 6 an amount (modulo 10), 8 a
// reference (modulo 11).
void ConvenioDigitado(benchmark::State& state, const char* valida) {
    const auto linhas = Linhas(valida);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zv::ValidaCodigoBarrasCompletoConvenio(linhas[i]));
        i = i + 1 == linhas.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(ConvenioDigitado, Modulo10, "826600000002123400012340567890123456678901234560");
BENCHMARK_CAPTURE(ConvenioDigitado, Modulo11, "858000034285624958758072302157368195303642621296");

}  // namespace

BENCHMARK_MAIN();
