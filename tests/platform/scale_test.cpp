// The page drawn at a scale: the same picture as at the logical size, only
// sharper; the same log; kept through a change of scale at any moment; and
// the window showing it pixel for pixel at the scale that fits it.
#include <SDL.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "framework/platform/backend.hpp"
#include "framework/platform/session.hpp"
#include "tests/support/lesson_catalogue.hpp"

namespace {

using rt::DrawOp;
using rt::detail::Canvas;

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
    }
};

Picture read_png(const std::string& path) {
    Picture p;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        p.width = cairo_image_surface_get_width(s), p.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s) / 4;
        const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s));
        for (int y = 0; y < p.height; ++y) {
            p.pixels.insert(p.pixels.end(), data + y * stride, data + y * stride + p.width);
        }
    }
    cairo_surface_destroy(s);
    return p;
}

Picture of_canvas(const Canvas& c) {
    const std::uint32_t* px = c.pixels();
    return {c.width(), c.height(),
            std::vector<std::uint32_t>(px, px + static_cast<std::size_t>(c.width()) * c.height())};
}

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Keys that walk a scene a few steps on.
std::string scene_keys(int item, int choice) {
    std::string keys = std::to_string(item) + "{enter}" + std::to_string(choice) + "{enter}";
    for (int i = 0; i < 6; ++i) keys += "  {right}{right}{left} {enter}";
    return keys;
}

struct Scene {
    std::size_t program;  // in the catalogue
    int item, choice;
};
// A page of stacked fractions and a table; a dotted arc.
const Scene kFractions{2, 1, 2};
const Scene kDottedArc{0, 3, 1};

// Runs a scene headless at a scale; `at_key` is called after each key taken.
void run(const Scene& scene, double scale, const std::string& png, const std::string& log = "",
         std::function<void(std::size_t)> at_key = {}) {
    rt::SessionOptions options;
    options.headless = true;
    options.keys = scene_keys(scene.item, scene.choice);
    options.seed = 3;
    options.scale = scale;
    options.png_path = png;
    options.log_path = log;
    options.keep_page = static_cast<bool>(at_key);
    std::size_t keys = 0;
    if (at_key) {
        options.observer = [&](const DrawOp& op) {
            if (op.kind == DrawOp::Kind::Key) at_key(++keys);
        };
    }
    const auto result = shell::run_lesson(options, catalogue::programs()[scene.program].make);
    ASSERT_EQ(result.outcome, rt::Outcome::Ended);
}

int channel_diff(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                       static_cast<int>((b >> shift) & 0xFF)));
    }
    return most;
}

DrawOp op_of(DrawOp::Kind kind, float x1, float y1, float x2, float y2, int colour,
             int fill = rt::kNoFill, int width = 1) {
    DrawOp op;
    op.kind = kind;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.r = x2;
    op.colour = colour, op.fill = fill, op.width = width;
    return op;
}

// The share of inked pixels that are a blend of colours (anti-aliased
// edges) rather than one of the palette's: the softness of a picture.
double edge_share(const Picture& p) {
    auto canvas = Canvas::create();
    std::vector<std::uint32_t> palette;
    for (int c = 0; c < 16; ++c) {
        canvas->draw(op_of(DrawOp::Kind::Box, 0, 0, 9, 9, c, c));
        palette.push_back(canvas->pixel(5, 5));
    }
    long inked = 0, edges = 0;
    for (std::uint32_t px : p.pixels) {
        if (px == 0xFFFFFFFF) continue;
        ++inked;
        edges += std::find(palette.begin(), palette.end(), px) == palette.end();
    }
    return static_cast<double>(edges) / static_cast<double>(std::max(1L, inked));
}

