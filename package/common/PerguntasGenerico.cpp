// The host's dynamic questions: "PERG:" items of the service-data records cut
// into the question list and the question table that the questions screen reads.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/Conversoes.h"
#include "common/PerguntasGenerico.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zv {

namespace {

constexpr int32_t TAMANHO_QTDE_REGISTROS = 10;
constexpr int32_t TAMANHO_REGISTRO = 4096;
// A count beyond this is no real answer; reading it all would hang the till.
constexpr int32_t MAX_REGISTROS = 999;
constexpr std::string_view TAG = "PERG:";
constexpr size_t TAMANHO_TEXTO_PERGUNTA = 64;

// Walks the rest of the service text field by field. A separator that is
// missing makes the field take the rest of the text and leaves nothing after
// it, so a truncated item ends the parse instead of reading past the text.
class LeitorItens {
public:
    explicit LeitorItens(const std::string& texto) : texto_(texto) {}

    size_t Posicao() const { return pos_; }
    void VaiPara(size_t pos) { pos_ = std::min(pos, texto_.size()); }

    // The text up to the next `separador` (not included); moves past it.
    std::string Campo(char separador) {
        const size_t fim = texto_.find(separador, pos_);
        if (fim == std::string::npos) {
            std::string resto = texto_.substr(pos_);
            pos_ = texto_.size();
            return resto;
        }
        std::string campo = texto_.substr(pos_, fim - pos_);
        pos_ = fim + 1;
        return campo;
    }

    // Position of the next tag from the current position, npos when none.
    size_t ProximaTag() const { return texto_.find(TAG, pos_); }

private:
    const std::string& texto_;
    size_t pos_ = 0;
};

// Field 20005, records 0 to N - 1, each cut at its first zero byte, joined.
std::string LeRegistrosServico() {
    const std::string qtde = host::LeCampoMaxLen(CAMPO_QTDE_REGISTROS_SERVICO, 0, TAMANHO_QTDE_REGISTROS);
    const int32_t registros =
        std::min(ConverteInteiro(qtde.substr(0, strnlen(qtde.c_str(), qtde.size())), 0), MAX_REGISTROS);
    std::string texto;
    for (int32_t i = 0; i < registros; ++i) {
        const std::string bytes = host::LeCampoMaxLen(CAMPO_REGISTROS_SERVICO, i, TAMANHO_REGISTRO);
        texto.append(bytes.c_str(), strnlen(bytes.c_str(), bytes.size()));
    }
    return texto;
}

template <size_t N>
void CopiaCampo(char (&destino)[N], std::string_view origem, size_t maximo) {
    std::memset(destino, 0, N);
    std::memcpy(destino, origem.data(), std::min({origem.size(), maximo, N}));
}

}  // namespace

bool VerificaSeIdPergJaFoiAdicionado(const TArrayPerguntas& lista, const std::string& id) {
    return std::any_of(lista.begin(), lista.end(), [&](const TPerguntas& p) {
        return std::string_view(p.Id, strnlen(p.Id, sizeof p.Id)) == id;
    });
}

void VerificaServico5PerguntasGenerico(TArrayPerguntas& lista, TRespostasPerguntas& respostas) {
    const std::string texto = LeRegistrosServico();

    lista.clear();
    std::memset(&PerguntasGenerica, 0, sizeof PerguntasGenerica);
    size_t aceitas = 0;

    LeitorItens leitor(texto);
    size_t tag = leitor.ProximaTag();
    while (tag != std::string::npos) {
        leitor.VaiPara(tag + TAG.size());
        const size_t inicioId = leitor.Posicao();
        const std::string id = leitor.Campo(',');
        if (VerificaSeIdPergJaFoiAdicionado(lista, id)) {
            leitor.VaiPara(inicioId);
            tag = leitor.ProximaTag();
            continue;
        }
        // The table has room for MAX_PERGUNTAS; further questions are left out.
        if (aceitas >= static_cast<size_t>(MAX_PERGUNTAS)) break;

        TPerguntas& item = lista.emplace_back();
        std::memset(&item, 0, sizeof item);
        TPerguntaGenerica& pergunta = PerguntasGenerica.Itens[aceitas];
        ++aceitas;

        CopiaCampo(item.Id, id, sizeof item.Id);
        CopiaCampo(pergunta.Id, id, sizeof pergunta.Id);

        const std::string textoPergunta = leitor.Campo(',');
        CopiaCampo(item.Pergunta, textoPergunta, TAMANHO_TEXTO_PERGUNTA);
        CopiaCampo(pergunta.Pergunta, textoPergunta, TAMANHO_TEXTO_PERGUNTA);

        const std::string tipo = leitor.Campo(',');
        item.Tipo = tipo.empty() ? '\0' : tipo[0];
        pergunta.Tipo = ConverteInteiro(tipo, 0);

        const int32_t minimo = ConverteInteiro(leitor.Campo(','), 0);
        item.TamanhoMinimo = minimo;
        pergunta.TamanhoMinimo = minimo;

        const int32_t maximo = ConverteInteiro(leitor.Campo(';'), 0);
        item.TamanhoMaximo = maximo;
        pergunta.TamanhoMaximo = maximo;

        tag = leitor.ProximaTag();
    }

    respostas.Lista1.resize(aceitas);
    respostas.Lista2.clear();
    respostas.Lista3.clear();
}

}  // namespace zv
