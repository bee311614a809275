// Numbers: text conversion, whole parts, checked arithmetic, random numbers
// and the clock, with the semantics the lesson programs rely on.
#pragma once

#include <cstdint>
#include <functional>
#include <source_location>
#include <string>
#include <string_view>

namespace rt {

// VAL: the value of the longest leading number of a text (blanks skipped, an
// optional sign, digits with at most one point, an optional exponent);
// 0 when there is none. Never fails.
float VAL(std::string_view s);

// STR$: the shortest text of a single with at most 7 significant digits; a
// blank before a number that is not negative, no 0 before the point (".5",
// "-.5"), no trailing zeros or point, negative zero as " 0", and the
// exponent form ("1.234568E+08") beyond 7 digits.
std::string STR(float v);

// INT: the greatest whole number not above v.
float INT(float v);
// FIX: the whole part, towards zero.
float FIX(float v);
// Conversion to a whole number: rounds half away from zero; a value that does
// not fit in 32 bits raises the run-time error (overflow).
std::int32_t CINT(float v, std::source_location where = std::source_location::current());
// SGN: -1, 0 or 1.
float SGN(float v);

// Checked arithmetic: a zero divisor, and a result that is not finite, raise
// the run-time error.
float DIV(float a, float b, std::source_location where = std::source_location::current());
float MOD(float a, float b, std::source_location where = std::source_location::current());
// Any other floating-point result that must be finite.
float CHECKED(float v, std::source_location where = std::source_location::current());

// RANDOMIZE and RND: a deterministic generator (a 32-bit xorshift* stream
// seeded by splitmix of the seed). The same seed gives the same sequence on
// every machine. RND gives singles in [0, 1) with 24 random bits.
void RANDOMIZE(std::int32_t seed);
float RND();

// The clock as "hh:mm:ss" (24 hours). Tests replace the source.
std::string TIME_S();
void set_clock_source(std::function<std::string()> source);  // empty: the real clock

}  // namespace rt
