// The session: the screen and pen state of one run of a program, the key
// source (window or script), the canvas, the drawing log and the record.
#include "session.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <time.h>

#include "backend.hpp"
#include "numbers.hpp"
#include "text.hpp"

namespace rt {
namespace {

// Raised inside the session to stop a run that draws for ever without
// taking a key, and to leave the error screen of a headless run.
struct HangDetected {};
struct ErrorScreenHeld {};

// The longest a poll that finds no key waits for one in the window: keys
// and window events end the wait at once, so this only sets how often a
// program waiting for a key wakes (twenty times a second, for the cursor's
// blink).
constexpr int kPollMs = 50;

long now_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

struct Session {
    SessionOptions options;
    std::unique_ptr<detail::Canvas> canvas;
    std::unique_ptr<detail::Window> window;
    // The part of the canvas drawn since the window last showed it.
    std::optional<detail::Region> changed = detail::Region{0, 0, kScreenWidth, kScreenHeight};
    // Keys: the script (headless) or those that arrived during a wait.
    std::vector<int> script;
    std::size_t next_key = 0;
    bool last_poll_empty = false;
    std::deque<int> pending;
    long ops_since_key = 0;
    // Pen and font.
    std::string font_name;
    float font_size = 16;
    bool bold = false;
    bool italic = false;
    std::int32_t draw_width = 1;
    // Output.
    std::ofstream log;
    std::vector<DrawOp> record;
    unsigned error_line = 0;
    int error_code = 0;
};

Session g_default;
Session* g = &g_default;

// Where an operation may have put ink, cut to the canvas; generous, since a
// slightly larger region only costs a few more pixels to show.
void mark_changed(const DrawOp& op) {
    const double pad = std::max(4.0, std::fabs(static_cast<double>(op.width)) + 2);
    double left = 0, top = 0, right = kScreenWidth, bottom = kScreenHeight;
    switch (op.kind) {
        case DrawOp::Kind::Line:
            left = std::min(op.x1, op.x2), right = std::max(op.x1, op.x2);
            top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
            break;
        case DrawOp::Kind::Box:
            left = std::min(op.x1, op.x2), right = std::max(op.x1, op.x2);
            top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
            break;
        case DrawOp::Kind::Circle: {
            const double r = std::fabs(op.r);
            left = op.x1 - r, right = op.x1 + r, top = op.y1 - r, bottom = op.y1 + r;
            break;
        }
        case DrawOp::Kind::Polyline:
            if (op.points.empty()) return;
            left = right = op.points[0].x, top = bottom = op.points[0].y;
            for (const Point& p : op.points) {
                left = std::min<double>(left, p.x), right = std::max<double>(right, p.x);
                top = std::min<double>(top, p.y), bottom = std::max<double>(bottom, p.y);
            }
            break;
        case DrawOp::Kind::Text: {
            // Each byte fills half a cell; a glyph may lean a cell further.
            const double cell = static_cast<double>(op.size) * std::fabs(op.h);
            left = op.x1 - cell, top = op.y1 - cell;
            right = op.x1 + cell * (static_cast<double>(op.text.size()) / 2 + 1);
            bottom = op.y1 + static_cast<double>(op.size) * std::fabs(op.v) + cell;
            break;
        }
        default: break;
    }
    if (!std::isfinite(left + top + right + bottom)) {
        left = top = 0, right = kScreenWidth, bottom = kScreenHeight;
    }
    auto cut = [](double v, int limit) {
        return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(limit)));
    };
    const detail::Region region{cut(std::floor(left - pad), kScreenWidth), cut(std::floor(top - pad), kScreenHeight),
                                cut(std::ceil(right + pad + 1), kScreenWidth),
                                cut(std::ceil(bottom + pad + 1), kScreenHeight)};
    if (region.right <= region.left || region.bottom <= region.top) return;
    Session& s = *g;
    if (s.changed) {
        s.changed->add(region);
    } else {
        s.changed = region;
    }
}

