#include "AmortCalcTestSupport.h"
#include "amortization/EAmort.h"
#include "amortization/calculator/AmortCalcErrors.h"
#include "engine/coLoan.h"
#include "framework/buffer/FieldStorage.h"
#include "framework/report/Format.h"
#include "framework/store/RegIni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace quarvex::amortization::testing {
namespace {

using framework::Choice;
using framework::Date;
using framework::RegValueKind;

constexpr const char* kKey = "Software\\Kelvarn Software\\Quarvex!\\Amortization Schedule";

// Publisher's values: today's origination; the first payment on the 1st of the month after
// next (the 1st of the next month when today is the 1st); Monthly; December; all switches on.
TEST(TcbAmort, PublishersValues) {
    AmortFixture f; // today 15 March 2021
    const framework::DataRecord& data = f.buffer.Data();
    EXPECT_EQ(data.Get<Date>(TcbAmort::OrgDate).day, Day(2021, 3, 15));
    EXPECT_EQ(data.Get<Date>(TcbAmort::FirstPmtDate).day, Day(2021, 5, 1));
    EXPECT_EQ(data.Get<Choice>(TcbAmort::PYR).index, 5);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::CmpPYR).index, 6);
    EXPECT_EQ(f.buffer.State(), AmortCalcState{});
    EXPECT_EQ(f.buffer.State().YearEnding, 12);
    EXPECT_TRUE(f.buffer.State().ForcePmtCalc && f.buffer.State().RecalcPmtAfterZero &&
                f.buffer.State().OptimizePmts);
    EXPECT_FALSE(f.buffer.HasResults());

    EXPECT_EQ(ProposedFirstPaymentDate(Day(2021, 3, 1)), Day(2021, 4, 1));
    EXPECT_EQ(ProposedFirstPaymentDate(Day(2021, 11, 30)), Day(2022, 1, 1));
    EXPECT_EQ(ProposedFirstPaymentDate(Day(2021, 12, 1)), Day(2022, 1, 1));
    EXPECT_EQ(ProposedFirstPaymentDate(Day(2021, 12, 2)), Day(2022, 2, 1));
}

