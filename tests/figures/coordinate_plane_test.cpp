// The coordinate plane: where the origin and the edges fall, its thin and
// thick lines, its numbers and names, and the decimal labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/platform/backend.hpp"
#include "support/headless_figures.hpp"

namespace {

class CoordinatePlaneTest : public test_support::HeadlessFigures {
protected:
    // A plane with its corner at (100, 60), grid and numbers on.
    void plane(float x1, float x2, float y1, float y2, float size, float scale_x = 1,
               float scale_y = 1) {
        f.GGX = 100;
        f.GGY = 60;
        f.AA1 = x1;
        f.AA2 = x2;
        f.BB1 = y1;
        f.BB2 = y2;
        f.SIZE = size;
        f.BAIX = scale_x;
        f.BAIY = scale_y;
        f.CCC2 = 1;
        f.NASI = 0;
    }
    std::vector<rt::DrawOp> lines_of_width(int width) const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : lines())
            if (op.width == width) out.push_back(op);
        return out;
    }
    // The texts other than the names "x", "0", "y" and a probe "after".
    std::vector<rt::DrawOp> numbers() const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : texts())
            if (op.text != "x" && op.text != "0" && op.text != "y" && op.text != "after")
                out.push_back(op);
        return out;
    }
    std::string number_run() const {
        std::string out;
        for (const auto& op : numbers()) out += op.text + " ";
        return out;
    }
    const rt::DrawOp& text_op(const std::string& text) const {
        for (const auto& op : ops)
            if (op.kind == Kind::Text && op.text == text) return op;
        ADD_FAILURE() << "no text " << text;
        return ops.front();
    }
};

TEST_F(CoordinatePlaneTest, PlaneFromMinusSevenToSeven) {
    draw([&] {
        rt::SET_DRAW_WIDTH(7);
        plane(-7, 7, -7, 7, 30);
        f.DRAW_AXES();
        rt::SYMBOL(0, 0, "after", 1, 1, 0);
    });
    ASSERT_FALSE(error) << *error;
    EXPECT_FLOAT_EQ(f.GX0, 310);
    EXPECT_FLOAT_EQ(f.GY0, 270);
    EXPECT_FLOAT_EQ(f.GX1, 100);
    EXPECT_FLOAT_EQ(f.GY1, 60);
    EXPECT_FLOAT_EQ(f.GX2, 520);
    EXPECT_FLOAT_EQ(f.GY2, 480);
    EXPECT_FLOAT_EQ(f.SIZE1, 26);

    // Thin lines: 15 across, 15 down, half a pixel before each grid line.
    const auto thin = lines_of_width(1);
    ASSERT_EQ(thin.size(), 30u);
    for (int i = 0; i < 15; ++i) {
        const float x = 310 + 30 * (i - 7) - 0.5f, y = 270 - 30 * (i - 7) - 0.5f;
        expect_from_to(thin[i], x, 60, x, 480);
        expect_from_to(thin[15 + i], 100, y, 520, y);
        EXPECT_EQ(thin[i].colour, 0);
    }
    // Thick lines on -5, 0 and 5 of each axis, on the grid line itself.
    const auto thick = lines_of_width(3);
    ASSERT_EQ(thick.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        expect_from_to(thick[i], 160 + 150 * i, 60, 160 + 150 * i, 480);
        expect_from_to(thick[3 + i], 100, 420 - 150 * i, 520, 420 - 150 * i);
        EXPECT_EQ(thick[i].colour, 1);
    }
    // The axes over the grid, y first.
    const auto axes = lines_of_width(4);
    ASSERT_EQ(axes.size(), 2u);
    expect_from_to(axes[0], 310, 60, 310, 480);
    expect_from_to(axes[1], 100, 270, 520, 270);

    // Numbers centred under their tick, or ending at the y axis; no number 0.
    ASSERT_EQ(number_run(), "-5 5 -5 5 ");
    const auto n = numbers();
    expect_at(n[0], 134, 270);
    expect_at(n[1], 447, 270);
    expect_at(n[2], 258, 403);
    expect_at(n[3], 284, 103);
    for (const auto& op : n) {
        EXPECT_FLOAT_EQ(op.size, 26);
        EXPECT_FLOAT_EQ(op.h, 2);
        EXPECT_FLOAT_EQ(op.v, 1);
        EXPECT_EQ(op.colour, 0);
    }
    // The names.
    const auto& x = text_op("x");
    expect_at(x, 520 - 0.8f * 26, 270 - 1.5f * 26);
    EXPECT_FLOAT_EQ(x.size, 26 * 0.8f);
    EXPECT_FLOAT_EQ(x.h, 3);
    EXPECT_FLOAT_EQ(x.v, 2);
    EXPECT_TRUE(x.italic && x.bold);
    EXPECT_EQ(x.font, "Times New Roman");
    expect_at(text_op("0"), 284, 270);
    EXPECT_FALSE(text_op("0").italic);
    expect_at(text_op("y"), 310, 47);
    EXPECT_EQ(text_op("y").font, "ゴシック");

    // What the plane leaves: the width of the call, the Gothic face at 16.
    EXPECT_EQ(width_after, 7);
    EXPECT_FLOAT_EQ(f.NASI, 0);
    EXPECT_FLOAT_EQ(f.CCC1, 0);
    const auto& after = text_op("after");
    EXPECT_FLOAT_EQ(after.size, 16);
    EXPECT_FALSE(after.bold || after.italic);
    EXPECT_EQ(after.font, "ゴシック");
}

