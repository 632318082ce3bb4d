#include "framework/report/ResultPage.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace quarvex::report {
namespace {

TEST(ReportColumnWidth, ByFontSize) {
    const std::pair<int, double> cases[] = {{1, 1.5},   {8, 1.5},   {9, 2.0},  {10, 2.0},
                                            {11, 2.5},  {12, 2.5},  {13, 3.0}, {14, 3.0},
                                            {15, 3.25}, {72, 3.25}, {0, 3.25}};
    for (const auto& [size, width] : cases) {
        EXPECT_EQ(ReportColumnWidth(size), width) << size << " points";
    }
}

TEST(PrintResultPage, TwoColumnsCentredOnThePage) {
    struct Case {
        int size;
        double captionStart;
        double valueEnd;
    };
    // 10 points: 2-inch columns from 2.25 to 6.25 inches; 16 points: 3.25 inches from 1.0.
    for (const Case c : {Case{10, 2.25, 6.25}, Case{16, 1.0, 7.5}}) {
        testing::RecordingCanvas canvas;
        PrintResultPage(canvas, ReportFont{"Courier New", c.size}, "Loan Calculator 1",
                        {"\tAmount of Loan?:\t$10,000.00"});
        ASSERT_EQ(canvas.tabs.size(), 2u);
        EXPECT_DOUBLE_EQ(canvas.tabs[0].x, c.captionStart) << c.size;
        EXPECT_EQ(canvas.tabs[0].justify, TabJustify::Left);
        EXPECT_DOUBLE_EQ(canvas.tabs[1].x + canvas.tabs[1].width, c.valueEnd) << c.size;
        EXPECT_EQ(canvas.tabs[1].justify, TabJustify::Right);
        EXPECT_EQ(canvas.fontSize, c.size);
    }
}

TEST(PrintResultPage, BoldTitleThenTwoLineFeedsThenRows) {
    testing::RecordingCanvas canvas;
    PrintResultPage(canvas, ReportFont{}, "Loan Calculator 1", {"\ta\t1", "\tb\t2"});
    ASSERT_EQ(canvas.printed.size(), 3u);
    EXPECT_EQ(canvas.printed[0].text, "Loan Calculator 1");
    EXPECT_EQ(canvas.printed[0].how, "center");
    EXPECT_DOUBLE_EQ(canvas.printed[0].x, 4.25);
    EXPECT_DOUBLE_EQ(canvas.printed[0].y, 1.5);
    EXPECT_TRUE(canvas.printed[0].bold);
    EXPECT_NEAR(canvas.printed[1].y, 1.5 + 2.0 / 6, 1e-12);
    EXPECT_FALSE(canvas.printed[1].bold);
    EXPECT_EQ(canvas.printed[2].text, "\tb\t2");
    EXPECT_EQ(canvas.fontName, "Courier New");
}

} // namespace
} // namespace quarvex::report
