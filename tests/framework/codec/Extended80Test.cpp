#include "framework/codec/Extended80.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/RecordReader.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace quarvex::codec {
namespace {

std::string Hex(const ExtendedBytes& bytes) {
    std::string text;
    for (const auto byte : bytes) {
        static const char* digits = "0123456789ABCDEF";
        text += digits[byte >> 4];
        text += digits[byte & 15];
        text += ' ';
    }
    return text;
}

// Byte patterns worked out by hand from the x87 layout: significand with its leading bit,
// exponent biased by 16383, little-endian.
struct KnownPattern {
    long double value;
    ExtendedBytes bytes;
    const char* what;
};

const KnownPattern kPatterns[] = {
    {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}, "1.0"},
    {-2.5L, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}, "-2.5 = -1.25 * 2^1"},
    {0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "zero"},
    {2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40}, "2.0"},
    {0.1, {0, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}, "the double 0.1"},
    {DBL_MAX, {0, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x43}, "largest double"},
    {DBL_TRUE_MIN,
     {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B},
     "smallest subnormal double 2^-1074, a normal number here"},
    {1e-310, {0, 0, 0x58, 0x31, 0x87, 0x5B, 0x44, 0x93, 0xF9, 0x3B}, "a subnormal double"},
};

TEST(Extended80, EncodesKnownValues) {
    for (const auto& c : kPatterns) {
        EXPECT_EQ(Hex(EncodeExtended(c.value)), Hex(c.bytes)) << c.what;
    }
    const ExtendedBytes negativeZero = EncodeExtended(-0.0L);
    EXPECT_EQ(Hex(negativeZero), "00 00 00 00 00 00 00 00 00 80 ");
}

TEST(Extended80, DecodesKnownValues) {
    for (const auto& c : kPatterns) {
        EXPECT_EQ(DecodeExtended(c.bytes), c.value) << c.what;
    }
    const long double negativeZero = DecodeExtended(EncodeExtended(-0.0L));
    EXPECT_EQ(negativeZero, 0.0L);
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(Extended80, CarriesEveryDoubleExactly) {
    const double values[] = {1.0 / 3.0,
                             -123456.789,
                             7.125,
                             1e300,
                             -1e-300,
                             2.2250738585072014e-308,
                             4.9406564584124654e-324,
                             322.67,
                             0.30000000000000004};
    for (const double value : values) {
        EXPECT_EQ(static_cast<double>(DecodeExtended(EncodeExtended(value))), value) << value;
    }
}

TEST(Extended80, CarriesTheFullSixtyFourBitSignificandWhereLongDoubleHasIt) {
    if (LDBL_MANT_DIG < 64) {
        GTEST_SKIP() << "long double has only " << LDBL_MANT_DIG << " bits here";
    }
    const long double value = 1.0L + std::ldexp(1.0L, -63);
    const ExtendedBytes bytes = EncodeExtended(value);
    EXPECT_EQ(Hex(bytes), "01 00 00 00 00 00 00 80 FF 3F ");
    EXPECT_EQ(DecodeExtended(bytes), value);
    // The smallest extended subnormal, 2^-16445, and the largest finite extended.
    const ExtendedBytes smallest = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeExtended(smallest), std::ldexp(1.0L, -16445));
    EXPECT_EQ(Hex(EncodeExtended(std::ldexp(1.0L, -16445))), Hex(smallest));
    const ExtendedBytes largest = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F};
    EXPECT_EQ(DecodeExtended(largest), LDBL_MAX);
    EXPECT_EQ(Hex(EncodeExtended(LDBL_MAX)), Hex(largest));
    // A pseudo-denormal (exponent 0, leading bit set) reads as the smallest normal.
    const ExtendedBytes pseudo = {0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_EQ(DecodeExtended(pseudo), std::ldexp(1.0L, -16382));
}

TEST(Extended80, RefusesInfinitiesAndNans) {
    const ExtendedBytes refused[] = {
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}, // +infinity
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}, // -infinity
        {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}, // quiet NaN
        {1, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F}, // pseudo-NaN
        {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}, // an unnormal: leading bit clear
    };
    for (const auto& bytes : refused) {
        EXPECT_THROW(DecodeExtended(bytes), EDamagedFile) << Hex(bytes);
    }
    EXPECT_THROW(EncodeExtended(std::numeric_limits<long double>::infinity()), ENotStorable);
    EXPECT_THROW(EncodeExtended(-std::numeric_limits<long double>::infinity()), ENotStorable);
    EXPECT_THROW(EncodeExtended(std::numeric_limits<long double>::quiet_NaN()), ENotStorable);
}

TEST(Extended80, RefusesAsDoubleWhatADoubleCannotHold) {
    const std::uint8_t huge[] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F}; // 2^16383
    RecordReader reader(huge);
    EXPECT_THROW(reader.ReadExtendedAsDouble(), EDamagedFile);
    const std::uint8_t tiny[] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}; // 2^-16382
    RecordReader tinyReader(tiny);
    EXPECT_EQ(tinyReader.ReadExtendedAsDouble(), 0.0);
}

} // namespace
} // namespace quarvex::codec
