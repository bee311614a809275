// The figure library run headless: start-up runs as in a lesson, then the
// test's body on the same object, and what the body drew is recorded. The
// values the routines leave are read from the object afterwards.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/figures/figures.hpp"
#include "framework/platform/screen.hpp"
#include "support/headless_shell.hpp"

namespace test_support {

// The figures with a main menu that runs the test's body.
class FigureRig : public figures::Figures {
public:
    std::function<void()> body;

protected:
    std::string program_title() const override { return "figures_test"; }
    void MAIN_MENU_ENTRY() override {
        rt::clear_recorded_ops();  // start-up's own drawing is not the body's
        if (body) body();
    }
};

class HeadlessFigures : public ::testing::Test {
protected:
    using Kind = rt::DrawOp::Kind;

    FigureRig f;
    std::vector<rt::DrawOp> ops;       // what the last draw() recorded
    std::optional<std::string> error;  // the run-time error it ended in
    int width_after = -1;              // the draw width when the body returned

    // Runs `body` after start-up (draw width 3, the Gothic face at 16); with
    // a PNG path the canvas is rasterised and written there.
    void draw(const std::function<void()>& body, const std::string& png_path = "") {
        width_after = -1;
        f.body = [&] {
            body();
            width_after = rt::GET_DRAW_WIDTH();
        };
        auto run = test_support::run_headless([&] { f.START_SETTINGS(); }, png_path);
        ops = std::move(run.ops);
        error = std::move(run.error);
    }

    std::vector<rt::DrawOp> lines() const { return test_support::ops_of(ops, Kind::Line, false); }
    std::vector<rt::DrawOp> boxes() const { return test_support::ops_of(ops, Kind::Box, false); }
    std::vector<rt::DrawOp> circles() const {
        return test_support::ops_of(ops, Kind::Circle, false);
    }
    // Texts drawn for the page, leaving out the measuring passes drawn far
    // below it (at y 1800); blanks are no glyphs.
    std::vector<rt::DrawOp> texts() const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : ops)
            if (op.kind == Kind::Text && op.y1 < 1500 && !op.text.empty() && op.text != " ")
                out.push_back(op);
        return out;
    }
    // The texts run together, in the order drawn.
    std::string text_run() const {
        std::string out;
        for (const auto& op : texts()) out += op.text;
        return out;
    }

    // Places of drawn operations: the first point, and both ends of a line
    // or the corners of a box.
    static void expect_at(const rt::DrawOp& op, float x, float y) {
        EXPECT_FLOAT_EQ(op.x1, x);
        EXPECT_FLOAT_EQ(op.y1, y);
    }
    static void expect_from_to(const rt::DrawOp& op, float x1, float y1, float x2, float y2) {
        expect_at(op, x1, y1);
        EXPECT_FLOAT_EQ(op.x2, x2);
        EXPECT_FLOAT_EQ(op.y2, y2);
    }
};

}  // namespace test_support
