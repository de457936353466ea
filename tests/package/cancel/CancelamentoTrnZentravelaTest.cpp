// The cancellation model, through the withdrawal cancellation (its simplest
// shown form): date and document of the transaction being cancelled.
#include "AmbienteCredito.h"
#include "DatasTeste.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "forms/Locale.h"
#include "host/Catalogo.h"

using zvtest::CatalogoUtf8;

namespace {

using zvtest::AmbienteCredito;
using zv::CancFinanceiroZentravela::FrmFin_Cnc;
using zvtest::DiaMesAno;

class CancelamentoTrn : public AmbienteCredito {
protected:
    void SetUp() override {
        AmbienteCredito::SetUp();
        Campo(zv::CAMPO_STATUS_OPERACAO, "0");
        forms::Settings() = forms::FormatSettings{};
    }
    void TearDown() override {
        forms::Settings() = forms::FormatSettings{};
        AmbienteCredito::TearDown();
    }
    // Amount, date and document typed, then confirmed.
    bool Digita(const std::string& data, const std::string& documento, const std::string& depois = "") {
        return Roda("TFrmFin_Cnc", FrmFin_Cnc,
                    "type 10000\nkey Enter\ntype " + data + "\nkey Enter\ntype " + documento +
                        "\nkey Enter\nkey Enter\n" + depois);
    }
};

TEST_F(CancelamentoTrn, TypedDateAndDocumentShowTheirPromptsAndAreWritten) {
    ASSERT_TRUE(Roda("TFrmFin_Cnc", FrmFin_Cnc,
                     "expect enabled edDtTransacao\nexpect text edDtTransacao   /  /    \n"
                     "type 10000\nkey Enter\nexpect text lbMensagem " + CatalogoUtf8(37) + "\n"
                     "type 01022024\nkey Enter\nexpect text lbMensagem " + CatalogoUtf8(18) + "\n"
                     "type 7a-8\nexpect text edNumDocumento 78\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Campo(1020), "01022024");
    EXPECT_EQ(Campo(1013), "78");
}

struct CasoData {
    std::string digitada;
    bool aceita;
};

class DataCancelamento : public CancelamentoTrn, public ::testing::WithParamInterface<CasoData> {};

TEST_P(DataCancelamento, DateIsNeitherInvalidNorShortNorLaterThanToday) {
    const CasoData& caso = GetParam();
    ASSERT_TRUE(Digita(caso.digitada, "1", caso.aceita ? "" : "answer ok\nexpect focus edDtTransacao\n"
                                                               "expect text edDtTransacao   /  /    \n"
                                                               "click btRetorna\n"));
    if (caso.aceita) {
        EXPECT_TRUE(CaixasUtf8().empty());
        EXPECT_EQ(Campo(1020), caso.digitada);
    } else {
        ASSERT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(787)});
        EXPECT_EQ(Linhas("box")[0]["flags"], 0x40030);
        EXPECT_TRUE(Cliente().Calls("AutorizaTransacao").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Datas, DataCancelamento,
                         ::testing::Values(CasoData{DiaMesAno(0), true}, CasoData{DiaMesAno(1), false},
                                           CasoData{"29022024", true}, CasoData{"29022023", false},
                                           CasoData{"31042024", false}, CasoData{"0503202", false},
                                           CasoData{"13122023", true}, CasoData{"01010000", false},
                                           CasoData{"29020000", false}, CasoData{"01010001", true}));

// The mask shows day, month, year: that is how the date is read, whatever
// order the machine's short date format has.
TEST_F(CancelamentoTrn, DateIsReadDayFirstWhateverTheSystemFormat) {
    forms::Settings().shortDateFormat = "mm/dd/yyyy";
    ASSERT_TRUE(Digita("13032024", "1"));
    EXPECT_TRUE(CaixasUtf8().empty());
    EXPECT_EQ(Campo(1020), "13032024");
}

struct CasoDocumento {
    const char* digitado;
    bool aceito;
};

class DocumentoCancelamento : public CancelamentoTrn, public ::testing::WithParamInterface<CasoDocumento> {};

TEST_P(DocumentoCancelamento, DocumentMustBeANumberAboveZero) {
    const CasoDocumento& caso = GetParam();
    ASSERT_TRUE(Digita("05032024", caso.digitado, caso.aceito ? "" : "answer ok\nexpect focus edNumDocumento\n"
                                                                      "expect text edNumDocumento \n"
                                                                      "click btRetorna\n"));
    if (caso.aceito) {
        EXPECT_EQ(Campo(1013), caso.digitado);
    } else {
        EXPECT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(846)});
        EXPECT_FALSE(Gravou(1013));
    }
}

// Twelve digits fit the box; they must not be taken for no number.
INSTANTIATE_TEST_SUITE_P(Documentos, DocumentoCancelamento,
                         ::testing::Values(CasoDocumento{"0", false}, CasoDocumento{"000", false},
                                           CasoDocumento{"1", true}, CasoDocumento{"999999999999", true}));

TEST_F(CancelamentoTrn, LockedDocumentThatFailsKeepsItsTextAndTheFocusGoesToTheFirstBox) {
    Campo(1013, "000");
    ASSERT_TRUE(Roda("TFrmFin_Cnc", FrmFin_Cnc,
                     "type 10000\nkey Enter\ntype 05032024\nkey Enter\nkey Enter\nanswer ok\n"
                     "expect focus edValor\nexpect text edNumDocumento 000\nclick btRetorna\n"));
    EXPECT_EQ(CaixasUtf8(), std::vector<std::string>{CatalogoUtf8(846)});
}

TEST_F(CancelamentoTrn, HostDocumentWithBlanksIsWrittenBackAsItCame) {
    Campo(1020, "05032024");
    Campo(1013, " 42");
    ASSERT_TRUE(Roda("TFrmFin_Cnc", FrmFin_Cnc, "type 100\nkey Enter\nkey Enter\n"));
    EXPECT_EQ(Campo(1013), " 42");
}

}  // namespace
