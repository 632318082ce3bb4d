#pragma once

#include "framework/report/ReportFont.h"
#include "platform/ReportCanvas.h"

#include <string>
#include <vector>

namespace quarvex::report {

// Reports are laid out for paper 8.5 inches wide.
inline constexpr double PageWidth = 8.5;

// The width in inches of each of the two result columns for a report font size in points.
double ReportColumnWidth(int pointSize);

// The one-page result printout: two columns of width ReportColumnWidth centred on the page,
// the title in bold centred 1.5 inches from the top, two line feeds, then one row per line
// ('\t'-separated caption and value).
void PrintResultPage(ReportCanvas& canvas, const ReportFont& font, const std::string& title,
                     const std::vector<std::string>& rows);

} // namespace quarvex::report
