// The prompt bar, the key waits and the erases of the standard regions: their
// rectangles, colours, texts, and what they give back to the caller.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "support/headless_shell.hpp"

namespace {

using test_support::BoxSpec;
using test_support::HeadlessShell;
using test_support::run_headless;

constexpr int kWhite = 15;

// The draw width in force when each box was drawn.
std::vector<int> box_widths(const std::vector<rt::DrawOp>& ops) {
    std::vector<int> widths;
    for (const auto& op : test_support::boxes(ops)) widths.push_back(op.width);
    return widths;
}

// Checks that the plain text `cp932` was drawn in colour `colour` from (x, y)
// in 16-pixel cells, one character per text operation.
void expect_text_from(const std::vector<rt::DrawOp>& ops, const std::string& cp932, float x,
                      float y, int colour) {
    std::size_t pos = 0;
    float cell_x = x;
    std::string_view rest = cp932;
    const auto drawn = test_support::texts(ops);
    auto it = std::find_if(drawn.begin(), drawn.end(), [&](const rt::DrawOp& op) {
        return op.x1 == x && op.y1 == y && cp932.compare(0, op.text.size(), op.text) == 0 &&
               !op.text.empty();
    });
    ASSERT_NE(it, drawn.end()) << "no \"" << rt::to_utf8(cp932) << "\" from (" << x << ", " << y
                               << "); drawn: " << test_support::drawn_text_utf8(ops);
    while (pos < rest.size()) {
        ASSERT_NE(it, drawn.end());
        const std::string character(rt::next_char(rest, pos));
        EXPECT_EQ(it->text, character);
        EXPECT_EQ(it->x1, cell_x);
        EXPECT_EQ(it->y1, y);
        EXPECT_EQ(it->colour, colour);
        cell_x += 16;
        ++it;
    }
}

TEST(WaitKey, ShowsItsBoxUntilAKeyAndGivesBackColourAndWidth) {
    HeadlessShell s;
    const auto run = run_headless("q", [&] {
        s.set_up_pen();
        rt::SET_DRAW_WIDTH(5);
        s.CCC1 = 3;
        s.AA_S = "left over";
        s.WAIT_KEY();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 5);
    });
    EXPECT_EQ(run.result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(test_support::box_specs(run.ops),
              (std::vector<BoxSpec>{{96, 657, 400, 693, 13, 4}, {0, 657, 400, 693, kWhite, kWhite}}));
    EXPECT_EQ(box_widths(run.ops), (std::vector<int>{3, 3}));
    expect_text_from(run.ops, "何かキーを押して下さい。", 128, 666, 9);
    EXPECT_EQ(s.I_S, "q");
    EXPECT_EQ(s.CCC1, 3);
    EXPECT_EQ(s.CCC0, 3);
    EXPECT_EQ(s.DR, 5);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.X, 320);
    EXPECT_EQ(s.Y, 666);
}

TEST(WaitKey, ErasesItsBoxOnlyAfterTheKey) {
    HeadlessShell s;
    const auto run = run_headless("{enter}", [&] {
        s.set_up_pen();
        s.WAIT_KEY();
    });
    std::size_t key_at = 0, erase_at = 0;
    for (std::size_t i = 0; i < run.ops.size(); ++i) {
        if (run.ops[i].kind == rt::DrawOp::Kind::Key) key_at = i;
        if (run.ops[i].kind == rt::DrawOp::Kind::Box && run.ops[i].fill == kWhite) erase_at = i;
    }
    EXPECT_GT(erase_at, key_at);
    EXPECT_EQ(s.I_S, "\r");
}

