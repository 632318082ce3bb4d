#include "calculators/EquRate.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"

namespace quarvex::calculators {

namespace {

constexpr std::string_view kRatesMask = "##.#####";

kit::FieldSpec EquivalentRate(std::string_view control, std::string_view prompt,
                              kit::FieldRole role) {
    return kit::Real(control, prompt, framework::FieldType::Double, kRatesMask,
                     framework::MaskKind::None, 298, role);
}

// The rows of the two rates on the command line, with the decimals their fields show.
const framework::OutputRow kRateRows[] = {
    kit::Row(TcbEquRate::NominalRate, 40, "%16.5n", "%16.5n"),
    kit::Row(TcbEquRate::EffectiveRate, 40, "%16.5n", "%16.5n"),
};

// The copied rows before the rates: compounding and days.
constexpr std::size_t kRowsBeforeRates = 2;

} // namespace

const framework::CalculatorSpec& TcbEquRate::Definition() {
    using namespace kit;
    using framework::GlobalSetting;
    static const framework::FieldSpec fields[] = {
        EquivalentRate("oedNominalRate", "&Nominal Annual Rate? (%):", FieldRole::Input),
        EquivalentRate("oedEffectiveRate", "E&ffective Annual Rate? (%):", FieldRole::Input),
        Compounding(),
        // Both panels offer 360 first, so that a stored local default means the same days.
        List("cbxDaysInYear", "D&ays per Year?:", engine::kYearBasis360First, 298, 0),
        EquivalentRate("oedThisDailyRate", "Daily Rate at this Compounding:", FieldRole::Result),
        EquivalentRate("oedThisPeriodicRate",
                       "Periodic Rate at this Compounding:", FieldRole::Result),
        EquivalentRate("oedAnnual", "Effective Rate at Annual Compounding:", FieldRole::Result),
        EquivalentRate("oedSemiAnnual", "Effective Rate 2X Yearly Compounding:", FieldRole::Result),
        EquivalentRate("oedMonthly", "Effective Rate at Monthly Compounding:", FieldRole::Result),
        EquivalentRate("oedDaily", "Effective Rate at Daily Compounding:", FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        [] {
            auto rate = DefaultOf(fields[NominalRate], NominalRate);
            rate.control = "oedDefaultRate";
            rate.maskKind = framework::MaskKind::Rate;
            return rate;
        }(),
        DefaultCompounding(CmpPYR),
        [] {
            auto days = DefaultOf(fields[DaysInYear], DaysInYear);
            days.control = "cbxDefaultDaysInYear";
            return days;
        }(),
    };
    // The days-per-year setting lists "360/360" then "Exact/365": the same order as here.
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::CompoundingPeriod, CmpPYR},
        {GlobalSetting::DaysPerYear, DaysInYear},
    };
    static const framework::OutputRow rows[] = {
        ListRow(CmpPYR, 40),
        ListRow(DaysInYear, 40),
        [] {
            auto first = Row(ThisDailyRate, 40, "%16.2n", "%16.4n");
            first.copyFormat = "\r\n\r\n" + first.copyFormat; // two blank lines before results
            return first;
        }(),
        Row(ThisPeriodicRate, 40, "%16.2n", "%16.4n"),
        Row(Annual, 40, "%16.2n", "%16.4n"),
        Row(SemiAnnual, 40, "%16.2n", "%16.4n"),
        Row(Monthly, 40, "%16.2n", "%16.4n"),
        Row(Daily, 40, "%16.2n", "%16.4n"),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "equrate",
        .name = "Equivalent Rate Calculator",
        .helpTopic = 298,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
        .note = "Enter either effective or nominal rate. Zero for unknown.",
    };
    return spec;
}

TcbEquRate::TcbEquRate(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

std::string TcbEquRate::CommandLineText() const {
    std::string text = Title() + "\r\n\r\n";
    const auto rows = Spec().rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == kRowsBeforeRates) {
            for (const framework::OutputRow& rate : kRateRows) {
                text += FormatRow(rate, false);
            }
        }
        text += FormatRow(rows[i], false);
    }
    return text;
}

void TcbEquRate::Calculate() {
    framework::DataRecord& data = Data();
    const auto compounding = engine::CompoundingPerYear(CodeOf(data, CmpPYR));
    if (!compounding) {
        // The user's inputs stay as typed: only the compounding needs changing.
        engine::RaiseFinanceError(engine::kFinBadCompounding);
    }
    const int days = CodeOf(data, DaysInYear) == 0 ? 360 : 365;
    equRate_.Init(*compounding, days, data.Get<double>(NominalRate),
                  data.Get<double>(EffectiveRate));
    equRate_.Calculate();
    const auto set = [&data](std::size_t field, long double value) {
        data.Set(field, static_cast<double>(value));
    };
    set(NominalRate, equRate_.NominalRate);
    set(EffectiveRate, equRate_.EffectiveRate);
    set(ThisDailyRate, equRate_.ThisDailyRate);
    set(ThisPeriodicRate, equRate_.ThisPeriodicRate);
    set(Annual, equRate_.Annual);
    set(SemiAnnual, equRate_.SemiAnnual);
    set(Monthly, equRate_.Monthly);
    set(Daily, equRate_.Daily);
}

} // namespace quarvex::calculators
