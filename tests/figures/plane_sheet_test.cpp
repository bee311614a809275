// A plane with a hyperbola and a line, rasterised and written to
// plane_sheet.png in the working directory (the build directory under ctest)
// so that the look can be inspected; the checks read the canvas back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>

#include "support/headless_figures.hpp"

namespace {

bool inked(int x, int y) {
    const std::uint32_t p = rt::canvas_pixel(x, y);
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r + g + b < 3 * 200;
}

// The middle of the ink in a box, -1 when nothing is inked there.
float ink_centre_x(int x1, int y1, int x2, int y2) {
    int left = x2, right = -1;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (inked(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < 0 ? -1 : (left + right) / 2.0f;
}

class PlaneSheetTest : public test_support::HeadlessFigures {};

TEST_F(PlaneSheetTest, NumbersUnderTheirTicksAndSmoothCurves) {
    bool has_canvas = false;
    float under_minus_five = 0, under_five = 0;
    bool curve_inked = true, line_inked = true;
    const auto path = (std::filesystem::current_path() / "plane_sheet.png").string();
    draw(
        [&] {
            rt::BOX(0, 0, 1440, 900, 15, 15);
            has_canvas = rt::canvas_pixel(0, 0) != 0;
            f.GGX = 100;
            f.GGY = 60;
            f.AA1 = -7;
            f.AA2 = 7;
            f.BB1 = -7;
            f.BB2 = 7;
            f.SIZE = 30;
            f.CCC2 = 1;
            f.DRAW_AXES();
            f.IROIRO = 1;
            f.AA = 6;
            f.CCC3 = 4;
            f.AAA_S = "y=ﾀ6/xﾀ";
            f.KASANARIY = -60;
            f.PLOT_GRAPH();
            f.IROIRO = 3;
            f.AA = 0.5;
            f.BB = 0;
            f.CCC3 = 12;
            f.AAA_S = "";
            f.PLOT_GRAPH();
            if (!has_canvas) return;
            // Below the x axis, between the numbers' top and the next grid line.
            under_minus_five = ink_centre_x(120, 272, 200, 296);
            under_five = ink_centre_x(420, 272, 500, 296);
            // Every column the curves cross carries ink on them: no gaps.
            for (int x = 101; x < 520; ++x) {
                const float v = (x - 310) / 30.0f;
                if (std::fabs(v) > 1) {
                    const int y = static_cast<int>(std::lround(270 - 30 * 6 / v));
                    if (y > 62 && y < 478 && !inked(x, y)) curve_inked = false;
                }
                if (!inked(x, static_cast<int>(std::lround(270 - 15 * v)))) line_inked = false;
            }
        },
        path);
    if (!has_canvas) GTEST_SKIP() << "no canvas";
    EXPECT_NEAR(under_minus_five, 160, 3);
    EXPECT_NEAR(under_five, 460, 3);
    EXPECT_TRUE(curve_inked);
    EXPECT_TRUE(line_inked);
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
