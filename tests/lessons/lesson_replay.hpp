// Replaying keys through a lesson program headless and reading back what was
// drawn: texts as runs of glyphs, boxes, lines and circles.
#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "framework/shell/program.hpp"

namespace lesson_replay {

// One text as the learner reads it: the glyphs of one colour that follow one
// another along a line. Blanks draw no glyph and a minus sign is a line, so a
// run holds neither; fraction bars and root signs (lines) do not break it.
// Its place is the first glyph's x and the y of its first upright glyph
// (italic letters stand higher). Text in CP932, as the literals of the tests.
struct TextRun {
    float x = 0;
    float y = 0;
    int colour = 0;
    std::string text;
    std::size_t op_index = 0;  // the first glyph's place in the record
};

// A text as its run reads: without blanks and minus signs (neither byte
// occurs inside a two-byte character).
inline std::string as_run(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '-') out += c;
    return out;
}

// Texts drawn below the page (measuring) are left out.
inline std::vector<TextRun> text_runs(const std::vector<rt::DrawOp>& ops) {
    std::vector<TextRun> runs;
    float last_x = 0;
    bool open = false;
    bool upright_seen = false;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const rt::DrawOp& op = ops[i];
        if (op.kind != rt::DrawOp::Kind::Text) {
            if (op.kind != rt::DrawOp::Kind::Wait && op.kind != rt::DrawOp::Kind::Line)
                open = false;
            continue;
        }
        if (op.y1 >= rt::kScreenHeight || as_run(op.text).empty()) continue;
        const bool continues = open && op.colour == runs.back().colour &&
                               std::fabs(op.y1 - runs.back().y) < 30 && op.x1 >= last_x &&
                               op.x1 <= last_x + 100;
        if (continues) {
            runs.back().text += as_run(op.text);
        } else {
            runs.push_back({op.x1, op.y1, op.colour, as_run(op.text), i});
            upright_seen = false;
        }
        if (!op.italic && !upright_seen) {
            runs.back().y = op.y1;
            upright_seen = true;
        }
        last_x = op.x1;
        open = true;
    }
    return runs;
}

inline std::optional<TextRun> find_run(const std::vector<TextRun>& runs, const std::string& text,
                                       std::size_t from_op = 0) {
    for (const TextRun& run : runs)
        if (run.text == as_run(text) && run.op_index >= from_op) return run;
    return std::nullopt;
}

inline int count_runs(const std::vector<TextRun>& runs, const std::string& text) {
    int n = 0;
    for (const TextRun& run : runs) n += run.text == as_run(text);
    return n;
}

struct Replay {
    rt::RunResult result;
    std::vector<rt::DrawOp> ops;
    std::vector<TextRun> runs;

    // The keys the program took, in order.
    std::vector<int> keys() const {
        std::vector<int> codes;
        for (const auto& op : ops)
            if (op.kind == rt::DrawOp::Kind::Key) codes.push_back(op.code);
        return codes;
    }
    // Index of the op of the n-th key taken (0-based); ops.size() if none.
    std::size_t key_op(std::size_t n) const {
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == rt::DrawOp::Kind::Key && n-- == 0) return i;
        return ops.size();
    }
    std::vector<rt::DrawOp> of_kind(rt::DrawOp::Kind kind, std::size_t from = 0,
                                    std::size_t to = SIZE_MAX) const {
        std::vector<rt::DrawOp> found;
        for (std::size_t i = from; i < ops.size() && i < to; ++i)
            if (ops[i].kind == kind) found.push_back(ops[i]);
        return found;
    }
    bool has_box(float x1, float y1, float x2, float y2, int border, int fill) const {
        for (const auto& op : ops)
            if (op.kind == rt::DrawOp::Kind::Box && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 &&
                op.y2 == y2 && op.colour == border && op.fill == fill)
                return true;
        return false;
    }
};

// The glyphs drawn after op `from` with their top left inside the rectangle
// (of one colour, or any when colour < 0), blanks left out; CP932, like the
// program's texts.
inline std::string glyphs_in(const Replay& r, std::size_t from, float x1, float y1, float x2, float y2,
                             int colour = -1) {
    std::string text;
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const rt::DrawOp& op = r.ops[i];
        if (op.kind != rt::DrawOp::Kind::Text || op.x1 < x1 || op.x1 >= x2 || op.y1 < y1 || op.y1 >= y2)
            continue;
        if (colour >= 0 && op.colour != colour) continue;
        for (char c : op.text)
            if (c != ' ') text += c;
    }
    return text;
}

// The first op at or after `from` that draws `text` with its top left at
// (x, y), or the line from (x1, y1) to (x2, y2); ops.size() if none.
inline std::size_t text_op(const Replay& r, std::size_t from, float x, float y,
                           const std::string& text) {
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const rt::DrawOp& op = r.ops[i];
        if (op.kind == rt::DrawOp::Kind::Text && op.x1 == x && op.y1 == y && op.text == text)
            return i;
    }
    return r.ops.size();
}
inline std::size_t line_op(const Replay& r, std::size_t from, float x1, float y1, float x2,
                           float y2) {
    for (std::size_t i = from; i < r.ops.size(); ++i) {
        const rt::DrawOp& op = r.ops[i];
        if (op.kind == rt::DrawOp::Kind::Line && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 &&
            op.y2 == y2)
            return i;
    }
    return r.ops.size();
}

// Whether op is a box with these corners.
inline bool is_box(const rt::DrawOp& op, float x1, float y1, float x2, float y2) {
    return op.kind == rt::DrawOp::Kind::Box && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
}

// n blanks: n key presses that each move a key wait on.
inline std::string spaces(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

inline rt::SessionOptions headless(const std::string& keys, long op_limit = 2'000'000) {
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = false;
    options.record = true;
    options.keys = keys;
    options.op_limit_without_key = op_limit;
    return options;
}

inline Replay finish(rt::RunResult result) {
    Replay replay{result, rt::recorded_ops(), {}};
    replay.runs = text_runs(replay.ops);
    return replay;
}

// The whole of program `Program` from its main menu.
template <class Program>
Replay replay_program(const std::string& keys, long op_limit = 2'000'000) {
    return finish(
        shell::run_lesson(headless(keys, op_limit), [] { return std::make_unique<Program>(); }));
}

// A lesson `Program` with its routines in reach: `body` runs in place of the
// main menu, after start-up. A test derives from it to name the routines and
// values it calls.
template <class Program>
class ProbeOf : public Program {
public:
    std::function<void(ProbeOf&)> body;

protected:
    void MAIN_MENU_ENTRY() override { body(*this); }
};

template <class ProbeType>
Replay replay_probe(const std::string& keys, std::function<void(ProbeType&)> body) {
    return finish(shell::run_lesson(headless(keys), [&] {
        auto probe = std::make_unique<ProbeType>();
        probe->body = [&](auto& self) { body(static_cast<ProbeType&>(self)); };
        return probe;
    }));
}

}  // namespace lesson_replay
