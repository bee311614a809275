// How a lesson program starts: its main() hands its lesson object to
// run_lesson, which parses the command line, opens the window (or runs
// headless), runs start-up and catches a run-time error into the error screen.
#pragma once

#include <functional>
#include <memory>

#include "framework/platform/session.hpp"
#include "shell.hpp"

namespace shell {

using LessonFactory = std::function<std::unique_ptr<Shell>()>;

// Runs one lesson under the given options; the lesson object lives as long
// as the run. Returns the session's result.
rt::RunResult run_lesson(const rt::SessionOptions& options, const LessonFactory& make);

// main() of a lesson program: parses the command line, runs, and returns the
// exit status (2 for a bad command line, 1 when the window or fonts cannot be
// had).
int lesson_main(int argc, char** argv, const LessonFactory& make);

}  // namespace shell