TEST_F(CoordinatePlaneTest, SwitchesForGridAndNumbers) {
    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.CCC2 = 0;  // the axes and the names only
        f.NASI = 1;
        f.DRAW_AXES();
    });
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(text_run(), "x0y");

    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.NASI = -1;  // the grid without numbers
        f.DRAW_AXES();
    });
    EXPECT_EQ(lines().size(), 38u);
    EXPECT_EQ(text_run(), "x0y");
    EXPECT_FLOAT_EQ(f.NASI, 0);

    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.NASI = 1;  // numbers as with 0
        f.DRAW_AXES();
    });
    EXPECT_EQ(number_run(), "-5 5 -5 5 ");
}

TEST_F(CoordinatePlaneTest, ScalesDivideTheRangesInPlace) {
    draw([&] {
        plane(-6, 6, -8, 8, 30, 0.5, 0.5);
        f.DRAW_AXES();
    });
    EXPECT_FLOAT_EQ(f.AA1, -12);
    EXPECT_FLOAT_EQ(f.AA2, 12);
    EXPECT_FLOAT_EQ(f.BB1, -16);
    EXPECT_FLOAT_EQ(f.BB2, 16);
    EXPECT_FLOAT_EQ(f.GX0, 100 + 360);
    EXPECT_FLOAT_EQ(f.GY0, 60 + 480);
    // The numbers count grid steps.
    EXPECT_EQ(number_run(), "-10 -5 5 10 -15 -10 -5 5 10 15 ");

    // A negative scale counts as positive, 0 as 1; a second call divides again.
    draw([&] {
        plane(-8, 8, -7, 7, 30, -2, 0);
        f.DRAW_AXES();
        EXPECT_FLOAT_EQ(f.AA1, -4);
        f.DRAW_AXES();
    });
    EXPECT_FLOAT_EQ(f.BAIX, 2);
    EXPECT_FLOAT_EQ(f.BAIY, 1);
    EXPECT_FLOAT_EQ(f.AA1, -2);
    EXPECT_FLOAT_EQ(f.AA2, 2);
}