// Every value under its exact name and of its kind: the ten data values (reals for amounts,
// rate and points; integers for counts, lists and dates), "Year Ending", the switches and "Apply
// US Rule?:" as booleans, the other settings as integers. Balloon, interest-only payments and
// fees are not kept.
TEST(TcbAmort, TheStoredLayout) {
    AmortFixture f;
    f.Set("PV=12345.67 NumPmts=48 Rate=7.25 Pmt=0 OrgDate=2021-03-20 FirstPmtDate=2021-05-01 "
          "PYR=Quarterly CmpPYR=Semiannually Points=1.5 AmortMthd=2 RateBasis=4 AccelMthd=2 "
          "PointsPaidMthd=3 TwiceMonthly=7 WeekendAdjust=3 AdjustLastMthd=2 USRule=1 "
          "LastDayMonthMthd=0 LongInterestPmtMthd=3 LongInterestCalcMthd=5 "
          "ShortInterestPmtMthd=2 ShortInterestCalcMthd=3 YearEnding=6 ForcePmtCalc=no "
          "RecalcPmtAfterZero=no OptimizePmts=yes BalloonPeriod=12 IntOnlyPmts=3 "
          "OneTimeFees=99");
    f.buffer.SaveLast();

    framework::RegIni store = f.Reopen();
    store.SetCurSubKey(kKey);
    const std::map<std::string, RegValueKind> kinds = {
        {"&Amount of Loan?:", RegValueKind::Real},
        {"Initial &Periods? (#):", RegValueKind::Integer},
        {"Annual &Rate? (%):", RegValueKind::Real},
        {"Per&iodic Payment?:", RegValueKind::Real},
        {"Ori&gination Date?:", RegValueKind::Integer},
        {"&1st Payment Date?:", RegValueKind::Integer},
        {"Payme&nt Period?:", RegValueKind::Integer},
        {"Compounding Perio&d?:", RegValueKind::Integer},
        {"Poin&ts? (%):", RegValueKind::Real},
        {"Amorti&zing Method?:", RegValueKind::Integer},
        {"Year Ending", RegValueKind::Integer},
        {"Force Payment Calculation", RegValueKind::Boolean},
        {"Recalc Pmt After 0 Pmt", RegValueKind::Boolean},
        {"Optimize Payments", RegValueKind::Boolean},
        {"Rate Basis?:", RegValueKind::Integer},
        {"Loan Acceleration Method?:", RegValueKind::Integer},
        {"&Points Paid How?:", RegValueKind::Integer},
        {"Last Period Adjusting Method?:", RegValueKind::Integer},
        {"Apply US Rule?:", RegValueKind::Boolean},
        {"Twice Monthly Days?:", RegValueKind::Integer},
        {"Weekend Adjustment Method?:", RegValueKind::Integer},
        {"Last Day of Month Adjustment?:", RegValueKind::Integer},
        {"Odd Days Interest Paid When?:", RegValueKind::Integer},
        {"Odd Days Interest Calculation?:", RegValueKind::Integer},
        {"Short Period Interest Paid How?:", RegValueKind::Integer},
        {"Short Period Interest Calculation?:", RegValueKind::Integer},
    };
    for (const auto& [name, kind] : kinds) {
        const auto stored = store.ValueKind(name);
        ASSERT_TRUE(stored.has_value()) << name;
        EXPECT_EQ(*stored, kind) << name;
    }
    // Nothing else is there, and every name is spelled exactly.
    std::vector<std::string> names = store.ValueNames();
    EXPECT_EQ(names.size(), kinds.size());
    for (const std::string& name : names) {
        EXPECT_TRUE(kinds.count(name)) << "unexpected value " << name;
    }
    EXPECT_DOUBLE_EQ(store.ReadReal("&Amount of Loan?:", 0), 12345.67);
    EXPECT_DOUBLE_EQ(store.ReadReal("Annual &Rate? (%):", 0), 7.25);
    EXPECT_EQ(store.ReadInteger("Initial &Periods? (#):", 0), 48);
    EXPECT_EQ(store.ReadInteger("Payme&nt Period?:", 0), 7);
    EXPECT_EQ(store.ReadInteger("Ori&gination Date?:", 0), Day(2021, 3, 20));
    EXPECT_EQ(store.ReadInteger("Year Ending", 0), 6);
    EXPECT_EQ(store.ReadInteger("&Points Paid How?:", 0), 3);
    EXPECT_EQ(store.ReadInteger("Short Period Interest Calculation?:", 0), 3);
    EXPECT_TRUE(store.ReadBoolean("Apply US Rule?:", false));
    EXPECT_FALSE(store.ReadBoolean("Force Payment Calculation", true));

    // Read back: everything but the dates, which start again at today; balloon, interest-only
    // payments and fees are not kept.
    TcbAmort again(f.context);
    again.InitData();
    again.LoadLast();
    EXPECT_EQ(again.Data().Get<double>(TcbAmort::PV), 12345.67);
    EXPECT_EQ(again.Data().Get<std::int32_t>(TcbAmort::NumPmts), 48);
    EXPECT_EQ(again.Data().Get<Choice>(TcbAmort::AmortMthd).index, 2);
    EXPECT_EQ(again.Data().Get<Date>(TcbAmort::OrgDate).day, Day(2021, 3, 15));
    EXPECT_EQ(again.Data().Get<Date>(TcbAmort::FirstPmtDate).day, Day(2021, 5, 1));
    AmortCalcState expected = f.buffer.State();
    expected.BalloonPeriod = 0;
    expected.IntOnlyPmts = 0;
    expected.OneTimeFees = 0;
    EXPECT_EQ(again.State(), expected);
}

// Missing values read as the calculator's: the switches then force the payment and do nothing
// else (unlike the publisher's, all on); codes outside their lists read as missing.
TEST(TcbAmort, MissingAndDamagedStoredValues) {
    AmortFixture f;
    f.store.SetCurSubKey(kKey);
    f.store.WriteInteger("Rate Basis?:", 9);
    f.store.WriteInteger("&Points Paid How?:", 0);
    f.store.WriteInteger("Year Ending", 13);
    f.store.WriteInteger("Payme&nt Period?:", 10);
    f.store.WriteReal("&Amount of Loan?:", 5000);
    f.buffer.LoadLast();
    const AmortCalcState& state = f.buffer.State();
    EXPECT_EQ(f.buffer.Data().Get<double>(TcbAmort::PV), 5000);
    EXPECT_EQ(f.buffer.Data().Get<Choice>(TcbAmort::PYR).index, 5);
    EXPECT_EQ(state.Settings.RateBasis, InterestBasis::Ordinary);
    EXPECT_EQ(state.Settings.PointsPaidMthd, PointsPaid::WithOrigination);
    EXPECT_EQ(state.YearEnding, 12);
    EXPECT_TRUE(state.ForcePmtCalc);
    EXPECT_FALSE(state.RecalcPmtAfterZero);
    EXPECT_FALSE(state.OptimizePmts);
    EXPECT_EQ(state.Settings, AmortSettings{}); // the other settings' missing codes
}

