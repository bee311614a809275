#include "numbers.hpp"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "errors.hpp"

namespace rt {

float VAL(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    std::string number;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) number += s[i++];
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) exponent += s[j++];
        const std::size_t first_digit = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) exponent += s[j++];
        if (j > first_digit) number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return 0;
    return static_cast<float>(v);
}

std::string STR(float v) {
    if (std::isnan(v)) return " 0";
    if (v == 0) return " 0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(v));
    std::string text = buffer;
    std::string mantissa = text;
    std::string exponent;
    const auto e = text.find('E');
    if (e != std::string::npos) {
        mantissa = text.substr(0, e);
        exponent = text.substr(e);  // "E+08"
    }
    // Trailing zeros and a trailing point go.
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    // No zero before the point.
    if (mantissa.starts_with("0.")) mantissa.erase(0, 1);
    if (mantissa.starts_with("-0.")) mantissa.erase(1, 1);
    text = mantissa + exponent;
    return v < 0 ? text : " " + text;
}

float INT(float v) { return std::floor(v); }
float FIX(float v) { return std::trunc(v); }
float SGN(float v) { return v > 0 ? 1.0f : v < 0 ? -1.0f : 0.0f; }

std::int32_t CINT(float v, std::source_location where) {
    if (!std::isfinite(v)) raise(kOverflow, where);
    const double r = std::round(static_cast<double>(v));  // half away from zero
    if (r > 2147483647.0 || r < -2147483648.0) raise(kOverflow, where);
    return static_cast<std::int32_t>(r);
}

float DIV(float a, float b, std::source_location where) {
    if (b == 0) raise(kDivisionByZero, where);
    return CHECKED(a / b, where);
}

float MOD(float a, float b, std::source_location where) {
    // Both operands become whole numbers first; the sign follows the dividend.
    const std::int32_t d = CINT(b, where);
    if (d == 0) raise(kDivisionByZero, where);
    const std::int32_t n = CINT(a, where);
    return static_cast<float>(static_cast<long long>(n) % d);
}

float CHECKED(float v, std::source_location where) {
    if (!std::isfinite(v)) raise(kOverflow, where);
    return v;
}

namespace {
std::uint64_t g_state = 0x9E3779B97F4A7C15ULL;
std::function<std::string()> g_clock;

std::uint64_t splitmix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
}  // namespace

void RANDOMIZE(std::int32_t seed) {
    g_state = splitmix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed)));
    if (g_state == 0) g_state = 1;
}

float RND() {
    // xorshift64*: 24 high bits make a single in [0, 1).
    g_state ^= g_state >> 12;
    g_state ^= g_state << 25;
    g_state ^= g_state >> 27;
    const std::uint64_t r = g_state * 0x2545F4914F6CDD1DULL;
    return static_cast<float>(r >> 40) / 16777216.0f;
}

std::string TIME_S() {
    if (g_clock) return g_clock();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return buffer;
}

void set_clock_source(std::function<std::string()> source) { g_clock = std::move(source); }

}  // namespace rt
