// The one window: SDL2, maximised and resizable, showing the page drawn at
// the largest scale that fits the window with its aspect kept (letterboxed),
// pixel for pixel, and the keyboard read as key codes (text input stays off,
// so no input method ever comes between a key and the program).
#include "backend.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <SDL.h>

namespace rt::detail {
namespace {

// The shifted characters of the keys of a US layout. Only letters and the
// keys of number entry (digits, "-", ".", "/") matter to the programs; the
// table keeps a shifted digit from arriving as a digit.
int shifted(int c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    static const char plain[] = "1234567890-=[]\\;',./`";
    static const char shift[] = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; plain[i] != '\0'; ++i) {
        if (plain[i] == c) return shift[i];
    }
    return c;
}

// The key code of a key press, or 0 for a key the programs do not read.
int key_code(const SDL_Keysym& key) {
    switch (key.sym) {
        case SDLK_RIGHT: return 28;
        case SDLK_LEFT: return 29;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_BACKSPACE: return 8;
        case SDLK_DELETE: return 12;
        case SDLK_ESCAPE: return 27;
        case SDLK_KP_PERIOD: return '.';
        case SDLK_KP_MINUS: return '-';
        case SDLK_KP_PLUS: return '+';
        case SDLK_KP_DIVIDE: return '/';
        case SDLK_KP_MULTIPLY: return '*';
        default: break;
    }
    if (key.sym >= SDLK_KP_1 && key.sym <= SDLK_KP_9) return '1' + (key.sym - SDLK_KP_1);
    if (key.sym == SDLK_KP_0) return '0';
    if (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) return 0;
    if (key.sym >= 32 && key.sym <= 126) {
        const bool shift = (key.mod & KMOD_SHIFT) != 0;
        const bool caps = (key.mod & KMOD_CAPS) != 0;
        const int c = static_cast<int>(key.sym);
        if (c >= 'a' && c <= 'z') return shift != caps ? shifted(c) : c;
        return shift ? shifted(c) : c;
    }
    return 0;
}

constexpr const char* kNoDisplay = "no display: set DISPLAY (or WAYLAND_DISPLAY) to a running display";

// Whether an environment variable is set to something.
bool has_env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

class SdlWindow final : public Window {
public:
    explicit SdlWindow(const std::string& title) {
        // Without a display to name, SDL would try its drivers one by one,
        // and a display library may print its own complaint on the way; the
        // program's one message says what to set instead. An explicit driver
        // (the tests' display-less one) is left to SDL.
        if (!has_env("DISPLAY") && !has_env("WAYLAND_DISPLAY") && !has_env("SDL_VIDEODRIVER")) {
            throw StartupFailure(kNoDisplay);
        }
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            throw StartupFailure(std::string("no display: ") + SDL_GetError());
        }
        // Without a display SDL falls back to drivers that show nothing; a
        // learner would face an invisible program. Only an explicit choice
        // (the tests' display-less driver) may use them.
        const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
        if ((driver == "offscreen" || driver == "dummy" || driver == "evdev") &&
            SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            throw StartupFailure(kNoDisplay);
        }
        // The window surface is X11 shared memory, not a framebuffer emulated
        // through a GL renderer, which costs a whole frame on every update.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                   kScreenWidth, kScreenHeight,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
        if (!window_ || !SDL_GetWindowSurface(window_)) {
            const std::string why = SDL_GetError();
            release();
            throw StartupFailure("no display: cannot open the window: " + why);
        }
        SDL_StopTextInput();
    }

    ~SdlWindow() override { release(); }

    // Only what changed is pushed to the window, so a blinking cursor costs
    // a few hundred pixels, not a whole frame.
    void present(Canvas& canvas, const std::optional<Region>& changed) override {
        canvas_ = &canvas;
        if (!shown_ || !fits()) {
            show_all();
        } else if (changed) {
            show(*changed);
        }
    }

    std::vector<std::uint32_t> picture(int& width, int& height) const override {
        std::vector<std::uint32_t> out;
        width = height = 0;
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface || surface->format->BytesPerPixel != 4) return out;
        width = surface->w, height = surface->h;
        out.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
            std::memcpy(&out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)], row,
                        static_cast<std::size_t>(width) * 4);
        }
        return out;
    }

    void resize(int width, int height) override { SDL_SetWindowSize(window_, width, height); }

    std::optional<int> poll_key(int timeout_ms) override {
        // One pump, then what is queued without pumping again: every pump
        // asks the display server, and a program waiting at a menu polls
        // sixty times a second.
        SDL_PumpEvents();
        if (auto key = drain()) return finish(key);
        // Nothing queued: sleep until the next event, at most the timeout.
        SDL_Event event;
        if (timeout_ms > 0 && SDL_WaitEventTimeout(&event, timeout_ms)) {
            if (auto key = handle(event)) return finish(key);
            if (auto key = drain()) return finish(key);
        }
        return finish(std::nullopt);
    }