TEST(BottomMessageWait, ShowsTheMessageAndClearsTheWholeBar) {
    HeadlessShell s;
    const auto run = run_headless("{left}", [&] {
        s.set_up_pen();
        rt::SET_DRAW_WIDTH(1);
        s.CCC1 = 7;
        s.AA_S = "1で次へ";
        s.BOTTOM_MESSAGE_WAIT();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 1);
    });
    EXPECT_EQ(test_support::box_specs(run.ops),
              (std::vector<BoxSpec>{{16, 657, 496, 693, 13, 4}, {0, 657, 992, 720, kWhite, kWhite}}));
    EXPECT_EQ(box_widths(run.ops), (std::vector<int>{3, 3}));
    expect_text_from(run.ops, "１で次へ", 48, 666, 9);
    EXPECT_EQ(s.I_S, std::string(1, 29));
    EXPECT_EQ(s.CCC1, 7);
    EXPECT_EQ(s.CCC0, 7);
    EXPECT_EQ(s.DR, 1);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.Y, 666);
}

TEST(NextStepInput, ReadsANumberNextToItsBoxAndGivesBackOnlyTheWidth) {
    HeadlessShell s;
    const auto run = run_headless("1{enter}", [&] {
        s.set_up_pen();
        rt::SET_DRAW_WIDTH(6);
        s.CCC1 = 3;
        s.NEXT_STEP_INPUT();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 6);
    });
    const auto specs = test_support::box_specs(run.ops);
    ASSERT_GE(specs.size(), 4u);
    EXPECT_EQ(specs.front(), (BoxSpec{96, 639, 400, 675, 13, 12}));
    // The field's own erase, then the two of the box.
    EXPECT_EQ(specs[specs.size() - 3], (BoxSpec{1008, 640, 1248, 670, kWhite, kWhite}));
    EXPECT_EQ(specs[specs.size() - 2], (BoxSpec{1008, 639, 1168, 666, kWhite, kWhite}));
    EXPECT_EQ(specs.back(), (BoxSpec{96, 639, 400, 675, kWhite, kWhite}));
    for (int width : box_widths(run.ops)) EXPECT_EQ(width, 2);
    expect_text_from(run.ops, "次のステップは１を入力。", 128, 648, 9);
    EXPECT_EQ(s.AINP_S, "1");
    EXPECT_EQ(s.AINP, 1);
    EXPECT_EQ(s.I_S, "\r");
    EXPECT_EQ(s.CCC1, 5);
    EXPECT_EQ(s.DR, 6);
    EXPECT_EQ(s.AA_S, "");
}

TEST(NextStepInput, LeavesColourZeroWhenEnterCameFirst) {
    HeadlessShell s;
    run_headless("{enter}", [&] {
        s.set_up_pen();
        s.CCC1 = 3;
        s.NEXT_STEP_INPUT();
    });
    EXPECT_EQ(s.CCC1, 0);
    EXPECT_EQ(s.AINP_S, "");
    EXPECT_EQ(s.AINP, 0);
}

TEST(PromptInput, ThePromptEndsEightyPixelsLeftOfTheField) {
    HeadlessShell s;
    const auto run = run_headless("2{enter}", [&] {
        s.set_up_pen();
        s.AA_S = "番号を入力して下さい。";  // eleven characters
        s.PROMPT_INPUT();
    });
    // From KAIX - 256; the eleventh cell ends at KAIX - 80.
    expect_text_from(run.ops, "番号を入力して下さい。", 800, 648, 5);
    EXPECT_EQ(s.AINP, 2);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.I_S, "\r");
}

TEST(PromptInput, AnEmptyPromptOpensTheFieldAtOnce) {
    HeadlessShell s;
    const auto run = run_headless("{enter}", [&] {
        s.set_up_pen();
        s.PROMPT_INPUT();
    });
    const auto drawn = test_support::texts(run.ops);
    ASSERT_EQ(drawn.size(), 2u) << test_support::drawn_text_utf8(run.ops);
    expect_text_from(run.ops, "入力", 1008, 648, 0);
}

TEST(BottomInput, TheBarTextStandsAtTheLeftOfTheBar) {
    HeadlessShell s;
    const auto run = run_headless("3{enter}", [&] {
        s.set_up_pen();
        s.CCC1 = 9;
        s.AA_S = "1.表 2.式 3.戻る";
        s.BOTTOM_INPUT();
    });
    const auto drawn = test_support::texts(run.ops);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().text, "１");
    EXPECT_EQ(drawn.front().x1, 16);
    EXPECT_EQ(drawn.front().y1, 666);
    EXPECT_EQ(drawn.front().colour, 0);
    expect_text_from(run.ops, "表", 16 + 16, 666, 0);
    EXPECT_EQ(s.AINP, 3);
    EXPECT_EQ(s.AINP_S, "3");
}

