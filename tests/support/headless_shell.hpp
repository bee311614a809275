// Runs shell routines in a headless session with a key script and gives back
// what they drew, for the tests of the shell's own routines.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "framework/shell/shell.hpp"

namespace test_support {

// A shell without a lesson, its pen and number field as start-up leaves them.
class HeadlessShell : public shell::Shell {
public:
    void set_up_pen() {
        rt::SET_FONT_NAME("ｺﾞｼｯｸ");
        rt::SET_FONT_SIZE(16);
        rt::SET_DRAW_WIDTH(3);
        KAIX = 1056;
        KAIY = 648;
    }

protected:
    std::string program_title() const override { return "試験"; }
    void MAIN_MENU_ENTRY() override {}
};

struct HeadlessRun {
    rt::RunResult result;
    std::vector<rt::DrawOp> ops;
};

// Runs `body` headless with the key script `keys`, recording every
// operation; with a PNG path the canvas is rasterised and written at the end.
inline HeadlessRun run_headless(const std::string& keys, const std::function<void()>& body,
                                const std::string& png_path = "") {
    rt::SessionOptions options;
    options.headless = true;
    options.keys = keys;
    options.record = true;
    options.rasterise = !png_path.empty();
    options.png_path = png_path;
    options.op_limit_without_key = 100000;
    HeadlessRun run;
    run.result = rt::run_session(options, body, [](const rt::RuntimeError&) { rt::HOLD_FOREVER(); });
    run.ops = rt::recorded_ops();
    return run;
}

inline std::vector<rt::DrawOp> ops_of_kind(const std::vector<rt::DrawOp>& ops,
                                           rt::DrawOp::Kind kind, int colour = -1) {
    std::vector<rt::DrawOp> found;
    for (const auto& op : ops) {
        if (op.kind == kind && (colour < 0 || op.colour == colour)) found.push_back(op);
    }
    return found;
}

// One drawn text (CP932) at its top-left position; printed in UTF-8.
struct Glyph {
    std::string text;
    float x, y;
    friend bool operator==(const Glyph&, const Glyph&) = default;
    friend void PrintTo(const Glyph& g, std::ostream* os) {
        *os << "\"" << rt::to_utf8(g.text) << "\" at (" << g.x << ", " << g.y << ")";
    }
};

// The texts drawn, optionally only those in `colour`.
inline std::vector<Glyph> glyphs(const std::vector<rt::DrawOp>& ops, int colour = -1) {
    std::vector<Glyph> found;
    for (const auto& op : ops_of_kind(ops, rt::DrawOp::Kind::Text, colour)) {
        found.push_back({op.text, op.x1, op.y1});
    }
    return found;
}

// The glyphs that plain text draws for `cp932` from (x, y): one per
// character, 16 pixels apart.
inline std::vector<Glyph> cells(const std::string& cp932, float x, float y) {
    std::vector<Glyph> expected;
    for (std::size_t pos = 0; pos < cp932.size(); x += 16) {
        expected.push_back({std::string(rt::next_char(cp932, pos)), x, y});
    }
    return expected;
}

// A box by its two corners, border and fill.
struct BoxSpec {
    float x1, y1, x2, y2;
    int border, fill;
    friend bool operator==(const BoxSpec&, const BoxSpec&) = default;
    friend void PrintTo(const BoxSpec& b, std::ostream* os) {
        *os << "(" << b.x1 << ", " << b.y1 << ") to (" << b.x2 << ", " << b.y2 << ") border "
            << b.border << " fill " << b.fill;
    }
};

inline std::vector<BoxSpec> boxes(const std::vector<rt::DrawOp>& ops) {
    std::vector<BoxSpec> found;
    for (const auto& op : ops_of_kind(ops, rt::DrawOp::Kind::Box)) {
        found.push_back({op.x1, op.y1, op.x2, op.y2, op.colour, op.fill});
    }
    return found;
}

}  // namespace test_support
