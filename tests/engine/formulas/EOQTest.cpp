#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/FormulaErrors.h"
#include "engine/formulas/coEOQ.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

constexpr const char* kNotPositive = "Field value(s) should be greater than Zero";

struct EOQCase {
    std::int32_t lot;
    double units, cost, price, rate;
    double unitPrice, carrying, eoq; // sqrt(2 x units x cost / carrying cost)
    std::int32_t lots;
};

const EOQCase kCases[] = {
    {1, 1000, 50, 10, 10, 10, 1, 316.227766017, 316},
    {12, 5000, 25, 60, 8, 5, 0.4, 790.569415042, 66},
    {100, 1e6, 75, 20, 12, 0.2, 0.024, 79056.941504209, 791},
    // More lots than 16 bits can count.
    {1, 1e9, 50, 10, 10, 10, 1, 316227.766016838, 316228},
    {1, 0, 50, 10, 10, 10, 1, 0, 0},
};

TEST(coEOQ, MatchesTheSquareRootRule) {
    for (const auto& c : kCases) {
        coEOQ eoq;
        eoq.Init(c.lot, c.units, c.cost, c.price, c.rate);
        eoq.Calculate();
        SCOPED_TRACE(::testing::Message() << c.units << " units, " << c.cost << " an order, "
                                          << c.price << " per " << c.lot << " at " << c.rate);
        EXPECT_NEAR(eoq.UnitPrice, c.unitPrice, 1e-12);
        EXPECT_NEAR(eoq.UnitCarryingCost, c.carrying, 1e-12);
        EXPECT_NEAR(eoq.EOQ, c.eoq, 1e-6);
        EXPECT_EQ(eoq.OrderUnitLots, c.lots);
    }
}

TEST(coEOQ, LotsRoundHalvesToEven) {
    // Carrying cost 100 % of 0.25 a unit: EOQ = sqrt(8 x units x cost), exact in binary.
    // 1 x 3.125 gives 5 units, 2.5 lots of 2 -> 2; 9 x 3.125 gives 15 units, 7.5 lots -> 8.
    coEOQ eoq;
    eoq.Init(2, 1, 3.125, 0.5, 100);
    eoq.Calculate();
    EXPECT_DOUBLE_EQ(eoq.EOQ, 5);
    EXPECT_EQ(eoq.OrderUnitLots, 2);
    eoq.Init(2, 9, 3.125, 0.5, 100);
    eoq.Calculate();
    EXPECT_DOUBLE_EQ(eoq.EOQ, 15);
    EXPECT_EQ(eoq.OrderUnitLots, 8);
}

TEST(coEOQ, RefusesInputsThatGiveNoFiniteOrder) {
    struct Refusal {
        std::int32_t lot;
        double units, cost, price, rate;
    };
    const Refusal refusals[] = {
        {0, 1000, 50, 10, 10},  {-1, 1000, 50, 10, 10}, {1, 1000, 50, 0, 10},
        {1, 1000, 50, -10, 10}, {1, 1000, 50, 10, 0},   {1, 1000, 50, 10, -5},
        {1, -1, 50, 10, 10},    {1, 1000, -50, 10, 10}, {1, NAN, 50, 10, 10},
    };
    for (const auto& r : refusals) {
        coEOQ eoq;
        eoq.Init(1, 1000, 50, 10, 10);
        eoq.Calculate();
        ExpectError<ENotPositive>([&] { eoq.Init(r.lot, r.units, r.cost, r.price, r.rate); },
                                  kNotPositive);
        ExpectError<ENotPositive>([&] { eoq.Calculate(); }, kNotPositive);
        // The previous results stay.
        EXPECT_EQ(eoq.OrderUnitLots, 316) << r.lot << " " << r.price << " " << r.rate;
        EXPECT_EQ(eoq.UnitCarryingCost, 1);
    }
}

TEST(coEOQ, AQuantityTooLargeToHoldIsOutOfRange) {
    // A carrying cost that underflows, and more lots than any count holds.
    const std::array<std::array<double, 4>, 2> inputs = {
        {{1e300, 1e300, 1e-300, 1e-300}, {1e30, 1e30, 1, 1}}};
    for (const auto& in : inputs) {
        coEOQ eoq;
        eoq.Init(1, in[0], in[1], in[2], in[3]);
        ExpectError<EFinance>([&] { eoq.Calculate(); }, testing::kOutOfRange);
        EXPECT_EQ(eoq.EOQ, 0);
    }
}

} // namespace
} // namespace quarvex::engine
