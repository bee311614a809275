// The coordinate plane: where the origin and the edges fall, its thin and
// thick lines, its numbers and names, and the decimal labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/headless_figures.hpp"

namespace {

using testsupport::HeadlessFigures;

class CoordinatePlaneTest : public HeadlessFigures {
protected:
    // The usual plane of the lessons: corner (100, 60), one value per step.
    void plane(float x1, float x2, float y1, float y2, float size) {
        f.GGX = 100;
        f.GGY = 60;
        f.AA1 = x1;
        f.AA2 = x2;
        f.BB1 = y1;
        f.BB2 = y2;
        f.SIZE = size;
        f.CCC2 = 1;
        f.NASI = 0;
    }
    std::vector<rt::DrawOp> lines_of_width(int width) const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : lines())
            if (op.width == width) out.push_back(op);
        return out;
    }
    const rt::DrawOp* text_op(const std::string& text) const {
        for (const auto& op : ops)
            if (op.kind == Kind::Text && op.text == text) return &op;
        return nullptr;
    }
    int count_texts(const std::string& text) const {
        return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const rt::DrawOp& op) {
            return op.kind == Kind::Text && op.text == text;
        }));
    }
};

TEST_F(CoordinatePlaneTest, PlaneFromMinusSevenToSeven) {
    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.DRAW_AXES();
    });
    ASSERT_EQ(error_code, 0);
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
        const float x = 310 + 30 * (i - 7) - 0.5f;
        EXPECT_FLOAT_EQ(thin[i].x1, x);
        EXPECT_FLOAT_EQ(thin[i].x2, x);
        EXPECT_FLOAT_EQ(thin[i].y1, 60);
        EXPECT_FLOAT_EQ(thin[i].y2, 480);
        EXPECT_EQ(thin[i].colour, 0);
        const float y = 270 - 30 * (i - 7) - 0.5f;
        EXPECT_FLOAT_EQ(thin[15 + i].y1, y);
        EXPECT_FLOAT_EQ(thin[15 + i].x1, 100);
        EXPECT_FLOAT_EQ(thin[15 + i].x2, 520);
    }

    // Thick lines on -5, 0 and 5 of each axis, on the grid line itself.
    const auto thick = lines_of_width(3);
    ASSERT_EQ(thick.size(), 6u);
    const float xs[] = {160, 310, 460};
    const float ys[] = {420, 270, 120};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(thick[i].x1, xs[i]);
        EXPECT_EQ(thick[i].colour, 1);
        EXPECT_FLOAT_EQ(thick[3 + i].y1, ys[i]);
        EXPECT_FLOAT_EQ(thick[3 + i].y2, ys[i]);
    }

    // The axes over the grid, y first.
    const auto axes = lines_of_width(4);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_FLOAT_EQ(axes[0].x1, 310);
    EXPECT_FLOAT_EQ(axes[0].y1, 60);
    EXPECT_FLOAT_EQ(axes[0].y2, 480);
    EXPECT_FLOAT_EQ(axes[1].y1, 270);
    EXPECT_FLOAT_EQ(axes[1].x1, 100);
    EXPECT_FLOAT_EQ(axes[1].x2, 520);
    EXPECT_EQ(axes[1].colour, 0);

    // Numbers: centred under their tick, or ending at the y axis.
    ASSERT_EQ(count_texts("-5"), 2);
    ASSERT_EQ(count_texts("5"), 2);
    const auto ts = texts();
    std::vector<rt::DrawOp> numbers;
    for (const auto& op : ts)
        if (op.text == "-5" || op.text == "5") numbers.push_back(op);
    ASSERT_EQ(numbers.size(), 4u);
    EXPECT_FLOAT_EQ(numbers[0].x1, 134);  // "-5" under x = -5
    EXPECT_FLOAT_EQ(numbers[0].y1, 270);
    EXPECT_FLOAT_EQ(numbers[1].x1, 447);  // "5" under x = 5
    EXPECT_FLOAT_EQ(numbers[2].x1, 258);  // "-5" left of y = -5
    EXPECT_FLOAT_EQ(numbers[2].y1, 403);
    EXPECT_FLOAT_EQ(numbers[3].x1, 284);  // "5" left of y = 5
    EXPECT_FLOAT_EQ(numbers[3].y1, 103);
    for (const auto& op : numbers) {
        EXPECT_FLOAT_EQ(op.size, 26);
        EXPECT_FLOAT_EQ(op.h, 2);
        EXPECT_FLOAT_EQ(op.v, 1);
        EXPECT_EQ(op.colour, 0);
    }

    // The names: no number 0, only the name of the origin.
    EXPECT_EQ(count_texts("0"), 1);
    const auto* x = text_op("x");
    ASSERT_NE(x, nullptr);
    EXPECT_FLOAT_EQ(x->x1, 520 - 0.8f * 26);
    EXPECT_FLOAT_EQ(x->y1, 270 - 1.5f * 26);
    EXPECT_FLOAT_EQ(x->size, 26 * 0.8f);
    EXPECT_FLOAT_EQ(x->h, 3);
    EXPECT_FLOAT_EQ(x->v, 2);
    EXPECT_TRUE(x->italic);
    EXPECT_TRUE(x->bold);
    EXPECT_EQ(x->font, "Times New Roman");
    const auto* zero = text_op("0");
    EXPECT_FLOAT_EQ(zero->x1, 284);
    EXPECT_FLOAT_EQ(zero->y1, 270);
    EXPECT_FALSE(zero->italic);
    const auto* y = text_op("y");
    ASSERT_NE(y, nullptr);
    EXPECT_FLOAT_EQ(y->x1, 310);
    EXPECT_FLOAT_EQ(y->y1, 47);
    EXPECT_EQ(y->font, "ゴシック");
    EXPECT_FLOAT_EQ(f.CCC1, 0);
}

