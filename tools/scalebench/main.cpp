// lesson_scalebench: what drawing the page at a window's scale costs, for
// all four programs replayed headless with the canvas at that scale and the
// page kept as a window keeps it.
//
//   lesson_scalebench [--scale S] [--steps-only] [--verbose]
//
// Prints the step times (the drawing between one key or animation frame and
// the next) of every scene of lesson_functions, walked by the same keys and
// counted up to the return of the scene's bar as lesson_bench counts them at
// scale 1; and, over the scenes of all four programs, the time to draw the
// kept page again at every key, as a resize does, with the most operations
// any page kept.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "tests/support/lesson_catalogue.hpp"

namespace {

double now_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

struct Worst {
    double ms = 0;
    std::string where;
    std::size_t kept = 0;
};

struct Totals {
    std::vector<double> steps;
    std::vector<double> redraws;
    Worst step, redraw;
    std::size_t most_kept = 0;
    std::string most_kept_where;
};

// One scene: its item and choice, then keys that walk it.
void replay(const catalogue::Program& program, int item, int choice, double scale, Totals& totals,
            bool verbose) {
    std::string keys = std::to_string(item) + "{enter}" + std::to_string(choice) + "{enter}";
    for (int i = 0; i < 30; ++i) keys += "  {right}{right}{left} 1{enter}";
    const std::string where =
        program.name + " " + std::to_string(item) + "." + std::to_string(choice);
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = true;
    options.keys = keys;
    options.seed = 1;
    options.scale = scale;
    options.keep_page = true;
    options.op_limit_without_key = 5'000'000;
    double last = 0;
    std::size_t taken = 0;
    std::vector<double> scene_redraws;
    options.observer = [&](const rt::DrawOp& op) {
        if (op.kind != rt::DrawOp::Kind::Key && op.kind != rt::DrawOp::Kind::Wait) return;
        const double t = now_ms();
        if (taken > 0) {
            totals.steps.push_back(t - last);
            if (t - last > totals.step.ms) totals.step = {t - last, where, rt::kept_page_ops()};
        }
        if (op.kind == rt::DrawOp::Kind::Key) {
            ++taken;
            // A resize to another size and back: the second redraw reuses
            // the image and is what a window being dragged pays each time.
            rt::rescale_canvas(scale * 0.75);
            const double start = now_ms();
            rt::rescale_canvas(scale);
            const double ms = now_ms() - start;
            totals.redraws.push_back(ms);
            scene_redraws.push_back(ms);
            const std::size_t kept = rt::kept_page_ops();
            if (ms > totals.redraw.ms) totals.redraw = {ms, where, kept};
            if (kept > totals.most_kept) totals.most_kept = kept, totals.most_kept_where = where;
        }
        last = now_ms();
    };
    shell::run_lesson(options, program.make);
    if (verbose) {
        std::printf("  %-22s keys %3zu  worst redraw %6.2f ms\n", where.c_str(), taken,
                    percentile(scene_redraws, 1.0));
    }
}

// The steps of one scene of lesson_functions, up to the return of its bar
// (the first glyph of the number field's label at its place) after the
// first `scene_keys` keys.
void scene_steps(const std::string& keys, double scale, std::vector<double>& steps) {
    constexpr std::size_t scene_keys = 4;
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = true;
    options.keys = keys;
    options.seed = 1;
    options.scale = scale;
    options.keep_page = true;
    options.op_limit_without_key = 5'000'000;
    double last = now_ms();
    std::size_t taken = 0;
    bool counting = true, ended = false;
    options.observer = [&](const rt::DrawOp& op) {
        if (!counting) return;
        if (taken >= scene_keys && op.kind == rt::DrawOp::Kind::Text && op.text == "入" &&
            op.x1 == 1008 && op.y1 == 648) {
            ended = true;
        }
        if (op.kind != rt::DrawOp::Kind::Key && op.kind != rt::DrawOp::Kind::Wait) return;
        const double t = now_ms();
        const bool started = taken > 0;
        if (op.kind == rt::DrawOp::Kind::Key) ++taken;
        if (started) steps.push_back(t - last);
        last = t;
        if (ended) counting = false;
    };
    shell::run_lesson(options, catalogue::programs()[0].make);
    if (counting) steps.push_back(now_ms() - last);
}

}  // namespace

int main(int argc, char** argv) {
    double scale = 2;
    bool verbose = false, steps_only = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--scale") && i + 1 < argc) {
            scale = std::atof(argv[++i]);
        } else if (!std::strcmp(argv[i], "--steps-only")) {
            steps_only = true;
        } else if (!std::strcmp(argv[i], "--verbose")) {
            verbose = true;
        } else {
            std::fprintf(stderr,
                         "usage: lesson_scalebench [--scale S] [--steps-only] [--verbose]\n");
            return 2;
        }
    }
    if (!(scale >= 0.1 && scale <= 8)) {
        std::fprintf(stderr, "lesson_scalebench: --scale needs a number from 0.1 to 8\n");
        return 2;
    }
    std::vector<double> steps;
    const int scenes_of_topic[] = {2, 3, 3, 1, 4, 4, 2};
    std::string walk;
    for (int i = 0; i < 40; ++i) walk += "  {right}{right}{left} {enter}";
    for (int round = 0; round < 3; ++round) {
        for (int topic = 1; topic <= 7; ++topic) {
            for (int scene = 1; scene <= scenes_of_topic[topic - 1]; ++scene) {
                scene_steps(
                    std::to_string(topic) + "{enter}" + std::to_string(scene) + "{enter}" + walk,
                    scale, steps);
            }
        }
    }
    Totals totals;
    for (const catalogue::Program& program : catalogue::programs()) {
        if (steps_only) break;
        for (int item = 1; item <= static_cast<int>(program.bar_choices.size()); ++item) {
            for (int choice = 1; choice < program.bar_choices[item - 1]; ++choice) {
                if (program.leads_to_menu(item, choice)) continue;
                replay(program, item, choice, scale, totals, verbose);
            }
        }
    }
    std::printf("scale %.3g\n", scale);
    std::printf(
        "scene steps: %zu steps of lesson_functions, median %.3f ms, p99 %.3f ms, worst %.3f ms\n",
        steps.size(), percentile(steps, 0.5), percentile(steps, 0.99), percentile(steps, 1.0));
    std::printf(
        "all steps:   %zu steps of all programs, median %.3f ms, p99 %.3f ms, worst %.3f ms (%s)\n",
        totals.steps.size(), percentile(totals.steps, 0.5), percentile(totals.steps, 0.99),
        totals.step.ms, totals.step.where.c_str());
    std::printf(
        "redraw:      %zu redraws, median %.2f ms, p99 %.2f ms, worst %.2f ms (%s, %zu ops)\n",
        totals.redraws.size(), percentile(totals.redraws, 0.5), percentile(totals.redraws, 0.99),
        totals.redraw.ms, totals.redraw.where.c_str(), totals.redraw.kept);
    std::printf("kept page:   at most %zu operations (%s)\n", totals.most_kept,
                totals.most_kept_where.c_str());
    return 0;
}
