// Start-up, the reseeding of the random numbers and the error screen.
#include <iostream>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "program.hpp"
#include "shell.hpp"

// Every literal must reach the screen as CP932 bytes.
static_assert(sizeof("あ") == 3, "string literals must be compiled to CP932 (-fexec-charset=CP932)");

namespace shell {

void Shell::START_SETTINGS() {
    // The error trap is armed by the caller (run_lesson) before this runs.
    rt::SET_MAP_MODE(1);
    rt::MAXIMIZE_WINDOW();
    rt::SET_FONT_NAME("ｺﾞｼｯｸ");
    rt::SET_FONT_SIZE(16);
    rt::SET_DRAW_WIDTH(3);
    RESEED_FROM_CLOCK();
    CCC1 = 4;
    KAIX = 1056;
    KAIY = 648;
    TITLE_S = program_title();
    // The arrays exist from the start, every element 0 or empty.
    MAIN_MENU_ENTRY();
}

void Shell::RESEED_FROM_CLOCK() {
    // Hours + minutes + seconds of the clock: a seed from 0 to 141. A seed
    // given to the session (for repeatable drills) takes its place.
    if (const auto seed = rt::seed_override()) {
        A = static_cast<float>(*seed);
    } else {
        const std::string now = rt::TIME_S();
        A = rt::VAL(rt::LEFT(now, 2)) + rt::VAL(rt::MID(now, 4, 2)) + rt::VAL(rt::RIGHT(now, 2));
    }
    rt::RANDOMIZE(rt::CINT(A));
}

void Shell::ERROR_HANDLER(const rt::RuntimeError& error) {
    rt::CLS();
    A = static_cast<float>(error.line());
    A_S = rt::STR(A);
    B = static_cast<float>(error.code());
    B_S = rt::STR(B);
    // Drawn in whatever font is current when the error happened.
    rt::SYMBOL(288, 432, A_S + "," + B_S + "エラーが発生しました。マウスで×をクリックして下さい。", 1, 1, 13);
    rt::HOLD_FOREVER();
}

rt::RunResult run_lesson(const rt::SessionOptions& options, const LessonFactory& make) {
    std::unique_ptr<Shell> lesson = make();
    // A teacher with two programs open tells their windows apart by name.
    rt::SessionOptions titled = options;
    if (titled.title.empty()) titled.title = lesson->program_title();
    return rt::run_session(
        titled, [&] { lesson->START_SETTINGS(); },
        [&](const rt::RuntimeError& error) { lesson->ERROR_HANDLER(error); });
}

std::string usage_text(const std::string& program) {
    return "usage: " + program +
           " [--headless] [--keys SCRIPT] [--png FILE] [--log FILE] [--seed N] [--scale S]\n"
           "  --headless      run without a window, the keys taken from --keys\n"
           "  --keys SCRIPT   keys to replay, one character each; {enter} {bs} {del}\n"
           "                  {left} {right} {esc} {close} name the others\n"
           "  --png FILE      write the screen as a PNG when the run ends\n"
           "  --log FILE      write every drawing operation as JSON lines\n"
           "  --seed N        use N in place of the clock's seed (repeatable drills)\n"
           "  --scale S       headless: draw the screen and the PNG at S times the size\n"
           "  -h, --help      print this help and exit\n";
}

int lesson_main(int argc, char** argv, const LessonFactory& make) {
    rt::SessionOptions options;
    const std::string program = argc > 0 ? argv[0] : "lesson";
    if (auto error = rt::parse_options(argc, argv, options)) {
        const std::string usage = usage_text(program);
        std::cerr << program << ": " << *error << "\n" << usage.substr(0, usage.find('\n') + 1);
        return 2;
    }
    if (options.help) {
        std::cout << usage_text(program);
        return 0;
    }
    try {
        return run_lesson(options, make).exit_status;
    } catch (const std::runtime_error& failure) {
        std::cerr << program << ": " << failure.what() << "\n";
        return 1;
    }
}

}  // namespace shell
