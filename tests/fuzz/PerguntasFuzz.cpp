// The host's dynamic questions: the record count of field 20115 and the
// "PERG:" items of the records of field 20005. Whatever the records hold, the
// tables never take more than their 100 questions, every text ends within its
// field, the two tables agree entry by entry, a short identifier is never
// accepted twice, and every accepted item comes from a "PERG:" of the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <set>
#include <string_view>

#include "PacoteFuzz.h"
#include "common/PerguntasGenerico.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"

namespace {

bool TodoZero(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
        if (b[i] != 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    sim::State& cliente = zvfuzz::PacoteFuzz::Instance().NovaEntrada("");
    zvfuzz::PacoteFuzz::SemDiario();

    // Mostly a count that names the records given; sometimes any text.
    const bool contagemLivre = entrada.ConsumeIntegralInRange(0, 7) == 0;
    const std::string contagem = contagemLivre ? entrada.ConsumeRandomLengthString(16) : "";
    std::string texto;  // the records as the parse joins them
    int registros = 0;
    while (entrada.remaining_bytes() > 0 && registros < 5) {
        // A piece said over and over reaches the table's end from a short input.
        const int vezes = entrada.ConsumeIntegralInRange(1, 128);
        const std::string pedaco = entrada.ConsumeRandomLengthString(6000);
        std::string r;
        for (int i = 0; i < vezes && r.size() < 6000; ++i) r += pedaco;
        cliente.SetField(zv::CAMPO_REGISTROS_SERVICO, r, registros++);
        const std::string lido = r.substr(0, 4096);
        texto += lido.substr(0, lido.find('\0'));
    }
    cliente.SetField(zv::CAMPO_QTDE_REGISTROS_SERVICO, contagemLivre ? contagem : std::to_string(registros));

    zv::VerificaServico5PerguntasGenerico(zv::struct_Perguntas, zv::RespostasPerguntas);

    const auto& lista = zv::struct_Perguntas;
    const auto& tabela = zv::PerguntasGenerica;
    const size_t n = lista.size();
    ZV_FUZZ_CHECK(n <= static_cast<size_t>(zv::MAX_PERGUNTAS));
    ZV_FUZZ_CHECK(zv::RespostasPerguntas.Lista1.size() == n);
    ZV_FUZZ_CHECK(zv::RespostasPerguntas.Lista2.empty() && zv::RespostasPerguntas.Lista3.empty());
    ZV_FUZZ_CHECK(tabela.Count == 0);

    std::set<std::string> curtos;
    size_t tags = 0;
    for (size_t at = texto.find("PERG:"); at != std::string::npos; at = texto.find("PERG:", at + 1)) ++tags;
    ZV_FUZZ_CHECK(n <= tags);
    if (!contagemLivre && tags > 0) ZV_FUZZ_CHECK(n > 0);
    for (size_t k = 0; k < n; ++k) {
        const zv::TPerguntas& item = lista[k];
        const zv::TPerguntaGenerica& pergunta = tabela.Itens[k];
        ZV_FUZZ_CHECK(pergunta.Pergunta[64] == '\0' && item.Pergunta[64] == '\0');
        ZV_FUZZ_CHECK(std::memcmp(item.Pergunta, pergunta.Pergunta, sizeof item.Pergunta) == 0);
        ZV_FUZZ_CHECK(std::memcmp(item.Id, pergunta.Id, sizeof item.Id) == 0);
        ZV_FUZZ_CHECK(item.TamanhoMinimo == pergunta.TamanhoMinimo && item.TamanhoMaximo == pergunta.TamanhoMaximo);
        ZV_FUZZ_CHECK(TodoZero(pergunta.Reservado, sizeof pergunta.Reservado));

        const std::string id(pergunta.Id, strnlen(pergunta.Id, sizeof pergunta.Id));
        ZV_FUZZ_CHECK(texto.find("PERG:" + id) != std::string::npos);
        const std::string_view textoPergunta(pergunta.Pergunta, strnlen(pergunta.Pergunta, 64));
        ZV_FUZZ_CHECK(texto.find(textoPergunta) != std::string::npos);
        if (id.size() <= 4) ZV_FUZZ_CHECK(curtos.insert(id).second);
    }
    // Entries past the accepted ones stay zero.
    ZV_FUZZ_CHECK(TodoZero(&tabela.Itens[n], sizeof(zv::TPerguntaGenerica) * (zv::MAX_PERGUNTAS - n)));
    return 0;
}
