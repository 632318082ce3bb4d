#include "amortization/database/FieldValues.h"

#include "amortization/database/EAmortDB.h"

#include <cmath>

namespace quarvex::amortization::database {

double NumberOr0(const dbase::Record& record, std::size_t field) {
    return record.Number(field).value_or(0.0);
}

bool LogicalOrFalse(const dbase::Record& record, std::size_t field) {
    return record.Logical(field).value_or(false);
}

std::int64_t WholeNumberIn(const dbase::Record& record, std::size_t field, std::int64_t first,
                           std::int64_t last, std::string_view loanNo, std::string_view what) {
    const std::int64_t value = record.Integer(field).value_or(0);
    if (value < first || value > last) {
        RaiseDamagedLoan(loanNo, "its " + std::string(what) + " " + std::to_string(value) +
                                     " is out of range");
    }
    return value;
}

float SingleNumber(const dbase::Record& record, std::size_t field, std::string_view loanNo,
                   std::string_view what) {
    const double value = NumberOr0(record, field);
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
        RaiseDamagedLoan(loanNo, "its " + std::string(what) + " is out of range");
    }
    return static_cast<float>(value);
}

std::string TrimmedKey(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace quarvex::amortization::database
