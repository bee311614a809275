// How a lesson program starts: its main() hands its lesson object to
// run_lesson, which parses the command line, opens the window (or runs
// headless), runs start-up and catches a run-time error into the error screen.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/platform/session.hpp"
#include "shell.hpp"

namespace shell {

using LessonFactory = std::function<std::unique_ptr<Shell>()>;

// Runs one lesson under the given options; the lesson object lives as long
// as the run. The window is titled with the lesson's title unless the options
// name another. Returns the session's result.
rt::RunResult run_lesson(const rt::SessionOptions& options, const LessonFactory& make);

// The usage of a lesson program called `program`: one line of synopsis, then
// one line for each option.
std::string usage_text(const std::string& program);

// main() of a lesson program: parses the command line, runs, and returns the
// exit status (0 after printing the usage for --help or -h, 2 for a bad
// command line, 1 when the window or fonts cannot be had).
int lesson_main(int argc, char** argv, const LessonFactory& make);

}  // namespace shell
