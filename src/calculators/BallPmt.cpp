#include "calculators/BallPmt.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"
#include "engine/formulas/FormulaErrors.h"

#include <cmath>

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbBallPmt::Definition() {
    using namespace kit;
    using framework::GlobalSetting;
    static const framework::FieldSpec fields[] = {
        Money("oedPV", "&Amount of Loan?:", 6),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        Money("oedFV", "&Balloon Payment?:", 92),
        Count("oedPeriodDue", "Balloon A&fter Payment No.?:", 92),
        PaymentPeriod(),
        Compounding(),
        PaymentTiming(),
        Money("oedPmt", "Per&iodic Payment?:", 4, FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        DefaultPaymentTiming(PmtMthd), DefaultCompounding(CmpPYR), DefaultPaymentPeriod(PYR),
        DefaultRate(Rate)};
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::PaymentMethod, PmtMthd},
        {GlobalSetting::CompoundingPeriod, CmpPYR},
        {GlobalSetting::PaymentPeriod, PYR},
        {GlobalSetting::AnnualRate, Rate},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),     NumberRow(Rate, 24),
        NumberRow(FV, 24),    CountRow(PeriodDue, 24),
        ListRow(PYR, 24),     ListRow(CmpPYR, 24),
        ListRow(PmtMthd, 24), Captioned(MoneyRow(Pmt, 24), "Periodic Payment:"),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "ballpmt",
        .name = "Balloon Payment Calculator",
        .helpTopic = 92,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbBallPmt::TcbBallPmt(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbBallPmt::Calculate() {
    framework::DataRecord& data = Data();
    const std::uint8_t compounding = CodeOf(data, CmpPYR);
    RefuseContinuousAndSimple(compounding);
    const double amount = data.Get<double>(PV);
    const double balloon = data.Get<double>(FV);
    const float rate = data.Get<float>(Rate);
    const std::int16_t due = data.Get<std::int16_t>(PeriodDue);
    // The inputs the formula cannot answer are reported, never answered with an old payment.
    engine::RequireTermCount(due);
    if (amount < engine::ZeroTolerance || balloon < engine::ZeroTolerance || rate < 0) {
        throw engine::ENotPositive();
    }
    if (rate < engine::ZeroTolerance) {
        // Without interest the payments simply repay what the balloon leaves.
        data.Set(Pmt, engine::RoundTo(engine::RoundDecimals, (amount - balloon) / due));
        return;
    }
    balloon_.Init(amount, rate, balloon, due, engine::PeriodsPerYear(CodeOf(data, PYR)),
                  *engine::CompoundingPerYear(compounding), CodeOf(data, PmtMthd));
    balloon_.Calculate();
    data.Set(Pmt, balloon_.Pmt);
}

} // namespace quarvex::calculators