// The options page keeps all twelve defaults under "Default" + prompt; opening on the local
// defaults applies them all: the record's fields and the loan settings; opening on the global
// defaults takes the program-wide settings as every calculator does.
TEST(TcbAmort, DefaultsLevels) {
    AmortFixture f;
    f.Set("Rate=8 PV=1000 RateBasis=2");
    auto& locals = f.buffer.Options().localDefaults;
    locals[TcbAmort::DefaultRate] = 6.5f;
    locals[TcbAmort::DefaultPYR] = Choice{7};
    locals[TcbAmort::DefaultCmpPYR] = Choice{8};
    locals[TcbAmort::DefaultAmortMthd] = Choice{2};
    locals[TcbAmort::DefaultRateBasis] = Choice{4};
    locals[TcbAmort::DefaultPoints] = 2.0f;
    f.buffer.SaveOptions();
    framework::RegIni store = f.Reopen();
    store.SetCurSubKey(kKey);
    EXPECT_EQ(store.ReadInteger("DefaultRate Basis?:", -1), 4);
    EXPECT_EQ(store.ReadInteger("DefaultPayme&nt Period?:", -1), 7);
    EXPECT_DOUBLE_EQ(store.ReadReal("DefaultPoints?:", -1), 2);
    EXPECT_EQ(store.ReadInteger("DefaultPoints Paid How?:", -1), 1);
    EXPECT_EQ(store.ReadInteger("DefaultOdd Days Interest Calculation?:", -1), 4);
    EXPECT_EQ(store.ReadInteger("DefaultShort Period Interest Calculation?:", -1), 2);

    f.buffer.UseLocalDefaults();
    const framework::DataRecord& data = f.buffer.Data();
    EXPECT_EQ(data.Get<float>(TcbAmort::Rate), 6.5f);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::PYR).index, 7);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::CmpPYR).index, 8);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::AmortMthd).index, 2);
    EXPECT_EQ(data.Get<float>(TcbAmort::Points), 2.0f);
    EXPECT_EQ(f.buffer.State().Settings.RateBasis, InterestBasis::Actual365); // code 4
    EXPECT_EQ(data.Get<double>(TcbAmort::PV), 1000);

    f.store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!");
    f.store.WriteReal("Annual &Rate? (%):", 9.5);
    f.store.WriteInteger("Rate &Basis?:", 3);
    f.buffer.UseGlobalDefaults();
    // The program-wide defaults, as every calculator takes them: the rate stored, the
    // publisher's monthly payments and compounding, the normal method, no points.
    EXPECT_EQ(data.Get<float>(TcbAmort::Rate), 9.5f);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::PYR).index, 5);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::CmpPYR).index, 6);
    EXPECT_EQ(data.Get<Choice>(TcbAmort::AmortMthd).index, 0);
    EXPECT_EQ(data.Get<float>(TcbAmort::Points), 0.0f);
    EXPECT_EQ(f.buffer.State().Settings.RateBasis, InterestBasis::Actual360); // code 3
}

// Calc solves the zero field and writes it back; a failure leaves record, rows and results as
// they were.
TEST(TcbAmort, CalcSolvesAndKeepsItsResultsOnFailure) {
    AmortFixture f;
    f.Calc("PV=10000 NumPmts=12 Rate=9 Pmt=0 OrgDate=2024-01-15 FirstPmtDate=2024-02-15 "
           "OptimizePmts=no");
    EXPECT_DOUBLE_EQ(f.buffer.Data().Get<double>(TcbAmort::Pmt), 874.51);
    EXPECT_EQ(f.buffer.SolvedField(), TcbAmort::Pmt);
    EXPECT_TRUE(f.buffer.HasResults());
    EXPECT_EQ(f.buffer.Schedule().Count(), 13);

    f.Set("ForcePmtCalc=no Pmt=874.51 Rate=0");
    f.buffer.Calculate();
    EXPECT_EQ(f.buffer.Unknown(), engine::coLoan::kRate);
    EXPECT_EQ(f.buffer.SolvedField(), TcbAmort::Rate);
    EXPECT_NEAR(f.buffer.Data().Get<float>(TcbAmort::Rate), 9.0f, 0.005f);

    const framework::DataRecord before = f.buffer.Data();
    const auto rows = f.buffer.Schedule().Records();
    f.Set("AmortMthd=5 RateBasis=3"); // Rule of 78's on a day basis: refused (code 210)
    EXPECT_THROW(f.buffer.Calculate(), EAmort);
    EXPECT_EQ(f.buffer.Data().Get<double>(TcbAmort::Pmt), before.Get<double>(TcbAmort::Pmt));
    EXPECT_EQ(f.buffer.Schedule().Count(), static_cast<int>(rows.size()));
    EXPECT_TRUE(f.buffer.HasResults());

    // A count beyond 16 bits never reaches the engine.
    f.Set("AmortMthd=0 RateBasis=0 NumPmts=70000");
    EXPECT_THROW(f.buffer.Calculate(), EAmort);
}

