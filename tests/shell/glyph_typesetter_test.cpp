// The glyph typesetter and the compact text writer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "support/headless_shell.hpp"

namespace {

using rt::DrawOp;
using test_support::HeadlessShell;
using test_support::ops_of;
using test_support::run_headless;
using test_support::visible_texts;

// Runs `body` on a fresh shell with the pen at (x, y), colour 0, width 3.
struct Typeset {
    HeadlessShell s;
    test_support::HeadlessRun run;
    Typeset(float x, float y, const std::function<void(HeadlessShell&)>& body) {
        run = run_headless([&] {
            rt::SET_DRAW_WIDTH(3);
            s.X = x;
            s.Y = y;
            s.CCC1 = 0;
            body(s);
            width_after = rt::GET_DRAW_WIDTH();
        });
        EXPECT_FALSE(run.error.has_value()) << *run.error;
    }
    int width_after = 0;  // the draw width once the body has run
    std::vector<DrawOp> texts() const { return visible_texts(run.ops); }
    std::vector<DrawOp> lines() const { return ops_of(run.ops, DrawOp::Kind::Line); }
    std::vector<DrawOp> polylines() const { return ops_of(run.ops, DrawOp::Kind::Polyline); }
};

// Draws `piece` as one piece of the typesetter.
std::function<void(HeadlessShell&)> piece(const std::string& text, float bun = 0) {
    return [text, bun](HeadlessShell& s) {
        s.BUN = bun;
        s.A_S = text;
        s.RENDER_GLYPHS();
    };
}

std::function<void(HeadlessShell&)> formula(const std::string& text) {
    return [text](HeadlessShell& s) {
        s.AA_S = text;
        s.TEXT_OUT();
    };
}

void expect_points(const DrawOp& op, const std::vector<rt::Point>& expected) {
    ASSERT_EQ(op.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_FLOAT_EQ(op.points[i].x, expected[i].x) << "point " << i;
        EXPECT_FLOAT_EQ(op.points[i].y, expected[i].y) << "point " << i;
    }
}

TEST(GlyphTypesetter, ItalicLetterThenSuperscript) {
    Typeset t(100, 200, formula("x^2"));
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "x");
    EXPECT_FLOAT_EQ(texts[0].x1, 104);
    EXPECT_FLOAT_EQ(texts[0].y1, 178);
    EXPECT_EQ(texts[0].font, "Times New Roman");
    EXPECT_FLOAT_EQ(texts[0].size, 8);
    EXPECT_TRUE(texts[0].italic);
    EXPECT_FLOAT_EQ(texts[0].h, 10);
    EXPECT_FLOAT_EQ(texts[0].v, 7);
    EXPECT_EQ(texts[1].text, "2");
    EXPECT_FLOAT_EQ(texts[1].x1, 127);
    EXPECT_FLOAT_EQ(texts[1].y1, 200);
    EXPECT_EQ(texts[1].font, "ゴシック");
    EXPECT_FALSE(texts[1].italic);
    EXPECT_FLOAT_EQ(texts[1].h, 3);
    EXPECT_FLOAT_EQ(texts[1].v, 2);
    EXPECT_FLOAT_EQ(t.s.X, 151);
    EXPECT_FLOAT_EQ(t.s.JYOU, 0);
}

TEST(GlyphTypesetter, RootOverlineGrowsUntilClosed) {
    // The same characters one at a time through the writer, or as one piece.
    for (const auto& body : {formula("!2ﾝ3"), piece("!2ﾝ3")}) {
        Typeset t(0, 0, body);
        const auto polylines = t.polylines();
        ASSERT_EQ(polylines.size(), 1u);
        expect_points(polylines[0], {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}});
        EXPECT_EQ(polylines[0].width, 3);
        const auto texts = t.texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_FLOAT_EQ(texts[0].x1, 28);
        EXPECT_FLOAT_EQ(texts[1].x1, 55);
        const auto lines = t.lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_FLOAT_EQ(lines[0].x1, 28);
        EXPECT_FLOAT_EQ(lines[0].y1, -4);
        EXPECT_FLOAT_EQ(lines[0].x2, 55);
        EXPECT_FLOAT_EQ(lines[0].y2, -4);
        EXPECT_FLOAT_EQ(t.s.X, 82);
        EXPECT_FLOAT_EQ(t.s.Y, 0);
        EXPECT_FLOAT_EQ(t.s.TXM, 82);
        EXPECT_FLOAT_EQ(t.s.HROOT, 0);
    }
    // Each glyph under the root redraws the overline from the sign.
    Typeset longer(0, 100, formula("!12"));
    const auto lines = longer.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FLOAT_EQ(lines[1].x1, 28);
    EXPECT_FLOAT_EQ(lines[1].x2, 82);
}