void emit(DrawOp op) {
    Session& s = *g;
    if (op.kind != DrawOp::Kind::Key && s.options.op_limit_without_key > 0 &&
        ++s.ops_since_key > s.options.op_limit_without_key) {
        throw HangDetected{};
    }
    if (s.canvas && op.kind != DrawOp::Kind::Wait && op.kind != DrawOp::Kind::Key) {
        // Text wholly below the page is the measuring trick: never rasterised.
        if (!(op.kind == DrawOp::Kind::Text && op.y1 >= kScreenHeight)) {
            s.canvas->draw(op);
            if (s.window) mark_changed(op);
        }
    }
    if (s.options.observer) s.options.observer(op);
    if (s.log.is_open()) s.log << to_json(op) << '\n';
    if (s.options.record) s.record.push_back(std::move(op));
}

DrawOp shape(DrawOp::Kind kind, int colour, int fill) {
    DrawOp op;
    op.kind = kind;
    op.colour = colour;
    op.fill = fill;
    op.width = g->draw_width;
    return op;
}

void present() {
    Session& s = *g;
    if (s.window && s.canvas) {
        s.window->present(*s.canvas, s.changed);
        s.changed.reset();
    }
}

void take_key(int code) {
    g->ops_since_key = 0;
    DrawOp op;
    op.kind = DrawOp::Kind::Key;
    op.code = code;
    emit(std::move(op));
}

void json_string(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void json_number(std::string& out, double v) {
    char buffer[32];
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    out += buffer;
}

void json_fill(std::string& out, int fill) {
    if (fill == kNoFill) {
        out += "null";
    } else {
        out += std::to_string(fill);
    }
}

}  // namespace

// ---- pen and font ----------------------------------------------------------------

void SET_FONT_NAME(std::string_view name) { g->font_name = std::string(name); }
void SET_FONT_SIZE(float size) { g->font_size = size; }
void SET_FONT_BOLD(int flag) { g->bold = flag != 0; }
void SET_FONT_ITALIC(int flag) { g->italic = flag != 0; }
void SET_DRAW_WIDTH(std::int32_t width) { g->draw_width = width; }
std::int32_t GET_DRAW_WIDTH() { return g->draw_width; }
void SET_MAP_MODE(int) {}
void MAXIMIZE_WINDOW() {}

// ---- drawing ----------------------------------------------------------------------

void LINE(float x1, float y1, float x2, float y2, int colour) {
    DrawOp op = shape(DrawOp::Kind::Line, colour, kNoFill);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    emit(std::move(op));
}

void BOX(float x1, float y1, float x2, float y2, int border, int fill) {
    DrawOp op = shape(DrawOp::Kind::Box, border, fill);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    emit(std::move(op));
}

void CIRCLE(float x, float y, float r, int colour, float start, float end, int fill) {
    DrawOp op = shape(DrawOp::Kind::Circle, colour, fill);
    op.x1 = x, op.y1 = y, op.r = r, op.start = start, op.end = end;
    emit(std::move(op));
}

void POLYLINE(const std::vector<Point>& points, int colour, int fill) {
    DrawOp op = shape(DrawOp::Kind::Polyline, colour, fill);
    op.points = points;
    emit(std::move(op));
}

void SYMBOL(float x, float y, std::string_view text, float h, float v, int colour) {
    DrawOp op = shape(DrawOp::Kind::Text, colour, kNoFill);
    op.x1 = x, op.y1 = y, op.h = h, op.v = v;
    op.text = std::string(text);
    op.font = g->font_name;
    op.size = g->font_size;
    op.bold = g->bold;
    op.italic = g->italic;
    emit(std::move(op));
}

void CLS() { emit(shape(DrawOp::Kind::Cls, kWhite, kWhite)); }

// ---- time and keys -------------------------------------------------------------------

void WAIT(float n) {
    DrawOp op;
    op.kind = DrawOp::Kind::Wait;
    op.n = n;
    emit(std::move(op));
    Session& s = *g;
    if (!s.window) return;
    present();
    // (<chrono> cannot be used here: its literals do not survive the CP932
    // execution character set.)
    const long until = now_ms() + static_cast<long>(std::max(0.0f, n) * 10);
    for (;;) {
        const long left = until - now_ms();
        if (left <= 0) break;
        // Keys pressed during a pause wait for the next poll.
        if (auto key = s.window->poll_key(static_cast<int>(left))) s.pending.push_back(*key);
    }
}

