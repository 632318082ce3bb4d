#include "calculators/Intrst.h"
#include "ui/calculators/WindowDriver.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using calculators::TcbInterest;
using framework::Button;
using testing::WindowDriver;

struct InterestWindowTest : ::testing::Test {
    WindowDriver driver;
    TcalcBase* window = driver.Open("interest");

    QString Text(std::size_t field) { return WindowDriver::Text(*window, field); }
    void Type(std::size_t field, const char* text) { WindowDriver::Type(*window, field, text); }
};

TEST_F(InterestWindowTest, TheWeekdaysSitBesideTheirDatesWithoutALabel) {
    // Today is Monday 15 March 2021 in the tests.
    EXPECT_EQ(Text(TcbInterest::StartDate), "03/15/2021");
    EXPECT_EQ(Text(TcbInterest::StartDay), "Monday");
    for (const auto& [date, day] : {std::pair{TcbInterest::StartDate, TcbInterest::StartDay},
                                    std::pair{TcbInterest::EndDate, TcbInterest::EndDay}}) {
        QWidget* weekday = window->Editor(day).Widget();
        QWidget* dateField = window->Editor(date).Widget();
        EXPECT_EQ(window->PromptLabel(day), nullptr);
        EXPECT_TRUE(window->Editor(day).LineEdit()->isReadOnly());
        EXPECT_FALSE(weekday->focusPolicy() & Qt::TabFocus) << "Tab skips it";
        EXPECT_EQ(weekday->geometry().center().y(), dateField->geometry().center().y())
            << "on the date's row";
        EXPECT_GT(weekday->x(), dateField->x() + dateField->width());
    }

    ASSERT_TRUE(WindowDriver::Activate(window));
    QTest::mouseClick(window->Editor(TcbInterest::EndDay).Widget(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window->Editor(TcbInterest::EndDate).Widget())
        << "entering the weekday goes to its date";
}

TEST_F(InterestWindowTest, DaysAndDatesFollowEachOther) {
    Type(TcbInterest::StartDate, "03/01/2021");
    Type(TcbInterest::NumDays, "30");
    EXPECT_EQ(Text(TcbInterest::EndDate), "03/31/2021");
    EXPECT_EQ(Text(TcbInterest::EndDay), "Wednesday");

    Type(TcbInterest::EndDate, "04/01/2021");
    EXPECT_EQ(Text(TcbInterest::NumDays), "31");
    EXPECT_EQ(Text(TcbInterest::EndDay), "Thursday");

    Type(TcbInterest::StartDate, "03/11/2021");
    EXPECT_EQ(Text(TcbInterest::NumDays), "21");
    EXPECT_EQ(Text(TcbInterest::StartDay), "Thursday");
}

TEST_F(InterestWindowTest, SimpleInterestForAYearOnA365DayBasis) {
    window->Editor(TcbInterest::RateBasis).ComboBox()->setCurrentIndex(1); // Actual/365
    window->Editor(TcbInterest::CmpPYR).ComboBox()->setCurrentIndex(11);   // Simple
    Type(TcbInterest::PV, "1000");
    Type(TcbInterest::Rate, "10");
    Type(TcbInterest::StartDate, "01/01/2021");
    Type(TcbInterest::NumDays, "365");
    EXPECT_EQ(Text(TcbInterest::EndDate), "01/01/2022");
    WindowDriver::Click(*window, Button::Calc);
    EXPECT_TRUE(driver.Messages().empty()) << driver.Messages().front();
    // 1 000 x 10 % x 365 / 365.
    EXPECT_EQ(Text(TcbInterest::Interest), "$100.00");
    EXPECT_EQ(Text(TcbInterest::FV), "$1,100.00");
    EXPECT_EQ(Text(TcbInterest::APY), "10.0000");

    Type(TcbInterest::Rate, "0");
    WindowDriver::Click(*window, Button::Calc);
    EXPECT_EQ(driver.Messages(), std::vector<std::string>{"Rate can't be zero."});
}

} // namespace
} // namespace quarvex::ui
