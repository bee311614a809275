// The raster canvas: pixel coverage of boxes and arcs, text cells and
// baselines, the cost of text drawn off the canvas, palette legibility and
// PNG output. The window: key codes and closing, on SDL's display-less
// video driver.
#include <SDL.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "framework/platform/backend.hpp"
#include "support/draw_ops.hpp"

namespace {

using rt::DrawOp;
using rt::detail::Canvas;

constexpr std::uint32_t kWhitePixel = 0xFFFFFFFF;

std::unique_ptr<Canvas> fresh_canvas() {
    auto canvas = Canvas::create();
    DrawOp cls;
    cls.kind = DrawOp::Kind::Cls;
    canvas->draw(cls);
    return canvas;
}

using test_support::box_op;

DrawOp text_op(float x, float y, const std::string& text, const std::string& font, float size,
               float h, float v, bool italic = false) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x1 = x, op.y1 = y, op.text = text, op.font = font;
    op.size = size, op.h = h, op.v = v, op.italic = italic, op.colour = 0;
    return op;
}

// The bounding box of every non-white pixel inside a search window.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool any() const { return right >= 0; }
};

Ink ink_in(const Canvas& c, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (c.pixel(x, y) != kWhitePixel) {
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

// The lowest row whose ink covers at least a third of the widest row: the
// baseline of a glyph without a descender, ignoring anti-aliased fringes.
int baseline_row(const Canvas& c, int x0, int y0, int x1, int y1) {
    std::vector<int> dark(static_cast<std::size_t>(y1 - y0), 0);
    int most = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if ((c.pixel(x, y) & 0xFF) < 0x80) ++dark[static_cast<std::size_t>(y - y0)];
        }
        most = std::max(most, dark[static_cast<std::size_t>(y - y0)]);
    }
    for (int y = y1 - 1; y >= y0; --y) {
        if (dark[static_cast<std::size_t>(y - y0)] * 3 >= most && most > 0) return y;
    }
    return -1;
}

TEST(Canvas, FarReachingShapesAreCutNotSmeared) {
    // A hyperbola near its axis puts dots and line ends millions of pixels
    // away: nothing of them may reach the canvas, and a line from far away
    // still shows its visible part where it belongs.
    auto canvas = fresh_canvas();
    DrawOp dot;
    dot.kind = DrawOp::Kind::Circle;
    dot.r = 3, dot.colour = 0, dot.fill = 0, dot.width = 3;
    for (float far : {1e9f, -1e9f, 3e7f}) {
        dot.x1 = 700, dot.y1 = far;
        canvas->draw(dot);
        dot.x1 = far, dot.y1 = 450;
        canvas->draw(dot);
    }
    const Ink none = ink_in(*canvas, 0, 0, rt::kScreenWidth, rt::kScreenHeight);
    EXPECT_FALSE(none.any());

    DrawOp line;
    line.kind = DrawOp::Kind::Line;
    line.x1 = 100, line.y1 = -1e9f, line.x2 = 100, line.y2 = 450, line.colour = 0, line.width = 3;
    canvas->draw(line);
    const Ink ink = ink_in(*canvas, 0, 0, rt::kScreenWidth, rt::kScreenHeight);
    ASSERT_TRUE(ink.any());
    EXPECT_EQ(ink.top, 0);
    EXPECT_NEAR(ink.bottom, 451, 2);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.5, 1);
}