std::string INKEY() {
    Session& s = *g;
    if (s.window) {
        present();
        std::optional<int> key;
        if (!s.pending.empty()) {
            key = s.pending.front();
            s.pending.pop_front();
        } else {
            key = s.window->poll_key(kPollMs);
        }
        if (!key) return {};
        take_key(*key);
        return std::string(1, static_cast<char>(*key));
    }
    // Headless: a scripted key arrives only after an empty poll, so that a
    // flush of the keyboard never eats keys "typed" later; once the script
    // is used up, the next wait ends the run.
    if (!s.last_poll_empty) {
        s.last_poll_empty = true;
        return {};
    }
    if (s.next_key >= s.script.size()) {
        if (&s == &g_default) return {};
        throw ProgramExit{0};
    }
    const int key = s.script[s.next_key++];
    s.last_poll_empty = false;
    if (key < 0) throw ProgramExit{0};  // {close}
    take_key(key);
    return std::string(1, static_cast<char>(key));
}

void HOLD_FOREVER() {
    Session& s = *g;
    if (!s.window) throw ErrorScreenHeld{};
    for (;;) {
        present();
        (void)s.window->poll_key(1000);  // keys change nothing here
    }
}

void END_PROGRAM() { throw ProgramExit{0}; }

// ---- the log ---------------------------------------------------------------------------

std::string to_json(const DrawOp& op) {
    std::string out = "{\"op\":";
    auto field = [&out](const char* name, double v) {
        out += ",\"";
        out += name;
        out += "\":";
        json_number(out, v);
    };
    switch (op.kind) {
        case DrawOp::Kind::Text:
            out += "\"text\"";
            field("x", op.x1);
            field("y", op.y1);
            out += ",\"text\":";
            json_string(out, to_utf8(op.text));
            out += ",\"colour\":" + std::to_string(op.colour);
            field("h", op.h);
            field("v", op.v);
            out += ",\"font\":";
            json_string(out, to_utf8(op.font));
            field("size", op.size);
            out += std::string(",\"bold\":") + (op.bold ? "true" : "false");
            out += std::string(",\"italic\":") + (op.italic ? "true" : "false");
            break;
        case DrawOp::Kind::Line:
            out += "\"line\"";
            field("x1", op.x1), field("y1", op.y1), field("x2", op.x2), field("y2", op.y2);
            out += ",\"colour\":" + std::to_string(op.colour);
            out += ",\"width\":" + std::to_string(op.width);
            break;
        case DrawOp::Kind::Box:
            out += "\"box\"";
            field("x1", op.x1), field("y1", op.y1), field("x2", op.x2), field("y2", op.y2);
            out += ",\"border\":" + std::to_string(op.colour) + ",\"fill\":";
            json_fill(out, op.fill);
            out += ",\"width\":" + std::to_string(op.width);
            break;
        case DrawOp::Kind::Circle:
            out += "\"circle\"";
            field("x", op.x1), field("y", op.y1), field("r", op.r);
            out += ",\"colour\":" + std::to_string(op.colour) + ",\"fill\":";
            json_fill(out, op.fill);
            field("start", op.start), field("end", op.end);
            out += ",\"width\":" + std::to_string(op.width);
            break;
        case DrawOp::Kind::Polyline: {
            out += "\"polyline\",\"points\":[";
            bool first = true;
            for (const Point& p : op.points) {
                out += first ? "[" : ",[";
                first = false;
                json_number(out, p.x);
                out += ',';
                json_number(out, p.y);
                out += ']';
            }
            out += "],\"colour\":" + std::to_string(op.colour) + ",\"fill\":";
            json_fill(out, op.fill);
            out += ",\"width\":" + std::to_string(op.width);
            break;
        }
        case DrawOp::Kind::Cls: out += "\"cls\""; break;
        case DrawOp::Kind::Wait:
            out += "\"wait\"";
            field("n", op.n);
            break;
        case DrawOp::Kind::Key: out += "\"key\",\"code\":" + std::to_string(op.code); break;
    }
    out += '}';
    return out;
}

// ---- options ---------------------------------------------------------------------------

