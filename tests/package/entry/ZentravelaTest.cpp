// Loading and unloading: the descriptor's units, state left behind by a
// Finalize / Initialize cycle, the version exports, and every menu option of
// the loaded package opening its screen.
#include <cstring>
#include <set>

#include "PacoteCarregado.h"
#include "TelasTeste.h"

#include "MenuCreditoAdmZentravela.h"
#include "MenuCreditoZentravela.h"
#include "MenuModeloZentravela.h"
#include "ZentravelaMain.h"
#include "cancel/MenuCancelamentoZentravela.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/FinanceiroTrnZentravela.h"
#include "withdrawal/MenuSaqueZentravela.h"

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
                                "ConsultaSaldoCreditoTrnZentravela", "ImprimeConsultaZentravela"}) {
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
    zv::ImprimeConsultaZentravela::sTaxaJuros = "0000199";
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
    EXPECT_TRUE(zv::ImprimeConsultaZentravela::sTaxaJuros.empty());
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

// Lets a menu run and cancels every other screen as soon as it shows: each
// option is seen to open its screen without the screen doing its work.
class CancelaOpcoes : public forms::FormObserver {
public:
    explicit CancelaOpcoes(std::string menu) : menu_(std::move(menu)) {}
    void FormShown(forms::Form& f) override {
        if (f.Name() == menu_) return;
        abertas.push_back(f.Name());
        f.SetModalResult(forms::mrCancel);
        // The menu lays its options out when it is activated: count them now.
        for (forms::Form* aberto : forms::Application::Instance().ModalStack()) {
            if (aberto->Name() != menu_ || visiveis > 0) continue;
            for (const auto* opcao : dynamic_cast<zv::TFrmMnu_Mod&>(*aberto).Opcoes()) visiveis += opcao->Visible();
        }
    }
    std::vector<std::string> abertas;
    int visiveis = 0;

private:
    std::string menu_;
};

TEST_F(Lifecycle, EveryOptionOfEveryMenuOpensItsScreen) {
    const std::vector<std::string> vendas = {"FrmVis_Crd", "FrmCpr_AdmCrdPar", "FrmEst_CrdPar", "FrmCon_AdmCrdPar"};
    const struct {
        const char* classe;
        const char* nome;
        forms::Form** variavel;  // the one its options take as their caller
        std::vector<std::string> telas;
    } menus[] = {
        {"TFrmCred_Mnu", "FrmCred_Mnu", &zv::MenuCreditoZentravela::FrmCred_Mnu, vendas},
        {"TFrmPreAut_Mnu", "FrmPreAut_Mnu", &zv::MenuCreditoZentravela::FrmCred_Mnu, vendas},
        {"TFrmCredAdm_Mnu", "FrmCredAdm_Mnu", &zv::MenuCreditoAdmZentravela::FrmCredAdm_Mnu,
         {"FrmCon_AdmCrdPar", "FrmCnsSaldo_Cred", "FrmSaqueCredito_Mnu"}},
        {"TFrmSaqueCredito_Mnu", "FrmSaqueCredito_Mnu", &zv::MenuSaqueZentravela::FrmSaqueCredito_Mnu,
         {"FrmRot_Saq", "FrmPar_Saq", "FrmCon_AdmSaque"}},
        {"TFrmCnc_Mnu", "FrmCnc_Mnu", &zv::MenuCancelamentoZentravela::FrmCnc_Mnu,
         {"FrmCrd_Cnc", "FrmFat_Cnc", "FrmFin_Cnc"}},
    };
    // Every table code is enabled by default; the services and the
    // pre-authorisation kinds enable the rest.
    Cliente().Service().codes = {"14", "15", "16", "17", "32", "33"};
    zv::TRN_PCAPV = zv::TRN_PCAPPL = zv::TRN_PCAPPA = true;
    for (const auto& menu : menus) {
        std::string roteiro;
        for (size_t i = 1; i <= menu.telas.size(); ++i) roteiro += "type " + std::to_string(i) + "\n";
        NovoOperador(roteiro + "click spEncerra\n");
        CancelaOpcoes observador(menu.nome);
        forms::Application::Instance().AddObserver(&observador);
        EXPECT_TRUE(zv::CriaExecutaForm(menu.classe, nullptr, *menu.variavel)) << menu.classe;
        forms::Application::Instance().RemoveObserver(&observador);
        EXPECT_EQ(observador.abertas, menu.telas) << menu.classe;
        EXPECT_EQ(observador.visiveis, static_cast<int>(menu.telas.size())) << menu.classe;
    }
    EXPECT_TRUE(Caixas().empty()) << "message 802: " << Caixas().front().dump();
}

}  // namespace
}  // namespace zvtest
