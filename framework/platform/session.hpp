// How a program is run: in a window, or headless with a key script; with or
// without a canvas, a PNG, a drawing log and an in-memory record.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "errors.hpp"
#include "screen.hpp"

namespace rt {

struct SessionOptions {
    bool headless = false;
    // The window's title (CP932): the program's name. Empty: "lesson".
    std::string title;
    // Key script: each character is a key; {enter} {bs} {del} {left} {right}
    // {esc} {close} name the others.
    std::string keys;
    std::string png_path;   // write the canvas as a PNG at the end
    std::string log_path;   // write the drawing log (JSON lines)
    std::optional<int> seed;  // replaces the clock's seed
    bool rasterise = true;  // headless without a PNG may skip the canvas
    // Headless: the canvas and the PNG at this many times the logical size,
    // drawn as a window of that size draws them (the log does not change).
    double scale = 1;
    // Keep the page so that the canvas can be drawn again at another scale
    // (rescale_canvas); a window always keeps it.
    bool keep_page = false;
    bool record = false;    // keep every DrawOp in memory (tests)
    // Headless: give up (as a hang) after this many operations without a key
    // being taken. 0: no limit.
    long op_limit_without_key = 0;
    // Called with every operation as it is drawn (timing tools watch the
    // keys and waits go by). Empty: nothing is called.
    std::function<void(const DrawOp&)> observer;
    // The command line asked for the usage (--help or -h): nothing is run.
    bool help = false;
};

// Parses the command line of a lesson program:
//   [--headless] [--keys SCRIPT] [--png FILE] [--log FILE] [--seed N] [--scale S]
//   [-h | --help]
// Returns an error text for bad arguments. --help or -h sets `help` and ends
// the parsing: what follows it is not read.
std::optional<std::string> parse_options(int argc, char** argv, SessionOptions& out);

// Turns a key script into key codes; an error text for an unknown {name}.
std::optional<std::string> parse_key_script(const std::string& script, std::vector<int>& codes);

// The outcome of one run.
enum class Outcome { Ended, ErrorScreen, Hang };

struct RunResult {
    Outcome outcome = Outcome::Ended;
    int exit_status = 0;  // 0 ended, 3 error screen (headless), 4 hang
};

// Runs `body` under a fresh session. A RuntimeError raised inside it is handed
// to `error_screen`, which draws the error screen and holds it (HOLD_FOREVER).
// Writes the PNG and the log, if asked, at the end.
RunResult run_session(const SessionOptions& options, const std::function<void()>& body,
                      const std::function<void(const RuntimeError&)>& error_screen);

// The error that led to the error screen (0 when none): line and code.
unsigned ERL();
int ERR();

// The seed that replaces the clock's seed in this session, if any.
std::optional<int> seed_override();

// The operations recorded in this session (options.record), oldest first.
const std::vector<DrawOp>& recorded_ops();
void clear_recorded_ops();

// For tests and tools: the canvas pixel (ARGB) at a logical position, or 0
// when there is no canvas.
std::uint32_t canvas_pixel(int x, int y);
bool write_png(const std::string& path);

// For tests and tools: draws the kept page at another scale, as a window
// resized to it does; false when there is no canvas.
bool rescale_canvas(double scale);
// The number of operations the canvas keeps to draw the page again.
std::size_t kept_page_ops();

}  // namespace rt
