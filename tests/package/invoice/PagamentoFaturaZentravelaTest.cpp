// The invoice payment screen headless: entry type, the typed line block by
// block, what reaches the field store. The whole runs through clientvorix are
// in tests/e2e/InvoicePaymentTest.cpp.
#include <string>
#include <vector>

#include "AmbienteTelas.h"
#include "host/Catalogo.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "sim/Catalogue.h"

using zvtest::CatalogoCp1252;

namespace {

using zv::TFrmPag_Trn;

constexpr const char* CONVENIO = "826600000002123400012340567890123456678901234560";

class PagamentoFatura : public zvtest::AmbienteTelas {
protected:
    // The host gave the amount, so the screen starts on the entry type.
    TFrmPag_Trn& Roda(const std::string& roteiro, const std::string& campos = "") {
        Cenario("[fields]\n\"10107\" = \"0\"\n\"1003\" = \"1500\"\n" + campos);
        Roteiro(roteiro);
        return Mostra<TFrmPag_Trn>(resultado_);
    }
    static std::string TipoEntradaDocumento() { return zv::PagamentoFaturaZentravela::TipoEntradaDocumento; }
    int resultado_ = 0;
};

TEST_F(PagamentoFatura, FirstDigitOfBlock1ChoosesTheKindBackAndForth) {
    auto& tela = Roda(
        "expect focus edTpEntrada\ntype 3\nkey Enter\nexpect focus ed_bloco1\n"
        // 8 first: blocks of 12
        "type 82660000000\nexpect focus ed_bloco1\ntype 2\nexpect focus ed_bloco2\n"
        // another digit first: a título, block 1 of 10, and block 3 leads to the general digit
        "focus ed_bloco1\ntype 0019123454\nexpect focus ed_bloco2\ntype 67890123457\ntype 67890123457\n"
        "expect focus ed_digito\n"
        // and a convênio again
        "focus ed_bloco1\ntype 826600000002\nexpect focus ed_bloco2\nclick btRetorna\n");
    EXPECT_EQ(resultado_, forms::mrCancel);
    const zv::TEntradaCodigoBarras& cb = tela.Documento.CodigoBarras;
    EXPECT_TRUE(cb.ed_bloco4_12->Visible());
    EXPECT_FALSE(cb.ed_digito->Visible());
    EXPECT_FALSE(cb.ed_bloco4_14->Visible());
    EXPECT_EQ(cb.ed_bloco2->MaxLength(), 12);
    EXPECT_EQ(cb.ed_bloco2->Text(), "67890123457");  // what was typed stays
    EXPECT_TRUE(CaixasCp1252().empty());
}

struct CasoBloco {
    const char* nome;
    const char* digitado;  // after entry type 3
    const char* bloco;
    int32_t mensagem;
};

class BlocoErrado : public PagamentoFatura, public ::testing::WithParamInterface<CasoBloco> {};

TEST_P(BlocoErrado, FullBlockWithAWrongDigitIsRefusedEmptiedAndFocused) {
    const CasoBloco& caso = GetParam();
    auto& tela = Roda(std::string("type 3\nkey Enter\n") + caso.digitado + "answer ok\nexpect focus " + caso.bloco +
                      "\nclick btRetorna\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(caso.mensagem)});
    EXPECT_EQ(dynamic_cast<forms::Edit*>(tela.FindControl(caso.bloco))->Text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Blocos, BlocoErrado,
    ::testing::Values(CasoBloco{"Block1", "type 0019123450\n", "ed_bloco1", zv::MSG_BLOCO1_INVALIDO},
                      CasoBloco{"Block2AtItsEleventhDigit", "type 0019123454\ntype 67890123450\n", "ed_bloco2",
                                zv::MSG_BLOCO2_INVALIDO},
                      CasoBloco{"Block3", "type 0019123454\ntype 67890123457\ntype 67890123451\n", "ed_bloco3",
                                zv::MSG_BLOCO3_INVALIDO},
                      CasoBloco{"ShortFourthConvenioBlockOnTheWayToConfirm",
                                "type 826600000002123400012340567890123456\ntype 1234\nkey Enter\n", "ed_bloco4_12",
                                zv::MSG_BLOCO4_CONVENIO_CURTO},
                      CasoBloco{"FourthConvenioBlockOneDigitShort",
                                "type 826600000002123400012340567890123456\ntype 67890123456\nkey Enter\n",
                                "ed_bloco4_12", zv::MSG_BLOCO4_CONVENIO_CURTO}),
    [](const ::testing::TestParamInfo<CasoBloco>& info) { return std::string(info.param.nome); });

struct CasoConfirmacao {
    const char* nome;
    const char* digitado;  // after entry type 3, up to the first confirmation
    int confirmacoes;
    int32_t mensagem;      // shown at each confirmation
    std::vector<const char*> blocos;  // blocks 1, 2, 3 and the fourth of 12 afterwards
};

class LinhaNaConfirmacao : public PagamentoFatura, public ::testing::WithParamInterface<CasoConfirmacao> {};

// What the confirmation says of a typed line, every time, and that nothing
// typed is erased by it.
TEST_P(LinhaNaConfirmacao, NamesTheFaultEveryTimeAndKeepsTheBlocks) {
    const CasoConfirmacao& caso = GetParam();
    std::string roteiro = std::string("type 3\nkey Enter\n") + caso.digitado;
    for (int i = 0; i < caso.confirmacoes; ++i) roteiro += "click btConfirma\nanswer ok\n";
    auto& tela = Roda(roteiro + "click btRetorna\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>(static_cast<size_t>(caso.confirmacoes), CatalogoCp1252(caso.mensagem)));
    const zv::TEntradaCodigoBarras& cb = tela.Documento.CodigoBarras;
    const forms::Edit* blocos[] = {cb.ed_bloco1, cb.ed_bloco2, cb.ed_bloco3, cb.ed_bloco4_12};
    for (size_t i = 0; i < caso.blocos.size(); ++i) EXPECT_EQ(blocos[i]->Text(), caso.blocos[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhaNaConfirmacao,
    ::testing::Values(CasoConfirmacao{"ConvenioWithAWrongGeneralDigit",
                                      "type 826700000001123400012340567890123456678901234560\n", 3,
                                      zv::MSG_DIGITO_GERAL_INVALIDO,
                                      {"826700000001", "123400012340", "567890123456", "678901234560"}},
                      CasoConfirmacao{"ShortBlock1LeftWithTab", "type 001912345\nkey Tab\n", 2,
                                      zv::MSG_DIGITO_GERAL_INVALIDO, {"001912345"}}),
    [](const ::testing::TestParamInfo<CasoConfirmacao>& info) { return std::string(info.param.nome); });

TEST_F(PagamentoFatura, ConvenioWithAWrongGeneralDigitComesBackAsTituloUntilBlock1ChoosesAgain) {
    Roda("type 3\nkey Enter\n"
         "type 826700000001123400012340567890123456678901234560\nkey Enter\nanswer ok\n"
         "expect focus ed_bloco1\nexpect text ed_bloco2 123400012340\n"
         // retyping block 1 as a convênio brings the fourth block of 12 back, its text kept
         "type 826600000002\nexpect focus ed_bloco2\nclick btConfirma\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_DIGITO_GERAL_INVALIDO)});
    EXPECT_EQ(resultado_, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_DOCUMENTO_FATURA), CONVENIO);
    EXPECT_EQ(TipoEntradaDocumento(), "4");
}

// A utility slip whose third digit is 8: each block completes by its modulo-11 digit.
TEST_F(PagamentoFatura, ConvenioWithAReferenceIsTypedBlockByBlockByModulo11) {
    Roda("type 3\nkey Enter\ntype 858000034285\nexpect focus ed_bloco2\ntype 624958758072\nexpect focus ed_bloco3\n"
         "type 302157368195\nexpect focus ed_bloco4_12\ntype 303642621296\nkey Enter\nkey Enter\n");
    EXPECT_TRUE(CaixasCp1252().empty());
    EXPECT_EQ(resultado_, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_DOCUMENTO_FATURA), "858000034285624958758072302157368195303642621296");
}

TEST_F(PagamentoFatura, TypeOtherThanOneToThreeIsNotTakenAndAnEmptyTypeIsRefusedOnLeaving) {
    Roda("type 4x\nexpect text edTpEntrada \nkey Enter\nanswer ok\nexpect focus edTpEntrada\n"
         "click btRetorna\n");  // leaving toward the return button asks nothing
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_TIPO_ENTRADA_VAZIO)});
    EXPECT_EQ(resultado_, forms::mrCancel);
}

TEST_F(PagamentoFatura, ChangingTheTypeRearrangesTheDocumentArea) {
    auto& tela = Roda(
        "type 3\nkey Enter\nexpect focus ed_bloco1\n"
        // from typed line to card: back to the line arrangement, no document
        "focus edTpEntrada\ntype 1\nkey Enter\nexpect focus btConfirma\nexpect disabled EdDoc\n"
        // from card to reader: the document box opens again
        "focus edTpEntrada\ntype 2\nkey Enter\nexpect focus EdDoc\nexpect enabled EdDoc\nclick btRetorna\n");
    EXPECT_TRUE(tela.Documento.CodigoBarras.EdDoc->Visible());
    EXPECT_FALSE(tela.Documento.CodigoBarras.ed_bloco1->Visible());
    EXPECT_TRUE(CaixasCp1252().empty());
}

TEST_F(PagamentoFatura, HostDocumentStaysLockedWhateverTheTypeTyped) {
    Roda("type 1\nkey Enter\nfocus edTpEntrada\ntype 2\nkey Enter\nexpect disabled EdDoc\nexpect focus btConfirma\n"
         "key Enter\n",
         "\"1041\" = \"12345\"\n");
    EXPECT_EQ(resultado_, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_DOCUMENTO_FATURA), "12345");
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_LINHA_DOCUMENTO) &&
                 !Campo(zv::CAMPO_LINHA_DOCUMENTO).empty());
    EXPECT_EQ(TipoEntradaDocumento(), "3");
}

