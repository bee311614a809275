// Inside the platform: the raster canvas (cairo, fonts through fontconfig)
// and the window (SDL). Only the platform includes this header.
#pragma once

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
    // Opens the window; StartupFailure when there is no display.
    static std::unique_ptr<Window> open();
    virtual ~Window() = default;
    // Shows the canvas if it changed since the last call or the window was
    // exposed.
    virtual void present(const Canvas& canvas, bool canvas_changed) = 0;
    // Serves window events for at most `timeout_ms` (0: only what is queued)
    // and returns one key code if a key was pressed. Throws ProgramExit when
    // the window is closed.
    virtual std::optional<int> poll_key(int timeout_ms) = 0;
};

}  // namespace rt::detail
