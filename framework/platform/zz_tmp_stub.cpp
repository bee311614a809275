// Stand-in until the raster canvas and the window land: headless runs
// without pixels only. Removed when they do.
#include "backend.hpp"
namespace rt::detail {
std::unique_ptr<Canvas> Canvas::create() { return nullptr; }
std::unique_ptr<Window> Window::open() { throw StartupFailure("no window"); }
}
