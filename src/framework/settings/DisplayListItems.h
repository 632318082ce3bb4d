#pragma once

#include <array>
#include <string_view>

// The items of the display lists that are not engine choices (those come with their
// enumerations in engine/EngineTypes.h). Index = code.
namespace quarvex::framework::list_items {

inline constexpr std::array<std::string_view, 2> kBoolean = {"False", "True"};
inline constexpr std::array<std::string_view, 2> kNoYes = {"No", "Yes"};
inline constexpr std::array<std::string_view, 4> kStartingDate = {
    "Today", "Last entered date", "First this month", "First next month"};
inline constexpr std::array<std::string_view, 6> kDepreciationMethod = {
    "Auto 150% DB", "Auto 200% DB", "150% DB", "200% DB", "Auto SL", "Straight Line"};
inline constexpr std::array<std::string_view, 3> kIrsConvention = {"Mid Year", "Mid Quarter",
                                                                   "Mid Month"};
inline constexpr std::array<std::string_view, 3> kFirstAmortizeLast = {"First", "Amortize", "Last"};
inline constexpr std::array<std::string_view, 2> kPrepaidAmortized = {"Pre Paid", "Amortized"};
inline constexpr std::array<std::string_view, 2> kDeductible = {"Deductible", "Not Deductible"};
inline constexpr std::array<std::string_view, 3> kAcceleration = {"No Acceleration", "Half Monthly",
                                                                  "Prepaid Principal"};
inline constexpr std::array<std::string_view, 3> kPointsAre = {"With Origination", "With First",
                                                               "Amortized"};
inline constexpr std::array<std::string_view, 2> kWithFirstAmortized = {"With First", "Amortized"};
inline constexpr std::array<std::string_view, 4> kOddDaysPaid = {"None", "With Origination",
                                                                 "With First", "Amortized"};
inline constexpr std::array<std::string_view, 6> kOddDaysCalc = {
    "No Odd Interest", "Prorated", "Simple 360", "Simple 365", "Compound 360", "Compound 365"};
inline constexpr std::array<std::string_view, 3> kShortPeriodPaid = {"No Reduction", "Reduce First",
                                                                     "Reduce All"};
inline constexpr std::array<std::string_view, 3> kShortPeriodCalc = {"Prorated", "Simple 360",
                                                                     "Simple 365"};
inline constexpr std::array<std::string_view, 3> kPaymentType = {"Normal", "Fixed",
                                                                 "Interest Only"};
inline constexpr std::array<std::string_view, 3> kTaxEffect = {"All Advantages", "No Depreciation",
                                                               "Not Considered"};
inline constexpr std::array<std::string_view, 2> kDaysPerYear = {"360/360", "Exact/365"};
inline constexpr std::array<std::string_view, 2> kCouponFrequency = {"Semiannually", "Annually"};
inline constexpr std::array<std::string_view, 3> kLastPaymentAdjust = {
    "No Adjustment", "Increase Payment", "Reduce Interest"};
inline constexpr std::array<std::string_view, 2> kIgnoreAdjust = {"Ignore", "Adjust"};
inline constexpr std::array<std::string_view, 13> kTwiceMonthly = {
    "1st & 15th",     "1st & 16th",       "15th & Last Day", "1st & 3rd Mon.", "1st & 3rd Tues.",
    "1st & 3rd Wed.", "1st & 3rd Thurs.", "1st & 3rd Fri.",  "2nd & 4th Mon.", "2nd & 4th Tues.",
    "2nd & 4th Wed.", "2nd & 4th Thurs.", "2nd & 4th Fri."};
inline constexpr std::array<std::string_view, 4> kWeekendAdjust = {"No Adjustment", "Closest Day",
                                                                   "Force Friday", "Force Monday"};
inline constexpr std::array<std::string_view, 3> kAccountSort = {"Account No", "Last Name",
                                                                 "First Name"};
inline constexpr std::array<std::string_view, 1> kLoanSort = {"Loan No"};

} // namespace quarvex::framework::list_items
