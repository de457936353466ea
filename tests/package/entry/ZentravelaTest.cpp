// Loading and unloading: the descriptor's units, state left behind by a
// Finalize / Initialize cycle, and the version exports.
#include <cstring>
#include <set>

#include "PacoteCarregado.h"
#include "TelasTeste.h"

#include "ZentravelaMain.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/FinanceiroTrnZentravela.h"

namespace zvtest {
namespace {

constexpr char kTela[] = "FrmTeste";

using Lifecycle = PacoteCarregado;

std::vector<std::string> NomesUnidades() {
    const ZvPackageInfo* info = GetPackageInfoTable();
    std::vector<std::string> nomes;
    for (int32_t i = 0; i < info->unitCount; ++i) nomes.emplace_back(info->units[i].name);
    return nomes;
}

TEST_F(Lifecycle, DescriptorListsEveryUnitOnceWithTheMainUnitLast) {
    const ZvPackageInfo* info = GetPackageInfoTable();
    ASSERT_NE(info, nullptr);
    const auto nomes = NomesUnidades();
    ASSERT_FALSE(nomes.empty());
    EXPECT_EQ(nomes.back(), "ZentravelaMain");
    EXPECT_EQ(std::set<std::string>(nomes.begin(), nomes.end()).size(), nomes.size());
    for (int32_t i = 0; i < info->unitCount; ++i) {
        EXPECT_NE(info->units[i].initialization, nullptr) << nomes[static_cast<size_t>(i)];
        EXPECT_NE(info->units[i].finalization, nullptr) << nomes[static_cast<size_t>(i)];
    }
    for (const char* unidade : {"FinanceiroTrnZentravela", "ConsSaqueZentravela", "PagamentoFaturaZentravela",
                                "CancPagamentoFaturaZentravela", "CancCreditoZentravela",
                                "CancFinanceiroZentravela", "ConsCreditoZentravela",
                                "ConsultaSaldoCreditoTrnZentravela"}) {
        EXPECT_NE(std::find(nomes.begin(), nomes.end(), unidade), nomes.end()) << unidade;
    }
    // The base screen unit comes first once the screen framework is listed.
    const auto modelo = std::find(nomes.begin(), nomes.end(), "ModeloZentravela");
    if (modelo != nomes.end()) {
        EXPECT_EQ(modelo, nomes.begin());
    }
}

TEST_F(Lifecycle, VersionRightAfterLoadingIsFixedAndTheModuleVersionEmpty) {
    char versao[32];
    char modulo[32];
    std::memset(versao, 'x', sizeof versao);
    std::memset(modulo, 'x', sizeof modulo);
    ObtemVersao(versao, sizeof versao, modulo, sizeof modulo);
    EXPECT_STREQ(versao, "1.0.0.0");
    EXPECT_STREQ(modulo, "");
}

TEST_F(Lifecycle, VersionIsCutToTheCallersBuffers) {
    zv::VERSAO_DO_MODULO = "2.3.4.5678";
    char versao[4];
    char modulo[6];
    ObtemVersao(versao, sizeof versao, modulo, sizeof modulo);
    EXPECT_STREQ(versao, "1.0");
    EXPECT_STREQ(modulo, "2.3.4");
    ObtemVersao(nullptr, 10, nullptr, 0);  // no buffer: nothing written, nothing raised
}

TEST_F(Lifecycle, FinalizeThenInitializeLeavesNoStateBehind) {
    // Dirty everything a previous load could have left.
    zv::VERSAO_DO_MODULO = "9.9";
    std::strcpy(zv::TITULO_APLICACAO, "Zentravela - v9.9");
    zv::TRN_PCAPV = zv::TRN_PCAPPL = zv::TRN_PCAPPA = true;
    zv::bHabilitaAlteracaoCampoValor = true;
    std::strcpy(zv::ServicoA_AdicionaisVenda, "0300012");
    zv::struct_Perguntas.push_back({});
    zv::RespostasPerguntas.Lista1.resize(3);
    zv::RespostasPerguntas.Lista7.resize(2);
    zv::PerguntasGenerica.Count = 5;
    zv::PerguntasGenerica.Itens[99].Tipo = 7;
    std::strcpy(zv::FinanceiroTrnZentravela::Ciclos, "CICLOS:07");
    std::strcpy(zv::ConsSaqueZentravela::TransacaodeSaque, "TRN:6");
    std::strcpy(zv::PagamentoFaturaZentravela::TipoEntradaDocumento, "3");
    std::strcpy(zv::CancPagamentoFaturaZentravela::TipoDocumento, "123");
    RegistraTelaTeste<kTela>("TFrmTeste");

    Finalize();
    EXPECT_FALSE(zv::ClasseTelaRegistrada("TFrmTeste")) << "unloading forgets the screen classes";
    EXPECT_TRUE(zv::RespostasPerguntas.Lista7.empty());
    zv::RemoveClasseTela("TFrmTeste");  // a screen unit's removal afterwards is harmless
    Initialize();

    EXPECT_TRUE(zv::VERSAO_DO_MODULO.empty());
    EXPECT_STREQ(zv::TITULO_APLICACAO, "");
    EXPECT_FALSE(zv::TRN_PCAPV || zv::TRN_PCAPPL || zv::TRN_PCAPPA || zv::bHabilitaAlteracaoCampoValor);
    EXPECT_STREQ(zv::ServicoA_AdicionaisVenda, "");
    EXPECT_TRUE(zv::struct_Perguntas.empty());
    EXPECT_TRUE(zv::RespostasPerguntas.Lista1.empty());
    const int32_t contagem = zv::PerguntasGenerica.Count;  // packed: copied before the check
    const int32_t tipo = zv::PerguntasGenerica.Itens[99].Tipo;
    EXPECT_EQ(contagem, 0);
    EXPECT_EQ(tipo, 0);
    EXPECT_STREQ(zv::FinanceiroTrnZentravela::Ciclos, "");
    EXPECT_STREQ(zv::ConsSaqueZentravela::TransacaodeSaque, "");
    EXPECT_STREQ(zv::PagamentoFaturaZentravela::TipoEntradaDocumento, "");
    EXPECT_STREQ(zv::CancPagamentoFaturaZentravela::TipoDocumento, "");
    EXPECT_FALSE(zv::ClasseTelaRegistrada("TFrmTeste"));

    char modulo[16] = "lixo";
    char versao[16] = "lixo";
    ObtemVersao(versao, sizeof versao, modulo, sizeof modulo);
    EXPECT_STREQ(versao, "1.0.0.0");
    EXPECT_STREQ(modulo, "");
}

TEST_F(Lifecycle, MainUnitInitialisationKeepsTheClassesTheScreenUnitsRegistered) {
    RegistraTelaTeste<kTela>("TFrmTeste");
    zv::ZentravelaMain::Initialization();
    EXPECT_TRUE(zv::ClasseTelaRegistrada("TFrmTeste"));
}

}  // namespace
}  // namespace zvtest
