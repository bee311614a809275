// lesson_bench: how long the lesson programs take to draw, replayed headless
// with the canvas rasterised.
//
//   lesson_bench [--program NAME] [--rounds N] [--scale S] [--verbose]
//
// For each program (all four, or the one named: lesson_functions or
// functions, ...) prints the time from start to the first menu, the time to
// draw each step (every scene of every main-menu item, walked to its bar's
// return by a key script; a step is the drawing between one key or animation
// frame and the next) and, with --verbose, each scene's median and worst
// step. With lesson_functions among them, a page full of fractions against
// the same page without. Last, the peak memory of this process. With --scale
// the canvas draws at that scale and keeps its page as a window does; each
// block then also gives the time to draw the kept page again at every key,
// as a resize does, and the most operations a page kept.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/shell/program.hpp"
#include "framework/shell/shell.hpp"
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

bool is_mark(const rt::DrawOp& op) {
    return op.kind == rt::DrawOp::Kind::Key || op.kind == rt::DrawOp::Kind::Wait;
}

// One replay: the times between the marks (a key taken or a wait of an
// animation) and from the start to the first key.
struct Timing {
    std::vector<double> steps;
    double first_key = 0;
    rt::Outcome outcome = rt::Outcome::Ended;
    std::size_t keys = 0;
    std::size_t texts_below = 0;  // measuring texts (below the page)
    bool scene_ended = false;     // the bar came back (its number field)
    // The slowest step: its time and its drawing operations (dots apart).
    double worst = 0;
    std::size_t worst_ops = 0, worst_dots = 0;
    // With a scale: the redraw of the kept page at every key, the slowest,
    // and the most operations kept.
    std::vector<double> redraws;
    double worst_redraw = 0;
    std::size_t most_kept = 0;
};

// The drawing scale (1: the plain headless canvas, no page kept).
double g_scale = 1;

// A resize to another size and back: the second redraw reuses the image and
// is what a window being dragged pays each time.
void time_redraw(Timing& timing) {
    rt::rescale_canvas(g_scale * 0.75);
    const double start = now_ms();
    rt::rescale_canvas(g_scale);
    const double ms = now_ms() - start;
    timing.redraws.push_back(ms);
    timing.worst_redraw = std::max(timing.worst_redraw, ms);
    timing.most_kept = std::max(timing.most_kept, rt::kept_page_ops());
}

// A filled circle no larger than the pen: a dot of a graph or a dotted line.
bool is_dot(const rt::DrawOp& op) {
    return op.kind == rt::DrawOp::Kind::Circle && op.fill != rt::kNoFill && op.start == op.end &&
           2 * op.r <= static_cast<float>(std::max(1, op.width));
}

// Replays `keys`. With `scene_keys`, the run stops at the first mark after
// the number field's label is drawn again once the first `scene_keys` keys
// are taken: the rest of the script is left unused. Without, it stops at the
// first key.
Timing replay(const catalogue::Program& program, const std::string& keys, std::size_t scene_keys) {
    Timing timing;
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = true;
    options.keys = keys;
    options.seed = 1;
    options.op_limit_without_key = 5'000'000;
    options.scale = g_scale;
    options.keep_page = g_scale != 1;
    const double start = now_ms();
    double last = start;
    std::size_t ops = 0, dots = 0;  // of the step so far
    options.observer = [&](const rt::DrawOp& op) {
        if (op.kind == rt::DrawOp::Kind::Text && op.y1 >= rt::kScreenHeight) ++timing.texts_below;
        if (scene_keys > 0 && timing.keys >= scene_keys && catalogue::is_field_label(op)) timing.scene_ended = true;
        if (!is_mark(op)) {
            ++ops;
            dots += is_dot(op);
            return;
        }
        const double t = now_ms();
        const bool started = timing.keys > 0;
        if (op.kind == rt::DrawOp::Kind::Key && timing.keys++ == 0) timing.first_key = t - start;
        if (started) {
            timing.steps.push_back(t - last);
            if (t - last > timing.worst) timing.worst = t - last, timing.worst_ops = ops, timing.worst_dots = dots;
        }
        ops = dots = 0;
        last = t;
        if (timing.scene_ended || scene_keys == 0) throw rt::ProgramExit{0};
        if (options.keep_page && op.kind == rt::DrawOp::Kind::Key) {
            time_redraw(timing);
            last = now_ms();
        }
    };
    timing.outcome = shell::run_lesson(options, program.make).outcome;
    return timing;
}

