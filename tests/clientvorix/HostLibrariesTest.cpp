// The host libraries through their C ABI, as the package calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "host/Fosdal.h"
#include "host/Halvik.h"
#include "host/Kelvor.h"
#include "host/Lumar.h"
#include "sim/Formatting.h"
#include "sim/HostCall.h"
#include "sim/State.h"

namespace {

sim::State& S() { return sim::State::Instance(); }

class HostLibraries : public ::testing::Test {
protected:
    void SetUp() override { S().Reset(); }
};

TEST_F(HostLibraries, RawBytesWithZerosRoundTripAndAbsentFieldsReadEmpty) {
    const char bytes[] = {'A', '\0', 'B', '\0'};
    EXPECT_EQ(FosdalGravaCampo(1243, 0, bytes, 4), 0);
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    uint16_t len = 99;
    EXPECT_EQ(FosdalLeCampo(1243, 0, buf, &len, sizeof buf), 0);
    ASSERT_EQ(len, 4);
    EXPECT_EQ(std::string(buf, 4), std::string(bytes, 4));

    EXPECT_EQ(FosdalLeCampo(1003, 0, buf, &len, sizeof buf), 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(buf[0], '\0');

    FosdalLimpaCampo(1243);
    EXPECT_FALSE(S().HasField(1243));
}

// Planted faults: failing calls answer their failure value and change
// nothing; throwing ones leave the library, the next one or every one.
TEST_F(HostLibraries, AFailingClientAnswersFailureAndChangesNothing) {
    S().SetServiceTag("CPRE:", "1");
    S().SetField(1003, "150000");
    S().Host().callFault = sim::CallFault::Fail;
    char buf[8] = "xxxxxxx";
    uint16_t len = 99;
    EXPECT_EQ(GravaCampoString(1004, 0, "1"), 1);
    EXPECT_EQ(FosdalGravaCampo(1004, 0, "1", 1), 1);
    EXPECT_EQ(FosdalLeCampo(1003, 0, buf, &len, sizeof buf), 1);
    EXPECT_EQ(len, 99);
    EXPECT_STREQ(buf, "xxxxxxx");
    EXPECT_FALSE(VerificaServico5("CPRE:", '1'));
    EnviaArquivoErroPDV(255, "ERRO");
    EXPECT_FALSE(S().HasField(1004));
    EXPECT_TRUE(S().ErrorReports().empty());
    const auto faults = S().GetJournal().OfType("call");
    ASSERT_EQ(faults.size(), 5u);
    for (const auto& f : faults) EXPECT_EQ(f.value("fault", ""), "fail") << f.dump();
}

TEST_F(HostLibraries, AThrowingClientThrowsOnceOrEveryTime) {
    if (!sim::kPlantedThrowsLeaveLibraries) GTEST_SKIP() << "no exception leaves a 32-bit Windows module";
    S().Host().callFault = sim::CallFault::ThrowNext;
    EXPECT_THROW(VerificaServico4("32"), sim::PlantedError);
    EXPECT_FALSE(VerificaServico4("32"));
    EXPECT_EQ(S().Calls("VerificaServico4").size(), 2u) << "the planted throw is journalled too";

    S().Host().callFault = sim::CallFault::ThrowEvery;
    EXPECT_THROW(FosdalLimpaUltimaTrn(), sim::PlantedError);
    EXPECT_THROW(FosdalLimpaUltimaTrn(), sim::PlantedError);
}

// A call of one text argument journals it as a list of arguments like every
// other call, whichever compiler built the client, and not as an error line.
TEST_F(HostLibraries, OneTextArgumentCallsJournalTheirArgumentList) {
    char out[32];
    Dollar(out, sizeof out, "150000");
    RemoveFormato(out, sizeof out, "1.500,00");
    RemoveCartao("RETIRE O CARTAO");
    ExibeMsgPinpad("APROVADA");
    VerificaServico4("32");
    const std::pair<const char*, const char*> chamadas[] = {{"Dollar", "150000"},
                                                            {"RemoveFormato", "1.500,00"},
                                                            {"RemoveCartao", "RETIRE O CARTAO"},
                                                            {"ExibeMsgPinpad", "APROVADA"},
                                                            {"VerificaServico4", "32"}};
    for (const auto& [fn, arg] : chamadas) {
        const auto calls = S().Calls(fn);
        ASSERT_EQ(calls.size(), 1u) << fn;
        ASSERT_TRUE(calls[0]["args"].is_array()) << fn;
        EXPECT_EQ(calls[0]["args"][0], arg) << fn;
        EXPECT_FALSE(calls[0].contains("error")) << fn;
    }
}

TEST_F(HostLibraries, BadWritesAreRefusedAndStoreNothing) {
    EXPECT_NE(FosdalGravaCampo(0, 0, "x", 1), 0);
    EXPECT_NE(FosdalGravaCampo(1003, -1, "x", 1), 0);
    EXPECT_NE(FosdalGravaCampo(1003, 0, nullptr, 3), 0);
    EXPECT_NE(FosdalGravaCampo(1003, 0, "x", -2), 0);
    EXPECT_NE(FosdalGravaCampo(1003, 0, "x", 70000), 0);
    EXPECT_NE(GravaCampoString(70000, 0, "x"), 0);
    EXPECT_TRUE(S().Fields().All().empty());
}

// A field far longer than the caller's buffer is cut at the capacity; the
// sanitizer build turns any write past the buffer into a failure.
TEST_F(HostLibraries, ReadsNeverWritePastTheCallersBuffer) {
    const std::string longValue(5000, '7');
    S().SetField(10107, longValue);
    S().SetField(20033, longValue);

    std::vector<char> three(3, 0);
    uint16_t len = 0;
    FosdalLeCampo(10107, 0, three.data(), &len, 3);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(std::string(three.data(), 3), "777");

    std::vector<char> small(32, 0);
    LeCampo(small.data(), 32, 20033, 0);
    EXPECT_EQ(std::string(small.data()), std::string(31, '7'));

    std::vector<char> capped(1025, 0);
    FosdalLeCampoMaxLen(20033, 0, capped.data(), &len, 4096, 1025);
    EXPECT_EQ(len, 1025);
    FosdalLeCampoMaxLen(20033, 0, capped.data(), &len, 63, 1025);
    EXPECT_EQ(len, 63);
    EXPECT_EQ(capped[63], '\0');

    std::vector<char> msg(8, 0);
    LeMensagens(msg.data(), 8, 802);
    EXPECT_EQ(std::strlen(msg.data()), 7u);

    char untouched = 'u';
    LeCampo(&untouched, 0, 20033, 0);
    FosdalLeCampo(20033, 0, &untouched, &len, 0);
    EXPECT_EQ(untouched, 'u');
    EXPECT_EQ(len, 0);
}

TEST_F(HostLibraries, TextReadStopsAtTheFirstZeroByte) {
    const char bytes[] = {'1', '2', '\0', '9'};
    FosdalGravaCampo(1003, 0, bytes, 4);
    char buf[8];
    LeCampo(buf, sizeof buf, 1003, 0);
    EXPECT_STREQ(buf, "12");
}

TEST_F(HostLibraries, OccurrencesAreKeptApart) {
    GravaCampoString(20005, 0, "PERG:01");
    GravaCampoString(20005, 2, "PERG:03");
    char buf[16];
    LeCampo(buf, sizeof buf, 20005, 2);
    EXPECT_STREQ(buf, "PERG:03");
    LeCampo(buf, sizeof buf, 20005, 1);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(S().Occurrences(20005), 3);
}

TEST_F(HostLibraries, CatalogueTextsCarryTheirFormatArguments) {
    char buf[256];
    LeMensagens(buf, sizeof buf, 9999);
    EXPECT_NE(std::string(buf).find("9999"), std::string::npos);
    LeMensagens(buf, sizeof buf, 327);
    EXPECT_GT(std::strlen(buf), 0u);
    // "ção" arrives as CP1252 bytes, one per letter.
    LeMensagens(buf, sizeof buf, 218);
    EXPECT_NE(std::string(buf).find("\xE7\xE3o"), std::string::npos);
}

TEST_F(HostLibraries, ServiceFiveTagsAndFourCodes) {
    S().SetServiceTag("CPRE:", "1");
    S().SetServiceTag("CICLOS:", "0100");
    S().SetServiceTag("VAZIO:", "");
    S().Service().codes = {"14", "32"};

    EXPECT_TRUE(VerificaServico5("CPRE:", '1'));
    EXPECT_FALSE(VerificaServico5("CPRE:", '0'));
    EXPECT_TRUE(VerificaServico5("VAZIO:", '\0'));   // presence only
    EXPECT_FALSE(VerificaServico5("VAZIO:", '1'));
    EXPECT_FALSE(VerificaServico5("PERG:", '\0'));
    EXPECT_TRUE(VerificaServico5MultiFlag("CICLOS:", '1', 2));
    EXPECT_FALSE(VerificaServico5MultiFlag("CICLOS:", '1', 1));
    EXPECT_FALSE(VerificaServico5MultiFlag("CICLOS:", '0', 5));
    EXPECT_FALSE(VerificaServico5MultiFlag("CICLOS:", '0', 0));
    EXPECT_TRUE(VerificaServico4("32"));
    EXPECT_FALSE(VerificaServico4("15"));

    char buf[4];
    VerificaServico5String(buf, sizeof buf, "CICLOS:", 0);
    EXPECT_STREQ(buf, "010");
    VerificaServico5String(buf, sizeof buf, "NADA:", 0);
    EXPECT_STREQ(buf, "");
}

TEST_F(HostLibraries, ServiceQEntriesAreFoundInField20026) {
    S().SetServiceQ("010", "000000150000");
    S().SetServiceQ("008", "ABC");
    char buf[128];
    EXPECT_EQ(ProcuraServico(0, 20026, 'Q', "010", buf, sizeof buf), 15);
    EXPECT_STREQ(buf, "010000000150000");
    EXPECT_EQ(ProcuraServico(0, 20026, 'Q', "008", buf, sizeof buf), 6);
    EXPECT_STREQ(buf, "008ABC");
    EXPECT_EQ(ProcuraServico(0, 20026, 'Q', "011", buf, sizeof buf), 0);
    EXPECT_EQ(ProcuraServico(0, 20026, 'A', "010", buf, sizeof buf), 0);
    char tiny[5];
    EXPECT_EQ(ProcuraServico(0, 20026, 'Q', "010", tiny, sizeof tiny), 4);
    EXPECT_STREQ(tiny, "0100");
}

TEST_F(HostLibraries, EnabledTablesLeaveOutAZeroCode) {
    EXPECT_TRUE(TransacoesHabilitadas(3, 58));  // no tables: everything enabled
    S().Enabled().terminal = std::set<int>{1, 8};
    S().Enabled().intpos = std::set<int>{5};
    EXPECT_TRUE(TransacoesHabilitadas(1, 5));
    EXPECT_FALSE(TransacoesHabilitadas(2, 5));
    EXPECT_FALSE(TransacoesHabilitadas(1, 6));
    EXPECT_TRUE(TransacoesHabilitadas(8, 0));
    EXPECT_TRUE(TransacoesHabilitadas(0, 5));
    EXPECT_FALSE(TransacoesHabilitadasIntPos(58));
}

TEST_F(HostLibraries, FormattingRoundTripsAndCutsToCapacity) {
    char buf[32];
    Dollar(buf, sizeof buf, "150000");
    EXPECT_STREQ(buf, "1.500,00");
    char back[32];
    RemoveFormato(back, sizeof back, buf);
    EXPECT_STREQ(back, "150000");
    Dollar(buf, sizeof buf, "5");
    EXPECT_STREQ(buf, "0,05");
    Dollar(buf, sizeof buf, "000123456789");
    EXPECT_STREQ(buf, "1.234.567,89");
    Dollar(buf, sizeof buf, "");
    EXPECT_STREQ(buf, "");
    Padr(buf, sizeof buf, "12", 5);
    EXPECT_STREQ(buf, "12   ");
    Centraliza(buf, sizeof buf, "ab", 3);
    EXPECT_STREQ(buf, "   ab");
    PreencherZerosEsquerda(buf, sizeof buf, "7", 2);
    EXPECT_STREQ(buf, "07");
    PreencherZerosEsquerda(buf, sizeof buf, "123", 2);
    EXPECT_STREQ(buf, "123");
    Replicate(buf, 4, '-', 40);
    EXPECT_STREQ(buf, "---");
    Replicate(buf, sizeof buf, '-', -3);
    EXPECT_STREQ(buf, "");
}

TEST(Formatting, AnswersKeepWhatWasTypedAndAnErasedAmountIsEmpty) {
    const std::pair<const char*, const char*> semFormato[] = {
        {"1.234,56", "123456"},    {"12/05/2024", "12052024"}, {"150       .  ", "150"},
        {"  /  /    ", ""},        {"JOAO DA SILVA", "JOAO DA SILVA"}, {"AB1C234", "AB1C234"},
        {"S", "S"},                {"ABC-1234", "ABC-1234"}};
    for (const auto& [texto, esperado] : semFormato) EXPECT_EQ(sim::RemoveFormato(texto), esperado) << texto;

    const std::pair<const char*, const char*> exibido[] = {
        {"150000", "1.500,00"}, {"5", "0,05"}, {"0", "0,00"}, {"000", "0,00"}, {"0,1", "0,01"},
        {"0,0", ""}, {"00", ""},  // Backspace took the last digit typed
        {",", ""},   {"", ""}};
    for (const auto& [texto, esperado] : exibido) EXPECT_EQ(sim::Dollar(texto), esperado) << texto;

    for (const char* digitos : {"150000", "105", "1234567890"})
        EXPECT_EQ(sim::RemoveFormato(sim::Dollar(digitos)), digitos) << digitos;
}

TEST_F(HostLibraries, WritesTheScenarioRefusesStoreNothing) {
    S().Host().refusedWrites = {1096};
    EXPECT_EQ(GravaCampoString(1096, 0, "5"), 1);
    EXPECT_EQ(FosdalGravaCampo(1096, 0, "5", 1), 1);
    EXPECT_FALSE(S().HasField(1096));
    EXPECT_EQ(GravaCampoString(1019, 0, "5"), 0);
}

TEST_F(HostLibraries, NumericKeyFilterClearsEverythingElse) {
    for (char k : std::string("0912\b\r")) {
        char key = k;
        PermiteNumerico_BS_Enter(&key);
        EXPECT_EQ(key, k);
    }
    for (char k : std::string("a,. \x1b")) {
        char key = k;
        PermiteNumerico_BS_Enter(&key);
        EXPECT_EQ(key, '\0') << int(k);
    }
    char key = 'q';
    EXPECT_EQ(ValKeyBoard(&key), 'q');
    EXPECT_EQ(ValKeyBoard(nullptr), '\0');
}

TEST_F(HostLibraries, CardListsAnswerInOrderAndRepeatTheirLast) {
    S().Card().read = {5, 0};
    S().Card().verdict = {3, 3, 0};
    S().Card().bins = {false, true};
    EXPECT_EQ(LerCartao(1, 0, "x"), 5);
    EXPECT_EQ(LerCartao(1, 0, "x"), 0);
    EXPECT_EQ(LerCartao(1, 0, "x"), 0);
    EXPECT_EQ(AnalisaDadosCartao(), 3);
    EXPECT_EQ(AnalisaDadosCartao(), 3);
    EXPECT_EQ(AnalisaDadosCartao(), 0);
    EXPECT_EQ(AnalisaDadosCartao(), 0);

    EXPECT_FALSE(FazSomenteTrnConsultaBins(nullptr));
    EXPECT_EQ(S().Field(1027), S().Card().binsRefusal);
    EXPECT_TRUE(FazSomenteTrnConsultaBins(nullptr));
}

struct AdviceProbe {
    std::vector<int> calls;
    static ZvBool ZV_HOSTAPI Call(void* self, ZvBool advice) {
        static_cast<AdviceProbe*>(self)->calls.push_back(advice);
        return 1;
    }
};

TEST_F(HostLibraries, ProcessingSendsOneAdviceWhenAsked) {
    AdviceProbe probe;
    ZvAdviceCallback cb{&probe, &AdviceProbe::Call};
    EXPECT_TRUE(VerificaProcessamentoCartao(nullptr, cb));
    EXPECT_TRUE(probe.calls.empty());

    S().Card().advice = true;
    S().Card().processing = {false};
    EXPECT_FALSE(VerificaProcessamentoCartao(nullptr, cb));
    EXPECT_EQ(probe.calls, std::vector<int>{1});
    EXPECT_EQ(S().Calls("VerificaProcessamentoCartao").back()["advice_result"], true);
}

TEST_F(HostLibraries, ServiceFeeValueMustComeBackUnchanged) {
    S().Host().taxaServico = true;
    unsigned char taxa[8] = {};
    char out[16];
    EXPECT_TRUE(IniciaTaxaServico("1000", out, sizeof out, taxa));
    EXPECT_TRUE(ValidaTaxaServico("1000", "", taxa));
    EXPECT_EQ(S().Calls("ValidaTaxaServico").back()["taxa_intact"], true);
    taxa[3] ^= 1;
    ValidaTaxaServico("1000", "", taxa);
    EXPECT_EQ(S().Calls("ValidaTaxaServico").back()["taxa_intact"], false);

    ZvBool fee = 0, boarding = 1;
    S().Host().embarque = false;
    VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito(&fee, &boarding);
    EXPECT_EQ(fee, 1);
    EXPECT_EQ(boarding, 0);
}

TEST_F(HostLibraries, ErrorReportAuditAndResultFileAreKept) {
    const std::string path = ::testing::TempDir() + "clientvorix_result_test.result";
    S().SetResultFilePath(path);
    EnviaArquivoErroPDV(255, "Transa\xE7\xE3o n\xE3o permitida");
    ASSERT_EQ(S().ErrorReports().size(), 1u);
    EXPECT_EQ(S().ErrorReports()[0].code, 255);
    EXPECT_EQ(S().Calls("EnviaArquivoErroPDV")[0]["args"][1], "Transação não permitida");

    GravaAudit(0, "Criou: FrmVis_CrdLIXO", 16);
    EXPECT_EQ(S().AuditLines().back(), "Criou: FrmVis_Cr");

    GravaCampoString(1003, 0, "150000");
    GravaCampoString(20005, 1, "B");
    EXPECT_EQ(FosdalGravaArquivo(), 0);
    EXPECT_EQ(S().ResultFileWrites(), 1);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char content[128] = {};
    const size_t n = std::fread(content, 1, sizeof content - 1, f);
    std::fclose(f);
    EXPECT_EQ(std::string(content, n), "01003-000 = 150000\n20005-001 = B\n");
    std::remove(path.c_str());

    S().SetResultFilePath("/nonexistent-folder/x.result");
    EXPECT_NE(FosdalGravaArquivo(), 0);
    EXPECT_EQ(S().ResultFileWrites(), 1);
}

}  // namespace
