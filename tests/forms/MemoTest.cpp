// Which line of a memo is on top: the moving keys the focused memo takes, and
// the page the box shows.
#include "FormsFixture.h"
#include "forms/Memo.h"

namespace formstest {

namespace {

class MemoForm : public forms::Form {
public:
    MemoForm() : Form("FrmMemo") {
        memo = &Add<forms::Memo>("memo");
        memo->SetBounds(0, 0, 300, 100);
        ok = &Add<forms::GlyphButton>("ok");
        ok->SetCaption("&1 - OK");
        ok->OnClick = [this](forms::Control&) { SetModalResult(forms::mrOk); };
        for (int i = 0; i < 20; ++i) memo->Add("linha " + std::to_string(i));
        memo->SetPageLines(5);
    }
    forms::Memo* memo;
    forms::GlyphButton* ok;
};

}  // namespace

TEST_F(FormsTest, MovingKeysScrollTheFocusedMemoWithinItsText) {
    const struct {
        const char* keys;  // script lines after the focus is on the memo
        int top;
    } rows[] = {
        {"key Down\nkey Down\n", 2},
        {"key Up\n", 0},                       // not above the first line
        {"key PgDn\nkey PgDn\nkey Up\n", 9},
        {"key End\n", 15},                     // the last page is full
        {"key End\nkey Down\nkey PgDn\n", 15},
        {"key PgDn\nkey Home\n", 0},
        {"key End\nkey PgUp\n", 10},
    };
    for (const auto& row : rows) {
        MemoForm f;
        Run(f, std::string("focus memo\n") + row.keys + "focus ok\nkey Enter\n");
        EXPECT_EQ(f.memo->TopLine(), row.top) << row.keys;
    }
}

TEST_F(FormsTest, MovingKeysReachOnlyTheFocusedControlAndLeaveWithTheTypedKeys) {
    MemoForm f;
    EXPECT_EQ(Run(f, "focus ok\nkey PgDn\nexpect screen FrmMemo\nkey Enter\n"), forms::mrOk);
    EXPECT_EQ(f.memo->TopLine(), 0);

    app().PostKeyDown(forms::VK_DOWN);
    app().PostKey('x');
    app().EmptyKeyQueue();
    EXPECT_TRUE(app().QueueEmpty());
}

TEST_F(FormsTest, MemoPageComesFromItsHeightAndFontUntilTheBackendSaysOtherwise) {
    MemoForm f;
    forms::Memo& memo = f.Add<forms::Memo>("outro");
    memo.SetBounds(0, 0, 345, 169);
    forms::Font courier;
    courier.size = -11;  // pixels: 13 with the room between lines
    memo.SetFont(courier);
    EXPECT_EQ(memo.PageLines(), 13);
    for (int i = 0; i < 13; ++i) memo.Add("x");
    EXPECT_FALSE(memo.Scrolls());
    memo.ScrollTo(5);
    EXPECT_EQ(memo.TopLine(), 0);

    memo.SetPageLines(8);  // a terminal with fewer rows
    EXPECT_TRUE(memo.Scrolls());
    memo.ScrollTo(100);
    EXPECT_EQ(memo.TopLine(), 5);
    memo.SetPageLines(10);  // more room: the top line comes back so the last page stays full
    EXPECT_EQ(memo.TopLine(), 3);
}

}  // namespace formstest
