// The amortization calculator on the command line: its settings as NAME=VALUE arguments, the
// --apr and --csv switches and the members of its JSON.
#include "amortization/calculator/ArgumentWords.h"
#include "amortization/calculator/DisclosureArguments.h"
#include "amortization/calculator/DisclosureReport.h"
#include "amortization/calculator/LoanSettingSpecs.h"
#include "amortization/calculator/TcbAmort.h"
#include "amortization/calculator/TransRecColumns.h"
#include "framework/dates/DateText.h"
#include "platform/Clock.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace quarvex::amortization {

namespace {

using framework::EBadArgument;
using framework::OutputMember;
using framework::OutputMembers;
using framework::OutputValue;

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

long long CountIn(std::string_view name, std::string_view text, long long last) {
    const auto value = WholeNumber(text);
    if (!value || *value < 0 || *value > last) {
        throw EBadArgument(std::string(name) + " takes a whole number from 0 to " +
                           std::to_string(last) + ", not '" + std::string(text) + "'");
    }
    return *value;
}

std::string ListHelp(const LoanSettingSpec& setting) {
    std::string text;
    for (std::size_t i = 0; i < setting.items.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(setting.firstCode + static_cast<int>(i)) +
                " " + std::string(setting.items[i]);
    }
    return text;
}

OutputValue Day(dates::DayNumber date) {
    return dates::FormatIsoDate(date);
}

} // namespace

bool TcbAmort::TakeArgument(std::string_view name, std::string_view value) {
    if (TakeDisclosureArgument(disclosure_, name, value)) {
        return true;
    }
    AmortCalcState state = state_;
    bool taken = true;
    if (const auto setting =
            std::find_if(LoanSettingSpecs().begin(), LoanSettingSpecs().end(),
                         [name](const LoanSettingSpec& s) { return SameName(s.name, name); });
        setting != LoanSettingSpecs().end()) {
        const auto code = setting->CodeOf(value);
        if (!code) {
            throw EBadArgument(std::string(setting->name) + " takes one of " + ListHelp(*setting) +
                               "; not '" + std::string(value) + "'");
        }
        setting->set(state.Settings, *code);
    } else if (SameName(name, "BalloonPeriod")) {
        state.BalloonPeriod = static_cast<std::uint16_t>(CountIn("BalloonPeriod", value, 65535));
    } else if (SameName(name, "IntOnlyPmts")) {
        state.IntOnlyPmts = static_cast<std::int32_t>(CountIn("IntOnlyPmts", value, 65535));
    } else if (SameName(name, "OneTimeFees")) {
        double fees = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), fees);
        if (error != std::errc() || end != value.data() + value.size() || !std::isfinite(fees) ||
            fees < 0 || fees >= kLargestAmount) {
            throw EBadArgument("OneTimeFees takes an amount of 0 or more, not '" +
                               std::string(value) + "'");
        }
        state.OneTimeFees = fees;
    } else if (SameName(name, "YearEnding")) {
        const auto month = std::find_if(kMonths.begin(), kMonths.end(),
                                        [value](auto m) { return SameName(m, value); });
        if (month != kMonths.end()) {
            state.YearEnding = static_cast<int>(month - kMonths.begin()) + 1;
        } else {
            const auto number = WholeNumber(value);
            if (!number || *number < 1 || *number > 12) {
                throw EBadArgument("YearEnding takes a month, 1 to 12 or its name, not '" +
                                   std::string(value) + "'");
            }
            state.YearEnding = static_cast<int>(*number);
        }
    } else if (SameName(name, "ForcePmtCalc")) {
        state.ForcePmtCalc = Switch("ForcePmtCalc", value);
    } else if (SameName(name, "RecalcPmtAfterZero")) {
        state.RecalcPmtAfterZero = Switch("RecalcPmtAfterZero", value);
    } else if (SameName(name, "OptimizePmts")) {
        state.OptimizePmts = Switch("OptimizePmts", value);
    } else {
        taken = false;
    }
    if (taken) {
        SetState(state);
    }
    return taken;
}

std::vector<std::string> TcbAmort::ArgumentHelp() const {
    std::vector<std::string> help;
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        help.push_back(std::string(setting.name) + "\t" + std::string(setting.storedName) + " " +
                       ListHelp(setting) + " (code or text; " +
                       std::to_string(setting.get(AmortSettings{})) + " unless given)");
    }
    help.push_back("BalloonPeriod\tthe payment that takes the whole balance; 0 for none");
    help.push_back("IntOnlyPmts\tinitial payments of interest only");
    help.push_back(
        "OneTimeFees\ttotal of one-time fees (application, credit check...) for the APR");
    help.push_back("YearEnding\tthe month the fiscal year ends with, 1-12 or its name; 12 unless "
                   "given");
    help.push_back("ForcePmtCalc\tyes to solve the payment whatever is entered; yes unless given");
    help.push_back("RecalcPmtAfterZero\tyes to solve the payment again after a skipped one; yes "
                   "unless given");
    help.push_back("OptimizePmts\tyes to fit a solved payment to the cent; yes unless given");
    for (std::string& line : DisclosureArgumentHelp()) {
        help.push_back(std::move(line));
    }
    return help;
}

