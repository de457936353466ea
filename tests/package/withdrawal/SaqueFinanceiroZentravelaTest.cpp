// The PIN decision of the withdrawal screens, taken at every press of their
// confirm button from the host's "SENHASAQ:" and field 10148.
#include "AmbienteCredito.h"
#include "host/Catalogo.h"
#include "withdrawal/SaqueFinRotativoZentravela.h"

namespace {

using zvtest::AmbienteCredito;
using zv::SaqueFinRotativoZentravela::FrmRot_Saq;

struct CasoSenha {
    const char* nome;
    const char* senhasaq;  // nullptr: tag absent
    const char* antes;     // field 10148 before; nullptr: absent
    const char* depois;    // nullptr: absent afterwards
    bool gravou;           // FosdalGravaCampo(10148) called
    bool capturou;         // LerSenha called
};

// Longer than the 32 bytes the mode was once read into, and longer than a text read holds.
const std::string MODO_LONGO = "0000ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefgh012345";
const std::string MODO_LONGO_LIGADO = "1" + MODO_LONGO.substr(1);
const std::string MODO_ENORME = std::string(5000, '0');

class SenhaSaque : public AmbienteCredito, public ::testing::WithParamInterface<CasoSenha> {};

TEST_P(SenhaSaque, PinIsCapturedOnlyWhenTheHostAsksAndTheCollectionModeSaysSo) {
    const CasoSenha& caso = GetParam();
    Campo(zv::CAMPO_STATUS_OPERACAO, "0");
    if (caso.senhasaq != nullptr) Cliente().SetServiceTag("SENHASAQ:", caso.senhasaq);
    if (caso.antes != nullptr) Campo(10148, caso.antes);
    ASSERT_TRUE(Roda("TFrmRot_Saq", FrmRot_Saq, "type 1000\nkey Enter\nkey Enter\n"));

    EXPECT_EQ(Cliente().HasField(10148) ? Campo(10148) : "(absent)", caso.depois ? caso.depois : "(absent)");
    EXPECT_EQ(Cliente().Calls("FosdalGravaCampo").empty(), !caso.gravou);
    EXPECT_EQ(Cliente().Calls("LerSenha").empty(), !caso.capturou);
    EXPECT_EQ(Cliente().Calls("AutorizaTransacao").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SenhaSaque,
    ::testing::Values(CasoSenha{"SemTag", nullptr, "0000", "0000", false, false},
                      CasoSenha{"ZeroViraUm", "1", "0000", "1000", true, true},
                      CasoSenha{"OutroModo", "1", "2000", "2000", true, true},
                      // An empty read leaves nothing to change: the field stays absent.
                      CasoSenha{"CampoAusente", "1", nullptr, nullptr, false, true},
                      // Written back whole, or not at all.
                      CasoSenha{"ValorLongoVoltaInteiro", "1", MODO_LONGO.c_str(), MODO_LONGO_LIGADO.c_str(), true, true},
                      CasoSenha{"ValorMaiorQueALeituraFicaComoEstava", "1", MODO_ENORME.c_str(), MODO_ENORME.c_str(),
                                false, true}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
