#include "calculators/CashFlowReport.h"

#include "framework/report/ResultPage.h"

#include <algorithm>

namespace quarvex::calculators {

namespace {

constexpr double kPairWidth = 1.8;  // inches of one date-and-amount pair
constexpr double kDateWidth = 0.85; // the date column, right-aligned
constexpr int kLinesKeptFree = 5;   // for the result below the table
constexpr int kLinesBeforeNewPage = 3;
constexpr int kLineFeedsOnNewPage = 6;

int Ceil(int a, int b) {
    return (a + b - 1) / b;
}

void Headings(ReportCanvas& canvas, int pairs, double gap) {
    canvas.SetBold(true);
    for (int j = 0; j < pairs; ++j) {
        const double x = gap + (gap + kPairWidth) * j;
        canvas.PrintRight("Date", x + kDateWidth);
        canvas.PrintRight("Amount", x + kPairWidth);
    }
    canvas.SetBold(false);
    canvas.NewLine();
}

} // namespace

void PrintCashFlowPage(ReportCanvas& canvas, const report::ReportFont& font,
                       const std::string& title, const std::vector<std::string>& inputRows,
                       const std::vector<std::pair<std::string, std::string>>& flows,
                       const std::string& resultRow) {
    report::PrintResultPage(canvas, font, title, inputRows);
    const int count = static_cast<int>(flows.size());
    const int linesFree = std::max(1, canvas.LinesLeft() - kLinesKeptFree);
    const int pairs = count <= linesFree ? 1 : std::min(3, Ceil(count, linesFree));
    const int lines = Ceil(std::max(count, 1), pairs);
    const double gap = (report::PageWidth - 0.2 - kPairWidth * pairs) / (pairs + 1);

    canvas.NewLine();
    canvas.NewLine();
    Headings(canvas, pairs, gap);
    for (int line = 0; line < lines; ++line) {
        if (canvas.LinesLeft() <= kLinesBeforeNewPage) {
            canvas.NewPage();
            for (int i = 0; i < kLineFeedsOnNewPage; ++i) {
                canvas.NewLine();
            }
            Headings(canvas, pairs, gap);
        }
        for (int j = 0; j < pairs; ++j) {
            const int index = line + j * lines;
            if (index >= count) {
                continue;
            }
            const double x = gap + (gap + kPairWidth) * j;
            canvas.PrintRight(flows[index].first, x + kDateWidth);
            canvas.PrintRight(flows[index].second, x + kPairWidth);
        }
        canvas.NewLine();
    }
    canvas.NewLine();
    canvas.NewLine();
    canvas.PrintTabLine(resultRow);
}

} // namespace quarvex::calculators
