// The figure library run headless for the geometry tests: start-up runs as in
// a lesson, then the test's scene, and what the scene drew is recorded.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_figures.hpp"
#include "support/headless_shell.hpp"

namespace geometry_test {

using test_support::ops_of;
using GeometryFigures = test_support::FigureRig;

// Runs `scene` after start-up (font, draw width 3, text colour 4) and returns
// the operations it drew. A run-time error fails the test.
inline std::vector<rt::DrawOp> draw(const std::function<void(GeometryFigures&)>& scene,
                                    const std::string& png_path = "") {
    GeometryFigures figures;
    bool ran = false;
    figures.body = [&] {
        scene(figures);
        ran = true;
    };
    const auto run = test_support::run_headless([&] { figures.START_SETTINGS(); }, png_path);
    EXPECT_FALSE(run.error.has_value()) << run.error.value_or("");
    EXPECT_TRUE(ran);
    return run.ops;
}

// The texts drawn on the page, one after the other.
inline std::string visible_text(const std::vector<rt::DrawOp>& ops) {
    std::string text;
    for (const auto& op : test_support::visible_texts(ops)) text += op.text;
    return text;
}

}  // namespace geometry_test
