#include "ui/platform/PainterCanvas.h"
#include "framework/report/ResultPage.h"
#include "support/TempDirectory.h"
#include "ui/platform/PrintErrors.h"
#include "ui/platform/ReportRendering.h"

#include "ui/platform/QtPrinting.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>

#include <gtest/gtest.h>

#include <optional>

namespace quarvex::ui {
namespace {

constexpr int kDpi = 100;
constexpr double kLine = 1.0 / 6;
constexpr double kTolerance = 0.05; // inches: a glyph's side bearing and a pixel or two

// Where ink lies in a band of lines, in inches.
struct Ink {
    double left;
    double right;
    double top;
    double bottom;
};

std::optional<Ink> InkIn(const QImage& page, double top, double bottom, double fromX = 0,
                         double toX = 8.5) {
    int minX = page.width(), maxX = -1, minY = page.height(), maxY = -1;
    for (int y = static_cast<int>(top * kDpi); y < static_cast<int>(bottom * kDpi); ++y) {
        for (int x = static_cast<int>(fromX * kDpi); x < static_cast<int>(toX * kDpi); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x + 1);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y + 1);
            }
        }
    }
    if (maxX < 0) {
        return std::nullopt;
    }
    return Ink{double(minX) / kDpi, double(maxX) / kDpi, double(minY) / kDpi, double(maxY) / kDpi};
}

// The printed rows of a loan of 10 000 over 36 months at 10 %, as the Loan calculator
// prints them: a tab, the caption padded to 24, a tab, the value right-aligned in 16.
const std::vector<std::string> kLoanRows = {
    "\tAmount of Loan?:        \t      $10,000.00", "\tTotal Periods? (#):     \t              36",
    "\tAnnual Rate? (%):       \t         10.0000", "\tPeriodic Payment?:      \t         $322.67",
    "\tPayment Period?:        \tMonthly",          "\tInterest For Term:      \t       $1,616.12",
};

QImage LoanPage(int pointSize) {
    report::ReportFont font;
    font.size = pointSize;
    const auto pages = RenderToImages(
        [&](ReportCanvas& canvas) {
            report::PrintResultPage(canvas, font, "Loan Calculator 1", kLoanRows);
        },
        kDpi);
    EXPECT_EQ(pages.size(), 1u);
    return pages.front();
}

TEST(PainterCanvasTest, TheLoanResultPageStandsWhereItsColumnsSay) {
    const struct {
        int pointSize;
        double captionLeft; // the first column's left edge plus the 0.02-inch margin
        double valueRight;  // the second column's right edge less the margin
    } cases[] = {{10, 2.25 + 0.02, 6.25 - 0.02}, {16, 1.0 + 0.02, 7.5 - 0.02}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pointSize << " points");
        const QImage page = LoanPage(c.pointSize);

        const auto title = InkIn(page, 1.5, 1.5 + kLine);
        ASSERT_TRUE(title);
        EXPECT_NEAR((title->left + title->right) / 2, 4.25, kTolerance) << "centred";
        EXPECT_GE(title->top, 1.5) << "the title hangs below the line's top";

        for (std::size_t row = 0; row < kLoanRows.size(); ++row) {
            const double top = 1.5 + (2 + row) * kLine; // two line feeds after the title
            const auto caption = InkIn(page, top + 0.02, top + kLine - 0.02, 0, 4.25);
            const auto value = InkIn(page, top + 0.02, top + kLine - 0.02, 4.25);
            ASSERT_TRUE(caption && value) << "row " << row;
            EXPECT_NEAR(caption->left, c.captionLeft, kTolerance) << "row " << row;
            EXPECT_NEAR(value->right, c.valueRight, kTolerance) << "row " << row;
        }
        EXPECT_FALSE(InkIn(page, 0, 1.45)) << "nothing above the title";
    }
}

