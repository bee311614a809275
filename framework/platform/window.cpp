// The one window: SDL2, maximised and resizable, showing the canvas as one
// streaming texture scaled to fit with its aspect kept (letterboxed), and the
// keyboard read as key codes (text input stays off, so no input method ever
// comes between a key and the program).
#include "backend.hpp"

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

class SdlWindow final : public Window {
public:
    SdlWindow() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            throw StartupFailure(std::string("no display: ") + SDL_GetError());
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        window_ = SDL_CreateWindow("lesson", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                   kScreenWidth, kScreenHeight,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
        if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (renderer_) {
            SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
        }
        if (!texture_) {
            const std::string why = SDL_GetError();
            release();
            throw StartupFailure("no display: cannot open the window: " + why);
        }
        // The window shows a white page until the first canvas comes.
        const std::vector<std::uint32_t> white(
            static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0xFFFFFFFFu);
        SDL_UpdateTexture(texture_, nullptr, white.data(), kScreenWidth * 4);
        SDL_StopTextInput();
    }

    ~SdlWindow() override { release(); }

    void present(const Canvas& canvas, bool canvas_changed) override {
        if (canvas_changed) {
            SDL_UpdateTexture(texture_, nullptr, canvas.pixels(), kScreenWidth * 4);
            shown_ = false;
        }
        if (!shown_) show();
    }

    std::optional<int> poll_key(int timeout_ms) override {
        SDL_Event event;
        // A poll stops at the end mark of an earlier pump that a returned key
        // left in the queue; a second round reaches what lies behind it.
        for (int round = 0; round < 2; ++round) {
            while (SDL_PollEvent(&event)) {
                if (auto key = handle(event)) return finish(key);
            }
        }
        // Nothing queued: sleep until the next event, at most the timeout.
        if (timeout_ms > 0 && SDL_WaitEventTimeout(&event, timeout_ms)) {
            if (auto key = handle(event)) return finish(key);
            while (SDL_PollEvent(&event)) {
                if (auto key = handle(event)) return finish(key);
            }
        }
        return finish(std::nullopt);
    }

private:
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
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET: shown_ = false; break;
            case SDL_KEYDOWN:
                if (const int code = key_code(event.key.keysym)) return code;
                break;
            default: break;
        }
        return std::nullopt;
    }

    // A window exposed while waiting is drawn again at once from the texture.
    std::optional<int> finish(std::optional<int> key) {
        if (!shown_) show();
        return key;
    }

    void show() {
        SDL_SetRenderDrawColor(renderer_, 0x30, 0x30, 0x30, 0xFF);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
        shown_ = true;
    }

    void release() {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        texture_ = nullptr, renderer_ = nullptr, window_ = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool shown_ = false;  // the window shows the texture as it is now
};

}  // namespace

std::unique_ptr<Window> Window::open() { return std::make_unique<SdlWindow>(); }

}  // namespace rt::detail
