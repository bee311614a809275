// A concrete shell for tests, and a run of test code under a headless session
// that records every drawing operation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/platform/session.hpp"
#include "framework/platform/text.hpp"
#include "framework/shell/shell.hpp"

namespace test_support {

// The shell with a title and an empty main menu, so that its routines can be
// run on their own.
class HeadlessShell : public shell::Shell {
protected:
    std::string program_title() const override { return "test"; }
    void MAIN_MENU_ENTRY() override {}
};

// Runs `body` in a headless session without a canvas and returns the
// operations it drew. A run-time error inside it fails the test.
inline std::vector<rt::DrawOp> run_recorded(const std::function<void()>& body) {
    rt::SessionOptions options;
    options.headless = true;
    options.record = true;
    options.rasterise = false;
    std::vector<rt::DrawOp> ops;
    rt::run_session(
        options,
        [&] {
            rt::clear_recorded_ops();
            body();
            ops = rt::recorded_ops();
        },
        [](const rt::RuntimeError& error) { ADD_FAILURE() << error.what(); });
    return ops;
}

// Compares two CP932 texts and shows both in UTF-8 when they differ.
inline ::testing::AssertionResult same_text(const std::string& actual,
                                            const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got \"" << rt::to_utf8(actual) << "\", expected \"" << rt::to_utf8(expected) << "\"";
}

}  // namespace test_support
