#pragma once

#include "framework/settings/DisplayListId.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quarvex::framework {

// The program-wide default values edited in the "Global Settings" dialog, in row order.
enum class GlobalSetting {
    AnnualRate,             //  1 page 1
    Points,                 //  2
    PointsAre,              //  3
    PaymentPeriod,          //  4
    CompoundingPeriod,      //  5
    PaymentMethod,          //  6
    AmortizingMethod,       //  7
    OddDaysPaidWhen,        //  8
    OddDaysCalculation,     //  9
    ShortPeriodPaidHow,     // 10
    ShortPeriodCalculation, // 11
    RateBasis,              // 12 page 2
    DaysPerYear,            // 13
    AccelerationMethod,     // 14
    ApplyUSRule,            // 15
    AccelerationPercentage, // 16
    PurchasePrice,          // 17
    PriceIsPerUnits,        // 18
    InterestRateIs,         // 19
    MarginalTaxRate,        // 20
    InflationRate,          // 21
    StartingDate,           // 22
    TwiceMonthlyDays,       // 23
    BusinessUse,            // 24 page 3
    DepreciationMethod,     // 25
    IrsConvention,          // 26
    AmountOfLoan,           // 27
    TaxEffect,              // 28
    FirstInterestRate,      // 29
    SecondInterestRate,     // 30
    DataPath,               // 31
    Deductible,             // 32
    DiscountRate,           // 33
    PreparedBy,             // 34
};

inline constexpr std::size_t kGlobalSettingCount = 34;

// How a setting is held in memory. Singles and doubles are stored as reals, small and
// 32-bit integers and list indexes as integers, texts as texts.
enum class SettingKind { Single, Double, SmallInteger, Integer, ListIndex, Text };

// One row of the settings dialog: everything the dialog, the store and the calculators need
// to know about a setting.
struct GlobalSettingRow {
    GlobalSetting id;
    int page;                   // 1 to 3
    std::string_view prompt;    // the row caption
    std::string_view valueName; // the stored value's name (the prompt, except rows 10 and 11)
    std::string_view control;   // the dialog control's name
    SettingKind kind;
    DisplayListId list;    // ListIndex rows only
    double publisherValue; // the value before anything is stored (texts: empty)
    std::string_view mask; // entry picture of numeric rows
    std::size_t maxLength; // Text rows: at most this many characters
    int helpContext;       // 0: the dialog's own topic
};

inline constexpr std::array<std::string_view, 3> kGlobalSettingsPageCaptions = {"1/3", "2/3",
                                                                                "3/3"};
inline constexpr std::string_view kPercentMask = "##.####";
inline constexpr std::string_view kWholePercentMask = "iii";
inline constexpr std::string_view kUnitCountMask = "iii,iii,iii";
// The default money picture; the country's money mask replaces it when masks are localised.
inline constexpr std::string_view kDefaultMoneyMask = "$###,###,###.##";
inline constexpr int kGlobalSettingsHelpContext = 338;
inline constexpr int kDataPathHelpContext = 429;

// All 34 rows, in dialog order (index = GlobalSetting).
std::span<const GlobalSettingRow, kGlobalSettingCount> GlobalSettingRows();

const GlobalSettingRow& RowOf(GlobalSetting setting);

} // namespace quarvex::framework
