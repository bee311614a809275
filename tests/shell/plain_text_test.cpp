// Plain text: the full-width conversion, blank removal and the 16-pixel cells
// of DRAW_CHARS and PRINT_AA.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "support/headless_shell.hpp"

namespace {

using test_support::Glyph;
using test_support::glyphs;
using test_support::HeadlessShell;
using test_support::run_headless;

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

std::string wide(HeadlessShell& s, const std::string& character) {
    s.B_S = character;
    s.CONVERT_WIDE();
    return s.B_S;
}

constexpr float kX0 = 100;
constexpr float kY0 = 200;

// Draws `text` with PRINT_AA from (kX0, kY0) in colour 3.
std::vector<rt::DrawOp> print(HeadlessShell& s, const std::string& text) {
    return run_headless("", [&] {
               s.set_up_pen();
               s.AA_S = text;
               s.X = kX0;
               s.Y = kY0;
               s.CCC1 = 3;
               s.PRINT_AA();
           }).ops;
}

std::vector<rt::DrawOp> draw_chars(HeadlessShell& s, const std::string& text) {
    return run_headless("", [&] {
               s.set_up_pen();
               s.A_S = text;
               s.X = kX0;
               s.Y = kY0;
               s.CCC1 = 5;
               s.DRAW_CHARS();
           }).ops;
}

// ---- CONVERT_WIDE ---------------------------------------------------------------

TEST(ConvertWide, DigitsAndLettersBecomeTheirFullWidthForms) {
    HeadlessShell s;
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(wide(s, std::string(1, static_cast<char>('0' + k))), bytes({0x82, 0x4F + k}));
    }
    for (char c = 'B'; c <= 'W'; ++c) {
        EXPECT_EQ(wide(s, std::string(1, c)), bytes({0x82, 0x61 + (c - 'B')})) << c;
    }
    for (char c = 'a'; c <= 'w'; ++c) {
        EXPECT_EQ(wide(s, std::string(1, c)), bytes({0x82, 0x81 + (c - 'a')})) << c;
    }
    EXPECT_EQ(wide(s, "X"), bytes({0x82, 0x77}));
    EXPECT_EQ(wide(s, "Y"), bytes({0x82, 0x78}));
    EXPECT_EQ(wide(s, "Z"), bytes({0x82, 0x79}));
    EXPECT_EQ(wide(s, "y"), bytes({0x82, 0x99}));
}

TEST(ConvertWide, SignsBecomeMathematicalSymbols) {
    HeadlessShell s;
    const std::pair<const char*, std::string> table[] = {
        {" ", bytes({0x81, 0x40})},  {"A", bytes({0x83, 0x9F})},  {"x", bytes({0x83, 0xD4})},
        {"*", bytes({0x81, 0x7E})},  {"/", bytes({0x81, 0x80})},  {"+", bytes({0x81, 0x7B})},
        {"-", bytes({0x81, 0x7C})},  {"\xC0", bytes({0x81, 0x5C})}, {"=", bytes({0x81, 0x81})},
        {".", bytes({0x81, 0x44})},  {"?", bytes({0x81, 0xE4})},  {"(", bytes({0x81, 0x69})},
        {")", bytes({0x81, 0x6A})},  {"!", bytes({0x81, 0xE3})},  {"$", bytes({0x81, 0xDF})},
        {"@", bytes({0x81, 0x7D})},  {"&", bytes({0x83, 0xCE})},  {"'", bytes({0x81, 0xDA})},
        {"[", bytes({0x81, 0x85})},  {"]", bytes({0x81, 0x86})},  {"<", bytes({0x81, 0x83})},
        {">", bytes({0x81, 0x84})},  {",", bytes({0x81, 0x43})},  {"%", bytes({0x81, 0x8B})},
        {"~", bytes({0x81, 0xA2})},  {":", bytes({0x81, 0x46})},
    };
    for (const auto& [from, to] : table) {
        EXPECT_EQ(wide(s, from), to) << rt::to_utf8(from) << " became " << rt::to_utf8(s.B_S);
    }
}

TEST(ConvertWide, CharactersWithoutAnEntryStayAsTheyAre) {
    HeadlessShell s;
    for (const char* c : {"\"", "#", ";", "\\", "^", "_", "`", "z", "{", "|", "}", "\t", "ｱ",
                          "ﾝ", "あ", "Α", "Ｘ", "χ", "―", "　"}) {
        EXPECT_EQ(wide(s, c), c) << rt::to_utf8(c);
    }
}

// ---- STRIP_SPACES -----------------------------------------------------------------

TEST(StripSpaces, RemovesOnlyHalfWidthBlanks) {
    HeadlessShell s;
    const std::pair<const char*, const char*> cases[] = {
        {" 12", "12"}, {"-3", "-3"},   {"1/2", "1/2"},       {"", ""},
        {"   ", ""},   {"1 / 2 ", "1/2"}, {"　1", "　1"}, {"あ い", "あい"},
    };
    for (const auto& [in, out] : cases) {
        s.A_S = in;
        s.STRIP_SPACES();
        EXPECT_EQ(s.A_S, out) << "from \"" << rt::to_utf8(in) << "\"";
        EXPECT_EQ(s.X9_S, out);
    }
}

// ---- DRAW_CHARS -------------------------------------------------------------------

