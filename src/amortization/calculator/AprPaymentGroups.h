#pragma once

#include "amortization/TAmortSchedule.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::amortization {

// One line of the disclosure statement's payment schedule: so many payments of one amount.
struct TAprPmtRec {
    std::int32_t NumPmts = 0;
    double Amount = 0;
    // The payment period as the calculator names it, " Beginning " and the date of the group's
    // first row: "Monthly Beginning 02/15/2024".
    std::string Description;

    friend bool operator==(const TAprPmtRec&, const TAprPmtRec&) = default;
};

// Consecutive rows with the same Pmt (compared exactly), from the opening row on: the opening
// row starts the first group, and every row whose Pmt differs from the one before starts the
// next. `periodName` names the payment period; `formatDate` writes a date in the date mask.
// `groups` is cleared first.
void BuildPaymentGroups(const TAmortSchedule& schedule, std::string_view periodName,
                        const std::function<std::string(dates::DayNumber)>& formatDate,
                        std::vector<TAprPmtRec>& groups);

// The lines the disclosure statement prints: every group but a first one of amount 0 (the
// opening row's, when nothing is paid at origination).
std::vector<TAprPmtRec> PrintedPaymentLines(const std::vector<TAprPmtRec>& groups);

} // namespace quarvex::amortization
