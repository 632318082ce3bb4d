#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/RowLabel.h"
#include "amortization/TAmortSchedule.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/SystemClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

// Small helpers of the amortization tests: dates, a fixed "today", loans written as short
// texts, and the identities every schedule row must satisfy.
namespace quarvex::amortization::testing {

inline dates::DayNumber Day(int year, int month, int day) {
    return dates::DMYToDayNumber(day, month, year);
}

inline std::string IsoDate(dates::DayNumber date) {
    const dates::CalendarDate d = dates::DayNumberToDMY(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// Today for every row the tests make: 1 March 2024.
inline const Clock& TestClock() {
    static const dates::FixedClock clock(Day(2024, 3, 1));
    return clock;
}

inline AmortContext TestContext(Messages* messages = nullptr) {
    return {TestClock(), messages};
}

using LoanSetter = std::function<void(AmortInputs&, double)>;

inline std::uint8_t Code(double value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

inline const std::map<std::string, LoanSetter>& LoanSetters() {
    static const std::map<std::string, LoanSetter> setters = {
        {"pv",
         [](AmortInputs& in, double v) {
             in.PV = v;
         }},
        {"n",
         [](AmortInputs& in, double v) {
             in.NumPmts = static_cast<std::uint16_t>(v);
         }},
        {"rate",
         [](AmortInputs& in, double v) {
             in.Rate = static_cast<float>(v);
         }},
        {"pmt",
         [](AmortInputs& in, double v) {
             in.Pmt = v;
         }},
        {"points",
         [](AmortInputs& in, double v) {
             in.Points = static_cast<float>(v);
         }},
        {"period",
         [](AmortInputs& in, double v) {
             in.PaymentPeriod = Code(v);
         }},
        {"cmp",
         [](AmortInputs& in, double v) {
             in.Compounding = Code(v);
         }},
        {"method",
         [](AmortInputs& in, double v) {
             in.AmortMthd = AmortMethod{Code(v)};
         }},
        {"basis",
         [](AmortInputs& in, double v) {
             in.Settings.RateBasis = InterestBasis{Code(v)};
         }},
        {"accel",
         [](AmortInputs& in, double v) {
             in.Settings.AccelMthd = AccelMethod{Code(v)};
         }},
        {"pointspaid",
         [](AmortInputs& in, double v) {
             in.Settings.PointsPaidMthd = PointsPaid{Code(v)};
         }},
        {"twice",
         [](AmortInputs& in, double v) {
             in.Settings.TwiceMonthly = Code(v);
         }},
        {"weekend",
         [](AmortInputs& in, double v) {
             in.Settings.WeekendAdjust = Code(v);
         }},
        {"adjust",
         [](AmortInputs& in, double v) {
             in.Settings.AdjustLastMthd = LastPeriodAdjust{Code(v)};
         }},
        {"eom",
         [](AmortInputs& in, double v) {
             in.Settings.LastDayMonthMthd = LastDayOfMonth{Code(v)};
         }},
        {"oddpaid",
         [](AmortInputs& in, double v) {
             in.Settings.LongInterestPmtMthd = OddDaysPaid{Code(v)};
         }},
        {"oddcalc",
         [](AmortInputs& in, double v) {
             in.Settings.LongInterestCalcMthd = OddDaysCalc{Code(v)};
         }},
        {"shortpaid",
         [](AmortInputs& in, double v) {
             in.Settings.ShortInterestPmtMthd = ShortPeriodPaid{Code(v)};
         }},
        {"usrule",
         [](AmortInputs& in, double v) {
             in.Settings.USRule = v != 0;
         }},
        {"io",
         [](AmortInputs& in, double v) {
             in.IntOnlyPmts = static_cast<std::int32_t>(v);
         }},
        {"balloon",
         [](AmortInputs& in, double v) {
             in.BalloonPeriod = static_cast<std::uint16_t>(v);
         }},
        {"force",
         [](AmortInputs& in, double v) {
             in.ForcePmtCalc = v != 0;
         }},
        {"afterzero",
         [](AmortInputs& in, double v) {
             in.RecalcPmtAfterZero = v != 0;
         }},
        {"optimize",
         [](AmortInputs& in, double v) {
             in.OptimizePmts = v != 0;
         }},
    };
    return setters;
}

// A loan from "key=value" words: pv, n, rate, pmt, points (percent), period (index), cmp,
// method, basis, accel, pointspaid, twice, weekend, adjust, eom, oddpaid, oddcalc, shortpaid,
// usrule, io, balloon, force, afterzero, optimize, and org= / first= as m/d/yyyy. Unless
// given: 10 000 over 12 monthly payments at 10 % from 1 January 2024, first payment 1
// February, no forced payment solve, no optimisation, no re-solve after a skipped payment.
inline AmortInputs ParseLoan(std::string_view loan) {
    AmortInputs in;
    in.PV = 10000;
    in.NumPmts = 12;
    in.Rate = 10;
    in.OrgDate = Day(2024, 1, 1);
    in.FirstPmtDate = Day(2024, 2, 1);
    in.ForcePmtCalc = false;
    in.OptimizePmts = false;
    in.RecalcPmtAfterZero = false;
    std::istringstream words{std::string(loan)};
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        const std::string key = word.substr(0, equals);
        const std::string text = word.substr(equals + 1);
        int month = 0, day = 0, year = 0;
        if ((key == "org" || key == "first") &&
            std::sscanf(text.c_str(), "%d/%d/%d", &month, &day, &year) == 3) {
            (key == "org" ? in.OrgDate : in.FirstPmtDate) = Day(year, month, day);
            continue;
        }
        const auto setter = LoanSetters().find(key);
        if (setter == LoanSetters().end()) {
            ADD_FAILURE() << "unknown key " << key << " in " << loan;
            continue;
        }
        setter->second(in, std::stod(text));
    }
    return in;
}

// The identities every schedule keeps: row numbers and labels in order, dates that never go
// back and stay by 1 January 2079, finite amounts, each balance the previous balance plus
// interest less payment and extra payment, each principal the payment plus extra less interest,
// running totals equal to the sums of the rows, unpaid interest never below 0, and a last
// balance of 0 when the last period is adjusted.
inline void ExpectScheduleIdentities(const TAmortSchedule& schedule, bool lastAdjusted,
                                     const std::string& context) {
    const auto& rows = schedule.Records();
    ASSERT_FALSE(rows.empty()) << context;
    double pmt = 0, extra = 0, principal = 0, interest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TTransRec& r = rows[i];
        const std::string where = context + ", row " + std::to_string(i);
        for (const double amount : {r.Pmt, r.ExtraPmt, r.Principal, r.Interest, r.AccruedInt,
                                    r.PrinBal, r.PerSince, r.RunningPmt, r.RunningExtraPmt,
                                    r.RunningPrincipal, r.RunningInt, r.RunningAccruedInt}) {
            ASSERT_TRUE(std::isfinite(amount)) << where;
        }
        ASSERT_TRUE(std::isfinite(static_cast<double>(r.AccPerRt)) &&
                    std::isfinite(static_cast<double>(r.AccDlyRt)))
            << where;
        EXPECT_EQ(r.TransNo, static_cast<std::int32_t>(i)) << where;
        EXPECT_EQ(r.PmtNo, static_cast<std::int32_t>(i)) << where;
        EXPECT_LE(r.TransDate, Day(2079, 1, 1)) << where;
        EXPECT_GE(r.RunningAccruedInt, -1e-9) << where;
        pmt += r.Pmt;
        extra += r.ExtraPmt;
        principal += r.Principal;
        interest += r.Interest;
        const double tolerance = 1e-6 * static_cast<double>(i + 1);
        EXPECT_NEAR(r.RunningPmt, pmt, tolerance) << where;
        EXPECT_NEAR(r.RunningExtraPmt, extra, tolerance) << where;
        EXPECT_NEAR(r.RunningPrincipal, principal, tolerance) << where;
        EXPECT_NEAR(r.RunningInt, interest, tolerance) << where;
        if (i == 0) {
            EXPECT_EQ(r.PmtNoYr, "Init/1") << where;
            EXPECT_NEAR(r.PrinBal, r.Advance + r.Principal, 1e-9) << where;
            continue;
        }
        const TTransRec& p = rows[i - 1];
        EXPECT_EQ(r.PmtNoYr, RowLabel(r.TransNo, r.NumYears)) << where;
        EXPECT_GE(r.TransDate, p.TransDate) << where;
        EXPECT_NEAR(r.PrinBal, p.PrinBal + r.Interest - r.Pmt - r.ExtraPmt, 1e-7) << where;
        EXPECT_NEAR(r.Principal, r.Pmt + r.ExtraPmt - r.Interest, 1e-7) << where;
    }
    if (lastAdjusted) {
        EXPECT_LT(std::fabs(rows.back().PrinBal), 0.01) << context << ": last balance";
    }
}

} // namespace quarvex::amortization::testing