TEST(GlyphTypesetter, SmallRootInsideAFraction) {
    Typeset t(10, 100, piece("√3", 1));
    const auto polylines = t.polylines();
    ASSERT_EQ(polylines.size(), 1u);
    expect_points(polylines[0], {{14, 124}, {18, 113}, {26, 129}, {34, 94}, {36, 94}});
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FLOAT_EQ(texts[0].x1, 36);
    EXPECT_FLOAT_EQ(texts[0].h, 4);
    EXPECT_FLOAT_EQ(texts[0].v, 2);
    const auto lines = t.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, 36);
    EXPECT_FLOAT_EQ(lines[0].y1, 94);
    EXPECT_FLOAT_EQ(lines[0].x2, 68);
    EXPECT_FLOAT_EQ(t.s.HROOT, 11);

    // The tall root's overline is drawn by the fraction itself, not by its parts.
    Typeset tall(0, 100, [](HeadlessShell& s) {
        s.HROOT = 22;
        piece("12", 1)(s);
    });
    EXPECT_TRUE(tall.lines().empty());
    EXPECT_FLOAT_EQ(tall.s.TXM, 64);
}

TEST(GlyphTypesetter, SubstitutedSigns) {
    Typeset t(100, 100, piece("%*/@"));
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "°");
    EXPECT_FLOAT_EQ(texts[0].x1, 100);
    EXPECT_EQ(texts[1].text, "×");
    EXPECT_FLOAT_EQ(texts[1].x1, 108);  // 4 left of the pen after the 12 of "°"
    EXPECT_FLOAT_EQ(texts[1].h, 2);
    EXPECT_EQ(texts[2].text, "÷");
    EXPECT_EQ(texts[3].text, "±");
    EXPECT_FLOAT_EQ(t.s.X, 100 + 12 + 27 * 3);

    Typeset inside(0, 100, piece("*/", 1));
    const auto signs = inside.texts();
    ASSERT_EQ(signs.size(), 2u);
    EXPECT_FLOAT_EQ(signs[0].size, 11);
    EXPECT_FLOAT_EQ(signs[0].h, 3);
    EXPECT_FLOAT_EQ(signs[1].x1, 38);
    EXPECT_FLOAT_EQ(inside.s.X, 76);
}

TEST(GlyphTypesetter, MinusAndPlusAreDrawnAsLines) {
    Typeset t(0, 100, piece("-+"));
    const auto lines = t.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(lines[0].x1, 4);
    EXPECT_FLOAT_EQ(lines[0].y1, 120);
    EXPECT_FLOAT_EQ(lines[0].x2, 23);
    EXPECT_FLOAT_EQ(lines[1].y1, 122);
    EXPECT_FLOAT_EQ(lines[2].x1, 27 + 13);
    EXPECT_FLOAT_EQ(lines[2].y2, 134);
    for (const DrawOp& line : lines) EXPECT_EQ(line.width, 5);
    EXPECT_TRUE(t.texts().empty());
    EXPECT_EQ(t.width_after, 3);

    Typeset small(0, 100, piece("-+", 1));
    ASSERT_EQ(small.lines().size(), 3u);
    EXPECT_FLOAT_EQ(small.lines()[2].x1, 32 + 16);
    EXPECT_FLOAT_EQ(small.s.X, 64);

    // A pending superscript takes the sign as text.
    Typeset raised(0, 100, piece("^-"));
    EXPECT_TRUE(raised.lines().empty());
    ASSERT_EQ(raised.texts().size(), 1u);
    EXPECT_EQ(raised.texts()[0].text, "-");
    EXPECT_FLOAT_EQ(raised.s.X, 24);
}

