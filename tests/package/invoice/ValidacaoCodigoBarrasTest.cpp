// The payment slip's check digits, and texts that are not slip lines.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "invoice/ValidacaoCodigoBarras.h"

namespace {

using namespace zv;

// A título (bank 001, due-date factor 1000, amount 15,00) and a convênio.
constexpr std::string_view TITULO = "00191234546789012345767890123457810000000001500";
constexpr std::string_view BARRAS_TITULO = "00198100000000015001234567890123456789012345";
constexpr std::string_view CONVENIO = "826600000002123400012340567890123456678901234560";

char digitado[TAMANHO_LINHA_TITULO];
char lido[TAMANHO_CODIGO_BARRAS];
TBuffersCodigoBarras Buffers() { return {digitado, lido}; }

std::string Troca(std::string_view texto, size_t posicao, char c) {
    std::string t(texto);
    t[posicao - 1] = c;
    return t;
}

struct CasoModulo10 {
    std::string texto;
    int tamanho;
    int posicao;
    bool valido;
};

TEST(ValidaModulo10, ChecksTheDigitAtItsPositionAgainstTheOthers) {
    const std::string codigo = "82660000000123400012345678901234567890123456";
    const CasoModulo10 casos[] = {
        {"1234567897", 10, 10, true},
        {"1234567890", 10, 10, false},
        {"0000000000", 10, 10, true},  // a total ending in 0 gives 0, never 10
        {"67890123457", 11, 11, true},
        {codigo, 44, 4, true},  // the 4th digit checks the other 43, in their order
        {Troca(codigo, 4, '5'), 44, 4, false},
        {Troca(codigo, 44, '7'), 44, 4, false},
        {"12345678977", 10, 10, true},  // only the first `tamanho` characters count
        {"123456789", 10, 10, false},   // shorter than asked
        {"12345a7897", 10, 10, false},
        {"1234567897", 10, 0, false},
    };
    for (const auto& c : casos) EXPECT_EQ(ValidaModulo10(c.texto, c.tamanho, c.posicao), c.valido) << c.texto;
}

TEST(CalculaModulo11, GivesOneToNineAndMinusOneForWhatIsNoNumber) {
    EXPECT_EQ(CalculaModulo11(std::string(43, '0'), 43), 1);
    EXPECT_EQ(CalculaModulo11("1" + std::string(42, '0'), 43), 7);  // the leftmost of 43 weighs 4
    EXPECT_EQ(CalculaModulo11("0019100000000015001234567890123456789012345", 43), 8);
    EXPECT_EQ(CalculaModulo11("12", 3), -1);
    EXPECT_EQ(CalculaModulo11("1x2", 3), -1);
}

TEST(TituloLine, IsConvertedIntoItsBarcodeAndCheckedByItsGeneralDigit) {
    ASSERT_TRUE(ValidaCodigoBarrasCompletoTitulo(TITULO, Buffers()));
    EXPECT_EQ(std::string_view(lido, sizeof lido), BARRAS_TITULO);
    EXPECT_TRUE(ValidaCodigoBarrasLidoTitulo(BARRAS_TITULO));

    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(Troca(TITULO, 33, '7'), Buffers()));
    // The field check digits are the block entry's business, not the barcode's.
    EXPECT_TRUE(ValidaCodigoBarrasCompletoTitulo(Troca(TITULO, 10, '0'), Buffers()));
    // What is missing at the end counts as zeros: here the whole amount block.
    ASSERT_TRUE(ValidaCodigoBarrasCompletoTitulo("341911111122222333332444445555594", Buffers()));
    EXPECT_EQ(std::string_view(lido, sizeof lido), "34194000000000000001111122222333334444455555");
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(std::string(TITULO) + "0", Buffers()));
}

TEST(ConvenioLine, DropsTheBlockDigitsAndChecksTheFourthDigitOfTheCode) {
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(CONVENIO));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(Troca(CONVENIO, 4, '7')));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(CONVENIO.substr(0, 47)));
    EXPECT_TRUE(ValidaCodigoBarrasLidoConvenio("82660000000123400012345678901234567890123456"));
}

// Utility slips whose third digit is 8 or 9 (the amount field holds a
// reference), built by the collection layout's modulo 11: segments 1 to 7,
// a reference, a company and a free field each.
constexpr std::string_view CONVENIOS_MODULO11[] = {
    "858000034285624958758072302157368195303642621296", "859100059709583520762007332245383236640562241547",
    "878000080940905396040959145475277208405608656905", "849400006271260729659310375858471958406135895256",
    "838300094300327989321453421247201985603954762005", "879700066247606554763297261265206426792877574479",
    "848500019660475118456820752174888519590458474450", "869800023976891595140780454748554569527558282354",
    "878800064051492546351627998649840320979232073203", "829400014873619452002736806756919339505646185082",
};

