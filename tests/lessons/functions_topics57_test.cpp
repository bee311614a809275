// Scene tests of lesson_functions' topics on proportion, inverse proportion
// and the basic problems, driven from the main menu with key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "functions_replay.hpp"

namespace {

using Kind = rt::DrawOp::Kind;

using functions_replay::Replay;

Replay run(const std::string& keys) {
    return functions_replay::replay_program(keys);
}

// A text of the program (CP932) in the UTF-8 the glyph readers return.
std::string U(const char* cp932) {
    return rt::to_utf8(cp932);
}

using lesson_replay::spaces;

using lesson_replay::is_box;

// Index of the last box with these corners (a scene's clear, a frame erase
// or a cell), or -1.
int last_box(const Replay& r, float x1, float y1, float x2, float y2) {
    for (int i = static_cast<int>(r.ops.size()) - 1; i >= 0; --i) {
        if (is_box(r.ops[i], x1, y1, x2, y2)) return i;
    }
    return -1;
}

int last_scene_clear(const Replay& r) {
    return last_box(r, 0, 0, 1760, 1800);
}

// The glyphs drawn after op `from` with their top-left corner inside the
// rectangle, in drawing order, as one UTF-8 text (blanks dropped). A colour
// of -1 takes every colour.
std::string glyphs(const Replay& r, int from, float x1, float y1, float x2, float y2,
                   int colour = -1) {
    std::string text;
    for (int i = std::max(from, 0); i < static_cast<int>(r.ops.size()); ++i) {
        const auto& op = r.ops[i];
        if (op.kind != Kind::Text || op.x1 < x1 || op.x1 >= x2 || op.y1 < y1 || op.y1 >= y2)
            continue;
        if (colour >= 0 && op.colour != colour) continue;
        for (char c : op.text) {
            if (c != ' ') text += c;
        }
    }
    std::string utf8 = rt::to_utf8(text);
    for (size_t at; (at = utf8.find("\xE3\x80\x80")) != std::string::npos;) utf8.erase(at, 3);
    return utf8;
}

// The glyphs of one text line whose pieces start at y, from x rightwards
// (italic letters stand 22 px higher; plus and minus signs are lines).
std::string line_text(const Replay& r, int from, float x, float y, int colour = -1,
                      float right = 1440) {
    return glyphs(r, from, x, y - 25, right, y + 25, colour);
}

// What a framed cell shows now: the glyphs inside it drawn after it was last
// (re)drawn (its italic letters stand up to 19 px above its top).
std::string cell_text(const Replay& r, float x, float y, float w, float h, int colour = -1) {
    return glyphs(r, last_box(r, x, y, x + w, y + h), x, y - 20, x + w, y + h - 20, colour);
}

// The glyphs of the whole visible page since the scene cleared it.
std::string page_text(const Replay& r, int colour = -1) {
    return glyphs(r, last_scene_clear(r), 0, 0, 1440, 900, colour);
}

// The x of the leftmost glyph drawn after op `from` on the line at y.
float line_start(const Replay& r, int from, float y, int colour) {
    float x = 1e9f;
    for (int i = std::max(from, 0); i < static_cast<int>(r.ops.size()); ++i) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Text && op.colour == colour && op.y1 == y) x = std::min(x, op.x1);
    }
    return x;
}

// True when a sub-menu bar was written after op `from` (its text starts at
// the left of the bottom line, left of every key-wait box).
bool bar_shown_after(const Replay& r, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(r.ops.size()); ++i) {
        const auto& op = r.ops[i];
        if (op.kind == Kind::Text && op.y1 >= 655 && op.y1 < 690 && op.x1 < 40) return true;
    }
    return false;
}

