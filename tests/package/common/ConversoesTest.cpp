// Conversions of host texts: defaults instead of failures.
#include <gtest/gtest.h>

#include "../../AnswerCodes.h"
#include "common/Conversoes.h"
#include "forms/Locale.h"

namespace zvtest {
namespace {

TEST(Conversoes, AnswerCodesApproveAsTheClientsOutcomeLineSays) {
    for (const auto& [code, approves] : answercodes::kTable)
        EXPECT_EQ(zv::ConverteInteiro(code, 255) == 0, approves) << "'" << code << "'";
}

TEST(Conversoes, IntegersTakeTheDefaultForAnythingButAWholeNumber) {
    using zv::ConverteInteiro;
    EXPECT_EQ(ConverteInteiro("0", -1), 0);
    EXPECT_EQ(ConverteInteiro(" 12 ", -1), 12);
    EXPECT_EQ(ConverteInteiro("+7", -1), 7);
    EXPECT_EQ(ConverteInteiro("-5", 0), -5);
    EXPECT_EQ(ConverteInteiro("2147483647", 0), 2147483647);
    for (const char* ruim : {"", " ", "1a", "a1", "1 2", "--1", "+", "-", "2147483648", "1.0", "0x10"}) {
        EXPECT_EQ(ConverteInteiro(ruim, -99), -99) << ruim;
    }
    // Twelve-digit document numbers need the 64-bit reading.
    EXPECT_EQ(zv::ConverteInteiro64(" +999999999999 ", -1), 999999999999);
    EXPECT_EQ(zv::ConverteInteiro64("9223372036854775808", -1), -1);
}

TEST(Conversoes, DecimalsFollowTheLocaleSeparator) {
    using zv::ConverteDecimal;
    EXPECT_DOUBLE_EQ(ConverteDecimal("00012,50", -1), 12.5);
    EXPECT_DOUBLE_EQ(ConverteDecimal(" 3 ", -1), 3);
    EXPECT_DOUBLE_EQ(ConverteDecimal("1E3", -1), 1000);
    for (const char* ruim : {"", "12.50", "1,2,3", ",", "inf", "nan", "1e", "0x1p3", "12,5x"}) {
        EXPECT_DOUBLE_EQ(ConverteDecimal(ruim, -1), -1) << ruim;
    }
    forms::Settings().decimalSeparator = '.';
    EXPECT_DOUBLE_EQ(ConverteDecimal("12.50", -1), 12.5);
    EXPECT_DOUBLE_EQ(ConverteDecimal("12,50", -1), -1);
    EXPECT_EQ(zv::FormataDecimal(12.5), "12.5");
    forms::Settings().decimalSeparator = ',';
}

TEST(Conversoes, ShortestGeneralForm) {
    EXPECT_EQ(zv::FormataDecimal(100), "100");
    EXPECT_EQ(zv::FormataDecimal(12.5), "12,5");
    EXPECT_EQ(zv::FormataDecimal(99999999999), "99999999999");
    EXPECT_EQ(zv::FormataDecimal(0.1), "0,1");
}

TEST(Conversoes, CopiesAreCutAndTerminated) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    zv::CopiaTexto(buffer, sizeof buffer, "abcdef");
    EXPECT_STREQ(buffer, "abc");
    zv::CopiaTexto(buffer, 1, "abc");
    EXPECT_STREQ(buffer, "");
    zv::CopiaTexto(nullptr, 4, "abc");
    zv::CopiaTexto(buffer, 0, "zzz");
    EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace zvtest
