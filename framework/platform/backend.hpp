// Inside the platform: the raster canvas (cairo, fonts through fontconfig)
// and the window (SDL). Only the platform includes this header.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

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

// A 1440 x 900 ARGB32 image that every drawing operation is rasterised into.
class Canvas {
public:
    // Finds the faces for the program's font names and checks that the
    // Japanese face covers kana and full-width forms; StartupFailure if not.
    static std::unique_ptr<Canvas> create();
    virtual ~Canvas() = default;
    // Rasterises one operation (text, line, box, circle, polyline, cls);
    // others are ignored. Text wholly outside the canvas costs nothing.
    virtual void draw(const DrawOp& op) = 0;
    virtual const std::uint32_t* pixels() const = 0;  // row-major, stride 1440
    virtual std::uint32_t pixel(int x, int y) const = 0;
    virtual bool write_png(const std::string& path) const = 0;
};

// The one window, maximised, showing the canvas scaled with its aspect kept.
class Window {
public:
    // Opens the window, titled `title` (UTF-8); StartupFailure when there is
    // no display.
    static std::unique_ptr<Window> open(const std::string& title = "lesson");
    virtual ~Window() = default;
    // Shows the canvas: the region that changed since the last call (none:
    // nothing changed), or all of it when the window was exposed or resized.
    virtual void present(const Canvas& canvas, const std::optional<Region>& changed) = 0;
    // Serves window events for at most `timeout_ms` (0: only what is queued)
    // and returns one key code if a key was pressed. Throws ProgramExit when
    // the window is closed.
    virtual std::optional<int> poll_key(int timeout_ms) = 0;
};

}  // namespace rt::detail
