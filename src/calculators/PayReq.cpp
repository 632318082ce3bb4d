#include "calculators/PayReq.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "engine/formulas/CompoundingCount.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbPayReq::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        Money("oedFV", "&Future Value?:", 0),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        PaymentPeriod(),
        Compounding(),
        Money("oedPmt", "Required Payment :", 0, FieldRole::Result),
        Money("oedPrincipal", "Total Invested:", 0, FieldRole::Result),
        Money("oedGain", "Gain :", 0, FieldRole::Result),
        Real("oedNumYears", "Total Years:", FieldType::Single, "##.###", MaskKind::Rate, 0,
             FieldRole::Result),
        Real("oedTimeToDouble", "Years To Double: ", FieldType::Single, "##.##", MaskKind::Rate, 0,
             FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        DefaultCompounding(CmpPYR), DefaultPaymentPeriod(PYR), DefaultRate(Rate)};
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::CompoundingPeriod, CmpPYR},
        {GlobalSetting::PaymentPeriod, PYR},
        {GlobalSetting::AnnualRate, Rate},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(FV, 24),           CountRow(NumPmts, 24), ListRow(PYR, 24),
        ListRow(CmpPYR, 24),        FixedRow(Rate, 24),    MoneyRow(Pmt, 24),
        MoneyRow(Principal, 24),    MoneyRow(Gain, 24),    FixedRow(NumYears, 24),
        FixedRow(TimeToDouble, 24),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "payreq",
        .name = "Payment Required Calculator",
        .helpTopic = 219,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbPayReq::TcbPayReq(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbPayReq::Calculate() {
    framework::DataRecord& data = Data();
    payReq_.Init(data.Get<double>(FV), data.Get<std::int16_t>(NumPmts), data.Get<float>(Rate),
                 engine::PeriodsPerYear(CodeOf(data, PYR)),
                 engine::CompoundingCountFor(CodeOf(data, CmpPYR)));
    payReq_.Calculate();
    data.Set(Pmt, payReq_.Pmt);
    data.Set(Principal, payReq_.Principal);
    data.Set(Gain, payReq_.Gain);
    data.Set(NumYears, payReq_.NumYears);
    data.Set(TimeToDouble, payReq_.TimeToDouble);
}

} // namespace quarvex::calculators
