#include "amortization/calculator/LoanSettingSpecs.h"

#include "engine/EngineTypes.h"
#include "framework/settings/DisplayListItems.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace quarvex::amortization {

namespace {

namespace items = framework::list_items;

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

template <auto Member> int Get(const AmortSettings& s) {
    return static_cast<int>(s.*Member);
}

template <auto Member> void Set(AmortSettings& s, int code) {
    using Type = std::remove_reference_t<decltype(s.*Member)>;
    if constexpr (std::is_same_v<Type, bool>) {
        s.*Member = code != 0;
    } else {
        s.*Member = static_cast<Type>(code);
    }
}

#define QV_ACCESS(member) &Get<&AmortSettings::member>, &Set<&AmortSettings::member>

const std::array<LoanSettingSpec, 12> kSettings = {{
    {"RateBasis", "Rate Basis?:", "Rate Basis?:", engine::kInterestBasisNames, 0, 0, false,
     QV_ACCESS(RateBasis)},
    {"AccelMthd", "Loan Acceleration Method?:", "Loan Acceleration Method?:", items::kAcceleration,
     0, 0, false, QV_ACCESS(AccelMthd)},
    {"PointsPaidMthd", "&Points Paid How?:", "Points Are?:", items::kPointsAre, 1, 1, false,
     QV_ACCESS(PointsPaidMthd)},
    {"TwiceMonthly", "Twice Monthly Days?:", "&Twice monthly payment days?:", items::kTwiceMonthly,
     0, 0, false, QV_ACCESS(TwiceMonthly)},
    {"WeekendAdjust", "Weekend Adjustment Method?:", "Weekend Adjustment Method?:",
     items::kWeekendAdjust, 0, 0, false, QV_ACCESS(WeekendAdjust)},
    {"AdjustLastMthd", "Last Period Adjusting Method?:", "Last Period Adjusting Method?:",
     items::kLastPaymentAdjust, 0, 1, false, QV_ACCESS(AdjustLastMthd)},
    {"USRule", "Apply US Rule?:", "Apply US Rule?:", items::kNoYes, 0, 0, true, QV_ACCESS(USRule)},
    {"LastDayMonthMthd", "Last Day of Month Adjustment?:", "Last Day of Month Adjustment?:",
     items::kIgnoreAdjust, 0, 1, false, QV_ACCESS(LastDayMonthMthd)},
    {"LongInterestPmtMthd", "Odd Days Interest Paid When?:", "Odd Days Interest Paid When?:",
     items::kOddDaysPaid, 0, 1, false, QV_ACCESS(LongInterestPmtMthd)},
    {"LongInterestCalcMthd", "Odd Days Interest Calculation?:", "Odd Days Interest Calculation?:",
     items::kOddDaysCalc, 0, 4, false, QV_ACCESS(LongInterestCalcMthd)},
    {"ShortInterestPmtMthd", "Short Period Interest Paid How?:", "Short Period Interest Paid How?:",
     items::kShortPeriodPaid, 0, 1, false, QV_ACCESS(ShortInterestPmtMthd)},
    {"ShortInterestCalcMthd", "Short Period Interest Calculation?:",
     "Short Period Interest Calculation?:", items::kShortPeriodCalc, 1, 2, false,
     QV_ACCESS(ShortInterestCalcMthd)},
}};

#undef QV_ACCESS

} // namespace

std::string_view LoanSettingSpec::TextOf(int code) const {
    return IsCode(code) ? items[static_cast<std::size_t>(code - firstCode)] : std::string_view();
}

std::optional<int> LoanSettingSpec::CodeOf(std::string_view text) const {
    int code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (error == std::errc() && end == text.data() + text.size()) {
        return IsCode(code) ? std::optional<int>(code) : std::nullopt;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (SameText(items[i], text)) {
            return firstCode + static_cast<int>(i);
        }
    }
    if (storedAsBoolean) { // a truth value also reads as yes or no
        if (SameText(text, "true") || SameText(text, "on")) {
            return 1;
        }
        if (SameText(text, "false") || SameText(text, "off")) {
            return 0;
        }
    }
    return std::nullopt;
}

std::span<const LoanSettingSpec> LoanSettingSpecs() {
    return kSettings;
}

} // namespace quarvex::amortization
