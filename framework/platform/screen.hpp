// The screen, the pen and the keyboard: the runtime services the programs
// draw and read keys through.
//
// One logical drawing space of 1440 by 900 pixels, origin top left, y down;
// everything outside is clipped. Colours are palette indices 0..15 (15 is the
// white background). Text and font names are CP932 byte strings.
//
// The same calls run in two modes: in a window (SDL), or headless, with keys
// replayed from a script and waits logged instead of slept. Either mode can
// rasterise into a canvas and record every operation (see DrawOp).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

constexpr int kScreenWidth = 1440;
constexpr int kScreenHeight = 900;
constexpr int kWhite = 15;
constexpr int kNoFill = -1;

struct Point {
    float x = 0;
    float y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// ---- pen and font -------------------------------------------------------
// One font (face name, size, bold, italic) and one draw width for the whole
// program; each setting holds for all later drawing until it is changed.
void SET_FONT_NAME(std::string_view cp932_name);
void SET_FONT_SIZE(float size);
void SET_FONT_BOLD(int flag);    // -1 on, 0 off
void SET_FONT_ITALIC(int flag);  // -1 on, 0 off
void SET_DRAW_WIDTH(std::int32_t width);
std::int32_t GET_DRAW_WIDTH();
// Window set-up calls of start-up; the window is always one logical space
// and is opened maximised, so both only record that they were made.
void SET_MAP_MODE(int mode);
void MAXIMIZE_WINDOW();

// ---- drawing --------------------------------------------------------------
// Lines and outlines use the current draw width.
void LINE(float x1, float y1, float x2, float y2, int colour);
// A box between two corners: outlined in `border`, filled with `fill` when
// fill is not kNoFill (a box filled with 15 erases what is under it).
void BOX(float x1, float y1, float x2, float y2, int border, int fill = kNoFill);
// A circle, or with start != end an arc (filled: a sector). Angles are
// fractions of a full turn counted clockwise on the screen from the direction
// to the right; the arc runs from start to end through increasing fractions.
// start = end = 0 is the whole circle. A filled circle is a dot.
void CIRCLE(float x, float y, float r, int colour, float start = 0, float end = 0,
            int fill = kNoFill);
// An open path through the points, or with a fill a closed polygon with a
// border in `colour`.
void POLYLINE(const std::vector<Point>& points, int colour, int fill = kNoFill);
// Text with its top left at (x, y) in the current font, magnified h times
// wide and v times high. A character at size s fills a cell s*h/2 wide (one
// byte) or s*h wide (two bytes) and s*v high. Text wholly below the visible
// area (the measuring trick) is recorded but never rasterised.
void SYMBOL(float x, float y, std::string_view cp932_text, float h, float v, int colour);
// Clears the whole window to white.
void CLS();

// ---- time and keys --------------------------------------------------------
// A pause of n units of 10 ms (headless: logged, not slept).
void WAIT(float n);
// One key if one waits, else "" at once. Keys come as one-byte strings:
// right arrow 28, left arrow 29, Enter 13, Backspace 8, Delete 12, Escape 27,
// printable keys as their characters.
std::string INKEY();
// Serves window events for good, drawing nothing new: the wait of the error
// screen. Never returns normally; closing the window ends the program.
[[noreturn]] void HOLD_FOREVER();

// ---- ending ------------------------------------------------------------------
// Thrown to end the program cleanly: the window was closed, the key script ran
// out, or the program asked to end. Caught once at the top.
struct ProgramExit {
    int status = 0;
};
[[noreturn]] void END_PROGRAM();

// ---- the drawing record ---------------------------------------------------
// Every operation, as the program computed it, for tests and the log.
struct DrawOp {
    enum class Kind { Text, Line, Box, Circle, Polyline, Cls, Wait, Key };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text and circle: (x1, y1); circle radius in r
    float r = 0, start = 0, end = 0;
    int colour = 0;        // line, text, circle colour; box border
    int fill = kNoFill;    // kNoFill: an outline
    int width = 0;         // draw width in force
    std::string text;      // CP932
    std::string font;      // CP932, as the program named it
    float size = 0, h = 1, v = 1;
    bool bold = false, italic = false;
    std::vector<Point> points;
    float n = 0;  // wait units
    int code = 0; // key code
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};
// One JSON object (one line, no newline) for an operation.
std::string to_json(const DrawOp& op);

}  // namespace rt
