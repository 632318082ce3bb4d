#include "amortization/calculator/ScheduleReport.h"

#include "amortization/FiscalYears.h"
#include "framework/dates/DateText.h"
#include "framework/report/Format.h"
#include "framework/report/ResultPage.h"

namespace quarvex::amortization {

namespace {

struct Sums {
    double payment = 0;
    double principal = 0;
    double interest = 0;

    void Add(const TTransRec& row) {
        payment += row.Pmt + row.ExtraPmt;
        principal += row.Principal;
        interest += row.Interest;
    }
};

// Column positions in inches: labels from the left, the date and amounts right-aligned.
constexpr double kLabelX = 0.65;
// The date ends far enough right that a label of eight characters ("Init/1", "360/30") in
// the report's 10-point font ends well before the date begins, and far enough left that a
// payment of fourteen characters still starts after it.
constexpr double kDateX = 2.3;
constexpr double kPaymentX = 3.5;
constexpr double kPrincipalX = 4.75;
constexpr double kInterestX = 6.5;
constexpr double kBalanceX = 7.75;
constexpr double kLeftX = 0.3;
constexpr int kLinesBeforeNewPage = 7;

} // namespace

std::vector<ScheduleReportLine> ScheduleBodyLines(const TAmortSchedule& schedule, int startMonth,
                                                  const masks::NumberConventions& conventions) {
    const auto money = [&conventions](double amount) {
        return report::Format("%m", {amount}, conventions);
    };
    const auto& rows = schedule.Records();
    std::vector<ScheduleReportLine> lines;
    Sums running;
    for (const FiscalYearRows& year : GroupRowsByFiscalYear(rows, startMonth)) {
        Sums annual;
        for (std::size_t i = year.First; i < year.End; ++i) {
            const TTransRec& row = rows[i];
            lines.push_back({ScheduleReportLine::Kind::Row, row.PmtNoYr,
                             dates::FormatUsDate(row.TransDate, dates::YearDigits::Four),
                             money(row.Pmt), money(row.Principal), money(row.Interest),
                             money(row.PrinBal)});
            if (row.ExtraPmt != 0) {
                lines.push_back({ScheduleReportLine::Kind::Extra, row.PmtNoYr,
                                 "Extra:", money(row.ExtraPmt), "", "", ""});
            }
            annual.Add(row);
            running.Add(row);
        }
        lines.push_back({ScheduleReportLine::Kind::AnnualTotals, "Annual Totals:", "",
                         money(annual.payment), money(annual.principal), money(annual.interest),
                         ""});
        lines.push_back({ScheduleReportLine::Kind::RunningTotals, "Running Totals:", "",
                         money(running.payment), money(running.principal), money(running.interest),
                         ""});
    }
    return lines;
}

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

std::string PreparedForName(const framework::TAccountDetails& account) {
    std::string name = account.firstName + " ";
    if (!IsBlank(account.middleInitial)) {
        name += account.middleInitial + ". ";
    }
    return name + account.lastName;
}

std::vector<std::string> PreparedForLines(const framework::TAccountDetails& account,
                                          std::string_view preparedBy,
                                          const masks::NumberConventions& conventions) {
    std::vector<std::string> lines;
    const auto row = [&](std::string_view caption, const std::string& value) {
        if (!IsBlank(value)) {
            lines.push_back(
                report::Format("%-18s %30s", {std::string(caption), value}, conventions));
        }
    };
    row("Prepared For:", PreparedForName(account));
    row("Business:", account.business);
    row("Address:", account.address1);
    row("", account.address2);
    row("", IsBlank(account.state) ? account.city : account.city + ", " + account.state);
    row("", account.zip);
    row("", account.country);
    if (HasDigit(account.phone1)) {
        row("Phone1:", account.phone1);
    }
    if (HasDigit(account.phone2)) {
        row("Phone2:", account.phone2);
    }
    row("Ext:", account.phoneExt);
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(
        report::Format("%-18s %30s", {"Prepared By:", std::string(preparedBy)}, conventions));
    return lines;
}

std::string LineText(const ScheduleReportLine& line) {
    return line.label + "\t" + line.date + "\t" + line.payment + "\t" + line.principal + "\t" +
           line.interest + "\t" + line.balance;
}

namespace {

void PrintPageHeader(ReportCanvas& canvas, const ScheduleReport& report) {
    canvas.PrintLeft("Prepared For: " + report.preparedForName, kLeftX);
    canvas.PrintRight("Prepared By: " + report.preparedBy, kBalanceX);
    canvas.NewLine();
    canvas.SetBold(true);
    canvas.PrintLeft("Prepared On: " + report.preparedOn, kLeftX);
    canvas.PrintCenter(report.title, report::PageWidth / 2);
    canvas.PrintRight("Page: " + std::to_string(canvas.PageNumber()), kBalanceX);
    canvas.SetBold(false);
    for (int i = 0; i < 3; ++i) {
        canvas.NewLine();
    }
    canvas.PrintLeft("#/YR", kLabelX);
    canvas.PrintRight("Date", kDateX);
    canvas.PrintRight("Payment", kPaymentX);
    canvas.PrintRight("Principal", kPrincipalX);
    canvas.PrintRight("Interest", kInterestX);
    canvas.PrintRight("Balance", kBalanceX);
    canvas.NewLine();
    const double y = canvas.CursorY();
    canvas.DrawLine(kLeftX, y, kBalanceX, y);
}

void PrintBodyLine(ReportCanvas& canvas, const ScheduleReportLine& line) {
    const bool totals = line.kind == ScheduleReportLine::Kind::AnnualTotals ||
                        line.kind == ScheduleReportLine::Kind::RunningTotals;
    canvas.PrintLeft(line.label, totals ? kLeftX : kLabelX);
    if (!line.date.empty()) {
        canvas.PrintRight(line.date, kDateX);
    }
    canvas.PrintRight(line.payment, kPaymentX);
    if (!line.principal.empty()) {
        canvas.PrintRight(line.principal, kPrincipalX);
        canvas.PrintRight(line.interest, kInterestX);
    }
    if (!line.balance.empty()) {
        canvas.PrintRight(line.balance, kBalanceX);
    }
    canvas.NewLine();
}

} // namespace

void PrintScheduleReport(ReportCanvas& canvas, const report::ReportFont& font,
                         const ScheduleReport& report) {
    canvas.SetFont(font.name, font.size);
    PrintPageHeader(canvas, report);
    canvas.NewLine();
    canvas.SetBold(true);
    canvas.PrintCenter(report.title, report::PageWidth / 2);
    canvas.SetBold(false);
    canvas.NewLine();
    canvas.NewLine();
    for (const std::vector<std::string>* block : {&report.openingLines, &report.preparedForLines}) {
        for (const std::string& text : *block) {
            if (canvas.LinesLeft() < kLinesBeforeNewPage) {
                canvas.NewPage();
                PrintPageHeader(canvas, report);
            }
            canvas.PrintLeft(text, kLabelX);
            canvas.NewLine();
        }
    }
    canvas.NewLine();
    for (const ScheduleReportLine& line : report.lines) {
        if (canvas.LinesLeft() < kLinesBeforeNewPage) {
            canvas.NewPage();
            PrintPageHeader(canvas, report);
        }
        PrintBodyLine(canvas, line);
    }
}

} // namespace quarvex::amortization
