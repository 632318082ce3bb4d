#include "framework/settings/GlobalSettingsTable.h"

namespace quarvex::framework {

namespace {

using G = GlobalSetting;
using K = SettingKind;
using L = DisplayListId;

constexpr GlobalSettingRow Number(G id, int page, std::string_view prompt, std::string_view control,
                                  K kind, std::string_view mask) {
    return {id, page, prompt, prompt, control, kind, L::None, 0, mask, 0, 0};
}

constexpr GlobalSettingRow Choice(G id, int page, std::string_view prompt, std::string_view control,
                                  L list, int publisherCode) {
    return {id, page, prompt, prompt, control, K::ListIndex, list, double(publisherCode), "", 0, 0};
}

// Rows 10 and 11 are stored crosswise: each under the other's prompt.
constexpr GlobalSettingRow StoredUnder(GlobalSettingRow row, std::string_view valueName) {
    row.valueName = valueName;
    return row;
}

constexpr std::string_view kShortPaidPrompt = "Short Period Interest Paid How?:";
constexpr std::string_view kShortCalcPrompt = "Short Period Interest Calculation?:";

constexpr std::array<GlobalSettingRow, kGlobalSettingCount> kRows = {{
    Number(G::AnnualRate, 1, "Annual &Rate? (%):", "oedDefaultRate", K::Single, kPercentMask),
    Number(G::Points, 1, "P&oints? (%):", "oedDefaultPoints", K::Single, kPercentMask),
    Choice(G::PointsAre, 1, "Points Are?:", "cbxDefaultPointsAre", L::PointsAre, 1),
    Choice(G::PaymentPeriod, 1, "Payme&nt Period?:", "cbxDefaultPYR", L::PaymentPeriod, 5),
    Choice(G::CompoundingPeriod, 1, "Compounding Perio&d?:", "cbxDefaultCmpPYR", L::Compounding, 6),
    Choice(G::PaymentMethod, 1, "Payment &Method?:", "cbxDefaultPmtMthd", L::PaymentTiming, 0),
    Choice(G::AmortizingMethod, 1, "Amorti&zing Method?:", "cbxDefaultAmortMthd", L::AmortMethod,
           0),
    Choice(G::OddDaysPaidWhen, 1, "Odd Days Interest Paid When?:", "cbxDefaultLongInterestPmtMthd",
           L::OddDaysPaid, 1),
    Choice(G::OddDaysCalculation, 1,
           "Odd Days Interest Calculation?:", "cbxDefaultLongInterestCalcMthd", L::OddDaysCalc, 4),
    StoredUnder(Choice(G::ShortPeriodPaidHow, 1, kShortPaidPrompt, "cbxDefaultShortInterestPmtMthd",
                       L::ShortPeriodPaid, 1),
                kShortCalcPrompt),
    StoredUnder(Choice(G::ShortPeriodCalculation, 1, kShortCalcPrompt,
                       "cbxDefaultShortInterestCalcMthd", L::ShortPeriodCalc, 2),
                kShortPaidPrompt),
    Choice(G::RateBasis, 2, "Rate &Basis?:", "cbxDefaultRateBasis", L::RateBasis, 0),
    Choice(G::DaysPerYear, 2, "Days Per Year?:", "cbxDefaultDaysperyear", L::DaysPerYear, 0),
    Choice(G::AccelerationMethod, 2, "Loan Acceleration Method?:", "cbxDefaultAccelMthd",
           L::Acceleration, 0),
    Choice(G::ApplyUSRule, 2, "Apply US Rule?:", "cbxUSRule", L::Boolean, 0),
    Number(G::AccelerationPercentage, 2, "Acceleration Percen&tage? (%):", "oedDefaultAccelPct",
           K::SmallInteger, kWholePercentMask),
    Number(G::PurchasePrice, 2, "Purcha&se Price?:", "oedDefaultPrice", K::Double,
           kDefaultMoneyMask),
    Number(G::PriceIsPerUnits, 2, "P&rice is Per # of Units?:", "oedDefaultUnitLotSize", K::Integer,
           kUnitCountMask),
    // No calculator reads this row; it offers the odd-days calculation methods.
    Choice(G::InterestRateIs, 2, "&Interest Rate Is?:", "cbxDefaultRateType", L::OddDaysCalc, 4),
    Number(G::MarginalTaxRate, 2, "Mar&ginal Tax Rate? (%):", "oedDefaultMarginalTaxRate",
           K::Single, kPercentMask),
    Number(G::InflationRate, 2, "&Inflation Rate ? (%): ", "oedDefaultInflationRate", K::Single,
           kPercentMask),
    Choice(G::StartingDate, 2, "Use for &Starting Date?:", "cbxDefaultStartingDate",
           L::StartingDate, 2),
    Choice(G::TwiceMonthlyDays, 2, "&Twice monthly payment days?:", "cbxDefaultTwiceMonthly",
           L::TwiceMonthly, 0),
    Number(G::BusinessUse, 3, "Bus&iness Use? (%):", "oedDefaultBusinessUsePct", K::SmallInteger,
           kWholePercentMask),
    Choice(G::DepreciationMethod, 3, "&Depreciation Method?:", "cbxDefaultDepreciationMthd",
           L::DepreciationMethod, 3),
    Choice(G::IrsConvention, 3, "IRS Con&vention?:", "cbxDefaultIRSConvention", L::IrsConvention,
           0),
    Number(G::AmountOfLoan, 3, "&Amount of Loan?:", "oedDefaultPV", K::Double, kDefaultMoneyMask),
    Choice(G::TaxEffect, 3, "Tax Effect?:", "cbxDefaultTaxEffect", L::TaxEffect, 0),
    Number(G::FirstInterestRate, 3, "First &Interest Rate? (%):", "oedDefaultFIR", K::Single,
           kPercentMask),
    Number(G::SecondInterestRate, 3, "&Second Interest Rate? (%):", "oedDefaultSIR", K::Single,
           kPercentMask),
    {G::DataPath, 3, "Data Path:", "Data Path:", "oedDataPath", K::Text, L::None, 0, "", 255,
     kDataPathHelpContext},
    Choice(G::Deductible, 3, "I&nterest && Points are?:", "cbxDefaultDeduct", L::Deductible, 0),
    Number(G::DiscountRate, 3, "&Discount Rate? (%):", "oedDefaultDiscountRate", K::Single,
           kPercentMask),
    {G::PreparedBy, 3, "Prepared By:", "Prepared By:", "oedPreparedBy", K::Text, L::None, 0, "", 40,
     0},
}};

constexpr bool RowsAreInOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsAreInOrder(), "the rows must be in GlobalSetting order");

} // namespace

std::span<const GlobalSettingRow, kGlobalSettingCount> GlobalSettingRows() {
    return kRows;
}

const GlobalSettingRow& RowOf(GlobalSetting setting) {
    return kRows.at(static_cast<std::size_t>(setting));
}

} // namespace quarvex::framework
