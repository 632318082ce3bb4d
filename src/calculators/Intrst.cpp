#include "calculators/Intrst.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "calculators/Narrowing.h"
#include "engine/EngineTypes.h"
#include "framework/dates/DateArithmetic.h"
#include "framework/dates/DateLabels.h"
#include "framework/dates/DateText.h"
#include "framework/report/Format.h"

#include <array>

namespace quarvex::calculators {

namespace {

using framework::DataRecord;
using framework::Date;
using framework::FieldValue;

constexpr std::array<std::string_view, 2> kRateBases = {"Actual/360", "Actual/365"};

// A rate basis of the five-entry list onto this calculator's two: by the days in its year.
FieldValue ByDaysInYear(const FieldValue& basis) {
    const auto code = static_cast<std::size_t>(framework::AsDouble(basis));
    const bool year365 = code < engine::kDaysInYear.size() && engine::kDaysInYear[code] == 365;
    return framework::Choice{year365 ? 1 : 0};
}

std::string DateText(const DataRecord& data, std::size_t field) {
    return dates::FormatUsDate(data.Get<Date>(field).day, dates::YearDigits::Four);
}

// A date and its weekday on one line.
framework::OutputRow DateRow(std::size_t date, std::size_t weekday) {
    framework::OutputRow row;
    row.field = date;
    row.custom = [date, weekday](const DataRecord& data, bool forPrint) {
        const std::string caption = framework::Caption(data.Prompt(date));
        const std::string day = data.Get<std::string>(weekday);
        const masks::NumberConventions plain;
        if (forPrint) {
            return report::Format("\t%-25s %10s\t%-10s", {caption, DateText(data, date), day},
                                  plain);
        }
        return report::Format("%-25s %15s %-8s\r\n", {caption, DateText(data, date), day}, plain);
    };
    return row;
}

void RefreshWeekdays(DataRecord& data) {
    using T = TcbInterest;
    data.Set(T::StartDay, dates::WeekdayName(data.Get<Date>(T::StartDate).day));
    data.Set(T::EndDay, dates::WeekdayName(data.Get<Date>(T::EndDate).day));
}

} // namespace

const framework::CalculatorSpec& TcbInterest::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        List("cbxRateBasis", "Rate &Basis?:", kRateBases, 7, 0),
        Money("oedPV", "&Amount?:", 6),
        Real("oedNumDays", "&Number of Days? (#):", FieldType::Int32, "iii,iii", MaskKind::Count,
             7),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        [] {
            auto start = DateField("oedStartDate", "&Start Date?:", 7);
            start.startsToday = true;
            return start;
        }(),
        Text("oedStartDay", "", FieldRole::Result),
        [] {
            auto end = DateField("oedEndDate", "End Da&te?:", 7);
            end.startsToday = true;
            return end;
        }(),
        Text("oedEndDay", "", FieldRole::Result),
        Compounding(),
        Money("oedInterest", "Interest For Term:", 0, FieldRole::Result),
        Money("oedFV", "Future Value:", 0, FieldRole::Result),
        Real("oedAPY", "Annual Percentage Yield (APY):", FieldType::Single, "##.####",
             MaskKind::None, 0, FieldRole::Result),
        Real("oedDailyRate", "Daily Periodic Rate:", FieldType::Single, "##.######", MaskKind::None,
             0, FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        DefaultRate(Rate),
        DefaultCompounding(CmpPYR),
        {"cbxDefaultRateBasis",
         "Rate &Basis?:",
         FieldType::Choice,
         {},
         MaskKind::None,
         engine::kInterestBasisNames,
         7,
         framework::Choice{0},
         RateBasis,
         &ByDaysInYear},
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::AnnualRate, Rate},
        {GlobalSetting::CompoundingPeriod, CmpPYR},
        {GlobalSetting::RateBasis, RateBasis, &ByDaysInYear},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 34),
        CountRow(NumDays, 34),
        Row(Rate, 34, "%16.4n", "%16.4n"),
        DateRow(StartDate, StartDay),
        DateRow(EndDate, EndDay),
        ListRow(RateBasis, 34),
        ListRow(CmpPYR, 34),
        MoneyRow(Interest, 34),
        MoneyRow(FV, 34),
        Row(APY, 34, "%16.4n", "%16.4n"),
        Row(DailyRate, 34, "%16.6n", "%16.6n"),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "interest",
        .name = "Compound/Simple Interest Calculator",
        .helpTopic = 7,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbInterest::TcbInterest(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbInterest::InitData() {
    CalcBuffer::InitData();
    RefreshWeekdays(Data());
}

void TcbInterest::FormFieldChanged(DataRecord& form, std::size_t field) const {
    const auto start = form.Get<Date>(StartDate).day;
    const auto end = form.Get<Date>(EndDate).day;
    if (field == NumDays) {
        const std::int32_t days = form.Get<std::int32_t>(NumDays);
        if (days < 1) {
            // Counting back from the end date; the days then read as the span it makes.
            const auto moved = dates::AddToDate(end, days, 0, 0);
            if (moved != dates::kNoDate) {
                form.Set(StartDate, Date{moved});
                form.Set(NumDays, end - moved);
            }
        } else if (const auto moved = dates::AddToDate(start, days, 0, 0);
                   moved != dates::kNoDate) {
            form.Set(EndDate, Date{moved});
        }
    } else if ((field == StartDate || field == EndDate) && start != dates::kNoDate &&
               end != dates::kNoDate) {
        form.Set(NumDays, end - start);
    }
    RefreshWeekdays(form);
}

void TcbInterest::Calculate() {
    DataRecord& data = Data();
    RefreshWeekdays(data);
    interest_.Init(data.Get<double>(PV), data.Get<std::int32_t>(NumDays),
                   data.Get<Date>(StartDate).day, data.Get<float>(Rate),
                   data.Get<Date>(EndDate).day, CodeOf(data, CmpPYR),
                   static_cast<std::uint8_t>(CodeOf(data, RateBasis) + 3));
    interest_.Calculate();
    const float yield = ToSingle(interest_.APY);
    const float dailyPercent = ToSingle(interest_.DailyRate * 100);
    data.Set(Interest, interest_.Interest);
    data.Set(FV, interest_.FV);
    data.Set(APY, yield);
    data.Set(DailyRate, dailyPercent);
}

} // namespace quarvex::calculators
