#pragma once

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "framework/buffer/CalcBuffer.h"

// A small calculator with one field of every kind, to exercise the buffer machinery apart
// from any real calculator.
namespace quarvex::testing {

class SampleBuffer : public framework::CalcBuffer {
public:
    enum Field : std::size_t { Amount, Count, Rate, Period, Start, Note, Total };

    static const framework::CalculatorSpec& Definition() {
        using namespace framework;
        static const FieldSpec fields[] = {
            {"oedAmount",
             "&Amount?:",
             FieldType::Double,
             FieldRole::Input,
             "$###,###,###.##",
             MaskKind::Money,
             {},
             1,
             100.0},
            {"oedCount",
             "Count? (#):",
             FieldType::Int16,
             FieldRole::Input,
             "ii,iii",
             MaskKind::Count,
             {},
             2,
             std::int16_t{3}},
            {"oedRate",
             "Annual &Rate? (%):",
             FieldType::Single,
             FieldRole::Input,
             "##.####",
             MaskKind::Rate,
             {},
             3,
             0.0f},
            {"cbxPeriod",
             "Payme&nt Period?:",
             FieldType::Choice,
             FieldRole::Input,
             {},
             MaskKind::None,
             engine::kPaymentFrequencyNames,
             4,
             Choice{5}},
            {"oedStart",
             "&Start Date?:",
             FieldType::Date,
             FieldRole::Input,
             "mm/dd/yyyy",
             MaskKind::Date,
             {},
             5,
             Date{}},
            {"oedNote",
             "&Note:",
             FieldType::Text,
             FieldRole::Input,
             {},
             MaskKind::None,
             {},
             6,
             std::string("none")},
            {"oedTotal",
             "Total:",
             FieldType::Double,
             FieldRole::Result,
             "$###,###,###.##",
             MaskKind::Money,
             {},
             0,
             0.0},
        };
        static const LocalDefaultSpec locals[] = {
            {"cbxDefaultPeriod",
             "Payme&nt Period?:",
             FieldType::Choice,
             {},
             MaskKind::None,
             engine::kPaymentFrequencyNames,
             4,
             Choice{5},
             Period},
            {"oedDefaultRate",
             "Annual &Rate? (%):",
             FieldType::Single,
             "##.####",
             MaskKind::Rate,
             {},
             3,
             0.0f,
             Rate},
        };
        static const GlobalDefaultSpec globals[] = {
            {GlobalSetting::AnnualRate, Rate},
            {GlobalSetting::PaymentPeriod, Period},
        };
        static const OutputRow rows[] = {
            {Amount, "%-24s %16.2m\r\n", "\t%-24s\t%16.2m"},
            {Count, "%-24s %16d\r\n", "\t%-24s\t%16d"},
            {Rate, "%-24s %16.2n\r\n", "\t%-24s\t%16.4n"},
            {Period, "%-24s %16s\r\n", "\t%-24s\t%s"},
            {Start, "%-24s %16s\r\n", "\t%-24s\t%s"},
            {Total, "%-24s %16.2m\r\n", "\t%-24s\t%16.2m", "Grand Total:"},
        };
        static const CalculatorSpec spec = {
            .stem = "sample",
            .name = "Sample Calculator",
            .maxInstances = 2,
            .helpTopic = 77,
            .optionsHelpTopic = 301,
            .fields = fields,
            .localDefaults = locals,
            .globalDefaults = globals,
            .rows = rows,
        };
        return spec;
    }

    explicit SampleBuffer(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

    void Calculate() override {
        const auto count = Data().Get<std::int16_t>(Count);
        if (count == 0) {
            engine::RaiseFinanceError(engine::kFinZeroTerm);
        }
        Data().Set(Total, Data().Get<double>(Amount) * count);
    }
};

} // namespace quarvex::testing
