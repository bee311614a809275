// The prompt bar, the key waits and the erases of the standard regions: their
// rectangles, colours and texts, what they give back to the caller, and how
// they look.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "support/headless_shell.hpp"

namespace {

using test_support::BoxSpec;
using test_support::cells;
using test_support::glyphs;
using test_support::HeadlessShell;
using test_support::run_headless;

constexpr int kWhite = 15;

std::vector<int> box_widths(const std::vector<rt::DrawOp>& ops) {
    std::vector<int> widths;
    for (const auto& op : test_support::ops_of(ops, rt::DrawOp::Kind::Box, false)) {
        widths.push_back(op.width);
    }
    return widths;
}

TEST(WaitKey, ShowsItsBoxUntilAKeyAndGivesBackColourAndWidth) {
    HeadlessShell s;
    const auto run = run_headless("q", [&] {
        s.set_up_pen();
        rt::SET_DRAW_WIDTH(5);
        s.CCC1 = 3;
        s.WAIT_KEY();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 5);
    });
    EXPECT_EQ(
        test_support::boxes(run.ops),
        (std::vector<BoxSpec>{{96, 657, 400, 693, 13, 4}, {0, 657, 400, 693, kWhite, kWhite}}));
    EXPECT_EQ(box_widths(run.ops), (std::vector<int>{3, 3}));
    EXPECT_EQ(glyphs(run.ops, 9), cells("何かキーを押して下さい。", 128, 666));
    // The box is erased only once the key has come.
    EXPECT_EQ(run.ops[run.ops.size() - 2].kind, rt::DrawOp::Kind::Key);
    EXPECT_EQ(s.I_S, "q");
    EXPECT_EQ(s.CCC1, 3);
    EXPECT_EQ(s.CCC0, 3);
    EXPECT_EQ(s.DR, 5);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.X, 320);
    EXPECT_EQ(s.Y, 666);
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
    EXPECT_EQ(
        test_support::boxes(run.ops),
        (std::vector<BoxSpec>{{16, 657, 496, 693, 13, 4}, {0, 657, 992, 720, kWhite, kWhite}}));
    EXPECT_EQ(box_widths(run.ops), (std::vector<int>{3, 3}));
    EXPECT_EQ(glyphs(run.ops, 9), cells("１で次へ", 48, 666));
    EXPECT_EQ(s.I_S, std::string(1, 29));
    EXPECT_EQ(s.CCC1, 7);
    EXPECT_EQ(s.DR, 1);
    EXPECT_EQ(s.AA_S, "");
}

