// lesson_applied's main menu, the waiting line and the slide show, driven
// from the main menu with key scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lesson_replay.hpp"
#include "lessons/applied/applied_lesson.hpp"

namespace {

using lesson_replay::count_runs;
using lesson_replay::find_run;
using lesson_replay::Replay;
using rt::DrawOp;
using Kind = rt::DrawOp::Kind;

Replay run(const std::string& keys) {
    return lesson_replay::replay_program<lessons::AppliedLesson>(keys);
}

using lesson_replay::spaces;

// White boxes of these corners (scene clears, row erases).
int erases(const Replay& r, float x1, float y1, float x2, float y2) {
    int n = 0;
    for (const DrawOp& op : r.of_kind(Kind::Box))
        n += op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.fill == 15;
    return n;
}

// The leading blank of a bar takes a cell, drawn as a full-width blank.
const char* const kQueueBar = "　①予想　②手動　③デモ　④行列仮定　⑤時間予想　⑥終了";
const char* const kSlideBar = "　①Ｐ１４７Ｑ　②関係補説　③問１　④終了";
const char* const kSlideAim = "スライドショーの問題を比例や反比例を利用して解決しよう。";

// A scene that takes `keys` key presses shows its bar again after the last
// of them, not before.
void expect_keys_to_bar(const std::string& entry, int keys, const char* bar) {
    SCOPED_TRACE(entry);
    auto full = run(entry + spaces(keys));
    EXPECT_TRUE(find_run(full.runs, bar, full.key_op(full.keys().size() - 1)));
    EXPECT_EQ(count_runs(run(entry + spaces(keys - 1)).runs, bar), 1);
}

// The x of ゆのか's box in the frame shown at each pause (or each key).
std::vector<float> frames(const Replay& r, std::size_t from, Kind pace) {
    std::vector<float> xs;
    float yunoka = -1;
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const DrawOp& op = r.ops[i];
        if (op.kind == Kind::Box && op.x2 - op.x1 == 120 && op.y2 - op.y1 == 50) yunoka = op.x1;
        if (op.kind == pace) xs.push_back(yunoka);
    }
    return xs;
}

TEST(AppliedMainMenu, ChoosesByTheValueAndEndsOnSix) {
    // A fraction chooses by its value: 8/4 is the slide show, not item 8.
    EXPECT_TRUE(find_run(run("8/4{enter}").runs, kSlideAim));
    for (const char* keys : {"0{enter}", "7{enter}", "{enter}", "13/2{enter}", "2.5{enter}",
                             "1/0{enter}", "2{enter}4{enter}", "1{enter} 6{enter}"}) {
        auto r = run(keys);
        EXPECT_EQ(r.result.outcome, rt::Outcome::Ended) << keys;
        EXPECT_EQ(count_runs(r.runs, "番号を入力して下さい。入力"), 2) << keys;
    }
    for (const char* entry : {"6", "12/2"}) {
        auto r = run(std::string(entry) + "{enter}1{enter}");
        EXPECT_EQ(r.keys().back(), 13);             // the 1 after it is never read
        EXPECT_EQ(erases(r, 0, 0, 1760, 1800), 1);  // the menu's own page: nothing cleared
    }
}

TEST(AppliedQueue, EntryThenDemoAndManualMoveTheLineToItsEndPicture) {
    auto demo = run("1{enter} 3{enter}");
    EXPECT_EQ(count_runs(demo.runs, "人"), 19 + 19 * 20 / 2);  // set-up, then the frames
    EXPECT_TRUE(demo.has_box(890, 100, 1010, 150, 0, 15));     // ゆのか in the set-up
    const std::size_t start = demo.key_op(4) + 1;
    auto xs = frames(demo, start, Kind::Wait);
    ASSERT_EQ(xs.size(), 19u);
    for (int k = 19; k >= 1; --k) EXPECT_EQ(xs[19 - k], 130 + 40 * k) << k;
    EXPECT_EQ(demo.of_kind(Kind::Wait, start).back().n, 30);
    EXPECT_TRUE(demo.of_kind(Kind::Key, start).empty());   // no key read while it runs
    EXPECT_EQ(erases(demo, 0, 100, 1760, 160), 19);        // only the row is erased
    EXPECT_TRUE(demo.has_box(130, 100, 250, 150, 0, 15));  // ゆのか alone by the shop

    auto manual = run("1{enter} 2{enter}" + spaces(19));
    EXPECT_EQ(frames(manual, manual.key_op(4) + 1, Kind::Key), xs);
    expect_keys_to_bar("1{enter} 2{enter}", 19, kQueueBar);
    auto bar = run("1{enter} 2.5{enter}");  // not a whole item: the bar again
    EXPECT_EQ(count_runs(bar.runs, kQueueBar), 2);
    EXPECT_EQ(count_runs(bar.runs, "何かキーを押して下さい。"), 1);  // the entry's only
}

