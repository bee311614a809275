#include "text.hpp"

#include <iconv.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "errors.hpp"

namespace rt {
namespace {

// Counts and positions as the programs compute them: rounded singles,
// clamped into a safe range so that no operation is ever undefined.
long whole(float v) {
    if (std::isnan(v)) return 0;
    if (v > 1.0e9f) return 1000000000L;
    if (v < -1.0e9f) return -1000000000L;
    return std::lround(v);
}

// Byte offsets at which each character of `s` starts, plus s.size() at the end.
std::vector<std::size_t> char_starts(std::string_view s) {
    std::vector<std::size_t> starts;
    std::size_t pos = 0;
    while (pos < s.size()) {
        starts.push_back(pos);
        pos += static_cast<std::size_t>(char_bytes(s, pos));
    }
    starts.push_back(s.size());
    return starts;
}

std::string convert(const char* to, const char* from, std::string_view in, const char* bad) {
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    out.reserve(in.size() * 2);
    std::size_t pos = 0;
    char buffer[16];
    while (pos < in.size()) {
        // Convert one character at a time so that a bad one can be replaced.
        std::size_t len = 1;
        if (std::string_view(from) == "CP932") {
            len = static_cast<std::size_t>(char_bytes(in, pos));
        } else {
            const unsigned char b = static_cast<unsigned char>(in[pos]);
            len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            len = std::min(len, in.size() - pos);
        }
        char* inp = const_cast<char*>(in.data() + pos);
        std::size_t inleft = len;
        char* outp = buffer;
        std::size_t outleft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inp, &inleft, &outp, &outleft) == static_cast<std::size_t>(-1) ||
            inleft != 0) {
            out += bad;
        } else {
            out.append(buffer, static_cast<std::size_t>(outp - buffer));
        }
        pos += len;
    }
    iconv_close(cd);
    return out;
}

}  // namespace

bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

int char_bytes(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return 0;
    if (is_lead_byte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) return 2;
    return 1;
}

std::string_view next_char(std::string_view s, std::size_t& pos) {
    const int n = char_bytes(s, pos);
    std::string_view c = s.substr(pos, static_cast<std::size_t>(n));
    pos += static_cast<std::size_t>(n);
    return c;
}

// ---- bytes ------------------------------------------------------------------

float LEN(std::string_view s) { return static_cast<float>(s.size()); }

std::string LEFT(std::string_view s, float n) {
    const long k = std::clamp<long>(whole(n), 0, static_cast<long>(s.size()));
    return std::string(s.substr(0, static_cast<std::size_t>(k)));
}

std::string RIGHT(std::string_view s, float n) {
    const long k = std::clamp<long>(whole(n), 0, static_cast<long>(s.size()));
    return std::string(s.substr(s.size() - static_cast<std::size_t>(k)));
}

std::string MID(std::string_view s, float start) { return MID(s, start, static_cast<float>(s.size())); }

std::string MID(std::string_view s, float start, float n) {
    const long from = std::max<long>(whole(start), 1) - 1;
    const long k = std::max<long>(whole(n), 0);
    if (from >= static_cast<long>(s.size())) return {};
    return std::string(s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(k)));
}

float INSTR(std::string_view s, std::string_view find) { return INSTR(1, s, find); }

float INSTR(float start, std::string_view s, std::string_view find) {
    const long from = std::max<long>(whole(start), 1) - 1;
    if (from > static_cast<long>(s.size())) return 0;
    const std::size_t at = s.find(find, static_cast<std::size_t>(from));
    return at == std::string_view::npos ? 0.0f : static_cast<float>(at + 1);
}

// ---- characters ---------------------------------------------------------------

float KLEN(std::string_view s) { return static_cast<float>(char_starts(s).size() - 1); }

std::string KLEFT(std::string_view s, float n) { return KMID(s, 1, n); }

std::string KRIGHT(std::string_view s, float n) {
    const auto starts = char_starts(s);
    const long count = static_cast<long>(starts.size()) - 1;
    const long k = std::clamp<long>(whole(n), 0, count);
    return std::string(s.substr(starts[static_cast<std::size_t>(count - k)]));
}

std::string KMID(std::string_view s, float start) { return KMID(s, start, static_cast<float>(s.size())); }

std::string KMID(std::string_view s, float start, float n) {
    const auto starts = char_starts(s);
    const long count = static_cast<long>(starts.size()) - 1;
    const long from = std::max<long>(whole(start), 1) - 1;
    if (from >= count) return {};
    const long to = std::min<long>(count, from + std::max<long>(whole(n), 0));
    const std::size_t a = starts[static_cast<std::size_t>(from)];
    const std::size_t b = starts[static_cast<std::size_t>(to)];
    return std::string(s.substr(a, b - a));
}

float KINSTR(std::string_view s, std::string_view find) { return KINSTR(1, s, find); }

float KINSTR(float start, std::string_view s, std::string_view find) {
    const auto starts = char_starts(s);
    const long count = static_cast<long>(starts.size()) - 1;
    const long from = std::max<long>(whole(start), 1) - 1;
    if (from > count) return 0;
    // Only matches that begin on a character boundary count.
    for (long i = from; i < count || (i == count && find.empty()); ++i) {
        if (s.substr(starts[static_cast<std::size_t>(i)]).starts_with(find)) {
            return static_cast<float>(i + 1);
        }
    }
    return 0;
}

// ---- codes ------------------------------------------------------------------------

std::string CHR(float code) {
    const long c = whole(code);
    if (c >= 0 && c <= 255) return std::string(1, static_cast<char>(c));
    if (c > 255 && c <= 0xFFFF) {
        return std::string{static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    }
    raise(kIllegalCall);
}

float ASC(std::string_view s) {
    if (s.empty()) raise(kIllegalCall);
    const auto first = static_cast<unsigned char>(s[0]);
    if (char_bytes(s, 0) == 2) return static_cast<float>(first * 256 + static_cast<unsigned char>(s[1]));
    return first;
}

std::string to_utf8(std::string_view cp932) { return convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD"); }

std::string from_utf8(std::string_view utf8) { return convert("CP932", "UTF-8", utf8, "?"); }

}  // namespace rt
