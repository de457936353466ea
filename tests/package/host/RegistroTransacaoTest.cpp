// The transaction definition records, read back entry by entry as the
// authorisation library reads them, and the text buffers they carry.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <system_error>
#include <string>
#include <vector>

#include "cancel/CancCreditoZentravela.h"
#include "cancel/CancFinanceiroZentravela.h"
#include "consult/ConsCreditoZentravela.h"
#include "consult/ConsultaSaldoCreditoTrnZentravela.h"
#include "credit/CreditoTrnZentravela.h"
#include "invoice/CancPagamentoFaturaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "sim/FieldStore.h"
#include "sim/RecordReader.h"
#include "withdrawal/ConsSaqueZentravela.h"
#include "withdrawal/FinanceiroTrnZentravela.h"

namespace zvtest {
namespace {

// One expected entry: a field with its attributes and tag, or a text entry
// that is a constant or points at a buffer.
struct Esperada {
    uint32_t campo;
    uint16_t attr2 = 0;
    uint8_t attr3 = 0;
    const char* texto = nullptr;     // tag or constant; nullptr = no text
    const char* buffer = nullptr;    // the text entry must point here
};

Esperada F(uint32_t campo) { return {campo}; }
Esperada F2(uint32_t campo, uint16_t a) { return {campo, a}; }
Esperada F3(uint32_t campo, uint8_t a) { return {campo, 0, a}; }
Esperada FT(uint32_t campo, const char* tag) { return {campo, 0, 0, tag}; }
Esperada T(const char* constante) { return {0, 0, 0, constante}; }
Esperada B(const char* buffer) { return {0, 0, 0, nullptr, buffer}; }

// An entry copied out of the packed record (packed members cannot be bound
// to the references the assertions take).
struct Lida {
    uint32_t campo;
    uint16_t attr1, attr2;
    uint8_t attr3;
    const char* texto;
};
Lida Le(const ZvTrnEntry& e) { return {e.field, e.attr1, e.attr2, e.attr3, e.text}; }

struct Caso {
    const char* nome;  // Unit::Record, as the package's sources define it
    const ZvTrnRecord* registro;
    uint16_t codigo;
    uint8_t flag;
    std::vector<Esperada> entradas;
    bool restoSaoMarcadores = false;
};

std::vector<Caso> Casos() {
    using namespace zv;
    return {
        {"CreditoTrnZentravela::TrnCompraCredito", &CreditoTrnZentravela::TrnCompraCredito, 56, 1,
         {F(10112), F(10171), F(10134), F(10156), F(10104), F2(1003, 4), F(1017), F(10151), F(10147), T(""),
          F2(1019, 4), F(10146), F(10149), B(CreditoTrnZentravela::DataEmissaoCartaoOpcional),
          B(CreditoTrnZentravela::Ciclos), B(CreditoTrnZentravela::CodigoAutorizacao), F3(10174, 255),
          F3(10175, 255), F(10294), F3(10278, 255), F3(10176, 255)}},
        {"ConsCreditoZentravela::TrnConsultaCredito", &ConsCreditoZentravela::TrnConsultaCredito, 63, 0,
         {F(10112), F(10171), F(10134), F2(1003, 4), F(10104), F(1017), F(10147), F(10146), F(10151),
          F2(1019, 4), F(10149), F3(10174, 255), F3(10175, 255), FT(1048, "CICLOS:"), FT(10341, "CPF:"),
          F3(10176, 255)}},
        {"PagamentoFaturaZentravela::TrnPagamentoFatura", &PagamentoFaturaZentravela::TrnPagamentoFatura, 64, 1,
         {F(10112), F(10171), T("115"), F2(1003, 4), B(PagamentoFaturaZentravela::TipoEntradaDocumento),
          F(10104), F(10147), F3(10174, 255), F3(10175, 255), F3(10176, 255), F(10294)}},
        {"CancCreditoZentravela::TrnCancelamentoCredMag", &CancCreditoZentravela::TrnCancelamentoCredMag, 54, 1,
         {F(10112), F(10171), F(10104), F2(1003, 4), F3(1013, 4), F2(1020, 8), F(10149), F3(10174, 255),
          F3(10175, 255), F(10294), F3(10176, 255)},
         true},
        {"CancCreditoZentravela::TrnCancelamentoCredDig", &CancCreditoZentravela::TrnCancelamentoCredDig, 55, 1,
         {F(10112), F(10171), F(10104), F2(1003, 4), F3(1013, 4), F2(1020, 8), F(10149), F3(10174, 255),
          F3(10175, 255), F(10294), F3(10176, 255)},
         true},
        {"CancFinanceiroZentravela::TrnCancFinanceiro", &CancFinanceiroZentravela::TrnCancFinanceiro, 74, 1,
         {F(10112), F(10171), F(10104), F2(1003, 4), F(1013), F(1020), F3(10174, 255), F3(10175, 255),
          FT(10134, "ENTRYMD:"), F(10146), F3(10176, 255)}},
        {"CancPagamentoFaturaZentravela::TrnCancPagamentoFatura", &CancPagamentoFaturaZentravela::TrnCancPagamentoFatura, 65, 1,
         {F(10112), F(10171), T("115"), F2(1003, 4), B(CancPagamentoFaturaZentravela::TipoEntradaDocumento),
          B(CancPagamentoFaturaZentravela::TipoDocumento), F(1013), F(1020), F3(10174, 255), F3(10175, 255),
          F3(10176, 255), F(10294)}},
        {"ConsultaSaldoCreditoTrnZentravela::TrnConsultaSaldoCredito", &ConsultaSaldoCreditoTrnZentravela::TrnConsultaSaldoCredito, 29, 0,
         {F(10112), F(10171), F(10104), F(10146), F(10147), F(10149), FT(10134, "ENTRYMD:"), F3(10278, 255),
          F3(10174, 255), F3(10175, 255), F3(10176, 255), F(10294), FT(10341, "CPF:")}},
        {"FinanceiroTrnZentravela::TrnFinanceiro", &FinanceiroTrnZentravela::TrnFinanceiro, 73, 1,
         {F(10112), F(10171), F(10104), F2(1003, 4), F(10146), F(1017), F(10149),
          B(FinanceiroTrnZentravela::DataEmissaoCartaoOpcional), B(FinanceiroTrnZentravela::Ciclos),
          F3(10174, 255), F3(10175, 255), F3(10176, 255)}},
        {"ConsSaqueZentravela::TrnConsultaCredito", &ConsSaqueZentravela::TrnConsultaCredito, 63, 0,
         {F(10112), F(10171), F(10134), F2(1003, 4), F(10104), F(1017), F(10147), F(10146), T(""),
          F2(1019, 4), B(ConsSaqueZentravela::TransacaodeSaque), F(10149), F3(10174, 255), F3(10175, 255),
          F3(10176, 255)}},
    };
}

class Registro : public ::testing::TestWithParam<Caso> {};

// Every record of Casos(), one test each, named Unit_Record.
INSTANTIATE_TEST_SUITE_P(Records, Registro, ::testing::ValuesIn(Casos()), [](const auto& info) {
    std::string nome = info.param.nome;
    nome.replace(nome.find("::"), 2, "_");
    return nome;
});

TEST_P(Registro, ReadsBackAsItsTableGivesIt) {
    const Caso& caso = GetParam();
    const ZvTrnRecord& r = *caso.registro;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(&r) % 4, 0u) << "records start on a 4-byte boundary";
    const uint16_t codigo = r.code;
    const uint8_t flag = r.flag;
    const uint8_t reservado = r.reserved;
    EXPECT_EQ(codigo, caso.codigo);
    EXPECT_EQ(flag, caso.flag);
    EXPECT_EQ(reservado, 0);
    const size_t n = caso.entradas.size();
    ASSERT_LT(n, static_cast<size_t>(ZV_TRN_ENTRIES));
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const Lida e = Le(r.entries[i]);
        const Esperada& x = caso.entradas[i];
        EXPECT_EQ(e.campo, x.campo);
        EXPECT_EQ(e.attr1, 0);
        EXPECT_EQ(e.attr2, x.attr2);
        EXPECT_EQ(e.attr3, x.attr3);
        if (x.buffer) {
            EXPECT_EQ(e.texto, x.buffer);
        } else if (x.texto) {
            ASSERT_NE(e.texto, nullptr);
            EXPECT_STREQ(e.texto, x.texto);
        } else {
            EXPECT_EQ(e.texto, nullptr);
        }
    }
    EXPECT_EQ(Le(r.entries[n]).campo, ZV_TRN_END_OF_LIST);
    for (size_t i = n + 1; i < static_cast<size_t>(ZV_TRN_ENTRIES); ++i) {
        SCOPED_TRACE("after the end, entry " + std::to_string(i));
        const Lida e = Le(r.entries[i]);
        EXPECT_EQ(e.campo, caso.restoSaoMarcadores ? ZV_TRN_END_OF_LIST : 0u);
        EXPECT_EQ(e.attr1 | e.attr2 | e.attr3, 0);
        if (!caso.restoSaoMarcadores) {
            ASSERT_NE(e.texto, nullptr);
            EXPECT_STREQ(e.texto, "");
        }
    }
}

