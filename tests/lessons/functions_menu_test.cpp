// The main menu of lesson_functions and the sub-menu bars of its topics 1 to 4,
// driven by replayed keys.
#include <gtest/gtest.h>

#include "functions_replay.hpp"

namespace {

using functions_replay::count_runs;
using functions_replay::find_run;
using functions_replay::replay_program;
using rt::DrawOp;

const char* const kHeader = "＜lesson_functions　メニュー＞";
// The prompt reads on one line with the field's label one cell after it.
const char* const kPrompt = "番号を入力して下さい。入力";
const char* const kPoolAim = "変数と関数の意味を理解しよう。";
const char* const kDomainAim = "変域の表し方を知り、不等号を使って変域を表そう。";
// Bars are drawn through the prompt routine, in full-width forms.
const char* const kPoolBar = "①Ｐ１１５Ｑ　②Ｐ１１６Ｑ　③終了";

TEST(FunctionsMainMenu, DrawsPanelHeaderItemsAndPrompt) {
    auto r = replay_program("");
    EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
    EXPECT_TRUE(r.has_box(0, 0, 1760, 1800, 15, 15));
    EXPECT_TRUE(r.has_box(22, 10, 1342, 610, 15, 10));
    auto header = find_run(r.runs, kHeader);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->x, 264);
    EXPECT_EQ(header->y, 30);
    EXPECT_EQ(header->colour, 15);
    // The title is a name, not a formula: its letters are plain text in the
    // header's face, size and colour, one cell of 27 after another (no
    // script ell, no slanted serif c), after the bracket's 34.
    const std::string title = "lesson_functions";
    for (std::size_t i = 0; i < title.size(); ++i) {
        SCOPED_TRACE(title.substr(i, 1));
        const DrawOp& glyph = r.ops[header->op_index + 1 + i];
        ASSERT_EQ(glyph.kind, DrawOp::Kind::Text);
        EXPECT_EQ(glyph.text, title.substr(i, 1));
        EXPECT_EQ(glyph.font, "ゴシック");
        EXPECT_EQ(glyph.size, 16);
        EXPECT_TRUE(glyph.bold);
        EXPECT_FALSE(glyph.italic);
        EXPECT_EQ(glyph.h, 3);
        EXPECT_EQ(glyph.v, 3);
        EXPECT_EQ(glyph.x1, 264 + 34 + 27 * static_cast<float>(i));
        EXPECT_EQ(glyph.y1, 30);
        EXPECT_EQ(glyph.colour, 15);
    }
    const char* const items[] = {"1　プール・定義", "2　変域",  "3　2つの数量の関係", "4　シュレッダー",
                                 "5　比例",         "6　反比例", "7　P122 基本の問題", "8　終了"};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(items[i]);
        auto item = find_run(r.runs, items[i]);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->x, 44);
        EXPECT_EQ(item->y, 120 + 60 * i);
        EXPECT_EQ(item->colour, i % 2 == 0 ? 13 : 15);
    }
    auto prompt = find_run(r.runs, kPrompt);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->x, 816);
    EXPECT_EQ(prompt->y, 648);
    EXPECT_EQ(prompt->colour, 0);
}

TEST(FunctionsMainMenu, EightEndsTheProgramWithoutAnotherQuestion) {
    for (const char* keys : {"8{enter}1{enter}", "16/2{enter}1{enter}"}) {
        SCOPED_TRACE(keys);
        auto r = replay_program(keys);
        EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
        EXPECT_EQ(r.keys().back(), 13);                    // the 1 after it is never read
        EXPECT_EQ(count_runs(r.runs, kHeader), 1);
        EXPECT_FALSE(find_run(r.runs, "<めあて>"));
    }
}

TEST(FunctionsMainMenu, AnythingButAWholeItemRedrawsTheMenu) {
    for (const char* entry : {"0", "9", "", "-1", "7.6", "2.5", "15/2", "3/2"}) {
        SCOPED_TRACE(entry);
        auto r = replay_program(std::string(entry) + "{enter}");
        EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
        EXPECT_EQ(count_runs(r.runs, kHeader), 2);
        EXPECT_EQ(count_runs(r.runs, kPrompt), 2);
        EXPECT_FALSE(find_run(r.runs, "<めあて>"));
    }
}

