// Start-up, the seed from the clock and the error screen, run headless; the
// command line and the window's title.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>

#include "framework/platform/numbers.hpp"
#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "framework/shell/program.hpp"
#include "support/demo_lesson.hpp"

namespace {

// A lesson whose main menu only records what start-up left behind.
class ProbeLesson : public figures::Figures {
public:
    std::function<void(ProbeLesson&)> on_menu;

protected:
    std::string program_title() const override { return "lesson_probe"; }
    void MAIN_MENU_ENTRY() override {
        if (on_menu) on_menu(*this);
    }
};

rt::SessionOptions headless(const std::string& keys = "") {
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = false;
    options.record = true;
    options.keys = keys;
    return options;
}

TEST(StartUp, LeavesTheValuesEveryRoutineReliesOn) {
    bool ran = false;
    rt::set_clock_source([] { return std::string("23:59:59"); });
    shell::run_lesson(headless(), [&] {
        auto lesson = std::make_unique<ProbeLesson>();
        lesson->on_menu = [&](ProbeLesson& l) {
            ran = true;
            EXPECT_EQ(l.CCC1, 4);
            EXPECT_EQ(l.KAIX, 1056);
            EXPECT_EQ(l.KAIY, 648);
            EXPECT_EQ(l.TITLE_S, "lesson_probe");
            EXPECT_EQ(l.A, 141);  // 23 + 59 + 59
            EXPECT_EQ(l.X_A(0), 0);
            EXPECT_EQ(l.X_A(50), 0);
            EXPECT_EQ(l.T_A_S(80), "");
            EXPECT_EQ(rt::GET_DRAW_WIDTH(), 3);
        };
        return lesson;
    });
    rt::set_clock_source({});
    EXPECT_TRUE(ran);
}

TEST(StartUp, EqualClockSumsGiveEqualRandomNumbers) {
    auto first_draw = [](const char* time) {
        float value = -1;
        rt::set_clock_source([time] { return std::string(time); });
        shell::run_lesson(headless(), [&] {
            auto lesson = std::make_unique<ProbeLesson>();
            lesson->on_menu = [&](ProbeLesson&) { value = rt::RND(); };
            return lesson;
        });
        rt::set_clock_source({});
        return value;
    };
    EXPECT_EQ(first_draw("01:02:03"), first_draw("03:02:01"));
    EXPECT_NE(first_draw("01:02:03"), first_draw("01:02:04"));
}

TEST(StartUp, AGivenSeedReplacesTheClock) {
    float seed = -1;
    auto options = headless();
    options.seed = 77;
    shell::run_lesson(options, [&] {
        auto lesson = std::make_unique<ProbeLesson>();
        lesson->on_menu = [&](ProbeLesson& l) { seed = l.A; };
        return lesson;
    });
    EXPECT_EQ(seed, 77);
}

TEST(ErrorScreen, ShowsLineAndCodeAtTheFixedPlace) {
    // The demo program divides by zero on "e".
    const rt::RunResult result =
        shell::run_lesson(headless("ae"), [] { return std::make_unique<demo::DemoLesson>(); });
    EXPECT_EQ(result.outcome, rt::Outcome::ErrorScreen);
    EXPECT_EQ(result.exit_status, 3);
    const auto& ops = rt::recorded_ops();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[ops.size() - 2].kind, rt::DrawOp::Kind::Cls);
    const rt::DrawOp& line = ops.back();
    ASSERT_EQ(line.kind, rt::DrawOp::Kind::Text);
    EXPECT_EQ(line.x1, 288);
    EXPECT_EQ(line.y1, 432);
    EXPECT_EQ(line.colour, 13);
    EXPECT_EQ(line.font, "ｺﾞｼｯｸ");  // the font in force when the error came
    const std::string expected_start =
        " " + std::to_string(rt::ERL()) + ", 11エラーが発生しました。";
    EXPECT_EQ(rt::LEFT(line.text, static_cast<float>(expected_start.size())), expected_start)
        << rt::to_utf8(line.text);
    EXPECT_GT(rt::ERL(), 0u);
    EXPECT_EQ(rt::ERR(), rt::kDivisionByZero);
}

