// A figure library run headless for the geometry tests: start-up runs as in a
// lesson, then the test's scene, and what the scene drew is recorded.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/figures/figures.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/shell/program.hpp"

namespace geometry_test {

class GeometryFigures : public figures::Figures {
public:
    std::function<void(GeometryFigures&)> scene;

protected:
    std::string program_title() const override { return "geometry"; }
    void MAIN_MENU_ENTRY() override {
        rt::clear_recorded_ops();  // start-up's own drawing is not the scene's
        if (scene) scene(*this);
    }
};

// Runs `scene` after start-up and returns the operations it drew. The run
// must end normally: a run-time error (the error screen) fails the test.
inline std::vector<rt::DrawOp> draw(const std::function<void(GeometryFigures&)>& scene,
                                    const std::string& png_path = "") {
    rt::SessionOptions options;
    options.headless = true;
    options.record = true;
    options.rasterise = !png_path.empty();
    options.png_path = png_path;
    bool ran = false;
    const rt::RunResult result = shell::run_lesson(options, [&] {
        auto figures = std::make_unique<GeometryFigures>();
        figures->scene = [&](GeometryFigures& f) {
            scene(f);
            ran = true;
        };
        return figures;
    });
    EXPECT_EQ(result.outcome, rt::Outcome::Ended);
    EXPECT_TRUE(ran);
    return rt::recorded_ops();
}

inline std::vector<rt::DrawOp> of_kind(const std::vector<rt::DrawOp>& ops, rt::DrawOp::Kind kind) {
    std::vector<rt::DrawOp> out;
    for (const auto& op : ops) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

}  // namespace geometry_test