TEST_F(CoordinatePlaneTest, DefaultCornerAndFontSizeOfTheNumbers) {
    draw([&] {
        plane(0, 10, 0, 10, 44);
        f.GGX = 0;
        f.GGY = 0;
        f.DRAW_AXES();
    });
    EXPECT_FLOAT_EQ(f.GGX, 640);
    EXPECT_FLOAT_EQ(f.GGY, 180);
    // A range from 0 puts the origin on the left and bottom edges.
    EXPECT_FLOAT_EQ(f.GX0, 640);
    EXPECT_FLOAT_EQ(f.GY0, 180 + 440);
    EXPECT_FLOAT_EQ(f.GY2, f.GY0);
    EXPECT_FLOAT_EQ(f.SIZE1, 30);
    draw([&] {
        plane(-2, 2, -2, 2, 39);
        f.DRAW_AXES();
    });
    EXPECT_FLOAT_EQ(f.SIZE1, 26);
}

class DecimalLabelsTest : public CoordinatePlaneTest {
protected:
    // A plane of the given value ranges and scale, numbered by its values.
    void labelled_plane(float x1, float x2, float y1, float y2, float scale_x, float scale_y) {
        draw([&] {
            plane(x1, x2, y1, y2, 30, scale_x, scale_y);
            f.NASI = -1;
            f.DRAW_AXES();
            f.BAIX = scale_x;
            f.BAIY = scale_y;
            f.AXIS_DECIMAL_LABELS();
            rt::SYMBOL(0, 0, "after", 1, 1, 0);
        });
        ASSERT_FALSE(error) << *error;
    }
};

TEST_F(DecimalLabelsTest, HalfStepsWriteTenthsWithAPointBetween) {
    labelled_plane(-6, 6, -8, 8, 0.5, 0.5);
    ASSERT_EQ(number_run(), "-5 -25 . 25 . 5 -75 . -5 -25 . 25 . 5 75 . ");
    const auto l = numbers();
    // "-25" under the tick of -2.5, 4 lower than the grid-step numbers; the
    // point's cell, as high as the digits', centred on the border after the
    // two characters of "-2".
    expect_at(l[1], 460 - 150 - 1.5f * 26, 544);
    expect_at(l[2], l[1].x1 + 2 * 26 - 13, 544);
    // "75" ends at the y axis, its top where the grid-step numbers stand.
    expect_at(l[14], 460 - 2 * 26, 540 - 30 * 15 - 13 - 4);
    expect_at(l[15], l[14].x1 + 26 - 13, l[14].y1);
    for (const auto& op : l) {
        EXPECT_FLOAT_EQ(op.size, 26);
        EXPECT_EQ(op.colour, 0);
    }
    // The scales stay for the points and graphs drawn next.
    EXPECT_FLOAT_EQ(f.BAIX, 0.5);
    EXPECT_FLOAT_EQ(f.BAIY, 0.5);
    EXPECT_FLOAT_EQ(text_op("after").size, 16);
}

