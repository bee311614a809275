#include "disc_stamps.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace rt::detail {
namespace {

// Samples per pixel side where the disc's edge crosses a pixel.
constexpr int kSamples = 16;

// The box of waiting dots stays this small (pixels), so that dots far apart
// do not make a large box to clear and scan.
constexpr long kLargestBox = 64 * 64;

// What shows through a pixel of coverage m.
const std::array<float, 256>& through_of() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int m = 0; m < 256; ++m)
            t[static_cast<std::size_t>(m)] = static_cast<float>(255 - m) / 255.0f;
        return t;
    }();
    return table;
}

// What shows through a pixel that a solid disc touches at all: nothing.
const std::array<float, 256>& none_through() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        t.fill(0.0f);
        t[0] = 1.0f;
        return t;
    }();
    return table;
}

// One channel (at `shift`) of the colour over the pixel, `through` of the
// pixel showing.
inline std::uint32_t mix_channel(std::uint32_t colour, std::uint32_t pixel, float through,
                                 int shift) {
    const float c = static_cast<float>((colour >> shift) & 0xFF),
                d = static_cast<float>((pixel >> shift) & 0xFF);
    return static_cast<std::uint32_t>(c + (d - c) * through + 0.5f) << shift;
}

}  // namespace

DiscStamps& DiscStamps::shared() {
    static DiscStamps stamps;
    return stamps;
}

const DiscStamp& DiscStamps::place(double cx, double cy, double radius, int& left, int& top) {
    // The pixel holding the centre, and the centre's place in it to 1/kSteps.
    double px = std::floor(cx), py = std::floor(cy);
    int step_x = static_cast<int>(std::lround((cx - px) * kSteps));
    int step_y = static_cast<int>(std::lround((cy - py) * kSteps));
    if (step_x == kSteps) step_x = 0, px += 1;
    if (step_y == kSteps) step_y = 0, py += 1;

    const long long key = std::llround(radius * 64);
    if (key != last_key_) {
        last_ = &radii_[key];
        last_key_ = key;
    }
    DiscStamp& s = last_->at[static_cast<std::size_t>(step_y * kSteps + step_x)];
    if (s.size == 0) make(s, static_cast<double>(key) / 64, step_x, step_y);
    left = static_cast<int>(px) - s.reach;
    top = static_cast<int>(py) - s.reach;
    return s;
}

void DiscStamps::make(DiscStamp& s, double radius, int step_x, int step_y) {
    s.reach = static_cast<int>(std::ceil(radius)) + 1;
    s.size = 2 * s.reach + 1;
    s.coverage.assign(static_cast<std::size_t>(s.size) * s.size, 0);
    const double cx = s.reach + static_cast<double>(step_x) / kSteps;
    const double cy = s.reach + static_cast<double>(step_y) / kSteps;
    const double r2 = radius * radius;
    for (int j = 0; j < s.size; ++j) {
        for (int i = 0; i < s.size; ++i) {
            // The pixel's nearest and farthest points from the centre decide
            // most pixels; only those the edge crosses are sampled.
            const double near_x = std::clamp(cx, double(i), double(i + 1)) - cx;
            const double near_y = std::clamp(cy, double(j), double(j + 1)) - cy;
            if (near_x * near_x + near_y * near_y >= r2) continue;
            const double far_x = std::max(std::fabs(i - cx), std::fabs(i + 1 - cx));
            const double far_y = std::max(std::fabs(j - cy), std::fabs(j + 1 - cy));
            std::uint8_t& cell = s.coverage[static_cast<std::size_t>(j) * s.size + i];
            if (far_x * far_x + far_y * far_y <= r2) {
                cell = 255;
                continue;
            }
            int inside = 0;
            for (int v = 0; v < kSamples; ++v) {
                const double y = j + (v + 0.5) / kSamples - cy;
                for (int u = 0; u < kSamples; ++u) {
                    const double x = i + (u + 0.5) / kSamples - cx;
                    inside += x * x + y * y < r2;
                }
            }
            cell = static_cast<std::uint8_t>((inside * 255 + kSamples * kSamples / 2) /
                                             (kSamples * kSamples));
        }
    }
    s.first.assign(static_cast<std::size_t>(s.size), s.size);
    s.last.assign(static_cast<std::size_t>(s.size), -1);
    for (int j = 0; j < s.size; ++j) {
        for (int i = 0; i < s.size; ++i) {
            if (s.coverage[static_cast<std::size_t>(j) * s.size + i] == 0) continue;
            s.first[static_cast<std::size_t>(j)] =
                std::min(s.first[static_cast<std::size_t>(j)], i);
            s.last[static_cast<std::size_t>(j)] = std::max(s.last[static_cast<std::size_t>(j)], i);
        }
    }
}

