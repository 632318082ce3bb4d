#include "framework/masks/TMasks.h"

#include <array>

namespace quarvex::masks {

namespace {

struct MoneyMaskRow {
    std::array<std::uint16_t, 5> codes; // unused places 0, which is no country
    const char* mask;
};

// In these masks "c" is a currency-symbol position left of the number, "C" one right of it.
constexpr std::array<MoneyMaskRow, 8> kMoneyMasks = {{
    {{31}, "c###,###,###.##"},
    {{32, 46, 49, 354, 358}, "#,###,###.##CCC"},
    {{33}, "##,###,###.##CC"},
    {{34}, "###,###,###.CCC"},
    {{39}, "CC#,###,###,###"},
    {{41, 43}, "cc##,###,###.##"},
    {{45, 47, 55}, "ccc#,###,###.##"},
    {{351}, "###,###.##CCCCC"},
}};

} // namespace

std::string MoneyMaskForCountry(std::uint16_t countryCode) {
    for (const auto& row : kMoneyMasks) {
        for (const auto code : row.codes) {
            if (code != 0 && code == countryCode) {
                return row.mask;
            }
        }
    }
    return "$###,###,###.##";
}

std::string DateMaskFor(const NumberConventions& conventions) {
    const std::string s(1, conventions.dateSeparator);
    switch (conventions.dateOrder) {
    case DateOrder::DayMonthYear:
        return "dd" + s + "mm" + s + "yyyy";
    case DateOrder::YearMonthDay:
        return "yyyy" + s + "mm" + s + "dd";
    case DateOrder::MonthDayYear:
        break;
    }
    return "mm" + s + "dd" + s + "yyyy";
}

TMasks TMasks::ForCountry(std::uint16_t countryCode, const NumberConventions& conventions) {
    TMasks masks;
    masks.CountryCode = countryCode == 0 ? kDefaultCountryCode : countryCode;
    masks.MoneyMask = MoneyMaskForCountry(masks.CountryCode);
    masks.DateMask = DateMaskFor(conventions);
    return masks;
}

std::string TMasks::MaskFor(MaskKind kind, std::string_view designMask) const {
    if (!ReplacesDesignMasks()) {
        return std::string(designMask);
    }
    switch (kind) {
    case MaskKind::Money:
        return MoneyMask;
    case MaskKind::Rate:
        return RateMask;
    case MaskKind::Count:
        return CountMask;
    case MaskKind::Date:
        return DateMask;
    case MaskKind::LongMoney:
        return LongMoneyMask;
    case MaskKind::LongRate:
        return LongRateMask;
    case MaskKind::None:
        break;
    }
    return std::string(designMask);
}

} // namespace quarvex::masks
