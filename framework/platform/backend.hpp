// Inside the platform: the raster canvas (cairo, fonts through fontconfig)
// and the window (SDL). Only the platform includes this header.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "screen.hpp"

namespace rt::detail {

// The program cannot start here: no display, or a font is missing. The
// message says what to install or set.
struct StartupFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A rectangle of the canvas in whole pixels, right and bottom exclusive.
struct Region {
    int left = 0, top = 0, right = 0, bottom = 0;
    void add(const Region& other) {
        left = std::min(left, other.left), top = std::min(top, other.top);
        right = std::max(right, other.right), bottom = std::max(bottom, other.bottom);
    }
};

// The logical 1440 x 900 page rasterised into an ARGB32 image at a scale:
// the image is 1440 * scale by 900 * scale pixels and every operation is
// drawn at that scale (fonts at the size they are shown at, lines at scaled
// widths), so that a window of any size shows the page sharp.
class Canvas {
public:
    // Finds the faces for the program's font names and checks that the
    // Japanese face covers kana and full-width forms; StartupFailure if not.
    static std::unique_ptr<Canvas> create(double scale = 1);
    virtual ~Canvas() = default;
    // Rasterises one operation (text, line, box, circle, polyline, cls);
    // others are ignored. Text wholly outside the canvas costs nothing.
    virtual void draw(const DrawOp& op) = 0;
    // Keeps what is needed to draw the page again (the operations since the
    // last clear, less those that a later filled box hides), so that the
    // scale can change at any moment without losing the picture.
    virtual void keep_page() = 0;
    virtual std::size_t kept_ops() const = 0;
    // Draws the kept page at another scale. The image is reallocated only
    // when it has to grow; the same scale again costs nothing. Without a kept
    // page the canvas comes back white.
    virtual void set_scale(double scale) = 0;
    // Draws the kept page again at the same scale.
    virtual void redraw() = 0;
    virtual double scale() const = 0;
    virtual int width() const = 0;   // image pixels
    virtual int height() const = 0;
    virtual const std::uint32_t* pixels() const = 0;  // row-major, stride width()
    // The image pixel under a logical position; 0 off the canvas.
    virtual std::uint32_t pixel(int x, int y) const = 0;
    virtual bool write_png(const std::string& path) const = 0;
};

// The image size of the page at a scale: at least one pixel each way.
inline int scaled_size(int logical, double scale) {
    return std::max(1, static_cast<int>(logical * scale + 1e-6));
}

// The one window, maximised, showing the canvas drawn at the largest scale
// that fits it with the aspect kept, letterboxed.
class Window {
public:
    // Opens the window, titled `title` (UTF-8); StartupFailure when there is
    // no display.
    static std::unique_ptr<Window> open(const std::string& title = "lesson");
    virtual ~Window() = default;
    // Shows the canvas: the region that changed since the last call (none:
    // nothing changed), or all of it when the window was exposed or resized.
    // The window sets the canvas's scale to the largest that fits it; a
    // change of size redraws the kept page at the new scale.
    virtual void present(Canvas& canvas, const std::optional<Region>& changed) = 0;
    // Serves window events for at most `timeout_ms` (0: only what is queued)
    // and returns one key code if a key was pressed. Throws ProgramExit when
    // the window is closed.
    virtual std::optional<int> poll_key(int timeout_ms) = 0;
    // For tests: the picture in the window (row-major, `width` by
    // `height`), and a change of size as a user would make it.
    virtual std::vector<std::uint32_t> picture(int& width, int& height) const = 0;
    virtual void resize(int width, int height) = 0;
};

}  // namespace rt::detail
