// The page as a list of drawing operations, kept so that the canvas can draw
// it again at another scale (a window resized or exposed in the middle of a
// scene or an animation).
//
// Only what can still be seen is kept: a clear empties the list, and a
// filled box drops every earlier operation whose ink lies wholly inside it
// (an erased cursor, a cleared answer cell, a page painted over). A pair of
// operations repeated again and again (a blinking cursor) is kept only a few
// times over.
#pragma once

#include <cstddef>
#include <vector>

#include "screen.hpp"

namespace rt::detail {

class Page {
public:
    void add(const DrawOp& op);
    std::size_t size() const { return kept_.size(); }
    template <class F>
    void for_each(F&& f) const {
        for (const Kept& k : kept_) f(k.op);
    }

private:
    // Where an operation may put ink on the page, in logical pixels, right
    // and bottom exclusive.
    struct Bounds {
        double left, top, right, bottom;
    };
    struct Kept {
        DrawOp op;
        Bounds ink;
    };
    static bool ink_of(const DrawOp& op, Bounds& ink);
    void drop_covered(const DrawOp& box);
    void collapse_repeats();

    std::vector<Kept> kept_;
};

}  // namespace rt::detail