// The labels as the learner sees them: each point a dot of its own in the
// gap between the integer digit and the tenths digit, clear of both, its
// foot on theirs; under the x axis the tick line runs through that gap.
TEST_F(DecimalLabelsTest, ThePointStandsClearBetweenTheDigitsOnTheirBaseline) {
    labelled_plane(-6, 6, -8, 8, 0.5, 0.5);
    const auto labels = numbers();
    for (double scale : {1.0, 2.0}) {
        auto canvas = rt::detail::Canvas::create(scale);
        // The tick lines (colour 1) and the labels; not the thin grid.
        for (const auto& op : ops)
            if ((op.kind == Kind::Line && op.colour == 1) || (op.kind == Kind::Text && op.y1 < 900))
                canvas->draw(op);
        const int stride = canvas->width();
        const std::uint32_t* image = canvas->pixels();
        // Black ink (the blue tick line is not).
        auto ink = [&](int x, int y) {
            const std::uint32_t p = image[static_cast<std::size_t>(y) * stride + x];
            return std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}) < 128;
        };
        int points = 0;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            if (labels[i].text != "." || labels[i].y1 + 30 > 900) continue;
            ++points;
            const auto& digits = labels[i - 1];
            SCOPED_TRACE(digits.text + " at scale " + std::to_string(scale));
            const double s = scale;
            const int top = static_cast<int>(digits.y1 * s),
                      bottom = static_cast<int>((digits.y1 + 30) * s);
            const double border = digits.x1 + 26.0 * static_cast<double>(digits.text.size() - 1);
            // The point's rows: ink within a pixel of the border between the
            // digits' cells, where neither digit reaches.
            int dot_top = bottom, dot_bottom = -1;
            for (int y = top; y < bottom; ++y)
                for (int x = static_cast<int>((border - 1) * s);
                     x <= static_cast<int>((border + 1) * s); ++x)
                    if (ink(x, y))
                        dot_top = std::min(dot_top, y), dot_bottom = std::max(dot_bottom, y);
            ASSERT_GE(dot_bottom, dot_top) << "no point at the border";
            auto column_inked = [&](int x) {
                for (int y = dot_top; y <= dot_bottom; ++y)
                    if (ink(x, y)) return true;
                return false;
            };
            // From the point's middle outwards: the point, a clear column,
            // then the digit.
            const int middle = static_cast<int>(border * s);
            int left = middle, right = middle;
            while (column_inked(left - 1)) --left;
            while (column_inked(right + 1)) ++right;
            auto inked_between = [&](int from, int to) {
                for (int x = from; x <= to; ++x)
                    if (column_inked(x)) return true;
                return false;
            };
            EXPECT_TRUE(inked_between(static_cast<int>((border - 13) * s), left - 2))
                << "no digit left of the point";
            EXPECT_TRUE(inked_between(right + 2, static_cast<int>((border + 13) * s)))
                << "no digit right of the point";
            // A dot, not a dash.
            EXPECT_LE(right - left + 1, 1.5 * (dot_bottom - dot_top + 1));
            EXPECT_LE(right - left + 1, 5 * s);
            // Its foot on the integer digit's: the lowest ink of that digit's
            // cell, left of the point.
            int digit_bottom = -1;
            for (int y = top; y < bottom; ++y)
                for (int x = static_cast<int>((border - 24) * s); x < left - 1; ++x)
                    if (ink(x, y)) digit_bottom = std::max(digit_bottom, y);
            EXPECT_NEAR(dot_bottom, digit_bottom, s) << "point foot " << dot_bottom;
        }
        EXPECT_EQ(points, 5);  // -7.5 stands below the page
    }
}

TEST_F(DecimalLabelsTest, WholeValuesHaveNoPoint) {
    labelled_plane(0, 90, 0, 10500, 5, 500);
    EXPECT_EQ(number_run(), "25 50 75 2500 5000 7500 10000 ");
    EXPECT_FLOAT_EQ(numbers()[6].x1, f.GX0 - 5 * 26);
}

TEST_F(DecimalLabelsTest, AProgramSetsHowHighTheYValuesStand) {
    labelled_plane(0, 90, 0, 10500, 5, 500);
    const auto raised = numbers();
    f.DECIMAL_Y_LABEL_RAISE = 0;
    labelled_plane(0, 90, 0, 10500, 5, 500);
    const auto centred = numbers();
    ASSERT_EQ(raised.size(), 7u);
    ASSERT_EQ(centred.size(), 7u);
    // The x values stay 4 px under the axis; every y value moves 4 px down,
    // its top half its height above its grid line.
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(centred[i].y1, raised[i].y1);
    for (int i = 3; i < 7; ++i) {
        EXPECT_FLOAT_EQ(centred[i].x1, raised[i].x1);
        EXPECT_FLOAT_EQ(centred[i].y1, raised[i].y1 + 4);
    }
    expect_at(centred[3], f.GX0 - 4 * 26, f.GY0 - 30 * 5 - 13);
}

TEST_F(DecimalLabelsTest, TenthsComeFromTheRoundedValue) {
    // 2.1 is not exact in single precision: 15 steps make 31.499998 and 30
    // steps 62.999996, which must still read 31.5 and 63.
    draw([&] {
        plane(0, 30, 0, 1, 10);
        f.NASI = -1;
        f.DRAW_AXES();
        f.BAIX = 2.1f;
        f.AXIS_DECIMAL_LABELS();
    });
    EXPECT_EQ(number_run(), "105 . 21 315 . 42 525 . 63 ");
}

}  // namespace