TEST(NextStepInput, ReadsANumberBesideItsBoxAndGivesBackOnlyTheWidth) {
    HeadlessShell s;
    const auto run = run_headless("1{enter}", [&] {
        s.set_up_pen();
        rt::SET_DRAW_WIDTH(6);
        s.CCC1 = 3;
        s.NEXT_STEP_INPUT();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 6);
    });
    // The box, the field's own erase, then the field's strip and the box.
    EXPECT_EQ(test_support::boxes(run.ops),
              (std::vector<BoxSpec>{{96, 639, 400, 675, 13, 12},
                                    {1008, 640, 1248, 670, kWhite, kWhite},
                                    {1008, 639, 1168, 666, kWhite, kWhite},
                                    {96, 639, 400, 675, kWhite, kWhite}}));
    EXPECT_EQ(box_widths(run.ops), (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(glyphs(run.ops, 9), cells("次のステップは１を入力。", 128, 648));
    EXPECT_EQ(s.AINP, 1);
    EXPECT_EQ(s.I_S, "\r");
    EXPECT_EQ(s.CCC1, 5);  // the echo's colour
    EXPECT_EQ(s.DR, 6);

    run_headless("{enter}", [&] {
        s.set_up_pen();
        s.NEXT_STEP_INPUT();
    });
    EXPECT_EQ(s.CCC1, 0);  // the label's colour
    EXPECT_EQ(s.AINP, 0);
}

TEST(PromptInput, ThePromptEndsEightyPixelsLeftOfTheField) {
    HeadlessShell s;
    auto run = run_headless("2{enter}", [&] {
        s.set_up_pen();
        s.AA_S = "番号を入力して下さい。";
        s.PROMPT_INPUT();
    });
    EXPECT_EQ(glyphs(run.ops, 5).front(), (test_support::Glyph{"番", 800, 648}));
    EXPECT_EQ(glyphs(run.ops, 5)[10], (test_support::Glyph{"。", 960, 648}));
    EXPECT_EQ(s.AINP, 2);
    EXPECT_EQ(s.AA_S, "");

    // Without a prompt only the field is drawn.
    run = run_headless("{enter}", [&] {
        s.set_up_pen();
        s.PROMPT_INPUT();
    });
    EXPECT_EQ(glyphs(run.ops), cells("入力", 1008, 648));
}

TEST(BottomInput, TheBarTextStandsAtTheLeftOfTheBar) {
    HeadlessShell s;
    const auto run = run_headless("3{enter}", [&] {
        s.set_up_pen();
        s.CCC1 = 9;
        s.AA_S = "1:表 3:戻る";
        s.BOTTOM_INPUT();
    });
    EXPECT_EQ(glyphs(run.ops, 0).front(), (test_support::Glyph{"１", 16, 666}));
    EXPECT_EQ(glyphs(run.ops, 0)[2], (test_support::Glyph{"表", 48, 666}));
    EXPECT_EQ(s.AINP, 3);
}

TEST(ScreenRegions, EachEraseIsOneWhiteBoxOverItsRegion) {
    HeadlessShell s;
    const auto run = run_headless("k", [&] {
        s.set_up_pen();
        s.ERASE_PROMPT_LINE();
        s.CLEAR_BOTTOM_BAR();
        s.CLEAR_WORK_AREA();
        s.ERASE_RIGHT_STRIP();
        // Flushing finds no key waiting and leaves the later key alone.
        s.FLUSH_KEYS();
        EXPECT_EQ(s.I_S, "");
        EXPECT_EQ(s.X, 1136);
        EXPECT_EQ(s.Y, 576);
        do {
            s.I_S = rt::INKEY();
        } while (s.I_S.empty());
        EXPECT_EQ(s.I_S, "k");
    });
    EXPECT_EQ(test_support::boxes(run.ops),
              (std::vector<BoxSpec>{{416, 640, 1472, 690, kWhite, kWhite},
                                    {0, 657, 992, 720, kWhite, kWhite},
                                    {0, 54, 1440, 900, kWhite, kWhite},
                                    {1136, 576, 2576, 666, kWhite, kWhite}}));
}

// ---- on screen -----------------------------------------------------------------------

// The pixels of a PNG the session wrote.
class Picture {
public:
    explicit Picture(const std::string& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface_); }
    bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
    std::uint32_t at(int x, int y) const {
        const unsigned char* row =
            cairo_image_surface_get_data(surface_) +
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

TEST(OnScreen, TheKeyWaitBoxShowsItsTextWhileItWaits) {
    HeadlessShell s;
    const std::string path = testing::TempDir() + "key_wait_box.png";
    bool has_canvas = false;
    run_headless(
        "",
        [&] {
            has_canvas = rt::canvas_pixel(0, 0) != 0;
            s.set_up_pen();
            s.WAIT_KEY();
        },
        path);
    if (!has_canvas) GTEST_SKIP() << "no canvas";
    const Picture picture(path);
    ASSERT_TRUE(picture.ok()) << path;
    const std::uint32_t white = picture.at(450, 675);
    const std::uint32_t fill = picture.at(110, 688);
    EXPECT_NE(fill, white);
    EXPECT_GT(picture.count_unlike(128, 666, 320, 682, fill), 300);  // the text on the fill
    EXPECT_EQ(picture.count_unlike(402, 650, 600, 700, white), 0);   // nothing beyond the box
}

TEST(OnScreen, TheBarTextAndTheNumberFieldShowWhileTyping) {
    HeadlessShell s;
    const std::string path = testing::TempDir() + "bar_and_field.png";
    bool has_canvas = false;
    run_headless(
        "3/4",
        [&] {
            has_canvas = rt::canvas_pixel(0, 0) != 0;
            s.set_up_pen();
            s.AA_S = "1:表 2:式 3:戻る";
            s.BOTTOM_INPUT();
        },
        path);
    if (!has_canvas) GTEST_SKIP() << "no canvas";
    const Picture picture(path);
    ASSERT_TRUE(picture.ok()) << path;
    const std::uint32_t white = picture.at(700, 600);
    EXPECT_GT(picture.count_unlike(16, 666, 256, 682, white), 300);    // the bar text
    EXPECT_GT(picture.count_unlike(1008, 648, 1040, 664, white), 60);  // the label
    for (int x = 1056; x < 1104; x += 16) {
        EXPECT_GT(picture.count_unlike(x, 648, x + 16, 664, white), 10) << "echo cell at " << x;
    }
}

}  // namespace
