#pragma once

#include "framework/report/ReportFont.h"
#include "platform/ReportCanvas.h"

#include <string>
#include <utility>
#include <vector>

namespace quarvex::calculators {

// The printed page of a list of cash flows: the title and the input rows as on the one-page
// result printout, then the flows in up to three pairs of date and amount columns (continued
// on new pages with their headings), then the result row.
void PrintCashFlowPage(ReportCanvas& canvas, const report::ReportFont& font,
                       const std::string& title, const std::vector<std::string>& inputRows,
                       const std::vector<std::pair<std::string, std::string>>& flows,
                       const std::string& resultRow);

} // namespace quarvex::calculators
