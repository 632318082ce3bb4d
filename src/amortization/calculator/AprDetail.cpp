#include "amortization/calculator/AprDetail.h"

#include "amortization/AmortCodes.h"
#include "framework/dates/DateText.h"
#include "framework/report/Format.h"

namespace quarvex::amortization {

namespace {

std::string DateText(dates::DayNumber date) {
    return dates::FormatUsDate(date, dates::YearDigits::Four);
}

std::string IsoDate(dates::DayNumber date) {
    return dates::FormatIsoDate(date);
}

} // namespace

AprDetail MakeAprDetail(const AmortInputs& inputs, double oneTimeFees, double paidAtOrigination,
                        const AmortResults& results, long double apr) {
    const FlexAmortResults& engine = results.Engine;
    AprDetail d;
    d.AmountOfLoan = inputs.PV;
    d.TotalOneTimeFees = oneTimeFees;
    d.Points = results.PointsAmt;
    d.NetAmountFinanced = inputs.PV - paidAtOrigination - oneTimeFees;
    d.OddDaysInterest = engine.OddDaysInterest;
    d.TotalFinanceCharge = engine.TotalInterest;
    d.FirstPaymentAmount = engine.FirstPmt;
    d.RegularPaymentAmt = results.EnginePmt;
    d.LastPaymentAmount = engine.LastPmt;
    d.BalloonPmtInterest = results.BalloonInterest;
    d.BalloonPaymentPrin = results.BalloonPrincipal;
    d.BalloonPaymentTotal = results.BalloonPmt;
    d.TotalOfPayments = engine.TotalPmts;
    d.OriginationDate = inputs.OrgDate;
    d.FirstPaymentDate = inputs.FirstPmtDate;
    d.DaysToFirstPayment = inputs.FirstPmtDate - inputs.OrgDate;
    d.OddDaysToFirstPeriod = engine.OddDays;
    d.UnitPeriodsToFirst = engine.WholePeriods;
    d.FractionalPeriod = engine.OddFraction;
    d.LastPaymentDate = engine.LastPmtDate;
    d.DaysToMaturity = engine.LastPmtDate - inputs.OrgDate;
    d.PaymentsPerYear = PeriodsPerYearOf(inputs.PaymentPeriod + 1);
    d.NumberOfRegularPeriods = engine.LastTransNo;
    d.BalloonAtPaymentNumber = inputs.BalloonPeriod;
    d.QuotedNominalRate = inputs.Rate;
    d.DisclosedRateApr = apr;
    return d;
}

std::string AprDetailCopyText(const AprDetail& d, const masks::NumberConventions& conventions) {
    using report::Format;
    const auto& p = kAprDetailPrompts;
    const auto money = [&](std::size_t i, double value) {
        return Format("%-25s %16.2m\t", {std::string(p[i]), value}, conventions);
    };
    const auto moneyRight = [&](std::size_t i, double value) {
        return Format("%-28s %16.2m\r\n", {std::string(p[i]), value}, conventions);
    };
    const auto date = [&](std::size_t i, dates::DayNumber value) {
        return Format("%-28s %16s\r\n", {std::string(p[i]), DateText(value)}, conventions);
    };
    const auto count = [&](std::size_t i, std::int32_t value, const char* end = "\r\n") {
        return Format(std::string("%-28s %16d") + end,
                      {std::string(p[i]), static_cast<std::int64_t>(value)}, conventions);
    };
    std::string text = std::string(kAprDetailCaption) + "\r\n\r\n";
    text += money(0, d.AmountOfLoan) + moneyRight(12, d.TotalOfPayments);
    text += money(1, d.TotalOneTimeFees) + date(13, d.OriginationDate);
    text += money(2, d.Points) + date(14, d.FirstPaymentDate);
    text += money(3, d.NetAmountFinanced) + count(15, d.DaysToFirstPayment);
    text += money(4, d.OddDaysInterest) + count(16, d.OddDaysToFirstPeriod);
    text += money(5, d.TotalFinanceCharge) + count(17, d.UnitPeriodsToFirst);
    text += money(6, d.FirstPaymentAmount) +
            Format("%-28s %16.4n\r\n", {std::string(p[18]), d.FractionalPeriod}, conventions);
    text += money(7, d.RegularPaymentAmt) + date(19, d.LastPaymentDate);
    text += money(8, d.LastPaymentAmount) + count(20, d.DaysToMaturity);
    text += money(9, d.BalloonPmtInterest) + count(21, d.PaymentsPerYear);
    text += money(10, d.BalloonPaymentPrin) + count(22, d.NumberOfRegularPeriods);
    text += money(11, d.BalloonPaymentTotal) + count(23, d.BalloonAtPaymentNumber, "\r\n\r\n\r\n");
    text += Format("%-25s %16.4n\t", {std::string(p[24]), d.QuotedNominalRate}, conventions);
    text += Format("%-28s %16.4n\r\n",
                   {std::string(p[25]), static_cast<double>(d.DisclosedRateApr)}, conventions);
    return text;
}

framework::OutputMembers AprDetailMembers(const AprDetail& d) {
    return {
        {"AmountOfLoan", d.AmountOfLoan},
        {"TotalOneTimeFees", d.TotalOneTimeFees},
        {"Points", d.Points},
        {"NetAmountFinanced", d.NetAmountFinanced},
        {"OddDaysInterest", d.OddDaysInterest},
        {"TotalFinanceCharge", d.TotalFinanceCharge},
        {"FirstPaymentAmount", d.FirstPaymentAmount},
        {"RegularPaymentAmt", d.RegularPaymentAmt},
        {"LastPaymentAmount", d.LastPaymentAmount},
        {"BalloonPmtInterest", d.BalloonPmtInterest},
        {"BalloonPaymentPrin", d.BalloonPaymentPrin},
        {"BalloonPaymentTotal", d.BalloonPaymentTotal},
        {"TotalOfPayments", d.TotalOfPayments},
        {"OriginationDate", IsoDate(d.OriginationDate)},
        {"FirstPaymentDate", IsoDate(d.FirstPaymentDate)},
        {"DaysToFirstPayment", d.DaysToFirstPayment},
        {"OddDaysToFirstPeriod", d.OddDaysToFirstPeriod},
        {"UnitPeriodsToFirst", d.UnitPeriodsToFirst},
        {"FractionalPeriod", d.FractionalPeriod},
        {"LastPaymentDate", IsoDate(d.LastPaymentDate)},
        {"DaysToMaturity", d.DaysToMaturity},
        {"PaymentsPerYear", d.PaymentsPerYear},
        {"NumberOfRegularPeriods", d.NumberOfRegularPeriods},
        {"BalloonAtPaymentNumber", d.BalloonAtPaymentNumber},
        {"QuotedNominalRate", d.QuotedNominalRate},
        {"DisclosedRateApr", d.DisclosedRateApr},
    };
}

} // namespace quarvex::amortization
