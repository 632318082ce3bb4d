#include "calculators/CashFlowCalculator.h"

#include "calculators/CashFlowReport.h"
#include "calculators/ChoiceCodes.h"
#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "framework/buffer/FieldRange.h"
#include "framework/codec/CodecErrors.h"
#include "framework/codec/FileHeader.h"
#include "framework/codec/WholeFile.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/DateText.h"
#include "framework/dates/PaymentDates.h"
#include "framework/report/Format.h"
#include "framework/settings/ApplicationValues.h"
#include "platform/Messages.h"
#include "platform/Printing.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace quarvex::calculators {

namespace {

using framework::DataRecord;
using framework::Date;
using framework::SeriesEntry;

constexpr std::uint8_t kFileVersion = 1;
constexpr std::size_t kFlowRecordSize = 12;
constexpr std::int16_t kNoWeekendAdjustment = 0;

std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        parts.push_back(text.substr(start, end - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return parts;
}

double ParseAmount(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw framework::EBadArgument("'" + std::string(text) + "' is not an amount");
    }
    return value;
}

std::string PeriodsMessage() {
    return "Total Periods must be from 2 to " + std::to_string(TcbCashFlows::kMaxPeriods) + ".";
}

} // namespace

TcbCashFlows::TcbCashFlows(const framework::CalculatorSpec& spec, framework::BufferContext& context,
                           const Layout& layout)
    : CalcBuffer(spec, context), layout_(layout) {}

std::uint16_t TcbCashFlows::PeriodsPerYear() const {
    return engine::PeriodsPerYear(CodeOf(Data(), layout_.period));
}

void TcbCashFlows::RebuildSeries(DataRecord& record, bool keepAmounts) const {
    const int count = std::clamp<int>(record.Get<std::int16_t>(layout_.numPmts), 0, kMaxPeriods);
    const int periodCode = CodeOf(record, layout_.period) + 1;
    const int twiceMonthly = Context().application.TwiceMonthlyDays();
    const std::vector<SeriesEntry> old = record.Series();
    std::vector<SeriesEntry> series;
    series.reserve(static_cast<std::size_t>(count));
    std::int32_t date = record.Get<Date>(layout_.startDate).day;
    for (int i = 0; i < count; ++i) {
        date = dates::NextPaymentDate(periodCode, date, kNoWeekendAdjustment, twiceMonthly);
        const bool keep = keepAmounts && i < static_cast<int>(old.size()) && i + 1 < count;
        series.push_back({date, keep ? old[i].amount : 0.0});
    }
    record.Series() = std::move(series);
}

void TcbCashFlows::FormFieldChanged(DataRecord& form, std::size_t field) const {
    if (field == layout_.pv) {
        form.Set(layout_.pv, -std::fabs(form.Get<double>(layout_.pv)));
    } else if (field == layout_.numPmts) {
        const std::int16_t count = form.Get<std::int16_t>(layout_.numPmts);
        if (count < 2) {
            form.Set(layout_.numPmts, static_cast<std::int16_t>(kDefaultPeriods));
        } else if (count > kMaxPeriods) {
            form.Set(layout_.numPmts, static_cast<std::int16_t>(kMaxPeriods));
        }
        RebuildSeries(form, false);
    } else if (field == layout_.startDate || field == layout_.period) {
        RebuildSeries(form, true);
    }
}

std::string TcbCashFlows::FlowLabel(std::int32_t date) const {
    return dates::FormatUsDate(date, layout_.twoDigitYearLabels ? dates::YearDigits::Two
                                                                : dates::YearDigits::Four) +
           ":";
}

void TcbCashFlows::PrepareFlows() {
    DataRecord& data = Data();
    const std::int16_t count = data.Get<std::int16_t>(layout_.numPmts);
    if (count < 2 || count > kMaxPeriods) {
        throw framework::EBadArgument(PeriodsMessage());
    }
    data.Set(layout_.pv, -std::fabs(data.Get<double>(layout_.pv)));
    // The dates follow the start date and period; the typed amounts stay where they are.
    RebuildSeries(data, true);
    if (givenDates_) {
        // Dates given (on the command line) for the initial amount and each shown flow.
        auto& series = data.Series();
        if (givenDates_->size() != series.size()) {
            throw framework::EBadArgument("Dates must give one date for each of the " +
                                          std::to_string(series.size()) + " flows");
        }
        data.Set(layout_.startDate, Date{givenDates_->front()});
        for (std::size_t i = 0; i + 1 < series.size(); ++i) {
            series[i].date = (*givenDates_)[i + 1];
        }
        // The hidden last record (always 0) one day after the last flow.
        series.back().date = givenDates_->back() + 1;
    }
    for (const SeriesEntry& entry : data.Series()) {
        if (entry.date == dates::kNoDate) {
            engine::RaiseFinanceError(engine::kFinOutOfRange);
        }
    }
}

