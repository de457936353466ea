// Dates typed into the masked boxes: read in the boxes' own order whatever
// the system's short date format, no year 0, nothing after today.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "DatasTeste.h"
#include "common/Datas.h"
#include "forms/Locale.h"

namespace {

struct CasoEmissao {
    std::string mesAno;  // as the box holds it, MM/AAAA
    bool valida;
};

class DataEmissao : public ::testing::TestWithParam<CasoEmissao> {
protected:
    void TearDown() override { forms::Settings() = forms::FormatSettings{}; }
};

std::string ComBarra(const std::string& mmaaaa) { return mmaaaa.substr(0, 2) + "/" + mmaaaa.substr(2); }

TEST_P(DataEmissao, IsMonthAndYearWhateverTheSystemFormat) {
    for (const char* formato : {"dd/mm/yyyy", "mm/dd/yyyy", "yyyy/mm/dd"}) {
        forms::Settings().shortDateFormat = formato;
        EXPECT_EQ(zv::DataEmissaoCartaoValida(GetParam().mesAno), GetParam().valida) << formato;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, DataEmissao,
                         ::testing::Values(CasoEmissao{ComBarra(zvtest::MesAno(0)), true},
                                           CasoEmissao{ComBarra(zvtest::MesAno(1)), false},
                                           CasoEmissao{"12/2023", true}, CasoEmissao{"13/2024", false},
                                           CasoEmissao{"00/2024", false}, CasoEmissao{"01/0000", false},
                                           CasoEmissao{"01/0001", true}, CasoEmissao{"  /    ", false}));

// This month's card is valid from its first day; next month's not even on this month's last.
TEST(DataEmissaoNoDia, TheMonthsEdges) {
    for (const auto& [mesAno, hoje, valida] : {std::tuple{"03/2024", zv::Data{2024, 3, 1}, true},
                                               std::tuple{"04/2024", zv::Data{2024, 3, 31}, false},
                                               std::tuple{"01/2025", zv::Data{2025, 1, 1}, true},
                                               std::tuple{"01/2025", zv::Data{2024, 12, 31}, false}})
        EXPECT_EQ(zv::DataEmissaoCartaoValida(mesAno, hoje), valida) << mesAno << " on " << hoje.dia << "/" << hoje.mes;
}

TEST(DataDiaMesAno, YearZeroIsNoDate) {
    zv::Data data;
    EXPECT_FALSE(zv::LeDataDiaMesAno("01/01/0000", data));
    EXPECT_FALSE(zv::LeDataDiaMesAno("29/02/0000", data));
    ASSERT_TRUE(zv::LeDataDiaMesAno("29/02/2024", data));
    EXPECT_EQ(data, (zv::Data{2024, 2, 29}));
}

}  // namespace