TEST(ScaledPage, AtTwiceTheSizeItIsTheLogicalPageSharper) {
    for (const Scene& scene : {kFractions, kDottedArc}) {
        const std::string one = ::testing::TempDir() + "scale1.png";
        const std::string two = ::testing::TempDir() + "scale2.png";
        run(scene, 1, one);
        run(scene, 2, two);
        const Picture a = read_png(one), b = read_png(two);
        ASSERT_EQ(a.width, rt::kScreenWidth);
        ASSERT_EQ(b.width, 2 * rt::kScreenWidth);
        ASSERT_EQ(b.height, 2 * rt::kScreenHeight);
        // Each 2 x 2 block averaged is the logical pixel, up to how the
        // anti-aliased edges fall: few pixels differ by more than a third of
        // full contrast, and nothing is missing or moved.
        long far_off = 0, inked = 0;
        double total = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                std::uint32_t mean = 0xFF000000;
                for (int shift = 0; shift < 24; shift += 8) {
                    int sum = 0;
                    for (int dy = 0; dy < 2; ++dy)
                        for (int dx = 0; dx < 2; ++dx)
                            sum += (b.at(2 * x + dx, 2 * y + dy) >> shift) & 0xFF;
                    mean |= static_cast<std::uint32_t>((sum + 2) / 4) << shift;
                }
                const int d = channel_diff(mean, a.at(x, y));
                total += d;
                if (d > 85) ++far_off;
                if (a.at(x, y) != 0xFFFFFFFF) ++inked;
            }
        }
        EXPECT_GT(inked, 10000);
        EXPECT_LT(far_off, inked / 50) << "scene " << scene.item << "." << scene.choice;
        EXPECT_LT(total / (a.width * a.height), 1.5);
        // Drawn at the scale, not stretched: a smaller share of soft edges.
        EXPECT_LT(edge_share(b), 0.75 * edge_share(a));
    }
}

TEST(ScaledPage, TheLogIsTheSameAtEveryScale) {
    const std::string png = ::testing::TempDir() + "scaled.png";
    std::string logs[3];
    const double scales[3] = {1, 2, 0.89};
    for (int i = 0; i < 3; ++i) {
        const std::string log = ::testing::TempDir() + "scaled" + std::to_string(i) + ".jsonl";
        run(kFractions, scales[i], png, log);
        logs[i] = slurp(log);
    }
    EXPECT_GT(logs[0].size(), 1000u);
    EXPECT_EQ(logs[1], logs[0]);
    EXPECT_EQ(logs[2], logs[0]);
    EXPECT_EQ(read_png(png).width, 1281);
}

// A change of scale in the middle of a scene, and back, leaves the page as
// it would have been without: the kept page (less what later boxes hid) is
// the whole picture.
TEST(ScaledPage, AResizeInTheMiddleOfASceneKeepsThePage) {
    for (const Scene& scene : {kFractions, kDottedArc}) {
        for (const double scale : {2.0, 0.89}) {
            const std::string plain = ::testing::TempDir() + "plain.png";
            const std::string resized = ::testing::TempDir() + "resized.png";
            run(scene, scale, plain);
            std::size_t most_kept = 0;
            run(scene, scale, resized, "", [&](std::size_t key) {
                if (key % 3 != 0) return;
                ASSERT_TRUE(rt::rescale_canvas(scale * 1.37));
                ASSERT_TRUE(rt::rescale_canvas(scale));
                most_kept = std::max(most_kept, rt::kept_page_ops());
            });
            EXPECT_GT(most_kept, 10u);
            const Picture a = read_png(plain), b = read_png(resized);
            ASSERT_EQ(a.width, b.width);
            long differ = 0;
            for (std::size_t i = 0; i < a.pixels.size(); ++i) differ += a.pixels[i] != b.pixels[i];
            EXPECT_EQ(differ, 0) << "scene " << scene.item << "." << scene.choice << " at "
                                 << scale;
        }
    }
}

