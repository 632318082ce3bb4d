// The copied and printed schedule of the amortization calculator.
#include "amortization/FiscalYears.h"
#include "amortization/calculator/LoanSettingSpecs.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/DateText.h"
#include "framework/report/Format.h"
#include "framework/settings/ApplicationValues.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

namespace quarvex::amortization {

namespace {

using framework::Caption;
using framework::Choice;
using framework::Date;
using report::FormatArg;

std::string UsDate(dates::DayNumber date) {
    return dates::FormatUsDate(date, dates::YearDigits::Four);
}

std::string ListText(const framework::DataRecord& data, std::size_t field) {
    const int index = data.Get<Choice>(field).index;
    const auto& list = data.Spec(field).list;
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? std::string(list[static_cast<std::size_t>(index)])
               : std::string();
}

std::string YesNo(bool on) {
    return on ? "Yes" : "No";
}

// The caption of a prompt in the copied settings: without its first '?'.
std::string WithoutFirstQuestionMark(std::string_view prompt) {
    std::string text(prompt);
    if (const auto mark = text.find('?'); mark != std::string::npos) {
        text.erase(mark, 1);
    }
    return text;
}

} // namespace

std::string TcbAmort::CopyText() const {
    const framework::DataRecord& data = Data();
    const masks::NumberConventions& conventions = Context().conventions;
    const auto row = [&](std::string_view pattern, std::size_t field, FormatArg value) {
        return report::Format(pattern, {Caption(data.Prompt(field)), std::move(value)},
                              conventions);
    };
    std::string text = Title() + "\r\n\r\n";
    text += row("%-28s %16.2m\t\t", PV, data.Get<double>(PV));
    text += row("%-28s %16d\r\n", NumPmts, std::int64_t{data.Get<std::int32_t>(NumPmts)});
    text += row("%-28s %16.2n\t\t", Rate, static_cast<double>(data.Get<float>(Rate)));
    text += row("%-28s %16.2m\r\n", Pmt, data.Get<double>(Pmt));
    text += row("%-28s %16s \t\t", OrgDate, UsDate(data.Get<Date>(OrgDate).day));
    text += row("%-28s %16s \r\n", FirstPmtDate, UsDate(data.Get<Date>(FirstPmtDate).day));
    text += row("%-28s %16s\t\t", PYR, ListText(data, PYR));
    text += row("%-28s %16s\r\n", CmpPYR, ListText(data, CmpPYR));
    text += row("%-28s %16.2n\t\t", Points, static_cast<double>(data.Get<float>(Points)));
    text += row("%-28s %16s\r\n\r\n", AmortMthd, ListText(data, AmortMthd));

    text += report::Format("%-5s\t%-8s\t%-20s\t%-20s\t%-20s\t%-20s\r\n\r\n",
                           {"#/Yr", "Date", "Payment", "Principal", "Interest", "Balance"},
                           conventions);
    for (const TTransRec& r : schedule_.Records()) {
        text += report::Format(
            "%-5s\t%-8s\t%-20.2m\t%-20.2m\t%-20.2m\t%-20.2m\r\n",
            {r.PmtNoYr, UsDate(r.TransDate), r.Pmt, r.Principal, r.Interest, r.PrinBal},
            conventions);
    }

    text += "\r\n\r\n";
    const auto settings = LoanSettingSpecs();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const LoanSettingSpec& setting = settings[i];
        const std::string value(setting.TextOf(setting.get(state_.Settings)));
        const bool left = i % 2 == 0;
        const bool shortPeriod = i >= 10; // the two short-period settings have their own widths
        const char* pattern = shortPeriod ? (left ? "%-31s %13s\t\t" : "%-31s %13s\r\n")
                                          : (left ? "%-28s %16s\t\t" : "%-28s %16s\r\n");
        text += report::Format(pattern, {WithoutFirstQuestionMark(setting.copyPrompt), value},
                               conventions);
    }
    text += report::Format(
        "%-40s %4d\t\t",
        {"Number of initial interest only periods:", std::int64_t{state_.IntOnlyPmts}},
        conventions);
    text += report::Format("%-28s %16d\r\n",
                           {"Balloon at Payment Number:", std::int64_t{state_.BalloonPeriod}},
                           conventions);
    text += report::Format("%-24s %20.2m\t\t", {"Total One Time Fees:", state_.OneTimeFees},
                           conventions);
    text += report::Format("%-40s %4s\r\n",
                           {"Force Payment Calculation", YesNo(state_.ForcePmtCalc)}, conventions);
    text += report::Format(
        "%-40s %4s\t\t", {"Recalc Pmt After 0 Pmt", YesNo(state_.RecalcPmtAfterZero)}, conventions);
    text += report::Format("%-40s %4s\r\n", {"Optimize Payments", YesNo(state_.OptimizePmts)},
                           conventions);
    return text;
}

