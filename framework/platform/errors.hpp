// Run-time errors and the bounds-checked program-wide arrays.
//
// Every failing check of the program (a zero divisor, an index out of range,
// a failed conversion) throws one RuntimeError that carries an error code and
// the source line of the check. It is caught once, at the top of the program,
// where the error screen is drawn.
#pragma once

#include <array>
#include <cmath>
#include <exception>
#include <source_location>
#include <string>

namespace rt {

// Error codes of the platform. The numbers are our own.
enum ErrorCode : int {
    kIllegalCall = 5,      // an argument outside what the operation accepts
    kOverflow = 6,         // a conversion to a whole number that does not fit
    kSubscript = 9,        // an array index outside the declared bounds
    kDivisionByZero = 11,  // a zero divisor
    kTypeMismatch = 13,    // a failed conversion
};

class RuntimeError : public std::exception {
public:
    RuntimeError(int code, std::source_location where)
        : code_(code), line_(where.line()), file_(where.file_name()),
          what_("run-time error " + std::to_string(code) + " at " + file_ + ":" +
                std::to_string(line_)) {}
    int code() const { return code_; }
    unsigned line() const { return line_; }
    const std::string& file() const { return file_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int code_;
    unsigned line_;
    std::string file_;
    std::string what_;
};

[[noreturn]] inline void raise(int code,
                               std::source_location where = std::source_location::current()) {
    throw RuntimeError(code, where);
}

// An array index as the programs compute it: a single, rounded to the nearest
// whole number (half away from zero). Anything outside [0, bound] is an error.
inline int checked_index(float index, int bound, std::source_location where) {
    if (!(std::fabs(index) < 2.0e9f)) raise(kSubscript, where);
    const long i = std::lround(index);
    if (i < 0 || i > bound) raise(kSubscript, where);
    return static_cast<int>(i);
}

// A one-dimensional array indexed 0..Bound inclusive, all elements starting
// at zero or empty. Indexing outside the bounds raises the run-time error.
template <class T, int Bound>
class Array {
public:
    static constexpr int bound = Bound;
    T& operator()(float index, std::source_location where = std::source_location::current()) {
        return items_[checked_index(index, Bound, where)];
    }
    const T& operator()(float index,
                        std::source_location where = std::source_location::current()) const {
        return items_[checked_index(index, Bound, where)];
    }
    void clear() { items_.fill(T{}); }

private:
    std::array<T, Bound + 1> items_{};
};

// A two-dimensional array indexed (0..Bound1, 0..Bound2).
template <class T, int Bound1, int Bound2>
class Array2 {
public:
    T& operator()(float i, float j,
                  std::source_location where = std::source_location::current()) {
        return items_[checked_index(i, Bound1, where)][checked_index(j, Bound2, where)];
    }
    const T& operator()(float i, float j,
                        std::source_location where = std::source_location::current()) const {
        return items_[checked_index(i, Bound1, where)][checked_index(j, Bound2, where)];
    }
    void clear() {
        for (auto& row : items_) row.fill(T{});
    }

private:
    std::array<std::array<T, Bound2 + 1>, Bound1 + 1> items_{};
};

}  // namespace rt