void DiscBatch::add(const ImageView& image, double cx, double cy, double radius, std::uint32_t rgb,
                    bool solid) {
    if (!(radius > 0) || !std::isfinite(cx) || !std::isfinite(cy)) return;
    // Wholly off the image: nothing to draw (and no integer overflow below).
    if (cx < -radius - 2 || cy < -radius - 2 || cx > image.width + radius + 2 ||
        cy > image.height + radius + 2)
        return;
    int left = 0, top = 0;
    const DiscStamp& stamp = DiscStamps::shared().place(cx, cy, radius, left, top);
    PixelSpan own{std::max(0, left), std::max(0, top),
                  std::min(image.width - 1, left + stamp.size - 1),
                  std::min(image.height - 1, top + stamp.size - 1)};
    if (own.empty()) return;

    const std::uint32_t colour = 0xFF000000u | (rgb & 0xFFFFFFu);
    if (!dots_.empty()) {
        const PixelSpan joined{std::min(box_.left, own.left), std::min(box_.top, own.top),
                               std::max(box_.right, own.right), std::max(box_.bottom, own.bottom)};
        if (colour != colour_ || solid != solid_ || image.data != image_.data ||
            joined.area() > kLargestBox) {
            flush();
        } else {
            own = joined;
        }
    }
    image_ = image;
    colour_ = colour;
    solid_ = solid;
    box_ = own;
    if (!dots_.empty() && dots_.back().stamp == &stamp && dots_.back().left == left &&
        dots_.back().top == top) {
        ++dots_.back().times;
    } else {
        dots_.push_back({&stamp, left, top, 1});
    }
}

PixelSpan DiscBatch::flush() {
    const PixelSpan box = box_;
    if (dots_.empty()) return {};
    const int width = box.right - box.left + 1;
    through_.assign(static_cast<std::size_t>(box.area()), 1.0f);
    const auto& through_at = solid_ ? none_through() : through_of();
    // The product does not depend on the order of the dots; taking them
    // interleaved keeps neighbours, which cover the same pixels, apart, so
    // that one dot's products need not wait for the last dot's.
    constexpr std::size_t kInterleave = 16;
    auto apply = [&](const Placed& dot) {
        const DiscStamp& s = *dot.stamp;
        const int top = std::max(box.top, dot.top),
                  bottom = std::min(box.bottom, dot.top + s.size - 1);
        for (int y = top; y <= bottom; ++y) {
            const auto row = static_cast<std::size_t>(y - dot.top);
            const std::uint8_t* cover = &s.coverage[row * static_cast<std::size_t>(s.size)];
            const int from = std::max(box.left, dot.left + s.first[row]);
            const int to = std::min(box.right, dot.left + s.last[row]);
            float* through =
                &through_[static_cast<std::size_t>(y - box.top) * static_cast<std::size_t>(width)];
            if (dot.times == 1) {
                for (int x = from; x <= to; ++x)
                    through[x - box.left] *= through_at[cover[x - dot.left]];
                continue;
            }
            for (int x = from; x <= to; ++x) {
                const float once = through_at[cover[x - dot.left]];
                float all = once;
                for (int n = 1; n < dot.times; ++n) all *= once;
                through[x - box.left] *= all;
            }
        }
    };
    for (std::size_t phase = 0; phase < kInterleave; ++phase)
        for (std::size_t index = phase; index < dots_.size(); index += kInterleave)
            apply(dots_[index]);
    for (int y = box.top; y <= box.bottom; ++y) {
        std::uint32_t* row =
            image_.data + static_cast<std::size_t>(y) * static_cast<std::size_t>(image_.stride);
        const float* through =
            &through_[static_cast<std::size_t>(y - box.top) * static_cast<std::size_t>(width)];
        for (int x = box.left; x <= box.right; ++x) {
            const float t = through[x - box.left];
            if (t >= 1.0f) continue;
            if (t <= 0.0f) {
                row[x] = colour_;
                continue;
            }
            const std::uint32_t d = row[x];
            row[x] = mix_channel(colour_, d, t, 24) | mix_channel(colour_, d, t, 16) |
                     mix_channel(colour_, d, t, 8) | mix_channel(colour_, d, t, 0);
        }
    }
    dots_.clear();
    box_ = {};
    return box;
}

}  // namespace rt::detail
