// Internal rates of return, checked against a spreadsheet's IRR and XIRR (their published
// examples) and against roots found by bisection in an independent computation.
#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TcalcIRR.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

std::vector<TPeriodicCashFlow> Periodic(const std::vector<double>& amounts) {
    std::vector<TPeriodicCashFlow> list;
    for (double amount : amounts) {
        list.push_back({0, amount});
    }
    return list;
}

std::vector<double> Level(double first, double payment, int count) {
    std::vector<double> amounts = {first};
    amounts.insert(amounts.end(), static_cast<std::size_t>(count), payment);
    return amounts;
}

struct IrrCase {
    const char* name;
    std::vector<double> amounts;
    double pyr;
    double expected; // percent
};

TEST(TcalcIRR, PeriodicRates) {
    const std::vector<IrrCase> cases = {
        {"three returns, yearly", {-1000, 500, 500, 500}, 1, 23.375192852825887},
        {"three returns, monthly", {-1000, 500, 500, 500}, 12, 280.5023142339107},
        {"twelve monthly flows", Level(-1000, 100, 12), 12, 35.07424892296034},
        // The spreadsheet's IRR examples: -2.1 %, 8.7 % and -44.4 %.
        {"loss", {-70000, 12000, 15000, 18000, 21000}, 1, -2.124484827341094},
        {"gain", {-70000, 12000, 15000, 18000, 21000, 26000}, 1, 8.66309480365316},
        {"heavy loss", {-70000, 12000, 15000}, 1, -44.35069413347404},
        // A 30-year mortgage of 200 000 paid by 1 199.10 a month: 6 % a year.
        {"mortgage", Level(-200000, 1199.10, 360), 12, 5.999991831743001},
        // Borrower's view: money in first, payments out later.
        {"reversed signs", {1000, -500, -500, -500}, 1, 23.375192852825887},
        // The hidden last record of the calculators holds 0 and changes nothing.
        {"trailing zero", {-1000, 500, 500, 500, 0}, 1, 23.375192852825887},
        {"leading zero", {0, -1000, 500, 500, 500}, 1, 23.375192852825887},
    };
    const TcalcIRR irr;
    for (const IrrCase& c : cases) {
        const auto list = Periodic(c.amounts);
        EXPECT_NEAR(static_cast<double>(irr.IRR(list, c.pyr, IrrStart)), c.expected, 1e-7)
            << c.name;
    }
}

TEST(TcalcIRR, ResultDoesNotDependOnTheGuess) {
    const TcalcIRR irr;
    const auto list = Periodic({-70000, 12000, 15000});
    for (long double guess : {0.0L, 0.1L, -0.9L, -5.0L, 3.0L, 1000.0L}) {
        EXPECT_NEAR(static_cast<double>(irr.IRR(list, 1, guess)), -44.35069413347404, 1e-7)
            << "guess " << static_cast<double>(guess);
    }
}

TEST(TcalcIRR, StreamsWithoutOneRateCannotBeDerived) {
    const std::vector<IrrCase> cases = {
        {"all positive", {1000, 500, 500}, 1, 0},
        {"all negative", {-1000, -500}, 1, 0},
        {"all zero", {0, 0, 0}, 1, 0},
        {"single flow", {-1000}, 1, 0},
        {"empty", {}, 1, 0},
        // Two sign changes with two real rates (10 % and 20 %): the rate is not unique.
        {"two rates", {-100, 230, -132}, 1, 0},
        // Two sign changes and no real rate at all.
        {"no real rate", {-100, 250, -200}, 1, 0},
        {"three sign changes", {-100, 50, -10, 80}, 1, 0},
        // A single sign change whose rate lies below -99.99 % a period.
        {"rate below the floor", {-100, 0.001}, 1, 0},
    };
    const TcalcIRR irr;
    for (const IrrCase& c : cases) {
        const auto list = Periodic(c.amounts);
        try {
            irr.IRR(list, c.pyr, IrrStart);
            ADD_FAILURE() << c.name << ": a rate was returned";
        } catch (const EFinError& error) {
            EXPECT_STREQ(error.what(), "Sorry, can't derive IRR.") << c.name;
        }
    }
}

TEST(TcalcIRR, HugeAndTinyAmountsStayFinite) {
    const TcalcIRR irr;
    EXPECT_NEAR(static_cast<double>(irr.IRR(Periodic({-1e-6, 2e-6}), 1, IrrStart)), 100.0, 1e-7);
    EXPECT_NEAR(static_cast<double>(irr.IRR(Periodic({-1e12, 1.1e12}), 1, IrrStart)), 10.0, 1e-7);
    // A return of a million times the outlay after one period.
    EXPECT_NEAR(static_cast<double>(irr.IRR(Periodic({-1, 1e6}), 1, IrrStart)), 99999900.0, 1e-3);
}

