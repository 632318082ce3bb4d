#include "calculators/EquRate.h"
#include "calculators/Intrst.h"
#include "calculators/PreVal.h"
#include "engine/FinanceErrors.h"
#include "framework/buffer/CalculatorController.h"
#include "framework/dates/Calendar.h"
#include "framework/settings/TbufGlobals.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

namespace quarvex::calculators {
namespace {

using framework::Choice;
using framework::Date;

struct SingleFormulaTest : ::testing::Test {
    testing::BufferFixture fixture;
};

TEST_F(SingleFormulaTest, InterestDaysAndDatesMoveTogether) {
    TcbInterest interest(fixture.context);
    interest.InitData();
    framework::DataRecord form = interest.Data();
    const auto march1 = dates::DMYToDayNumber(1, 3, 2021);
    EXPECT_EQ(form.Get<Date>(TcbInterest::StartDate).day, fixture.clock.Today());
    form.Set(TcbInterest::StartDate, Date{march1});
    interest.FormFieldChanged(form, TcbInterest::StartDate);
    form.Set(TcbInterest::NumDays, std::int32_t{30});
    interest.FormFieldChanged(form, TcbInterest::NumDays);
    EXPECT_EQ(form.Get<Date>(TcbInterest::EndDate).day, dates::DMYToDayNumber(31, 3, 2021));
    EXPECT_EQ(form.Get<std::string>(TcbInterest::EndDay), "Wednesday");

    form.Set(TcbInterest::EndDate, Date{dates::DMYToDayNumber(1, 4, 2021)});
    interest.FormFieldChanged(form, TcbInterest::EndDate);
    EXPECT_EQ(form.Get<std::int32_t>(TcbInterest::NumDays), 31);

    // Days below 1 count back from the end date.
    form.Set(TcbInterest::NumDays, std::int32_t{-10});
    interest.FormFieldChanged(form, TcbInterest::NumDays);
    EXPECT_EQ(form.Get<Date>(TcbInterest::StartDate).day, dates::DMYToDayNumber(22, 3, 2021));
    EXPECT_EQ(form.Get<std::int32_t>(TcbInterest::NumDays), 10);
}

TEST_F(SingleFormulaTest, InterestRateBasisDefaultsMapByTheirDays) {
    TcbInterest interest(fixture.context);
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 1}};
    for (const auto& [basis, expected] : cases) {
        interest.Options().localDefaults[2] = Choice{basis};
        interest.UseLocalDefaults();
        EXPECT_EQ(interest.Data().Get<Choice>(TcbInterest::RateBasis).index, expected) << basis;
    }
    framework::TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(framework::GlobalSetting::RateBasis, std::int32_t{4});
    settings.SaveToRegistry(fixture.store);
    interest.UseGlobalDefaults();
    EXPECT_EQ(interest.Data().Get<Choice>(TcbInterest::RateBasis).index, 1);
}

TEST_F(SingleFormulaTest, EquivalentRateKeepsTheInputsOnABadCompounding) {
    TcbEquRate rates(fixture.context);
    rates.Data().Set(TcbEquRate::NominalRate, 9.5);
    rates.Data().Set(TcbEquRate::CmpPYR, Choice{11});
    EXPECT_THROW(rates.Calculate(), engine::EFinance);
    EXPECT_EQ(rates.Data().Get<double>(TcbEquRate::NominalRate), 9.5);
    EXPECT_EQ(rates.Data().Get<Choice>(TcbEquRate::CmpPYR).index, 11);
}

TEST_F(SingleFormulaTest, PresentValueWithoutRateIsTheAmount) {
    TcbPreValAmt preval(fixture.context);
    preval.Data().Set(TcbPreValAmt::FV, 5000.0);
    preval.Data().Set(TcbPreValAmt::NumPmts, std::int16_t{12});
    preval.Data().Set(TcbPreValAmt::CmpPYR, Choice{11}); // even "Simple" needs no count here
    preval.Calculate();
    EXPECT_EQ(preval.Data().Get<double>(TcbPreValAmt::PVA), 5000.0);
    EXPECT_TRUE(fixture.messages.shown.empty());
}

TEST_F(SingleFormulaTest, EveryCalculatorOpensOnMonthlyLocalDefaults) {
    for (const auto& [stem, make] : std::vector<
             std::pair<const char*, std::function<std::unique_ptr<framework::CalcBuffer>()>>>{
             {"interest",
              [&] {
                  return std::make_unique<TcbInterest>(fixture.context);
              }},
             {"equrate",
              [&] {
                  return std::make_unique<TcbEquRate>(fixture.context);
              }},
             {"preval",
              [&] {
                  return std::make_unique<TcbPreValAmt>(fixture.context);
              }},
         }) {
        const auto buffer = make();
        for (std::size_t i = 0; i < buffer->Spec().localDefaults.size(); ++i) {
            const auto& local = buffer->Spec().localDefaults[i];
            if (local.prompt == "Compounding Perio&d?:") {
                EXPECT_EQ(std::get<Choice>(buffer->Options().localDefaults[i]).index, 6) << stem;
            }
        }
    }
}

} // namespace
} // namespace quarvex::calculators
