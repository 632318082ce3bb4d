#pragma once

#include "amortization/AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/database/AmortTables.h"
#include "amortization/database/TAmortDatabase.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

// A fresh data folder per test, record stamps fixed at 1 March 2024 14:05:09, and loans
// calculated by the engine.
namespace quarvex::amortization::database::testing {

using amortization::testing::Day;
using amortization::testing::ParseLoan;
using amortization::testing::TestContext;

inline constexpr int kStampSecond = 14 * 3600 + 5 * 60 + 9; // 14:05:09

inline RecordStamp FixedStamp() {
    return RecordStamp{Day(2024, 3, 1), kStampSecond};
}

inline AmortDatabaseOptions TestOptions() {
    AmortDatabaseOptions options;
    options.stamp = FixedStamp;
    options.lockTimeout = std::chrono::milliseconds(2000);
    return options;
}

// A calculated loan: its calculator state, results and rows.
struct CalculatedLoan {
    LoanCalculation calculation;
    AmortResults results;
    TAmortSchedule schedule;

    TLoanRec Record(std::string_view loanNo = {}) const {
        return MakeLoanRec(loanNo, calculation, results);
    }
};

// The loan of ParseLoan's words (AmortTestSupport.h), calculated.
inline CalculatedLoan Calculate(std::string_view words, double oneTimeFees = 0) {
    CalculatedLoan loan;
    loan.calculation.inputs = ParseLoan(words);
    loan.calculation.OneTimeFees = oneTimeFees;
    loan.results = CalculateSchedule(loan.calculation.inputs, loan.schedule, TestContext());
    return loan;
}

class DatabaseTest : public ::testing::Test {
protected:
    std::unique_ptr<TAmortDatabase> Open(AmortDatabaseOptions options = TestOptions()) {
        return std::make_unique<TAmortDatabase>(folder_.Path(), std::move(options));
    }
    TAmortDatabase& Db() {
        if (!database_) {
            database_ = Open();
        }
        return *database_;
    }
    // Drops the open tables, so that the next Db() reads the files afresh.
    void Reopen() { database_.reset(); }

    std::string NewAccount(const std::string& first, const std::string& last) {
        TAccountRec account;
        account.FirstName = first;
        account.LastName = last;
        return Db().AddAccount(account);
    }

    quarvex::testing::TempDirectory folder_;
    std::unique_ptr<TAmortDatabase> database_;
};

} // namespace quarvex::amortization::database::testing
