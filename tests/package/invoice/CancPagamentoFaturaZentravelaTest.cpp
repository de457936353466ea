// The invoice payment cancellation headless: its own prompts and types, the
// cancellation model's checks first, a locked type left locked, and what the
// request carries for a card. The typed line runs end to end in
// tests/e2e/ConsultationTest.cpp.
#include <string>
#include <vector>

#include "AmbienteTelas.h"
#include "DatasTeste.h"
#include "host/Catalogo.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "sim/Catalogue.h"

using zvtest::CatalogoCp1252;

namespace {

using zv::TFrmFat_Cnc;
namespace unidade = zv::CancPagamentoFaturaZentravela;

class CancelamentoFatura : public zvtest::AmbienteTelas {
protected:
    TFrmFat_Cnc& Roda(const std::string& roteiro, const std::string& campos = "") {
        Cenario("[fields]\n\"10107\" = \"0\"\n" + campos);
        Roteiro(roteiro);
        return Mostra<TFrmFat_Cnc>(resultado_);
    }
    int resultado_ = 0;
};

TEST_F(CancelamentoFatura, CardTypeSendsNoDocumentAndItsOwnPromptsShow) {
    std::strcpy(unidade::TipoDocumento, "de antes");
    Roda("type 1500\nkey Enter\nexpect text lbMensagem " + CatalogoCp1252(zv::MSG_PROMPT_DATA_CANC_FATURA) +
         "\ntype 01022024\nkey Enter\ntype 77\nkey Enter\nexpect text lbMensagem " +
         CatalogoCp1252(zv::MSG_PROMPT_TIPO_ENTRADA_CANC_FATURA) +
         "\ntype 3\ntype 1\nexpect text edTpEntrada 1\nkey Enter\nexpect focus btConfirma\nkey Enter\n");
    EXPECT_EQ(resultado_, forms::mrOk);
    EXPECT_EQ(Quantas("LerCartao"), 1);
    EXPECT_EQ(Campo(zv::CAMPO_TIPO_ENTRADA_FATURA), "1");
    EXPECT_EQ(Campo(zv::CAMPO_CODIGO_SERVICO), "0115");
    EXPECT_FALSE(Cliente().HasField(zv::CAMPO_DOCUMENTO_FATURA));
    EXPECT_STREQ(unidade::TipoDocumento, "");  // field 10104, emptied at the start
    EXPECT_EQ(std::string(unidade::TipoEntradaDocumento), Campo(zv::CAMPO_MODO_ENTRADA).substr(0, 1));
    const auto autoriza = Cliente().Calls("AutorizaTransacao");
    ASSERT_EQ(autoriza.size(), 1u);
    EXPECT_EQ(autoriza[0]["record"]["code"], 65);
}

TEST_F(CancelamentoFatura, DateLaterThanTodayIsRefusedBeforeTheEntryTypeIsLookedAt) {
    Roda("type 1500\nkey Enter\ntype " + zvtest::DiaMesAno(1) + "\nkey Enter\ntype 77\nclick btConfirma\n"
         "answer ok\nexpect focus edDtTransacao\nclick btRetorna\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_DATA_INVALIDA)});
}

TEST_F(CancelamentoFatura, HostTypeOutsideOneAndTwoIsRefusedAndStaysLocked) {
    Roda("expect disabled edTpEntrada\nclick btConfirma\nanswer ok\nexpect disabled edTpEntrada\n"
         "expect text edTpEntrada 3\nexpect focus EdDoc\nclick btRetorna\n",
         "\"1003\" = \"1500\"\n\"1020\" = \"05032024\"\n\"1013\" = \"123456\"\n\"1040\" = \"3\"\n");
    EXPECT_EQ(CaixasCp1252(), std::vector<std::string>{CatalogoCp1252(zv::MSG_TIPO_ENTRADA_VAZIO)});
    EXPECT_EQ(Quantas("AutorizaTransacao"), 0);
    EXPECT_EQ(resultado_, forms::mrCancel);
}

}  // namespace
