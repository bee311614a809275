// Comparison of CP932 texts in tests, with both texts shown in UTF-8 when
// they differ.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/platform/text.hpp"

namespace test_support {

inline ::testing::AssertionResult same_text(const std::string& actual,
                                            const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got \"" << rt::to_utf8(actual) << "\", expected \"" << rt::to_utf8(expected) << "\"";
}

}  // namespace test_support
