// The formula text writer, text measuring and stacked fractions.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "support/headless_shell.hpp"

namespace {

using rt::DrawOp;
using test_support::HeadlessShell;
using test_support::ops_of;
using test_support::run_headless;
using test_support::visible_texts;

// Writes `text` through TEXT_OUT at (x, y) in colour 0 with draw width 3.
struct Written {
    HeadlessShell s;
    test_support::HeadlessRun run;
    Written(const std::string& text, float x, float y,
            const std::function<void(HeadlessShell&)>& before = {}) {
        run = run_headless([&] {
            rt::SET_DRAW_WIDTH(3);
            s.AA_S = text;
            s.X = x;
            s.Y = y;
            s.CCC1 = 0;
            if (before) before(s);
            s.TEXT_OUT();
            width_after = rt::GET_DRAW_WIDTH();
        });
        EXPECT_FALSE(run.error.has_value()) << *run.error;
    }
    int width_after = 0;  // the draw width once the text is written
    std::vector<DrawOp> texts() const { return visible_texts(run.ops); }
    std::vector<DrawOp> lines() const { return ops_of(run.ops, DrawOp::Kind::Line); }
};

TEST(FormulaText, FractionAfterOrdinaryCharacters) {
    Written w("y=ﾀ6/xﾀ", 100, 300);
    EXPECT_FLOAT_EQ(w.s.X, 191);
    EXPECT_FLOAT_EQ(w.s.Y, 300);
    EXPECT_TRUE(w.s.AA_S.empty());
    EXPECT_FLOAT_EQ(w.s.BUN, 0);

    const auto texts = w.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "y");
    EXPECT_FLOAT_EQ(texts[0].x1, 100);
    EXPECT_FLOAT_EQ(texts[0].y1, 300);
    EXPECT_EQ(texts[1].text, "=");
    EXPECT_FLOAT_EQ(texts[1].x1, 131);
    EXPECT_FLOAT_EQ(texts[1].size, 14);
    EXPECT_TRUE(texts[1].bold);
    // The denominator is drawn before the numerator.
    EXPECT_EQ(texts[2].text, "x");
    EXPECT_FLOAT_EQ(texts[2].x1, 163);
    EXPECT_FLOAT_EQ(texts[2].y1, 312);
    EXPECT_EQ(texts[2].font, "Times New Roman");
    EXPECT_TRUE(texts[2].italic);
    EXPECT_FLOAT_EQ(texts[2].h, 12);
    EXPECT_FLOAT_EQ(texts[2].v, 5);
    EXPECT_EQ(texts[3].text, "6");
    EXPECT_FLOAT_EQ(texts[3].x1, 159);
    EXPECT_FLOAT_EQ(texts[3].y1, 290);
    EXPECT_FLOAT_EQ(texts[3].h, 4);
    EXPECT_FLOAT_EQ(texts[3].v, 2);

    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, 159);
    EXPECT_FLOAT_EQ(lines[0].y1, 325);
    EXPECT_FLOAT_EQ(lines[0].x2, 191);
    EXPECT_FLOAT_EQ(lines[0].y2, 325);
    EXPECT_EQ(lines[0].width, 4);
    EXPECT_EQ(w.width_after, 3);
}

TEST(FormulaText, FractionPartsAreCentredAndPlaced) {
    Written w("ﾀ24/xﾀ", 200, 100);
    EXPECT_FLOAT_EQ(w.s.X, 264);
    EXPECT_FLOAT_EQ(w.s.TBSI, 64);
    EXPECT_FLOAT_EQ(w.s.TBBO, 32);
    EXPECT_FLOAT_EQ(w.s.TBBOYAKX, 216);
    EXPECT_FLOAT_EQ(w.s.TBBOYAKY, 128);
    EXPECT_FLOAT_EQ(w.s.TBSIYAKX, 200);
    EXPECT_FLOAT_EQ(w.s.TBSIYAKY, 90);
    EXPECT_EQ(w.s.A_S, "24");  // the numerator of the last fraction
    const auto texts = w.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_FLOAT_EQ(texts[0].x1, 220);  // "x" 4 right of the denominator's pen
    EXPECT_FLOAT_EQ(texts[1].x1, 200);
    EXPECT_FLOAT_EQ(texts[2].x1, 232);

    // A stop is narrow inside a fraction too.
    Written stop("ﾀ1.5/2ﾀ", 0, 100);
    EXPECT_FLOAT_EQ(stop.s.TBSI, 72);
    EXPECT_FLOAT_EQ(stop.s.TBBO1, 20);
    // Blanks count with their advance; an odd difference of widths gives a
    // half-pixel offset, kept as it is.
    Written blanks("ﾀ   /xﾀ", 0, 100);
    EXPECT_FLOAT_EQ(blanks.s.NAGA, 81);
    EXPECT_FLOAT_EQ(blanks.texts()[0].x1, 28.5f);
}

