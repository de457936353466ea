// Random and truncated service data, questions, service A and answer codes:
// whatever the host sends, the parsers stay within their buffers and tables.
#include <algorithm>
#include <random>

#include "PacoteCarregado.h"

#include "common/PerguntasGenerico.h"
#include "common/ServicoDados.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"

namespace zvtest {
namespace {

class Gerador {
public:
    explicit Gerador(uint32_t semente) : rng_(semente) {}

    int Ate(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); }
    bool Moeda() { return Ate(1) == 1; }

    // Bytes drawn mostly from what the parsers look for, with anything else mixed in.
    std::string Texto(int maximo) {
        static const std::string pedacos[] = {"PERG:", ",", ";", "0", "1", "12345", "-", " ", "9999999999",
                                              ",,", "PERG:01", std::string(1, '\0'), "\xff", "E", "e5"};
        std::string s;
        const int n = Ate(maximo);
        while (static_cast<int>(s.size()) < n) {
            if (Moeda()) {
                s += pedacos[static_cast<size_t>(Ate(static_cast<int>(std::size(pedacos)) - 1))];
            } else {
                s += static_cast<char>(Ate(255));
            }
        }
        return s;
    }

    // A well-formed item cut at a random place.
    std::string ItemCortado() {
        std::string item = "PERG:" + std::to_string(Ate(99999)) + "," + Texto(80) + "," +
                           std::to_string(Ate(20000)) + "," + std::to_string(Ate(99)) + "," +
                           std::to_string(Ate(99)) + ";";
        return item.substr(0, static_cast<size_t>(Ate(static_cast<int>(item.size()))));
    }

private:
    std::mt19937 rng_;
};

using Fuzz = PacoteCarregado;

TEST_F(Fuzz, QuestionsFromRandomServiceData) {
    Gerador g(20240611);
    for (int iteracao = 0; iteracao < 3000; ++iteracao) {
        Cliente().Reset();
        const int registros = g.Ate(4);
        for (int i = 0; i < registros; ++i) {
            std::string r;
            const int itens = g.Ate(6);
            for (int k = 0; k < itens; ++k) r += g.Moeda() ? g.ItemCortado() : g.Texto(60);
            if (g.Ate(20) == 0) r += std::string(5000, 'P');
            Campo(zv::CAMPO_REGISTROS_SERVICO, r, i);
        }
        Campo(zv::CAMPO_QTDE_REGISTROS_SERVICO, g.Moeda() ? std::to_string(registros) : g.Texto(14));
        zv::VerificaServico5PerguntasGenerico(zv::struct_Perguntas, zv::RespostasPerguntas);

        ASSERT_LE(zv::struct_Perguntas.size(), static_cast<size_t>(zv::MAX_PERGUNTAS));
        ASSERT_EQ(zv::RespostasPerguntas.Lista1.size(), zv::struct_Perguntas.size());
        for (size_t k = 0; k < zv::struct_Perguntas.size(); ++k) {
            ASSERT_EQ(zv::PerguntasGenerica.Itens[k].Pergunta[64], '\0');
            ASSERT_EQ(zv::struct_Perguntas[k].Pergunta[64], '\0');
        }
    }
}

TEST_F(Fuzz, ServiceAnswersFromRandomData) {
    Gerador g(7);
    for (int iteracao = 0; iteracao < 3000; ++iteracao) {
        Cliente().Reset();
        Campo(zv::CAMPO_SERVICO_A, g.Moeda() ? g.Texto(80) : g.Texto(300));
        Campo(zv::CAMPO_APLICA_SERVICO_A, g.Moeda() ? "1" : g.Texto(4));
        Campo(zv::CAMPO_CODIGO_RESPOSTA, g.Moeda() ? "0" : g.Texto(5));
        if (g.Moeda()) Campo(zv::CAMPO_SERVICO_E, g.Texto(100));
        Campo(zv::CAMPO_VALOR_TRANSACAO, g.Texto(20));
        if (g.Moeda()) Campo(1275, g.Moeda() ? "1" : g.Texto(3));
        if (g.Moeda()) Campo(1244, g.Moeda() ? "1" : g.Texto(3));
        // Service Q content must not hold the entry separator.
        auto conteudo = [&] {
            std::string s = g.Texto(200);
            std::replace(s.begin(), s.end(), ';', '.');
            return s;
        };
        if (g.Moeda()) Cliente().SetServiceQ("010", conteudo());
        if (g.Moeda()) Cliente().SetServiceQ("008", conteudo());

        zv::TrataServicoA();
        ASSERT_EQ(zv::ServicoA_AdicionaisVenda[zv::SERVICO_A_SIZE - 1], '\0');
        // Each call that may ask gets a fresh operator who answers once.
        NovoOperador("answer ok\n");
        zv::TrataServicoEzinho(g.Moeda());
        NovoOperador(g.Moeda() ? "answer yes\n" : "answer no\n");
        zv::TrataServicoQ_010_ValorAprovado();
        zv::TrataServicoQ_008_ValorAprovado();
        ASSERT_LE(Cliente().PinpadText().size(), 32u);
    }
}

TEST_F(Fuzz, CatalogueFormatsWithRandomTextsAndArguments) {
    Gerador g(99);
    for (int iteracao = 0; iteracao < 3000; ++iteracao) {
        std::string formato = g.Texto(40);
        if (g.Moeda()) formato += "%";
        std::vector<std::string> args;
        for (int i = g.Ate(3); i > 0; --i) args.push_back(g.Texto(10));
        const std::string s = zv::host::Formata(formato, args);
        size_t total = formato.size();
        for (const auto& a : args) total += a.size();
        ASSERT_LE(s.size(), total);
    }
}

}  // namespace
}  // namespace zvtest
