// snapshot: runs a lesson headless with a key script and writes what is on
// the screen as a PNG and every drawing operation as a log.
//
//   snapshot <lesson> --keys "3{enter}1{enter}  " --png out.png --log out.jsonl --seed N
//            [--scale S]
//
// With --scale the PNG is the page drawn at S times its size (fractions
// allowed), as a window of that size draws it; the log stays the same.
// Exits 0 when the script ran out (or after printing the usage for --help or
// -h), 3 when the error screen is showing, 4 when the program drew for ever
// without taking a key, 2 for a bad command line.
#include <cstring>
#include <iostream>
#include <map>
#include <memory>

#include "framework/shell/program.hpp"
#include "tests/support/demo_lesson.hpp"
#ifdef HAVE_LESSON_functions
#include "lessons/functions/functions_lesson.hpp"
#endif
#ifdef HAVE_LESSON_direct
#include "lessons/direct/direct_lesson.hpp"
#endif
#ifdef HAVE_LESSON_inverse
#include "lessons/inverse/inverse_lesson.hpp"
#endif
#ifdef HAVE_LESSON_applied
#include "lessons/applied/applied_lesson.hpp"
#endif

int main(int argc, char** argv) {
    std::map<std::string, shell::LessonFactory> lessons;
    lessons["demo"] = [] { return std::make_unique<demo::DemoLesson>(); };
#ifdef HAVE_LESSON_functions
    lessons["functions"] = [] { return std::make_unique<lessons::FunctionsLesson>(); };
    lessons["lesson_functions"] = lessons["functions"];
#endif
#ifdef HAVE_LESSON_direct
    lessons["direct"] = [] { return std::make_unique<lessons::DirectLesson>(); };
    lessons["lesson_direct"] = lessons["direct"];
#endif
#ifdef HAVE_LESSON_inverse
    lessons["inverse"] = [] { return std::make_unique<lessons::InverseLesson>(); };
    lessons["lesson_inverse"] = lessons["inverse"];
#endif
#ifdef HAVE_LESSON_applied
    lessons["applied"] = [] { return std::make_unique<lessons::AppliedLesson>(); };
    lessons["lesson_applied"] = lessons["applied"];
#endif
    auto usage = [&](std::ostream& out) {
        out << "usage: snapshot <lesson> [--keys SCRIPT] [--png FILE] [--log FILE] [--seed N] [--scale S]\n"
            << "lessons:";
        for (const auto& [name, make] : lessons) out << " " << name;
        out << "\n";
    };
    const bool help =
        argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (help) {
        usage(std::cout);
        return 0;
    }
    if (argc < 2 || !lessons.contains(argv[1])) {
        usage(std::cerr);
        return 2;
    }
    rt::SessionOptions options;
    if (auto error = rt::parse_options(argc - 1, argv + 1, options)) {
        std::cerr << "snapshot: " << *error << "\n";
        return 2;
    }
    if (options.help) {
        usage(std::cout);
        return 0;
    }
    options.headless = true;
    options.op_limit_without_key = 5'000'000;
    try {
        return shell::run_lesson(options, lessons[argv[1]]).exit_status;
    } catch (const std::runtime_error& failure) {
        std::cerr << "snapshot: " << failure.what() << "\n";
        return 1;
    }
}
