// A shell to run routines on in tests: a headless session that records every
// drawing operation, without a window and (unless asked) without a canvas,
// optionally with a key script; and helpers that read the record back.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "framework/shell/shell.hpp"

namespace test_support {

// A lesson shell with no lesson: the routines of the shell run on it directly.
class HeadlessShell : public shell::Shell {
public:
    // The pen and the number field as start-up leaves them.
    void set_up_pen() {
        rt::SET_FONT_NAME("ｺﾞｼｯｸ");
        rt::SET_FONT_SIZE(16);
        rt::SET_DRAW_WIDTH(3);
        KAIX = 1056;
        KAIY = 648;
    }

protected:
    std::string program_title() const override { return "テスト"; }
    void MAIN_MENU_ENTRY() override {}
};

struct HeadlessRun {
    std::vector<rt::DrawOp> ops;       // every operation the body drew, oldest first
    std::optional<std::string> error;  // a run-time error the body raised
    rt::RunResult result;              // how the session ended
};

// Runs `body` under a headless session with recorded operations, the keys of
// `keys` (a key script) replayed to it. When the script runs out, the next
// wait for a key ends the run. With a PNG path the canvas is rasterised and
// written there at the end.
inline HeadlessRun run_headless(const std::string& keys, const std::function<void()>& body,
                                const std::string& png_path = "") {
    HeadlessRun run;
    rt::SessionOptions options;
    options.headless = true;
    options.keys = keys;
    options.record = true;
    options.rasterise = !png_path.empty();
    options.png_path = png_path;
    run.result = rt::run_session(
        options,
        [&] {
            try {
                body();
            } catch (const rt::RuntimeError& e) {
                run.error = e.what();
            }
        },
        [&](const rt::RuntimeError& e) { run.error = e.what(); });
    run.ops = rt::recorded_ops();
    return run;
}

// The same without keys.
inline HeadlessRun run_headless(const std::function<void()>& body,
                                const std::string& png_path = "") {
    return run_headless("", body, png_path);
}

// Operations of one kind, optionally only those drawn within the visible
// area (measuring draws below it).
inline std::vector<rt::DrawOp> ops_of(const std::vector<rt::DrawOp>& ops, rt::DrawOp::Kind kind,
                                      bool visible_only = true) {
    std::vector<rt::DrawOp> out;
    for (const rt::DrawOp& op : ops) {
        if (op.kind != kind) continue;
        float y = op.y1;
        if (kind == rt::DrawOp::Kind::Polyline && !op.points.empty()) y = op.points.front().y;
        if (visible_only && y >= rt::kScreenHeight) continue;
        out.push_back(op);
    }
    return out;
}

// The visible text operations with a non-empty text.
inline std::vector<rt::DrawOp> visible_texts(const std::vector<rt::DrawOp>& ops) {
    std::vector<rt::DrawOp> out;
    for (const rt::DrawOp& op : ops_of(ops, rt::DrawOp::Kind::Text)) {
        if (!op.text.empty()) out.push_back(op);
    }
    return out;
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

// Every text drawn (empty ones included), optionally only those in `colour`.
inline std::vector<Glyph> glyphs(const std::vector<rt::DrawOp>& ops, int colour = -1) {
    std::vector<Glyph> found;
    for (const rt::DrawOp& op : ops_of(ops, rt::DrawOp::Kind::Text, false)) {
        if (colour < 0 || op.colour == colour) found.push_back({op.text, op.x1, op.y1});
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
    for (const rt::DrawOp& op : ops_of(ops, rt::DrawOp::Kind::Box, false)) {
        found.push_back({op.x1, op.y1, op.x2, op.y2, op.colour, op.fill});
    }
    return found;
}

}  // namespace test_support
