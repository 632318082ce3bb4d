// The printed schedule, written to a PDF and read back as text.
#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/Calendar.h"
#include "support/BufferFixture.h"
#include "support/PdfText.h"
#include "ui/platform/PdfPrinting.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>

namespace quarvex::ui {
namespace {

using amortization::TcbAmort;

TEST(AmortPrint, TheScheduleReadsBackWithItsRowsYearsAndPages) {
    testing::BufferFixture fixture;
    const auto file = fixture.folder / "schedule.pdf";
    PdfPrinting pdf(file);
    framework::BufferContext buffers = fixture.context;
    framework::BufferContext toPdf{
        buffers.store, buffers.messages,    buffers.clipboard,  pdf,
        buffers.clock, buffers.conventions, buffers.reportFont, buffers.application};
    TcbAmort amort(toPdf);
    amort.InitData();
    amort.SetTitle("Amortization Schedule 1");
    framework::DataRecord& data = amort.Data();
    data.Set(TcbAmort::PV, 150000.0);
    data.Set(TcbAmort::NumPmts, std::int32_t{360});
    data.Set(TcbAmort::Rate, 6.0f);
    data.Set(TcbAmort::Pmt, 0.0);
    data.Set(TcbAmort::OrgDate, framework::Date{dates::DMYToDayNumber(1, 3, 2024)});
    data.Set(TcbAmort::FirstPmtDate, framework::Date{dates::DMYToDayNumber(1, 4, 2024)});
    amort.Calculate();
    ASSERT_TRUE(amort.Print());
    const std::string text = testing::PdfText(file);
    ASSERT_FALSE(text.empty()) << "pdftotext read nothing";

    // The opening row's label and its date stand apart.
    EXPECT_EQ(text.find("Init/103/01/2024"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(Init/1 +03/01/2024)")))
        << text.substr(0, 3000);
    // PMT(6 %/12, 360, -150000) = 899.33; the first payment's interest is 750.00.
    EXPECT_TRUE(std::regex_search(
        text, std::regex(R"(1/01 +04/01/2024 +\$899\.33 +\$149\.33 +\$750\.00 +\$149,850\.67)")))
        << text.substr(0, 4000);
    // One group per fiscal year from 2024 to 2054 (the last payment is in March 2054).
    EXPECT_EQ(testing::CountOf(text, "Annual Totals:"), 31);
    EXPECT_EQ(testing::CountOf(text, "Running Totals:"), 31);
    // 2025 holds twelve whole payments: 12 x 899.33.
    EXPECT_NE(text.find("$10,791.96"), std::string::npos);
    EXPECT_NE(text.find("Page: 2"), std::string::npos);
    EXPECT_GT(testing::CountOf(text, "#/YR"), 5) << "every page carries the column headings";
}

} // namespace
} // namespace quarvex::ui
