// MACRS schedules of 100 000 against the percentage tables the IRS publishes for property
// placed in service (Publication 946, Appendix A). The tables give each year's percent to two
// or three decimals, rounded so that a column adds up to 100; a computed year may therefore
// differ from its published percent by up to one unit of the last published decimal.
#include "engines/depreciation/coMACRS.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvex::engines {
namespace {

constexpr double kBasis = 100000;
constexpr std::uint8_t k150 = 2;
constexpr std::uint8_t k200 = 3;
constexpr std::uint8_t kStraightLine = 5;

struct IrsTable {
    const char* name;
    float period;
    std::uint8_t method;
    std::uint8_t convention;
    int month;
    double lastDigit; // the published precision, in percent
    std::vector<double> percents;
};

const IrsTable kTables[] = {
    // Half-year convention.
    {"3 HY", 3, k200, coMACRS::MidYear, 1, 0.01, {33.33, 44.45, 14.81, 7.41}},
    {"5 HY", 5, k200, coMACRS::MidYear, 1, 0.01, {20.00, 32.00, 19.20, 11.52, 11.52, 5.76}},
    {"7 HY",
     7,
     k200,
     coMACRS::MidYear,
     1,
     0.01,
     {14.29, 24.49, 17.49, 12.49, 8.93, 8.92, 8.93, 4.46}},
    {"10 HY",
     10,
     k200,
     coMACRS::MidYear,
     1,
     0.01,
     {10.00, 18.00, 14.40, 11.52, 9.22, 7.37, 6.55, 6.55, 6.56, 6.55, 3.28}},
    {"15 HY",
     15,
     k150,
     coMACRS::MidYear,
     1,
     0.01,
     {5.00, 9.50, 8.55, 7.70, 6.93, 6.23, 5.90, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91,
      2.95}},
    {"20 HY", 20, k150, coMACRS::MidYear, 1, 0.001, {3.750, 7.219, 6.677, 6.177, 5.713, 5.285,
                                                     4.888, 4.522, 4.462, 4.461, 4.462, 4.461,
                                                     4.462, 4.461, 4.462, 4.461, 4.462, 4.461,
                                                     4.462, 4.461, 2.231}},
    // Mid-quarter convention, first quarter.
    {"3 MQ1", 3, k200, coMACRS::MidQuarter, 2, 0.01, {58.33, 27.78, 12.35, 1.54}},
    {"5 MQ1", 5, k200, coMACRS::MidQuarter, 2, 0.01, {35.00, 26.00, 15.60, 11.01, 11.01, 1.38}},
    {"7 MQ1",
     7,
     k200,
     coMACRS::MidQuarter,
     2,
     0.01,
     {25.00, 21.43, 15.31, 10.93, 8.75, 8.74, 8.75, 1.09}},
    {"10 MQ1",
     10,
     k200,
     coMACRS::MidQuarter,
     2,
     0.01,
     {17.50, 16.50, 13.20, 10.56, 8.45, 6.76, 6.55, 6.55, 6.56, 6.55, 0.82}},
    {"15 MQ1",
     15,
     k150,
     coMACRS::MidQuarter,
     2,
     0.01,
     {8.75, 9.13, 8.21, 7.39, 6.65, 5.99, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90,
      0.74}},
    {"20 MQ1", 20, k150, coMACRS::MidQuarter, 2, 0.001, {6.563, 7.008, 6.482, 5.996, 5.546, 5.130,
                                                         4.746, 4.459, 4.459, 4.459, 4.459, 4.460,
                                                         4.459, 4.460, 4.459, 4.460, 4.459, 4.460,
                                                         4.459, 4.460, 0.557}},
    // Mid-quarter convention, second to fourth quarters.
    {"5 MQ2", 5, k200, coMACRS::MidQuarter, 5, 0.01, {25.00, 30.00, 18.00, 11.37, 11.37, 4.26}},
    {"5 MQ3", 5, k200, coMACRS::MidQuarter, 8, 0.01, {15.00, 34.00, 20.40, 12.24, 11.30, 7.06}},
    {"3 MQ4", 3, k200, coMACRS::MidQuarter, 11, 0.01, {8.33, 61.11, 20.37, 10.19}},
    {"5 MQ4", 5, k200, coMACRS::MidQuarter, 11, 0.01, {5.00, 38.00, 22.80, 13.68, 10.94, 9.58}},
    {"7 MQ4",
     7,
     k200,
     coMACRS::MidQuarter,
     11,
     0.01,
     {3.57, 27.55, 19.68, 14.06, 10.04, 8.73, 8.73, 7.64}},
    {"10 MQ4",
     10,
     k200,
     coMACRS::MidQuarter,
     11,
     0.01,
     {2.50, 19.50, 15.60, 12.48, 9.98, 7.99, 6.55, 6.55, 6.56, 6.55, 5.74}},
    {"15 MQ4",
     15,
     k150,
     coMACRS::MidQuarter,
     11,
     0.01,
     {1.25, 9.88, 8.89, 8.00, 7.20, 6.48, 5.90, 5.90, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90,
      5.17}},
    {"20 MQ4", 20, k150, coMACRS::MidQuarter, 11, 0.001, {0.938, 7.430, 6.872, 6.357, 5.880, 5.439,
                                                          5.031, 4.654, 4.458, 4.458, 4.458, 4.458,
                                                          4.458, 4.458, 4.458, 4.458, 4.458, 4.458,
                                                          4.458, 4.458, 3.901}},
};

// Residential rental property (27.5 years) and nonresidential real property (39 years),
// straight line, mid-month: the first year keeps (12.5 - month) / 12 of a full year.
std::vector<double> RealProperty(double yearly, int fullYears, double first, double last) {
    std::vector<double> percents{first};
    percents.insert(percents.end(), fullYears, yearly);
    if (last > 0) {
        percents.push_back(last);
    }
    return percents;
}

const IrsTable kRealProperty[] = {
    {"27.5 January", 27.5f, kStraightLine, coMACRS::MidMonth, 1, 0.001,
     RealProperty(3.636, 26, 3.485, 1.970)},
    {"27.5 July", 27.5f, kStraightLine, coMACRS::MidMonth, 7, 0.001,
     RealProperty(3.636, 27, 1.667, 0.152)},
    {"39 January", 39, kStraightLine, coMACRS::MidMonth, 1, 0.005,
     RealProperty(2.564, 38, 2.461, 0.107)},
    {"39 December", 39, kStraightLine, coMACRS::MidMonth, 12, 0.005,
     RealProperty(2.564, 38, 0.107, 2.461)},
};

void ExpectTable(const IrsTable& table) {
    TDepreciationList list;
    coMACRS engine;
    engine.Init(kBasis, dates::DMYToDayNumber(15, table.month, 2021), table.period, 0, 100,
                table.method, table.convention, list);
    engine.Calculate();
    ASSERT_EQ(list.size(), table.percents.size()) << table.name;
    double basis = kBasis;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_NEAR(list[i].Depreciation, table.percents[i] * kBasis / 100,
                    table.lastDigit * kBasis / 100 + 1e-6)
            << table.name << " year " << i + 1;
        basis -= list[i].Depreciation;
        EXPECT_NEAR(list[i].AdjustedBasis, basis, 1e-6) << table.name << " year " << i + 1;
    }
    EXPECT_EQ(list.back().AdjustedBasis, 0) << table.name;
}

TEST(MacrsIrsTables, PersonalPropertyRowByRow) {
    for (const IrsTable& table : kTables) {
        ExpectTable(table);
    }
}

// The real-property tables print 2.564 % for each full year of 39 (1/39 is 2.5641 %) and
// carry the rounding into the first year, so their first and last years differ from the exact
// 11.5/12 of a year by up to 0.004 %.
TEST(MacrsIrsTables, RealPropertyRowByRow) {
    for (const IrsTable& table : kRealProperty) {
        ExpectTable(table);
    }
}

} // namespace
} // namespace quarvex::engines
