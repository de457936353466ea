// The stand-in client's scenario files: a text is either refused with a
// ScenarioError that names the file and a line of it, or read into a scenario
// that keeps every documented limit (an entry point that exists, field numbers
// and indexes the store keeps, tags ending in ':', three-character sub-codes
// without ';'), and a scenario read is applied to the client as it reads.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "sim/FieldStore.h"
#include "sim/Scenario.h"
#include "sim/ServiceData.h"
#include "sim/State.h"

namespace {

const std::string kArquivo = "fuzz.toml";

void VerificaServico(const sim::ServiceValues& s) {
    for (const auto& [tag, valor] : s.tags) ZV_FUZZ_CHECK(tag.size() >= 2 && tag.back() == ':');
    for (const auto& [sub, conteudo] : s.q) {
        ZV_FUZZ_CHECK(sub.size() == 3 && conteudo.find(';') == std::string::npos);
    }
}

void VerificaCampos(const std::vector<sim::FieldValue>& campos) {
    for (const auto& c : campos) {
        ZV_FUZZ_CHECK(sim::FieldStore::ValidField(c.field) && sim::FieldStore::ValidIndex(c.index));
    }
}

size_t Linhas(const std::string& texto) { return static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')) + 1; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string texto(reinterpret_cast<const char*>(data), size);
    sim::Scenario cenario;
    try {
        cenario = sim::ParseScenario(texto, kArquivo);
    } catch (const sim::ScenarioError& e) {
        // "fuzz.toml:LINE: problem", LINE within the text.
        const std::string m = e.what();
        ZV_FUZZ_CHECK(m.rfind(kArquivo + ":", 0) == 0);
        const size_t fim = m.find(": ", kArquivo.size() + 1);
        ZV_FUZZ_CHECK(fim != std::string::npos && fim > kArquivo.size() + 1);
        const std::string linha = m.substr(kArquivo.size() + 1, fim - kArquivo.size() - 1);
        ZV_FUZZ_CHECK(linha.find_first_not_of("0123456789") == std::string::npos);
        ZV_FUZZ_CHECK(std::stoul(linha) >= 1 && std::stoul(linha) <= Linhas(texto));
        return 0;
    }
    ZV_FUZZ_CHECK(sim::EntryPoints().count(cenario.entry) == 1 && cenario.fileName == kArquivo);
    VerificaCampos(cenario.fields);
    VerificaServico(cenario.service);
    for (const auto& a : cenario.authorizations) {
        VerificaCampos(a.fields);
        VerificaServico(a.service);
    }
    for (int f : cenario.host.refusedWrites) ZV_FUZZ_CHECK(sim::FieldStore::ValidField(f));
    for (const auto* tabela : {&cenario.enabled.terminal, &cenario.enabled.intpos}) {
        if (*tabela) {
            for (int c : **tabela) ZV_FUZZ_CHECK(c >= 0 && c <= 65535);
        }
    }

    // Applied, the client holds the last value given for each field and the service Q entries.
    sim::State& cliente = sim::State::Instance();
    cliente.Reset();
    cliente.Apply(cenario);
    for (auto c = cenario.fields.rbegin(); c != cenario.fields.rend(); ++c) {
        const bool ultimo = std::none_of(cenario.fields.rbegin(), c, [&](const sim::FieldValue& d) {
            return d.field == c->field && d.index == c->index;
        });
        if (ultimo && !(c->field == sim::kServiceField && !cenario.service.q.empty())) {
            ZV_FUZZ_CHECK(cliente.Field(c->field, c->index) == c->bytes);
        }
    }
    for (const auto& [sub, conteudo] : cenario.service.q) {
        ZV_FUZZ_CHECK(sim::FindServiceEntry(cliente.Field(sim::kServiceField), 'Q', sub) == sub + conteudo);
    }
    return 0;
}