TEST(DrawChars, ClosesUpBlanksAndLeavesTheXOfTheNextCell) {
    HeadlessShell s;
    const auto ops = draw_chars(s, "A B");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"Α", kX0, kY0}, {"Ｂ", kX0 + 16, kY0}}));
    EXPECT_EQ(s.XT, kX0 + 32);
    EXPECT_EQ(s.X, kX0);
    EXPECT_EQ(s.A_S, "AB");
    for (const auto& op : test_support::texts(ops)) {
        EXPECT_EQ(op.colour, 5);
        EXPECT_TRUE(op.bold);
        EXPECT_EQ(op.h, 1);
        EXPECT_EQ(op.v, 1);
    }
}

TEST(DrawChars, AnEmptyOrBlankTextStillTakesOneCell) {
    for (const char* text : {"", "  "}) {
        HeadlessShell s;
        const auto ops = draw_chars(s, text);
        EXPECT_EQ(s.XT, kX0 + 16) << "\"" << text << "\"";
        EXPECT_EQ(s.A_S, "");
        for (const auto& g : glyphs(ops)) {
            EXPECT_TRUE(g.text.empty() || g.text == "　") << rt::to_utf8(g.text);
        }
    }
}

// ---- PRINT_AA -----------------------------------------------------------------------

TEST(PrintAa, EveryCharacterTakesASixteenPixelCell) {
    HeadlessShell s;
    const auto ops = print(s, "a>0");
    EXPECT_EQ(glyphs(ops),
              (std::vector<Glyph>{{"ａ", kX0, kY0}, {"＞", kX0 + 16, kY0}, {"０", kX0 + 32, kY0}}));
    EXPECT_EQ(s.X, kX0 + 48);
    EXPECT_EQ(s.Y, kY0);
    EXPECT_EQ(s.CCC1, 3);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.A_S, "0");
    EXPECT_EQ(s.LEM, 0);
    for (const auto& op : test_support::texts(ops)) EXPECT_EQ(op.colour, 3);
}

TEST(PrintAa, ACaretKeepsTheNextCharacterHalfWidthAndRaised) {
    HeadlessShell s;
    const auto ops = print(s, "x^2");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"χ", kX0, kY0}, {"2", kX0 + 16, kY0 - 4}}));
    EXPECT_EQ(s.X, kX0 + 32);
    EXPECT_EQ(s.JYOU, 0);
}

TEST(PrintAa, TheFullStopSitsBetweenTwoDigitsWithoutACell) {
    HeadlessShell s;
    const auto ops = print(s, "1.5");
    EXPECT_EQ(glyphs(ops),
              (std::vector<Glyph>{{"１", kX0, kY0}, {"．", kX0 + 12, kY0}, {"５", kX0 + 16, kY0}}));
    EXPECT_EQ(s.X, kX0 + 32);
}

TEST(PrintAa, ABlankTakesACellOfItsOwn) {
    HeadlessShell s;
    auto ops = print(s, "A B");
    auto drawn = glyphs(ops);
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn.front(), (Glyph{"Α", kX0, kY0}));
    EXPECT_EQ(drawn.back(), (Glyph{"Ｂ", kX0 + 32, kY0}));
    EXPECT_EQ(s.X, kX0 + 48);

    ops = print(s, "A　B");
    drawn = glyphs(ops);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1], (Glyph{"　", kX0 + 16, kY0}));
    EXPECT_EQ(drawn[2], (Glyph{"Ｂ", kX0 + 32, kY0}));
    EXPECT_EQ(s.X, kX0 + 48);
}

TEST(PrintAa, AnEmptyTextDrawsNothingAndKeepsThePen) {
    HeadlessShell s;
    s.A_S = "keep";
    const auto ops = print(s, "");
    EXPECT_TRUE(test_support::texts(ops).empty());
    EXPECT_EQ(s.X, kX0);
    EXPECT_EQ(s.A_S, "keep");
}

TEST(PrintAa, HalfWidthCharactersWithoutAFullWidthFormStandHigher) {
    HeadlessShell s;
    const auto ops = print(s, "zZﾀｱ");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"z", kX0, kY0 - 4},
                                               {"Ｚ", kX0 + 16, kY0},
                                               {"―", kX0 + 32, kY0},
                                               {"ｱ", kX0 + 48, kY0 - 4}}));
}

TEST(PrintAa, ACaretAtTheEndCarriesOverToTheNextText) {
    HeadlessShell s;
    auto ops = print(s, "y^");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"ｙ", kX0, kY0}}));
    EXPECT_EQ(s.JYOU, 1);
    EXPECT_EQ(s.A_S, "^");
    EXPECT_EQ(s.X, kX0 + 16);

    ops = print(s, "33");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"3", kX0, kY0 - 4}, {"３", kX0 + 16, kY0}}));
    EXPECT_EQ(s.JYOU, 0);
}

TEST(PrintAa, TwoCaretsActAsOneAndAreNeverDrawn) {
    HeadlessShell s;
    const auto ops = print(s, "^^ab");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"a", kX0, kY0 - 4}, {"ｂ", kX0 + 16, kY0}}));
}

TEST(PrintAa, ACaretBeforeATwoByteCharacterNeitherConvertsNorRaisesIt) {
    HeadlessShell s;
    const auto ops = print(s, "^あx");
    EXPECT_EQ(glyphs(ops), (std::vector<Glyph>{{"あ", kX0, kY0}, {"χ", kX0 + 16, kY0}}));
    EXPECT_EQ(s.JYOU, 0);
}

}  // namespace