// The rectangle's outline as drawn after op `from`: the extremes of the
// colour-0 lines of width 5.
struct Extent {
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    int lines = 0;
};
Extent outline_after(const Replay& r, int from) {
    Extent e;
    auto take = [&](float x, float y) {
        e.left = std::min(e.left, x);
        e.right = std::max(e.right, x);
        e.top = std::min(e.top, y);
        e.bottom = std::max(e.bottom, y);
    };
    for (int i = from + 1; i < static_cast<int>(r.ops.size()); ++i) {
        const auto& op = r.ops[i];
        if (op.colour != 0 || op.width != 5) continue;
        if (op.kind == Kind::Line) {
            take(op.x1, op.y1);
            take(op.x2, op.y2);
            ++e.lines;
        } else if (op.kind == Kind::Polyline) {
            for (const auto& p : op.points) take(p.x, p.y);
            ++e.lines;
        }
    }
    return e;
}

// ---- the proportion topic ---------------------------------------------------------

TEST(ProportionTopic, AimsPageOncePerEntryAndScenesReturnToTheBar) {
    // Enter, run scene 3 to its end, then ask for the bar again with junk.
    const Replay r = run("5{enter}3{enter}" + spaces(5) + "0{enter}9{enter}");
    const int clear = last_scene_clear(r);
    EXPECT_NE(page_text(r).find(U("教科書P120問1をやろう。")), std::string::npos);
    // The aims page was drawn before the scene and never after it.
    EXPECT_NE(glyphs(r, 0, 0, 0, 1440, 900, 3).find(U("<めあて>")), std::string::npos);
    EXPECT_EQ(page_text(r).find(U("めあて")), std::string::npos);
    EXPECT_TRUE(bar_shown_after(r, clear));
}

TEST(TopicAims, ShownAgainOnEveryEntryFromTheMainMenu) {
    struct Case {
        const char* item;
        const char* line1;
        const char* line2;
    };
    const Case cases[] = {
        {"5", "1小学校で学んだ比例をみなおそう。", "2比例の関係を式に表そう。"},
        {"6", "1小学校で学んだ反比例をみなおそう。", "2反比例の関係を式に表そう。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const std::string enter = std::string(c.item) + "{enter}";
        // Enter, leave by the last bar item, enter again.
        const Replay r = run(enter + "5{enter}" + enter);
        const std::string heads = glyphs(r, 0, 0, 0, 1440, 900, 3);
        const size_t first = heads.find(U("<めあて>"));
        ASSERT_NE(first, std::string::npos);
        EXPECT_NE(heads.find(U("<めあて>"), first + 1), std::string::npos);
        const int again = last_scene_clear(r);
        EXPECT_EQ(line_text(r, again, 76, 305, 0), U(c.line1));
        EXPECT_EQ(line_text(r, again, 76, 370, 0), U(c.line2));
        EXPECT_EQ(line_start(r, again, 240, 3), 44);
        EXPECT_EQ(line_start(r, again, 305, 0), 76);
        EXPECT_EQ(line_start(r, again, 370, 0), 76);
    }
}

TEST(ProportionDefinition, TableFillsOneYCellPerKey) {
    for (int keys : {0, 1, 4, 11}) {
        SCOPED_TRACE(keys);
        const Replay r = run("5{enter}1{enter}" + spaces(keys));
        for (int column = 0; column <= 10; ++column) {
            const float x = 100 + 90 * column;
            EXPECT_EQ(cell_text(r, x, 80, 90, 50, 0), std::to_string(column));
            const std::string expected = column < keys ? std::to_string(80 * column) : "";
            EXPECT_EQ(cell_text(r, x, 130, 90, 50, 3), expected) << "column " << column;
        }
        EXPECT_EQ(cell_text(r, 40, 80, 60, 50, 0), "x");
        EXPECT_EQ(cell_text(r, 40, 130, 60, 50, 0), "y");
    }
}

TEST(ProportionDefinition, TwoKeysAfterTheLastValueBringTheFirstObservation) {
    const Replay after_one = run("5{enter}1{enter}" + spaces(12));
    EXPECT_EQ(cell_text(after_one, 1000, 130, 90, 50, 3), "800");
    EXPECT_EQ(line_text(after_one, last_scene_clear(after_one), 40, 200), "");
    const Replay after_two = run("5{enter}1{enter}" + spaces(13));
    EXPECT_EQ(line_text(after_two, last_scene_clear(after_two), 40, 200),
              U("①xの値が2倍,3倍,…となると、yの値は"));
}

// ---- key counts of every scene: the bar comes after exactly the scene's keys ------

struct SceneKeys {
    const char* name;
    std::string enter;  // main-menu item and bar choice
    std::string keys;   // the keys the scene takes, the last one ending it
};

TEST(TopicScenes, EachSceneTakesItsKeysThenShowsTheBar) {
    const std::vector<SceneKeys> scenes = {
        {"proportion definition", "5{enter}1{enter}", spaces(27)},
        {"proportion judging", "5{enter}2{enter}", spaces(14)},
        {"proportion example 1", "5{enter}3{enter}", spaces(5)},
        {"proportion answers 1", "5{enter}4{enter}", spaces(3)},
        {"inverse definition", "6{enter}1{enter}", spaces(21)},
        {"inverse judging", "6{enter}2{enter}", spaces(13)},
        {"rectangle of area 18", "6{enter}3{enter}", " {enter}" + spaces(5)},
        {"inverse answers 2", "6{enter}4{enter}", spaces(8)},
        {"basic problems 1, 2", "7{enter}1{enter}", spaces(11)},
        {"basic problems 3, 4", "7{enter}2{enter}", spaces(5)},
    };
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.name);
        const Replay all = run(scene.enter + scene.keys);
        EXPECT_EQ(all.result.outcome, rt::Outcome::Ended);
        EXPECT_TRUE(bar_shown_after(all, last_scene_clear(all)));
        const std::string short_keys = scene.keys.substr(0, scene.keys.size() - 1);
        const Replay one_short = run(scene.enter + short_keys);
        EXPECT_FALSE(bar_shown_after(one_short, last_scene_clear(one_short)));
    }
}

