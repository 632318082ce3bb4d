#include "framework/settings/DisplayLists.h"

#include "engine/EngineTypes.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

using Id = DisplayListId;

struct ListCase {
    Id id;
    std::vector<std::string> items;
};

TEST(DisplayLists, HoldTheProgramsItemsInCodeOrder) {
    const std::vector<ListCase> cases = {
        {Id::PaymentPeriod,
         {"Daily", "Weekly", "BiWeekly", "Twice Monthly", "Every 4 Weeks", "Monthly", "BiMonthly",
          "Quarterly", "Semiannually", "Annually"}},
        {Id::Compounding,
         {"Continuous", "Daily", "Weekly", "BiWeekly", "Twice Monthly", "Every 4 Weeks", "Monthly",
          "BiMonthly", "Quarterly", "Semiannually", "Annually", "Simple"}},
        {Id::RateBasis, {"Ordinary", "Ordinary/365", "Ordinary/360", "Actual/360", "Actual/365"}},
        {Id::PaymentTiming, {"Arrears", "Advance"}},
        {Id::AmortMethod,
         {"Normal", "Canadian", "Fixed Principal", "Interest Only", "No Interest", "Rule of 78's"}},
        {Id::DaysList365First, {"365", "360"}},
        {Id::DaysList360First, {"360", "365"}},
        {Id::Boolean, {"False", "True"}},
        {Id::NoYes, {"No", "Yes"}},
        {Id::StartingDate, {"Today", "Last entered date", "First this month", "First next month"}},
        {Id::DepreciationMethod,
         {"Auto 150% DB", "Auto 200% DB", "150% DB", "200% DB", "Auto SL", "Straight Line"}},
        {Id::IrsConvention, {"Mid Year", "Mid Quarter", "Mid Month"}},
        {Id::FirstAmortizeLast, {"First", "Amortize", "Last"}},
        {Id::PrepaidAmortized, {"Pre Paid", "Amortized"}},
        {Id::Deductible, {"Deductible", "Not Deductible"}},
        {Id::Acceleration, {"No Acceleration", "Half Monthly", "Prepaid Principal"}},
        {Id::PointsAre, {"With Origination", "With First", "Amortized"}},
        {Id::WithFirstAmortized, {"With First", "Amortized"}},
        {Id::OddDaysPaid, {"None", "With Origination", "With First", "Amortized"}},
        {Id::OddDaysCalc,
         {"No Odd Interest", "Prorated", "Simple 360", "Simple 365", "Compound 360",
          "Compound 365"}},
        {Id::ShortPeriodPaid, {"No Reduction", "Reduce First", "Reduce All"}},
        {Id::ShortPeriodCalc, {"Prorated", "Simple 360", "Simple 365"}},
        {Id::PaymentType, {"Normal", "Fixed", "Interest Only"}},
        {Id::TaxEffect, {"All Advantages", "No Depreciation", "Not Considered"}},
        {Id::DaysPerYear, {"360/360", "Exact/365"}},
        {Id::CouponFrequency, {"Semiannually", "Annually"}},
        {Id::LastPaymentAdjust, {"No Adjustment", "Increase Payment", "Reduce Interest"}},
        {Id::IgnoreAdjust, {"Ignore", "Adjust"}},
        {Id::TwiceMonthly,
         {"1st & 15th", "1st & 16th", "15th & Last Day", "1st & 3rd Mon.", "1st & 3rd Tues.",
          "1st & 3rd Wed.", "1st & 3rd Thurs.", "1st & 3rd Fri.", "2nd & 4th Mon.",
          "2nd & 4th Tues.", "2nd & 4th Wed.", "2nd & 4th Thurs.", "2nd & 4th Fri."}},
        {Id::WeekendAdjust, {"No Adjustment", "Closest Day", "Force Friday", "Force Monday"}},
        {Id::AccountSort, {"Account No", "Last Name", "First Name"}},
        {Id::LoanSort, {"Loan No"}},
    };
    ASSERT_EQ(cases.size(), kDisplayListCount) << "every list is checked";
    const DisplayLists& lists = DisplayLists::Standard();
    for (const auto& c : cases) {
        EXPECT_EQ(lists.Get(c.id), c.items) << DisplayLists::NameOf(c.id);
    }
}

TEST(DisplayLists, EngineChoicesAreTheirListCodes) {
    const DisplayLists& lists = DisplayLists::Standard();
    using engine::AmortMethod;
    using engine::Compounding;
    using engine::InterestBasis;
    using engine::PaymentFrequency;
    EXPECT_EQ(lists.CodeOf(Id::PaymentPeriod, "Monthly"), int(PaymentFrequency::Monthly));
    EXPECT_EQ(lists.CodeOf(Id::Compounding, "Simple"), int(Compounding::Simple));
    EXPECT_EQ(lists.CodeOf(Id::RateBasis, "Actual/365"), int(InterestBasis::Actual365));
    EXPECT_EQ(lists.CodeOf(Id::AmortMethod, "Rule of 78's"), int(AmortMethod::RuleOf78s));
    EXPECT_EQ(lists.CodeOf(Id::RateBasis, "Actual/Actual"), std::nullopt);
    EXPECT_EQ(lists.ItemOf(Id::TwiceMonthly, 12), "2nd & 4th Fri.");
    EXPECT_EQ(lists.ItemOf(Id::TwiceMonthly, 13), std::nullopt);
    EXPECT_EQ(lists.ItemOf(Id::TwiceMonthly, -1), std::nullopt);
    EXPECT_THROW(lists.Get(Id::None), std::out_of_range);
}

TEST(DisplayLists, CopiesBelongToTheirHolder) {
    DisplayList copy = DisplayLists::Standard().Copy(Id::NoYes);
    copy.push_back("Maybe");
    EXPECT_EQ(DisplayLists::Standard().Get(Id::NoYes).size(), 2u);
}

} // namespace
} // namespace quarvex::framework
