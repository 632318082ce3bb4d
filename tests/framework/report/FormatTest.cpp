#include "framework/report/Format.h"
#include "framework/masks/NumberConventions.h"

#include <gtest/gtest.h>

namespace quarvex::report {
namespace {

struct FormatCase {
    const char* pattern;
    std::vector<FormatArg> args;
    const char* expected;
};

TEST(Format, ConversionsOfCopiedAndPrintedRows) {
    const FormatCase cases[] = {
        {"%-24s %16.2m\r\n",
         {std::string("Amount of Loan?:"), 1234.5},
         "Amount of Loan?:                $1,234.50\r\n"},
        {"%-24s %16.2m\r\n",
         {std::string("Balance:"), -1234.5},
         "Balance:                      ($1,234.50)\r\n"},
        {"%-24s %16d\r\n",
         {std::string("Total Periods? (#):"), std::int64_t{36}},
         "Total Periods? (#):                    36\r\n"},
        {"%-24s %16.2n\r\n",
         {std::string("Annual Rate? (%):"), 7.125},
         "Annual Rate? (%):                    7.13\r\n"},
        {"\t%-24s\t%16.4n",
         {std::string("Annual Rate? (%):"), 7.125},
         "\tAnnual Rate? (%):       \t          7.1250"},
        {"\t%-24s\t%s",
         {std::string("Payment Period?:"), std::string("Monthly")},
         "\tPayment Period?:        \tMonthly"},
        {"%-24s %16f\r\n",
         {std::string("Total Years:"), 11.5767},
         "Total Years:                        11.58\r\n"},
        {"%16.6n", {0.000274}, "        0.000274"},
        {"%0.0n", {1234567.5}, "1,234,568"},
        {"%2.4f", {9.99956}, "9.9996"},
        {"%-20.2m|", {12.0}, "$12.00              |"},
        {"%9d|", {std::int64_t{-7}}, "       -7|"},
        {"100%% %s", {std::string("sure")}, "100% sure"},
        {"%40s", {std::string("Order 316 units.")}, "                        Order 316 units."},
        {"%16.2m", {1e12}, "$1,000,000,000,000.00"}, // wider than its column: never cut
        {"%16.2n", {-0.001}, "            0.00"},    // no negative zero
    };
    const masks::NumberConventions us;
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.pattern, std::span<const FormatArg>(c.args), us), c.expected)
            << "pattern \"" << c.pattern << "\"";
    }
}

TEST(Format, MoneyInTheCountrysForm) {
    const auto germany = masks::ConventionsForCountry(49);
    EXPECT_EQ(Format("%16.2m", {1234.5}, germany), "      1.234,50 €");
    EXPECT_EQ(Format("%16.2n", {-1234.5}, germany), "       -1.234,50");
}

TEST(Format, ANumberThatIsNotOneShowsError) {
    const masks::NumberConventions us;
    EXPECT_EQ(Format("%8.2m", {std::numeric_limits<double>::quiet_NaN()}, us), "   Error");
    EXPECT_EQ(Format("%8.2n", {std::numeric_limits<double>::infinity()}, us), "   Error");
}

TEST(Format, MisusedPatternsAreReported) {
    const masks::NumberConventions us;
    EXPECT_THROW(Format("%16d", {1.5}, us), EFormatError);
    EXPECT_THROW(Format("%s", {2.0}, us), EFormatError);
    EXPECT_THROW(Format("%s %s", {std::string("one")}, us), EFormatError);
    EXPECT_THROW(Format("%16", {1.0}, us), EFormatError);
    EXPECT_THROW(Format("%q", {1.0}, us), EFormatError);
}

} // namespace
} // namespace quarvex::report