// Recalc takes the rows as edited; without a schedule it is refused.
TEST(TcbAmort, RecalcTakesTheEditedRows) {
    AmortFixture f;
    EXPECT_THROW(f.buffer.Recalc(), ENotCalculated);
    f.Calc("PV=10000 NumPmts=12 Rate=9 OrgDate=2024-01-15 FirstPmtDate=2024-02-15 "
           "OptimizePmts=no RecalcPmtAfterZero=no");
    const double payment = f.buffer.Schedule()[5].Pmt;
    auto& rows = f.buffer.EditableSchedule().Records();
    rows[4].ExtraPmt = 1000;
    f.buffer.Recalc();
    EXPECT_EQ(f.buffer.Schedule()[4].ExtraPmt, 1000);
    EXPECT_EQ(f.buffer.Schedule()[5].Pmt, payment);
    EXPECT_LT(f.buffer.Schedule().Count(), 13); // paid off early
    EXPECT_EQ(f.buffer.Results().Engine.LastTransNo, f.buffer.Schedule().LastTransNo());
    EXPECT_DOUBLE_EQ(f.buffer.Results().Engine.TotalPmts,
                     f.buffer.Schedule().Records().back().RunningPmt);
    EXPECT_EQ(f.buffer.SolvedField(), TcbAmort::Pmt); // what Calc solved stays marked

    f.buffer.ClearResults();
    EXPECT_FALSE(f.buffer.HasResults());
    EXPECT_EQ(f.buffer.Schedule().Count(), 0);
    EXPECT_THROW(f.buffer.Recalc(), ENotCalculated);
}

// What the calculator shows and stores is what the rows pay: after odd-days interest is
// amortized the payment is solved again, and the field takes it.
TEST(TcbAmort, TheShownPaymentIsTheOneTheRowsPay) {
    AmortFixture f;
    f.Calc("PV=10000 NumPmts=120 Rate=9 OrgDate=2024-01-01 FirstPmtDate=2024-02-16 "
           "LongInterestPmtMthd=3 LongInterestCalcMthd=1 OptimizePmts=no");
    const double shown = f.buffer.Data().Get<double>(TcbAmort::Pmt);
    EXPECT_DOUBLE_EQ(shown, f.buffer.Schedule()[2].Pmt);
    EXPECT_DOUBLE_EQ(shown, f.buffer.Results().EnginePmt);
    EXPECT_DOUBLE_EQ(f.buffer.MakeAprDetail().RegularPaymentAmt, shown);
}

// Year tabs with four-digit years: December year ends from 1998 to 2028; a June year end
// starts with the fiscal year July 1997 - June 1998.
TEST(TcbAmort, YearTabs) {
    AmortFixture f;
    f.Calc("PV=200000 NumPmts=360 Rate=6.5 OrgDate=1998-03-15 FirstPmtDate=1998-05-01");
    std::vector<YearTab> tabs = f.buffer.Tabs();
    ASSERT_EQ(tabs.size(), 31u);
    EXPECT_EQ(tabs.front().Label, "98");
    EXPECT_EQ(tabs.front().EndYear, 1998);
    EXPECT_EQ(tabs.back().Label, "28");
    EXPECT_EQ(tabs.back().EndYear, 2028);
    f.buffer.SetYearEnding(6);
    tabs = f.buffer.Tabs();
    EXPECT_EQ(tabs[0].Label, "98");
    EXPECT_EQ(tabs[0].StartYear, 1997);
    EXPECT_EQ(tabs[0].StartMonth, 7);
    EXPECT_EQ(tabs[1].Label, "99");
    EXPECT_EQ(tabs.back().Label, "28");
    EXPECT_EQ(TabAfterYearEndingChange(31, tabs.size()), 31u);
    EXPECT_EQ(TabAfterYearEndingChange(40, tabs.size()), tabs.size());
    EXPECT_THROW(f.buffer.SetYearEnding(13), framework::EBadArgument);
}

