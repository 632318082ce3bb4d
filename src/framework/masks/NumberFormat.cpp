#include "framework/masks/NumberFormat.h"

#include "framework/masks/DecimalText.h"

#include <cmath>

namespace quarvex::masks {

namespace {

std::string Join(const std::string& whole, const DecimalText& text,
                 const NumberConventions& conventions) {
    return text.fraction.empty() ? whole : whole + conventions.decimalSeparator + text.fraction;
}

} // namespace

std::string FormatMoney(double value, int decimals, const NumberConventions& conventions) {
    if (!std::isfinite(value)) {
        return kNotANumberText;
    }
    const DecimalText text = ToDecimalText(value, decimals);
    const std::string number =
        Join(GroupThousands(text.whole, conventions.thousandsSeparator), text, conventions);
    return AttachCurrency(number, text.negative, conventions.symbolBefore, conventions);
}

std::string FormatNumber(double value, int decimals, const NumberConventions& conventions) {
    if (!std::isfinite(value)) {
        return kNotANumberText;
    }
    const DecimalText text = ToDecimalText(value, decimals);
    return (text.negative ? "-" : "") +
           Join(GroupThousands(text.whole, conventions.thousandsSeparator), text, conventions);
}

std::string FormatFixed(double value, int decimals, const NumberConventions& conventions) {
    if (!std::isfinite(value)) {
        return kNotANumberText;
    }
    const DecimalText text = ToDecimalText(value, decimals);
    return (text.negative ? "-" : "") + Join(text.whole, text, conventions);
}

} // namespace quarvex::masks
