#include "calculators/AccPmt.h"
#include "calculators/AffHse.h"
#include "calculators/BallPmt.h"
#include "calculators/IntRat.h"
#include "calculators/Loan.h"
#include "calculators/PayReq.h"
#include "calculators/PreVal.h"
#include "calculators/Rembal.h"
#include "calculators/SecMor.h"
#include "engine/FinanceErrors.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quarvex::calculators {
namespace {

using framework::CalcBuffer;
using framework::DataRecord;

// A calculator, a question it answers, and one of its counts turned negative.
struct CountCase {
    const char* what;
    std::function<std::unique_ptr<CalcBuffer>(framework::BufferContext&)> make;
    std::function<void(DataRecord&)> answerable;
    std::size_t count;
    const char* message;
};

template <class Buffer> auto Make() {
    return [](framework::BufferContext& context) -> std::unique_ptr<CalcBuffer> {
        return std::make_unique<Buffer>(context);
    };
}

TEST(CountRefusals, EveryCalculatorNamesTheNegativeCountAndKeepsItsRecord) {
    const char* term = "Term can't be negative.";
    const char* period = "A payment number can't be negative.";
    const auto loan = [](DataRecord& d) {
        d.Set(TcbLoan::PV, 10000.0);
        d.Set(TcbLoan::NumPmts, std::int16_t{36});
        d.Set(TcbLoan::Rate, 10.0f);
    };
    const auto accelerated = [](DataRecord& d) {
        d.Set(TcbAccPmt::PV, 100000.0);
        d.Set(TcbAccPmt::NumPmts, std::int16_t{360});
        d.Set(TcbAccPmt::Rate, 6.0f);
        d.Set(TcbAccPmt::IncAfter, std::int16_t{1});
        d.Set(TcbAccPmt::ExtraPd, 100.0);
    };
    const auto balance = [](DataRecord& d) {
        d.Set(TcbRemBal::PV, 10000.0);
        d.Set(TcbRemBal::NumPmts, std::int16_t{36});
        d.Set(TcbRemBal::Rate, 10.0f);
        d.Set(TcbRemBal::BalAfter, std::int16_t{12});
    };
    const CountCase cases[] = {
        {"loan", Make<TcbLoan>(), loan, TcbLoan::NumPmts, term},
        {"accelerated, term", Make<TcbAccPmt>(), accelerated, TcbAccPmt::NumPmts, term},
        {"accelerated, first extra", Make<TcbAccPmt>(), accelerated, TcbAccPmt::IncAfter, period},
        {"remaining balance, term", Make<TcbRemBal>(), balance, TcbRemBal::NumPmts, term},
        {"remaining balance, after", Make<TcbRemBal>(), balance, TcbRemBal::BalAfter, period},
        {"second mortgage", Make<TcbSecMor>(),
         [](DataRecord& d) {
             d.Set(TcbSecMor::PP, 250000.0);
             d.Set(TcbSecMor::CA, 50000.0);
             d.Set(TcbSecMor::FM, 150000.0);
             d.Set(TcbSecMor::FT, std::int16_t{360});
             d.Set(TcbSecMor::FIR, 6.0f);
             d.Set(TcbSecMor::SIR, 9.0f);
         },
         TcbSecMor::FT, term},
        {"balloon", Make<TcbBallPmt>(),
         [](DataRecord& d) {
             d.Set(TcbBallPmt::PV, 100000.0);
             d.Set(TcbBallPmt::Rate, 6.0f);
             d.Set(TcbBallPmt::FV, 50000.0);
             d.Set(TcbBallPmt::PeriodDue, std::int16_t{60});
         },
         TcbBallPmt::PeriodDue, term},
        {"affordable house", Make<TcbAffHse>(),
         [](DataRecord& d) {
             d.Set(TcbAffHse::AnnualIncome, 60000.0);
             d.Set(TcbAffHse::Rate, 6.0f);
             d.Set(TcbAffHse::NumPmts, std::int16_t{360});
             d.Set(TcbAffHse::PercentIncome, 28.0f);
         },
         TcbAffHse::NumPmts, term},
        {"payment required", Make<TcbPayReq>(),
         [](DataRecord& d) {
             d.Set(TcbPayReq::FV, 10000.0);
             d.Set(TcbPayReq::NumPmts, std::int16_t{120});
             d.Set(TcbPayReq::Rate, 6.0f);
         },
         TcbPayReq::NumPmts, term},
        {"present value", Make<TcbPreValAmt>(),
         [](DataRecord& d) {
             d.Set(TcbPreValAmt::FV, 10000.0);
             d.Set(TcbPreValAmt::NumPmts, std::int16_t{10});
             d.Set(TcbPreValAmt::Rate, 5.0f);
         },
         TcbPreValAmt::NumPmts, term},
        {"interest rate", Make<TcbIntRate>(),
         [](DataRecord& d) {
             d.Set(TcbIntRate::AmtInv, 1000.0);
             d.Set(TcbIntRate::AmtRet, 2000.0);
             d.Set(TcbIntRate::NumPmts, std::int16_t{10});
         },
         TcbIntRate::NumPmts, term},
    };
    for (const CountCase& c : cases) {
        testing::BufferFixture fixture;
        const auto buffer = c.make(fixture.context);
        buffer->InitData();
        c.answerable(buffer->Data());
        ASSERT_NO_THROW(buffer->Calculate()) << c.what;
        buffer->Data().Set(c.count, std::int16_t{-10});
        const DataRecord before = buffer->Data();
        try {
            buffer->Calculate();
            ADD_FAILURE() << c.what << ": a negative count was answered";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), c.message) << c.what;
        }
        EXPECT_TRUE(buffer->Data() == before) << c.what;
    }
}

TEST(CountRefusals, AffordableHouseAsksForTheIncomeFirstAndNeverShowsInf) {
    testing::BufferFixture fixture;
    TcbAffHse house(fixture.context);
    house.InitData();
    try {
        house.Calculate();
        ADD_FAILURE() << "a blank form was answered";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Buyers Annual Income can't be Zero ");
    }
    // Cash as large as a stored setting can hold: all of the price is cash.
    DataRecord& data = house.Data();
    data.Set(TcbAffHse::AnnualIncome, 60000.0);
    data.Set(TcbAffHse::Rate, 6.0f);
    data.Set(TcbAffHse::NumPmts, std::int16_t{360});
    data.Set(TcbAffHse::PercentIncome, 28.0f);
    data.Set(TcbAffHse::CashAvailable, 1e308);
    house.Calculate();
    EXPECT_EQ(data.Get<std::string>(TcbAffHse::Share), "Cash Available is 100.00% of House Price.");
    data.Set(TcbAffHse::CashAvailable, -1e308);
    EXPECT_THROW(house.Calculate(), engine::ENegativeCash);
    EXPECT_EQ(house.CopyText().find("inf"), std::string::npos);
}

} // namespace
} // namespace quarvex::calculators