TEST(ScreenRegions, EachEraseIsOneWhiteBoxOverItsRegion) {
    HeadlessShell s;
    const auto run = run_headless("", [&] {
        s.set_up_pen();
        s.ERASE_PROMPT_LINE();
        s.CLEAR_BOTTOM_BAR();
        s.CLEAR_WORK_AREA();
        s.ERASE_RIGHT_STRIP();
    });
    EXPECT_EQ(test_support::box_specs(run.ops),
              (std::vector<BoxSpec>{{416, 640, 1472, 690, kWhite, kWhite},
                                    {0, 657, 992, 720, kWhite, kWhite},
                                    {0, 54, 1440, 900, kWhite, kWhite},
                                    {1136, 576, 2576, 666, kWhite, kWhite}}));
    EXPECT_EQ(s.X, 1136);
    EXPECT_EQ(s.Y, 576);
}

TEST(FlushKeys, ReturnsAfterOneEmptyPollAndLeavesLaterKeys) {
    HeadlessShell s;
    run_headless("k", [&] {
        s.I_S = "x";
        s.FLUSH_KEYS();
        EXPECT_EQ(s.I_S, "");
        s.set_up_pen();
        s.WAIT_KEY();
    });
    EXPECT_EQ(s.I_S, "k");
}

}  // namespace

// ---- on screen -----------------------------------------------------------------------

namespace {

// The pixels of a PNG the session wrote.
class Picture {
public:
    explicit Picture(const std::string& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface_); }
    bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
    std::uint32_t at(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface_) +
                          static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_);
        return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
    }
    // How many pixels of the rectangle differ from `colour`.
    int count_unlike(int x1, int y1, int x2, int y2, std::uint32_t colour) const {
        int count = 0;
        for (int y = y1; y < y2; ++y) {
            for (int x = x1; x < x2; ++x) count += at(x, y) != colour;
        }
        return count;
    }

private:
    cairo_surface_t* surface_;
};

std::string png_path(const std::string& name) { return testing::TempDir() + name; }

}  // namespace

TEST(OnScreen, TheKeyWaitBoxShowsItsTextWhileItWaits) {
    HeadlessShell s;
    const std::string path = png_path("key_wait_box.png");
    run_headless("", [&] {
        s.set_up_pen();
        s.WAIT_KEY();
    }, path);
    const Picture picture(path);
    ASSERT_TRUE(picture.ok()) << path;
    const std::uint32_t white = picture.at(450, 675);
    const std::uint32_t fill = picture.at(110, 688);
    EXPECT_NE(fill, white);
    // The text stands on the fill, and nothing of it spills out of the box.
    EXPECT_GT(picture.count_unlike(128, 666, 320, 682, fill), 300);
    EXPECT_EQ(picture.count_unlike(402, 650, 600, 700, white), 0);
}

TEST(OnScreen, TheBarTextAndTheNumberFieldShowWhileTyping) {
    HeadlessShell s;
    const std::string path = png_path("bar_and_field.png");
    run_headless("3/4", [&] {
        s.set_up_pen();
        s.AA_S = "1.表 2.式 3.戻る";
        s.BOTTOM_INPUT();
    }, path);
    const Picture picture(path);
    ASSERT_TRUE(picture.ok()) << path;
    const std::uint32_t white = picture.at(700, 600);
    EXPECT_GT(picture.count_unlike(16, 666, 256, 682, white), 300);   // the bar text
    EXPECT_GT(picture.count_unlike(1008, 648, 1040, 664, white), 60);  // the label
    // Each of the three echo cells holds its character.
    for (int cell = 0; cell < 3; ++cell) {
        const int x = 1056 + 16 * cell;
        EXPECT_GT(picture.count_unlike(x, 648, x + 16, 664, white), 10) << "cell " << cell;
    }
}
