// Loading and unloading: the descriptor's units, state left behind by a
// Finalize / Initialize cycle, the version exports, and every menu option of
// the loaded package opening its screen.
#include <cstring>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "PacoteCarregado.h"
#include "TelasTeste.h"
#include "Versao.h"

#include "common/ZentravelaMain.h"
#include "consult/ImprimeConsultaZentravela.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "menus/MenuCancelamentoZentravela.h"
#include "menus/MenuCreditoAdmZentravela.h"
#include "menus/MenuCreditoZentravela.h"
#include "menus/MenuSaqueZentravela.h"
#include "screens/MenuModeloZentravela.h"
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
    EXPECT_STREQ(versao, ZV_VERSAO_COMPLETA);
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
    EXPECT_STREQ(versao, ZV_VERSAO_COMPLETA);
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
    EXPECT_TRUE(LinhasCaixa().empty()) << "message 802: " << LinhasCaixa().front().dump();
}

// Every export, called while the client's libraries fail every call, throw
// at the first call, or throw at every call (a planted error inside the
// export): each returns to the client with nothing let out. An operation that
// the error ended is reported to the client as not carried out (message 801),
// with the error in the audit log.
struct Exportacao {
    const char* nome;
    std::function<void()> chama;
    bool relataAoFalhar;  // an operation: reports a planted error to the client
};

const std::vector<Exportacao>& Exportacoes() {
    static const std::vector<Exportacao> todas = {
        {"Initialize", [] { Initialize(); }, false},
        {"Finalize", [] { Finalize(); }, false},
        {"GetPackageInfoTable", [] { EXPECT_NE(GetPackageInfoTable(), nullptr); }, false},
        {"ObtemVersao",
         [] {
             char versao[16] = "lixo", modulo[16] = "lixo";
             ObtemVersao(versao, sizeof versao, modulo, sizeof modulo);
             EXPECT_STREQ(versao, ZV_VERSAO_COMPLETA);
             EXPECT_LT(std::strlen(modulo), sizeof modulo);
         },
         false},
        {"ObtemVersaoModuloPrincipalIni",
         [] {
             char versao[16] = "lixo";
             ObtemVersaoModuloPrincipalIni(versao, sizeof versao);
             EXPECT_STREQ(versao, "");
         },
         false},
        {"ExecutaVenda", [] { ExecutaVenda(0x1000, 0); }, true},
        {"ExecutaFuncaoADM", [] { ExecutaFuncaoADM(0x1000, 1); }, true},
        {"ExecutaGenerico", [] { ExecutaGenerico(0x1000, 11); }, true},
        {"ExecutaConsultaCheque", [] { ExecutaConsultaCheque(0, 0); }, true},
        {"ExecutaPreAutorizacao", [] { ExecutaPreAutorizacao(0, 0); }, true},
    };
    return todas;
}

using Exports = PacoteCarregado;

TEST_F(Exports, TheTableHoldsEveryExportOfTheModuleDefinition) {
    std::ifstream def(std::string(ZV_SOURCE_DIR) + "/package/entry/Zentravela.def");
    ASSERT_TRUE(def) << "package/entry/Zentravela.def";
    std::set<std::string> exportadas, testadas;
    std::string linha;
    bool exports = false;
    while (std::getline(def, linha)) {
        std::istringstream palavras(linha);
        std::string nome;
        if (!(palavras >> nome) || nome[0] == ';') continue;
        if (nome == "EXPORTS") exports = true;
        else if (exports) exportadas.insert(nome);
    }
    for (const auto& e : Exportacoes()) testadas.insert(e.nome);
    EXPECT_EQ(testadas, exportadas);
}

TEST_F(Exports, NoExportLetsAnErrorOfTheClientsLibrariesOut) {
    const struct {
        sim::CallFault falha;
        const char* nome;
    } falhas[] = {{sim::CallFault::Fail, "fail"},
                  {sim::CallFault::ThrowNext, "throw at the first call"},
                  {sim::CallFault::ThrowEvery, "throw at every call"}};
    for (const auto& falha : falhas) {
        // On 32-bit Windows only the failing calls: no exception leaves a module there.
        if (falha.falha != sim::CallFault::Fail && !sim::kPlantedThrowsLeaveLibraries) continue;
        for (const auto& e : Exportacoes()) {
            SCOPED_TRACE(std::string(e.nome) + ", every library call: " + falha.nome);
            Cliente().Reset();
            Campo(10107, "0");
            const forms::WindowHandle janela = forms::Application::Instance().Handle();
            Cliente().Host().callFault = falha.falha;
            const bool plantada = falha.falha == sim::CallFault::ThrowNext;

            EXPECT_NO_THROW(e.chama());

            const bool lancou = plantada && Cliente().Host().callFault == sim::CallFault::None;
            Cliente().Host().callFault = sim::CallFault::None;
            EXPECT_EQ(forms::Application::Instance().Handle(), janela) << "the client's window handed back";
            if (lancou && e.relataAoFalhar) {
                ASSERT_EQ(Cliente().ErrorReports().size(), 1u);
                EXPECT_EQ(Cliente().ErrorReports()[0].code, 255);
                EXPECT_EQ(TextoJournal(Cliente().ErrorReports()[0].text), CatalogoUtf8(801));
                ASSERT_FALSE(Cliente().AuditLines().empty());
                EXPECT_EQ(Cliente().AuditLines().back().rfind("Erro: ", 0), 0u) << Cliente().AuditLines().back();
            }
            if (std::string(e.nome) == "Finalize") Initialize();  // loaded again for the next one
        }
    }
    // The package still serves the next operation as it should.
    Cliente().Reset();
    ExecutaConsultaCheque(0, 0);
    ASSERT_EQ(Cliente().ErrorReports().size(), 1u);
    EXPECT_EQ(TextoJournal(Cliente().ErrorReports()[0].text), CatalogoUtf8(231));
}

}  // namespace
}  // namespace zvtest
