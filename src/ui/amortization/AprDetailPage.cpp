#include "ui/amortization/AprDetailPage.h"

#include "framework/dates/Calendar.h"
#include "framework/masks/DatePicture.h"
#include "framework/masks/NumericPicture.h"
#include "framework/report/Format.h"
#include "framework/report/ResultPage.h"

namespace quarvex::ui {

namespace {

using amortization::AprDetail;
using amortization::kAprDetailPrompts;

// The sheet's rows 0-11 are printed and copied beside rows 12-23; the two rates close it.
constexpr std::size_t kPairedRows = 12;
constexpr std::size_t kQuotedRate = 24;
constexpr std::size_t kApr = 25;

constexpr double kLeftLabelX = 0.75;
constexpr double kLeftValueX = 4.0;
constexpr double kRightLabelX = 4.5;
constexpr double kRightValueX = 7.75;

AprFigure Money(double value) {
    return {AprFigureKind::Money, value};
}

AprFigure Count(std::int32_t value) {
    return {AprFigureKind::Count, static_cast<double>(value)};
}

AprFigure Date(dates::DayNumber value) {
    return {AprFigureKind::Date, static_cast<double>(value)};
}

std::string DateText(double dayNumber, std::string_view picture) {
    const dates::CalendarDate date =
        dates::DayNumberToDMY(static_cast<dates::DayNumber>(dayNumber));
    return masks::DatePicture(picture).Format(masks::DateParts{date.day, date.month, date.year});
}

std::string PrintedText(const AprFigure& figure, const masks::NumberConventions& conventions) {
    switch (figure.kind) {
    case AprFigureKind::Money:
        return report::Format("%m", {figure.value}, conventions);
    case AprFigureKind::Count:
        return report::Format("%d", {static_cast<std::int64_t>(figure.value)}, conventions);
    case AprFigureKind::Date:
        return DateText(figure.value, "mm/dd/yyyy");
    case AprFigureKind::Fraction:
    case AprFigureKind::Rate:
    case AprFigureKind::Apr:
        break;
    }
    return report::Format("%.4n", {figure.value}, conventions);
}

} // namespace

AprFigure AprDetailFigure(const AprDetail& d, std::size_t index) {
    switch (index) {
    case 0:
        return Money(d.AmountOfLoan);
    case 1:
        return Money(d.TotalOneTimeFees);
    case 2:
        return Money(d.Points);
    case 3:
        return Money(d.NetAmountFinanced);
    case 4:
        return Money(d.OddDaysInterest);
    case 5:
        return Money(d.TotalFinanceCharge);
    case 6:
        return Money(d.FirstPaymentAmount);
    case 7:
        return Money(d.RegularPaymentAmt);
    case 8:
        return Money(d.LastPaymentAmount);
    case 9:
        return Money(d.BalloonPmtInterest);
    case 10:
        return Money(d.BalloonPaymentPrin);
    case 11:
        return Money(d.BalloonPaymentTotal);
    case 12:
        return Money(d.TotalOfPayments);
    case 13:
        return Date(d.OriginationDate);
    case 14:
        return Date(d.FirstPaymentDate);
    case 15:
        return Count(d.DaysToFirstPayment);
    case 16:
        return Count(d.OddDaysToFirstPeriod);
    case 17:
        return Count(d.UnitPeriodsToFirst);
    case 18:
        return {AprFigureKind::Fraction, d.FractionalPeriod};
    case 19:
        return Date(d.LastPaymentDate);
    case 20:
        return Count(d.DaysToMaturity);
    case 21:
        return Count(d.PaymentsPerYear);
    case 22:
        return Count(d.NumberOfRegularPeriods);
    case 23:
        return Count(d.BalloonAtPaymentNumber);
    case 24:
        return {AprFigureKind::Rate, d.QuotedNominalRate};
    default:
        return {AprFigureKind::Apr, static_cast<double>(d.DisclosedRateApr)};
    }
}

std::string AprFigureFieldText(const AprFigure& figure, const masks::TMasks& masks,
                               const masks::NumberConventions& conventions) {
    switch (figure.kind) {
    case AprFigureKind::Money:
        return masks::NumericPicture(masks.MaskFor(masks::MaskKind::Money, "$###,###,###.##"))
            .Format(figure.value, conventions);
    case AprFigureKind::Date:
        return DateText(figure.value, masks.DateMask);
    case AprFigureKind::Count:
        return masks::NumericPicture("ii,iii").Format(figure.value, conventions);
    case AprFigureKind::Fraction:
    case AprFigureKind::Rate:
        return masks::NumericPicture(masks.MaskFor(masks::MaskKind::Rate, "##.####"))
            .Format(figure.value, conventions);
    case AprFigureKind::Apr:
        break;
    }
    return masks::NumericPicture("####.####").Format(figure.value, conventions);
}

void PrintAprDetailPage(ReportCanvas& canvas, const AprDetail& detail,
                        const masks::NumberConventions& conventions) {
    canvas.SetFont("Courier New", 10);
    canvas.GotoY(1.5);
    canvas.SetBold(true);
    canvas.PrintCenter(std::string(amortization::kAprDetailCaption), report::PageWidth / 2);
    canvas.SetBold(false);
    canvas.NewLine();
    canvas.NewLine();
    const auto pair = [&](std::size_t left, std::size_t right) {
        canvas.PrintLeft(std::string(kAprDetailPrompts[left]), kLeftLabelX);
        canvas.PrintRight(PrintedText(AprDetailFigure(detail, left), conventions), kLeftValueX);
        canvas.PrintLeft(std::string(kAprDetailPrompts[right]), kRightLabelX);
        canvas.PrintRight(PrintedText(AprDetailFigure(detail, right), conventions), kRightValueX);
        canvas.NewLine();
    };
    for (std::size_t row = 0; row < kPairedRows; ++row) {
        pair(row, row + kPairedRows);
    }
    canvas.NewLine();
    canvas.NewLine();
    pair(kQuotedRate, kApr);
}

} // namespace quarvex::ui