TEST_F(CoordinatePlaneTest, LeavesThePenAsItFoundItAndTheFontAtSixteen) {
    draw([&] {
        rt::SET_DRAW_WIDTH(7);
        plane(-7, 7, -7, 7, 30);
        f.DRAW_AXES();
        rt::SYMBOL(0, 0, "after", 1, 1, 0);
    });
    EXPECT_EQ(width_after, 7);
    EXPECT_FLOAT_EQ(f.NASI, 0);
    const auto* after = text_op("after");
    ASSERT_NE(after, nullptr);
    EXPECT_FLOAT_EQ(after->size, 16);
    EXPECT_FALSE(after->bold);
    EXPECT_FALSE(after->italic);
    EXPECT_EQ(after->font, "ゴシック");
}

TEST_F(CoordinatePlaneTest, SwitchesForGridAndNumbers) {
    // No grid: the two axes and the three names only.
    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.CCC2 = 0;
        f.NASI = 1;
        f.DRAW_AXES();
    });
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(text_run(), "x0y");

    // Grid without numbers; the names still appear.
    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.NASI = -1;
        f.DRAW_AXES();
    });
    EXPECT_EQ(lines().size(), 38u);
    EXPECT_EQ(text_run(), "x0y");
    EXPECT_FLOAT_EQ(f.NASI, 0);

    // Any other NASI numbers the grid as 0 does.
    draw([&] {
        plane(-7, 7, -7, 7, 30);
        f.NASI = 1;
        f.DRAW_AXES();
    });
    EXPECT_EQ(text_run(), "-55-55x0y");
}