// A year tab shows exactly the rows of its fiscal year, their sums and the running totals at
// its end; "All" shows every row and the same totals on both lines.
TEST(TcbAmort, YearTotals) {
    AmortFixture f;
    f.Calc("PV=200000 NumPmts=360 Rate=6.5 OrgDate=1998-03-15 FirstPmtDate=1998-05-01");
    const auto& rows = f.buffer.Schedule().Records();
    const TcbAmort::TabView all = f.buffer.ViewOfTab(0);
    EXPECT_EQ(all.FirstRow, 0u);
    EXPECT_EQ(all.EndRow, rows.size());
    EXPECT_EQ(all.YearPmt, rows.back().RunningPmt);
    EXPECT_EQ(all.RunningPmt, rows.back().RunningPmt);
    EXPECT_EQ(all.YearInterest, all.RunningInt);

    for (const std::size_t tab : {1u, 2u, 31u}) {
        const TcbAmort::TabView view = f.buffer.ViewOfTab(tab);
        const YearTab year = f.buffer.Tabs()[tab - 1];
        double pmt = 0, interest = 0, principal = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const dates::CalendarDate d = dates::DayNumberToDMY(rows[i].TransDate);
            const bool inYear = d.year == year.EndYear; // December year end
            EXPECT_EQ(inYear, i >= view.FirstRow && i < view.EndRow) << tab << " row " << i;
            if (inYear) {
                pmt += rows[i].Pmt;
                interest += rows[i].Interest;
                principal += rows[i].Principal;
            }
        }
        EXPECT_NEAR(view.YearPmt, pmt, 1e-6) << tab;
        EXPECT_NEAR(view.YearInterest, interest, 1e-6) << tab;
        EXPECT_NEAR(view.YearPrincipal, principal, 1e-6) << tab;
        EXPECT_EQ(view.RunningPmt, rows[view.EndRow - 1].RunningPmt) << tab;
        EXPECT_EQ(view.RunningInt, rows[view.EndRow - 1].RunningInt) << tab;
    }
    EXPECT_EQ(f.buffer.ViewOfTab(1).EndRow, 9u); // March to December 1998: rows 0 to 8
}

// The copied schedule of a short loan, whole.
TEST(TcbAmort, CopiedText) {
    AmortFixture f;
    f.Calc("PV=1000 NumPmts=3 Rate=12 OrgDate=2024-01-15 FirstPmtDate=2024-02-15 "
           "OptimizePmts=no OneTimeFees=75");
    EXPECT_EQ(f.buffer.CopyText(), "Amortization Schedule 1\r\n"
                                   "\r\n"
                                   "Amount of Loan?:                    $1,000.00\t\tInitial "
                                   "Periods? (#):                       3\r\n"
                                   "Annual Rate? (%):                       12.00\t\tPeriodic "
                                   "Payment?:                    $340.02\r\n"
                                   "Origination Date?:                 01/15/2024 \t\t1st Payment "
                                   "Date?:                 02/15/2024 \r\n"
                                   "Payment Period?:                      Monthly\t\tCompounding "
                                   "Period?:                  Monthly\r\n"
                                   "Points? (%):                             0.00\t\tAmortizing "
                                   "Method?:                    Normal\r\n"
                                   "\r\n"
                                   "#/Yr \tDate    \tPayment             \tPrincipal           "
                                   "\tInterest            \tBalance             \r\n"
                                   "\r\n"
                                   "Init/1\t01/15/2024\t$0.00               \t$0.00               "
                                   "\t$0.00               \t$1,000.00           \r\n"
                                   "1/01 \t02/15/2024\t$340.02             \t$330.02             "
                                   "\t$10.00              \t$669.98             \r\n"
                                   "2/01 \t03/15/2024\t$340.02             \t$333.32             "
                                   "\t$6.70               \t$336.66             \r\n"
                                   "3/01 \t04/15/2024\t$340.03             \t$336.66             "
                                   "\t$3.37               \t$0.00               \r\n"
                                   "\r\n"
                                   "\r\n"
                                   "Rate Basis:                          Ordinary\t\tLoan "
                                   "Acceleration Method:     No Acceleration\r\n"
                                   "Points Are:                  With Origination\t\t&Twice "
                                   "monthly payment days:       1st & 15th\r\n"
                                   "Weekend Adjustment Method:      No Adjustment\t\tLast Period "
                                   "Adjusting Method: Increase Payment\r\n"
                                   "Apply US Rule:                             No\t\tLast Day of "
                                   "Month Adjustment:           Adjust\r\n"
                                   "Odd Days Interest Paid When: With Origination\t\tOdd Days "
                                   "Interest Calculation:     Compound 360\r\n"
                                   "Short Period Interest Paid How:  Reduce First\t\tShort Period "
                                   "Interest Calculation:    Simple 360\r\n"
                                   "Number of initial interest only periods:    0\t\tBalloon at "
                                   "Payment Number:                  0\r\n"
                                   "Total One Time Fees:                   $75.00\t\tForce Payment "
                                   "Calculation                 Yes\r\n"
                                   "Recalc Pmt After 0 Pmt                    Yes\t\tOptimize "
                                   "Payments                          No\r\n");
    f.buffer.CopyToClipboard();
    EXPECT_EQ(f.clipboard.Last(), f.buffer.CopyText());
}

