// The raster canvas: every drawing operation rasterised by cairo into one
// ARGB32 image of the 1440 x 900 page at a scale (1 headless), text through
// fontconfig-chosen faces.
//
// Pixel model: a coordinate names the centre of a pixel, so a box from
// (x1, y1) to (x2, y2) covers the pixels x1..x2 and y1..y2 inclusive, and a
// line of odd width along a pixel row or column is sharp. Text is placed by
// the top-left corner of its first cell. At a scale every coordinate, width
// and font size is multiplied by cairo, never the finished image, so the
// page stays sharp at any size.
//
// Shapes in the page's white are erasers: every pixel a white box, circle,
// line or polyline touches at all becomes white, not a blend. A shape drawn
// in a colour and then again in white with the same geometry so leaves
// white exactly where it had put ink, however often it is repeated (a
// blinking cursor) and at any scale, and nothing beyond.
#include "backend.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include "disc_stamps.hpp"
#include "page.hpp"
#include "text.hpp"

namespace rt::detail {
namespace {

// The palette: the classic sixteen hues, darkened or lightened where a text
// colour has to stay legible (4.5:1 or better) on what it is drawn on:
// plain text 0, formulas 3, answers 5 and headings 7 on white; menu items 13
// and 15 on the menu panel 10 (a dark chalkboard green); prompt text 9 (a
// pale blue) on the prompt boxes 4 and 12 (two reds). 13 also fills header
// cells and highlighted cells under black text and answers 5, and stands on
// the teal 3 in badges and on the brown 6 of a highlighted cell; answers 5
// also stand on the yellow 14. The canvas test holds every pair the programs
// draw to 4.5:1.
const std::array<std::uint32_t, 16>& palette_rgb() {
    static const std::array<std::uint32_t, 16> rgb = {
        0x000000,  //  0 black
        0x0000AA,  //  1 blue
        0x008A00,  //  2 green
        0x005A64,  //  3 teal (the classic cyan, dark enough for text)
        0x900000,  //  4 dark red
        0x940094,  //  5 magenta (dark enough for answers on the light pink 13)
        0x804000,  //  6 brown (dark enough under the light pink 13)
        0x505050,  //  7 grey (the classic light grey, dark enough for text)
        0x808080,  //  8 mid grey
        0xC8E4FF,  //  9 pale blue
        0x1E5A32,  // 10 chalkboard green
        0x80E0FF,  // 11 light cyan
        0xB82828,  // 12 red
        0xFFB0F0,  // 13 light magenta
        0xFFE040,  // 14 yellow
        0xFFFFFF,  // 15 white
    };
    return rgb;
}

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

// A palette colour as 0xRRGGBB; any index counts modulo 16.
std::uint32_t rgb_of(int index) {
    return palette_rgb()[static_cast<std::size_t>(((index % 16) + 16) % 16)];
}

Rgb colour_of(int index) {
    const std::uint32_t v = rgb_of(index);
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

// ---- faces -------------------------------------------------------------------

// The faces the platform draws with. The program's font names map onto them.
enum FaceId { kGothic = 0, kSerif = 1, kEll = 2, kFaceCount = 3 };

// How a face sits in its cells. The em is `across` times the magnified size
// (size * h) wide and `down` times the cell height (size * v) high; the
// baseline lies `baseline` cell heights below the top of the cell.
//
// The fixed-pitch Gothic faces fill their cells (a one-byte glyph is half an
// em wide, ascent and descent make one em); their baselines put the foot of
// the digits at 0.85 of the cell. The proportional faces are drawn narrower,
// which keeps their letters near their natural proportions at the
// magnifications the formula typesetter uses. The serif baseline is set so
// that an italic letter drawn 22 px above the pen at size 8, magnification
// (10, 7) stands on the foot of the digits drawn at the pen in the Gothic
// face at size 16, magnification (3, 3); the fraction placement (16 px above,
// (12, 5) against (4, 2)) then lands within 2 px of it. The script ell at
// (6, 3) stands on the same foot.
struct FaceMetrics {
    double across;
    double down;
    double baseline;
    // Where a decimal point between two digits looks centred, in ems right
    // of the border of their cells (see point()).
    double point_shift = 0;
};

struct FaceChoice {
    const char* family;
    FaceMetrics metrics;
};

// The installed families that may stand for a face, best first.
const std::vector<FaceChoice>& face_choices(FaceId id) {
    static const std::vector<FaceChoice> choices[kFaceCount] = {
        {{"IPAGothic", {1.0, 1.0, 0.88, 0.04}},
         {"VL Gothic", {1.0, 1.0, 0.84}},
         {"Noto Sans Mono CJK JP", {1.0, 1.0, 0.86}}},
        {{"Liberation Serif", {0.6, 1.0, 1.12}}},
        {{"Liberation Serif", {0.5, 1.0, 0.84}}, {"DejaVu Serif", {0.4, 1.0, 0.84}}},
    };
    return choices[id];
}

// What a face must cover to be used: the Gothic face kana, kanji, full-width
// forms and half-width katakana; the serif face the italic letters of
// formulas; the ell face the script ell.
const std::vector<FcChar32>& needed_chars(FaceId id) {
    static const std::vector<FcChar32> needed[kFaceCount] = {
        {0x3042, 0x30A2, 0x6BD4, 0xFF1C, 0xFF11, 0xFF80},
        {'a', 'x', 'c'},
        {0x2113},
    };
    return needed[id];
}

// The face for a font name as the program gives it (CP932 bytes).
FaceId face_for_name(std::string_view cp932_name) {
    if (cp932_name == "Times New Roman") return kSerif;
    if (cp932_name == "MT Extra") return kEll;
    return kGothic;  // "ｺﾞｼｯｸ", "ゴシック" and any other name
}

bool family_is(FcPattern* pattern, const std::string& family) {
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        if (family == reinterpret_cast<const char*>(value)) return true;
    }
    return false;
}

bool covers(FcPattern* pattern, const std::vector<FcChar32>& chars) {
    FcCharSet* set = nullptr;
    if (FcPatternGetCharSet(pattern, FC_CHARSET, 0, &set) != FcResultMatch) return false;
    for (FcChar32 c : chars) {
        if (!FcCharSetHasChar(set, c)) return false;
    }
    return true;
}

// The best installed match for `family` in the given weight and slant, or
// nullptr when fontconfig would substitute another family.
FcPattern* match_family(const std::string& family, bool bold, bool italic) {
    FcPattern* want = FcPatternCreate();
    FcPatternAddString(want, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(want, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(want, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, want, FcMatchPattern);
    FcDefaultSubstitute(want);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, want, &result);
    FcPatternDestroy(want);
    if (found && !family_is(found, family)) {
        FcPatternDestroy(found);
        found = nullptr;
    }
    return found;
}

// The weight and slant a font file declares, read once per file for the
// whole process: reading them scans the file, a millisecond or more.
std::pair<int, int> file_style(const std::string& file, int index) {
    static std::map<std::pair<std::string, int>, std::pair<int, int>> known;
    const auto key = std::make_pair(file, index);
    if (auto it = known.find(key); it != known.end()) return it->second;
    std::pair<int, int> style{FC_WEIGHT_REGULAR, FC_SLANT_ROMAN};
    int count = 0;
    if (FcPattern* real =
            FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.c_str()), index, nullptr, &count)) {
        FcPatternGetInteger(real, FC_WEIGHT, 0, &style.first);
        FcPatternGetInteger(real, FC_SLANT, 0, &style.second);
        FcPatternDestroy(real);
    }
    return known.emplace(key, style).first->second;
}

struct CachedFace {
    cairo_font_face_t* face = nullptr;
    FaceMetrics metrics{};
    bool slant = false;  // an upright face standing for an italic one
};

// The lean of a slanted upright face: 12 degrees.
constexpr double kSlant = 0.2126;

// ---- the canvas ----------------------------------------------------------------

class CairoCanvas final : public Canvas {
public:
    explicit CairoCanvas(double scale) {
        if (!FcInit()) throw StartupFailure("fontconfig could not be initialised");
        find_faces();
        options_ = cairo_font_options_create();
        cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_subpixel_order(options_, CAIRO_SUBPIXEL_ORDER_DEFAULT);
        make_surface(scale);
        clear();
    }