// The keys that open main-menu item `item` and bring its bar: the item, then
// whatever its aims page waits for. Found by a run without a canvas that
// stops at the bar's number field; empty when the bar never came.
std::string keys_to_bar(const catalogue::Program& program, int item) {
    const std::string open = std::to_string(item) + "{enter}";
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = false;
    options.keys = open + catalogue::walk_keys(400);
    options.op_limit_without_key = 2'000'000;
    std::string taken;
    std::size_t keys = 0;
    bool at_bar = false;
    options.observer = [&](const rt::DrawOp& op) {
        if (op.kind == rt::DrawOp::Kind::Key && keys++ >= 2)
            taken += op.code == 13 ? std::string("{enter}") : std::string(1, static_cast<char>(op.code));
        if (keys >= 2 && catalogue::is_field_label(op)) {
            at_bar = true;
            throw rt::ProgramExit{0};
        }
    };
    shell::run_lesson(options, program.make);
    return at_bar ? open + taken : std::string();
}

struct Scene {
    std::string name;  // "item.choice"
    std::string keys;
    std::size_t keys_to_start = 0;  // taken before the scene draws
};

// Every scene of a program: each choice of each bar but the last (which
// leads back to the main menu), walked with keys that move any scene on.
std::vector<Scene> scenes_of(const catalogue::Program& program, bool& failed) {
    std::vector<Scene> scenes;
    for (std::size_t item = 1; item <= program.bar_choices.size(); ++item) {
        const int choices = program.bar_choices[item - 1];
        if (choices == 0) continue;
        const std::string to_bar = keys_to_bar(program, static_cast<int>(item));
        if (to_bar.empty()) {
            std::printf("item %zu: its bar never came\n", item);
            failed = true;
            continue;
        }
        std::vector<int> codes;
        rt::parse_key_script(to_bar, codes);
        for (int choice = 1; choice < choices; ++choice) {
            scenes.push_back({std::to_string(item) + "." + std::to_string(choice),
                              to_bar + std::to_string(choice) + "{enter}" + catalogue::walk_keys(400),
                              codes.size() + 2});
        }
    }
    return scenes;
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
    double start = 0;
    shell::run_lesson(options, [&] {
        auto page = std::make_unique<Page>();
        page->fractions = fractions;
        start = now_ms();
        return page;
    });
    return now_ms() - start;
}

void fraction_page() {
    std::vector<double> with, without;
    std::size_t below_with = 0, below_without = 0;
    for (int i = 0; i < 20; ++i) {
        with.push_back(page_time(true, below_with));
        without.push_back(page_time(false, below_without));
    }
    std::printf("fraction page: %.2f ms (%zu measuring texts, not rasterised); same page without fractions: %.2f ms\n",
                percentile(with, 0.5), below_with, percentile(without, 0.5));
}