TEST(JudgingScenes, MarksAndConstantsComeOnePiecePerKey) {
    // Proportion: after the number of line ① one key brings the mark with
    // its words, the next the constant.
    const Replay mark = run("5{enter}2{enter}" + spaces(3));
    EXPECT_EQ(line_text(mark, last_scene_clear(mark), 40, 290), U("①○比例定数は、"));
    const Replay constant = run("5{enter}2{enter}" + spaces(4));
    EXPECT_EQ(line_text(constant, last_scene_clear(constant), 40, 290, 5), U("○5"));
    // Inverse: ② y=3/x is the first inverse proportion, constant 3; ④ has 12.
    const Replay inverse = run("6{enter}2{enter}" + spaces(12));
    const int clear = last_scene_clear(inverse);
    EXPECT_EQ(line_text(inverse, clear, 40, 290, 5), U("×"));
    EXPECT_EQ(line_text(inverse, clear, 40, 360, 5), U("○3"));
    EXPECT_EQ(line_text(inverse, clear, 40, 430, 5), U("×"));
    EXPECT_EQ(line_text(inverse, clear, 40, 500, 5), U("○12"));
    EXPECT_EQ(line_text(inverse, clear, 40, 570), U("⑤"));
}

// ---- the inverse-proportion topic -------------------------------------------------

TEST(InverseDefinition, YValuesAreComputedWholeNumbersRevealedOneByOne) {
    const Replay r = run("6{enter}1{enter}" + spaces(4));
    const char* values[] = {"30", "20", "15", "12", "10"};
    for (int i = 1; i <= 5; ++i) {
        const float x = 156 + 90 * (i - 1);
        EXPECT_EQ(cell_text(r, x, 90, 90, 50, 0), std::to_string(20 * i + 20));
        EXPECT_EQ(cell_text(r, x, 140, 90, 50, 5), i <= 4 ? values[i - 1] : "") << i;
    }
    EXPECT_EQ(cell_text(r, 98, 140, 58, 50), U("…"));
    EXPECT_EQ(cell_text(r, 606, 90, 58, 50), U("…"));
}