// The printed schedule groups the rows by fiscal year with the date-range rule: quarterly
// payments and a year ending in June give the years July 2023 - June 2024 (the opening row and
// May 2024), July 2024 - June 2025 (four payments) and July 2025 - June 2026 (the last).
TEST(TcbAmort, PrintedRowsGroupedByFiscalYear) {
    AmortFixture f;
    f.Calc("PV=4000 NumPmts=6 Rate=8 PYR=Quarterly CmpPYR=Quarterly OrgDate=2024-02-10 "
           "FirstPmtDate=2024-05-10 YearEnding=6 OptimizePmts=no RecalcPmtAfterZero=no");
    f.buffer.EditableSchedule()[3].ExtraPmt = 100;
    f.buffer.Recalc();
    const auto& rows = f.buffer.Schedule().Records();
    ASSERT_EQ(rows.size(), 7u);
    const ScheduleReport report = f.buffer.MakeScheduleReport();
    using Kind = ScheduleReportLine::Kind;
    std::vector<Kind> kinds;
    std::vector<std::string> labels;
    for (const ScheduleReportLine& line : report.lines) {
        kinds.push_back(line.kind);
        labels.push_back(line.label);
    }
    const std::vector<Kind> expected = {
        Kind::Row,          Kind::Row,           Kind::AnnualTotals,  Kind::RunningTotals,
        Kind::Row,          Kind::Row,           Kind::Extra,         Kind::Row,
        Kind::Row,          Kind::AnnualTotals,  Kind::RunningTotals, Kind::Row,
        Kind::AnnualTotals, Kind::RunningTotals,
    };
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(labels[0], "Init/1");
    EXPECT_EQ(labels[6], "3/01");
    EXPECT_EQ(report.lines[6].date, "Extra:");
    EXPECT_EQ(report.lines[6].payment, "$100.00");
    EXPECT_EQ(report.lines[1].date, "05/10/2024");

    const auto money = [&f](double amount) {
        return report::Format("%m", {amount}, f.conventions);
    };
    // The second year: payments with the extra one, principal and interest of rows 2 to 5.
    double pmt = 0, principal = 0, interest = 0;
    for (std::size_t i = 2; i <= 5; ++i) {
        pmt += rows[i].Pmt + rows[i].ExtraPmt;
        principal += rows[i].Principal;
        interest += rows[i].Interest;
    }
    EXPECT_EQ(report.lines[9].payment, money(pmt));
    EXPECT_EQ(report.lines[9].principal, money(principal));
    EXPECT_EQ(report.lines[9].interest, money(interest));
    EXPECT_EQ(report.lines[13].payment,
              money(rows.back().RunningPmt + rows.back().RunningExtraPmt));
    EXPECT_EQ(report.lines[13].interest, money(rows.back().RunningInt));

    // The opening lines: inputs, then the settings the printout shows, then the balloon,
    // fees and interest-only lines only when set.
    EXPECT_EQ(report.openingLines.size(), 16u);
    EXPECT_EQ(report.openingLines[0],
              "Amount of Loan?:                                  $4,000.00");
    EXPECT_TRUE(report.preparedForLines.empty());
    EXPECT_EQ(report.preparedOn, "03/15/21");

    EXPECT_TRUE(f.buffer.Print());
    EXPECT_EQ(f.printing.kinds.back(), Printing::Kind::Schedule);
}