TEST(Canvas, FilledBoxCoversExactlyItsCornersInclusive) {
    auto canvas = fresh_canvas();
    canvas->draw(box_op(109, 104, 100, 100, 4, 4, 1));  // corners given in either order
    const std::uint32_t red = canvas->pixel(105, 102);
    ASSERT_NE(red, kWhitePixel);
    for (int y = 90; y < 115; ++y) {
        for (int x = 90; x < 120; ++x) {
            const bool inside = x >= 100 && x <= 109 && y >= 100 && y <= 104;
            EXPECT_EQ(canvas->pixel(x, y), inside ? red : kWhitePixel) << x << "," << y;
        }
    }
    // Filled in one colour and framed in another: the frame lies on the
    // outermost pixels.
    canvas->draw(box_op(300, 300, 320, 310, 0, 14, 1));
    EXPECT_EQ(canvas->pixel(300, 305), 0xFF000000);
    EXPECT_EQ(canvas->pixel(320, 310), 0xFF000000);
    EXPECT_NE(canvas->pixel(301, 305), 0xFF000000);
    EXPECT_NE(canvas->pixel(301, 305), kWhitePixel);
    EXPECT_EQ(canvas->pixel(321, 305), kWhitePixel);
    // A white filled box with a border of the same width erases it all.
    canvas->draw(box_op(100, 100, 109, 104, 15, 15, 1));
    EXPECT_FALSE(ink_in(*canvas, 90, 90, 120, 115).any());
}

TEST(Canvas, BoxOutlineWidthGrowsAboutTheCorners) {
    auto canvas = fresh_canvas();
    canvas->draw(box_op(200, 200, 260, 230, 0, rt::kNoFill, 3));
    const Ink ink = ink_in(*canvas, 180, 180, 280, 250);
    EXPECT_EQ(ink.left, 199);
    EXPECT_EQ(ink.right, 261);
    EXPECT_EQ(ink.top, 199);
    EXPECT_EQ(ink.bottom, 231);
    EXPECT_EQ(canvas->pixel(230, 215), kWhitePixel);  // an outline leaves the inside
}

double milliseconds_since(const timespec& start) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - start.tv_sec) * 1e3 + (now.tv_nsec - start.tv_nsec) / 1e6;
}

TEST(Canvas, TextBelowTheCanvasCostsNothingAndLeavesNoMark) {
    auto canvas = fresh_canvas();
    // The fastest of three runs of 2000 measuring texts (the programs measure
    // every cell text this way); drawing them for real takes some 20 ms, and
    // handing them to cairo only to be clipped some 5 ms.
    // (<chrono> does not compile with the CP932 execution character set.)
    double fastest = 1e9;
    for (int run = 0; run < 3; ++run) {
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        for (int i = 0; i < 2000; ++i) {
            canvas->draw(text_op(100, 1800, "比の値は１２", "ゴシック", 16, 3, 3));
        }
        fastest = std::min(fastest, milliseconds_since(start));
    }
    EXPECT_LT(fastest, 1.5);
    const std::uint32_t* p = canvas->pixels();
    for (int i = 0; i < rt::kScreenWidth * rt::kScreenHeight; ++i) {
        ASSERT_EQ(p[i], kWhitePixel) << "pixel " << i;
    }
    // The same text on the canvas does draw.
    canvas->draw(text_op(100, 100, "比の値は１２", "ゴシック", 16, 3, 3));
    EXPECT_TRUE(ink_in(*canvas, 100, 100, 400, 148).any());
}

TEST(Canvas, EachCharacterStaysInItsCell) {
    auto canvas = fresh_canvas();
    // Size 16, magnification 2: a one-byte cell is 16 wide, a two-byte one 32.
    canvas->draw(text_op(100, 100, "Hあ1", "ｺﾞｼｯｸ", 16, 2, 2));
    const Ink narrow = ink_in(*canvas, 90, 95, 116, 140);
    const Ink wide = ink_in(*canvas, 116, 95, 148, 140);
    const Ink digit = ink_in(*canvas, 148, 95, 180, 140);
    ASSERT_TRUE(narrow.any() && wide.any() && digit.any());
    EXPECT_GE(narrow.left, 100);
    EXPECT_GT(narrow.right - narrow.left, 6);
    EXPECT_GT(wide.left, 116);
    EXPECT_GT(wide.right - wide.left, 20);  // more than a one-byte cell
    EXPECT_GT(digit.left, 148);
    EXPECT_LT(digit.right, 164);
    for (const Ink& ink : {narrow, wide, digit}) {
        EXPECT_GE(ink.top, 100);
        EXPECT_LT(ink.bottom, 132);
    }
    // Half-width katakana is one byte: one narrow cell.
    canvas->draw(text_op(300, 100, "ﾀ", "ｺﾞｼｯｸ", 16, 2, 2));
    const Ink kana = ink_in(*canvas, 290, 95, 340, 140);
    ASSERT_TRUE(kana.any());
    EXPECT_GE(kana.left, 300);
    EXPECT_LE(kana.right, 315);
}

