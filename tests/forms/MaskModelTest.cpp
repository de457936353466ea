// Edit masks, row by row: mask, keys typed, the text the program reads, what the operator sees.
#include <gtest/gtest.h>

#include "forms/MaskModel.h"
#include "forms/Types.h"

namespace formstest {

struct MaskRow {
    const char* mask;
    const char* keys;  // '<' is Backspace
    const char* text;
    const char* display;
    bool complete;
};

// Rows are named by their number; a failure prints the mask and the keys.
const auto RowName = [](const auto& info) { return "row" + std::to_string(info.index); };

std::string TypeInto(forms::MaskModel& m, const std::string& keys) {
    int caret = 0;
    for (char k : keys) {
        if (k == '<') {
            caret = m.Backspace(caret);
        } else {
            const int next = m.Type(caret, k);
            if (next >= 0) caret = next;
        }
    }
    return m.Text();
}

class MaskRows : public ::testing::TestWithParam<MaskRow> {};

TEST_P(MaskRows, TypingGivesTextAndDisplay) {
    const MaskRow& row = GetParam();
    forms::MaskModel m(row.mask);
    EXPECT_EQ(TypeInto(m, row.keys), row.text) << row.mask << " keys " << row.keys;
    EXPECT_EQ(m.Display(), row.display) << row.mask << " keys " << row.keys;
    EXPECT_EQ(m.Complete(), row.complete) << row.mask << " keys " << row.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskRows,
    ::testing::Values(
        MaskRow{"99/99/9999;1;_", "", "  /  /    ", "__/__/____", true},
        MaskRow{"99/99/9999;1;_", "12052024", "12/05/2024", "12/05/2024", true},
        MaskRow{"99/99/9999;1;_", "1a2/0x5", "12/05/    ", "12/05/____", true},  // letters and literals refused
        MaskRow{"99/99/9999;1;_", "1205<<<3", "13/  /    ", "13/__/____", true},  // backspace crosses the literal
        MaskRow{"99/99/9999;1;_", "12052024999", "12/05/2024", "12/05/2024", true},
        MaskRow{"99/99/9999;0;_", "120520", "120520  ", "12/05/20__", true},  // literals dropped from the text
        MaskRow{"!99/9999;1;_", "122025", "12/2025", "12/2025", true},
        MaskRow{"l;1;_", "9s", "s", "s", true},
        MaskRow{"l;1;_", "\xC7", "\xC7", "\xC7", true},  // an accented letter is a letter
        MaskRow{"99999999999;1;_", "123x45", "12345      ", "12345______", true},
        MaskRow{"aaaaa;1;_", "a1-b2c3", "a1b2c", "a1b2c", true},
        MaskRow{"9999999999.99;1;_", "12345", "12345     .  ", "12345_____.__", true},
        MaskRow{"9999999999.99;1;_", "123456789012", "1234567890.12", "1234567890.12", true},
        MaskRow{"00-L;1;_", "1", "1 - ", "1_-_", false},
        MaskRow{"00-L;1;_", "12x", "12-x", "12-x", true},
        MaskRow{"00-L;1;_", " 1 ", "1 - ", "1_-_", false},  // a blank cannot fill a required position
        MaskRow{"AAcC;1;*", "a!b", "ab  ", "ab**", false},
        MaskRow{"AAcC;1;*", "a1 !", "a1 !", "a1*!", true},  // a blank leaves an optional position empty
        MaskRow{"###;1;_", "+-5x", "+-5", "+-5", true},
        MaskRow{">ll<ll<>ll;1;_", "aBcDeF", "ABcdeF", "ABcdeF", true},
        MaskRow{"\\9\\L00;1;_", "12", "9L12", "9L12", true},
        MaskRow{"(99) 9999;1; ", "119876", "(11) 9876", "(11) 9876", true}),
    RowName);

struct LayRow {
    const char* mask;
    const char* set;
    const char* text;
};

class LayRows : public ::testing::TestWithParam<LayRow> {};

TEST_P(LayRows, ProgramTextIsLaidIntoTheMask) {
    forms::MaskModel m(GetParam().mask);
    m.SetText(GetParam().set);
    EXPECT_EQ(m.Text(), GetParam().text) << GetParam().mask << " <- " << GetParam().set;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, LayRows,
    ::testing::Values(LayRow{"99/99/9999;1;_", "12/05/2024", "12/05/2024"},
                      LayRow{"99/99/9999;1;_", "12052024", "12/05/2024"},
                      LayRow{"99/99/9999;1;_", "1/05/2024", "1 /05/2024"},  // an early literal does not slide
                      LayRow{"99/99/9999;1;_", "12/0", "12/0 /    "},
                      LayRow{"99/99/9999;1;_", "", "  /  /    "},
                      LayRow{"!99/9999;1;_", "1/2025", " 1/2025"},  // '!' lays from the right
                      LayRow{"l;1;_", "7", " "},                  // what does not fit stays blank
                      LayRow{">lll;1;_", "abc", "ABC"}),
    RowName);

TEST(MaskModel, FieldsAndCaretMoves) {
    forms::MaskModel m("99/99;0;#");
    EXPECT_FALSE(m.KeepLiterals());
    EXPECT_EQ(m.BlankChar(), '#');
    EXPECT_EQ(m.Length(), 5);
    EXPECT_EQ(m.NextEditable(2), 3);
    EXPECT_EQ(m.Type(0, '1'), 1);
    EXPECT_EQ(m.Type(1, '2'), 3);  // the caret skips the literal
    EXPECT_EQ(m.Type(5, '3'), -1);  // nothing left to fill
    EXPECT_EQ(m.Backspace(0), 0);
    EXPECT_TRUE(forms::MaskModel().Empty());
    EXPECT_EQ(forms::MaskModel("999").BlankChar(), '_');
}

}  // namespace formstest