TEST(FunctionsMainMenu, TheValueOfAFractionChoosesTheItem) {
    auto r = replay_program("4/2{enter}");
    auto aim = find_run(r.runs, kDomainAim);
    ASSERT_TRUE(aim);
    EXPECT_EQ(aim->x, 44);
    EXPECT_EQ(aim->y, 305);
    EXPECT_FALSE(find_run(r.runs, "関数の関係を身のまわりの問題に利用してみよう。"));
}

TEST(FunctionsMainMenu, AnItemClearsThePageThenShowsItsAimsAndBar) {
    auto r = replay_program("1{enter}");
    auto aims = find_run(r.runs, "<めあて>");
    ASSERT_TRUE(aims);
    EXPECT_EQ(aims->x, 44);
    EXPECT_EQ(aims->y, 240);
    EXPECT_EQ(aims->colour, 3);
    auto aim = find_run(r.runs, kPoolAim);
    ASSERT_TRUE(aim);
    EXPECT_EQ(aim->y, 305);
    auto bar = find_run(r.runs, kPoolBar);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->x, 16);
    EXPECT_EQ(bar->y, 666);
    EXPECT_EQ(bar->colour, 0);
    EXPECT_GT(bar->op_index, aim->op_index);
}

// Every topic's last bar item goes back to the main menu, which is drawn
// afresh with its number field where it was.
TEST(FunctionsTopicBars, TheLastItemReturnsToTheMainMenu) {
    struct Case {
        const char* keys;
        const char* aim;
    };
    const Case cases[] = {
        {"1{enter}3{enter}", kPoolAim},
        {"2{enter}4{enter}", kDomainAim},
        {"3{enter}4{enter}", "ともなって変わる2つの数量の間の関係を、表や式に表そう。"},
        {"4{enter}2{enter}", "関数の関係を身のまわりの問題に利用してみよう。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        auto r = replay_program(c.keys);
        EXPECT_EQ(r.result.outcome, rt::Outcome::Ended);
        EXPECT_EQ(count_runs(r.runs, c.aim), 1);
        EXPECT_EQ(count_runs(r.runs, kHeader), 2);
        ASSERT_EQ(count_runs(r.runs, kPrompt), 2);
        for (const auto& run : r.runs) {
            if (run.text == kPrompt) { EXPECT_EQ(run.x, 816); }
        }
    }
}

// A bar asks again for anything but one of its items, and leaves the page
// above it as it was: the only boxes drawn are the bar's own erasures.
TEST(FunctionsTopicBars, AnEntryOutOfRangeAsksAgainAndKeepsThePage) {
    for (const char* entry : {"0", "4", "-1", "1.5", "3/2", ""}) {
        SCOPED_TRACE(entry);
        auto r = replay_program("1{enter}" + std::string(entry) + "{enter}");
        EXPECT_EQ(count_runs(r.runs, kPoolBar), 2);
        EXPECT_EQ(count_runs(r.runs, kPoolAim), 1);
        const std::size_t after_choice = r.key_op(2);
        for (const DrawOp& box : r.of_kind(DrawOp::Kind::Box, after_choice)) EXPECT_GE(box.y1, 600);
    }
}

TEST(FunctionsTopicBars, ASceneReturnsToItsBarWithItsPictureKept) {
    // The shredder scene: twelve key waits, then its bar at once.
    auto r = replay_program("4{enter}1{enter}            ");
    const char* const bar = "①Ｐ１１９Ｑ　②終了";
    EXPECT_EQ(count_runs(r.runs, bar), 2);
    auto answer = find_run(r.runs, "およそ Aが200枚, Bが150枚");
    ASSERT_TRUE(answer);
    // Nothing erases the page between the last text and the bar.
    std::size_t second_bar = 0;
    for (const auto& run : r.runs)
        if (run.text == bar) second_bar = run.op_index;
    ASSERT_GT(second_bar, answer->op_index);
    for (std::size_t i = answer->op_index; i < second_bar; ++i) {
        if (r.ops[i].kind == DrawOp::Kind::Box) { EXPECT_GE(r.ops[i].y1, 600); }
    }
}

}  // namespace