int dark_pixels(const Canvas& c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) n += (c.pixel(x, y) & 0xFF) < 0x80;
    }
    return n;
}

// How far right the ink of the top half of a band lies against that of its
// bottom half (centroids).
double lean(const Canvas& c, int x0, int y0, int x1, int y1) {
    double sum[2] = {0, 0}, count[2] = {0, 0};
    const int middle = (y0 + y1) / 2;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if ((c.pixel(x, y) & 0xFF) < 0x80) sum[y < middle] += x, count[y < middle] += 1;
        }
    }
    return sum[1] / count[1] - sum[0] / count[0];
}

TEST(Canvas, BoldAndItalicAreDrawnWhereTheFaceHasNeither) {
    // The Gothic face has neither bold nor italic; they are synthesised.
    auto canvas = fresh_canvas();
    DrawOp plain = text_op(100, 100, "比例", "ゴシック", 16, 2, 2);
    DrawOp bold = plain, italic = plain;
    bold.y1 = 200, bold.bold = true;
    italic.y1 = 300, italic.italic = true;
    for (const DrawOp& op : {plain, bold, italic}) canvas->draw(op);
    const int thin = dark_pixels(*canvas, 95, 95, 175, 140);
    const int heavy = dark_pixels(*canvas, 95, 195, 175, 240);
    EXPECT_GT(heavy, thin * 6 / 5);
    EXPECT_GT(lean(*canvas, 95, 295, 175, 335), lean(*canvas, 95, 95, 175, 135) + 2);
}

TEST(Canvas, FormulaGlyphsShareOneBaseline) {
    auto canvas = fresh_canvas();
    // A digit, an italic serif letter and a script ell as the formula
    // typesetter places them at pen y = 300 (ordinary size) ...
    canvas->draw(text_op(100, 300, "6", "ゴシック", 16, 3, 3));
    canvas->draw(text_op(131, 300 - 22, "x", "Times New Roman", 8, 10, 7, true));
    canvas->draw(text_op(200, 300, "l", "MT Extra", 16, 6, 3));
    const int digit = baseline_row(*canvas, 100, 280, 124, 380);
    const int letter = baseline_row(*canvas, 131, 270, 171, 380);
    const int ell = baseline_row(*canvas, 200, 280, 248, 380);
    ASSERT_GT(digit, 0);
    EXPECT_NEAR(letter, digit, 2);
    EXPECT_NEAR(ell, digit, 2);
    // ... and inside a fraction.
    canvas->draw(text_op(400, 500, "6", "ゴシック", 16, 4, 2));
    canvas->draw(text_op(436, 500 - 16, "x", "Times New Roman", 8, 12, 5, true));
    const int small_digit = baseline_row(*canvas, 400, 480, 432, 560);
    const int small_letter = baseline_row(*canvas, 436, 470, 484, 560);
    ASSERT_GT(small_digit, 0);
    EXPECT_NEAR(small_letter, small_digit, 2);
}

