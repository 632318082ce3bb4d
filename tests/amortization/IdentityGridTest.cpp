#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/EAmort.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

// Every amortizing method, with every kind of first period, rate basis and compounding, at
// three payment frequencies: fresh schedules and their recalculations keep the identities of
// every row. Combinations the rules refuse (Rule of 78s off the "Ordinary" basis or with its
// own compounding, the US Rule with finer compounding) are left out.
TEST(ScheduleIdentities, EveryMethodFirstPeriodBasisAndCompounding) {
    const char* firstPeriods[] = {"org=1/15/2024 first=1/15/2024", "org=1/20/2024 first=2/1/2024",
                                  "org=1/1/2024 first=2/14/2024", "org=12/15/2023 first=1/15/2024"};
    const int frequencies[] = {1, 5, 7};             // weekly, monthly, quarterly
    const int compoundings[] = {0, 1, 6, 9, 11, -1}; // -1: as the payments
    int schedules = 0;
    for (int method = 0; method <= 5; ++method) {
        for (const char* first : firstPeriods) {
            for (int basis = 0; basis <= 4; ++basis) {
                for (const int period : frequencies) {
                    for (const int compounding : compoundings) {
                        const int cmp = compounding < 0 ? period + 1 : compounding;
                        if (method == 5 && (basis != 0 || cmp != period + 1)) {
                            continue;
                        }
                        if (method == 1 && (period != 5 || cmp != 9)) {
                            continue; // Canadian loans are monthly, compounded twice a year
                        }
                        for (const char* extras :
                             {"", " usrule=1 io=2 oddpaid=2", " oddpaid=3 oddcalc=1 adjust=2"}) {
                            const std::string loan =
                                std::string("force=1 rate=8.5 n=30 pv=25000 ") + first +
                                " method=" + std::to_string(method) +
                                " basis=" + std::to_string(basis) +
                                " period=" + std::to_string(period) +
                                " cmp=" + std::to_string(cmp) + extras;
                            AmortInputs in = ParseLoan(loan);
                            if (in.Settings.USRule && cmp < period + 1) {
                                continue;
                            }
                            TAmortSchedule schedule;
                            CalculateSchedule(in, schedule, TestContext());
                            ExpectScheduleIdentities(schedule, true, loan);
                            if (method != 5) {
                                schedule[3].ExtraPmt = 500;
                                schedule[5].Pmt = 0;
                                RecalculateSchedule(in, schedule, TestContext());
                                ExpectScheduleIdentities(schedule, true, loan + " recalculated");
                            }
                            ++schedules;
                            if (::testing::Test::HasFailure()) {
                                return;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(schedules, 1000);
}

} // namespace
} // namespace quarvex::amortization::testing
