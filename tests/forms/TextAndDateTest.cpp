// Character sets, dates in the short date format, button captions, masked edits
// and the part of a box's text that shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "cp1252/Cp1252.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Locale.h"
#include "forms/MaskEdit.h"
#include "port/Os.h"

namespace formstest {

TEST(Cp1252, RoundTripsPortugueseAndTheHighBlock) {
    const std::string utf8 = "Opção Não \xE2\x82\xAC \xE2\x80\x9C" "aspas" "\xE2\x80\x9D";
    const std::string cp = cp1252::Utf8ToCp1252(utf8);
    EXPECT_EQ(cp, "Op\xE7\xE3o N\xE3o \x80 \x93" "aspas" "\x94");
    EXPECT_EQ(cp1252::Cp1252ToUtf8(cp), utf8);
    EXPECT_EQ(cp1252::Utf8ToCp1252("\xE4\xB8\xAD|\xC3|\x80"), "?|?|?");  // no code, cut short, stray byte
    EXPECT_EQ(cp1252::Cp1252Upper('\xE7'), '\xC7');
    EXPECT_EQ(cp1252::Cp1252Lower('\xC3'), '\xE3');
    EXPECT_FALSE(cp1252::Cp1252IsLetter('\xF7'));
}

TEST(Dates, ShortDateFormatWithTheTwoDigitYearWindow) {
    int y = 0, m = 0, d = 0;
    EXPECT_TRUE(forms::TryStrToDate("12/05/2024", y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240512);
    EXPECT_TRUE(forms::TryStrToDate("29/02/2024", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("29/02/2023", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("31/04/2024", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("  /  /    ", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("12/13/2024", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("12-05-2024", y, m, d));
    EXPECT_FALSE(forms::TryStrToDate("1a/05/2024", y, m, d));

    std::time_t now = std::time(nullptr);
    const std::tm parts = port::LocalTime(now);
    const int current = parts.tm_year + 1900;
    ASSERT_TRUE(forms::TryStrToDate("12/05/20", y, m, d));
    EXPECT_EQ(y, 2020);
    // The window keeps a two-digit year within 50 years before the current one.
    const int yy = (current - 50) % 100;
    ASSERT_TRUE(forms::TryStrToDate("01/01/" + std::to_string(yy / 10) + std::to_string(yy % 10), y, m, d));
    EXPECT_EQ(y, current - 50);

    forms::Settings().shortDateFormat = "mm-dd-yyyy";
    forms::Settings().dateSeparator = '-';
    EXPECT_TRUE(forms::TryStrToDate("05-12-2024", y, m, d));
    EXPECT_EQ(m * 100 + d, 512);
    forms::Settings() = forms::FormatSettings();
}

TEST(Captions, AcceleratorAndShownCaption) {
    forms::Form f("FrmCaption");
    auto& b = f.Add<forms::GlyphButton>("bt");
    b.SetCaption("&9 - Sai && volta");
    EXPECT_EQ(b.Accelerator(), '9');
    EXPECT_EQ(b.DisplayCaption(), "9 - Sai & volta");
    b.SetCaption("Fim && &s");
    EXPECT_EQ(b.Accelerator(), 'S');
    b.SetCaption("Sem atalho");
    EXPECT_EQ(b.Accelerator(), 0);
}

TEST(MaskedEdit, ProgramTextMaskChangesAndPassword) {
    forms::Form f("FrmMask");
    auto& e = f.Add<forms::MaskEdit>("edPergunta1");
    int changes = 0;
    e.OnChange = [&](forms::Control&) { ++changes; };
    e.SetEditMask("99/99/9999;1;_");
    EXPECT_EQ(e.DisplayText(), "__/__/____");
    e.SetText("12052024");
    EXPECT_EQ(e.Text(), "12/05/2024");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(e.Modified());
    e.SetPasswordChar('*');
    // A secret shows how much was typed, never what.
    EXPECT_EQ(e.DisplayText(), "**/**/****");
    e.SetText("12");
    EXPECT_EQ(e.DisplayText(), "**/__/____");
    e.Clear();
    e.SetEditMask("");  // an untouched mask leaves no blanks behind
    EXPECT_EQ(e.Text(), "");
    e.SetText("abc");
    e.SetEditMask("lll;1;_");
    EXPECT_EQ(e.Text(), "abc");
}

// Rows of a box ten cells wide: what is typed, then where the caret and the
// selection are put; the part shown keeps the caret inside the box.
TEST(VisibleText, TheBoxShowsTheCaretAndTheTextAroundIt) {
    struct Row {
        const char* mask;
        const char* typed;  // "\b" is Backspace
        int caret, selection;  // -1: as typing left them
        const char* visible;
    } rows[] = {
        {"", "12345", -1, -1, "12345"},                  // shorter than the box
        {"", "1234567890123", -1, -1, "567890123"},      // longer: ends with the last digit typed
        {"", "1234567890123", 0, -1, "1234567890"},      // caret at the start
        {"", "1234567890123", 5, -1, "1234567890"},      // in the middle, within the first box
        {"", "1234567890123", 11, -1, "3456789012"},     // in the middle, past it
        {"", "1234567890123", 0, 13, "567890123"},       // all selected: its far end shows
        {"", "1234567890123\b\b\b", -1, -1, "234567890"},  // Backspace at the edge brings the start back
        {"00000.00000;0;_", "1234567", -1, -1, "12345.67__"},   // masked: blanks and literals count
        {"00000.00000;0;_", "1234567890", -1, -1, "345.67890"},  // the check digit typed last shows
    };
    for (const Row& row : rows) {
        forms::Form f("FrmVisivel");
        auto& e = f.Add<forms::MaskEdit>("edBloco");
        e.SetEditMask(row.mask);
        for (const char* k = row.typed; *k; ++k) e.DefaultKey(*k);
        if (row.caret >= 0) e.SetSelStart(row.caret);
        if (row.selection >= 0) e.SetSelLength(row.selection);
        const forms::VisibleText v = e.ShownPart(10, [](const std::string& s) { return static_cast<double>(s.size()); });
        EXPECT_EQ(e.DisplayText().substr(static_cast<size_t>(v.first), static_cast<size_t>(v.length)), row.visible)
            << row.typed << " caret " << row.caret;
    }
    // Proportional widths: a wide character takes the room of several.
    const auto wide = [](const std::string& s) { return 2.0 * static_cast<double>(std::count(s.begin(), s.end(), 'W')) + static_cast<double>(s.size()); };
    const forms::VisibleText v = forms::VisiblePart("abWWWcd", 7, 6, wide);
    EXPECT_EQ(v.first, 4);
    EXPECT_EQ(v.length, 3);
    EXPECT_EQ(forms::VisiblePart("W", 1, 3, wide).first, 0) << "a box as wide as its one character shows it";
}

}  // namespace formstest
