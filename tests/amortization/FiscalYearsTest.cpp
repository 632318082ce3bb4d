#include "amortization/FiscalYears.h"
#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

TAmortSchedule Schedule(const std::string& loan) {
    AmortInputs in = ParseLoan(loan);
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    return schedule;
}

// The year totals as first written: from the first row dated in year Y with a month of m or
// later (row 0 when the year starts on or before it, the last row when there is none) up to a
// row dated in year Y + 1 with a month of m or later, which is taken out again, as is a last
// row of month m that is not the first of the year.
YearTotalsResult MonthByMonthTotals(const std::vector<TTransRec>& rows, int m, int Y) {
    const auto year = [&](std::size_t i) {
        return dates::DayNumberToDMY(rows[i].TransDate).year;
    };
    const auto month = [&](std::size_t i) {
        return dates::DayNumberToDMY(rows[i].TransDate).month;
    };
    const std::size_t last = rows.size() - 1;
    std::size_t first = last;
    if (dates::DMYToDayNumber(1, m, Y) <= rows[0].TransDate) {
        first = 0;
    } else {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (year(i) == Y && month(i) >= m) {
                first = i;
                break;
            }
        }
    }
    YearTotalsResult totals;
    totals.YearFirstTransNo = rows[first].TransNo;
    std::size_t j = first;
    bool stoppedEarly = false;
    for (;; ++j) {
        totals.YearPmt += rows[j].Pmt;
        totals.YearInterest += rows[j].Interest;
        totals.YearPrincipal += rows[j].Principal;
        if (year(j) == Y + 1 && month(j) >= m) {
            stoppedEarly = j < last;
            break;
        }
        if (j == last) {
            break;
        }
    }
    if (stoppedEarly || (j == last && month(j) == m && j != first)) {
        totals.YearPmt -= rows[j].Pmt;
        totals.YearInterest -= rows[j].Interest;
        totals.YearPrincipal -= rows[j].Principal;
        --j;
    }
    totals.YearLastTransNo = rows[j].TransNo;
    return totals;
}

TEST(YearTotals, MonthlySchedulesAddUpAsBefore) {
    const char* loans[] = {
        "force=1 n=360 pv=200000 rate=6.5 org=3/15/1998 first=5/1/1998",
        "force=1 n=60 rate=9 org=1/1/2024 first=2/16/2024",
        "force=1 n=36 rate=9 org=12/20/2023 first=1/1/2024 weekend=1",
        "force=1 n=24 rate=9 org=6/30/2024 first=6/30/2024",
    };
    for (const char* loan : loans) {
        TAmortSchedule schedule = Schedule(loan);
        const auto& rows = schedule.Records();
        for (int ending = 1; ending <= 12; ++ending) {
            for (const YearTab& tab :
                 YearTabs(rows.front().TransDate, rows.back().TransDate, ending)) {
                const YearTotalsResult got = schedule.YearTotals(tab.StartMonth, tab.StartYear);
                const YearTotalsResult before =
                    MonthByMonthTotals(rows, tab.StartMonth, tab.StartYear);
                const std::string where = std::string(loan) + " year " +
                                          std::to_string(tab.StartYear) + " from month " +
                                          std::to_string(tab.StartMonth);
                EXPECT_EQ(got.YearFirstTransNo, before.YearFirstTransNo) << where;
                EXPECT_EQ(got.YearLastTransNo, before.YearLastTransNo) << where;
                EXPECT_NEAR(got.YearPmt, before.YearPmt, 1e-6) << where;
                EXPECT_NEAR(got.YearInterest, before.YearInterest, 1e-6) << where;
                EXPECT_NEAR(got.YearPrincipal, before.YearPrincipal, 1e-6) << where;
            }
        }
    }
}

TEST(YearTotals, AYearIsTheDatesFromTheFirstOfItsMonth) {
    const struct {
        const char* what;
        const char* loan;
        int month;
        int year;
        int firstTransNo;
        int lastTransNo;
    } cases[] = {
        // March start, year ending December: the opening row and the payments to December.
        {"opening row included", "force=1 n=360 pv=200000 rate=6.5 org=3/15/1998 first=5/1/1998", 1,
         1998, 0, 8},
        // Annual payments on 15 January; the year July 2024 - June 2025 holds one of them
        // (month by month, the search for a row of 2024 from July on found none and started
        // at the last row).
        {"annual, mid-year start",
         "force=1 rate=9 n=4 period=9 cmp=10 org=1/15/2023 "
         "first=1/15/2024",
         7, 2024, 2, 2},
        // Annual payments in June after a November origination: October 2023 - September
        // 2024 holds the opening row and the first payment (a row of 2025 never ended the
        // month-by-month sum).
        {"annual, no row of the next year",
         "force=1 rate=9 n=3 period=9 cmp=10 "
         "org=11/15/2023 first=6/15/2024",
         10, 2023, 0, 1},
        // Twice-monthly payments ending on 15 January: both January payments belong to 2024
        // (month by month, the last row of the year's first month was dropped).
        {"last row in the first month",
         "force=1 rate=9 n=6 period=3 cmp=4 org=10/20/2023 "
         "first=11/1/2023",
         1, 2024, 5, 6},
        // Quarterly payments: April 2024 - March 2025 holds April, July, October, January.
        {"quarterly", "force=1 rate=9 n=12 period=7 cmp=8 org=1/15/2024 first=4/15/2024", 4, 2024,
         1, 4},
        // A year without rows: first is the row after it, last the one before.
        {"no row", "force=1 rate=9 n=3 period=9 cmp=10 org=1/15/2023 first=6/15/2025", 7, 2023, 1,
         0},
    };
    for (const auto& c : cases) {
        TAmortSchedule schedule = Schedule(c.loan);
        const YearTotalsResult totals = schedule.YearTotals(c.month, c.year);
        EXPECT_EQ(totals.YearFirstTransNo, c.firstTransNo) << c.what;
        EXPECT_EQ(totals.YearLastTransNo, c.lastTransNo) << c.what;
        double pmt = 0, interest = 0, principal = 0;
        for (int k = c.firstTransNo; k <= c.lastTransNo; ++k) {
            const TTransRec& row = schedule[static_cast<std::size_t>(k)];
            const FiscalYearSpan span = FiscalYearDates(c.month, c.year);
            EXPECT_GE(row.TransDate, span.First) << c.what;
            EXPECT_LT(row.TransDate, span.End) << c.what;
            pmt += row.Pmt;
            interest += row.Interest;
            principal += row.Principal;
        }
        EXPECT_NEAR(totals.YearPmt, pmt, 1e-9) << c.what;
        EXPECT_NEAR(totals.YearInterest, interest, 1e-9) << c.what;
        EXPECT_NEAR(totals.YearPrincipal, principal, 1e-9) << c.what;
        // The schedule keeps the last totals.
        const YearTotalsResult kept = schedule.LastYearTotals();
        EXPECT_EQ(kept.YearFirstTransNo, totals.YearFirstTransNo) << c.what;
        EXPECT_EQ(kept.YearPmt, totals.YearPmt) << c.what;
    }
}