    ~CairoCanvas() override {
        for (auto& [key, cached] : faces_) cairo_font_face_destroy(cached.face);
        for (FcPattern* p : base_) {
            if (p) FcPatternDestroy(p);
        }
        cairo_font_options_destroy(options_);
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }

    void draw(const DrawOp& op) override {
        rasterise(op);
        if (keeping_) page_.add(op);
    }

    void keep_page() override { keeping_ = true; }
    std::size_t kept_ops() const override { return page_.size(); }

    void set_scale(double scale) override {
        if (!(scale > 0) || !std::isfinite(scale)) return;
        if (scale == scale_ && scaled_size(kScreenWidth, scale) == width_ &&
            scaled_size(kScreenHeight, scale) == height_) {
            return;
        }
        // Waiting dots go into the old image before it may be freed.
        flush_dots();
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        make_surface(scale);
        redraw();
    }

    void redraw() override {
        flush_dots();
        clear();
        page_.for_each([this](const DrawOp& op) { rasterise(op); });
    }

    double scale() const override { return scale_; }
    int width() const override { return width_; }
    int height() const override { return height_; }

    const std::uint32_t* pixels() const override {
        flush_dots();
        cairo_surface_flush(surface_);
        return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_));
    }

    std::uint32_t pixel(int x, int y) const override {
        if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return 0;
        const int px = std::min(width_ - 1, static_cast<int>((x + 0.5) * scale_));
        const int py = std::min(height_ - 1, static_cast<int>((y + 0.5) * scale_));
        return pixels()[static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) + px];
    }

    bool write_png(const std::string& path) const override {
        flush_dots();
        cairo_surface_flush(surface_);
        return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
    }