// The "Prepared For:" block when the account information was confirmed before printing.
TEST(TcbAmort, PreparedForBlock) {
    AmortFixture f;
    f.application.SetPreparedBy("Ann Example");
    auto& account = f.application.EnsureAccountDetails();
    account.firstName = "John";
    account.middleInitial = "Q";
    account.lastName = "Smith";
    account.city = "Springfield";
    account.state = "IL";
    account.phone1 = "555-123-4567";
    account.phone2 = "---";
    f.Calc("PV=1000 NumPmts=3 Rate=12 OrgDate=2024-01-15 FirstPmtDate=2024-02-15");
    EXPECT_TRUE(f.buffer.MakeScheduleReport().preparedForLines.empty());
    f.buffer.SetPrintPreparedFor(true);
    const ScheduleReport report = f.buffer.MakeScheduleReport();
    EXPECT_EQ(report.preparedForName, "John Q. Smith");
    EXPECT_EQ(report.preparedBy, "Ann Example");
    const std::vector<std::string> expected = {
        "Prepared For:                       John Q. Smith",
        "                                  Springfield, IL",
        "Phone1:                              555-123-4567",
        "",
        "",
        "Prepared By:                          Ann Example",
    };
    EXPECT_EQ(report.preparedForLines, expected);
}

// The schedule database's round trip: the loan's terms and rows into a fresh calculator,
// which recalculates them to the same schedule and results.
TEST(TcbAmort, ASavedLoanComesBackWhole) {
    AmortFixture f;
    f.Calc("PV=150000 NumPmts=180 Rate=5.75 Points=1 PointsPaidMthd=3 OrgDate=2024-01-10 "
           "FirstPmtDate=2024-03-01 BalloonPeriod=120 IntOnlyPmts=2 OneTimeFees=300 "
           "USRule=1 YearEnding=9");
    f.buffer.EditableSchedule()[20].ExtraPmt = 2500;
    f.buffer.Recalc();
    const AmortLoanTerms terms = f.buffer.LoanTerms();
    EXPECT_EQ(terms.Inputs.PaymentPeriod, 5);
    EXPECT_EQ(terms.PaymentTiming(), 0);
    EXPECT_EQ(terms.PaymentsPerYear, 12);
    EXPECT_EQ(terms.DaysToFirstPmt, Day(2024, 3, 1) - Day(2024, 1, 10));
    EXPECT_EQ(terms.OneTimeFees, 300);
    EXPECT_EQ(terms.Inputs.BalloonPeriod, 120);
    EXPECT_TRUE(terms.Inputs.Settings.USRule);

    AmortFixture other;
    TAmortSchedule rows;
    rows.Records() = f.buffer.Schedule().Records();
    for (TTransRec& row : rows.Records()) { // the database keeps no running totals
        row.RunningPmt = row.RunningPrincipal = row.RunningInt = row.RunningExtraPmt = 0;
        row.RunningAccruedInt = 0;
    }
    ASSERT_GT(rows[0].Pmt, 0); // odd-days interest paid at origination: in every total
    other.buffer.LoadSavedLoan(terms, std::move(rows));
    EXPECT_TRUE(other.buffer.HasResults());
    EXPECT_EQ(other.buffer.Data(), f.buffer.Data());
    AmortCalcState expected = f.buffer.State();
    expected.YearEnding = 12; // not part of a saved loan
    EXPECT_EQ(other.buffer.State(), expected);
    const auto& a = f.buffer.Schedule().Records();
    const auto& b = other.buffer.Schedule().Records();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_DOUBLE_EQ(a[i].PrinBal, b[i].PrinBal) << i;
        EXPECT_DOUBLE_EQ(a[i].RunningPmt, b[i].RunningPmt) << i;
        EXPECT_DOUBLE_EQ(a[i].ExtraPmt, b[i].ExtraPmt) << i;
    }
    EXPECT_DOUBLE_EQ(other.buffer.LoanTerms().TotalPmts, terms.TotalPmts);
    EXPECT_EQ(other.buffer.DeriveApr(), f.buffer.DeriveApr());
}