// The page is laid out 8.5 inches wide; on A4 (8.27 inches) it stands in the middle of the
// sheet, not 0.11 inch to the right of it.
TEST(PainterCanvasTest, TheReportIsCentredOnThePaperUsed) {
    const QPageSize a4(QPageSize::A4);
    const QSizeF inches = a4.size(QPageSize::Inch);
    QImage page(static_cast<int>(inches.width() * kDpi), static_cast<int>(inches.height() * kDpi),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PainterCanvas canvas(painter, PageGeometry{kDpi, kDpi, inches.width(), inches.height()},
                         [] { return false; });
    report::PrintResultPage(canvas, report::ReportFont{}, "Loan Calculator 1", kLoanRows);
    painter.end();
    const auto title = InkIn(page, 1.5, 1.5 + kLine, 0, inches.width());
    ASSERT_TRUE(title);
    EXPECT_NEAR((title->left + title->right) / 2, inches.width() / 2, kTolerance);
    const auto caption = InkIn(page, 1.5 + 2 * kLine, 1.5 + 3 * kLine, 0, inches.width() / 2);
    ASSERT_TRUE(caption);
    EXPECT_NEAR(caption->left, 2.27 - (8.5 - inches.width()) / 2, kTolerance);
}

TEST(QtPrintingTest, JobsStartOnTheLocalesPaper) {
    EXPECT_EQ(LocalePaperSize(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    EXPECT_EQ(LocalePaperSize(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
    EXPECT_EQ(LocalePaperSize(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    EXPECT_EQ(LocalePaperSize(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
}

TEST(PainterCanvasTest, TheLineCursorAndPages) {
    int pagesAtEnd = 0;
    const auto pages = RenderToImages(
        [&](ReportCanvas& canvas) {
            EXPECT_EQ(canvas.PageNumber(), 1);
            EXPECT_DOUBLE_EQ(canvas.PageHeight(), 11);
            EXPECT_EQ(canvas.LinesLeft(), 66);
            canvas.GotoY(10);
            EXPECT_EQ(canvas.LinesLeft(), 6);
            canvas.NewLine();
            EXPECT_NEAR(canvas.CursorY(), 10 + kLine, 1e-12);
            canvas.NewPage();
            EXPECT_EQ(canvas.CursorY(), 0);
            canvas.PrintLeft("Second page", 1);
            canvas.DrawLine(1, 1, 7.5, 1);
            pagesAtEnd = canvas.PageNumber();
        },
        kDpi);
    EXPECT_EQ(pagesAtEnd, 2);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(InkIn(pages[0], 0, 11));
    const auto text = InkIn(pages[1], 0, kLine);
    ASSERT_TRUE(text);
    EXPECT_NEAR(text->left, 1, kTolerance);
    const auto line = InkIn(pages[1], 0.95, 1.05);
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->left, 1, kTolerance);
    EXPECT_NEAR(line->right, 7.5, kTolerance);
}

TEST(PainterCanvasTest, TabsJustifyAndTheTextBeforeTheFirstTabStartsAtTheEdge) {
    const auto pages = RenderToImages(
        [](ReportCanvas& canvas) {
            canvas.SetFont("Courier New", 12);
            canvas.ClearTabs();
            canvas.SetTab(1, TabJustify::Left, 2, 0);
            canvas.SetTab(-1, TabJustify::Center, 2, 0); // 3 to 5
            canvas.SetTab(-1, TabJustify::Right, 2, 10); // 5 to 7, 0.1 margin
            canvas.GotoY(1);
            canvas.PrintTabLine("X\tLeft\tMiddle\tRight");
        },
        kDpi);
    const QImage& page = pages.front();
    const auto edge = InkIn(page, 1, 1 + kLine, 0, 0.9);
    const auto left = InkIn(page, 1, 1 + kLine, 0.9, 2.9);
    const auto middle = InkIn(page, 1, 1 + kLine, 3, 4.95);
    const auto right = InkIn(page, 1, 1 + kLine, 5, 7.5);
    ASSERT_TRUE(edge && left && middle && right);
    EXPECT_NEAR(edge->left, 0, kTolerance);
    EXPECT_NEAR(left->left, 1, kTolerance);
    EXPECT_NEAR((middle->left + middle->right) / 2, 4, kTolerance);
    EXPECT_NEAR(right->right, 6.9, kTolerance);
}

TEST(ReportRenderingTest, APdfFileIsWrittenWhole) {
    testing::TempDirectory folder;
    const auto file = folder / "loan.pdf";
    RenderToPdf(file, "Loan Calculator 1", [](ReportCanvas& canvas) {
        report::PrintResultPage(canvas, report::ReportFont{}, "Loan Calculator 1", kLoanRows);
        canvas.NewPage();
        canvas.PrintLeft("Page 2", 1);
    });
    const std::string pdf = testing::ReadFileText(file);
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos) << "two pages";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left";
}

TEST(ReportRenderingTest, AFailedReportLeavesTheOldFileAndSaysWhy) {
    testing::TempDirectory folder;
    const auto file = folder / "old.pdf";
    testing::WriteFileText(file, "old contents");
    EXPECT_THROW(
        RenderToPdf(file, "x", [](ReportCanvas&) { throw EPrinting("The report broke."); }),
        EPrinting);
    EXPECT_EQ(testing::ReadFileText(file), "old contents");
    try {
        RenderToPdf(folder / "missing" / "x.pdf", "x", [](ReportCanvas&) {});
        ADD_FAILURE() << "a file in a missing folder cannot be written";
    } catch (const EPrinting& error) {
        EXPECT_NE(error.Message().find("x.pdf"), std::string::npos) << error.Message();
    }
}

} // namespace
} // namespace quarvex::ui
