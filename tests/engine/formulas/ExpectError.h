#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quarvex::engine::testing {

// Runs `action`, which must raise an error of class E with exactly `text`.
template <typename E, typename Action> void ExpectError(Action&& action, const std::string& text) {
    try {
        action();
        ADD_FAILURE() << "nothing was raised; expected \"" << text << "\"";
    } catch (const E& error) {
        EXPECT_EQ(error.Message(), text);
    } catch (const std::exception& other) {
        ADD_FAILURE() << "raised another class with \"" << other.what() << "\"; expected \"" << text
                      << "\"";
    }
}

inline constexpr const char* kTermZero = "Term can't be zero.";
inline constexpr const char* kTermNegative = "Term can't be negative.";
inline constexpr const char* kDaysNegative = "The number of days can't be negative.";
inline constexpr const char* kAmountZero = "PV or Amount can't be zero.";
inline constexpr const char* kRateZero = "Rate can't be zero.";
inline constexpr const char* kOutOfRange =
    "The result is out of range.\rCheck the amount, rate and term.";
inline constexpr const char* kZeroCompounding = "Internal Error - compounding period equals 0.";

} // namespace quarvex::engine::testing