// The database keeps no running totals: a loan of any method comes back with every running
// total and the APR Detail's totals as calculated. (A Rule-of-78s schedule is not
// recalculated, so it had none: 0.00 for the total of payments and the finance charge.)
TEST(TcbAmort, EveryMethodComesBackWithItsRunningTotals) {
    for (int method = 0; method <= 5; ++method) {
        SCOPED_TRACE("method " + std::to_string(method));
        AmortFixture f;
        f.Calc("PV=80000 NumPmts=360 Rate=6 OrgDate=2024-01-01 FirstPmtDate=2024-02-01 "
               "OptimizePmts=no AmortMthd=" +
               std::to_string(method));
        TAmortSchedule rows;
        rows.Records() = f.buffer.Schedule().Records();
        for (TTransRec& row : rows.Records()) {
            row.RunningPmt = row.RunningPrincipal = row.RunningInt = row.RunningExtraPmt = 0;
            row.RunningAccruedInt = 0;
        }
        AmortFixture other;
        other.buffer.LoadSavedLoan(f.buffer.LoanTerms(), std::move(rows));
        const auto& a = f.buffer.Schedule().Records();
        const auto& b = other.buffer.Schedule().Records();
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            ASSERT_EQ(b[i].RunningPmt, a[i].RunningPmt) << i;
            ASSERT_EQ(b[i].RunningPrincipal, a[i].RunningPrincipal) << i;
            ASSERT_EQ(b[i].RunningInt, a[i].RunningInt) << i;
            ASSERT_EQ(b[i].RunningExtraPmt, a[i].RunningExtraPmt) << i;
            ASSERT_EQ(b[i].RunningAccruedInt, a[i].RunningAccruedInt) << i;
        }
        const AprDetail calculated = f.buffer.MakeAprDetail();
        const AprDetail loaded = other.buffer.MakeAprDetail();
        EXPECT_EQ(loaded.TotalOfPayments, calculated.TotalOfPayments);
        EXPECT_EQ(loaded.TotalFinanceCharge, calculated.TotalFinanceCharge);
        EXPECT_EQ(loaded.LastPaymentAmount, calculated.LastPaymentAmount);
        if (method == 5) {
            // 80 000 at 6 % over 360 months pays 479.64 (annuity formula): 360 payments total
            // 172 670.40, of which 92 670.40 is the finance charge.
            EXPECT_EQ(loaded.TotalOfPayments, 172670.40);
            EXPECT_EQ(loaded.TotalFinanceCharge, 92670.40);
        }
    }
}

// No loan lends, charges or costs less than nothing: a negative amount, rate or points is
// refused with a text that says which, and the calculator keeps what it had.
TEST(TcbAmort, NegativeAmountRateOrPointsAreRefused) {
    const struct {
        const char* words;
        const char* text;
    } cases[] = {
        {"PV=-100000", "Amount of Loan can't be negative."},
        {"Rate=-6", "Annual Rate can't be negative."},
        {"Points=-1.5", "Points can't be negative."},
    };
    for (const auto& c : cases) {
        AmortFixture f;
        f.Calc("PV=100000 NumPmts=360 Rate=6 OrgDate=2024-01-01 FirstPmtDate=2024-02-01");
        const auto rows = f.buffer.Schedule().Records();
        f.Set(c.words);
        const framework::DataRecord typed = f.buffer.Data();
        try {
            f.buffer.Calculate();
            ADD_FAILURE() << c.words << " was taken";
        } catch (const ENegativeLoanInput& error) {
            EXPECT_EQ(error.Message(), c.text);
        }
        EXPECT_THROW(f.buffer.Recalc(), ENegativeLoanInput) << c.words;
        EXPECT_EQ(f.buffer.Data(), typed) << c.words;
        EXPECT_EQ(f.buffer.Schedule().Count(), static_cast<int>(rows.size())) << c.words;
    }
}

// A damaged saved loan changes nothing.
TEST(TcbAmort, ADamagedSavedLoanChangesNothing) {
    AmortFixture f;
    f.Calc("PV=10000 NumPmts=12 Rate=9");
    const framework::DataRecord data = f.buffer.Data();
    const int count = f.buffer.Schedule().Count();
    AmortLoanTerms terms = f.buffer.LoanTerms();
    TAmortSchedule rows;
    rows.Records() = f.buffer.Schedule().Records();

    AmortLoanTerms badCode = terms;
    badCode.Inputs.Settings.RateBasis = static_cast<InterestBasis>(7);
    EXPECT_THROW(f.buffer.LoadSavedLoan(badCode, rows), framework::EBadArgument);
    AmortLoanTerms badDate = terms;
    badDate.Inputs.OrgDate = dates::kNoDate;
    EXPECT_THROW(f.buffer.LoadSavedLoan(badDate, rows), framework::EBadArgument);
    TAmortSchedule badRows;
    badRows.Records() = rows.Records();
    badRows[3].Pmt = std::nan("");
    EXPECT_THROW(f.buffer.LoadSavedLoan(terms, badRows), framework::EBadArgument);
    EXPECT_THROW(f.buffer.LoadSavedLoan(terms, TAmortSchedule{}), framework::EBadArgument);

    EXPECT_EQ(f.buffer.Data(), data);
    EXPECT_EQ(f.buffer.Schedule().Count(), count);
    EXPECT_TRUE(f.buffer.HasResults());
}

} // namespace
} // namespace quarvex::amortization::testing