private:
    void rasterise(const DrawOp& op) {
        if (op.kind != DrawOp::Kind::Circle) flush_dots();
        switch (op.kind) {
            case DrawOp::Kind::Cls: clear(); break;
            case DrawOp::Kind::Line: line(op); break;
            case DrawOp::Kind::Box: box(op); break;
            case DrawOp::Kind::Circle: circle(op); break;
            case DrawOp::Kind::Polyline: polyline(op); break;
            case DrawOp::Kind::Text: text(op); break;
            default: break;
        }
    }

    // The image for a scale, in memory that is kept and only grows, so that
    // a window dragged to another size does not allocate on every step.
    void make_surface(double scale) {
        scale_ = scale;
        width_ = scaled_size(kScreenWidth, scale);
        height_ = scaled_size(kScreenHeight, scale);
        const std::size_t need = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
        if (need > capacity_) {
            memory_.reset(new std::uint32_t[need]);
            capacity_ = need;
        }
        surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(memory_.get()),
                                                       CAIRO_FORMAT_ARGB32, width_, height_,
                                                       width_ * 4);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS ||
            cairo_image_surface_get_stride(surface_) != width_ * 4) {
            throw StartupFailure("cannot create the drawing surface");
        }
        cr_ = cairo_create(surface_);
        if (scale != 1) cairo_scale(cr_, scale, scale);
        cairo_set_font_options(cr_, options_);
    }

    // The Gothic face must exist and cover kana, kanji, full-width forms and
    // half-width katakana; the serif and ell faces fall back to it.
    void find_faces() {
        for (FaceId id : {kGothic, kSerif, kEll}) {
            for (const FaceChoice& choice : face_choices(id)) {
                FcPattern* p = match_family(choice.family, false, false);
                if (p && covers(p, needed_chars(id))) {
                    base_[id] = p;
                    choice_[id] = &choice;
                    break;
                }
                if (p) FcPatternDestroy(p);
            }
            if (id == kGothic && !base_[id]) {
                throw StartupFailure(
                    "no Japanese Gothic font with kana and full-width forms was found "
                    "(IPAGothic, VL Gothic or Noto Sans Mono CJK JP); install the Debian "
                    "package fonts-ipafont-gothic");
            }
        }
    }

    // The cairo face for (face, bold, italic), made once. A weight or slant
    // the family lacks is synthesised from its regular face.
    const CachedFace& face(FaceId id, bool bold, bool italic) {
        FaceId use = base_[id] ? id : kGothic;
        const auto key = std::make_tuple(static_cast<int>(use), bold, italic);
        auto it = faces_.find(key);
        if (it != faces_.end()) return it->second;

        FcPattern* chosen = (bold || italic) ? match_family(choice_[use]->family, bold, italic)
                                             : nullptr;
        if (chosen && !covers(chosen, needed_chars(use))) {
            FcPatternDestroy(chosen);
            chosen = nullptr;
        }
        if (!chosen) chosen = FcPatternDuplicate(base_[use]);
        // The weight and slant of the font file itself: a configuration may
        // have marked a regular face as bold when it asked for emboldening.
        int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetString(chosen, FC_FILE, 0, &file);
        FcPatternGetInteger(chosen, FC_INDEX, 0, &index);
        if (file) std::tie(weight, slant) = file_style(reinterpret_cast<const char*>(file), index);
        const bool fake_bold = bold && weight < FC_WEIGHT_DEMIBOLD;
        const bool fake_italic = italic && slant == FC_SLANT_ROMAN;
        // Rendering settings are ours, never the user's configuration.
        for (const char* name : {FC_ANTIALIAS, FC_HINTING, FC_HINT_STYLE, FC_AUTOHINT, FC_RGBA,
                                 FC_LCD_FILTER, FC_EMBOLDEN, FC_MATRIX, FC_EMBEDDED_BITMAP}) {
            FcPatternDel(chosen, name);
        }
        FcPatternAddBool(chosen, FC_ANTIALIAS, FcTrue);
        FcPatternAddBool(chosen, FC_HINTING, FcFalse);
        FcPatternAddInteger(chosen, FC_HINT_STYLE, FC_HINT_NONE);
        FcPatternAddBool(chosen, FC_AUTOHINT, FcFalse);
        FcPatternAddInteger(chosen, FC_RGBA, FC_RGBA_NONE);
        FcPatternAddBool(chosen, FC_EMBEDDED_BITMAP, FcFalse);
        // cairo shares one face among equal patterns; the emboldening flag
        // keeps the regular and the emboldened face of one file apart.
        FcPatternAddBool(chosen, FC_EMBOLDEN, fake_bold ? FcTrue : FcFalse);
        cairo_font_face_t* cf = cairo_ft_font_face_create_for_pattern(chosen);
        FcPatternDestroy(chosen);
        if (fake_bold) cairo_ft_font_face_set_synthesize(cf, CAIRO_FT_SYNTHESIZE_BOLD);
        CachedFace cached{cf, choice_[use]->metrics, fake_italic};
        return faces_.emplace(key, cached).first->second;
    }

    void set_colour(int index) {
        const Rgb c = colour_of(index);
        cairo_set_source_rgb(cr_, c.r, c.g, c.b);
    }

    static void set_stroke(cairo_t* cr, int width) {
        const double w = std::max(1, width);
        cairo_set_line_width(cr, w);
        // Thin strokes end square, like a run of pixels; thick ones round, so
        // that strokes meeting at an angle join without notches.
        cairo_set_line_cap(cr, w <= 2 ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    }

    static bool is_white(int colour) { return ((colour % 16) + 16) % 16 == kWhite; }

    // Fills (width 0) or strokes the path that `build` makes on a context:
    // in a colour, anti-aliased; in white, every pixel the shape touches
    // becomes white. The touched pixels are those to which cairo gives any
    // coverage, found by rasterising the same path, offset by whole image
    // pixels, into a mask of the shape's own extent.
    template <class Build>
    void paint(const Build& build, int colour, int stroke_width) {
        build(cr_);
        if (stroke_width > 0) set_stroke(cr_, stroke_width);
        if (!is_white(colour)) {
            set_colour(colour);
            stroke_width > 0 ? cairo_stroke(cr_) : cairo_fill(cr_);
            return;
        }
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        stroke_width > 0 ? cairo_stroke_extents(cr_, &x1, &y1, &x2, &y2)
                         : cairo_fill_extents(cr_, &x1, &y1, &x2, &y2);
        cairo_new_path(cr_);
        const int left = std::max(0, static_cast<int>(std::floor(x1 * scale_)) - 1);
        const int top = std::max(0, static_cast<int>(std::floor(y1 * scale_)) - 1);
        const int right = std::min(width_, static_cast<int>(std::ceil(x2 * scale_)) + 1);
        const int bottom = std::min(height_, static_cast<int>(std::ceil(y2 * scale_)) + 1);
        if (right <= left || bottom <= top) return;
        const int w = right - left, h = bottom - top;
        const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, w);
        mask_.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h), 0);
        cairo_surface_t* mask =
            cairo_image_surface_create_for_data(mask_.data(), CAIRO_FORMAT_A8, w, h, stride);
        cairo_t* m = cairo_create(mask);
        cairo_translate(m, -left, -top);
        if (scale_ != 1) cairo_scale(m, scale_, scale_);
        build(m);
        if (stroke_width > 0) set_stroke(m, stroke_width);
        stroke_width > 0 ? cairo_stroke(m) : cairo_fill(m);
        cairo_destroy(m);
        cairo_surface_destroy(mask);
        flush_dots();
        cairo_surface_flush(surface_);
        for (int y = top; y < bottom; ++y) {
            const unsigned char* touched =
                &mask_[static_cast<std::size_t>(y - top) * static_cast<std::size_t>(stride)];
            std::uint32_t* row =
                memory_.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
            for (int x = left; x < right; ++x) {
                if (touched[x - left] != 0) row[x] = 0xFFFFFFFFu;
            }
        }
        cairo_surface_mark_dirty_rectangle(surface_, left, top, w, h);
    }

    // A filled shape with its border: one path for both when neither is in
    // white, as most shapes are.
    template <class Build>
    void fill_and_stroke(const Build& build, int fill, int colour, int stroke_width) {
        if (fill == kNoFill || is_white(fill) || is_white(colour)) {
            if (fill != kNoFill) paint(build, fill, 0);
            paint(build, colour, stroke_width);
            return;
        }
        build(cr_);
        set_colour(fill);
        cairo_fill_preserve(cr_);
        set_stroke(cr_, stroke_width);
        set_colour(colour);
        cairo_stroke(cr_);
    }

    // The image pixels that a rectangle of the page touches, and those it
    // covers wholly: its edges scaled and taken to cairo's 1/256 pixel, the
    // precision at which cairo rasterises them.
    struct PixelRect {
        int left, top, right, bottom;  // right and bottom exclusive
    };
    static double device_fixed(double v, double scale) {
        return std::nearbyint(v * scale * 256) / 256;
    }
    PixelRect touched_by(double l, double t, double r, double b) const {
        return {static_cast<int>(std::floor(device_fixed(l, scale_))),
                static_cast<int>(std::floor(device_fixed(t, scale_))),
                static_cast<int>(std::ceil(device_fixed(r, scale_))),
                static_cast<int>(std::ceil(device_fixed(b, scale_)))};
    }
    PixelRect covered_by(double l, double t, double r, double b) const {
        return {static_cast<int>(std::ceil(device_fixed(l, scale_))),
                static_cast<int>(std::ceil(device_fixed(t, scale_))),
                static_cast<int>(std::floor(device_fixed(r, scale_))),
                static_cast<int>(std::floor(device_fixed(b, scale_)))};
    }

    // A white rectangle, or the white ring between two rectangles (a box's
    // border): every pixel that the rectangle, or the ring, touches. Rows
    // are filled as runs: a page-sized erase is common.
    void white_rect(double l, double t, double r, double b) { white_ring(l, t, r, b, -1); }
    void white_ring(double l, double t, double r, double b, double inset) {
        PixelRect out = touched_by(l, t, r, b);
        out = {std::max(0, out.left), std::max(0, out.top), std::min(width_, out.right),
               std::min(height_, out.bottom)};
        if (out.right <= out.left || out.bottom <= out.top) return;
        // No hole: a plain rectangle, or a border as wide as the box.
        PixelRect in = inset < 0 ? PixelRect{0, 0, 0, 0}
                                 : covered_by(l + inset, t + inset, r - inset, b - inset);
        if (in.right <= in.left || in.bottom <= in.top) in = {0, 0, 0, 0};
        flush_dots();
        cairo_surface_flush(surface_);
        for (int y = out.top; y < out.bottom; ++y) {
            std::uint32_t* row =
                memory_.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
            if (y >= in.top && y < in.bottom) {
                std::fill(row + out.left, row + std::max(out.left, std::min(out.right, in.left)),
                          0xFFFFFFFFu);
                std::fill(row + std::min(out.right, std::max(out.left, in.right)), row + out.right,
                          0xFFFFFFFFu);
            } else {
                std::fill(row + out.left, row + out.right, 0xFFFFFFFFu);
            }
        }
        cairo_surface_mark_dirty_rectangle(surface_, out.left, out.top, out.right - out.left,
                                           out.bottom - out.top);
    }

    void clear() {
        cairo_save(cr_);
        cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_paint(cr_);
        cairo_restore(cr_);
    }

    void line(const DrawOp& op) {
        double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (!clip_segment(x1, y1, x2, y2, op.width)) return;
        paint(
            [&](cairo_t* cr) {
                cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
                cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
            },
            op.colour, std::max(1, op.width));
    }

    // The drawing space reaches far beyond the canvas (a hyperbola near its
    // axis, the measuring trick), but cairo's fixed-point coordinates do
    // not: shapes are cut to a margin around the canvas first, and shapes
    // wholly outside it cost nothing.
    static constexpr double kMargin = 64;

    static bool off_canvas(double left, double top, double right, double bottom, double pad) {
        return !(right + pad >= -kMargin && left - pad <= kScreenWidth + kMargin &&
                 bottom + pad >= -kMargin && top - pad <= kScreenHeight + kMargin) ||
               !std::isfinite(left + top + right + bottom);
    }

    // Cuts the segment to the canvas and its margin (Liang-Barsky); false
    // when nothing of it is left.
    static bool clip_segment(double& x1, double& y1, double& x2, double& y2, double width) {
        if (!std::isfinite(x1 + y1 + x2 + y2)) return false;
        const double pad = kMargin + std::fabs(width);
        const double lo_x = -pad, hi_x = kScreenWidth + pad, lo_y = -pad, hi_y = kScreenHeight + pad;
        const double dx = x2 - x1, dy = y2 - y1;
        double t0 = 0, t1 = 1;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x1 - lo_x, hi_x - x1, y1 - lo_y, hi_y - y1};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
            if (t0 > t1) return false;
        }
        const double ox = x1, oy = y1;
        x1 = ox + t0 * dx, y1 = oy + t0 * dy;
        x2 = ox + t1 * dx, y2 = oy + t1 * dy;
        return true;
    }

    static double clamp_far(double v, double limit) {
        return std::clamp(v, -kMargin - 1, limit + kMargin + 1);
    }

    void box(const DrawOp& op) {
        double left = std::min(op.x1, op.x2), right = std::max(op.x1, op.x2);
        double top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
        if (off_canvas(left, top, right, bottom, op.width)) return;
        // A box reaching far off the canvas shows the same when cut to it.
        left = clamp_far(left, kScreenWidth), right = clamp_far(right, kScreenWidth);
        top = clamp_far(top, kScreenHeight), bottom = clamp_far(bottom, kScreenHeight);
        // The border's middle runs through the corner pixels' centres; it
        // reaches half the pen each way, with square (mitred) corners.
        const double half = std::max(1, op.width) / 2.0;
        // A white fill inside a white border (an erase) is the border's
        // outer rectangle, whole.
        const bool white_fill = op.fill != kNoFill && is_white(op.fill);
        if (op.fill != kNoFill) {
            if (white_fill) {
                if (!is_white(op.colour)) white_rect(left, top, right + 1, bottom + 1);
            } else {
                set_colour(op.fill);
                cairo_rectangle(cr_, left, top, right - left + 1, bottom - top + 1);
                cairo_fill(cr_);
            }
        }
        if (is_white(op.colour)) {
            white_ring(left + 0.5 - half, top + 0.5 - half, right + 0.5 + half, bottom + 0.5 + half,
                       white_fill ? -1 : 2 * half);
            return;
        }
        set_stroke(cr_, op.width);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
        set_colour(op.colour);
        cairo_rectangle(cr_, left + 0.5, top + 0.5, right - left, bottom - top);
        cairo_stroke(cr_);
    }

    void circle(const DrawOp& op) {
        const double cx = op.x1 + 0.5, cy = op.y1 + 0.5, r = std::fabs(op.r);
        if (off_canvas(cx - r, cy - r, cx + r, cy + r, op.width) || r > 1e6) return;
        const bool whole = op.start == op.end;
        cairo_new_path(cr_);
        const double half_width = std::max(1, op.width) / 2.0;
        if (whole && r <= half_width) {
            // A dot smaller than the pen (a dotted arc's radius 0.5 at width
            // 5): the stroke covers the whole inside, but cairo strokes it as
            // a ring and leaves the middle bare. It is drawn as what it is, a
            // solid disc out to the stroke's outer edge, in its colour.
            solid_disc(cx, cy, r + half_width, op.colour);
            return;
        }
        flush_dots();
        const auto path = [&](cairo_t* cr) {
            cairo_new_path(cr);
            if (whole) {
                cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
                cairo_close_path(cr);
            } else {
                if (op.fill != kNoFill) cairo_move_to(cr, cx, cy);
                cairo_arc(cr, cx, cy, r, op.start * 2 * kPi, op.end * 2 * kPi);
                if (op.fill != kNoFill) cairo_close_path(cr);
            }
        };
        fill_and_stroke(path, op.fill, op.colour, std::max(1, op.width));
    }

    // A solid disc in one colour. Small ones (the dots of a graph, thousands
    // a scene) are stamped straight into the image, those of one colour that
    // come one after another blended together; others are filled.
    void solid_disc(double cx, double cy, double radius, int colour) {
        cairo_matrix_t m;
        cairo_get_matrix(cr_, &m);
        cairo_surface_t* target = cairo_get_target(cr_);
        const double device_radius = radius * m.xx;
        if (m.xy == 0 && m.yx == 0 && m.xx == m.yy && m.xx > 0 && device_radius <= DiscStamps::kLargestRadius &&
            cairo_image_surface_get_format(target) == CAIRO_FORMAT_ARGB32) {
            double dx = cx, dy = cy;
            cairo_user_to_device(cr_, &dx, &dy);
            const ImageView image{reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(target)),
                                  cairo_image_surface_get_width(target), cairo_image_surface_get_height(target),
                                  cairo_image_surface_get_stride(target) / 4};
            dots_.add(image, dx, dy, device_radius, rgb_of(colour), is_white(colour));
            return;
        }
        flush_dots();
        paint(
            [&](cairo_t* cr) {
                cairo_new_path(cr);
                cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
            },
            colour, 0);
    }

    // Blends the waiting dots into the image before anything else draws on
    // it or reads it.
    void flush_dots() const {
        if (dots_.empty()) return;
        cairo_surface_t* target = cairo_get_target(cr_);
        cairo_surface_flush(target);
        const PixelSpan span = dots_.flush();
        if (!span.empty()) {
            cairo_surface_mark_dirty_rectangle(target, span.left, span.top, span.right - span.left + 1,
                                               span.bottom - span.top + 1);
        }
    }

    void polyline(const DrawOp& op) {
        if (op.points.empty()) return;
        double left = op.points[0].x, right = left, top = op.points[0].y, bottom = top;
        for (const Point& p : op.points) {
            left = std::min<double>(left, p.x), right = std::max<double>(right, p.x);
            top = std::min<double>(top, p.y), bottom = std::max<double>(bottom, p.y);
        }
        if (off_canvas(left, top, right, bottom, op.width)) return;
        if (op.fill == kNoFill && (left < -1e5 || top < -1e5 || right > 1e5 || bottom > 1e5)) {
            // A far-reaching open path: each segment cut on its own.
            for (std::size_t i = 1; i < op.points.size(); ++i) {
                DrawOp segment = op;
                segment.x1 = op.points[i - 1].x, segment.y1 = op.points[i - 1].y;
                segment.x2 = op.points[i].x, segment.y2 = op.points[i].y;
                line(segment);
            }
            return;
        }
        const auto path = [&](cairo_t* cr) {
            cairo_new_path(cr);
            for (const Point& p : op.points) cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
            if (op.fill != kNoFill) cairo_close_path(cr);
        };
        fill_and_stroke(path, op.fill, op.colour, std::max(1, op.width));
    }

    void text(const DrawOp& op) {
        const double cell_h = static_cast<double>(op.size) * op.v;
        const double full_w = static_cast<double>(op.size) * op.h;
        if (!(cell_h > 0) || !(full_w > 0) || op.text.empty()) return;
        // Nothing of a text that lies wholly off the canvas is rasterised (the
        // programs measure text by drawing it far below); the margins allow
        // for glyphs that reach past their cells.
        if (op.y1 >= kScreenHeight || op.x1 >= kScreenWidth || op.y1 + 2 * cell_h <= 0) return;
        double width = 0;
        for (std::size_t pos = 0; pos < op.text.size();) {
            const int n = char_bytes(op.text, pos);
            width += n == 2 ? full_w : full_w / 2;
            pos += static_cast<std::size_t>(n);
        }
        if (op.x1 + width + full_w <= 0) return;

        const FaceId id = face_for_name(op.font);
        const CachedFace& cf = face(id, op.bold, op.italic);
        cairo_save(cr_);
        cairo_set_font_face(cr_, cf.face);
        cairo_set_font_options(cr_, options_);
        cairo_matrix_t m;
        const double em_y = cell_h * cf.metrics.down;
        cairo_matrix_init(&m, full_w * cf.metrics.across, 0, cf.slant ? -kSlant * em_y : 0, em_y,
                          0, 0);
        cairo_set_font_matrix(cr_, &m);
        set_colour(op.colour);
        double x = op.x1;
        const double baseline = op.y1 + cell_h * cf.metrics.baseline;
        for (std::size_t pos = 0; pos < op.text.size();) {
            const std::string_view ch = next_char(op.text, pos);
            const double cell_w = ch.size() == 2 ? full_w : full_w / 2;
            // The ell face stands for a symbol font whose "l" is the script ell.
            std::string utf8 = (id == kEll && ch == "l") ? std::string("\xE2\x84\x93", 3)
                                                        : to_utf8(ch);
            if (ch == "." && m.xx > kLongestPoint * m.yy) {
                point(m, cf.metrics.point_shift, x, cell_w, baseline);
            } else if (ch != " " && !utf8.empty()) {
                // Each glyph starts at the left edge of its own cell.
                cairo_move_to(cr_, x, baseline);
                cairo_show_text(cr_, utf8.c_str());
                cairo_new_path(cr_);
            }
            x += cell_w;
        }
        cairo_restore(cr_);
    }

    // A point stretched more than half again as wide as it is high reads
    // as a dash (a minus, in a number). Such a point keeps the shape it has
    // at the height it is drawn, stands on the foot of the face's digits and
    // is centred in its cell, moved by the face's point shift: a decimal
    // point whose cell is centred on the border between two digits' cells
    // falls in the gap between them.
    static constexpr double kLongestPoint = 1.5;
    void point(const cairo_matrix_t& font, double point_shift, double cell_x, double cell_w,
               double baseline) {
        cairo_matrix_t round = font;
        round.xx = font.yy;
        cairo_set_font_matrix(cr_, &round);
        cairo_text_extents_t dot, digit;
        cairo_text_extents(cr_, ".", &dot);
        cairo_text_extents(cr_, "1", &digit);
        // Glyphs shown as text stand on whole image pixels: the digits' foot
        // is where their rounded baseline puts it. The point is filled as a
        // path, exactly where it is put.
        const double foot =
            std::nearbyint(baseline * scale_) / scale_ + digit.y_bearing + digit.height;
        const double middle = cell_x + cell_w / 2 + point_shift * font.yy;
        cairo_move_to(cr_, middle - dot.x_bearing - dot.width / 2,
                      foot - dot.y_bearing - dot.height);
        cairo_text_path(cr_, ".");
        // A rim of white a third of the point wide keeps it clear of the
        // digits beside it and of a tick line drawn through it.
        cairo_save(cr_);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_set_line_width(cr_, 2 * dot.width / 3);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr_);
        cairo_restore(cr_);
        cairo_fill(cr_);
        cairo_set_font_matrix(cr_, &font);
    }

    double scale_ = 1;
    int width_ = kScreenWidth, height_ = kScreenHeight;
    std::unique_ptr<std::uint32_t[]> memory_;
    std::size_t capacity_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    mutable DiscBatch dots_;
    std::vector<unsigned char> mask_;  // the white shape being painted
    bool keeping_ = false;
    Page page_;
    cairo_font_options_t* options_ = nullptr;
    // The regular face found for each face, and the family it belongs to;
    // a face without one falls back to the Gothic face.
    FcPattern* base_[kFaceCount] = {nullptr, nullptr, nullptr};
    const FaceChoice* choice_[kFaceCount] = {nullptr, nullptr, nullptr};
    std::map<std::tuple<int, bool, bool>, CachedFace> faces_;
};

}  // namespace

std::unique_ptr<Canvas> Canvas::create(double scale) { return std::make_unique<CairoCanvas>(scale); }

}  // namespace rt::detail
