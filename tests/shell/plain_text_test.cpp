// Plain text: the full-width conversion, blank removal and the 16-pixel cells
// of PRINT_AA and DRAW_CHARS.
#include <gtest/gtest.h>

#include "support/headless_shell.hpp"

namespace {

using test_support::Glyph;
using test_support::glyphs;
using test_support::HeadlessShell;

std::string sjis(int code) {  // a two-byte character by its code
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(ConvertWide, GivesTheDisplayFormOfEachCharacter) {
    HeadlessShell s;
    std::vector<std::pair<std::string, std::string>> table = {
        {" ", sjis(0x8140)}, {"X", sjis(0x8277)}, {"Y", sjis(0x8278)}, {"Z", sjis(0x8279)},
        {"A", sjis(0x839F)}, {"x", sjis(0x83D4)}, {"y", sjis(0x8299)}, {"*", sjis(0x817E)},
        {"/", sjis(0x8180)}, {"+", sjis(0x817B)}, {"-", sjis(0x817C)}, {"\xC0", sjis(0x815C)},
        {"=", sjis(0x8181)}, {".", sjis(0x8144)}, {"?", sjis(0x81E4)}, {"(", sjis(0x8169)},
        {")", sjis(0x816A)}, {"!", sjis(0x81E3)}, {"$", sjis(0x81DF)}, {"@", sjis(0x817D)},
        {"&", sjis(0x83CE)}, {"'", sjis(0x81DA)}, {"[", sjis(0x8185)}, {"]", sjis(0x8186)},
        {"<", sjis(0x8183)}, {">", sjis(0x8184)}, {",", sjis(0x8143)}, {"%", sjis(0x818B)},
        {"~", sjis(0x81A2)}, {":", sjis(0x8146)}};
    for (int k = 0; k < 10; ++k) table.push_back({std::string(1, '0' + k), sjis(0x824F + k)});
    for (int k = 0; k < 22; ++k) table.push_back({std::string(1, 'B' + k), sjis(0x8261 + k)});
    for (int k = 0; k < 23; ++k) table.push_back({std::string(1, 'a' + k), sjis(0x8281 + k)});
    // Without an entry, or already two bytes: unchanged.
    for (const char* same : {"\"", "#", ";", "\\", "^", "_", "`", "z", "{", "|", "}", "ｱ", "ﾝ",
                             "あ", "Ｘ", "χ", "　"}) {
        table.push_back({same, same});
    }
    for (const auto& [from, to] : table) {
        s.B_S = from;
        s.CONVERT_WIDE();
        EXPECT_EQ(s.B_S, to) << "\"" << rt::to_utf8(from) << "\" became " << rt::to_utf8(s.B_S);
    }
}

TEST(StripSpaces, RemovesOnlyHalfWidthBlanks) {
    HeadlessShell s;
    for (const auto& [in, out] :
         std::vector<std::pair<std::string, std::string>>{{" 12", "12"},
                                                          {"-3", "-3"},
                                                          {"1 / 2 ", "1/2"},
                                                          {"", ""},
                                                          {"　1", "　1"},
                                                          {"あ い", "あい"}}) {
        s.A_S = in;
        s.STRIP_SPACES();
        EXPECT_EQ(s.A_S, out) << "from \"" << rt::to_utf8(in) << "\"";
    }
}

// Draws `text` with PRINT_AA from (100, 200) in colour 3 and returns the
// glyphs; `s` keeps what the routine left.
std::vector<Glyph> print(HeadlessShell& s, const std::string& text) {
    const auto run = test_support::run_headless("", [&] {
        s.set_up_pen();
        s.AA_S = text;
        s.X = 100;
        s.Y = 200;
        s.CCC1 = 3;
        s.PRINT_AA();
    });
    EXPECT_EQ(glyphs(run.ops).size(), glyphs(run.ops, 3).size()) << "all in colour 3";
    return glyphs(run.ops);
}

TEST(PrintAa, EachCharacterTakesASixteenPixelCellAndTheTextIsConsumed) {
    HeadlessShell s;
    EXPECT_EQ(print(s, "a>0"), test_support::cells("ａ＞０", 100, 200));
    EXPECT_EQ(s.X, 148);
    EXPECT_EQ(s.Y, 200);
    EXPECT_EQ(s.AA_S, "");
    EXPECT_EQ(s.A_S, "0");
    EXPECT_EQ(s.LEM, 0);

    s.A_S = "kept";
    EXPECT_TRUE(print(s, "").empty());
    EXPECT_EQ(s.X, 100);
    EXPECT_EQ(s.A_S, "kept");
}

TEST(PrintAa, ACaretKeepsTheNextCharacterHalfWidthAndFourPixelsHigher) {
    HeadlessShell s;
    EXPECT_EQ(print(s, "x^2"), (std::vector<Glyph>{{"χ", 100, 200}, {"2", 116, 196}}));
    EXPECT_EQ(s.X, 132);
    EXPECT_EQ(s.JYOU, 0);
    // Two carets act as one; one before a two-byte character neither
    // converts nor raises it.
    EXPECT_EQ(print(s, "^^a^あ"), (std::vector<Glyph>{{"a", 100, 196}, {"あ", 116, 200}}));
    // A caret at the end carries over to the next text.
    EXPECT_EQ(print(s, "y^"), (std::vector<Glyph>{{"ｙ", 100, 200}}));
    EXPECT_EQ(s.JYOU, 1);
    EXPECT_EQ(s.A_S, "^");
    EXPECT_EQ(print(s, "33"), (std::vector<Glyph>{{"3", 100, 196}, {"３", 116, 200}}));
}

TEST(PrintAa, TheFullStopSitsBetweenTwoDigitsWithoutACell) {
    HeadlessShell s;
    EXPECT_EQ(print(s, "1.5"),
              (std::vector<Glyph>{{"１", 100, 200}, {"．", 112, 200}, {"５", 116, 200}}));
    EXPECT_EQ(s.X, 132);
}

TEST(PrintAa, EveryBlankTakesACell) {
    HeadlessShell s;
    auto drawn = print(s, "A B");
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn.front(), (Glyph{"Α", 100, 200}));
    EXPECT_EQ(drawn.back(), (Glyph{"Ｂ", 132, 200}));
    EXPECT_EQ(s.X, 148);
    drawn = print(s, "  A");
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn.back(), (Glyph{"Α", 132, 200}));
    EXPECT_EQ(s.X, 148);
}

