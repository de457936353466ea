// Service A of an authorisation answer (field 20010, applied when field 20120
// asks): the buffer never holds more than 63 bytes and ends with a zero, the
// pieces land in their fields in table order and only when they say something,
// a number piece only as a positive number, and a refused write stops the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cmath>
#include <cstring>

#include "PacoteFuzz.h"
#include "common/Conversoes.h"
#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "forms/Locale.h"
#include "host/Catalogo.h"

namespace {

struct Peca {
    size_t inicio;  // 0-based
    size_t tamanho;
    bool numero;
    int campo;
};
constexpr Peca kPecas[] = {{0, 2, false, 1017},   {2, 11, true, 1019},  {13, 5, true, 1096},
                           {18, 8, false, 1018},  {26, 11, true, 1185}, {37, 11, true, 1295},
                           {48, 5, true, 1292},   {53, 5, true, 1293},  {58, 5, true, 1294}};

bool SoNumeral(const std::string& s, char separador) {
    for (char c : s) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == 'e' || c == 'E' ||
              c == separador)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    sim::State& cliente = zvfuzz::PacoteFuzz::Instance().NovaEntrada("");

    const uint8_t escolhas = entrada.ConsumeIntegral<uint8_t>();
    forms::Settings().decimalSeparator = (escolhas & 1) ? '.' : ',';
    const std::string aplica = (escolhas & 2) ? "1" : zvfuzz::Texto(entrada.ConsumeRandomLengthString(12));
    const int recusado = (escolhas & 4) ? kPecas[entrada.ConsumeIntegralInRange<size_t>(0, 8)].campo : 0;
    if (recusado) cliente.Host().refusedWrites.insert(recusado);
    const std::string dados = entrada.ConsumeRemainingBytesAsString();
    cliente.SetField(zv::CAMPO_SERVICO_A, dados);
    cliente.SetField(zv::CAMPO_APLICA_SERVICO_A, aplica);

    zv::TrataServicoA();

    // The buffer holds the first 63 bytes of the field and zeros after them.
    const size_t lidos = std::min<size_t>(dados.size(), 63);
    ZV_FUZZ_CHECK(std::memcmp(zv::ServicoA_AdicionaisVenda, dados.data(), lidos) == 0);
    for (size_t i = lidos; i < sizeof zv::ServicoA_AdicionaisVenda; ++i) {
        ZV_FUZZ_CHECK(zv::ServicoA_AdicionaisVenda[i] == '\0');
    }

    // The pieces as the table cuts them: up to the first zero byte, trimmed.
    const std::string visto = dados.substr(0, std::min(lidos, dados.find('\0')));
    const bool aplicar = zv::ConverteInteiro(aplica, 0) != 0;
    const auto gravacoes = cliente.Calls("GravaCampoString");
    if (!aplicar) ZV_FUZZ_CHECK(gravacoes.empty());

    size_t proxima = 0;  // the next write expected in the journal
    bool parou = false;
    for (const Peca& peca : kPecas) {
        if (!aplicar || parou) break;
        const std::string texto =
            peca.inicio < visto.size() ? zv::Trim(std::string_view(visto).substr(peca.inicio, peca.tamanho)) : "";
        bool escreve = !texto.empty();
        if (peca.numero) {
            const double valor = zv::ConverteDecimal(texto, -1);
            escreve = valor > 0;
            // A piece with anything but a number's characters, or nothing but zeros, is never written.
            if (!SoNumeral(texto, forms::Settings().decimalSeparator)) ZV_FUZZ_CHECK(!escreve);
            if (texto.find_first_not_of("0") == std::string::npos) ZV_FUZZ_CHECK(!escreve);
        }
        if (!escreve) {
            ZV_FUZZ_CHECK(!cliente.HasField(peca.campo));
            continue;
        }
        ZV_FUZZ_CHECK(proxima < gravacoes.size());
        ZV_FUZZ_CHECK(gravacoes[proxima]["args"][0].get<int>() == peca.campo);
        ++proxima;
        if (peca.campo == recusado) {
            ZV_FUZZ_CHECK(!cliente.HasField(peca.campo));
            parou = true;
            continue;
        }
        const std::string escrito = cliente.Field(peca.campo);
        if (!peca.numero) {
            ZV_FUZZ_CHECK(escrito == texto);
            continue;
        }
        // The shortest form of the same positive number: no blanks, no sign, no leading zero.
        const double lido = zv::ConverteDecimal(escrito, -1);
        const double esperado = zv::ConverteDecimal(texto, -1);
        ZV_FUZZ_CHECK(lido > 0 && std::fabs(lido - esperado) <= esperado * 1e-14);
        ZV_FUZZ_CHECK(escrito.find_first_of(" +") == std::string::npos && escrito[0] != '-');
        ZV_FUZZ_CHECK(!(escrito.size() > 1 && escrito[0] == '0' && escrito[1] != forms::Settings().decimalSeparator));
    }
    ZV_FUZZ_CHECK(proxima == gravacoes.size());
    return 0;
}