TEST(Area18Rectangle, StartsAtSixCentimetres) {
    const Replay r = run("6{enter}3{enter}");
    const int erase = last_box(r, 760, 200, 1215, 585);
    ASSERT_GE(erase, 0);
    EXPECT_EQ(r.ops[erase].fill, 15);
    const Extent e = outline_after(r, erase);
    EXPECT_EQ(e.left, 900);
    EXPECT_EQ(e.right, 1110);
    EXPECT_EQ(e.top, 480);
    EXPECT_EQ(e.bottom, 585);
    EXPECT_EQ(glyphs(r, erase, 760, 200, 1215, 585, 3), "xcmycm");
    // The area label in colour 7, centred on the rectangle.
    EXPECT_EQ(glyphs(r, erase, 960, 480, 1100, 540, 7), "18cm2");
}

TEST(Area18Rectangle, RightArrowWidensAndTheHeightFollows) {
    const Replay r = run("6{enter}3{enter} {right}");
    const Extent e = outline_after(r, last_box(r, 760, 200, 1215, 585));
    EXPECT_EQ(e.right, 1145);
    EXPECT_FLOAT_EQ(e.top, 585 - 35 * (18.0f / 7));
    EXPECT_EQ(e.left, 900);
    EXPECT_EQ(e.bottom, 585);
}

TEST(Area18Rectangle, WidthIsClampedToTwoAndNineYetEveryArrowRedraws) {
    const Replay wide = run("6{enter}3{enter} {right}{right}{right}{right}{right}");
    int erases = 0;
    for (const auto& op : wide.ops) erases += is_box(op, 760, 200, 1215, 585);
    EXPECT_EQ(erases, 6);  // the first drawing and one per arrow
    Extent e = outline_after(wide, last_box(wide, 760, 200, 1215, 585));
    EXPECT_EQ(e.right, 1215);
    EXPECT_EQ(e.top, 515);

    const Replay narrow = run("6{enter}3{enter} {left}{left}{left}{left}{left}{left}");
    e = outline_after(narrow, last_box(narrow, 760, 200, 1215, 585));
    EXPECT_EQ(e.right, 970);
    EXPECT_EQ(e.top, 270);
}

TEST(Area18Rectangle, OtherKeysOnlyAskAgainAndEnterEndsAtOnce) {
    const Replay r = run("6{enter}3{enter} 7x{bs}{enter}");
    int erases = 0;
    for (const auto& op : r.ops) erases += is_box(op, 760, 200, 1215, 585);
    EXPECT_EQ(erases, 1);
    const Extent e = outline_after(r, last_box(r, 760, 200, 1215, 585));
    EXPECT_EQ(e.right, 1110);
    // The key after Enter is the scene's own wait; the next one brings the hint.
    EXPECT_EQ(line_text(r, last_scene_clear(r), 40, 150), "");
    const Replay hint = run("6{enter}3{enter} {enter} ");
    EXPECT_EQ(line_text(hint, last_scene_clear(hint), 40, 150, 3), U("<考え方>"));
}

TEST(Area18Rectangle, EveryRunStartsAgainAtSixCentimetres) {
    const Replay r = run("6{enter}3{enter} {right}{right}{enter}" + spaces(5) + "3{enter}");
    const Extent e = outline_after(r, last_box(r, 760, 200, 1215, 585));
    EXPECT_EQ(e.right, 1110);
    EXPECT_EQ(e.top, 480);
}

// ---- the basic problems --------------------------------------------------------------

