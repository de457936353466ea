// Carrying a till's saved settings into the new files (CopiaChavesIni): the
// whole step with its file reads and the synced write, the in-memory carry
// alone (CopyFrom), and many keys set at once (SetAll). The sizes go up by
// eight so that the time can be seen to grow with the keys and no faster.
// Run: build/normal/bin/carry_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "Configuracao.h"
#include "OperadorSemTerminal.h"
#include "profile/FileIo.h"
#include "profile/IniDocument.h"
#include "system/PortableSystem.h"

namespace {

constexpr int kSecoes = 16;

// A saved file of `chaves` keys in 16 sections, and a new file that has every
// other one of them (so half are replaced and half added) and keys of its own.
struct Arquivos {
    std::string salvo;
    std::string novo;
};

Arquivos Monta(int chaves) {
    Arquivos a;
    for (int s = 0; s < kSecoes; ++s) {
        const std::string secao = "[Secao" + std::to_string(s) + "]\r\n";
        a.salvo += secao;
        a.novo += secao + "Propria=1\r\n";
        for (int k = s; k < chaves; k += kSecoes) {
            a.salvo += "Chave" + std::to_string(k) + "=valor " + std::to_string(k) + "\r\n";
            if (k % 2 == 0) a.novo += "Chave" + std::to_string(k) + "=padrao\r\n";
        }
    }
    return a;
}

void CopiaChavesIni(benchmark::State& state) {
    std::string modelo = (std::filesystem::temp_directory_path() / "zvbenchXXXXXX").string();
    const std::string raiz = ::mkdtemp(modelo.data());
    std::filesystem::create_directories(raiz + "/C/Client");
    const Arquivos a = Monta(static_cast<int>(state.range(0)));
    profile::SaveFileAtomically(raiz + "/C/Client/ClienteTrn.ini_Atual", a.salvo);
    zvsys::PortableSystem sistema(raiz);
    instala::OperadorSemTerminal operador;
    instala::ConversaoConfiguracao conversao(sistema, operador, "C:\\Client");
    for (auto _ : state) {
        state.PauseTiming();
        profile::SaveFileAtomically(raiz + "/C/Client/ClienteTrn.ini", a.novo);
        state.ResumeTiming();
        if (!conversao.CopiaChavesIni("C:\\Client\\ClienteTrn.ini_Atual", "C:\\Client\\ClienteTrn.ini", "")) {
            state.SkipWithError("carry failed");
        }
    }
    std::filesystem::remove_all(raiz);
}

void CopyFrom(benchmark::State& state) {
    const Arquivos a = Monta(static_cast<int>(state.range(0)));
    const profile::IniDocument salvo = profile::IniDocument::Parse(a.salvo);
    for (auto _ : state) {
        profile::IniDocument novo = profile::IniDocument::Parse(a.novo);
        novo.CopyFrom(salvo);
        benchmark::DoNotOptimize(novo);
    }
}

void SetAll(benchmark::State& state) {
    const Arquivos a = Monta(static_cast<int>(state.range(0)));
    const auto entradas = profile::IniDocument::Parse(a.salvo).Entries();
    for (auto _ : state) {
        profile::IniDocument novo = profile::IniDocument::Parse(a.novo);
        novo.SetAll(entradas);
        benchmark::DoNotOptimize(novo);
    }
}

}  // namespace

BENCHMARK(CopiaChavesIni)->Arg(2000)->Arg(16000)->Arg(128000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyFrom)->Arg(2000)->Arg(16000)->Arg(128000)->Arg(1024000)->Unit(benchmark::kMillisecond);
BENCHMARK(SetAll)->Arg(2000)->Arg(16000)->Arg(128000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
