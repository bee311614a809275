// Small solid discs drawn straight into the canvas image. A graph drawn as a
// trail of thousands of dots, a fraction of a pixel apart, costs a general
// path fill per dot; here each dot is the coverage of a disc at the dot's
// sub-pixel position (to 1/8 pixel), made once per radius and position, and
// the dots of one colour that come one after another are blended together:
// per pixel, what shows through all of them is the product of what shows
// through each, so a pixel is blended once, not once per dot over it.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace rt::detail {

// The image drawn into: premultiplied 0xAARRGGBB words, `stride` words a row.
struct ImageView {
    std::uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// Pixels, inclusive; empty when none.
struct PixelSpan {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left || bottom < top; }
    long area() const { return empty() ? 0 : long(right - left + 1) * (bottom - top + 1); }
};

// Coverage 0..255 of the disc over a square of `size` pixels; per row the
// first and last column it touches (first > last: none).
struct DiscStamp {
    int reach = 0;  // from the pixel holding the centre to the square's edge
    int size = 0;
    std::vector<std::uint8_t> coverage;
    std::vector<int> first, last;
};

// The stamps, made when first asked for, kept for the whole process: a stamp
// depends only on the radius and the centre's place within its pixel.
class DiscStamps {
public:
    // Discs up to this radius (in image pixels) are stamped; larger ones are
    // left to the general fill.
    static constexpr double kLargestRadius = 24;
    // Positions are kept to 1/kSteps of a pixel.
    static constexpr int kSteps = 8;

    // The stamp for a disc centred at (cx, cy), image pixel coordinates whose
    // pixel (i, j) spans [i, i+1) x [j, j+1), and the pixel its square's
    // top-left corner falls on.
    const DiscStamp& place(double cx, double cy, double radius, int& left, int& top);

    static DiscStamps& shared();

private:
    struct Radius {
        std::vector<DiscStamp> at = std::vector<DiscStamp>(kSteps * kSteps);
    };
    static void make(DiscStamp& s, double radius, int step_x, int step_y);

    std::map<long long, Radius> radii_;
    long long last_key_ = -1;
    Radius* last_ = nullptr;
};

// Dots waiting to be blended: one colour, one image, close together.
class DiscBatch {
public:
    // Adds a disc in the opaque colour `rgb`; what waits is blended first
    // when the colour or the image differ, or the dots spread too far. A
    // `solid` disc (an eraser) takes every pixel it touches at all wholly.
    void add(const ImageView& image, double cx, double cy, double radius, std::uint32_t rgb,
             bool solid = false);
    // Blends what waits into the image; gives the pixels changed.
    PixelSpan flush();
    bool empty() const { return dots_.empty(); }

private:
    // A stamp in place, `times` dots one after another on the same spot (to
    // 1/8 pixel: neighbours of a dense graph often fall on one).
    struct Placed {
        const DiscStamp* stamp;
        int left, top;
        int times;
    };
    ImageView image_;
    std::uint32_t colour_ = 0;
    bool solid_ = false;
    std::vector<Placed> dots_;
    PixelSpan box_;
    std::vector<float> through_;  // per pixel of the box: what still shows through
};

}  // namespace rt::detail
