// Drawing operations made by hand, for the tests that feed the canvas
// directly.
#pragma once

#include "framework/platform/screen.hpp"

namespace test_support {

inline rt::DrawOp box_op(float x1, float y1, float x2, float y2, int border, int fill, int width) {
    rt::DrawOp op;
    op.kind = rt::DrawOp::Kind::Box;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.colour = border, op.fill = fill, op.width = width;
    return op;
}

// A circle, or with start != end an arc (see rt::CIRCLE).
inline rt::DrawOp circle_op(float x, float y, float r, int colour, int fill, int width,
                            float start = 0, float end = 0) {
    rt::DrawOp op;
    op.kind = rt::DrawOp::Kind::Circle;
    op.x1 = x, op.y1 = y, op.r = r, op.colour = colour, op.fill = fill, op.width = width;
    op.start = start, op.end = end;
    return op;
}

inline rt::DrawOp line_op(float x1, float y1, float x2, float y2, int colour, int width) {
    rt::DrawOp op;
    op.kind = rt::DrawOp::Kind::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour, op.width = width;
    return op;
}

}  // namespace test_support