TEST(BasicProblems, HeaderAndBadgeCells) {
    const Replay r = run("7{enter}1{enter}  ");
    const int header = last_box(r, 40, 30, 436, 78);
    ASSERT_GE(header, 0);
    EXPECT_EQ(r.ops[header].colour, 3);
    EXPECT_EQ(r.ops[header].fill, 13);
    EXPECT_EQ(r.ops[header].width, 3);
    EXPECT_EQ(cell_text(r, 40, 30, 396, 48, 0), U("P122基本の問題"));
    const int badge1 = last_box(r, 40, 90, 78, 138);
    ASSERT_GE(badge1, 0);
    EXPECT_EQ(r.ops[badge1].colour, 4);
    EXPECT_EQ(r.ops[badge1].fill, 3);
    EXPECT_EQ(r.ops[badge1].width, 3);
    EXPECT_EQ(cell_text(r, 40, 90, 38, 48, 13), "1");
    const int badge2 = last_box(r, 45, 250, 83, 294);
    ASSERT_GE(badge2, 0);
    EXPECT_EQ(r.ops[badge2].width, 3);
    EXPECT_EQ(cell_text(r, 45, 250, 38, 44, 13), "2");
    // No grid line stands behind the rectangle: its outline is the only line.
    int lines = 0;
    for (int i = last_scene_clear(r); i < static_cast<int>(r.ops.size()); ++i) {
        const auto& op = r.ops[i];
        if (op.kind != Kind::Line && op.kind != Kind::Polyline) continue;
        ++lines;
        EXPECT_EQ(op.colour, 0);
        EXPECT_EQ(op.width, 5);
    }
    EXPECT_GT(lines, 0);

    const Replay other = run("7{enter}2{enter}   ");
    EXPECT_GE(last_box(other, 40, 30, 436, 78), last_scene_clear(other));
    EXPECT_EQ(cell_text(other, 40, 30, 396, 48, 0), U("P122基本の問題"));
    const int badge3 = last_box(other, 45, 90, 83, 134);
    const int badge4 = last_box(other, 45, 270, 83, 314);
    ASSERT_GE(badge3, 0);
    ASSERT_GE(badge4, 0);
    EXPECT_EQ(other.ops[badge3].width, 3);
    EXPECT_EQ(other.ops[badge4].width, 5);
    EXPECT_EQ(cell_text(other, 45, 270, 38, 44, 13), "4");
}

TEST(BasicProblems, PerimeterTableFillsOnePerKeyThenThe2ComesAlone) {
    const Replay r = run("7{enter}1{enter}" + spaces(5));
    const char* perimeters[] = {"10", "12", "14", "16", "18"};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(cell_text(r, 121 + 90 * i, 280, 90, 50, 0), std::to_string(i));
        EXPECT_EQ(cell_text(r, 121 + 90 * i, 330, 90, 50, 5), i <= 3 ? perimeters[i - 1] : "");
    }
    const Replay two = run("7{enter}1{enter}" + spaces(8));
    EXPECT_EQ(line_text(two, last_scene_clear(two), 40, 400, -1, 600), "(2)");
    const Replay formula = run("7{enter}1{enter}" + spaces(9));
    EXPECT_EQ(line_text(formula, last_scene_clear(formula), 40, 400, -1, 600),
              U("(2)y=2(x4)だから"));
}

// ---- the whole of topics 5 to 7 in one walk ----------------------------------------

TEST(TopicScenes, WalkThroughEveryItemAndQuit) {
    const std::string script =
        "5{enter}1{enter}" + spaces(27) + "2{enter}" + spaces(14) + "3{enter}" + spaces(5) +
        "4{enter}" + spaces(3) + "5{enter}" + "6{enter}1{enter}" + spaces(21) + "2{enter}" +
        spaces(13) + "3{enter} {right}{left}{left}{enter}" + spaces(5) + "4{enter}" + spaces(8) +
        "5{enter}" + "7{enter}1{enter}" + spaces(11) + "2{enter}" + spaces(5) + "3{enter}8{enter}";
    std::vector<int> codes;
    ASSERT_FALSE(rt::parse_key_script(script + "9", codes).has_value());
    const Replay r = run(script + "9");
    EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
    // Quitting from the main menu leaves the extra key untaken.
    EXPECT_EQ(r.keys().size(), codes.size() - 1);
}

}  // namespace