std::vector<engine::TPeriodicCashFlow> TcbCashFlows::PeriodicFlows() const {
    const DataRecord& data = Data();
    std::vector<engine::TPeriodicCashFlow> flows;
    flows.push_back({data.Get<Date>(layout_.startDate).day, data.Get<double>(layout_.pv)});
    for (const SeriesEntry& entry : data.Series()) {
        flows.push_back({entry.date, entry.amount});
    }
    return flows;
}

std::vector<engine::TDatedCashFlow> TcbCashFlows::DatedFlows() const {
    std::vector<engine::TDatedCashFlow> flows;
    for (const auto& flow : PeriodicFlows()) {
        flows.push_back({flow.Date, flow.Amount});
    }
    return flows;
}

bool TcbCashFlows::TakeArgument(std::string_view name, std::string_view value) {
    const auto is = [name](std::string_view expected) {
        return name.size() == expected.size() &&
               std::equal(name.begin(), name.end(), expected.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    DataRecord& data = Data();
    if (is("Flows")) {
        const auto parts = SplitList(value);
        if (parts.size() < 2 || parts.size() > static_cast<std::size_t>(kMaxPeriods)) {
            throw framework::EBadArgument("Flows takes the initial amount and from 1 to " +
                                          std::to_string(kMaxPeriods - 1) + " flows");
        }
        // Every amount is held to the money mask its grid cell (and the initial amount) has.
        const framework::FieldSpec& money = Spec().fields[layout_.pv];
        std::vector<double> amounts;
        for (const std::string_view part : parts) {
            amounts.push_back(ParseAmount(part));
            if (const auto outside = framework::OutsideFieldRange(money, amounts.back())) {
                throw framework::EBadArgument("Flows: '" + std::string(part) +
                                              "' is out of range: " + *outside);
            }
        }
        data.Set(layout_.pv, -std::fabs(amounts.front()));
        data.Set(layout_.numPmts, static_cast<std::int16_t>(parts.size()));
        RebuildSeries(data, false);
        for (std::size_t i = 1; i < amounts.size(); ++i) {
            data.Series()[i - 1].amount = amounts[i];
        }
        return true;
    }
    if (is("Dates")) {
        std::vector<std::int32_t> days;
        for (const std::string_view part : SplitList(value)) {
            const auto day = dates::ParseIsoDate(part);
            if (day == dates::kNoDate) {
                throw framework::EBadArgument("'" + std::string(part) +
                                              "' is not a date as YYYY-MM-DD");
            }
            days.push_back(day);
        }
        data.Set(layout_.startDate, Date{days.front()});
        givenDates_ = std::move(days);
        Options().localDefaults.at(layout_.exactOption) = framework::Choice{1};
        return true;
    }
    if (is("ExactDays")) {
        const bool on = value == "1" || value == "yes" || value == "Yes" || value == "true";
        const bool off = value == "0" || value == "no" || value == "No" || value == "false";
        if (!on && !off) {
            throw framework::EBadArgument("ExactDays takes yes or no");
        }
        Options().localDefaults.at(layout_.exactOption) = framework::Choice{on ? 1 : 0};
        return true;
    }
    return false;
}

std::vector<std::string> TcbCashFlows::ArgumentHelp() const {
    return {"Flows\tthe initial amount, then the periodic flows: -1000,100,100,...",
            "Dates\tone date per flow in exact-day mode: 2021-01-01,2021-02-01,...",
            "ExactDays\tyes to discount by the days between the flows' dates"};
}

std::string TcbCashFlows::LastEntryPath() const {
    return Context().application.DefaultDataFolder() + "Last." + std::string(layout_.extension);
}

std::vector<std::uint8_t> TcbCashFlows::FileBytes(bool lastEntry) const {
    codec::RecordWriter writer;
    codec::WriteFileHeader(writer, {std::string(layout_.extension), kFileVersion, 0});
    if (lastEntry) {
        writer.WriteZeros(layout_.headerSize - codec::kFileHeaderSize);
    } else {
        WriteHeaderFields(writer);
    }
    for (const SeriesEntry& entry : Data().Series()) {
        writer.WriteInt32(entry.date);
        writer.WriteDouble(entry.amount);
    }
    return writer.Take();
}

std::optional<DataRecord> TcbCashFlows::Parse(const std::vector<std::uint8_t>& bytes,
                                              bool lastEntry) const {
    try {
        codec::RecordReader reader(bytes);
        codec::ExpectFileHeader(reader, {std::string(layout_.extension), kFileVersion, 0});
        DataRecord record = Data();
        if (lastEntry) {
            reader.Skip(layout_.headerSize - codec::kFileHeaderSize);
        } else {
            ReadHeaderFields(reader, record);
        }
        const std::int16_t count = record.Get<std::int16_t>(layout_.numPmts);
        if (count < 2 || count > kMaxPeriods ||
            bytes.size() != layout_.headerSize + kFlowRecordSize * count) {
            return std::nullopt;
        }
        record.Series().clear();
        for (int i = 0; i < count; ++i) {
            const std::int32_t date = reader.ReadInt32();
            const double amount = reader.ReadDouble();
            if (!dates::IsValidDayNumber(date)) {
                return std::nullopt;
            }
            record.Series().push_back({date, amount});
        }
        return record;
    } catch (const Exception&) {
        return std::nullopt;
    }
}

void TcbCashFlows::InitData() {
    CalcBuffer::InitData();
    RebuildSeries(Data(), false);
}

void TcbCashFlows::UseLocalDefaults() {
    CalcBuffer::UseLocalDefaults();
    RebuildSeries(Data(), true);
}

void TcbCashFlows::UseGlobalDefaults() {
    CalcBuffer::UseGlobalDefaults();
    RebuildSeries(Data(), true);
}

void TcbCashFlows::SaveLast() const {
    CalcBuffer::SaveLast();
    std::filesystem::create_directories(Context().application.DefaultDataFolder());
    codec::WriteWholeFile(LastEntryPath(), FileBytes(true));
}

bool TcbCashFlows::LoadLast() {
    CalcBuffer::LoadLast();
    if (!std::filesystem::exists(LastEntryPath())) {
        RebuildSeries(Data(), false);
        return false;
    }
    const auto record = Parse(codec::ReadWholeFile(LastEntryPath()), true);
    if (!record) {
        Context().messages.Show("Version Mismatch", MessageIcon::Information, MessageButtons::Ok);
        RebuildSeries(Data(), false);
        return false;
    }
    Data().Series() = record->Series();
    return true;
}

std::optional<framework::CalcBuffer::FileKind> TcbCashFlows::DataFile() const {
    return FileKind{std::string(layout_.saveDescription), std::string(layout_.openDescription),
                    std::string(layout_.extension)};
}

void TcbCashFlows::WriteDataFile(const std::string& path) const {
    codec::WriteWholeFile(path, FileBytes(false));
}

bool TcbCashFlows::ReadDataFile(const std::string& path) {
    const auto record = Parse(codec::ReadWholeFile(path), false);
    if (!record) {
        Context().messages.Show("Version Mismatch", MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    Data().CopyValuesFrom(*record);
    return true;
}

std::string TcbCashFlows::CopyText() const {
    std::string text = CalcBuffer::CopyText();
    const DataRecord& data = Data();
    const auto& conventions = Context().conventions;
    const std::string recordFormat = "%-24s " + std::string(layout_.recordCopyValue) + "\r\n";
    const auto& series = data.Series();
    for (std::size_t i = 0; i + 1 < series.size(); ++i) {
        text += report::Format(
            recordFormat,
            {dates::FormatUsDate(series[i].date, dates::YearDigits::Four), series[i].amount},
            conventions);
    }
    text += report::Format(layout_.resultCopyFormat,
                           {framework::Caption(data.Prompt(layout_.result)),
                            framework::AsDouble(data.Value(layout_.result))},
                           conventions);
    return text;
}

bool TcbCashFlows::Print() const {
    const DataRecord& data = Data();
    const auto& conventions = Context().conventions;
    std::vector<std::pair<std::string, std::string>> flows;
    const auto& series = data.Series();
    for (std::size_t i = 0; i + 1 < series.size(); ++i) {
        flows.emplace_back(
            report::Format("%11s", {dates::FormatUsDate(series[i].date, dates::YearDigits::Four)},
                           conventions),
            report::Format("%16.2m", {series[i].amount}, conventions));
    }
    const std::vector<std::string> inputs = PrintRows();
    const std::string result = report::Format(layout_.resultPrintFormat,
                                              {framework::Caption(data.Prompt(layout_.result)),
                                               framework::AsDouble(data.Value(layout_.result))},
                                              conventions);
    return Context().printing.Print(Title(), Printing::Kind::ResultPage, [&](ReportCanvas& canvas) {
        PrintCashFlowPage(canvas, Context().reportFont, Title(), inputs, flows, result);
    });
}

} // namespace quarvex::calculators