TEST(ConvenioLine, ThirdDigit8Or9ChecksTheLineAndEveryBlockByModulo11) {
    for (std::string_view linha : CONVENIOS_MODULO11) {
        SCOPED_TRACE(std::string(linha));
        EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(linha));
        for (size_t bloco = 0; bloco < 4; ++bloco)
            EXPECT_TRUE(ValidaDigitoConvenio(linha.substr(bloco * 12, 12), 12, 12, linha[2]));
        // One code digit typed wrong: the general digit and its block's digit both see it.
        const std::string errada = Troca(linha, 20, linha[19] == '9' ? '0' : static_cast<char>(linha[19] + 1));
        EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(errada));
        EXPECT_FALSE(ValidaDigitoConvenio(std::string_view(errada).substr(12, 12), 12, 12, linha[2]));
    }
    // Remainders 0 and 1 give 0, 10 gives 1; the ninth digit from the right weighs 2 again.
    const CasoModulo10 casos[] = {{"00000000000", 11, 11, true}, {"60", 2, 2, true},   {"51", 2, 2, true},
                                  {"50", 2, 2, false},          {"1000000009", 10, 10, true}, {"x0", 2, 2, false}};
    for (const auto& c : casos) EXPECT_EQ(ValidaModulo11Convenio(c.texto, c.tamanho, c.posicao), c.valido) << c.texto;
    // A third digit 8 with its digits by modulo 10 is a slip built wrongly.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("838300000125345600011117111111111113111111111113"));
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(CONVENIO));  // a 6 keeps modulo 10
}

// Texts of every length up to 60, in buffers of exactly their size, so the
// sanitizer build catches any read past the end.
TEST(SlipRoutines, RandomTextsNeverReadPastTheirEndAndNonDigitsAreNeverValid) {
    std::mt19937 gerador(20240611);
    std::uniform_int_distribution<int> digito('0', '9');
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> sorteio(0, 3);
    for (int tamanho = 0; tamanho <= 60; ++tamanho) {
        for (int rodada = 0; rodada < 200; ++rodada) {
            auto memoria = std::make_unique<char[]>(static_cast<size_t>(tamanho));
            bool soDigitos = true;
            for (int i = 0; i < tamanho; ++i) {
                const bool outro = sorteio(gerador) == 0 && rodada % 2 == 0;
                char c = static_cast<char>(outro ? byte(gerador) : digito(gerador));
                memoria[static_cast<size_t>(i)] = c;
                soDigitos = soDigitos && c >= '0' && c <= '9';
            }
            const std::string_view texto(memoria.get(), static_cast<size_t>(tamanho));
            SCOPED_TRACE(std::string(texto));
            const bool m10 = ValidaModulo10(texto, tamanho, tamanho) || ValidaModulo10(texto, tamanho, 4);
            const int m11 = CalculaModulo11(texto, tamanho);
            const bool titulo = ValidaCodigoBarrasCompletoTitulo(texto, Buffers());
            const bool lidoTitulo = ValidaCodigoBarrasLidoTitulo(texto);
            const bool convenio = ValidaCodigoBarrasCompletoConvenio(texto);
            const bool lidoConvenio = ValidaCodigoBarrasLidoConvenio(texto);
            // Lengths beyond the text are refused, not read.
            EXPECT_FALSE(ValidaModulo10(texto, tamanho + 1, tamanho + 1));
            EXPECT_EQ(CalculaModulo11(texto, tamanho + 1), -1);
            if (!soDigitos) {
                EXPECT_FALSE(m10 || titulo || lidoTitulo || convenio || lidoConvenio);
                EXPECT_EQ(m11, -1);
            } else {
                EXPECT_TRUE(m11 >= 1 && m11 <= 9);
            }
        }
    }
}

// Of the ten digits that can end a block, exactly one is its check digit.
TEST(SlipRoutines, ExactlyOneDigitChecksAnyBlock) {
    std::mt19937 gerador(7);
    std::uniform_int_distribution<int> digito('0', '9');
    for (int tamanho = 2; tamanho <= 48; ++tamanho) {
        std::string texto(static_cast<size_t>(tamanho), '0');
        for (char& c : texto) c = static_cast<char>(digito(gerador));
        int validos = 0;
        for (char d = '0'; d <= '9'; ++d) {
            texto.back() = d;
            validos += ValidaModulo10(texto, tamanho, tamanho) ? 1 : 0;
        }
        EXPECT_EQ(validos, 1) << texto;
    }
}

}  // namespace
