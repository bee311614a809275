// A sheet of typical formulas, rasterised and written to formula_sheet_<test>.png in
// the working directory (the build directory under ctest), so that the look
// can be inspected; the checks read the canvas back: bars and overlines
// inked where they belong, parts centred on their bar, glyphs of one formula
// on one baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using test_support::run_headless;

bool inked(int x, int y) {
    const std::uint32_t p = rt::canvas_pixel(x, y);
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r + g + b < 3 * 160;
}

// The inked bounding box inside [x1, x2) x [y1, y2); empty when nothing is inked.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
    float centre_x() const { return (left + right) / 2.0f; }
};
Ink ink_in(int x1, int y1, int x2, int y2) {
    Ink ink;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (!inked(x, y)) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

// Draws the sheet on a fresh canvas, runs `checks` on it while the canvas is
// there, and writes the PNG. False when the platform has no canvas to draw on.
bool with_sheet(const std::function<void()>& checks) {
    bool has_canvas = false;
    // One file per test: the tests may run at the same time.
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string path =
        (std::filesystem::current_path() / ("formula_sheet_" + name + ".png")).string();
    std::filesystem::remove(path);
    HeadlessShell s;
    const auto run = run_headless(
        [&] {
            rt::CLS();
            has_canvas = rt::canvas_pixel(0, 0) != 0;
            rt::SET_DRAW_WIDTH(3);
            s.CCC1 = 0;
            auto write = [&](const std::string& text, float x, float y) {
                s.AA_S = text;
                s.X = x;
                s.Y = y;
                s.TEXT_OUT();
            };
            write("y=ﾀ6/xﾀ", 60, 60);
            write("x^2", 60, 200);
            write("!2ﾝ3", 60, 300);
            write("#ﾀ1/2ﾀﾝ", 60, 420);
            write("ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", 60, 560);
            write("ﾀ800*100/400ﾀ", 60, 700);
            write("ycm^2", 760, 60);
            s.KAKKO = 1;
            write("(a)(b)", 760, 160);
            write("l=2", 760, 260);
            write("かなと漢字の行です。", 760, 360);
            write("2x3ac=10", 760, 460);
            write("ﾀ√3ﾝ/2ﾀ ﾀ1/x^2ﾀ 5%*4@1", 760, 560);
            s.AA_S = "x=3 (y), 比";
            s.X = 760;
            s.Y = 720;
            s.PRINT_COMPACT();
            if (has_canvas) checks();
        },
        path);
    EXPECT_FALSE(run.error.has_value()) << *run.error;
    if (has_canvas) {
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    return has_canvas;
}

TEST(FormulaSheet, FractionBarIsInkedAndPartsCentredOnIt) {
    const bool drawn = with_sheet([] {
        // "y=ﾀ6/xﾀ" at (60, 60): the bar from (119, 85) to (151, 85).
        EXPECT_TRUE(inked(135, 85));
        EXPECT_FALSE(inked(135, 100 + 60));
        const Ink numerator = ink_in(119, 40, 152, 83);
        const Ink denominator = ink_in(112, 88, 160, 140);
        ASSERT_FALSE(numerator.empty());
        ASSERT_FALSE(denominator.empty());
        EXPECT_NEAR(numerator.centre_x(), 135, 3);
        EXPECT_NEAR(denominator.centre_x(), 135, 4);  // italic: leans right

        // "ﾀ800*100/400ﾀ": the denominator is centred under the long numerator.
        const Ink bottom = ink_in(60, 728, 300, 790);
        ASSERT_FALSE(bottom.empty());
        EXPECT_NEAR(bottom.centre_x(), 60 + 115, 4);
    });
    if (!drawn) GTEST_SKIP() << "no canvas";
}

TEST(FormulaSheet, RootOverlinesMeetTheirSigns) {
    const bool drawn = with_sheet([] {
        // "!2ﾝ3" at (60, 300): the sign's top stroke ends at x 92, the overline
        // runs from 88 to 115 at y 296; no gap between them.
        for (int x = 84; x <= 114; ++x) EXPECT_TRUE(inked(x, 296)) << x;
        EXPECT_FALSE(inked(130, 296));  // closed before the "3"
        // "#ﾀ1/2ﾀﾝ" at (60, 420): the tall sign's top stroke and the overline
        // across the fraction at y 406, from 90 to 124.
        for (int x = 92; x <= 123; ++x) EXPECT_TRUE(inked(x, 406)) << x;
        EXPECT_TRUE(inked(76, 480 - 2));  // the long down-stroke reaches 60 below
    });
    if (!drawn) GTEST_SKIP() << "no canvas";
}

TEST(FormulaSheet, ItalicLettersStayInTheirCells) {
    const bool drawn = with_sheet([] {
        // "x^2" at (60, 200): the "x" keeps clear of the superscript at 87.
        const Ink x = ink_in(56, 150, 88, 250);
        EXPECT_LT(x.right, 87);
        // "2x3ac=10" at (760, 460): the "a" ends before the "c" begins at 872.
        EXPECT_TRUE(ink_in(868, 420, 872, 530).empty());
    });
    if (!drawn) GTEST_SKIP() << "no canvas";
}

TEST(FormulaSheet, DigitsAndItalicLettersShareABaseline) {
    const bool drawn = with_sheet([] {
        // "2x3ac=10" at (760, 460): the bottom of the ink of each glyph, none
        // with a descender. Pens: 760, 787 (+4), 814, 841 (+4), 868 (+4).
        const int y1 = 420, y2 = 530;
        const Ink two = ink_in(760, y1, 785, y2);
        const Ink x = ink_in(792, y1, 812, y2);
        const Ink three = ink_in(814, y1, 838, y2);
        const Ink a = ink_in(846, y1, 866, y2);
        const Ink c = ink_in(873, y1, 893, y2);
        for (const Ink* glyph : {&two, &x, &three, &a, &c}) ASSERT_FALSE(glyph->empty());
        EXPECT_NEAR(x.bottom, two.bottom, 2);
        EXPECT_NEAR(a.bottom, two.bottom, 2);
        EXPECT_NEAR(c.bottom, two.bottom, 2);
        EXPECT_NEAR(three.bottom, two.bottom, 1);
    });
    if (!drawn) GTEST_SKIP() << "no canvas";
}

}  // namespace