TEST(TcalcIRR, DatedRates) {
    const TcalcIRR irr;
    // -100 and 110 exactly 365 days apart: 10 %.
    const std::vector<TDatedCashFlow> year = {{DMYToDayNumber(1, 1, 2001), -100},
                                              {DMYToDayNumber(1, 1, 2002), 110}};
    EXPECT_NEAR(static_cast<double>(irr.DatedIRR(year, 12, IrrStart)), 10.0, 1e-9);

    // The spreadsheet's XIRR example: 37.34 %.
    const std::vector<TDatedCashFlow> xirr = {{DMYToDayNumber(1, 1, 2008), -10000},
                                              {DMYToDayNumber(1, 3, 2008), 2750},
                                              {DMYToDayNumber(30, 10, 2008), 4250},
                                              {DMYToDayNumber(15, 2, 2009), 3250},
                                              {DMYToDayNumber(1, 4, 2009), 2750}};
    EXPECT_NEAR(static_cast<double>(irr.DatedIRR(xirr, 12, IrrStart)), 37.336253351883144, 1e-7);

    // Later flows need not be in date order; flows on one day count together.
    const std::vector<TDatedCashFlow> shuffled = {xirr[0], xirr[3], xirr[1], xirr[4], xirr[2]};
    EXPECT_NEAR(static_cast<double>(irr.DatedIRR(shuffled, 12, IrrStart)), 37.336253351883144,
                1e-7);
    const std::vector<TDatedCashFlow> sameDay = {{DMYToDayNumber(1, 1, 2001), -150},
                                                 {DMYToDayNumber(1, 1, 2001), 50},
                                                 {DMYToDayNumber(1, 1, 2002), 110}};
    EXPECT_NEAR(static_cast<double>(irr.DatedIRR(sameDay, 12, IrrStart)), 10.0, 1e-9);
}

TEST(TcalcIRR, DatedFailures) {
    const TcalcIRR irr;
    const std::vector<TDatedCashFlow> early = {{DMYToDayNumber(1, 6, 2001), -100},
                                               {DMYToDayNumber(1, 7, 2001), 50},
                                               {DMYToDayNumber(1, 5, 2001), 60}};
    try {
        irr.DatedIRR(early, 12, IrrStart);
        FAIL() << "a flow dated before the first";
    } catch (const EDateSequenceError& error) {
        EXPECT_STREQ(error.what(), "Ending date is earlier than starting date.");
    }
    const std::vector<TDatedCashFlow> twoRates = {{DMYToDayNumber(1, 1, 2001), -100},
                                                  {DMYToDayNumber(1, 1, 2002), 230},
                                                  {DMYToDayNumber(1, 1, 2003), -132}};
    EXPECT_THROW(irr.DatedIRR(twoRates, 12, IrrStart), EFinError);
    const std::vector<TDatedCashFlow> positive = {{DMYToDayNumber(1, 1, 2001), 100},
                                                  {DMYToDayNumber(1, 1, 2002), 110}};
    EXPECT_THROW(irr.DatedIRR(positive, 12, IrrStart), EFinError);
    EXPECT_THROW(irr.DatedIRR({}, 12, IrrStart), EFinError);
}

TEST(TcalcIRR, DatedRateOfManyFlowsSolvesItsPresentValue) {
    // 10 000 flows a few days apart: the rate found makes the dated present value vanish.
    std::vector<TDatedCashFlow> list = {{DMYToDayNumber(1, 1, 2000), -2000000}};
    dates::DayNumber date = list[0].Date;
    for (int k = 1; k < 10000; ++k) {
        date += 1 + k % 5;
        list.push_back({date, 230.0L + (k % 7)});
    }
    const TcalcIRR irr;
    const long double rate = irr.DatedIRR(list, 12, IrrStart);
    long double value = 0;
    for (const TDatedCashFlow& flow : list) {
        value += flow.Amount / std::pow(1.0L + rate / 100, (flow.Date - list[0].Date) / 365.0L);
    }
    EXPECT_NEAR(static_cast<double>(value), 0.0, 1e-4) << "rate " << static_cast<double>(rate);
}

TEST(TcalcIRR, AprWithFractionalFirstPeriod) {
    // -9800 against twelve monthly payments of 850, rates found by bisection.
    struct AprCase {
        double offset;
        double expected;
    };
    const std::vector<AprCase> cases = {
        {1.5, 6.9115742662667845}, {1.0, 7.450778653459222}, {0.0, 8.830649763783471}};
    std::vector<TOffsetCashFlow> list = {{-9800}};
    for (int k = 0; k < 12; ++k) {
        list.push_back({850});
    }
    const TcalcIRR irr;
    for (const AprCase& c : cases) {
        for (long double guess : AprStarts) {
            EXPECT_NEAR(static_cast<double>(irr.AprIRR(list, c.offset, 12, guess)), c.expected,
                        1e-7)
                << "offset " << c.offset;
        }
    }
}

TEST(TcalcIRR, AprThatCannotBeDerivedIs101) {
    const TcalcIRR irr;
    const std::vector<TOffsetCashFlow> positive = {{100}, {50}, {50}};
    EXPECT_EQ(irr.AprIRR(positive, 1, 12, 0.1L), kAprFailed);
    const std::vector<TOffsetCashFlow> twoRates = {{-100}, {230}, {-132}};
    EXPECT_EQ(irr.AprIRR(twoRates, 1, 1, 0.1L), kAprFailed);
    EXPECT_EQ(irr.AprIRR(twoRates, std::nan(""), 1, 0.1L), kAprFailed);
}

} // namespace
} // namespace quarvex::engine