TEST(GlyphTypesetter, PendingMarksAndTheirOrder) {
    // "\" and "^" both pending: the small raised glyph comes first.
    Typeset t(0, 100, piece("\\^56"));
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[0].y1, 90);
    EXPECT_FLOAT_EQ(texts[0].size, 8);
    EXPECT_FLOAT_EQ(texts[0].h, 6);
    EXPECT_FLOAT_EQ(texts[1].x1, 24);
    EXPECT_FLOAT_EQ(texts[1].v, 2);
    EXPECT_FLOAT_EQ(t.s.X, 48);

    // A stop leaves the superscript pending; the letter after it is raised,
    // drawn upright in the Gothic face.
    Typeset stop(0, 100, piece("^.x"));
    ASSERT_EQ(stop.texts().size(), 2u);
    EXPECT_FLOAT_EQ(stop.texts()[0].y1, 114);
    EXPECT_EQ(stop.texts()[1].font, "ゴシック");
    EXPECT_FALSE(stop.texts()[1].italic);
    EXPECT_FLOAT_EQ(stop.s.X, 8 + 24);

    // Superscript inside a fraction.
    Typeset frac(0, 100, piece("^2", 1));
    ASSERT_EQ(frac.texts().size(), 1u);
    EXPECT_FLOAT_EQ(frac.texts()[0].y1, 96);
    EXPECT_FLOAT_EQ(frac.texts()[0].size, 8);

    // A full-width character takes a pending superscript too.
    Typeset wide(0, 100, piece("^あい"));
    ASSERT_EQ(wide.texts().size(), 2u);
    EXPECT_FLOAT_EQ(wide.texts()[0].v, 2);
    EXPECT_FLOAT_EQ(wide.texts()[1].x1, 24);
    EXPECT_FLOAT_EQ(wide.texts()[1].h, 2);
    EXPECT_FLOAT_EQ(wide.s.X, 24 + 34);
}

TEST(GlyphTypesetter, EmptyPieceRunsOnePass) {
    Typeset plain(0, 100, piece(""));
    EXPECT_FLOAT_EQ(plain.s.X, 27);
    Typeset frac(0, 100, piece("", 1));
    EXPECT_FLOAT_EQ(frac.s.X, 32);
    Typeset raised(0, 100, [](HeadlessShell& s) {
        s.JYOUK = 1;
        s.JYOU = 1;
        piece("")(s);
    });
    EXPECT_FLOAT_EQ(raised.s.X, 24);
    EXPECT_FLOAT_EQ(raised.s.JYOUK, 0);
    EXPECT_FLOAT_EQ(raised.s.JYOU, 1);
}

TEST(GlyphTypesetter, TallParenthesesOnlyForTheFirstPair) {
    Typeset t(0, 100, [](HeadlessShell& s) {
        s.KAKKO = 1;
        formula("(a)(b)")(s);
    });
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_FLOAT_EQ(texts[0].x1, -4);
    EXPECT_FLOAT_EQ(texts[0].y1, 94);
    EXPECT_FLOAT_EQ(texts[0].v, 4);
    EXPECT_FLOAT_EQ(texts[2].x1, 54 + 6);
    EXPECT_FLOAT_EQ(texts[2].v, 4);
    EXPECT_FLOAT_EQ(texts[3].x1, 81);
    EXPECT_FLOAT_EQ(texts[3].y1, 100);
    EXPECT_FLOAT_EQ(texts[3].v, 3);
    EXPECT_FLOAT_EQ(texts[5].v, 3);
    EXPECT_FLOAT_EQ(t.s.KAKKO, 0);
    EXPECT_FLOAT_EQ(t.s.X, 27 * 6);
}

