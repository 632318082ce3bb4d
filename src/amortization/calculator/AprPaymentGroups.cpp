#include "amortization/calculator/AprPaymentGroups.h"

namespace quarvex::amortization {

void BuildPaymentGroups(const TAmortSchedule& schedule, std::string_view periodName,
                        const std::function<std::string(dates::DayNumber)>& formatDate,
                        std::vector<TAprPmtRec>& groups) {
    groups.clear();
    const auto& rows = schedule.Records();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k == 0 || rows[k].Pmt != rows[k - 1].Pmt) {
            groups.push_back(
                {0, rows[k].Pmt,
                 std::string(periodName) + " Beginning " + formatDate(rows[k].TransDate)});
        }
        ++groups.back().NumPmts;
    }
}

std::vector<TAprPmtRec> PrintedPaymentLines(const std::vector<TAprPmtRec>& groups) {
    std::vector<TAprPmtRec> lines = groups;
    if (!lines.empty() && lines.front().Amount == 0) {
        lines.erase(lines.begin());
    }
    return lines;
}

} // namespace quarvex::amortization
