// Service e of an authorisation answer (field 20203): the PIN pad never gets
// more than 32 bytes nor anything past a zero byte, nothing happens without a
// text, and the warning box shows exactly when asked for or when the answer
// code (field 1009) is not a plain 0.
#include <fuzzer/FuzzedDataProvider.h>

#include "PacoteFuzz.h"
#include "common/Conversoes.h"
#include "common/ServicoDados.h"
#include "host/Catalogo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    // One answer is all a box may take; a second box would find the script empty.
    sim::State& cliente = zvfuzz::PacoteFuzz::Instance().NovaEntrada("answer ok\n");

    const bool aviso = entrada.ConsumeBool();
    const std::string codigo = entrada.ConsumeBool() ? "0" : zvfuzz::Texto(entrada.ConsumeRandomLengthString(8));
    const std::string texto = entrada.ConsumeRemainingBytesAsString();
    cliente.SetField(zv::CAMPO_CODIGO_RESPOSTA, codigo);
    cliente.SetField(zv::CAMPO_SERVICO_E, texto);

    zv::TrataServicoEzinho(aviso);

    const auto exibidos = cliente.Calls("ExibeMsgPinpad");
    if (texto.empty()) {
        ZV_FUZZ_CHECK(exibidos.empty() && zvfuzz::PacoteFuzz::QuantasCaixas() == 0);
        return 0;
    }
    ZV_FUZZ_CHECK(exibidos.size() == 1);
    const std::string lido = texto.substr(0, 32);
    ZV_FUZZ_CHECK(cliente.PinpadText() == lido.substr(0, lido.find('\0')));
    const bool recusada = zv::ConverteInteiro(codigo, 255) != 0;
    ZV_FUZZ_CHECK(zvfuzz::PacoteFuzz::QuantasCaixas() == ((aviso || recusada) ? 1u : 0u));
    return 0;
}