std::string TcbAmort::OutputFlagText(std::string_view flag) const {
    if (flag == "apr") {
        RequireResults();
        const AprDetail detail = amortization::MakeAprDetail(
            Inputs(), state_.OneTimeFees, PaidAtOrigination(), results_, ComputeApr());
        return "\r\n" + AprDetailCopyText(detail, Context().conventions);
    }
    if (flag == "disclosure") {
        // The statement replaces the printout --pdf has just written (the print job replaces
        // the file); without --pdf nothing is printed and the figures are the output.
        RequireResults();
        std::vector<TAprPmtRec> groups;
        BuildPaymentGroups(groups);
        const AprDisclosureFigures figures = amortization::MakeDisclosureFigures(
            Inputs(), results_, ComputeApr(), std::move(groups));
        PrintDisclosureStatement(Context().printing, figures, disclosure_, Context().clock.Today(),
                                 Context().conventions);
        return DisclosureSummaryText(figures, disclosure_, Context().conventions);
    }
    if (flag == "csv") {
        std::string text = TransRecCsvHeader();
        for (const TTransRec& row : schedule_.Records()) {
            text += TransRecCsvLine(row);
        }
        return text;
    }
    return {};
}

OutputMembers TcbAmort::SettingMembers() const {
    OutputMembers members;
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        const int code = setting.get(state_.Settings);
        members.push_back({std::string(setting.name),
                           OutputValue::Members{{"code", std::int64_t{code}},
                                                {"text", std::string(setting.TextOf(code))}}});
    }
    members.push_back({"BalloonPeriod", std::int64_t{state_.BalloonPeriod}});
    members.push_back({"IntOnlyPmts", state_.IntOnlyPmts});
    members.push_back({"OneTimeFees", state_.OneTimeFees});
    members.push_back({"YearEnding", std::int64_t{state_.YearEnding}});
    members.push_back({"ForcePmtCalc", state_.ForcePmtCalc});
    members.push_back({"RecalcPmtAfterZero", state_.RecalcPmtAfterZero});
    members.push_back({"OptimizePmts", state_.OptimizePmts});
    return members;
}

OutputMembers TcbAmort::ResultMembers() const {
    const AmortResults& r = results_;
    const FlexAmortResults& e = r.Engine;
    return {
        {"Unknown", std::int64_t{unknown_}},
        {"PaymentSolved", r.PaymentSolved},
        {"PointsAmt", r.PointsAmt},
        {"EnginePmt", r.EnginePmt},
        {"EngineNumPmts", std::int64_t{r.EngineNumPmts}},
        {"EngineFrequency", std::int64_t{r.EngineFrequency}},
        {"FirstPeriodKind", std::int64_t{static_cast<int>(e.FirstPeriodKind)}},
        {"OddDays", e.OddDays},
        {"WholePeriods", e.WholePeriods},
        {"OddFraction", e.OddFraction},
        {"OddDaysInterest", e.OddDaysInterest},
        {"FinalBalance", e.FinalBalance},
        {"LastTransNo", e.LastTransNo},
        {"LastPmtDate", Day(e.LastPmtDate)},
        {"LastPmt", e.LastPmt},
        {"TotalPmts", e.TotalPmts},
        {"TotalInterest", e.TotalInterest},
        {"LastInterest", e.LastInterest},
        {"LastPrincipal", e.LastPrincipal},
        {"NumYears", std::int64_t{e.NumYears}},
        {"DaysToLastPmt", e.DaysToLastPmt},
        {"FirstPmt", e.FirstPmt},
        {"BalloonPmt", r.BalloonPmt},
        {"BalloonPrincipal", r.BalloonPrincipal},
        {"BalloonInterest", r.BalloonInterest},
        {"StoppedAtLatestDate", r.StoppedAtLatestDate},
    };
}

OutputMembers TcbAmort::JsonMembers() const {
    OutputMembers members;
    members.push_back({"settings", SettingMembers()});
    members.push_back({"results", ResultMembers()});
    // A loan whose rate cannot be derived still has its schedule: the APR is null then, with
    // the reason.
    try {
        const AprDetail detail = amortization::MakeAprDetail(
            Inputs(), state_.OneTimeFees, PaidAtOrigination(), results_, ComputeApr());
        members.push_back({"apr", AprDetailMembers(detail)});
    } catch (const Exception& error) {
        members.push_back({"apr", OutputValue()});
        members.push_back({"aprError", error.Message()});
    }
    OutputValue::List rows;
    rows.reserve(schedule_.Records().size());
    for (const TTransRec& row : schedule_.Records()) {
        rows.emplace_back(TransRecMembers(row));
    }
    members.push_back({"rows", std::move(rows)});
    return members;
}

} // namespace quarvex::amortization
