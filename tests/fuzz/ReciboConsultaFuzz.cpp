// The consultation receipt built from field 20033, of any bytes and length.
// Never more than the 1025-character buffer is read: one plan for every
// started 64 characters after the first, each written raw to fields 1135,
// 1120, 1127 and 1211 under its index and laid out as five memo lines; a field
// store with no plan past the last.
#include <string>

#include "PacoteFuzz.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "host/Catalogo.h"
#include "screens/MenuModeloZentravela.h"

namespace {

struct Trecho {
    int campo;
    size_t inicio;
    size_t tamanho;
};
constexpr Trecho TRECHOS[] = {{zv::CAMPO_PLANO_NUMERO_PARCELAS, 0, 2},
                              {zv::CAMPO_PLANO_VALOR_PARCELA, 2, 12},
                              {zv::CAMPO_PLANO_VALOR_TOTAL, 14, 12},
                              {zv::CAMPO_PLANO_TAXA_JUROS, 26, 7}};

// What the plan starting at `inicio` holds in a piece: the text up to its first zero byte.
std::string Esperado(const std::string& texto, size_t inicio, const Trecho& t) {
    const size_t de = inicio + t.inicio;
    return de < texto.size() ? texto.substr(de, t.tamanho) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The store keeps a field's bytes as given, zero bytes and all.
    const std::string campo(reinterpret_cast<const char*>(data), size);
    sim::State& cliente = zvfuzz::PacoteFuzz::Instance().NovaEntrada("click btImprime\n");
    zvfuzz::PacoteFuzz::SemDiario();
    if (!campo.empty()) cliente.SetField(zv::CAMPO_RESPOSTA_CONSULTA, campo);

    auto& app = forms::Application::Instance();
    auto* tela = app.Create<zv::TFrmImprime_Mod>();
    tela->ShowModal();

    const std::string lido = cliente.Field(zv::CAMPO_RESPOSTA_CONSULTA).substr(
        0, static_cast<size_t>(zv::ImprimeConsultaZentravela::TAMANHO_RESPOSTA_CONSULTA));
    const std::string texto = lido.substr(0, lido.find('\0'));
    const int planos = lido.size() <= 1 ? 0 : static_cast<int>((lido.size() - 1 + 63) / 64);

    ZV_FUZZ_CHECK(cliente.Occurrences(zv::CAMPO_PLANO_NUMERO_PARCELAS) == planos);
    for (int p = 0; p < planos; ++p) {
        for (const Trecho& t : TRECHOS) {
            ZV_FUZZ_CHECK(cliente.Field(t.campo, p) == Esperado(texto, 1 + 64 * static_cast<size_t>(p), t));
        }
    }
    const size_t linhas = tela->MemoConsulta->Lines().size();
    ZV_FUZZ_CHECK(linhas == (lido.empty() ? 0u : 4u + 5u * static_cast<size_t>(planos)));
    ZV_FUZZ_CHECK(tela->MemoConsulta->ReadOnly());
    ZV_FUZZ_CHECK(zv::MenuModeloZentravela::ImprimeCupom);
    app.Destroy(tela);
    return 0;
}