TEST(YearTabs, OneTabPerFiscalYearWithFourDigitYears) {
    const auto tabs = YearTabs(Day(1998, 3, 15), Day(2028, 4, 1), 12);
    ASSERT_EQ(tabs.size(), 31u);
    EXPECT_EQ(tabs.front().Label, "98");
    EXPECT_EQ(tabs.front().EndYear, 1998);
    EXPECT_EQ(tabs.front().StartYear, 1998);
    EXPECT_EQ(tabs.front().StartMonth, 1);
    EXPECT_EQ(tabs[2].Label, "00");
    EXPECT_EQ(tabs[2].StartYear, 2000);
    EXPECT_EQ(tabs.back().Label, "28");

    const auto june = YearTabs(Day(1998, 3, 15), Day(2028, 4, 1), 6);
    ASSERT_EQ(june.size(), 31u);
    EXPECT_EQ(june[0].Label, "98"); // July 1997 - June 1998
    EXPECT_EQ(june[0].StartYear, 1997);
    EXPECT_EQ(june[0].StartMonth, 7);
    EXPECT_EQ(june[1].Label, "99");
    EXPECT_EQ(june.back().EndYear, 2028);

    // A date after the year's last month belongs to the next fiscal year's tab.
    const auto late = YearTabs(Day(2024, 8, 1), Day(2025, 8, 1), 6);
    ASSERT_EQ(late.size(), 2u);
    EXPECT_EQ(late[0].EndYear, 2025);
    EXPECT_EQ(late[1].EndYear, 2026);
}

TEST(YearTabs, LoansBeforeNineteenEightyKeepTheirCentury) {
    // Two-digit tabs once rebuilt "80" with a year ending in June as 2079.
    TAmortSchedule schedule = Schedule("force=1 rate=9 n=120 org=3/15/1975 first=4/15/1975");
    const auto& rows = schedule.Records();
    const auto tabs = YearTabs(rows.front().TransDate, rows.back().TransDate, 6);
    const YearTab* eighty = nullptr;
    for (const YearTab& tab : tabs) {
        if (tab.Label == "80") {
            eighty = &tab;
        }
    }
    ASSERT_NE(eighty, nullptr);
    EXPECT_EQ(eighty->EndYear, 1980);
    EXPECT_EQ(eighty->StartYear, 1979);
    const YearTotalsResult totals = schedule.YearTotals(eighty->StartMonth, eighty->StartYear);
    EXPECT_EQ(IsoDate(schedule[static_cast<std::size_t>(totals.YearFirstTransNo)].TransDate),
              "1979-07-15");
    EXPECT_EQ(IsoDate(schedule[static_cast<std::size_t>(totals.YearLastTransNo)].TransDate),
              "1980-06-15");
    EXPECT_EQ(tabs.front().EndYear, 1975);
}

TEST(FiscalYears, RowsGroupByTheSameRule) {
    TAmortSchedule schedule = Schedule("force=1 rate=9 n=12 period=7 cmp=8 org=1/15/2024 "
                                       "first=4/15/2024");
    const auto groups = GroupRowsByFiscalYear(schedule.Records(), 4);
    ASSERT_FALSE(groups.empty());
    std::size_t next = 0;
    for (const FiscalYearRows& group : groups) {
        EXPECT_EQ(group.First, next);
        const YearTotalsResult totals = schedule.YearTotals(4, group.StartYear);
        EXPECT_EQ(static_cast<std::size_t>(totals.YearFirstTransNo), group.First);
        EXPECT_EQ(static_cast<std::size_t>(totals.YearLastTransNo) + 1, group.End);
        next = group.End;
    }
    EXPECT_EQ(next, schedule.Records().size());
    EXPECT_EQ(groups.front().StartYear, 2023); // the January opening row: April 2023 - March 2024
    EXPECT_EQ(FiscalYearStartOf(Day(2024, 3, 31), 4), 2023);
    EXPECT_EQ(FiscalYearStartOf(Day(2024, 4, 1), 4), 2024);
    EXPECT_EQ(StartMonthOfYearEnding(12), 1);
    EXPECT_EQ(StartMonthOfYearEnding(6), 7);
}

} // namespace
} // namespace quarvex::amortization::testing
