// The working-text routines (markup, parentheses, signs) and the table texts
// with the key classification.
#include <gtest/gtest.h>

#include <string>

#include "support/cp932_text.hpp"
#include "support/headless_shell.hpp"

namespace {

using test_support::HeadlessShell;
using test_support::same_text;

std::string run(void (shell::Shell::*routine)(), const std::string& text) {
    HeadlessShell s;
    s.A_S = text;
    (s.*routine)();
    return s.A_S;
}

TEST(SignStrings, LeadingSignRules) {
    struct Case {
        const char *in, *negated, *no_plus, *no_sign;
    };
    const Case cases[] = {
        {"", "", "", ""},          {"-2", "+2", "-2", "2"},     {"+2", "-2", "2", "2"},
        {"2", "-2", "2", "2"},     {"+", "-", "", ""},          {"-", "+", "-", ""},
        {" 2", "- 2", " 2", " 2"}, {"--3", "+-3", "--3", "-3"}, {"2+3", "-2+3", "2+3", "2+3"},
        {"あ", "-あ", "あ", "あ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rt::to_utf8(c.in));
        EXPECT_TRUE(same_text(run(&shell::Shell::NEGATE_SIGN, c.in), c.negated));
        EXPECT_TRUE(same_text(run(&shell::Shell::STRIP_PLUS, c.in), c.no_plus));
        EXPECT_TRUE(same_text(run(&shell::Shell::STRIP_SIGN, c.in), c.no_sign));
    }
}

TEST(SignStrings, ParenthesesAndPlusSigns) {
    HeadlessShell s;
    s.A_S = "3-2";
    s.PAREN_NEGATIVE();
    s.PAREN_NEGATIVE();
    EXPECT_EQ(s.A_S, "((3-2))");
    EXPECT_EQ(run(&shell::Shell::PAREN_NEGATIVE, "5"), "5");

    s.A_S = "(-5)+(+3)+";
    s.STRIP_PARENS_PLUS();
    EXPECT_EQ(s.A_S, "-53");
    // Each position is that of the last removal, in the text as it then was.
    EXPECT_EQ(s.TA1, 5);  // "-5)+(+3)+"
    EXPECT_EQ(s.TA2, 6);  // "-5++3)+"
    EXPECT_EQ(s.TA3, 4);  // "-53+"
}

TEST(SignStrings, StripMarkup) {
    HeadlessShell s;
    s.TA1 = s.TA2 = -1;
    s.A_S = "-ﾀ3/4ﾀ";
    s.STRIP_MARKUP();
    EXPECT_EQ(s.A_S, "-3/4");
    EXPECT_EQ(s.TA1, -1) << "untouched: no '^'";
    EXPECT_EQ(s.TA3, 5);
    EXPECT_EQ(run(&shell::Shell::STRIP_MARKUP, "ﾀ6/8ﾀ=ﾀ3/4ﾀ"), "6/83/4");
    EXPECT_EQ(run(&shell::Shell::STRIP_MARKUP, "x^2+!3ﾝ"), "x2+!3");
    // The second bytes of タ, β and ∂ have the codes of "^", "ﾀ" and "ﾝ".
    EXPECT_TRUE(same_text(run(&shell::Shell::STRIP_MARKUP, "タ^β=ﾀ∂ﾝ"), "タβ∂"));
}

TEST(TableTexts, EveryEntryWithoutBlanks) {
    HeadlessShell s;
    s.T_A_S(0) = "kept";
    s.T_A(0) = 99;
    s.T_A(1) = 0.7f;
    s.T_A(80) = -12;
    s.F_A(40) = -0.5f;
    s.U_A(0) = 5;
    s.V_A(20) = 2.5f;
    s.FORMAT_TABLE_ARRAYS();
    EXPECT_EQ(s.T_A_S(0), "kept");
    EXPECT_EQ(s.T_A_S(1), ".7");
    EXPECT_EQ(s.T_A_S(2), "0");
    EXPECT_EQ(s.T_A_S(80), "-12");
    EXPECT_EQ(s.F_A_S(40), "-.5");
    EXPECT_EQ(s.U_A_S(0), "5");
    EXPECT_EQ(s.V_A_S(20), "2.5");
    EXPECT_EQ(s.I, 21);
    EXPECT_EQ(s.A_S, "2.5");
}

TEST(TableTexts, KeyClassification) {
    const std::string keys = "QWERT@I[]S";
    for (std::size_t k = 0; k < keys.size(); ++k) {
        HeadlessShell s;
        s.I_S = keys.substr(k, 1);
        s.FORMAT_TABLE_ARRAYS();
        EXPECT_EQ(s.FKIG, 1) << keys[k];
        EXPECT_EQ(s.HHKIG, k + 1) << keys[k];
    }
    for (const char* other : {"", "q", "1", "QW"}) {
        HeadlessShell s;
        s.FKIG = 1;
        s.HHKIG = 7;
        s.I_S = other;
        s.KEY_CLASSIFY();
        EXPECT_EQ(s.FKIG, 0) << other;
        EXPECT_EQ(s.HHKIG, 7) << other;
    }
}

}  // namespace
