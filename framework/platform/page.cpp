// The kept page: which operations can still be seen.
#include "page.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rt::detail {
namespace {

// A pair of operations drawn this many times over in a row is not kept any
// more often: a blinking dot drawn in its colour and in white leaves the
// same anti-aliased rim after a few rounds as after a thousand.
constexpr std::size_t kRepeatsKept = 6;

// How far inside a filled box ink must lie to be hidden by it at any scale
// of at least one half: the box's edge pixels are only partly covered, and
// an image pixel spans at most two logical pixels.
constexpr double kCoverMargin = 2;

}  // namespace

// The canvas draws a coordinate as the centre of a pixel (half a pixel right
// and down of it) and strokes reach half the pen each way, a little more at
// the corners of square caps. Glyphs may reach past their cells, so text
// gets a cell's margin all round.
bool Page::ink_of(const DrawOp& op, Bounds& ink) {
    const double pen = 0.75 * std::max(1, op.width);
    double left = 0, top = 0, right = 0, bottom = 0;
    switch (op.kind) {
        case DrawOp::Kind::Line:
        case DrawOp::Kind::Box:
            left = std::min(op.x1, op.x2) + 0.5 - pen, right = std::max(op.x1, op.x2) + 0.5 + pen;
            top = std::min(op.y1, op.y2) + 0.5 - pen, bottom = std::max(op.y1, op.y2) + 0.5 + pen;
            break;
        case DrawOp::Kind::Circle: {
            const double reach = std::fabs(op.r) + pen;
            left = op.x1 + 0.5 - reach, right = op.x1 + 0.5 + reach;
            top = op.y1 + 0.5 - reach, bottom = op.y1 + 0.5 + reach;
            break;
        }
        case DrawOp::Kind::Polyline:
            if (op.points.empty()) return false;
            left = right = op.points[0].x, top = bottom = op.points[0].y;
            for (const Point& p : op.points) {
                left = std::min<double>(left, p.x), right = std::max<double>(right, p.x);
                top = std::min<double>(top, p.y), bottom = std::max<double>(bottom, p.y);
            }
            left += 0.5 - pen, right += 0.5 + pen, top += 0.5 - pen, bottom += 0.5 + pen;
            break;
        case DrawOp::Kind::Text: {
            // One byte fills half a cell, two bytes a whole one.
            const double cell_w = static_cast<double>(op.size) * std::fabs(op.h);
            const double cell_h = static_cast<double>(op.size) * std::fabs(op.v);
            const double margin = std::max(cell_w, cell_h);
            left = op.x1 - margin, top = op.y1 - margin;
            right = op.x1 + cell_w * static_cast<double>(op.text.size()) / 2 + margin;
            bottom = op.y1 + cell_h + margin;
            break;
        }
        default:
            return false;
    }
    if (!std::isfinite(left + top + right + bottom)) {
        left = top = 0, right = kScreenWidth, bottom = kScreenHeight;
    }
    ink = {std::max(0.0, left), std::max(0.0, top), std::min<double>(kScreenWidth, right),
           std::min<double>(kScreenHeight, bottom)};
    return ink.left < ink.right && ink.top < ink.bottom;
}

void Page::add(const DrawOp& op) {
    if (op.kind == DrawOp::Kind::Cls) {
        kept_.clear();
        return;
    }
    Bounds ink{};
    if (!ink_of(op, ink)) return;  // nothing of it on the page
    if (op.kind == DrawOp::Kind::Box && op.fill != kNoFill) drop_covered(op);
    kept_.push_back({op, ink});
    collapse_repeats();
}

// A filled box covers the pixels of its corners inclusive; a side at or past
// the edge of the page covers everything up to that edge.
void Page::drop_covered(const DrawOp& box) {
    const double inf = std::numeric_limits<double>::infinity();
    const double l = std::min(box.x1, box.x2), r = std::max(box.x1, box.x2) + 1;
    const double t = std::min(box.y1, box.y2), b = std::max(box.y1, box.y2) + 1;
    if (!std::isfinite(l + r + t + b)) return;
    const Bounds cover{l <= 0 ? -inf : l + kCoverMargin, t <= 0 ? -inf : t + kCoverMargin,
                       r >= kScreenWidth ? inf : r - kCoverMargin,
                       b >= kScreenHeight ? inf : b - kCoverMargin};
    if (!(cover.left < cover.right && cover.top < cover.bottom)) return;
    std::erase_if(kept_, [&](const Kept& k) {
        return k.ink.left >= cover.left && k.ink.right <= cover.right && k.ink.top >= cover.top &&
               k.ink.bottom <= cover.bottom;
    });
}

// When the last 2 * (kRepeatsKept + 1) operations repeat one pair, the
// oldest round of the pair goes.
void Page::collapse_repeats() {
    const std::size_t span = 2 * (kRepeatsKept + 1);
    const std::size_t n = kept_.size();
    if (n < span) return;
    for (std::size_t i = n - 1; i >= n - span + 2; --i) {
        if (kept_[i].op != kept_[i - 2].op) return;
    }
    const auto first = kept_.begin() + static_cast<std::ptrdiff_t>(n - span);
    kept_.erase(first, first + 2);
}

}  // namespace rt::detail