ScheduleReport TcbAmort::MakeScheduleReport() const {
    const framework::DataRecord& data = Data();
    const masks::NumberConventions& conventions = Context().conventions;
    ScheduleReport report;
    report.title = Title();
    const auto line = [&](std::string_view pattern, std::string caption, FormatArg value) {
        report.openingLines.push_back(
            report::Format(pattern, {std::move(caption), std::move(value)}, conventions));
    };
    const auto field = [&](std::string_view pattern, std::size_t index, FormatArg value) {
        line(pattern, Caption(data.Prompt(index)), std::move(value));
    };
    field("%-42s %16.2m", PV, data.Get<double>(PV));
    field("%-42s %16d", NumPmts, std::int64_t{data.Get<std::int32_t>(NumPmts)});
    field("%-42s %16.2f", Rate, static_cast<double>(data.Get<float>(Rate)));
    field("%-42s %16.2m", Pmt, data.Get<double>(Pmt));
    field("%-42s %16s", OrgDate, UsDate(data.Get<Date>(OrgDate).day));
    field("%-42s %16s", FirstPmtDate, UsDate(data.Get<Date>(FirstPmtDate).day));
    field("%-42s %16s", PYR, ListText(data, PYR));
    field("%-42s %16s", CmpPYR, ListText(data, CmpPYR));
    field("%-42s %16.2n", Points, static_cast<double>(data.Get<float>(Points)));
    field("%-42s %16s", AmortMthd, ListText(data, AmortMthd));
    // The settings the printout shows: rate basis, acceleration, weekend, last period, US
    // Rule and last day of month.
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        const std::string_view name = setting.name;
        if (name == "RateBasis" || name == "AccelMthd" || name == "WeekendAdjust" ||
            name == "AdjustLastMthd" || name == "USRule" || name == "LastDayMonthMthd") {
            line("%-42s %16s", Caption(setting.storedName),
                 std::string(setting.TextOf(setting.get(state_.Settings))));
        }
    }
    if (state_.BalloonPeriod > 0) {
        line("%-42s %16d", "Balloon Payment Number:", std::int64_t{state_.BalloonPeriod});
    }
    if (state_.OneTimeFees != 0) {
        line("%-42s %16.2m", "Total of all one time fees?:", state_.OneTimeFees);
    }
    if (state_.IntOnlyPmts != 0) {
        line("%-42s %16d",
             "Number of initial interest only periods?:", std::int64_t{state_.IntOnlyPmts});
    }

    const framework::ApplicationValues& application = Context().application;
    report.preparedBy = application.PreparedBy();
    report.preparedOn = dates::FormatUsDate(Context().clock.Today(), dates::YearDigits::Two);
    if (const auto& account = application.AccountDetails()) {
        report.preparedForName = PreparedForName(*account);
        if (printPreparedFor_) {
            report.preparedForLines =
                PreparedForLines(*account, application.PreparedBy(), conventions);
        }
    }
    report.lines =
        ScheduleBodyLines(schedule_, StartMonthOfYearEnding(state_.YearEnding), conventions);
    return report;
}

std::vector<std::string> TcbAmort::PrintRows() const {
    const ScheduleReport report = MakeScheduleReport();
    std::vector<std::string> rows = report.openingLines;
    rows.insert(rows.end(), report.preparedForLines.begin(), report.preparedForLines.end());
    for (const ScheduleReportLine& line : report.lines) {
        rows.push_back(LineText(line));
    }
    return rows;
}

bool TcbAmort::Print() const {
    const ScheduleReport report = MakeScheduleReport();
    return Context().printing.Print(Title(), Printing::Kind::Schedule, [&](ReportCanvas& canvas) {
        PrintScheduleReport(canvas, Context().reportFont, report);
    });
}

} // namespace quarvex::amortization
