// The entry points of the package as the client calls them: refusals go to
// the host with the catalogue text, accepted calls open their first screen.
#include <gtest/gtest.h>

#include "ClientRun.h"

namespace e2e {
namespace {

std::string Scenario(const std::string& entry, int function, const std::string& f10107) {
    return "entry = \"" + entry + "\"\nfunction = " + std::to_string(function) + "\n[fields]\n\"10107\" = \"" +
           f10107 + "\"\n";
}

void ExpectReportedOnly(const ClientRun& run, int message) {
    EXPECT_EQ(run.ExitStatus(), 0) << run.Stderr();
    ASSERT_EQ(run.ErrorReports(), std::vector<std::string>{Message(message)});
    EXPECT_EQ(run.Calls("EnviaArquivoErroPDV")[0]["args"][0], 255);
    EXPECT_TRUE(run.Forms("create").empty());
    EXPECT_TRUE(run.Boxes().empty());
}

TEST(EntryPoints, SaleWithField10107AbsentEmptyOrOneIsReported327) {
    ExpectReportedOnly(ClientRun::Execute("entry = \"ExecutaVenda\"\n", ""), 327);
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaVenda", 0, ""), ""), 327);
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaVenda", 0, "1"), ""), 327);
}

TEST(EntryPoints, AdministrativeFunctionsCheckField10107AndTheFunction) {
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaFuncaoADM", 0, "abc"), ""), 327);
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaFuncaoADM", 0, "1"), ""), 327);
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaFuncaoADM", 2, "0"), ""), 958);

    const auto menu = ClientRun::Execute(Scenario("ExecutaFuncaoADM", 0, "0"), "click spEncerra\n");
    EXPECT_EQ(menu.ExitStatus(), 0) << menu.Stderr();
    EXPECT_EQ(menu.Forms("create"), std::vector<std::string>{"FrmCredAdm_Mnu"});
    EXPECT_TRUE(menu.ErrorReports().empty());
}

TEST(EntryPoints, GenericServesOnlyInvoicePayment) {
    ExpectReportedOnly(ClientRun::Execute(Scenario("ExecutaGenerico", 11, "0"), ""), 218);
}

TEST(EntryPoints, ChequeConsultationAndPreAuthorisationEntryAreNotServed) {
    ExpectReportedOnly(ClientRun::Execute("entry = \"ExecutaConsultaCheque\"\n", ""), 231);
    ExpectReportedOnly(ClientRun::Execute("entry = \"ExecutaPreAutorizacao\"\nfunction = 3\n", ""), 231);
}

TEST(EntryPoints, VersionRightAfterLoadingHasNoModuleVersion) {
    const auto run = ClientRun::Execute("entry = \"ExecutaConsultaCheque\"\n", "");
    ASSERT_FALSE(run.Versions().empty());
    EXPECT_EQ(run.Versions()[0], (nlohmann::json{"1.0.0.0", ""}));
}

// Every call into the client failing: no entry point lets anything out of the
// package (1 would say so), and each ends as a finished call; the package on a
// till is the same file, whose exports are the last place to stop an error.
TEST(EntryPoints, EveryCallIntoTheClientFailingLetsNothingOut) {
    const struct {
        const char* entry;
        int function;
        const char* script;  // only where a screen still waits
    } calls[] = {{"ExecutaVenda", 0, ""},           {"ExecutaFuncaoADM", 0, ""},
                 {"ExecutaFuncaoADM", 1, ""},       {"ExecutaGenerico", 12, "click btRetorna\n"},
                 {"ExecutaConsultaCheque", 0, ""}, {"ExecutaPreAutorizacao", 0, ""}};
    for (const auto& c : calls) {
        const auto run = ClientRun::Execute(Scenario(c.entry, c.function, "0") + "[host]\nfail_every_call = true\n",
                                            c.script);
        EXPECT_EQ(run.ExitStatus(), 0) << c.entry << " " << c.function << ": " << run.Stderr();
        size_t failed = 0;
        for (const auto& line : run.Lines()) failed += line.value("fault", "") == "fail";
        EXPECT_GT(failed, 0u) << c.entry << " " << c.function << ": no call was made to fail";
    }
}

TEST(EntryPoints, ACancelledTopLevelScreenWritesTheResultFileOnce) {
    const auto run = ClientRun::Execute(Scenario("ExecutaVenda", 0, "0") + "\"1017\" = \"1\"\n", "click btRetorna\n");
    EXPECT_EQ(run.ExitStatus(), 0) << run.Stderr();
    ASSERT_EQ(run.Forms("close"), std::vector<std::string>{"FrmVis_Crd"});
    EXPECT_EQ(run.Calls("FosdalGravaArquivo").size(), 1u);
    EXPECT_TRUE(run.Calls("AutorizaTransacao").empty());
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// Under the sanitizer build a write past any of the package's buffers ends
// the run; here the fields are far longer than every buffer that reads them.
TEST(EntryPoints, FieldsFarLongerThanTheBuffersAreCut) {
    const std::string scenario = "entry = \"ExecutaVenda\"\n[fields]\n\"10107\" = \"" + std::string(5000, '0') +
                                 "\"\n\"1017\" = \"" + std::string(6000, '1') + "\"\n\"1003\" = \"" +
                                 std::string(9000, '9') + "\"\n";
    const auto run = ClientRun::Execute(scenario, "click btRetorna\n");
    EXPECT_LT(run.ExitStatus(), 5) << run.Stderr();
    const auto reads = run.Calls("FosdalLeCampo");
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads[0]["args"][0], 10107);
    EXPECT_EQ(reads[0]["length"], reads[0]["args"][2]);
    for (const auto& c : run.Calls("LeCampo")) {
        EXPECT_LT(c["result"].get<std::string>().size(), c["args"][2].get<std::size_t>());
    }
    EXPECT_EQ(run.FinalFields()["1003"].get<std::string>().size(), 9000u);
}

}  // namespace
}  // namespace e2e
