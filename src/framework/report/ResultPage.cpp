#include "framework/report/ResultPage.h"

namespace quarvex::report {

double ReportColumnWidth(int pointSize) {
    if (pointSize >= 1 && pointSize <= 8) {
        return 1.5;
    }
    if (pointSize == 9 || pointSize == 10) {
        return 2.0;
    }
    if (pointSize == 11 || pointSize == 12) {
        return 2.5;
    }
    if (pointSize == 13 || pointSize == 14) {
        return 3.0;
    }
    return 3.25; // 15 and above, and an unset size
}

void PrintResultPage(ReportCanvas& canvas, const ReportFont& font, const std::string& title,
                     const std::vector<std::string>& rows) {
    constexpr double kTabMargin = 2;
    canvas.SetFont(font.name, font.size);
    const double width = ReportColumnWidth(font.size);
    canvas.ClearTabs();
    canvas.SetTab(PageWidth / 2 - width, TabJustify::Left, width, kTabMargin);
    canvas.SetTab(-1, TabJustify::Right, width, kTabMargin);
    canvas.GotoY(1.5);
    canvas.SetBold(true);
    canvas.PrintCenter(title, PageWidth / 2);
    canvas.SetBold(false);
    canvas.NewLine();
    canvas.NewLine();
    for (const std::string& row : rows) {
        canvas.PrintTabLine(row);
    }
}

} // namespace quarvex::report
