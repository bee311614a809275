// Erasing: a shape drawn and then drawn again in the page's white with the
// same geometry leaves white exactly where it had put ink, however often
// and at any scale, and leaves every other pixel as it was; a page kept for
// the window draws again as it was shown.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/backend.hpp"
#include "support/draw_ops.hpp"

namespace {

using rt::DrawOp;
using rt::detail::Canvas;

constexpr int kWhite = 15;
constexpr double kScales[] = {1, 2, 0.89};

std::vector<std::uint32_t> picture(const Canvas& c) {
    const std::uint32_t* px = c.pixels();
    return {px, px + static_cast<std::size_t>(c.width()) * static_cast<std::size_t>(c.height())};
}

// How many pixels of two pictures of one canvas differ, and the first one.
std::string differences(const Canvas& c, const std::vector<std::uint32_t>& a,
                        const std::vector<std::uint32_t>& b) {
    std::size_t count = 0, first = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        if (count++ == 0) first = i;
    }
    if (count == 0) return "";
    const int w = c.width();
    char where[160];
    std::snprintf(where, sizeof where, "%zu pixels differ, first at image (%d, %d): %08x, not %08x",
                  count, static_cast<int>(first % w), static_cast<int>(first / w), b[first],
                  a[first]);
    return where;
}

using test_support::box_op;
using test_support::circle_op;
using test_support::line_op;

// The same shape in the page's white: its erase.
DrawOp in_white(DrawOp op) {
    op.colour = kWhite;
    if (op.fill != rt::kNoFill) op.fill = kWhite;
    return op;
}

// A canvas at a scale with neighbours around the places the tests erase:
// a digit in answer colour beside the cursor, a text line and a grey box
// edge just outside the next-step box, a blue line crossing nothing.
std::unique_ptr<Canvas> canvas_with_neighbours(double scale, bool keep_page = false) {
    auto c = Canvas::create(scale);
    if (keep_page) c->keep_page();
    DrawOp digit;
    digit.kind = DrawOp::Kind::Text;
    digit.x1 = 1036, digit.y1 = 644, digit.text = "3", digit.font = "ゴシック";
    digit.size = 16, digit.h = 2, digit.v = 2, digit.colour = 5;
    c->draw(digit);
    DrawOp text = digit;
    text.x1 = 96, text.y1 = 600, text.text = "y=ax", text.colour = 3;
    c->draw(text);
    c->draw(box_op(410, 630, 460, 690, 8, 14, 3));
    c->draw(line_op(96, 690, 400, 690, 1, 1));
    return c;
}

// The next-step box (a border of even width) erased three times, and the
// number field's cursor blinked a thousand times: drawn as a stroked circle
// at widths 2 to 5, as a stamped disc at 10.
TEST(Erase, TheNextStepBoxAndABlinkingCursorLeaveNoTrace) {
    const std::pair<DrawOp, int> erased[] = {
        {box_op(96, 639, 400, 675, 13, 12, 2), 3}, {circle_op(1064, 656, 4, 5, 5, 2), 1000},
        {circle_op(1064, 656, 4, 5, 5, 3), 1000},  {circle_op(1064, 656, 4, 5, 5, 5), 1000},
        {circle_op(1064, 656, 4, 5, 5, 10), 1000},
    };
    for (double scale : kScales) {
        for (const auto& [shape, times] : erased) {
            SCOPED_TRACE(rt::to_json(shape) + " at " + std::to_string(scale));
            auto c = canvas_with_neighbours(scale);
            const auto before = picture(*c);
            for (int i = 0; i < times; ++i) {
                c->draw(shape);
                c->draw(in_white(shape));
            }
            EXPECT_EQ(differences(*c, before, picture(*c)), "");
        }
    }
}

// Shapes of every kind at places and sizes that fall between pixels: each
// drawn in a colour, then erased, leaves the page as it was.
TEST(Erase, EveryKindOfShapeErasesToWhiteAtAnyPlace) {
    std::mt19937 rng(20261209);
    std::uniform_real_distribution<float> at(40, 1400), size(0.5f, 60), fraction(0, 1);
    std::uniform_int_distribution<int> width(1, 10), colour(0, 14);
    for (double scale : kScales) {
        auto c = Canvas::create(scale);
        const auto blank = picture(*c);
        for (int i = 0; i < 60; ++i) {
            const float x = at(rng), y = at(rng) * 0.6f, r = size(rng);
            const int fill = i % 2 ? colour(rng) : rt::kNoFill;
            DrawOp shape;
            switch (i % 5) {
                case 0:
                    shape = line_op(x, y, at(rng), at(rng) * 0.6f, colour(rng), width(rng));
                    break;
                case 1:
                    shape = box_op(x, y, x + r * 4, y + size(rng), colour(rng), fill, width(rng));
                    break;
                case 2:
                    shape = circle_op(x, y, r / (i % 3 + 1), colour(rng), fill, width(rng));
                    break;
                case 3:
                    shape = circle_op(x, y, r, colour(rng), fill, width(rng), fraction(rng),
                                      fraction(rng));
                    break;
                default:
                    shape = line_op(0, 0, 0, 0, colour(rng), width(rng));
                    shape.kind = DrawOp::Kind::Polyline, shape.fill = fill;
                    for (int k = 0; k < 4; ++k) shape.points.push_back({at(rng), at(rng) * 0.6f});
            }
            SCOPED_TRACE(rt::to_json(shape) + " at " + std::to_string(scale));
            c->draw(shape);
            c->draw(in_white(shape));
            ASSERT_EQ(differences(*c, blank, picture(*c)), "");
        }
    }
}

// The window draws its kept page again on a resize or an expose: after a
// cursor has blinked on a page many times, that page comes back as shown.
TEST(Erase, AKeptPageDrawsAgainAsItWasShown) {
    for (double scale : kScales) {
        SCOPED_TRACE(scale);
        auto c = canvas_with_neighbours(scale, true);
        const DrawOp next_step = box_op(96, 639, 400, 675, 13, 12, 2);
        c->draw(next_step);
        c->draw(in_white(next_step));
        for (int blink = 0; blink < 300; ++blink) {
            c->draw(circle_op(1064, 656, 4, 5, 5, 3));
            c->draw(circle_op(1064, 656, 4, kWhite, kWhite, 3));
        }
        c->draw(circle_op(1064, 656, 4, 5, 5, 3));  // shown in its on phase
        const auto shown = picture(*c);
        c->redraw();
        EXPECT_EQ(differences(*c, shown, picture(*c)), "");
        c->set_scale(scale == 2 ? 1 : 2);
        c->set_scale(scale);
        EXPECT_EQ(differences(*c, shown, picture(*c)), "");
    }
}

}  // namespace