TEST_F(PagamentoFatura, HostTypeOutsideOneToThreeCountsAsEmptyAndIsOpenedToTheOperator) {
    Roda("expect disabled edTpEntrada\nclick btConfirma\nanswer ok\nexpect enabled edTpEntrada\n"
         "expect focus edTpEntrada\nexpect text edTpEntrada \nclick btRetorna\n",
         "\"1040\" = \"7\"\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_TIPO_ENTRADA_VAZIO)});
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
}

TEST_F(PagamentoFatura, ReaderTypeWithoutDocumentIsRefusedThenTheBarcodeIsSentAsRead) {
    Roda("type 2\nkey Enter\nexpect focus EdDoc\nclick btConfirma\nanswer ok\nexpect focus EdDoc\n"
         "type 12345678901234567890123456789012345678901234\nclick btConfirma\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_DOCUMENTO_VAZIO)});
    EXPECT_EQ(Campo(zv::CAMPO_DOCUMENTO_FATURA), "12345678901234567890123456789012345678901234");
    EXPECT_EQ(Campo(zv::CAMPO_LINHA_DOCUMENTO), "12345678901234567890123456789012345678901234");
    EXPECT_EQ(TipoEntradaDocumento(), "3");
}

TEST_F(PagamentoFatura, HostTypeThreeWithoutDocumentStartsOnTheBlocks) {
    Roda("expect disabled edTpEntrada\nexpect focus ed_bloco1\n"
         "type 0019123454\ntype 67890123457\ntype 67890123457\ntype 8\ntype 10000000001500\nclick btConfirma\n",
         "\"1040\" = \"3\"\n");
    EXPECT_EQ(resultado_, forms::mrOk);
    EXPECT_EQ(Campo(zv::CAMPO_DOCUMENTO_FATURA), "00191234546789012345767890123457810000000001500");
}

// Pasted or host text can hold anything: it is refused and the screen stays.
TEST_F(PagamentoFatura, NonDigitsInTheBlocksAreRefused) {
    Roteiro("answer ok\nanswer ok\n");
    zv::TEntradaCodigoBarras& cb = Cria<TFrmPag_Trn>().Documento.CodigoBarras;
    cb.LimpaBlocoCB(zv::TEntradaCodigoBarras::MOSTRA_BLOCOS_TITULO);
    cb.ed_bloco1->SetText("0019123454");
    cb.ed_bloco2->SetText("67890123457");
    cb.ed_bloco3->SetText("67890123457");
    cb.ed_digito->SetText("x");
    cb.ed_bloco4_14->SetText("10000000001500");
    EXPECT_FALSE(cb.ValidaCodigoBarrasDigitado());
    cb.ed_digito->SetText("8");
    cb.ed_bloco2->SetText("6789012345\x80");
    EXPECT_FALSE(cb.ValidaCodigoBarrasDigitado());
    EXPECT_EQ(CaixasCp1252(), (std::vector<std::string>{CatalogoCp1252(zv::MSG_DIGITO_GERAL_INVALIDO), CatalogoCp1252(zv::MSG_BLOCO2_INVALIDO)}));
    EXPECT_FALSE(cb.EdDoc->Visible());
}

// The type changed to "typed line" on the way to the confirmation button: the
// reader's text in EdDoc is not sent as a typed line.
TEST_F(PagamentoFatura, TypedLineTypeNeverSendsUnverifiedText) {
    Roda("type 2\nkey Enter\ntype 123\nfocus edTpEntrada\ntype 3\nclick btConfirma\nanswer ok\n"
         "expect focus ed_bloco1\nclick btRetorna\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_DOCUMENTO_VAZIO)});
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
}

}  // namespace