std::optional<std::string> parse_key_script(const std::string& script, std::vector<int>& codes) {
    static const std::pair<const char*, int> kNames[] = {
        {"enter", 13}, {"bs", 8}, {"del", 12}, {"left", 29}, {"right", 28}, {"esc", 27}, {"close", -1},
    };
    codes.clear();
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] != '{') {
            codes.push_back(static_cast<unsigned char>(script[i]));
            continue;
        }
        const std::size_t close = script.find('}', i);
        if (close == std::string::npos) return "unclosed { in the key script";
        const std::string name = script.substr(i + 1, close - i - 1);
        bool known = false;
        for (const auto& [key_name, code] : kNames) {
            if (name == key_name) {
                codes.push_back(code);
                known = true;
            }
        }
        if (!known) return "unknown key {" + name + "} in the key script";
        i = close;
    }
    return std::nullopt;
}

std::optional<std::string> parse_options(int argc, char** argv, SessionOptions& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& into) -> bool {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
            return std::nullopt;
        } else if (arg == "--headless") {
            out.headless = true;
        } else if (arg == "--keys") {
            if (!value(out.keys)) return "--keys needs a key script";
        } else if (arg == "--png") {
            if (!value(out.png_path)) return "--png needs a file name";
        } else if (arg == "--log") {
            if (!value(out.log_path)) return "--log needs a file name";
        } else if (arg == "--seed") {
            if (!value(text)) return "--seed needs a number";
            char* end = nullptr;
            const long seed = std::strtol(text.c_str(), &end, 10);
            if (end == text.c_str() || *end != '\0') return "--seed needs a whole number";
            out.seed = static_cast<int>(seed);
        } else if (arg == "--scale") {
            if (!value(text)) return "--scale needs a number";
            char* end = nullptr;
            const double scale = std::strtod(text.c_str(), &end);
            if (end == text.c_str() || *end != '\0' || !(scale >= 0.1 && scale <= 8)) {
                return "--scale needs a number from 0.1 to 8";
            }
            out.scale = scale;
        } else {
            return "unknown argument " + arg;
        }
    }
    std::vector<int> codes;
    return parse_key_script(out.keys, codes);
}

// ---- the run -----------------------------------------------------------------------------

RunResult run_session(const SessionOptions& options, const std::function<void()>& body,
                      const std::function<void(const RuntimeError&)>& error_screen) {
    Session session;
    session.options = options;
    if (auto error = parse_key_script(options.keys, session.script)) throw detail::StartupFailure(*error);
    if (!options.headless) {
        const std::string title = options.title.empty() ? "lesson" : to_utf8(options.title);
        session.window = detail::Window::open(title);
    }
    if (!options.headless || options.rasterise || !options.png_path.empty()) {
        session.canvas = detail::Canvas::create(options.headless ? options.scale : 1);
        if (session.window || options.keep_page) session.canvas->keep_page();
    }
    if (!options.log_path.empty()) {
        session.log.open(options.log_path);
        if (!session.log) throw detail::StartupFailure("cannot write the log " + options.log_path);
    }
    struct Restore {
        ~Restore() { g = &g_default; }
    } restore;
    g = &session;

    RunResult result;
    try {
        try {
            body();
        } catch (const RuntimeError& error) {
            session.error_line = error.line();
            session.error_code = error.code();
            result.outcome = Outcome::ErrorScreen;
            result.exit_status = 3;
            error_screen(error);
        }
    } catch (const ProgramExit& exit) {
        if (result.outcome != Outcome::ErrorScreen) result.exit_status = exit.status;
    } catch (const ErrorScreenHeld&) {
    } catch (const HangDetected&) {
        result.outcome = Outcome::Hang;
        result.exit_status = 4;
    }
    if (!options.png_path.empty() && session.canvas) session.canvas->write_png(options.png_path);
    g_default.record = options.record ? std::move(session.record) : std::vector<DrawOp>{};
    g_default.error_line = session.error_line;
    g_default.error_code = session.error_code;
    return result;
}

unsigned ERL() { return g->error_line; }
int ERR() { return g->error_code; }

std::optional<int> seed_override() { return g->options.seed; }

const std::vector<DrawOp>& recorded_ops() { return g->record; }
void clear_recorded_ops() { g->record.clear(); }

std::uint32_t canvas_pixel(int x, int y) { return g->canvas ? g->canvas->pixel(x, y) : 0; }
bool write_png(const std::string& path) { return g->canvas && g->canvas->write_png(path); }

bool rescale_canvas(double scale) {
    if (!g->canvas) return false;
    g->canvas->set_scale(scale);
    return true;
}

std::size_t kept_page_ops() { return g->canvas ? g->canvas->kept_ops() : 0; }

}  // namespace rt
