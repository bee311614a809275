// The number field: echo positions, the clear keys and the ten-character
// wipe, the cursor dot, and the value of the typed text.
#include <gtest/gtest.h>

#include <cmath>

#include "support/headless_shell.hpp"

namespace {

using test_support::BoxSpec;
using test_support::Glyph;
using test_support::HeadlessShell;
using test_support::run_headless;

constexpr int kWhite = 15;
constexpr float kFieldX = 1056;
constexpr float kFieldY = 648;
const BoxSpec kWipe{kFieldX, kFieldY - 8, kFieldX + 192, kFieldY + 22, kWhite, kWhite};
const BoxSpec kFieldErase{kFieldX - 48, kFieldY - 8, kFieldX + 192, kFieldY + 22, kWhite, kWhite};

// Runs the field with `keys`, then values the entry, as the prompts do.
test_support::HeadlessRun enter(HeadlessShell& s, const std::string& keys) {
    return run_headless(keys, [&] {
        s.set_up_pen();
        s.X = 300;
        s.Y = 400;
        s.INPUT_NUMBER();
        s.PARSE_INPUT();
    });
}

// The echoed characters (colour 5) in the order drawn.
std::vector<Glyph> echoes(const std::vector<rt::DrawOp>& ops) {
    std::vector<Glyph> found;
    for (const auto& op : test_support::texts(ops)) {
        if (op.colour == 5) found.push_back({op.text, op.x1, op.y1});
    }
    return found;
}

std::vector<rt::DrawOp> circles(const std::vector<rt::DrawOp>& ops) {
    return test_support::ops_of_kind(ops, rt::DrawOp::Kind::Circle);
}

TEST(InputNumber, EchoesAQuotientInFullWidthCellsAndValuesIt) {
    HeadlessShell s;
    const auto run = enter(s, "3/4{enter}");
    ASSERT_EQ(run.result.outcome, rt::Outcome::Ended);
    const auto drawn = test_support::texts(run.ops);
    ASSERT_EQ(drawn.size(), 5u) << test_support::drawn_text_utf8(run.ops);
    EXPECT_EQ(test_support::glyphs({drawn[0], drawn[1]}),
              (std::vector<Glyph>{{"入", kFieldX - 48, kFieldY}, {"力", kFieldX - 32, kFieldY}}));
    EXPECT_EQ(drawn[0].colour, 0);
    EXPECT_EQ(echoes(run.ops), (std::vector<Glyph>{{"３", kFieldX, kFieldY},
                                                   {"÷", kFieldX + 16, kFieldY},
                                                   {"４", kFieldX + 32, kFieldY}}));
    EXPECT_EQ(test_support::box_specs(run.ops), (std::vector<BoxSpec>{kFieldErase}));
    EXPECT_EQ(s.AINP_S, "3/4");
    EXPECT_EQ(s.LEM, 3);
    EXPECT_EQ(s.N, 2);
    EXPECT_EQ(s.A_S, "3");
    EXPECT_EQ(s.B_S, "4");
    EXPECT_FLOAT_EQ(s.AINP, 0.75f);
    // What the field leaves behind.
    EXPECT_EQ(s.I_S, "\r");
    EXPECT_EQ(s.CCC1, 5);
    EXPECT_EQ(s.X, kFieldX + 32);
    EXPECT_EQ(s.Y, kFieldY);
    EXPECT_EQ(s.X1, 300);
    EXPECT_EQ(s.Y1, 400);
    EXPECT_EQ(s.AA_S, "");
}

TEST(InputNumber, ThePointSitsBetweenTheDigitsAndMovesNothing) {
    HeadlessShell s;
    const auto run = enter(s, "1.5{enter}");
    EXPECT_EQ(echoes(run.ops), (std::vector<Glyph>{{"１", kFieldX, kFieldY},
                                                   {"．", kFieldX + 12, kFieldY},
                                                   {"５", kFieldX + 16, kFieldY}}));
    // The last cursor, drawn after the 5 and erased by Enter, is centred at
    // KAIX + 40.
    const auto dots = circles(run.ops);
    ASSERT_GE(dots.size(), 2u);
    EXPECT_EQ(dots[dots.size() - 2].x1, kFieldX + 40);
    EXPECT_EQ(dots[dots.size() - 2].colour, 5);
    EXPECT_EQ(dots.back().x1, kFieldX + 40);
    EXPECT_EQ(dots.back().colour, kWhite);
    EXPECT_FLOAT_EQ(s.AINP, 1.5f);
}

TEST(InputNumber, TheCursorIsADotThatMovesAheadOfTheEcho) {
    HeadlessShell s;
    const auto run = enter(s, "7{enter}");
    const auto dots = circles(run.ops);
    // Shown at the anchor, erased before the echo, shown one cell on, erased
    // by Enter.
    ASSERT_EQ(dots.size(), 4u);
    const float xs[] = {kFieldX + 8, kFieldX + 8, kFieldX + 24, kFieldX + 24};
    const int colours[] = {5, kWhite, 5, kWhite};
    for (std::size_t i = 0; i < dots.size(); ++i) {
        EXPECT_EQ(dots[i].x1, xs[i]) << i;
        EXPECT_EQ(dots[i].y1, kFieldY + 8) << i;
        EXPECT_EQ(dots[i].r, 4) << i;
        EXPECT_EQ(dots[i].colour, colours[i]) << i;
        EXPECT_EQ(dots[i].fill, colours[i]) << i;
    }
}

TEST(InputNumber, BackspaceAndDeleteWipeTheWholeEntryButNotTheLabel) {
    for (const char* clear : {"{bs}", "{del}"}) {
        HeadlessShell s;
        const auto run = enter(s, std::string("12") + clear + "7{enter}");
        EXPECT_EQ(test_support::box_specs(run.ops), (std::vector<BoxSpec>{kWipe, kFieldErase}));
        const auto echoed = echoes(run.ops);
        ASSERT_EQ(echoed.size(), 3u);
        EXPECT_EQ(echoed.back(), (Glyph{"７", kFieldX, kFieldY}));
        EXPECT_EQ(s.AINP_S, "7");
        EXPECT_EQ(s.AINP, 7);
    }
}

TEST(InputNumber, TheKeyAfterTenCharactersWipesTheEntryWhateverItIs) {
    {
        // Enter after ten characters wipes instead of ending; a new entry
        // follows.
        HeadlessShell s;
        const auto run = enter(s, "1234567890{enter}5{enter}");
        const auto echoed = echoes(run.ops);
        ASSERT_EQ(echoed.size(), 11u);
        EXPECT_EQ(echoed[9], (Glyph{"０", kFieldX + 144, kFieldY}));
        EXPECT_EQ(echoed[10], (Glyph{"５", kFieldX, kFieldY}));
        EXPECT_EQ(test_support::box_specs(run.ops), (std::vector<BoxSpec>{kWipe, kFieldErase}));
        EXPECT_EQ(s.AINP_S, "5");
    }
    {
        // A digit after ten characters wipes and is itself dropped.
        HeadlessShell s;
        enter(s, "12345678907{enter}");
        EXPECT_EQ(s.AINP_S, "");
    }
    {
        // Nine characters still end on Enter.
        HeadlessShell s;
        enter(s, "123456789{enter}");
        EXPECT_EQ(s.AINP_S, "123456789");
        EXPECT_EQ(s.AINP, 123456789.0f);
    }
}

TEST(InputNumber, EnterAloneEndsAnEmptyEntry) {
    HeadlessShell s;
    s.AINP = 9;
    const auto run = enter(s, "{enter}");
    EXPECT_TRUE(echoes(run.ops).empty());
    EXPECT_EQ(s.AINP_S, "");
    EXPECT_EQ(s.AINP, 0);
    EXPECT_EQ(s.CCC1, 0);
    EXPECT_EQ(s.X, kFieldX - 16);
    EXPECT_EQ(s.A_S, "力");
}

TEST(InputNumber, OtherKeysLeaveNoMark) {
    HeadlessShell s;
    const auto run = enter(s, "+a ,{left}{right}{esc}{enter}");
    EXPECT_TRUE(echoes(run.ops).empty());
    EXPECT_EQ(test_support::box_specs(run.ops), (std::vector<BoxSpec>{kFieldErase}));
    EXPECT_EQ(s.AINP_S, "");
    for (const auto& dot : circles(run.ops)) EXPECT_EQ(dot.x1, kFieldX + 8);
}

// ---- the value of the entry ------------------------------------------------------

float parse(HeadlessShell& s, const std::string& typed) {
    s.AINP_S = typed;
    s.PARSE_INPUT();
    return s.AINP;
}

TEST(ParseInput, ReadsPlainNumbersAndQuotients) {
    HeadlessShell s;
    EXPECT_FLOAT_EQ(parse(s, "12"), 12);
    EXPECT_FLOAT_EQ(parse(s, "-1.5"), -1.5f);
    EXPECT_FLOAT_EQ(parse(s, ""), 0);
    EXPECT_FLOAT_EQ(parse(s, "6/-3"), -2);
    EXPECT_FLOAT_EQ(parse(s, ".5/.25"), 2);
    EXPECT_FLOAT_EQ(parse(s, "/4"), 0);
    EXPECT_EQ(s.A_S, "");
    EXPECT_EQ(s.B_S, "4");
    // Only the first "/" divides; the rest is the denominator's text.
    EXPECT_FLOAT_EQ(parse(s, "1/2/4"), 0.5f);
    EXPECT_EQ(s.A_S, "1");
    EXPECT_EQ(s.B_S, "2/4");
    EXPECT_EQ(s.N, 2);
    EXPECT_EQ(s.LEM, 5);
    EXPECT_EQ(s.AINP_S, "1/2/4");
}

TEST(ParseInput, ADenominatorThatReadsAsZeroGivesZero) {
    HeadlessShell s;
    for (const char* typed : {"4/0", "4/", "/", "0/0", "-3/-0", "5/.", "2/-", "7/0/3"}) {
        s.AINP = 9;
        const float value = parse(s, typed);
        EXPECT_EQ(value, 0) << typed;
        EXPECT_TRUE(std::isfinite(value)) << typed;
    }
}

TEST(ParseInput, AZeroDenominatorLetsTheBarAskAgain) {
    HeadlessShell s;
    int asked = 0;
    const auto run = run_headless("4/0{enter}/{enter}2{enter}", [&] {
        s.set_up_pen();
        do {
            ++asked;
            s.AA_S = "1.表 2.戻る";
            s.BOTTOM_INPUT();
            s.CLEAR_BOTTOM_BAR();
        } while (s.AINP < 1 || s.AINP > 2);
    });
    EXPECT_EQ(run.result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(s.AINP, 2);
}

}  // namespace
