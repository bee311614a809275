// A figure library on a headless session that records every drawing
// operation, for the tests of the figure routines.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/figures/figures.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"

namespace testsupport {

// The figures with the two things a program supplies; no menu is ever run.
class TestFigures : public figures::Figures {
protected:
    std::string program_title() const override { return "figures_test"; }
    void MAIN_MENU_ENTRY() override {}
};

class HeadlessFigures : public ::testing::Test {
protected:
    using Kind = rt::DrawOp::Kind;

    TestFigures f;
    std::vector<rt::DrawOp> ops;  // what the last draw() recorded
    int error_code = 0;           // the run-time error it ended in, 0 for none
    int width_after = -1;         // the draw width when the body returned

    // Runs `body` under a fresh headless session with the pen of start-up
    // (draw width 3, the Gothic face at size 16) and keeps what it drew.
    void draw(const std::function<void()>& body) {
        rt::SessionOptions options;
        options.headless = true;
        options.record = true;
        options.rasterise = false;
        ops.clear();
        error_code = 0;
        width_after = -1;
        rt::run_session(
            options,
            [&] {
                rt::SET_FONT_NAME("ｺﾞｼｯｸ");
                rt::SET_FONT_SIZE(16);
                rt::SET_DRAW_WIDTH(3);
                rt::clear_recorded_ops();
                body();
                width_after = rt::GET_DRAW_WIDTH();
                ops = rt::recorded_ops();
            },
            [&](const rt::RuntimeError& error) {
                error_code = error.code();
                ops = rt::recorded_ops();
            });
    }

    std::vector<rt::DrawOp> of_kind(Kind kind) const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    std::vector<rt::DrawOp> lines() const { return of_kind(Kind::Line); }
    std::vector<rt::DrawOp> boxes() const { return of_kind(Kind::Box); }
    std::vector<rt::DrawOp> circles() const { return of_kind(Kind::Circle); }
    // Texts drawn for the page, leaving out the measuring passes drawn far
    // below it (at y 1800).
    std::vector<rt::DrawOp> texts() const {
        std::vector<rt::DrawOp> out;
        for (const auto& op : ops)
            if (op.kind == Kind::Text && op.y1 < 1500) out.push_back(op);
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
    // The visible texts run together, in the order drawn.
    std::string text_run() const {
        std::string out;
        for (const auto& op : texts()) out += op.text;
        return out;
    }
};

}  // namespace testsupport