double luminance(std::uint32_t argb) {
    auto channel = [](std::uint32_t v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((argb >> 16) & 0xFF) + 0.7152 * channel((argb >> 8) & 0xFF) +
           0.0722 * channel(argb & 0xFF);
}

// The palette as the canvas paints it: one filled box of each colour.
struct Painted {
    std::uint32_t colour[16];
};

Painted painted_palette() {
    auto canvas = fresh_canvas();
    Painted p{};
    for (int i = 0; i < 16; ++i) {
        canvas->draw(box_op(10 + 20 * i, 10, 19 + 20 * i, 19, i, i, 1));
        p.colour[i] = canvas->pixel(15 + 20 * i, 15);
    }
    return p;
}

std::uint8_t red(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
std::uint8_t green(std::uint32_t argb) { return (argb >> 8) & 0xFF; }
std::uint8_t blue(std::uint32_t argb) { return argb & 0xFF; }

// Every (text colour, background) pair that the four programs draw, as
// lesson_functions draws it and as the design of the other three has it:
// 4.5:1 or better, pair by pair.
TEST(Canvas, EveryTextColourIsLegibleOnItsBackground) {
    const Painted p = painted_palette();
    EXPECT_EQ(p.colour[15], kWhitePixel);
    for (int i = 0; i < 15; ++i) EXPECT_NE(p.colour[i], kWhitePixel) << i;
    struct Pair {
        int text, background;
    };
    const Pair pairs[] = {
        {0, 15},   // plain text on white, every page; the number field's label
        {3, 15},   // formulas, titles, key terms; a graph's label in its colour
        {5, 15},   // answers; the number field's echo; summary headings
        {7, 15},   // headings, notes, textbook pointers; a graph's label
        {13, 10},  // odd menu items on the menu panel
        {15, 10},  // the menu header and the even menu items
        {9, 4},    // the key-wait box and the bottom bar's message box
        {9, 12},   // the box of "次のステップは１を入力。" after a drill
        {0, 13},   // header cells (P122 基本の問題, コピー用紙), the depth table, slides
        {5, 13},   // the depth table's answers, the domain answer box, a highlighted column
        {3, 13},   // the point P of a chapter problem over its filled triangle ABP
        {0, 11},   // the depth numbers over the pool's water; the odd slides
        {13, 3},   // the number badges of the basic problems
        {13, 6},   // the highlighted x cell of lesson_direct's table of y=-3x
        {5, 14},   // the highlighted y cell below it
    };
    for (const Pair& pair : pairs) {
        const double a = luminance(p.colour[pair.text]);
        const double b = luminance(p.colour[pair.background]);
        const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        EXPECT_GE(ratio, 4.5) << "colour " << pair.text << " on " << pair.background;
    }
}

// The colours tuned for legibility stay recognisably themselves.
TEST(Canvas, TunedColoursKeepTheirHues) {
    const Painted p = painted_palette();
    // 5 a strong magenta: red and blue alike and strong, no green.
    const std::uint32_t magenta = p.colour[5];
    EXPECT_GE(red(magenta), 0x80);
    EXPECT_NEAR(red(magenta), blue(magenta), 0x10);
    EXPECT_LE(green(magenta), 0x10);
    // 13 a light pink: light, green the weakest, red the strongest.
    const std::uint32_t pink = p.colour[13];
    EXPECT_GE(luminance(pink), 0.5);
    EXPECT_LT(green(pink), blue(pink));
    EXPECT_GE(red(pink), blue(pink));
    // 6 a brown: red over green over blue.
    const std::uint32_t brown = p.colour[6];
    EXPECT_GT(red(brown), green(brown));
    EXPECT_GT(green(brown), blue(brown));
}

TEST(Canvas, ArcRunsClockwiseFromItsStartFraction) {
    auto canvas = fresh_canvas();
    DrawOp arc;
    arc.kind = DrawOp::Kind::Circle;
    arc.x1 = 300, arc.y1 = 300, arc.r = 50, arc.start = 0.75f, arc.end = 1.0f;
    arc.colour = 0, arc.width = 3;
    canvas->draw(arc);
    // From straight up, clockwise on the screen, to the right: the top-right
    // quarter only.
    EXPECT_NE(canvas->pixel(335, 265), kWhitePixel);
    EXPECT_NE(canvas->pixel(300, 250), kWhitePixel);
    EXPECT_NE(canvas->pixel(350, 300), kWhitePixel);
    EXPECT_FALSE(ink_in(*canvas, 240, 240, 296, 360).any());  // left half
    EXPECT_FALSE(ink_in(*canvas, 240, 304, 360, 360).any());  // bottom half

    // A filled sector reaches into its centre; a filled circle is a dot.
    arc.y1 = 500, arc.start = 0.25f, arc.end = 0.5f, arc.fill = 12;
    canvas->draw(arc);
    EXPECT_NE(canvas->pixel(290, 510), kWhitePixel);
    EXPECT_EQ(canvas->pixel(310, 510), kWhitePixel);
    DrawOp dot = arc;
    dot.x1 = 600, dot.start = 0, dot.end = 0, dot.r = 4, dot.fill = 0;
    canvas->draw(dot);
    EXPECT_NE(canvas->pixel(600, 500), kWhitePixel);
    EXPECT_EQ(canvas->pixel(610, 500), kWhitePixel);
}

// A dot of a dotted arc: radius 0.5 at draw width 5. It is a solid disc
// about as wide as the pen, in its colour through the middle, not a ring.
TEST(Canvas, ASmallFilledDotIsASolidDisc) {
    const Painted p = painted_palette();
    auto canvas = fresh_canvas();
    DrawOp dot;
    dot.kind = DrawOp::Kind::Circle;
    dot.x1 = 200, dot.y1 = 200, dot.r = 0.5f, dot.colour = 3, dot.fill = 3, dot.width = 5;
    canvas->draw(dot);
    for (int d = -1; d <= 1; ++d) {
        EXPECT_EQ(canvas->pixel(200 + d, 200), p.colour[3]) << d;
        EXPECT_EQ(canvas->pixel(200, 200 + d), p.colour[3]) << d;
    }
    EXPECT_NE(canvas->pixel(202, 200), kWhitePixel);
    EXPECT_NE(canvas->pixel(198, 200), kWhitePixel);
    const Ink ink = ink_in(*canvas, 190, 190, 211, 211);
    EXPECT_NEAR(ink.right - ink.left + 1, 5, 2);
    EXPECT_NEAR(ink.bottom - ink.top + 1, 5, 2);

    // A graph's dot (radius 1 at width 3) and an outline dot alike.
    dot.x1 = 300, dot.r = 1, dot.width = 3, dot.colour = 5, dot.fill = 5;
    canvas->draw(dot);
    EXPECT_EQ(canvas->pixel(300, 200), p.colour[5]);
    dot.x1 = 400, dot.r = 0.5f, dot.width = 5, dot.fill = rt::kNoFill;
    canvas->draw(dot);
    EXPECT_EQ(canvas->pixel(400, 200), p.colour[5]);
}

DrawOp dot_op(float x, float y, int colour) {
    return test_support::circle_op(x, y, 1, colour, colour, 5);
}

// A graph's dot (radius 1 at width 5, a disc of radius 3.5) covers the area
// of its disc wherever it stands within a pixel, and none outside it.
TEST(Canvas, AGraphDotCoversTheAreaOfItsDisc) {
    auto canvas = fresh_canvas();
    const float offsets[] = {0, 0.13f, 0.5f, 0.77f, 0.999f};
    int n = 0;
    for (float fx : offsets) {
        for (float fy : offsets) {
            const int x0 = 40 + 20 * (n % 30), y0 = 40 + 20 * (n / 30);
            canvas->draw(dot_op(static_cast<float>(x0) + fx, static_cast<float>(y0) + fy, 0));
            double covered = 0;
            for (int y = y0 - 8; y <= y0 + 8; ++y)
                for (int x = x0 - 8; x <= x0 + 8; ++x) covered += 1 - red(canvas->pixel(x, y)) / 255.0;
            EXPECT_NEAR(covered, 3.14159 * 3.5 * 3.5, 1.0) << fx << "," << fy;
            const Ink ink = ink_in(*canvas, x0 - 9, y0 - 9, x0 + 10, y0 + 10);
            EXPECT_GE(ink.left, x0 - 4);
            EXPECT_LE(ink.right, x0 + 5);
            EXPECT_EQ(canvas->pixel(x0, y0), 0xFF000000u);
            ++n;
        }
    }
    // A dot drawn twice on one spot darkens its fringe as two fills would.
    auto once = fresh_canvas(), twice = fresh_canvas();
    once->draw(dot_op(800.3f, 500.3f, 0));
    for (int i = 0; i < 2; ++i) twice->draw(dot_op(800.3f, 500.3f, 0));
    int fringe = 0;
    for (int x = 795; x <= 806; ++x) {
        const double single = red(once->pixel(x, 500)) / 255.0, doubled = red(twice->pixel(x, 500)) / 255.0;
        if (single <= 0.05 || single >= 0.95) continue;
        EXPECT_NEAR(doubled, single * single, 0.01) << x;
        ++fringe;
    }
    EXPECT_GE(fringe, 2);

    // Part off the canvas is cut; wholly off, nothing is drawn.
    canvas->draw(dot_op(0.2f, 800, 0));
    EXPECT_EQ(canvas->pixel(0, 800), 0xFF000000u);
    canvas->draw(dot_op(-1e9f, 1e9f, 0));
}

// Dots wait to be blended together; whatever is drawn or read next sees them
// drawn, in their order.
TEST(Canvas, GraphDotsKeepTheirOrderWithOtherDrawing) {
    const Painted p = painted_palette();
    auto canvas = fresh_canvas();
    canvas->draw(dot_op(500, 500, 3));
    canvas->draw(box_op(490, 490, 510, 510, 15, 15, 1));
    EXPECT_EQ(canvas->pixel(500, 500), kWhitePixel);

    canvas->draw(box_op(590, 490, 620, 510, 14, 14, 1));
    canvas->draw(dot_op(600, 500, 5));
    EXPECT_EQ(canvas->pixel(600, 500), p.colour[5]);
    EXPECT_NE(canvas->pixel(597, 500), kWhitePixel);  // the fringe lies on the yellow

    canvas->draw(dot_op(700, 500, 3));
    canvas->draw(dot_op(700, 500, 5));
    EXPECT_EQ(canvas->pixel(700, 500), p.colour[5]);

    // A trail of 2000 dots 0.05 px apart is one solid band 7 px wide.
    for (int i = 0; i < 2000; ++i) canvas->draw(dot_op(100 + 0.05f * static_cast<float>(i), 700, 3));
    for (int x = 100; x <= 200; x += 10) {
        for (int d = -2; d <= 2; ++d) EXPECT_EQ(canvas->pixel(x, 700 + d), p.colour[3]) << x << "," << d;
    }
    const Ink ink = ink_in(*canvas, 80, 680, 230, 720);
    EXPECT_NEAR(ink.left, 97, 1);
    EXPECT_NEAR(ink.right, 203, 1);
    EXPECT_NEAR(ink.bottom - ink.top + 1, 8, 1);
}

TEST(Canvas, WritesThePictureAsPng) {
    auto canvas = fresh_canvas();
    canvas->draw(box_op(0, 0, 9, 9, 3, 3, 1));
    const std::string path = ::testing::TempDir() + "canvas_test.png";
    std::remove(path.c_str());
    ASSERT_TRUE(canvas->write_png(path));
    cairo_surface_t* back = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(back), rt::kScreenWidth);
    EXPECT_EQ(cairo_image_surface_get_height(back), rt::kScreenHeight);
    const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(back));
    EXPECT_EQ(data[5 * rt::kScreenWidth + 5], canvas->pixel(5, 5));
    EXPECT_EQ(data[20 * rt::kScreenWidth + 20], kWhitePixel);
    cairo_surface_destroy(back);
    std::remove(path.c_str());
}

