#include "calculators/PreVal.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "engine/formulas/CompoundingCount.h"

#include <cmath>

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbPreValAmt::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        Money("oedFV", "&Future Value?:", 0),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        Compounding(),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        Money("oedPVA", "Present &Value:", 0, FieldRole::Result),
        Real("oedNumYears", "Total Years:", FieldType::Single, "##.##", MaskKind::None, 0,
             FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {DefaultCompounding(CmpPYR),
                                                         DefaultRate(Rate)};
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::CompoundingPeriod, CmpPYR},
        {GlobalSetting::AnnualRate, Rate},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(FV, 24),   CountRow(NumPmts, 24), ListRow(CmpPYR, 24),
        FixedRow(Rate, 24), MoneyRow(PVA, 24),     FixedRow(NumYears, 24),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "preval",
        .name = "Present Value of an Amount Calculator",
        .helpTopic = 215,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbPreValAmt::TcbPreValAmt(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbPreValAmt::Calculate() {
    framework::DataRecord& data = Data();
    const double futureValue = data.Get<double>(FV);
    if (std::fabs(futureValue) < engine::ZeroTolerance) {
        throw framework::ECalculationDeclined("Enter a future value.");
    }
    const float rate = data.Get<float>(Rate);
    const std::int16_t periods = data.Get<std::int16_t>(NumPmts);
    if (std::fabs(rate) < engine::ZeroTolerance || periods == 0) {
        // Nothing to discount: the amount is worth what it is.
        data.Set(PVA, futureValue);
        return;
    }
    preVal_.Init(futureValue, periods, engine::CompoundingCountFor(CodeOf(data, CmpPYR)), rate);
    preVal_.Calculate();
    data.Set(PVA, preVal_.PVA);
    data.Set(NumYears, preVal_.NumYears);
}

} // namespace quarvex::calculators
