#include "framework/masks/NumericPicture.h"

#include "framework/masks/DecimalText.h"
#include "framework/masks/NumberFormat.h"
#include "framework/masks/TypedNumber.h"

#include <charconv>
#include <cmath>

namespace quarvex::masks {

namespace {

std::string_view WithoutLeadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

std::string_view WithoutTrailingZeros(std::string_view digits) {
    const auto last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view{} : digits.substr(0, last + 1);
}

// The value of typed digits; infinite when they exceed a double.
double ValueOf(const TypedNumber& number) {
    std::string text = number.negative ? "-" : "";
    text += number.whole.empty() ? "0" : number.whole;
    if (!number.fraction.empty()) {
        text += "." + number.fraction;
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Only the too-large side can be reached: the digits are whole or a few decimals.
        return number.negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value == 0 ? 0.0 : value;
}

// Whether typed digits lie beyond the type's range on their side of zero. Compared as
// decimals, exactly: a double cannot tell the single's largest value from one above it.
bool ExceedsTypeRange(const TypedNumber& number, ValueType type) {
    const NumberRange range = RangeOf(type);
    const double bound = number.negative ? -range.lowest : range.highest;
    const std::string boundDigits = ToDecimalText(bound, 0).whole; // every bound is whole
    const std::string_view whole = WithoutLeadingZeros(number.whole);
    if (whole.size() != boundDigits.size()) {
        return whole.size() > boundDigits.size();
    }
    if (const int order = whole.compare(boundDigits); order != 0) {
        return order > 0;
    }
    return !WithoutTrailingZeros(number.fraction).empty();
}

// The number of whole digits of a positive type bound (5 for 32767, 39 for a single's
// largest value).
int WholeDigitsOf(double bound) {
    return static_cast<int>(ToDecimalText(std::fabs(bound), 0).whole.size());
}

} // namespace

NumericPicture::NumericPicture(std::string_view picture) : picture_(picture) {
    const auto bad = [&](const char* why) {
        return EBadPicture("The picture \"" + picture_ + "\" " + why + ".");
    };
    const auto bodyStart = picture.find_first_not_of("cC$");
    const auto bodyEnd = picture.find_last_not_of("cC$");
    if (bodyStart == std::string_view::npos) {
        throw bad("has no digit positions");
    }
    const std::string markers =
        std::string(picture.substr(0, bodyStart)) + std::string(picture.substr(bodyEnd + 1));
    for (const char marker : markers) {
        const auto place = marker == 'c'   ? CurrencyPlace::Left
                           : marker == 'C' ? CurrencyPlace::Right
                                           : CurrencyPlace::Local;
        if (currency_ != CurrencyPlace::None && currency_ != place) {
            throw bad("mixes currency positions");
        }
        currency_ = place;
    }
    bool afterPoint = false;
    std::vector<bool> separatorRightOf; // by whole digit, counted from the left
    for (const char c : picture.substr(bodyStart, bodyEnd + 1 - bodyStart)) {
        switch (c) {
        case '#':
            allowsSign_ = true;
            [[fallthrough]];
        case '9':
        case 'i':
            if (afterPoint) {
                ++decimals_;
            } else {
                ++wholeDigits_;
                separatorRightOf.push_back(false);
            }
            break;
        case ',':
            if (afterPoint || separatorRightOf.empty()) {
                throw bad("has a thousands separator outside the whole digits");
            }
            separatorRightOf.back() = true;
            break;
        case '.':
            if (afterPoint) {
                throw bad("has two decimal separators");
            }
            afterPoint = true;
            break;
        default:
            throw bad("has a character that is not part of a number picture");
        }
    }
    if (wholeDigits_ + decimals_ == 0) {
        throw bad("has no digit positions");
    }
    // Digit k from the right has a separator on its left when digit k + 1 has one on its right.
    for (int k = 0; k < wholeDigits_; ++k) {
        const int fromLeft = wholeDigits_ - 1 - k;
        separatorLeftOf_.push_back(fromLeft > 0 && separatorRightOf[fromLeft - 1]);
    }
}

void NumericPicture::CheckSuits(ValueType type) const {
    if (!IsNumeric(type)) {
        throw EBadPicture("The picture \"" + picture_ + "\" is for numbers.");
    }
    if (IsWholeNumber(type) && decimals_ > 0) {
        throw EBadPicture("The picture \"" + picture_ + "\" has decimals for a whole number.");
    }
}

std::string NumericPicture::Grouped(std::string_view wholeDigits,
                                    const NumberConventions& conventions) const {
    bool anySeparator = false;
    for (const bool separator : separatorLeftOf_) {
        anySeparator = anySeparator || separator;
    }
    // Past the picture's own digits (a value too wide for it) groups of three continue.
    const auto separatorLeftOf = [&](std::size_t k) {
        return k + 1 < separatorLeftOf_.size() ? static_cast<bool>(separatorLeftOf_[k])
                                               : anySeparator && (k + 1) % 3 == 0;
    };
    std::string grouped;
    for (std::size_t i = 0; i < wholeDigits.size(); ++i) {
        const std::size_t k = wholeDigits.size() - 1 - i; // counted from the right
        if (i > 0 && separatorLeftOf(k)) {
            grouped += conventions.thousandsSeparator;
        }
        grouped += wholeDigits[i];
    }
    return grouped;
}

std::string NumericPicture::Unsigned(std::string_view wholeDigits, std::string_view fraction,
                                     const NumberConventions& conventions) const {
    std::string text = Grouped(wholeDigits, conventions);
    if (decimals_ > 0) {
        text += conventions.decimalSeparator;
        text += fraction;
    }
    return text;
}

std::string NumericPicture::Format(double value, const NumberConventions& conventions) const {
    if (!std::isfinite(value)) {
        return kNotANumberText;
    }
    const DecimalText text = ToDecimalText(value, decimals_);
    const std::string number = Unsigned(text.whole, text.fraction, conventions);
    switch (currency_) {
    case CurrencyPlace::None:
        return text.negative ? "-" + number : number;
    case CurrencyPlace::Left:
        return AttachCurrency(number, text.negative, true, conventions);
    case CurrencyPlace::Right:
        return AttachCurrency(number, text.negative, false, conventions);
    case CurrencyPlace::Local:
        break;
    }
    return AttachCurrency(number, text.negative, conventions.symbolBefore, conventions);
}

bool NumericPicture::AllowsNegative(ValueType type) const {
    return allowsSign_ && RangeOf(type).lowest < 0;
}

// One end of the range: the largest number of the picture when its digits are fewer than
// the type's, the type's own bound otherwise.
std::string NumericPicture::Bound(double typeBound, ValueType type,
                                  const NumberConventions& conventions) const {
    const bool negative = typeBound < 0;
    std::string digits;
    std::string fraction(static_cast<std::size_t>(decimals_), '9');
    if (wholeDigits_ < WholeDigitsOf(typeBound)) {
        digits = wholeDigits_ == 0 ? "0" : std::string(static_cast<std::size_t>(wholeDigits_), '9');
    } else {
        const DecimalText text = ToDecimalText(typeBound, IsWholeNumber(type) ? 0 : decimals_);
        digits = text.whole;
        fraction = text.fraction;
    }
    return (negative ? "-" : "") + Unsigned(digits, fraction, conventions);
}

std::string NumericPicture::RangeMessage(ValueType type,
                                         const NumberConventions& conventions) const {
    const NumberRange range = RangeOf(type);
    const std::string lowest = AllowsNegative(type)
                                   ? Bound(range.lowest, type, conventions)
                                   : Unsigned("0", std::string(decimals_, '0'), conventions);
    const std::string highest = Bound(range.highest, type, conventions);
    return std::string(IsWholeNumber(type) ? "Enter a whole number from "
                                           : "Enter a number from ") +
           lowest + " to " + highest + ".";
}

NumericPicture::Reading NumericPicture::Read(std::string_view text, ValueType type,
                                             const NumberConventions& conventions) const {
    CheckSuits(type);
    if (TrimBlanks(text).empty()) {
        return {Fault::None, 0.0};
    }
    const auto number = ReadTypedNumber(text, conventions, false);
    if (!number) {
        return {Fault::NotANumber, 0.0};
    }
    const auto fraction = WithoutTrailingZeros(number->fraction);
    if (static_cast<int>(fraction.size()) > decimals_ || (decimals_ == 0 && number->hasPoint)) {
        return {IsWholeNumber(type) ? Fault::NotWhole : Fault::TooManyDecimals, 0.0};
    }
    const double value = ValueOf(*number);
    const bool fits = static_cast<int>(WithoutLeadingZeros(number->whole).size()) <= wholeDigits_ &&
                      (value >= 0 || AllowsNegative(type)) && !ExceedsTypeRange(*number, type);
    return {fits ? Fault::None : Fault::OutOfRange, value};
}

std::string NumericPicture::DecimalsMessage() const {
    return decimals_ == 0 ? std::string("Enter a number without decimals.")
                          : "Enter a number with at most " + std::to_string(decimals_) +
                                (decimals_ == 1 ? " decimal." : " decimals.");
}

Parsed<double> NumericPicture::Parse(std::string_view text, ValueType type,
                                     const NumberConventions& conventions) const {
    const Reading reading = Read(text, type, conventions);
    switch (reading.fault) {
    case Fault::None:
        return Parsed<double>::Success(reading.value);
    case Fault::TooManyDecimals:
        return Parsed<double>::Failure(DecimalsMessage());
    case Fault::NotANumber:
    case Fault::NotWhole:
    case Fault::OutOfRange:
        break;
    }
    return Parsed<double>::Failure(RangeMessage(type, conventions));
}

std::string NumericPicture::Refusal(std::string_view text, ValueType type,
                                    const NumberConventions& conventions) const {
    const Reading reading = Read(text, type, conventions);
    const std::string quoted = "\"" + std::string(TrimBlanks(text)) + "\" ";
    switch (reading.fault) {
    case Fault::None:
        return {};
    case Fault::TooManyDecimals:
        return DecimalsMessage();
    case Fault::NotANumber:
        return quoted + "is not a number. " + RangeMessage(type, conventions);
    case Fault::NotWhole:
        return quoted + "is not a whole number. " + RangeMessage(type, conventions);
    case Fault::OutOfRange:
        break;
    }
    return quoted + "is out of range. " + RangeMessage(type, conventions);
}

bool NumericPicture::AcceptsPartial(std::string_view text, ValueType type,
                                    const NumberConventions& conventions) const {
    CheckSuits(type);
    const auto number = ReadTypedNumber(text, conventions, true);
    if (!number || (number->negative && !AllowsNegative(type)) ||
        (decimals_ == 0 && number->hasPoint)) {
        return false;
    }
    if (static_cast<int>(WithoutTrailingZeros(number->fraction).size()) > decimals_ ||
        static_cast<int>(WithoutLeadingZeros(number->whole).size()) > wholeDigits_) {
        return false;
    }
    // More typing only moves the value away from zero, so a value already past the type's
    // range can never come back into it.
    return !ExceedsTypeRange(*number, type);
}

} // namespace quarvex::masks