TEST(FormulaText, SecondSlashAndSignsInsideAFraction) {
    Written w("ﾀ800*100/400ﾀ", 0, 100);
    // Six digits at 32 and a full-width "×" at 38 over three digits.
    EXPECT_FLOAT_EQ(w.s.TBSI, 230);
    EXPECT_FLOAT_EQ(w.s.TBBO, 96);
    EXPECT_FLOAT_EQ(w.s.TBBO1, 67);
    EXPECT_EQ(w.s.RTASKAI1_S, "800*100");
    bool times_seen = false;
    for (const DrawOp& t : w.texts()) {
        if (t.text != "×") continue;
        times_seen = true;
        EXPECT_FLOAT_EQ(t.size, 11);
        EXPECT_FLOAT_EQ(t.x1, 96);
    }
    EXPECT_TRUE(times_seen);

    Written two("ﾀ6/2/3ﾀ", 0, 100);
    EXPECT_EQ(two.s.RTASKAI1_S, "6");
    EXPECT_EQ(two.s.RTASKAI2_S, "2/3");
    EXPECT_FLOAT_EQ(two.s.TBBO, 32 + 38 + 32);
}

TEST(FormulaText, DenominatorDropsForRootsAndSuperscripts) {
    struct Case {
        const char* text;
        float y;
    };
    const Case cases[] = {
        {"ﾀ1/2ﾀ", 128},  {"ﾀ1/x^2ﾀ", 136}, {"ﾀ1/√2ﾀ", 144},
        {"ﾀ1/!2ﾀ", 136}, {"ﾀ!2/3ﾀ", 136},  {"ﾀ1/真ﾀ", 136},  // 真 holds the byte of "^"
    };
    for (const Case& c : cases) {
        Written w(c.text, 0, 100);
        EXPECT_FLOAT_EQ(w.s.TBBOYAKY, c.y) << rt::to_utf8(c.text);
        EXPECT_FLOAT_EQ(w.s.Y, 100) << rt::to_utf8(c.text);
    }
}

TEST(FormulaText, PieceWithoutSlashHasEmptyNumerator) {
    Written w("ﾀ12ﾀ", 50, 100);
    EXPECT_TRUE(w.s.RTASKAI1_S.empty());
    EXPECT_EQ(w.s.RTASKAI2_S, "12");
    EXPECT_FLOAT_EQ(w.s.X, 114);
    EXPECT_FLOAT_EQ(w.s.TBBOYAKY, 128);

    Written empty("aﾀﾀb", 50, 100);
    EXPECT_FLOAT_EQ(empty.s.X, 50 + 27 + 27);
    EXPECT_FLOAT_EQ(empty.s.BUN, 0);
    EXPECT_TRUE(empty.s.AA_S.empty());
}

TEST(FormulaText, UnclosedFractionMarkIsDropped) {
    Written w("ﾀ1/2", 0, 100);
    EXPECT_FLOAT_EQ(w.s.X, 81);
    const auto texts = w.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "÷");
    EXPECT_FLOAT_EQ(texts[1].x1, 23);
    EXPECT_FLOAT_EQ(texts[2].x1, 54);
    EXPECT_TRUE(w.lines().empty());
}