// One program's block; false when a scene did not end cleanly.
bool measure(const catalogue::Program& program, int rounds, bool verbose) {
    bool failed = false;
    std::printf("== %s\n", program.name.c_str());

    // Start to the first menu: the first run of the process pays for the
    // fonts and the canvas; later ones show the steady cost.
    std::vector<double> first_menu;
    for (int i = 0; i < 10; ++i) first_menu.push_back(replay(program, "{enter}", 0).first_key);

    const std::vector<Scene> scenes = scenes_of(program, failed);
    std::vector<double> steps;
    struct Worst {
        std::string scene;
        double ms = 0;
        std::size_t ops = 0, dots = 0;
    } worst;
    std::vector<double> redraws;
    std::string worst_redraw_scene, most_kept_scene;
    double worst_redraw = 0;
    std::size_t most_kept = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Scene& scene : scenes) {
            const Timing t = replay(program, scene.keys, scene.keys_to_start);
            if (t.outcome != rt::Outcome::Ended || !t.scene_ended) {
                std::printf("scene %s did not end cleanly (outcome %d, back at its bar: %d)\n",
                            scene.name.c_str(), static_cast<int>(t.outcome), t.scene_ended);
                failed = true;
            }
            if (verbose && round == 0) {
                std::printf("  scene %-5s keys %3zu  steps %4zu  median %6.2f  p99 %6.2f  worst %6.2f ms"
                            " (%zu ops, %zu dots)  measured texts %zu\n",
                            scene.name.c_str(), t.keys, t.steps.size(), percentile(t.steps, 0.5),
                            percentile(t.steps, 0.99), t.worst, t.worst_ops, t.worst_dots, t.texts_below);
            }
            if (t.worst > worst.ms) worst = {scene.name, t.worst, t.worst_ops, t.worst_dots};
            steps.insert(steps.end(), t.steps.begin(), t.steps.end());
            redraws.insert(redraws.end(), t.redraws.begin(), t.redraws.end());
            if (t.worst_redraw > worst_redraw) worst_redraw = t.worst_redraw, worst_redraw_scene = scene.name;
            if (t.most_kept > most_kept) most_kept = t.most_kept, most_kept_scene = scene.name;
        }
    }

    std::printf("first menu:   %.1f ms cold (first run of the process), %.1f ms median of later runs\n",
                first_menu.front(),
                percentile(std::vector<double>(first_menu.begin() + 1, first_menu.end()), 0.5));
    std::printf("steps:        %zu over %d rounds of %zu scenes (replayed headless, rasterised)\n", steps.size(), rounds, scenes.size());
    std::printf("step time:    median %.3f ms, p99 %.3f ms, worst %.3f ms\n", percentile(steps, 0.5),
                percentile(steps, 0.99), percentile(steps, 1.0));
    std::printf("worst step:   scene %s, %zu drawing operations of which %zu dots\n", worst.scene.c_str(),
                worst.ops, worst.dots);
    if (g_scale != 1) {
        std::printf("redraw at scale %.3g: %zu redraws of the kept page, median %.2f ms, p99 %.2f ms, worst %.2f ms (scene %s)\n",
                    g_scale, redraws.size(), percentile(redraws, 0.5), percentile(redraws, 0.99), worst_redraw,
                    worst_redraw_scene.c_str());
        std::printf("kept page:    at most %zu operations (scene %s)\n", most_kept, most_kept_scene.c_str());
    }
    return !failed;
}

const catalogue::Program* find_program(const std::string& name) {
    for (const catalogue::Program& program : catalogue::programs())
        if (program.name == name || program.name == "lesson_" + name) return &program;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 3;
    bool verbose = false;
    std::vector<const catalogue::Program*> chosen;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--verbose")) {
            verbose = true;
        } else if (!std::strcmp(argv[i], "--scale") && i + 1 < argc) {
            g_scale = std::atof(argv[++i]);
            if (!(g_scale >= 0.1 && g_scale <= 8)) {
                std::fprintf(stderr, "lesson_bench: --scale needs a number from 0.1 to 8\n");
                return 2;
            }
        } else if (!std::strcmp(argv[i], "--program") && i + 1 < argc) {
            const catalogue::Program* program = find_program(argv[++i]);
            if (!program) {
                std::fprintf(stderr, "lesson_bench: no program %s\n", argv[i]);
                return 2;
            }
            chosen.push_back(program);
        } else {
            std::fprintf(stderr, "usage: lesson_bench [--program NAME] [--rounds N] [--scale S] [--verbose]\n");
            return 2;
        }
    }
    if (chosen.empty())
        for (const catalogue::Program& program : catalogue::programs()) chosen.push_back(&program);

    bool ok = true;
    for (const catalogue::Program* program : chosen) {
        ok = measure(*program, rounds, verbose) && ok;
        if (program->name == "lesson_functions") fraction_page();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory:  %.1f MB (resident, this process)\n", static_cast<double>(usage.ru_maxrss) / 1024);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