TEST(Canvas, WithoutAJapaneseFaceStartUpNamesThePackageToInstall) {
    FcInit();
    FcConfig* saved = FcConfigReference(nullptr);
    FcConfig* empty = FcConfigCreate();  // no font directories at all
    FcConfigBuildFonts(empty);
    FcConfigSetCurrent(empty);
    FcConfigDestroy(empty);  // the current configuration keeps it alive
    try {
        Canvas::create();
        ADD_FAILURE() << "a canvas started without a Japanese face";
    } catch (const rt::detail::StartupFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("fonts-ipafont-gothic"), std::string::npos)
            << failure.what();
    }
    FcConfigSetCurrent(saved);
    FcConfigDestroy(saved);
    EXPECT_NE(Canvas::create(), nullptr);
}

// The window on SDL's dummy video driver, which needs no display; key
// presses are fed in as SDL events.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        try {
            window = rt::detail::Window::open();
        } catch (const rt::detail::StartupFailure& e) {
            GTEST_SKIP() << e.what();
        }
    }
    void TearDown() override {
        window.reset();
        unsetenv("SDL_VIDEODRIVER");
    }
    static void press(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }
    std::unique_ptr<rt::detail::Window> window;
};

TEST_F(WindowTest, KeysArriveAsTheCodesTheProgramsRead) {
    auto canvas = fresh_canvas();
    window->present(*canvas, rt::detail::Region{0, 0, rt::kScreenWidth, rt::kScreenHeight});
    EXPECT_EQ(window->poll_key(0), std::nullopt);
    const struct {
        SDL_Keycode sym;
        Uint16 mod;
        std::optional<int> code;
    } cases[] = {
        {SDLK_RIGHT, KMOD_NONE, 28},  {SDLK_LEFT, KMOD_NONE, 29},
        {SDLK_RETURN, KMOD_NONE, 13}, {SDLK_KP_ENTER, KMOD_NONE, 13},
        {SDLK_BACKSPACE, KMOD_NONE, 8}, {SDLK_DELETE, KMOD_NONE, 12},
        {SDLK_ESCAPE, KMOD_NONE, 27}, {SDLK_7, KMOD_NONE, '7'},
        {SDLK_KP_7, KMOD_NONE, '7'},  {SDLK_MINUS, KMOD_NONE, '-'},
        {SDLK_PERIOD, KMOD_NONE, '.'}, {SDLK_SLASH, KMOD_NONE, '/'},
        {SDLK_a, KMOD_NONE, 'a'},     {SDLK_a, KMOD_LSHIFT, 'A'},
        {SDLK_a, KMOD_CAPS, 'A'},     {SDLK_1, KMOD_LSHIFT, '!'},
        {SDLK_c, KMOD_LCTRL, std::nullopt}, {SDLK_F1, KMOD_NONE, std::nullopt},
    };
    for (const auto& c : cases) {
        press(c.sym, c.mod);
        EXPECT_EQ(window->poll_key(0), c.code) << SDL_GetKeyName(c.sym) << " mod " << c.mod;
    }
    // Keys pressed before a poll wait in order.
    press(SDLK_1);
    press(SDLK_2);
    EXPECT_EQ(window->poll_key(0), '1');
    EXPECT_EQ(window->poll_key(10), '2');
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgram) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    try {
        window->poll_key(100);
        ADD_FAILURE() << "closing did not end the program";
    } catch (const rt::ProgramExit& exit) {
        EXPECT_EQ(exit.status, 0);
    }
}

}  // namespace

namespace {

TEST(WindowWithoutDisplay, StartUpSaysThereIsNoDisplay) {
    // SDL would fall back to a driver that shows nothing; the program must
    // say so and stop instead of running invisibly.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    try {
        auto window = rt::detail::Window::open();
        FAIL() << "a window opened without a display";
    } catch (const rt::detail::StartupFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("no display"), std::string::npos) << failure.what();
    }
}

}  // namespace
