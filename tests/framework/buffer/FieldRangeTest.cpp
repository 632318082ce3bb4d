#include "framework/buffer/FieldRange.h"
#include "framework/buffer/SampleCalculator.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

using testing::SampleBuffer;

const FieldSpec& FieldOf(std::size_t field) {
    return SampleBuffer::Definition().fields[field];
}

TEST(FieldRange, NumbersAreHeldToWhatTheDesignMaskCanShow) {
    const std::string money = "Enter a number from -999,999,999.99 to 999,999,999.99.";
    const std::string count = "Enter a whole number from 0 to 32,767.";
    const std::string rate = "Enter a number from -99.9999 to 99.9999.";
    const struct {
        std::size_t field;
        FieldValue value;
        std::optional<std::string> refusal;
    } cases[] = {
        {SampleBuffer::Amount, 999999999.99, std::nullopt},
        {SampleBuffer::Amount, -999999999.99, std::nullopt},
        {SampleBuffer::Amount, 1e9, money},
        {SampleBuffer::Amount, -1e9, money},
        {SampleBuffer::Amount, 1e308, money},
        {SampleBuffer::Total, 1e12, money}, // a result's mask holds it the same way
        // "ii,iii" has five digit positions, the 16-bit type holds fewer: the type wins.
        {SampleBuffer::Count, std::int16_t{32767}, std::nullopt},
        {SampleBuffer::Count, std::int16_t{-1}, count}, // no '#': no sign
        // The single nearest 99.9999 lies just above it, and shows as 99.9999.
        {SampleBuffer::Rate, 99.9999f, std::nullopt},
        {SampleBuffer::Rate, -99.9999f, std::nullopt},
        {SampleBuffer::Rate, 100.0f, rate},
        {SampleBuffer::Rate, 99.99996f, rate}, // shows as 100.0000
        // Fields without a number mask are not held here.
        {SampleBuffer::Period, Choice{3}, std::nullopt},
        {SampleBuffer::Note, std::string("x"), std::nullopt},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(row++));
        EXPECT_EQ(OutsideFieldRange(FieldOf(c.field), c.value), c.refusal);
    }
}

} // namespace
} // namespace quarvex::framework
