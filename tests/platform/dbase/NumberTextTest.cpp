#include "platform/dbase/NumberText.h"
#include "platform/dbase/Field.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>

namespace quarvex::dbase {
namespace {

std::string Format(double value, std::size_t width, std::size_t decimals) {
    std::string text(width, '?');
    if (FormatNumber(value, width, decimals, text.data()) != NumberFit::Fits) {
        return "<does not fit>";
    }
    return text;
}

bool SameBits(double left, double right) {
    return std::memcmp(&left, &right, sizeof left) == 0;
}

// The text reads back to the very same double, checked with the C library's strtod, which is
// not the converter the engine reads with.
void ExpectExact(double value, std::size_t width, std::size_t decimals) {
    const std::string text = Format(value, width, decimals);
    ASSERT_NE(text, "<does not fit>") << "value " << value;
    EXPECT_EQ(text.size(), width);
    const double reread = std::strtod(text.c_str(), nullptr);
    EXPECT_TRUE(SameBits(reread, value))
        << "value " << value << " written as \"" << text << "\" reads back as " << reread;
    const ParsedNumber parsed = ParseNumber(text);
    EXPECT_EQ(parsed.status, NumberParse::Value) << text;
    EXPECT_TRUE(SameBits(parsed.value, value)) << text;
}

TEST(NumberTextTest, WritesTheShortestExactTextPaddedToTheDecimals) {
    struct Case {
        double value;
        std::size_t width;
        std::size_t decimals;
        const char* expected;
    };
    const Case cases[] = {
        {0.1, 24, 2, "                    0.10"},
        {1e-7, 24, 2, "               0.0000001"},
        {123456789.123456789, 24, 2, "      123456789.12345679"},
        {-1234.5, 24, 2, "                -1234.50"},
        {999999999999.99, 24, 2, "         999999999999.99"},
        {322.67, 24, 2, "                  322.67"},
        {8.5, 24, 6, "                8.500000"},
        {0.007083333333333333, 24, 6, "    0.007083333333333333"},
        {0.0, 24, 2, "                    0.00"},
        {12.0, 3, 0, " 12"},
        {-5.0, 3, 0, " -5"},
        {1e300, 24, 2, "                  1e+300"},
        {-2.2250738585072014e-308, 24, 2, "-2.2250738585072014e-308"},
        {5e-324, 24, 2, "                  5e-324"},
        // More decimals than the field's: all of them are kept.
        {0.1234567890123456, 20, 2, "  0.1234567890123456"},
        // No room for the padding: the exact text goes as it is.
        {1234567890123.5, 16, 4, " 1234567890123.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.value, c.width, c.decimals), c.expected)
            << "value " << c.value << " in N(" << c.width << "," << c.decimals << ")";
    }
}

TEST(NumberTextTest, ExtremeAndAwkwardDoublesComeBackBitForBit) {
    const double values[] = {0.1,
                             0.2,
                             0.1 + 0.2,
                             1e-7,
                             -1e-7,
                             123456789.123456789,
                             1.0 / 3.0,
                             -2.0 / 3.0 * 1e10,
                             83.33333333333333,
                             999999999999.99,
                             -999999999999.99,
                             9007199254740993.0,
                             -0.012345678901234567,
                             DBL_MAX,
                             -DBL_MAX,
                             DBL_MIN,
                             DBL_TRUE_MIN,
                             -0.0,
                             0.0};
    for (const double value : values) {
        ExpectExact(value, kExactNumberWidth, 2);
        ExpectExact(value, kExactNumberWidth, 8);
        ExpectExact(value, kExactNumberWidth, 0 + (value != std::trunc(value) ? 1 : 0));
    }
}

TEST(NumberTextTest, EveryDoubleFitsTheExactWidth) {
    std::mt19937_64 random(20240305);
    for (int trial = 0; trial < 200000; ++trial) {
        const std::uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = Format(value, kExactNumberWidth, 2);
        ASSERT_NE(text, "<does not fit>") << value;
        ASSERT_TRUE(SameBits(std::strtod(text.c_str(), nullptr), value)) << text;
    }
}

// The decimals in a number's text; -1 for exponent notation.
int DecimalsOf(const std::string& text) {
    if (text.find_first_of("eE") != std::string::npos) {
        return -1;
    }
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Fields declared for the values they hold: whole cents in N(24, 2), rates and fractions from
// 0.0001 to 999.99... in N(24, 20). Every value of its range is written with exactly the
// declared decimals (other readers go by them) and reads back bit for bit.
TEST(NumberTextTest, ValuesOfAFieldsRangeHaveExactlyItsDecimals) {
    std::mt19937_64 random(20240305);
    std::uniform_int_distribution<std::int64_t> cents(-100000000000000, 100000000000000);
    std::uniform_real_distribution<double> magnitude(-4.0, 3.0);
    struct Case {
        const char* what;
        std::size_t width;
        std::size_t decimals;
        std::function<double()> value;
    };
    const Case cases[] = {
        {"whole cents up to 10^12", 24, 2,
         [&] {
             return static_cast<double>(cents(random)) / 100.0;
         }},
        {"rates", 24, 20,
         [&] {
             return std::pow(10.0, magnitude(random));
         }},
        {"rates of a float", 24, 20,
         [&] {
             return static_cast<double>(static_cast<float>(std::pow(10.0, magnitude(random))));
         }},
        {"rates with every bit set", 24, 20,
         [&] {
             double value = std::pow(10.0, magnitude(random));
             std::uint64_t bits = 0;
             std::memcpy(&bits, &value, sizeof bits);
             bits |= 0xFFFFFFFull;
             std::memcpy(&value, &bits, sizeof bits);
             return value;
         }},
    };
    for (const Case& c : cases) {
        for (int trial = 0; trial < 100000; ++trial) {
            const double value = c.value();
            const std::string text = Format(value, c.width, c.decimals);
            ASSERT_EQ(DecimalsOf(text), static_cast<int>(c.decimals))
                << c.what << ": " << value << " written as \"" << text << "\"";
            ASSERT_TRUE(SameBits(std::strtod(text.c_str(), nullptr), value))
                << c.what << ": " << value << " written as \"" << text << "\"";
        }
    }
}

TEST(NumberTextTest, RefusesWhatItCannotStoreExactly) {
    char out[32] = "unchanged";
    EXPECT_EQ(FormatNumber(NAN, 24, 2, out), NumberFit::NotFinite);
    EXPECT_EQ(FormatNumber(INFINITY, 24, 2, out), NumberFit::NotFinite);
    EXPECT_EQ(FormatNumber(2.5, 6, 0, out), NumberFit::NotWhole);
    EXPECT_EQ(FormatNumber(123456.0, 5, 0, out), NumberFit::TooWide);
    EXPECT_EQ(FormatNumber(0.1234567890123456, 10, 2, out), NumberFit::TooWide);
    EXPECT_STREQ(out, "unchanged");
}

TEST(NumberTextTest, ReadsTheTextsOtherWritersLeave) {
    struct Case {
        const char* text;
        NumberParse status;
        double value;
    };
    const Case cases[] = {
        {"   12.50", NumberParse::Value, 12.5}, {"12.50   ", NumberParse::Value, 12.5},
        {"  +3", NumberParse::Value, 3.0},      {"  -0.5", NumberParse::Value, -0.5},
        {"   1,25", NumberParse::Value, 1.25},  {"  1e-07", NumberParse::Value, 1e-7},
        {"    .5", NumberParse::Value, 0.5},    {"        ", NumberParse::Empty, 0.0},
        {"", NumberParse::Empty, 0.0},          {"  12a", NumberParse::Invalid, 0.0},
        {"*****", NumberParse::Invalid, 0.0},   {" 1e999", NumberParse::Invalid, 0.0},
        {"  nan", NumberParse::Invalid, 0.0},   {" 1 2", NumberParse::Invalid, 0.0},
        {"  -", NumberParse::Invalid, 0.0},
    };
    for (const Case& c : cases) {
        const ParsedNumber parsed = ParseNumber(c.text);
        EXPECT_EQ(parsed.status, c.status) << "\"" << c.text << "\"";
        if (c.status == NumberParse::Value) {
            EXPECT_EQ(parsed.value, c.value) << "\"" << c.text << "\"";
        }
    }
}

} // namespace
} // namespace quarvex::dbase
