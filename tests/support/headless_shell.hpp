// A shell to run routines on in tests: a headless session that records every
// drawing operation, without a window and (unless asked) without a canvas.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/platform/session.hpp"
#include "framework/shell/shell.hpp"

namespace test_support {

// A lesson shell with no lesson: the routines of the shell run on it directly.
class HeadlessShell : public shell::Shell {
protected:
    std::string program_title() const override { return "テスト"; }
    void MAIN_MENU_ENTRY() override {}
};

struct HeadlessRun {
    std::vector<rt::DrawOp> ops;       // every operation the body drew, oldest first
    std::optional<std::string> error;  // a run-time error the body raised
};

// Runs `body` under a headless session with recorded operations. With a PNG
// path the canvas is rasterised and written there at the end.
inline HeadlessRun run_headless(const std::function<void()>& body,
                                const std::string& png_path = "") {
    HeadlessRun run;
    rt::SessionOptions options;
    options.headless = true;
    options.record = true;
    options.rasterise = !png_path.empty();
    options.png_path = png_path;
    rt::run_session(
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

}  // namespace test_support
