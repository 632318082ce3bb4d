#include "amortization/calculator/TransRecColumns.h"
#include "cli/CalcCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarvex::amortization::testing {
namespace {

struct CalcRun {
    int code;
    std::string out;
    std::string err;
};

CalcRun Calc(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunQuarvexCalc(
        arguments, out, err, [](const std::string&) { return std::optional<std::string>(); });
    return {code, out.str(), err.str()};
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

const std::vector<std::string> kLoan = {
    "amort",           "PV=1000",        "NumPmts=3",         "Rate=12",
    "OptimizePmts=no", "OneTimeFees=75", "--today=2024-01-15"};

std::vector<std::string> Loan(std::vector<std::string> more) {
    std::vector<std::string> arguments = kLoan;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The copied schedule, with line breaks for a terminal; the dates start at --today: the loan
// is made today and first paid on the 1st of the month after next.
TEST(AmortCommandLine, PrintsTheCopiedSchedule) {
    const CalcRun run = Calc(kLoan);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Amortization Schedule\n\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("Origination Date?:                 01/15/2024 \t\t"
                           "1st Payment Date?:                 03/01/2024 \n"),
              std::string::npos)
        << run.out;
    // 17 odd days' interest paid at origination.
    EXPECT_NE(run.out.find("Init/1\t01/15/2024\t$5.65"), std::string::npos);
    EXPECT_NE(run.out.find("3/01 \t05/01/2024\t"), std::string::npos);
    EXPECT_NE(run.out.find("Total One Time Fees:                   $75.00\t\t"), std::string::npos);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_EQ(run.out.find("APR Detail"), std::string::npos);
}

TEST(AmortCommandLine, AprAddsTheAprDetail) {
    const CalcRun run = Calc(Loan({"--apr"}));
    ASSERT_EQ(run.code, 0) << run.err;
    const auto at = run.out.find("\nAPR Detail\n\n");
    ASSERT_NE(at, std::string::npos) << run.out;
    EXPECT_LT(run.out.find("Optimize Payments"), at); // after the schedule
    EXPECT_NE(run.out.find("Total One Time Fees:                $75.00\t"), std::string::npos);
    // Received: the amount less the fees and the odd days' interest paid at origination.
    EXPECT_NE(run.out.find("Net Amount Financed:               $919.35\t"), std::string::npos);
    EXPECT_NE(run.out.find("Quoted Nominal Rate (%):           12.0000\t"), std::string::npos);
}

// Every field, setting, result and APR figure, then one object per row with every field of
// the row.
TEST(AmortCommandLine, JsonCarriesTheRows) {
    const CalcRun run = Calc(Loan({"--json"}));
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string& json = run.out;
    EXPECT_EQ(json.rfind("{\"calculator\": \"amort\", \"fields\": {\"PV\": 1000, ", 0), 0u);
    for (const char* member :
         {"\"settings\": {\"RateBasis\": {\"code\": 0, \"text\": \"Ordinary\"}",
          "\"OneTimeFees\": 75", "\"YearEnding\": 12", "\"OptimizePmts\": false",
          "\"results\": {\"Unknown\": 4", "\"LastPmtDate\": \"2024-05-01\"",
          "\"apr\": {\"AmountOfLoan\": 1000", "\"NetAmountFinanced\": 919.35",
          "\"DisclosedRateApr\": ", "\"rows\": [{\"NumYears\": 1, \"TransDate\": \"2024-01-15\""}) {
        EXPECT_NE(json.find(member), std::string::npos) << member << "\n" << json;
    }
    const std::string rows = json.substr(json.find("\"rows\": ["));
    EXPECT_EQ(Count(rows, "{\"NumYears\": "), 4u);
    for (const TransRecColumn& column : TransRecColumns()) {
        EXPECT_EQ(Count(rows, "\"" + std::string(column.name) + "\": "), 4u) << column.name;
    }
    EXPECT_EQ(json.substr(json.size() - 4), "}]}\n");

    // A loan whose APR cannot be derived still prints its rows.
    const CalcRun single =
        Calc({"amort", "PV=1000", "NumPmts=1", "Rate=12", "PYR=Daily", "CmpPYR=Daily",
              "OrgDate=2024-01-15", "FirstPmtDate=2024-01-15", "--json"});
    ASSERT_EQ(single.code, 0) << single.err;
    EXPECT_NE(single.out.find("\"apr\": null, \"aprError\": \"Sorry, can't derive APR.\""),
              std::string::npos)
        << single.out;
}

TEST(AmortCommandLine, CsvPrintsTheRows) {
    const CalcRun run = Calc(Loan({"--csv"}));
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header, opening, first;
    std::getline(lines, header);
    std::getline(lines, opening);
    std::getline(lines, first);
    EXPECT_EQ(header,
              "NumYears,TransDate,TransNo,PmtNo,PmtNoYr,DueDate,CalcDueDt,PenaltyDt,CalcPenDt,Pmt,"
              "CalcPmt,PmtTrans,ExtraPmt,Advance,Principal,CalcPrin,Interest,AccruedInt,IntTrans,"
              "PrinBal,DaysLate,DaysSince,PerSince,Rate,RateChng,AccrualRt,AccPerRt,AccDlyRt,"
              "AccRtChng,MinPmtDue,Escrow,LatePenal,CalcLatePn,Other,RunningPmt,RunningExtraPmt,"
              "RunningPrincipal,RunningInt,RunningAccruedInt,PmtFreq,CmpFreq,Actual,TransType,"
              "UserID,ClientRef,Comment");
    // 1 000 at 1 % a month for 3 months from 15 January 2024, first paid 1 March: a long first
    // period of 1 month and 16 days.
    EXPECT_EQ(first, "1,2024-03-01,1,1,1/01,2024-03-01,TRUE,2024-03-01,TRUE,340.02,TRUE,TRUE,0,0,"
                     "330.02,TRUE,10,0,TRUE,669.98,0,30,1,12,FALSE,12,0.01,0,FALSE,0,0,0,FALSE,0,"
                     "345.67,0,330.02,15.65,0,6,6,FALSE,1,,,");
    EXPECT_EQ(opening.substr(0, 44), "1,2024-01-15,0,0,Init/1,2024-01-15,TRUE,2024");
    EXPECT_EQ(Count(run.out, "\n"), 5u); // header and four rows
    EXPECT_EQ(run.out.find("Amortization Schedule"), std::string::npos);
}

TEST(AmortCommandLine, RefusesWhatItCannotUse) {
    const struct {
        std::vector<std::string> more;
        const char* message;
    } cases[] = {
        {{"RateBasis=7"}, "RateBasis takes one of 0 Ordinary"},
        {{"PointsPaidMthd=0"}, "PointsPaidMthd takes one of 1 With Origination"},
        {{"YearEnding=13"}, "YearEnding takes a month"},
        {{"OptimizePmts=maybe"}, "OptimizePmts takes yes or no"},
        {{"BalloonPeriod=-1"}, "BalloonPeriod takes a whole number from 0 to 65535"},
        {{"OneTimeFees=-5"}, "OneTimeFees takes an amount of 0 or more"},
        {{"PYR=Fortnightly"}, ""},
        {{"--csv", "--json"}, "--json and --csv cannot be combined"},
        {{"--apr", "--csv"}, "--apr and --csv cannot be combined"},
        {{"Bogus=1"}, "amort has no field 'Bogus'"},
    };
    for (const auto& c : cases) {
        const CalcRun run = Calc(Loan(c.more));
        EXPECT_EQ(run.code, 2) << c.more.front() << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    // Settings by their list entries, in any case, are taken.
    const CalcRun texts = Calc(Loan(
        {"RateBasis=actual/365", "WeekendAdjust=Force Monday", "YearEnding=june", "USRule=yes"}));
    EXPECT_EQ(texts.code, 0) << texts.err;
    EXPECT_NE(texts.out.find("Rate Basis:                        Actual/365"), std::string::npos);
    // Other calculators offer none of the amortization switches.
    const CalcRun loan = Calc({"loan", "PV=1000", "NumPmts=12", "Rate=9", "--apr"});
    EXPECT_EQ(loan.code, 2);
    EXPECT_EQ(loan.err, "quarvex-calc: unknown argument '--apr'\n");
}

TEST(AmortCommandLine, CalculationErrorsExitWithOne) {
    const CalcRun run = Calc({"amort", "PV=0", "NumPmts=0", "Rate=9", "Pmt=0"});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(run.err.empty());
}

TEST(AmortCommandLine, FieldsListTheSettingsAndSwitches) {
    const CalcRun run = Calc({"amort", "--fields"});
    ASSERT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("NumPmts\tInitial &Periods? (#):\t"), std::string::npos);
    EXPECT_NE(run.out.find("\nRateBasis\tRate Basis?: 0 Ordinary"), std::string::npos);
    EXPECT_NE(run.out.find("\nOptimizePmts\t"), std::string::npos);
    EXPECT_NE(run.out.find("\n--apr\t"), std::string::npos);
    EXPECT_NE(run.out.find("\n--csv\t"), std::string::npos);
}

} // namespace
} // namespace quarvex::amortization::testing
