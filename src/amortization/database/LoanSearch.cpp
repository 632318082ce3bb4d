#include "amortization/database/LoanSearch.h"

#include "amortization/database/DateFields.h"
#include "amortization/database/FieldValues.h"
#include "framework/dates/DateText.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace quarvex::amortization::database {

namespace {

dbase::Comparison ToComparison(LoanComparison comparison) {
    switch (comparison) {
    case LoanComparison::Greater:
        return dbase::Comparison::Greater;
    case LoanComparison::Less:
        return dbase::Comparison::Less;
    case LoanComparison::Equal:
        break;
    }
    return dbase::Comparison::Equal;
}

// One or two digits (day, month) or two or four (year) between the slashes.
std::optional<int> Digits(std::string_view text, std::size_t shortest, std::size_t longest) {
    if (text.size() < shortest || text.size() > longest) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<dbase::Date> SearchDate(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto month = Digits(text.substr(0, first), 1, 2);
    const auto day = Digits(text.substr(first + 1, second - first - 1), 1, 2);
    const std::string_view yearText = text.substr(second + 1);
    auto year = Digits(yearText, 2, 4);
    if (!month || !day || !year || yearText.size() == 3) {
        return std::nullopt;
    }
    if (yearText.size() == 2) {
        year = dates::YearInWindow(*year);
    }
    return ToFieldDate(dates::DMYToDayNumber(*day, *month, *year));
}

std::optional<double> SearchAmount(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

dbase::Query LoanSearchQuery(LoanSearchBy by, LoanComparison comparison, std::string_view text) {
    const std::string trimmed = TrimmedKey(text);
    const dbase::Comparison test = ToComparison(comparison);
    switch (by) {
    case LoanSearchBy::OrigDate: {
        const auto date = SearchDate(trimmed);
        if (!date) {
            throw ELoanSearch();
        }
        return dbase::Query("ORGDATE", test, *date);
    }
    case LoanSearchBy::Amount: {
        const auto amount = SearchAmount(trimmed);
        if (!amount) {
            throw ELoanSearch();
        }
        return dbase::Query("PV", test, *amount);
    }
    case LoanSearchBy::LoanNo:
        break;
    }
    return dbase::Query("LOANNO", test, trimmed);
}

} // namespace quarvex::amortization::database
