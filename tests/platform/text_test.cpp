#include "framework/platform/text.hpp"

#include <gtest/gtest.h>

#include "framework/platform/errors.hpp"

namespace {

TEST(Cp932Text, ByteOperationsCountTwoByteCharactersAsTwo) {
    const std::string s = "aあb";  // 1 + 2 + 1 bytes
    EXPECT_EQ(rt::LEN(s), 4);
    EXPECT_EQ(rt::LEFT(s, 1), "a");
    EXPECT_EQ(rt::MID(s, 2, 2), "あ");
    EXPECT_EQ(rt::RIGHT(s, 1), "b");
    EXPECT_EQ(rt::INSTR(s, "b"), 4);
    EXPECT_EQ(rt::INSTR(s, "z"), 0);
    EXPECT_EQ(rt::INSTR(5, s, "b"), 0);
}

TEST(Cp932Text, CharacterOperationsCountTwoByteCharactersAsOne) {
    const std::string s = "xﾀあい1";
    EXPECT_EQ(rt::KLEN(s), 5);
    EXPECT_EQ(rt::KMID(s, 3, 2), "あい");
    EXPECT_EQ(rt::KLEFT(s, 2), "xﾀ");
    EXPECT_EQ(rt::KRIGHT(s, 2), "い1");
    EXPECT_EQ(rt::KINSTR(s, "い"), 4);
    EXPECT_EQ(rt::KINSTR(s, "1"), 5);
}

TEST(Cp932Text, KinstrMatchesOnlyOnCharacterBoundaries) {
    // The trail byte of "ア" (0x83 0x41) is "A": a search for "A" must not
    // find it inside the two-byte character.
    const std::string s = "アA";
    EXPECT_EQ(rt::KINSTR(s, "A"), 2);
    EXPECT_EQ(rt::INSTR(s, "A"), 2);  // the byte search finds the trail byte
}

TEST(Cp932Text, OutOfRangeCountsAreClamped) {
    const std::string s = "abc";
    EXPECT_EQ(rt::LEFT(s, -3), "");
    EXPECT_EQ(rt::LEFT(s, 99), "abc");
    EXPECT_EQ(rt::RIGHT(s, 99), "abc");
    EXPECT_EQ(rt::MID(s, 0, 2), "ab");
    EXPECT_EQ(rt::MID(s, 9, 2), "");
    EXPECT_EQ(rt::MID(s, 2, -1), "");
    EXPECT_EQ(rt::KMID(s, 3, 1e20f), "c");
    EXPECT_EQ(rt::KRIGHT(s, -1), "");
}

TEST(Cp932Text, BrokenStringsAreSafe) {
    const std::string lone_lead = "a\x82";
    EXPECT_EQ(rt::KLEN(lone_lead), 2);
    EXPECT_EQ(rt::KMID(lone_lead, 2, 1), "\x82");
    EXPECT_EQ(rt::to_utf8(lone_lead), "a\xEF\xBF\xBD");
}

TEST(Cp932Text, ChrAndAsc) {
    EXPECT_EQ(rt::CHR(65), "A");
    EXPECT_EQ(rt::CHR(28), std::string(1, '\x1c'));
    EXPECT_EQ(rt::ASC("A"), 65);
    EXPECT_EQ(rt::ASC("ﾀ"), 0xC0);
    EXPECT_EQ(rt::ASC("あ"), 0x82A0);
    EXPECT_THROW(rt::ASC(""), rt::RuntimeError);
}

TEST(Cp932Text, ConvertsToUtf8AndBack) {
    const std::string cp932 = "＜lesson　メニュー＞ﾀ①";
    const std::string utf8 = rt::to_utf8(cp932);
    EXPECT_EQ(utf8, "\xEF\xBC\x9C" "lesson\xE3\x80\x80\xE3\x83\xA1\xE3\x83\x8B\xE3\x83\xA5\xE3\x83\xBC\xEF\xBC\x9E\xEF\xBE\x80\xE2\x91\xA0");
    EXPECT_EQ(rt::from_utf8(utf8), cp932);
}

}  // namespace