private:
    // Serves the queued events up to the first key press; the rest stay
    // queued for the next poll.
    std::optional<int> drain() {
        SDL_Event event;
        while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
            if (auto key = handle(event)) return key;
        }
        return std::nullopt;
    }

    // Serves one event; a key press gives its code.
    std::optional<int> handle(const SDL_Event& event) {
        switch (event.type) {
            case SDL_QUIT: throw ProgramExit{0};
            case SDL_WINDOWEVENT:
                switch (event.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: throw ProgramExit{0};
                    case SDL_WINDOWEVENT_EXPOSED:
                    case SDL_WINDOWEVENT_RESIZED:
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                    case SDL_WINDOWEVENT_MAXIMIZED:
                    case SDL_WINDOWEVENT_RESTORED:
                    case SDL_WINDOWEVENT_SHOWN: shown_ = false; break;
                    default: break;
                }
                break;
            case SDL_KEYDOWN:
                if (const int code = key_code(event.key.keysym)) return code;
                break;
            default: break;
        }
        return std::nullopt;
    }

    // A window exposed while waiting is drawn again at once.
    std::optional<int> finish(std::optional<int> key) {
        if (!shown_ && canvas_) show_all();
        return key;
    }

    // The largest scale at which the page fits the window with its aspect
    // kept.
    static double fit_scale(const SDL_Surface* surface) {
        return std::min(static_cast<double>(surface->w) / kScreenWidth,
                        static_cast<double>(surface->h) / kScreenHeight);
    }

    bool fits() const {
        const SDL_Surface* surface = SDL_GetWindowSurface(window_);
        return !surface || !canvas_ || canvas_->scale() == fit_scale(surface);
    }

    // Where the canvas stands in the window: centred.
    SDL_Rect viewport(const SDL_Surface* surface) const {
        return SDL_Rect{(surface->w - canvas_->width()) / 2, (surface->h - canvas_->height()) / 2,
                        canvas_->width(), canvas_->height()};
    }

    // The whole window: the page drawn again at the scale that fits it (the
    // canvas keeps the page), the bars around it, all pushed at once.
    void show_all() {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface || !canvas_) return;
        canvas_->set_scale(fit_scale(surface));
        const SDL_Rect view = viewport(surface);
        const Uint32 bar = SDL_MapRGB(surface->format, 0x30, 0x30, 0x30);
        const SDL_Rect bars[] = {
            {0, 0, surface->w, view.y},
            {0, view.y + view.h, surface->w, surface->h - view.y - view.h},
            {0, view.y, view.x, view.h},
            {view.x + view.w, view.y, surface->w - view.x - view.w, view.h},
        };
        for (const SDL_Rect& r : bars) {
            if (r.w > 0 && r.h > 0) SDL_FillRect(surface, &r, bar);
        }
        copy(surface, SDL_Rect{0, 0, view.w, view.h});
        SDL_UpdateWindowSurface(window_);
        shown_ = true;
    }

    // A region of the page, in logical pixels, as the image pixels it covers.
    void show(const Region& region) {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        const double s = canvas_->scale();
        const int x0 = std::max(0, static_cast<int>(std::floor(region.left * s)));
        const int y0 = std::max(0, static_cast<int>(std::floor(region.top * s)));
        const int x1 = std::min(canvas_->width(), static_cast<int>(std::ceil(region.right * s)));
        const int y1 = std::min(canvas_->height(), static_cast<int>(std::ceil(region.bottom * s)));
        if (x1 <= x0 || y1 <= y0) return;
        SDL_Rect target = copy(surface, SDL_Rect{x0, y0, x1 - x0, y1 - y0});
        SDL_UpdateWindowSurfaceRects(window_, &target, 1);
    }

    // Copies a part of the canvas image onto the window, pixel for pixel;
    // returns the window rectangle it covered. The canvas is ARGB32, which
    // the window's 32-bit RGB formats read alike.
    SDL_Rect copy(SDL_Surface* surface, SDL_Rect part) {
        const SDL_Rect view = viewport(surface);
        SDL_Rect to{view.x + part.x, view.y + part.y, part.w, part.h};
        SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<std::uint32_t*>(canvas_->pixels()), canvas_->width(), canvas_->height(), 32,
            canvas_->width() * 4, surface->format->format);
        if (src) {
            SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
            SDL_BlitSurface(src, &part, surface, &to);
            SDL_FreeSurface(src);
        }
        return to;
    }

    void release() {
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SDL_Window* window_ = nullptr;
    Canvas* canvas_ = nullptr;
    bool shown_ = false;  // the window shows the whole canvas as it was last given
};

}  // namespace

std::unique_ptr<Window> Window::open(const std::string& title) {
    return std::make_unique<SdlWindow>(title);
}

}  // namespace rt::detail
