// Every screen the operator can be shown is registered by its unit when the
// package is loaded and removed when it is unloaded; the screens are read
// from the package's headers, so one added there and forgotten in its unit's
// Initialization (or in the package's list of units) fails here by name.
#include <set>
#include <string>

#include "PacoteCarregado.h"
#include "TelasDoPacote.h"
#include "common/ZentravelaMain.h"

namespace zvtest {
namespace {

// Screens the package makes itself and never asks the form runner for by name.
const std::set<std::string> kCriadasDiretamente = {
    "TFrmImprime_Mod",  // the consultations' receipt, created by the consultation that prints it
};

using TelasRegistradas = PacoteCarregado;

TEST_F(TelasRegistradas, EveryScreenIsRegisteredWhileThePackageIsLoaded) {
    const std::set<std::string> telas = ClassesDeTela();
    ASSERT_GE(telas.size(), 10u) << "the package's headers were not found under " << ZV_SOURCE_DIR;
    for (const std::string& direta : kCriadasDiretamente) EXPECT_TRUE(telas.count(direta)) << direta << " is no screen";
    for (const std::string& classe : telas) {
        if (kCriadasDiretamente.count(classe)) continue;
        EXPECT_TRUE(zv::ClasseTelaRegistrada(classe)) << classe << " is not registered by Initialize";
    }
    Finalize();
    for (const std::string& classe : telas)
        EXPECT_FALSE(zv::ClasseTelaRegistrada(classe)) << classe << " is still registered after Finalize";
    Initialize();
}

TEST_F(TelasRegistradas, EveryNameAskedOfTheFormRunnerIsAScreen) {
    const std::set<std::string> telas = ClassesDeTela();
    const std::set<std::string> pedidas = ClassesPedidasPorNome();
    ASSERT_FALSE(pedidas.empty());
    for (const std::string& classe : pedidas) {
        EXPECT_TRUE(telas.count(classe)) << classe << " is asked for by name but is no screen of the package";
        EXPECT_FALSE(kCriadasDiretamente.count(classe)) << classe << " is asked for by name but never registered";
    }
}

}  // namespace
}  // namespace zvtest
