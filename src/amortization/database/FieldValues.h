#pragma once

#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// Reading the fields of a stored loan or row into the program's types: empty fields read as
// 0 (or false), and a value the program's type cannot hold is refused, naming the loan.
namespace quarvex::amortization::database {

// The index of a field in a table's layout (the tables of another program may order their
// fields otherwise); EInvalidRequest when the table lacks it.
inline std::size_t Column(const dbase::Layout& layout, std::string_view name) {
    return layout.IndexOf(name);
}

double NumberOr0(const dbase::Record& record, std::size_t field);
bool LogicalOrFalse(const dbase::Record& record, std::size_t field);

// A whole number field in the range of T; EAmortDB (kDamagedLoanRecord) naming the loan and
// `what` when it lies outside.
std::int64_t WholeNumberIn(const dbase::Record& record, std::size_t field, std::int64_t first,
                           std::int64_t last, std::string_view loanNo, std::string_view what);

template <class T>
T WholeNumber(const dbase::Record& record, std::size_t field, std::string_view loanNo,
              std::string_view what) {
    return static_cast<T>(WholeNumberIn(record, field, std::numeric_limits<T>::min(),
                                        std::numeric_limits<T>::max(), loanNo, what));
}

// A number field as a single-precision value; one beyond its range is refused as above.
float SingleNumber(const dbase::Record& record, std::size_t field, std::string_view loanNo,
                   std::string_view what);

// Trims blanks at both ends: the keys the user gives (account and loan numbers) are compared
// as the tables keep them, without blanks around them.
std::string TrimmedKey(std::string_view text);

} // namespace quarvex::amortization::database