TEST(PrintAa, HalfWidthCharactersWithoutAWideFormStandHigher) {
    HeadlessShell s;
    EXPECT_EQ(
        print(s, "zZﾀｱ"),
        (std::vector<Glyph>{{"z", 100, 196}, {"Ｚ", 116, 200}, {"―", 132, 200}, {"ｱ", 148, 196}}));
}

TEST(DrawChars, ClosesUpBlanksWhenGivenSeveralCharacters) {
    HeadlessShell s;
    const auto run = test_support::run_headless("", [&] {
        s.set_up_pen();
        s.A_S = "A B";
        s.X = 100;
        s.Y = 200;
        s.CCC1 = 5;
        s.DRAW_CHARS();
    });
    EXPECT_EQ(glyphs(run.ops, 5), (std::vector<Glyph>{{"Α", 100, 200}, {"Ｂ", 116, 200}}));
    for (const auto& op : test_support::ops_of(run.ops, rt::DrawOp::Kind::Text, false)) {
        EXPECT_TRUE(op.bold);
        EXPECT_EQ(op.h, 1);
        EXPECT_EQ(op.v, 1);
    }
    EXPECT_EQ(s.XT, 132);
    EXPECT_EQ(s.X, 100);
    EXPECT_EQ(s.A_S, "AB");
}

}  // namespace
