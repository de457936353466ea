// The package's C++ view of the host libraries: formatting of catalogue
// texts and reads that never go past their buffers.
#include "PacoteCarregado.h"

#include "host/HostCalls.h"

namespace zvtest {
namespace {

TEST(Formata, LaysArgumentsInOrderAndNeverReadsPastTheText) {
    using zv::host::Formata;
    EXPECT_EQ(Formata("Erro ao criar %s.", {"FrmVis_Crd"}), "Erro ao criar FrmVis_Crd.");
    EXPECT_EQ(Formata("De %s a %s parcelas", {"2", "99"}), "De 2 a 99 parcelas");
    EXPECT_EQ(Formata("De %s a %s parcelas", {"2"}), "De 2 a  parcelas") << "missing arguments are empty";
    EXPECT_EQ(Formata("Sem lugar", {"a", "b"}), "Sem lugar");
    EXPECT_EQ(Formata("100%% de %s", {"x"}), "100% de x");
    EXPECT_EQ(Formata("fim em %", {"x"}), "fim em %");
    EXPECT_EQ(Formata("%d e %s", {"x"}), "%d e x");
    EXPECT_EQ(Formata("%s%s", {"%s", "y"}), "%sy") << "arguments are not formatted again";
    EXPECT_EQ(Formata("", {"x"}), "");
}

using HostCalls = PacoteCarregado;

TEST_F(HostCalls, ReadsAreCutToTheirBuffers) {
    const std::string longo(70000, 'z');
    Campo(20033, longo);

    const std::string bytes = zv::host::LeCampoBytes(20033, 0, 1025);
    EXPECT_EQ(bytes, std::string(1025, 'z'));
    EXPECT_EQ(Chamadas("FosdalLeCampo").back()["args"][2], 1025);

    EXPECT_EQ(zv::host::LeCampoMaxLen(20033, 0, 10), std::string(10, 'z'));
    EXPECT_EQ(Chamadas("FosdalLeCampoMaxLen").back()["args"], (nlohmann::json{20033, 0, 10, 11}));

    EXPECT_EQ(zv::host::LeCampo(20033), std::string(4096, 'z'));
    EXPECT_EQ(zv::host::LeCampoBytes(20033, 0, 0), "");
    EXPECT_EQ(zv::host::LeCampoMaxLen(20033, 0, -1), "");
}

TEST_F(HostCalls, ByteReadsKeepZeroBytesAndTextReadsStopAtThem) {
    Campo(1243, std::string("ab\0cd", 5));
    EXPECT_EQ(zv::host::LeCampoBytes(1243, 0, 32), std::string("ab\0cd", 5));
    EXPECT_EQ(zv::host::LeCampo(1243), "ab");
    ASSERT_EQ(zv::host::GravaCampoBytes(1244, 0, std::string("x\0y", 3)), 0);
    EXPECT_EQ(Campo(1244), std::string("x\0y", 3));
}

TEST_F(HostCalls, MessagesAndErrorReportsUseTheCatalogue) {
    EXPECT_EQ(zv::host::Mensagem(327), sim::MessageText(327));
    zv::host::EnviaErroPDV(958);
    ASSERT_EQ(Cliente().ErrorReports().size(), 1u);
    EXPECT_EQ(Cliente().ErrorReports()[0].code, 255);
    EXPECT_EQ(Cliente().ErrorReports()[0].text, sim::MessageText(958));
    zv::host::Audit("Criou: FrmTeste");
    EXPECT_EQ(Cliente().AuditLines().back(), "Criou: FrmTeste");
}

TEST_F(HostCalls, FormattingCallsKeepLongTextsWhole) {
    const std::string texto(5000, '1');
    EXPECT_EQ(zv::host::RemoveFormato(texto), texto);
    EXPECT_EQ(zv::host::Padr("ab", 6000).size(), 6000u);
    EXPECT_EQ(zv::host::PreencherZerosEsquerda("7", 5), "00007");
}

}  // namespace
}  // namespace zvtest
