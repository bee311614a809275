// lesson_bench: how long lesson_functions takes to draw, replayed headless
// with the canvas rasterised.
//
//   lesson_bench [--rounds N] [--verbose]
//
// Prints the time from start to the first menu, the time to draw each step
// (every scene of every topic, walked by a key script; a step is the drawing
// between one key or animation frame and the next), a page full of fractions
// against the same page without, and the peak memory of this process.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/shell/program.hpp"
#include "framework/shell/shell.hpp"
#include "lessons/functions/functions_lesson.hpp"

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

// One replay of the whole program: the times between the marks (a key taken
// or a wait of an animation) and from the start to the first key.
struct Timing {
    std::vector<double> steps;
    double first_key = 0;
    rt::Outcome outcome = rt::Outcome::Ended;
    std::size_t keys = 0;
    std::size_t texts_below = 0;  // measuring texts (below the page)
    bool scene_ended = false;     // the bar came back (its number field)
};

// With `scene_keys`, only the steps up to the bar's return count: the keys
// after the first `scene_keys` go to the scene until the number field's label
// is drawn again, and the rest of the script is left unused.
Timing replay(const std::string& keys, std::size_t scene_keys = 0) {
    Timing timing;
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = true;
    options.keys = keys;
    options.seed = 1;
    options.op_limit_without_key = 5'000'000;
    const double start = now_ms();
    double last = start;
    bool counting = true;
    // The first glyph of the number field's label, where the field stands.
    const std::string label = "入";
    options.observer = [&](const rt::DrawOp& op) {
        if (!counting) return;
        if (op.kind == rt::DrawOp::Kind::Text && op.y1 >= rt::kScreenHeight) ++timing.texts_below;
        if (scene_keys > 0 && timing.keys >= scene_keys && op.kind == rt::DrawOp::Kind::Text &&
            op.text == label && op.x1 == 1008 && op.y1 == 648) {
            timing.scene_ended = true;
        }
        if (op.kind != rt::DrawOp::Kind::Key && op.kind != rt::DrawOp::Kind::Wait) return;
        const double t = now_ms();
        const bool started = timing.keys > 0;
        if (op.kind == rt::DrawOp::Kind::Key && timing.keys++ == 0) timing.first_key = t - start;
        if (started) timing.steps.push_back(t - last);
        last = t;
        if (timing.scene_ended) counting = false;
    };
    timing.outcome =
        shell::run_lesson(options, [] { return std::make_unique<lessons::FunctionsLesson>(); }).outcome;
    // The drawing after the last key, up to the wait that ends the run.
    if (counting) timing.steps.push_back(now_ms() - last);
    return timing;
}

// Every scene: the topic's number, the scene's number on its bar, then keys
// that walk it: blanks and Enter move key waits on, the arrows and Enter work
// the interactive figures.
std::vector<std::pair<std::string, std::string>> scene_scripts() {
    const int scenes_of_topic[] = {2, 3, 3, 1, 4, 4, 2};
    std::string walk;
    for (int i = 0; i < 40; ++i) walk += "  {right}{right}{left} {enter}";
    std::vector<std::pair<std::string, std::string>> scripts;
    for (int topic = 1; topic <= 7; ++topic) {
        for (int scene = 1; scene <= scenes_of_topic[topic - 1]; ++scene) {
            const std::string name = std::to_string(topic) + "." + std::to_string(scene);
            scripts.emplace_back(name, std::to_string(topic) + "{enter}" + std::to_string(scene) + "{enter}" + walk);
        }
    }
    return scripts;
}

// A page of formulas written through the formula writer, with or without
// stacked fractions (the same characters otherwise).
class Page : public shell::Shell {
public:
    bool fractions = true;

protected:
    std::string program_title() const override { return "bench"; }
    void MAIN_MENU_ENTRY() override {
        rt::CLS();
        for (int row = 0; row < 12; ++row) {
            X = 40;
            Y = 40 + 50 * static_cast<float>(row);
            CCC1 = 0;
            AA_S = fractions ? "y=ﾀ3/xﾀ+ﾀ12/5ﾀ-ﾀx+1/x-1ﾀ=ﾀ24/xﾀ・ﾀ1.5/2ﾀ" : "y=3/x+12/5-x+1/x-1=24/x・1.5/2";
            TEXT_OUT();
        }
        rt::INKEY();
        rt::INKEY();
    }
};

double page_time(bool fractions, std::size_t& below) {
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = true;
    below = 0;
    options.observer = [&](const rt::DrawOp& op) {
        if (op.kind == rt::DrawOp::Kind::Text && op.y1 >= rt::kScreenHeight) ++below;
    };
    double start = 0, end = 0;
    shell::run_lesson(options, [&] {
        auto page = std::make_unique<Page>();
        page->fractions = fractions;
        start = now_ms();
        return page;
    });
    end = now_ms();
    return end - start;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 3;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--verbose")) {
            verbose = true;
        } else {
            std::fprintf(stderr, "usage: lesson_bench [--rounds N] [--verbose]\n");
            return 2;
        }
    }

    // Start to the first menu: the first run of the process pays for the
    // fonts and the canvas; later ones show the steady cost.
    std::vector<double> first_menu;
    for (int i = 0; i < 10; ++i) first_menu.push_back(replay("{enter}").first_key);

    std::vector<double> steps;
    bool failed = false;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, keys] : scene_scripts()) {
            const Timing t = replay(keys, 4);
            if (t.outcome != rt::Outcome::Ended || !t.scene_ended) {
                std::printf("scene %s did not end cleanly (outcome %d, back at its bar: %d)\n", name.c_str(),
                            static_cast<int>(t.outcome), t.scene_ended);
                failed = true;
            }
            if (verbose && round == 0) {
                std::printf("  scene %-4s keys %3zu  steps %4zu  median %6.2f  worst %6.2f ms  measured texts %zu\n",
                            name.c_str(), t.keys, t.steps.size(), percentile(t.steps, 0.5),
                            percentile(t.steps, 1.0), t.texts_below);
            }
            steps.insert(steps.end(), t.steps.begin(), t.steps.end());
        }
    }

    std::vector<double> with, without;
    std::size_t below_with = 0, below_without = 0;
    for (int i = 0; i < 20; ++i) {
        with.push_back(page_time(true, below_with));
        without.push_back(page_time(false, below_without));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    std::printf("first menu:   %.1f ms cold (first run of the process), %.1f ms median of later runs\n",
                first_menu.front(), percentile(std::vector<double>(first_menu.begin() + 1, first_menu.end()), 0.5));
    std::printf("steps:        %zu over %d rounds of %zu scenes\n", steps.size(), rounds, scene_scripts().size());
    std::printf("step time:    median %.3f ms, p99 %.3f ms, worst %.3f ms\n", percentile(steps, 0.5),
                percentile(steps, 0.99), percentile(steps, 1.0));
    std::printf("fraction page: %.2f ms (%zu measuring texts, not rasterised); same page without fractions: %.2f ms\n",
                percentile(with, 0.5), below_with, percentile(without, 0.5));
    std::printf("peak memory:  %.1f MB (resident, this process)\n", static_cast<double>(usage.ru_maxrss) / 1024);
    return failed ? 1 : 0;
}
