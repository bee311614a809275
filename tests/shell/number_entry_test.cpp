// The number field: echo positions, the clear keys and the ten-character
// wipe, the cursor dot, and the value of the typed text.
#include <gtest/gtest.h>

#include <cmath>

#include "support/headless_shell.hpp"

namespace {

using test_support::BoxSpec;
using test_support::Glyph;
using test_support::glyphs;
using test_support::HeadlessShell;

constexpr int kWhite = 15;
const BoxSpec kWipe{1056, 640, 1248, 670, kWhite, kWhite};
const BoxSpec kFieldErase{1008, 640, 1248, 670, kWhite, kWhite};

// Runs the field with `keys` from a pen at (300, 400), then values the
// entry, as the prompts do.
test_support::HeadlessRun enter(HeadlessShell& s, const std::string& keys) {
    return test_support::run_headless(keys, [&] {
        s.set_up_pen();
        s.X = 300;
        s.Y = 400;
        s.INPUT_NUMBER();
        s.PARSE_INPUT();
    });
}

TEST(InputNumber, EchoesAQuotientInFullWidthCellsAndValuesIt) {
    HeadlessShell s;
    const auto run = enter(s, "3/4{enter}");
    EXPECT_EQ(glyphs(run.ops, 0), test_support::cells("入力", 1008, 648));
    EXPECT_EQ(glyphs(run.ops, 5), test_support::cells("３÷４", 1056, 648));
    EXPECT_EQ(test_support::boxes(run.ops), (std::vector<BoxSpec>{kFieldErase}));
    EXPECT_EQ(s.AINP_S, "3/4");
    EXPECT_EQ(s.LEM, 3);
    EXPECT_EQ(s.N, 2);
    EXPECT_EQ(s.A_S, "3");
    EXPECT_EQ(s.B_S, "4");
    EXPECT_FLOAT_EQ(s.AINP, 0.75f);
    EXPECT_EQ(s.I_S, "\r");
    EXPECT_EQ(s.CCC1, 5);
    EXPECT_EQ(s.X, 1088);  // where the last key was echoed
    EXPECT_EQ(s.Y, 648);
    EXPECT_EQ(s.X1, 300);
    EXPECT_EQ(s.Y1, 400);
}

TEST(InputNumber, ThePointSitsBetweenTheDigitsAndTheCursorRunsAhead) {
    HeadlessShell s;
    const auto run = enter(s, "1.5{enter}");
    EXPECT_EQ(glyphs(run.ops, 5),
              (std::vector<Glyph>{{"１", 1056, 648}, {"．", 1068, 648}, {"５", 1072, 648}}));
    EXPECT_FLOAT_EQ(s.AINP, 1.5f);
    // The dot (radius 4, 8 px right of and below the echo position) is shown
    // and then erased in white before each echo and at Enter; the point does
    // not move it.
    std::vector<std::pair<float, int>> dots;
    for (const auto& op : test_support::ops_of(run.ops, rt::DrawOp::Kind::Circle, false)) {
        EXPECT_EQ(op.y1, 656);
        EXPECT_EQ(op.r, 4);
        EXPECT_EQ(op.fill, op.colour);
        dots.push_back({op.x1, op.colour});
    }
    EXPECT_EQ(dots, (std::vector<std::pair<float, int>>{{1064, 5},
                                                        {1064, kWhite},
                                                        {1080, 5},
                                                        {1080, kWhite},
                                                        {1080, 5},
                                                        {1080, kWhite},
                                                        {1096, 5},
                                                        {1096, kWhite}}));
}

TEST(InputNumber, BackspaceAndDeleteWipeTheWholeEntryButNotTheLabel) {
    for (const char* clear : {"{bs}", "{del}"}) {
        HeadlessShell s;
        const auto run = enter(s, std::string("12") + clear + "7{enter}");
        EXPECT_EQ(test_support::boxes(run.ops), (std::vector<BoxSpec>{kWipe, kFieldErase}));
        EXPECT_EQ(glyphs(run.ops, 5).back(), (Glyph{"７", 1056, 648}));
        EXPECT_EQ(s.AINP_S, "7");
    }
}

TEST(InputNumber, TheKeyAfterTenCharactersWipesTheEntryWhateverItIs) {
    HeadlessShell s;
    // Enter after ten characters wipes instead of ending; a new entry follows.
    auto run = enter(s, "1234567890{enter}5{enter}");
    const auto echoed = glyphs(run.ops, 5);
    ASSERT_EQ(echoed.size(), 11u);
    EXPECT_EQ(echoed[9], (Glyph{"０", 1200, 648}));
    EXPECT_EQ(echoed[10], (Glyph{"５", 1056, 648}));
    EXPECT_EQ(test_support::boxes(run.ops), (std::vector<BoxSpec>{kWipe, kFieldErase}));
    EXPECT_EQ(s.AINP_S, "5");
    // A digit after ten characters wipes and is itself dropped.
    enter(s, "12345678907{enter}");
    EXPECT_EQ(s.AINP_S, "");
    // Nine characters still end on Enter.
    enter(s, "123456789{enter}");
    EXPECT_EQ(s.AINP_S, "123456789");
}

TEST(InputNumber, OtherKeysLeaveNoMarkAndEnterAloneEndsAnEmptyEntry) {
    HeadlessShell s;
    s.AINP = 9;
    const auto run = enter(s, "+a ,{left}{right}{esc}{enter}");
    EXPECT_TRUE(glyphs(run.ops, 5).empty());
    EXPECT_EQ(test_support::boxes(run.ops), (std::vector<BoxSpec>{kFieldErase}));
    EXPECT_EQ(s.AINP_S, "");
    EXPECT_EQ(s.AINP, 0);
    EXPECT_EQ(s.CCC1, 0);
    EXPECT_EQ(s.X, 1040);
    EXPECT_EQ(s.A_S, "力");
}

float parse(HeadlessShell& s, const std::string& typed) {
    s.AINP_S = typed;
    s.PARSE_INPUT();
    return s.AINP;
}

TEST(ParseInput, ReadsPlainNumbersAndQuotients) {
    HeadlessShell s;
    EXPECT_FLOAT_EQ(parse(s, "-1.5"), -1.5f);
    EXPECT_FLOAT_EQ(parse(s, ""), 0);
    EXPECT_FLOAT_EQ(parse(s, "6/-3"), -2);
    EXPECT_FLOAT_EQ(parse(s, ".5/.25"), 2);
    EXPECT_FLOAT_EQ(parse(s, "/4"), 0);
    // Only the first "/" divides; the rest is the denominator's text.
    EXPECT_FLOAT_EQ(parse(s, "1/2/4"), 0.5f);
    EXPECT_EQ(s.B_S, "2/4");
    EXPECT_EQ(s.LEM, 5);
}

TEST(ParseInput, ADenominatorThatReadsAsZeroGivesZero) {
    HeadlessShell s;
    for (const char* typed : {"4/0", "4/", "/", "0/0", "-3/-0", "5/.", "2/-", "7/0/3"}) {
        s.AINP = 9;
        const float value = parse(s, typed);
        EXPECT_EQ(value, 0) << typed;
        EXPECT_FALSE(std::signbit(value) || std::isnan(value)) << typed;
    }
    // A bar asked with such an entry simply asks again.
    int asked = 0;
    const auto run = test_support::run_headless("4/0{enter}/{enter}2{enter}", [&] {
        s.set_up_pen();
        do {
            ++asked;
            s.AA_S = "1:表 2:戻る";
            s.BOTTOM_INPUT();
            s.CLEAR_BOTTOM_BAR();
        } while (s.AINP < 1 || s.AINP > 2);
    });
    EXPECT_EQ(run.result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(s.AINP, 2);
}

}  // namespace