// Every record the package's sources define, as Unit::Record (a unit's file
// is named for its namespace), with the unit's path under package/.
const std::filesystem::path kPacote = std::filesystem::path(ZV_SOURCE_DIR) / "package";

// A Windows build run elsewhere may not reach the tree it was built from.
bool FontesAlcancaveis() {
    std::error_code erro;
    return std::filesystem::is_directory(kPacote, erro);
}

std::map<std::string, std::string> RegistrosDasFontes() {
    namespace fs = std::filesystem;
    const std::regex definicao(R"(const\s+ZvTrnRecord\s+(\w+)\s*=)");
    std::map<std::string, std::string> registros;
    const fs::path& pacote = kPacote;
    for (const auto& arquivo : fs::recursive_directory_iterator(pacote)) {
        if (arquivo.path().extension() != ".cpp") continue;
        std::ifstream in(arquivo.path());
        const std::string texto{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        for (std::sregex_iterator m(texto.begin(), texto.end(), definicao), fim; m != fim; ++m)
            registros[arquivo.path().stem().string() + "::" + (*m)[1].str()] =
                fs::relative(arquivo.path(), pacote).generic_string();
    }
    return registros;
}

TEST(Records, EveryRecordThePackageDefinesIsReadBackHere) {
    std::set<std::string> lidos;
    for (const auto& caso : Casos()) lidos.insert(caso.nome);
    if (!FontesAlcancaveis()) GTEST_SKIP() << "the sources are not where this test was built: " << kPacote;
    const auto definidos = RegistrosDasFontes();
    ASSERT_FALSE(definidos.empty()) << "no record found under " << kPacote;
    for (const auto& [registro, unidade] : definidos)
        EXPECT_TRUE(lidos.count(registro)) << registro << " (package/" << unidade << ") is not in Casos()";
    for (const auto& nome : lidos)
        EXPECT_TRUE(definidos.count(nome)) << nome << " is in Casos() but no unit defines it";
}

// The 32-bit layout tests take their units from the list the build read from
// the sources when it was configured.
TEST(Records, EveryUnitThatDefinesARecordHasItsLayoutChecked) {
    if (!FontesAlcancaveis()) GTEST_SKIP() << "the sources are not where this test was built: " << kPacote;
    const auto definidos = RegistrosDasFontes();
    std::set<std::string> listadas;
    std::stringstream lista(ZV_RECORD_UNITS);
    for (std::string unidade; std::getline(lista, unidade, ',');) listadas.insert(unidade);
    for (const auto& [registro, unidade] : definidos)
        EXPECT_TRUE(listadas.count(unidade)) << "package/" << unidade << " defines " << registro
                                             << " but the build's ZV_RECORD_UNITS leaves it out: reconfigure";
}

TEST(Records, CreditCancellationsDifferOnlyInTheirCode) {
    const ZvTrnRecord& mag = zv::CancCreditoZentravela::TrnCancelamentoCredMag;
    const ZvTrnRecord& dig = zv::CancCreditoZentravela::TrnCancelamentoCredDig;
    EXPECT_EQ(std::memcmp(&mag.flag, &dig.flag, sizeof(ZvTrnRecord) - offsetof(ZvTrnRecord, flag)), 0);
    const uint16_t codigoMag = mag.code;
    const uint16_t codigoDig = dig.code;
    EXPECT_EQ(codigoMag, 54);
    EXPECT_EQ(codigoDig, 55);
}

// The buffers a record sends: empty until a screen fills them, then the
// last text filled, read through the record as the host reads it.
TEST(Records, TextEntriesSendTheBuffersCurrentContent) {
    sim::FieldStore campos;
    campos.Set(1003, "150000");
    zv::ConsSaqueZentravela::Initialization();
    const auto antes = sim::DescribeRecord(&zv::ConsSaqueZentravela::TrnConsultaCredito, campos);
    std::strcpy(zv::ConsSaqueZentravela::TransacaodeSaque, "TRN:6");
    const auto depois = sim::DescribeRecord(&zv::ConsSaqueZentravela::TrnConsultaCredito, campos);

    ASSERT_EQ(antes["entries"].size(), 15u);
    EXPECT_EQ(antes["entries"][10]["text"], "");
    EXPECT_EQ(depois["entries"][10]["text"], "TRN:6");
    EXPECT_EQ(depois["entries"][3]["value"], "150000");
    zv::ConsSaqueZentravela::Initialization();
    EXPECT_STREQ(zv::ConsSaqueZentravela::TransacaodeSaque, "");
}

}  // namespace
}  // namespace zvtest
