// Every main-menu item and every bar choice of the four programs, walked to
// its end: each scene gives its bar back (without the main menu in between),
// each bar's last choice leads to the main menu, and the quit item ends the
// program at once.
#include <gtest/gtest.h>

#include "lesson_replay.hpp"
#include "support/lesson_catalogue.hpp"

namespace {

using lesson_replay::Replay;

lesson_replay::Replay walk(const catalogue::Program& program, const std::string& keys) {
    return lesson_replay::finish(
        shell::run_lesson(lesson_replay::headless(keys, 2'000'000), program.make));
}

// The main menu's panel.
bool is_menu_panel(const rt::DrawOp& op) {
    return op.kind == rt::DrawOp::Kind::Box && op.x1 == 22 && op.y1 == 10 && op.x2 == 1342 &&
           op.y2 == 610 && op.fill == 10;
}

// What comes first after op `from`: the bar's field again (1), the main
// menu (2), or neither (0).
int next_stop(const Replay& replay, std::size_t from) {
    for (std::size_t i = from; i < replay.ops.size(); ++i) {
        if (is_menu_panel(replay.ops[i])) return 2;
        if (catalogue::is_field_label(replay.ops[i])) return 1;
    }
    return 0;
}

// The keys taken before op `until`, after the first `skip`, as a key script.
std::string keys_taken(const Replay& replay, std::size_t skip, std::size_t until) {
    std::string script;
    std::size_t n = 0;
    for (std::size_t i = 0; i < until && i < replay.ops.size(); ++i) {
        if (replay.ops[i].kind != rt::DrawOp::Kind::Key || n++ < skip) continue;
        const int code = replay.ops[i].code;
        script += code == 13 ? std::string("{enter}") : std::string(1, static_cast<char>(code));
    }
    return script;
}

// The first op at or after `from` that draws the bar's number field.
std::size_t field_after(const Replay& replay, std::size_t from) {
    for (std::size_t i = from; i < replay.ops.size(); ++i)
        if (catalogue::is_field_label(replay.ops[i])) return i;
    return replay.ops.size();
}

TEST(Walk, EverySceneGivesItsBarBackAndEveryLastChoiceTheMenu) {
    for (const catalogue::Program& program : catalogue::programs()) {
        for (std::size_t item = 1; item <= program.bar_choices.size(); ++item) {
            const int choices = program.bar_choices[item - 1];
            const std::string open = std::to_string(item) + "{enter}";
            SCOPED_TRACE(program.name + " item " + std::to_string(item));
            if (choices == 0) {
                const Replay replay = walk(program, open);
                EXPECT_EQ(next_stop(replay, replay.key_op(1)), 2);
                continue;
            }
            // An aims page may wait for keys before the bar comes: walk up to it.
            const Replay entry = walk(program, open + catalogue::walk_keys(400));
            if (next_stop(entry, entry.key_op(1) + 1) != 1) {
                ADD_FAILURE() << "the bar never came";
                continue;
            }
            const std::size_t bar = field_after(entry, entry.key_op(1) + 1);
            const std::string to_bar = open + keys_taken(entry, 2, bar);
            std::size_t taken_to_bar = 0;
            for (std::size_t i = 0; i < bar; ++i)
                taken_to_bar += entry.ops[i].kind == rt::DrawOp::Kind::Key;
            for (int choice = 1; choice <= choices; ++choice) {
                SCOPED_TRACE("choice " + std::to_string(choice));
                const Replay replay = walk(program, to_bar + std::to_string(choice) + "{enter}" +
                                                        catalogue::walk_keys(400));
                ASSERT_EQ(replay.result.outcome, rt::Outcome::Ended);
                const int stop = next_stop(replay, replay.key_op(taken_to_bar + 1) + 1);
                EXPECT_EQ(stop, program.leads_to_menu(static_cast<int>(item), choice) ? 2 : 1)
                    << (stop == 0 ? "never came back" : "came back to the wrong place");
            }
        }
    }
}

TEST(Walk, TheQuitItemEndsTheProgramAtOnce) {
    for (const catalogue::Program& program : catalogue::programs()) {
        SCOPED_TRACE(program.name);
        const Replay replay = walk(program, std::to_string(program.quit_item) + "{enter}1{enter}");
        EXPECT_EQ(replay.result.outcome, rt::Outcome::Ended);
        EXPECT_EQ(replay.result.exit_status, 0);
        EXPECT_EQ(replay.keys().size(), 2u);
    }
}

}  // namespace
