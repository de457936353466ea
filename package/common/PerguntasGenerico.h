#pragma once
// The host's dynamic questions: the records they are read into and the
// parsing of the "PERG:" items of the service data.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

constexpr int MAX_PERGUNTAS = 100;
#pragma pack(push, 1)
struct TPerguntas {
    char Id[4];
    char Pergunta[65];
    char Tipo;
    int32_t TamanhoMinimo;
    int32_t TamanhoMaximo;
};
struct TPerguntaGenerica {
    char Id[9];
    char Pergunta[65];
    int32_t Tipo;
    int32_t TamanhoMinimo;
    int32_t TamanhoMaximo;
    char Reservado[40];
};
struct TPerguntasGenerica {
    int32_t Count;
    TPerguntaGenerica Itens[MAX_PERGUNTAS];
};
#pragma pack(pop)
using TArrayPerguntas = std::vector<TPerguntas>;
struct TRespostasPerguntas {
    std::vector<std::array<char, 24>> Lista1;
    std::vector<std::array<char, 26>> Lista2;
    std::vector<std::array<char, 38>> Lista3;
    std::vector<std::array<char, 65>> Lista4;
    std::vector<std::array<char, 65>> Lista5;
    std::vector<std::array<char, 65>> Lista6;
    std::vector<std::array<char, 65>> Lista7;
};

void VerificaServico5PerguntasGenerico(TArrayPerguntas& lista, TRespostasPerguntas& respostas);
bool VerificaSeIdPergJaFoiAdicionado(const TArrayPerguntas& lista, const std::string& id);

}  // namespace zv
