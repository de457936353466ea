// The host's dynamic questions cut out of the service-data records.
#include "PacoteCarregado.h"

#include "common/PerguntasGenerico.h"
#include "common/ZentravelaMain.h"
#include "host/Catalogo.h"

namespace zvtest {
namespace {

class Perguntas : public PacoteCarregado {
protected:
    // Puts `registros` into field 20005 and their number into field 20115, then parses.
    static void Analisa(const std::vector<std::string>& registros) {
        Cliente().ClearField(zv::CAMPO_REGISTROS_SERVICO);
        for (size_t i = 0; i < registros.size(); ++i)
            Campo(zv::CAMPO_REGISTROS_SERVICO, registros[i], static_cast<int>(i));
        Campo(zv::CAMPO_QTDE_REGISTROS_SERVICO, std::to_string(registros.size()));
        zv::VerificaServico5PerguntasGenerico(zv::struct_Perguntas, zv::RespostasPerguntas);
    }
    static const zv::TPerguntaGenerica& Tabela(size_t i) { return zv::PerguntasGenerica.Itens[i]; }
    static std::string Id(const zv::TPerguntaGenerica& p) { return std::string(p.Id, strnlen(p.Id, sizeof p.Id)); }
    static std::string Texto(const zv::TPerguntaGenerica& p) { return p.Pergunta; }
    // Packed members are copied out before an assertion binds a reference to them.
    static int32_t Int(int32_t v) { return v; }
    static size_t Aceitas() {
        EXPECT_EQ(zv::struct_Perguntas.size(), zv::RespostasPerguntas.Lista1.size());
        return zv::RespostasPerguntas.Lista1.size();
    }
};

TEST_F(Perguntas, OneItemGivesEveryFieldInBothTables) {
    Analisa({"XYZ:1PERG:01,Data de nascimento,10303,8,10;CPRE:1"});
    ASSERT_EQ(Aceitas(), 1u);
    const auto& p = Tabela(0);
    EXPECT_EQ(Id(p), "01");
    EXPECT_EQ(Texto(p), "Data de nascimento");
    EXPECT_EQ(Int(p.Tipo), 10303);
    EXPECT_EQ(Int(p.TamanhoMinimo), 8);
    EXPECT_EQ(Int(p.TamanhoMaximo), 10);
    const auto& item = zv::struct_Perguntas[0];
    EXPECT_EQ(std::string(item.Id, strnlen(item.Id, sizeof item.Id)), "01");
    EXPECT_STREQ(item.Pergunta, "Data de nascimento");
    EXPECT_EQ(Int(item.Tipo), '1');
    EXPECT_EQ(Int(item.TamanhoMinimo), 8);
    EXPECT_EQ(Int(item.TamanhoMaximo), 10);
    EXPECT_EQ(Int(zv::PerguntasGenerica.Count), 0) << "the questions screen sets the count";
    EXPECT_EQ(Id(Tabela(1)), "") << "the rest of the table is zero";
}

TEST_F(Perguntas, ItemsSplitAcrossRecordsAreReadAsOneText) {
    Analisa({"PERG:01,Nome da m", "ae,10001,1,30;PERG:02,CPF,10102,11,11;"});
    ASSERT_EQ(Aceitas(), 2u);
    EXPECT_EQ(Texto(Tabela(0)), "Nome da mae");
    EXPECT_EQ(Int(Tabela(0).TamanhoMaximo), 30);
    EXPECT_EQ(Id(Tabela(1)), "02");
    EXPECT_EQ(Int(Tabela(1).Tipo), 10102);

    const auto leituras = Chamadas("FosdalLeCampoMaxLen");
    ASSERT_EQ(leituras.size(), 3u);
    EXPECT_EQ(leituras[0]["args"], (nlohmann::json{zv::CAMPO_QTDE_REGISTROS_SERVICO, 0, 10, 11}));
    EXPECT_EQ(leituras[1]["args"], (nlohmann::json{zv::CAMPO_REGISTROS_SERVICO, 0, 4096, 4097}));
    EXPECT_EQ(leituras[2]["args"], (nlohmann::json{zv::CAMPO_REGISTROS_SERVICO, 1, 4096, 4097}));
}

TEST_F(Perguntas, RepeatsAreRecognisedOnlyByTheirFirstFourCharacters) {
    Analisa({"PERG:0001,Primeira,10001,1,5;PERG:0001,Repetida,10001,1,5;PERG:0002,Segunda,10001,1,5;"});
    ASSERT_EQ(Aceitas(), 2u);
    EXPECT_EQ(Texto(Tabela(0)), "Primeira");
    EXPECT_EQ(Texto(Tabela(1)), "Segunda");

    // An identifier of five characters is never found again in the list.
    Analisa({"PERG:12345,A,10001,1,5;PERG:12345,B,10001,1,5;"});
    ASSERT_EQ(Aceitas(), 2u);
    EXPECT_EQ(Id(Tabela(0)), "12345");
    EXPECT_EQ(Id(Tabela(1)), "12345");
    EXPECT_FALSE(zv::VerificaSeIdPergJaFoiAdicionado(zv::struct_Perguntas, "12345"));
    EXPECT_TRUE(zv::VerificaSeIdPergJaFoiAdicionado(zv::struct_Perguntas, "1234"));
}

TEST_F(Perguntas, LongTextsAndIdentifiersAreCutToTheirRoom) {
    const std::string longo(70, 'q');
    Analisa({"PERG:ABCDEFGHIJK," + longo + ",10001,1,5;"});
    ASSERT_EQ(Aceitas(), 1u);
    EXPECT_EQ(Texto(Tabela(0)), longo.substr(0, 64));
    EXPECT_EQ(Id(Tabela(0)), "ABCDEFGHI");
    EXPECT_EQ(std::string(zv::struct_Perguntas[0].Id, 4), "ABCD");
}

TEST_F(Perguntas, LastItemWithoutSemicolonTakesItsMaximumFromTheRest) {
    Analisa({"PERG:01,Idade,10001,1,3;PERG:02,Placa,10004,7,7"});
    ASSERT_EQ(Aceitas(), 2u);
    EXPECT_EQ(Int(Tabela(1).TamanhoMinimo), 7);
    EXPECT_EQ(Int(Tabela(1).TamanhoMaximo), 7);
}

TEST_F(Perguntas, NoItemsLeaveEverythingEmptyAndReplaceTheLastParse) {
    Analisa({"PERG:01,Idade,10001,1,3;"});
    zv::RespostasPerguntas.Lista2.resize(4);
    zv::RespostasPerguntas.Lista4.resize(4);
    ASSERT_EQ(Aceitas(), 1u);

    Analisa({"CPRE:1;DPCHIP:2;"});
    EXPECT_EQ(Aceitas(), 0u);
    EXPECT_EQ(Id(Tabela(0)), "");
    EXPECT_TRUE(zv::RespostasPerguntas.Lista2.empty());
    EXPECT_EQ(zv::RespostasPerguntas.Lista4.size(), 4u) << "lists the parse does not own are left alone";

    // No record count at all.
    Cliente().Reset();
    zv::VerificaServico5PerguntasGenerico(zv::struct_Perguntas, zv::RespostasPerguntas);
    EXPECT_EQ(Aceitas(), 0u);
}

// More questions than the table holds, and items cut short: the table keeps
// what fits and the parse ends without reading past the text.
TEST_F(Perguntas, TableKeepsAtMostItsHundredQuestions) {
    std::string texto;
    for (int i = 0; i < 130; ++i) texto += "PERG:" + std::to_string(1000 + i) + ",P" + std::to_string(i) + ",10001,1,2;";
    Analisa({texto});
    ASSERT_EQ(Aceitas(), static_cast<size_t>(zv::MAX_PERGUNTAS));
    EXPECT_EQ(Id(Tabela(99)), "1099");
    EXPECT_EQ(Texto(Tabela(99)), "P99");
}

TEST_F(Perguntas, ItemWithMissingFieldsEndsTheParseSafely) {
    struct Caso {
        const char* texto;
        const char* pergunta;
        int tipo, minimo, maximo;
    };
    const Caso casos[] = {
        {"PERG:01,Nome", "Nome", 0, 0, 0},
        {"PERG:01,Nome,10001", "Nome", 10001, 0, 0},
        {"PERG:01,Nome,10001,4", "Nome", 10001, 4, 0},
        {"PERG:01,Nome,10001,4,9PERG:02,Outra,1,1,1;", "Nome", 10001, 4, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        Analisa({c.texto});
        ASSERT_EQ(Aceitas(), 1u);
        EXPECT_EQ(Texto(Tabela(0)), c.pergunta);
        EXPECT_EQ(Int(Tabela(0).Tipo), c.tipo);
        EXPECT_EQ(Int(Tabela(0).TamanhoMinimo), c.minimo);
        EXPECT_EQ(Int(Tabela(0).TamanhoMaximo), c.maximo);
    }
    Analisa({"PERG:"});
    EXPECT_EQ(Aceitas(), 1u);
    EXPECT_EQ(Id(Tabela(0)), "");
}

TEST_F(Perguntas, RecordCountBeyondReasonIsCapped) {
    Campo(zv::CAMPO_QTDE_REGISTROS_SERVICO, "2147483647");
    Campo(zv::CAMPO_REGISTROS_SERVICO, "PERG:01,Idade,10001,1,3;", 0);
    zv::VerificaServico5PerguntasGenerico(zv::struct_Perguntas, zv::RespostasPerguntas);
    EXPECT_EQ(Aceitas(), 1u);
    EXPECT_EQ(Chamadas("FosdalLeCampoMaxLen").size(), 1u + 999u);
}

}  // namespace
}  // namespace zvtest