TEST_F(CoordinatePlaneTest, ScalesDivideTheRangesInPlace) {
    draw([&] {
        plane(-6, 6, -8, 8, 30);
        f.BAIX = 0.5;
        f.BAIY = 0.5;
        f.DRAW_AXES();
    });
    EXPECT_FLOAT_EQ(f.AA1, -12);
    EXPECT_FLOAT_EQ(f.AA2, 12);
    EXPECT_FLOAT_EQ(f.BB1, -16);
    EXPECT_FLOAT_EQ(f.BB2, 16);
    EXPECT_FLOAT_EQ(f.GX0, 100 + 360);
    EXPECT_FLOAT_EQ(f.GY0, 60 + 480);
    // The numbers count grid steps.
    EXPECT_EQ(text_run(), "-10-5510-15-10-551015x0y");

    // A negative scale counts as positive, 0 as 1; a second call divides again.
    draw([&] {
        plane(-8, 8, -7, 7, 30);
        f.BAIX = -2;
        f.BAIY = 0;
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

    for (float size : {40.0f, 35.0f, 20.0f, 12.0f}) {
        draw([&] {
            plane(-2, 2, -2, 2, size);
            f.DRAW_AXES();
        });
        EXPECT_FLOAT_EQ(f.SIZE1, size < 40 ? 26 : 30) << "SIZE " << size;
    }
}

class DecimalLabelsTest : public CoordinatePlaneTest {
protected:
    // A plane of the given value ranges and scale, numbered by its values.
    void labelled_plane(float x1, float x2, float y1, float y2, float scale_x, float scale_y) {
        draw([&] {
            plane(x1, x2, y1, y2, 30);
            f.BAIX = scale_x;
            f.BAIY = scale_y;
            f.NASI = -1;
            f.DRAW_AXES();
            f.BAIX = scale_x;
            f.BAIY = scale_y;
            f.AXIS_DECIMAL_LABELS();
            rt::SYMBOL(0, 0, "after", 1, 1, 0);
        });
        ASSERT_EQ(error_code, 0);
    }
    // The labels, leaving out the names and the probe drawn after.
    std::vector<rt::DrawOp> labels() const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : texts())
            if (op.text != "x" && op.text != "y" && op.text != "0" && op.text != "after")
                out.push_back(op);
        return out;
    }
};

TEST_F(DecimalLabelsTest, HalfStepsWriteTenthsWithAPointBetween) {
    labelled_plane(-6, 6, -8, 8, 0.5, 0.5);
    EXPECT_FLOAT_EQ(f.GX0, 460);
    EXPECT_FLOAT_EQ(f.GY0, 540);
    std::string run;
    for (const auto& op : labels()) run += op.text + " ";
    EXPECT_EQ(run, "-5 -25 . 25 . 5 -75 . -5 -25 . 25 . 5 75 . ");

    const auto l = labels();
    // "-25" under the tick -5 (value -2.5), 4 lower than grid-step numbers.
    EXPECT_FLOAT_EQ(l[1].x1, 460 - 150 - 1.5f * 26);
    EXPECT_FLOAT_EQ(l[1].y1, 544);
    // The point after the two characters of "-2", 4 lower again.
    EXPECT_FLOAT_EQ(l[2].x1, l[1].x1 + 2 * 26 - 6);
    EXPECT_FLOAT_EQ(l[2].y1, 548);
    // "75" ends at the y axis, its top where the grid-step numbers stand.
    EXPECT_FLOAT_EQ(l[14].x1, 460 - 2 * 26);
    EXPECT_FLOAT_EQ(l[14].y1, 540 - 30 * 15 - 13 - 4);
    EXPECT_FLOAT_EQ(l[15].x1, l[14].x1 + 26 - 6);
    EXPECT_FLOAT_EQ(l[15].y1, l[14].y1 + 4);
    for (const auto& op : l) {
        EXPECT_FLOAT_EQ(op.size, 26);
        EXPECT_EQ(op.colour, 0);
    }
    // The scales stay for the points and graphs drawn next.
    EXPECT_FLOAT_EQ(f.BAIX, 0.5);
    EXPECT_FLOAT_EQ(f.BAIY, 0.5);
    EXPECT_FLOAT_EQ(text_op("after")->size, 16);
}

TEST_F(DecimalLabelsTest, WholeValuesHaveNoPoint) {
    labelled_plane(0, 90, 0, 10500, 5, 500);
    std::string run;
    for (const auto& op : labels()) run += op.text + " ";
    EXPECT_EQ(run, "25 50 75 2500 5000 7500 10000 ");
    EXPECT_FLOAT_EQ(labels()[6].x1, f.GX0 - 5 * 26);
}

TEST_F(DecimalLabelsTest, TenthsComeFromTheRoundedValue) {
    // 2.1 is not exact in single precision: 15 steps make 31.499998 and 30
    // steps 62.999996, which must still read 31.5 and 63.
    draw([&] {
        plane(0, 30, 0, 1, 10);
        f.NASI = -1;
        f.DRAW_AXES();
        f.BAIX = 2.1f;
        f.BAIY = 1;
        f.AXIS_DECIMAL_LABELS();
    });
    std::string run;
    for (const auto& op : texts())
        if (op.text != "x" && op.text != "y" && op.text != "0") run += op.text + " ";
    EXPECT_EQ(run, "105 . 21 315 . 42 525 . 63 ");
}

}  // namespace