TEST(HeadlessRun, EndsCleanlyWhenTheScriptRunsOut) {
    const rt::RunResult result =
        shell::run_lesson(headless("abc"), [] { return std::make_unique<demo::DemoLesson>(); });
    EXPECT_EQ(result.outcome, rt::Outcome::Ended);
    EXPECT_EQ(result.exit_status, 0);
    int keys = 0;
    for (const auto& op : rt::recorded_ops()) keys += op.kind == rt::DrawOp::Kind::Key;
    EXPECT_EQ(keys, 3);
}

TEST(HeadlessRun, KeyScriptNamesSpecialKeys) {
    std::vector<int> codes;
    EXPECT_FALSE(rt::parse_key_script("1{enter}{bs}{del}{left}{right}{esc}", codes));
    EXPECT_EQ(codes, (std::vector<int>{'1', 13, 8, 12, 29, 28, 27}));
    EXPECT_TRUE(rt::parse_key_script("{nope}", codes));
    EXPECT_TRUE(rt::parse_key_script("{enter", codes));
}

// The title of the one window that is open, or "" when none is.
std::string open_window_title() {
    for (Uint32 id = 1; id < (1u << 16); ++id) {
        if (SDL_Window* window = SDL_GetWindowFromID(id)) return SDL_GetWindowTitle(window);
    }
    return "";
}

TEST(StartUp, TheWindowIsTitledWithTheProgramsName) {
    // SDL's dummy video driver needs no display.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string title = "(menu not reached)";
    rt::SessionOptions windowed;
    windowed.rasterise = false;
    try {
        shell::run_lesson(windowed, [&] {
            auto lesson = std::make_unique<ProbeLesson>();
            lesson->on_menu = [&](ProbeLesson&) { title = open_window_title(); };
            return lesson;
        });
    } catch (const std::runtime_error& failure) {
        unsetenv("SDL_VIDEODRIVER");
        GTEST_SKIP() << failure.what();
    }
    unsetenv("SDL_VIDEODRIVER");
    EXPECT_EQ(title, "lesson_probe");
}

// lesson_main on a command line, with what it printed.
struct CommandLine {
    int status = -1;
    std::string out, err;
    bool ran = false;
};

CommandLine run_command_line(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    CommandLine result;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    result.status = shell::lesson_main(static_cast<int>(args.size()), argv.data(), [&] {
        result.ran = true;
        return std::make_unique<ProbeLesson>();
    });
    result.err = testing::internal::GetCapturedStderr();
    result.out = testing::internal::GetCapturedStdout();
    return result;
}

TEST(CommandLine, HelpPrintsTheUsageAndRunsNothing) {
    for (const char* flag : {"--help", "-h"}) {
        SCOPED_TRACE(flag);
        const CommandLine r = run_command_line({"lesson_probe", flag});
        EXPECT_EQ(r.status, 0);
        EXPECT_FALSE(r.ran);
        EXPECT_EQ(r.out.rfind("usage: lesson_probe [--headless]", 0), 0u) << r.out;
        for (const char* option : {"--keys", "--png", "--log", "--seed", "--help"}) {
            EXPECT_NE(r.out.find(option), std::string::npos) << option;
        }
        EXPECT_EQ(r.err, "");
    }
    // After other options too.
    EXPECT_EQ(run_command_line({"lesson_probe", "--seed", "3", "-h"}).status, 0);
}

TEST(CommandLine, AnUnknownArgumentIsRefused) {
    const CommandLine r = run_command_line({"lesson_probe", "--bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.ran);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("lesson_probe: unknown argument --bogus\nusage: lesson_probe", 0), 0u)
        << r.err;
}

TEST(CommandLine, WithoutADisplayTheProgramsOwnMessageIsAllThatIsPrinted) {
    // Nothing may come before it from a display library trying its luck.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("XDG_RUNTIME_DIR");
    const CommandLine r = run_command_line({"lesson_probe"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "lesson_probe: no display: set DISPLAY (or WAYLAND_DISPLAY) to a running display\n");
}

TEST(HeadlessRun, AFlushNeverEatsKeysTypedLater) {
    // The first poll after a key is always empty, so a loop that reads keys
    // until none waits stops before the next scripted key.
    std::string seen;
    rt::SessionOptions options = headless("xy");
    rt::run_session(
        options,
        [&] {
            while (!rt::INKEY().empty()) {
            }
            for (;;) {
                std::string k;
                while ((k = rt::INKEY()).empty()) {
                }
                seen += k;
                while (!rt::INKEY().empty()) {
                }
            }
        },
        [](const rt::RuntimeError&) {});
    EXPECT_EQ(seen, "xy");
}

}  // namespace