TEST(KeptPage, HiddenOperationsGoAndThePictureStays) {
    auto canvas = Canvas::create(0.89);
    canvas->keep_page();
    canvas->draw(op_of(DrawOp::Kind::Cls, 0, 0, 0, 0, 15));
    // An answer cell drawn and wiped, a line partly under the wipe, a text
    // beside it, then a blinking dot.
    DrawOp text = op_of(DrawOp::Kind::Text, 700, 300, 0, 0, 3);
    text.text = "y=24", text.font = "Times New Roman", text.size = 16, text.h = 3, text.v = 3;
    canvas->draw(text);
    for (int i = 0; i < 20; ++i) {
        canvas->draw(op_of(DrawOp::Kind::Circle, 120 + i, 140, 4, 0, 5, 5, 3));
        canvas->draw(op_of(DrawOp::Kind::Box, 100, 100, 300, 200, 0, 14, 1));
    }
    canvas->draw(op_of(DrawOp::Kind::Line, 50, 150, 500, 150, 1, rt::kNoFill, 5));
    canvas->draw(op_of(DrawOp::Kind::Box, 97, 97, 303, 203, 15, 15, 1));
    canvas->draw(op_of(DrawOp::Kind::Box, 0, 0, 1439, 899, 0, rt::kNoFill, 3));
    // Only the text, the line, the last wipe and the frame can still be seen.
    EXPECT_EQ(canvas->kept_ops(), 4u);
    const Picture before = of_canvas(*canvas);
    canvas->redraw();
    EXPECT_TRUE(before.pixels == of_canvas(*canvas).pixels);
    // A box over the whole page hides everything before it.
    canvas->draw(op_of(DrawOp::Kind::Box, -5, -5, 2000, 2000, 8, 8, 1));
    EXPECT_EQ(canvas->kept_ops(), 1u);
    // A dot blinking for ever is kept a few rounds only.
    for (int i = 0; i < 1000; ++i) {
        canvas->draw(op_of(DrawOp::Kind::Circle, 400, 400, 4, 0, 5, 5, 3));
        canvas->draw(op_of(DrawOp::Kind::Circle, 400, 400, 4, 0, 15, 15, 3));
    }
    EXPECT_LT(canvas->kept_ops(), 20u);
}

// The window on SDL's display-less driver: at 2880 x 1800 it shows the page
// drawn at scale 2, pixel for pixel, and at 1920 x 1080 the page at 1.2
// between bars.
TEST(ScaledWindow, ShowsThePageDrawnAtTheScaleThatFits) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::unique_ptr<rt::detail::Window> window;
    try {
        window = rt::detail::Window::open();
    } catch (const rt::detail::StartupFailure& e) {
        unsetenv("SDL_VIDEODRIVER");
        GTEST_SKIP() << e.what();
    }
    std::vector<DrawOp> page = {op_of(DrawOp::Kind::Cls, 0, 0, 0, 0, 15),
                                op_of(DrawOp::Kind::Box, 100, 100, 600, 300, 0, 13, 3),
                                op_of(DrawOp::Kind::Circle, 800, 500, 40, 0, 3, rt::kNoFill, 5)};
    DrawOp text = op_of(DrawOp::Kind::Text, 120, 120, 0, 0, 5);
    text.text = "xy=-24", text.font = "Gothic", text.size = 16, text.h = 3, text.v = 3;
    page.push_back(text);
    auto shown = Canvas::create();
    shown->keep_page();
    for (const DrawOp& op : page) shown->draw(op);
    window->present(*shown, rt::detail::Region{0, 0, rt::kScreenWidth, rt::kScreenHeight});

    for (const auto& [w, h, scale] : {std::tuple{2880, 1800, 2.0}, std::tuple{1920, 1080, 1.2}}) {
        window->resize(w, h);
        (void)window->poll_key(0);
        // What a canvas drawn at that scale from the start shows.
        auto direct = Canvas::create(scale);
        for (const DrawOp& op : page) direct->draw(op);
        int width = 0, height = 0;
        const std::vector<std::uint32_t> picture = window->picture(width, height);
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        EXPECT_EQ(shown->scale(), scale);
        const int left = (w - direct->width()) / 2, top = (h - direct->height()) / 2;
        long differ = 0;
        for (int y = 0; y < direct->height(); ++y) {
            for (int x = 0; x < direct->width(); ++x) {
                const std::uint32_t want = direct->pixels()[y * direct->width() + x] & 0xFFFFFF;
                differ +=
                    (picture[static_cast<std::size_t>(y + top) * w + x + left] & 0xFFFFFF) != want;
            }
        }
        EXPECT_EQ(differ, 0) << w << " x " << h;
        if (left > 0) {
            EXPECT_EQ(picture[static_cast<std::size_t>(h / 2) * w] & 0xFFFFFF, 0x303030u);
        }
    }
    window.reset();
    unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