TEST(AppliedQueue, AssumptionLeavesANumberedSecondRowThatTheModesAnimate) {
    expect_keys_to_bar("1{enter} 4{enter}", 4, kQueueBar);
    auto r = run("1{enter} 4{enter}    3{enter}");
    auto later = find_run(r.runs, "5分後");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->x, 730);  // 40 px right of ゆのか's box at 570..690
    EXPECT_EQ(later->y, 160);
    // The demo then runs in the second row only, numbered from ① by the shop.
    EXPECT_EQ(erases(r, 0, 160, 1760, 220), 19);
    EXPECT_EQ(erases(r, 0, 100, 1760, 160), 0);
    EXPECT_EQ(count_runs(r.runs, "⑪"), 2 + 9);  // ④'s two rows, the frames of 19 to 11 ahead
    // A new entry draws the set-up line in the first row, numbered.
    auto again = run("1{enter} 4{enter}    6{enter}1{enter} ");
    EXPECT_EQ(count_runs(again.runs, "⑲"), 2);
    EXPECT_EQ(count_runs(again.runs, "人"), 2 * 19);  // the first set-up and ④'s first step
}

TEST(AppliedQueue, ReasoningScenesWriteUnderThePicture) {
    auto r = run("1{enter} 1{enter} ");
    auto mark = find_run(r.runs, "①", r.key_op(5));  // after its opening key wait
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->y, 230);

    expect_keys_to_bar("1{enter} 5{enter}", 7, kQueueBar);
    auto t = run("1{enter} 5{enter}" + spaces(7));
    auto other = find_run(t.runs, "<別解>");
    auto rest = find_run(t.runs, "あと");
    auto proportion = find_run(t.runs, "5:8=x:12");
    ASSERT_TRUE(other && rest && proportion);
    EXPECT_EQ(other->y, 330);
    EXPECT_EQ(rest->x, other->x + 80);  // 40 px each side of the question's end
    EXPECT_EQ(rest->y, 380);
    EXPECT_EQ(proportion->x, rest->x);
    EXPECT_EQ(erases(t, 0, 0, 1760, 1800), 3);  // menu, topic, set-up: the scenes clear nothing
}

TEST(AppliedSlides, AnimationShowsTwentySlidesInOnePlace) {
    auto r = run("2{enter}1{enter}");
    const std::size_t start = r.key_op(3);
    int n = 0;
    for (const DrawOp& op : r.of_kind(Kind::Box, start)) {
        if (op.x1 != 200 || op.y1 != 270 || op.x2 != 560 || op.y2 != 420) continue;
        ++n;
        EXPECT_EQ(op.fill, n % 2 == 0 ? 13 : 11) << n;
        EXPECT_TRUE(find_run(r.runs, std::to_string(n) + "枚目の写真", start)) << n;
    }
    EXPECT_EQ(n, 20);
    EXPECT_EQ(r.of_kind(Kind::Wait, start).size(), 20u);
    EXPECT_TRUE(r.of_kind(Kind::Key, start + 1).empty());
}

TEST(AppliedSlides, ScenesTakeTheirKeysAndReturnToTheBar) {
    expect_keys_to_bar("2{enter}1{enter}", 11, kSlideBar);
    expect_keys_to_bar("2{enter}2{enter}", 7, kSlideBar);
    expect_keys_to_bar("2{enter}3{enter}", 4, kSlideBar);
    // The aims page is drawn on entry only; a scene chosen again replays.
    auto r = run("2{enter}1{enter}" + spaces(11) + "1{enter}");
    EXPECT_EQ(count_runs(r.runs, kSlideAim), 1);
    EXPECT_EQ(r.of_kind(Kind::Wait).size(), 40u);
    // The exercise's figure: no grid lines, its marks outside the rectangle.
    auto q = run("2{enter}3{enter}");
    for (const DrawOp& line : q.of_kind(Kind::Line, q.key_op(3))) EXPECT_EQ(line.width, 5);
    auto a = find_run(q.runs, "acm"), b = find_run(q.runs, "bcm"), s = find_run(q.runs, "Scm2");
    ASSERT_TRUE(a && b && s);
    EXPECT_TRUE(a->y < 160 && a->x > 1000 && b->x < 1000 && b->y > 160);
    EXPECT_TRUE(s->x == 1060 && s->y == 190);
}

}  // namespace