TEST(GlyphTypesetter, ScriptEllDropsBoldUntilEquals) {
    Typeset t(0, 100, piece("l2=3"));
    const auto texts = t.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].font, "MT Extra");
    EXPECT_TRUE(texts[0].bold);
    EXPECT_FLOAT_EQ(texts[0].h, 6);
    EXPECT_FALSE(texts[1].bold);
    EXPECT_FLOAT_EQ(texts[1].x1, 32);
    EXPECT_TRUE(texts[2].bold);
    EXPECT_TRUE(texts[3].bold);
    EXPECT_FLOAT_EQ(t.s.X, 32 + 27 + 32 + 27);
}

TEST(GlyphTypesetter, ParallelogramsRestartTheOverline) {
    Typeset t(0, 100, piece("!&2＃"));
    const auto polylines = t.polylines();
    ASSERT_EQ(polylines.size(), 3u);
    expect_points(polylines[1], {{32, 140}, {53, 140}, {60, 108}, {39, 108}, {32, 140}});
    EXPECT_EQ(polylines[1].width, 5);
    expect_points(polylines[2], {{101, 108}, {95, 136}, {117, 136}, {123, 108}, {101, 108}});
    const auto lines = t.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, 64);  // after the "&", not from the root sign
    EXPECT_FLOAT_EQ(lines[0].x2, 91);
    EXPECT_FLOAT_EQ(t.s.X, 127);
    EXPECT_EQ(t.width_after, 3);
}

TEST(CompactText, AdvancesAndPlaces) {
    Typeset parens(100, 200, [](HeadlessShell& s) {
        s.AA_S = "(3)";
        s.PRINT_COMPACT();
    });
    auto texts = parens.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_FLOAT_EQ(texts[0].x1, 92);
    EXPECT_FLOAT_EQ(texts[1].x1, 112);
    EXPECT_FLOAT_EQ(texts[2].x1, 132);
    for (const DrawOp& t : texts) {
        EXPECT_TRUE(t.bold);
        EXPECT_FLOAT_EQ(t.size, 15);
        EXPECT_FLOAT_EQ(t.h, 3);
        EXPECT_FLOAT_EQ(t.v, 2);
    }
    EXPECT_FLOAT_EQ(parens.s.X, 140);
    EXPECT_EQ(parens.s.A_S, ")");
    EXPECT_EQ(parens.s.R_S, ")");
    EXPECT_FLOAT_EQ(parens.s.I, 2);

    Typeset letters(100, 200, [](HeadlessShell& s) {
        s.AA_S = "x=3";
        s.PRINT_COMPACT();
    });
    texts = letters.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font, "Times New Roman");
    EXPECT_TRUE(texts[0].italic);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_FLOAT_EQ(texts[0].x1, 104);
    EXPECT_FLOAT_EQ(texts[0].y1, 188);
    EXPECT_FLOAT_EQ(texts[0].h, 7);
    EXPECT_EQ(texts[1].font, "ゴシック");
    EXPECT_FLOAT_EQ(texts[1].size, 15);
    EXPECT_FLOAT_EQ(texts[1].x1, 120);
    EXPECT_FLOAT_EQ(texts[2].x1, 140);
    EXPECT_FLOAT_EQ(letters.s.X, 160);

    Typeset mixed(100, 200, [](HeadlessShell& s) {
        s.AA_S = "y a,　ｱ";
        s.PRINT_COMPACT();
    });
    texts = mixed.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_FLOAT_EQ(texts[0].y1, 194);
    EXPECT_FLOAT_EQ(texts[1].x1, 144);  // "a" after the blank's 20
    EXPECT_FLOAT_EQ(texts[2].x1, 160);
    EXPECT_FLOAT_EQ(texts[3].h, 2);     // the full-width blank is drawn
    EXPECT_FLOAT_EQ(texts[4].x1, 198);  // half-width kana: the last row
    EXPECT_FLOAT_EQ(mixed.s.X, 218);
    EXPECT_FLOAT_EQ(mixed.s.Y, 200);

    Typeset empty(100, 200, [](HeadlessShell& s) {
        rt::SET_DRAW_WIDTH(6);
        s.AA_S = "";
        s.PRINT_COMPACT();
        EXPECT_EQ(rt::GET_DRAW_WIDTH(), 6);
    });
    EXPECT_TRUE(empty.texts().empty());
    EXPECT_FLOAT_EQ(empty.s.X, 100);
}

}  // namespace