TEST(FormulaText, TallRootOverAFraction) {
    Written w("#ﾀ1/2ﾀﾝ3", 100, 300);
    const auto polylines = ops_of(w.run.ops, DrawOp::Kind::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    const std::vector<rt::Point> expected = {
        {104, 336}, {108, 324}, {116, 360}, {130, 286}, {138, 286}};
    ASSERT_EQ(polylines[0].points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_FLOAT_EQ(polylines[0].points[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(polylines[0].points[i].y, expected[i].y);
    }
    EXPECT_EQ(polylines[0].width, 3);
    EXPECT_EQ(polylines[0].fill, rt::kNoFill);

    // The bar, then the overline across the fraction at the height of the
    // sign's top stroke; nothing over the "3" after the "ﾝ".
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FLOAT_EQ(lines[0].y1, 325);
    EXPECT_FLOAT_EQ(lines[1].x1, 132);
    EXPECT_FLOAT_EQ(lines[1].y1, 286);
    EXPECT_FLOAT_EQ(lines[1].x2, 164);
    EXPECT_EQ(lines[1].width, 3);
    EXPECT_FLOAT_EQ(w.s.HROOT, 0);
    EXPECT_FLOAT_EQ(w.s.X, 191);
}

TEST(FormulaText, TallRootOverlineContinuesOverOrdinaryCharacters) {
    Written w("#2", 0, 100);
    const auto lines = w.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, 32);
    EXPECT_FLOAT_EQ(lines[0].x2, 59);
    EXPECT_FLOAT_EQ(lines[0].y1, 86);
    EXPECT_FLOAT_EQ(w.s.HROOT, 22);  // open until a later "ﾝ"
}

TEST(FormulaText, SuperscriptMarkCarriesIntoTheNextText) {
    HeadlessShell s;
    auto run = run_headless([&] {
        s.AA_S = "x^";
        s.X = 0;
        s.Y = 100;
        s.TEXT_OUT();
        EXPECT_FLOAT_EQ(s.JYOU, 1);
        s.AA_S = "3";
        s.TEXT_OUT();
    });
    const auto texts = visible_texts(run.ops);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[1].h, 3);
    EXPECT_FLOAT_EQ(texts[1].v, 2);
    EXPECT_FLOAT_EQ(s.X, 27 + 24);
    EXPECT_FLOAT_EQ(s.JYOU, 0);
}

TEST(FormulaText, MeasuringKeepsPenAndTextAndDrawsOutOfSight) {
    HeadlessShell s;
    auto run = run_headless([&] {
        s.X = 123;
        s.Y = 456;
        s.A_S = "ﾀ24/xﾀ";
        s.MEASURE_TEXT();
        EXPECT_FLOAT_EQ(s.LLT, 64);
        EXPECT_FLOAT_EQ(s.X, 123);
        EXPECT_FLOAT_EQ(s.Y, 456);
        EXPECT_EQ(s.A_S, "ﾀ24/xﾀ");
        EXPECT_TRUE(s.AA_S.empty());

        // A fraction after ordinary characters: the nested measuring of its
        // parts returns to the outer measuring's pen.
        s.A_S = "a+ﾀ24/xﾀ-1";
        s.MEASURE_TEXT();
        EXPECT_FLOAT_EQ(s.LLT, 27 + 27 + 64 + 27 + 27);
        EXPECT_EQ(s.A_S, "a+ﾀ24/xﾀ-1");
        EXPECT_FLOAT_EQ(s.X, 123);

        s.A_S = "";
        s.MEASURE_TEXT();
        EXPECT_FLOAT_EQ(s.LLT, 0);

        s.BUN = 1;
        s.A_S = "24";
        s.MEASURE_TEXT();
        EXPECT_FLOAT_EQ(s.LLT, 64);
        s.BUN = 0;

        s.KAKKO = 1;
        s.A_S = "(a)";
        s.MEASURE_TEXT();
        EXPECT_FLOAT_EQ(s.KAKKO, 0);
    });
    EXPECT_FALSE(run.error.has_value()) << *run.error;
    for (const DrawOp& op : run.ops) {
        if (op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::Line) {
            EXPECT_GT(op.y1, rt::kScreenHeight) << rt::to_utf8(op.text);
        }
    }
}

TEST(FormulaText, DrawWidthIsKeptWhateverTheText) {
    const char* texts[] = {"", "y=ﾀ6/xﾀ", "#ﾀ1/2ﾀﾝ", "!2ﾝ3", "&-+", "ﾀ1+a/-bﾀ", "x^2", "ﾀ√3/2ﾀ"};
    for (const char* text : texts) {
        HeadlessShell s;
        auto run = run_headless([&] {
            rt::SET_DRAW_WIDTH(5);
            s.AA_S = text;
            s.X = 10;
            s.Y = 100;
            s.TEXT_OUT();
            EXPECT_EQ(rt::GET_DRAW_WIDTH(), 5) << rt::to_utf8(text);
            EXPECT_FLOAT_EQ(s.DR, 5) << rt::to_utf8(text);
            EXPECT_FLOAT_EQ(s.Y, 100);
        });
        EXPECT_FALSE(run.error.has_value()) << *run.error;
    }
}

TEST(FormulaText, AnyByteStringIsWrittenWithoutFault) {
    // Broken CP932 (lone lead bytes, stray trail bytes) mixed with the marks.
    const std::string alphabet =
        std::string("ﾀ/#!^\\ﾝ%*@&()xal.= 12") + "\x81\x82\x93\xe3\xfc\x5e\x40\xff\x80\xa0";
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 14);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        HeadlessShell s;
        s.KAKKO = static_cast<float>(random() % 2);
        auto run = run_headless([&] {
            rt::SET_DRAW_WIDTH(2);
            s.AA_S = text;
            s.X = 0;
            s.Y = 100;
            s.TEXT_OUT();
            EXPECT_EQ(rt::GET_DRAW_WIDTH(), 2);
            s.A_S = text;
            s.MEASURE_TEXT();
        });
        EXPECT_FALSE(run.error.has_value()) << "round " << round << ": " << *run.error;
        EXPECT_TRUE(s.AA_S.empty());
        EXPECT_FLOAT_EQ(s.BUN, 0);
    }
}

}  // namespace
