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

// A shell without a lesson: a title and a main menu that does nothing.
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
    std::string program_title() const override { return "試験"; }
    void MAIN_MENU_ENTRY() override {}
};

struct HeadlessRun {
    rt::RunResult result;
    std::vector<rt::DrawOp> ops;
};

// Runs `body` headless with the key script `keys` and records every
// operation. With a PNG path the canvas is rasterised and written at the end.
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
                                           rt::DrawOp::Kind kind) {
    std::vector<rt::DrawOp> found;
    for (const auto& op : ops) {
        if (op.kind == kind) found.push_back(op);
    }
    return found;
}

inline std::vector<rt::DrawOp> texts(const std::vector<rt::DrawOp>& ops) {
    return ops_of_kind(ops, rt::DrawOp::Kind::Text);
}

inline std::vector<rt::DrawOp> boxes(const std::vector<rt::DrawOp>& ops) {
    return ops_of_kind(ops, rt::DrawOp::Kind::Box);
}

// One drawn text: its text and top-left position.
struct Glyph {
    std::string text;
    float x, y;
    friend bool operator==(const Glyph&, const Glyph&) = default;
    friend void PrintTo(const Glyph& g, std::ostream* os) {
        *os << "\"" << rt::to_utf8(g.text) << "\" at (" << g.x << ", " << g.y << ")";
    }
};

inline std::vector<Glyph> glyphs(const std::vector<rt::DrawOp>& ops) {
    std::vector<Glyph> found;
    for (const auto& op : texts(ops)) found.push_back({op.text, op.x1, op.y1});
    return found;
}

// The first text operation that drew exactly `cp932` (one character as the
// plain text path draws it), or nullptr.
inline const rt::DrawOp* find_text(const std::vector<rt::DrawOp>& ops, const std::string& cp932) {
    for (const auto& op : ops) {
        if (op.kind == rt::DrawOp::Kind::Text && op.text == cp932) return &op;
    }
    return nullptr;
}

// All texts drawn, joined, in UTF-8: for failure messages.
inline std::string drawn_text_utf8(const std::vector<rt::DrawOp>& ops) {
    std::string all;
    for (const auto& op : texts(ops)) all += op.text;
    return rt::to_utf8(all);
}

// A box given by its two corners and colours, for comparisons.
struct BoxSpec {
    float x1, y1, x2, y2;
    int border, fill;
    friend bool operator==(const BoxSpec&, const BoxSpec&) = default;
    friend void PrintTo(const BoxSpec& b, std::ostream* os) {
        *os << "(" << b.x1 << ", " << b.y1 << ") to (" << b.x2 << ", " << b.y2 << ") border "
            << b.border << " fill " << b.fill;
    }
};

inline BoxSpec box_spec(const rt::DrawOp& op) {
    return {op.x1, op.y1, op.x2, op.y2, op.colour, op.fill};
}

inline std::vector<BoxSpec> box_specs(const std::vector<rt::DrawOp>& ops) {
    std::vector<BoxSpec> specs;
    for (const auto& op : boxes(ops)) specs.push_back(box_spec(op));
    return specs;
}

}  // namespace test_support
