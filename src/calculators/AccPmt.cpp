#include "calculators/AccPmt.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbAccPmt::Definition() {
    using namespace kit;
    static const framework::FieldSpec fields[] = {
        Money("oedPV", "&Amount of Loan?:", 6),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        Count("oedIncAfter", "Increa&se Starts at Period? (#):", 32),
        Money("oedExtraPd", "E&xtra Amount Paid? (#):", 32),
        PaymentPeriod(),
        Compounding(),
        PaymentTiming(),
        AmortMethod(),
        Count("oedNewNumPmts", "Periods To Pay Off:", 0, FieldRole::Result),
        Money("oedIntSaved", "Total Interest Saved:", 0, FieldRole::Result),
    };
    static const LoanFields loanFields = {AmortMthd, PmtMthd, CmpPYR, PYR, Rate};
    static const auto locals = LoanLocalDefaults(loanFields);
    static const auto globals = LoanGlobalDefaults(loanFields);
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),       CountRow(NumPmts, 24),
        NumberRow(Rate, 24),    Row(IncAfter, 24, "%9d", "%16d"),
        NumberRow(ExtraPd, 24), ListRow(PYR, 24),
        ListRow(CmpPYR, 24),    ListRow(PmtMthd, 24),
        ListRow(AmortMthd, 24), CountRow(NewNumPmts, 24),
        MoneyRow(IntSaved, 24),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "accpmt",
        .name = "Accelerated Payment Calculator",
        .helpTopic = 32,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbAccPmt::TcbAccPmt(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbAccPmt::Calculate() {
    framework::DataRecord& data = Data();
    const std::uint8_t compounding = CodeOf(data, CmpPYR);
    RefuseContinuousAndSimple(compounding);
    accelerated_.Init(data.Get<double>(PV), data.Get<std::int16_t>(NumPmts), data.Get<float>(Rate),
                      data.Get<std::int16_t>(IncAfter), data.Get<double>(ExtraPd),
                      engine::PeriodsPerYear(CodeOf(data, PYR)),
                      *engine::CompoundingPerYear(compounding), CodeOf(data, PmtMthd),
                      CodeOf(data, AmortMthd));
    accelerated_.Calculate();
    data.Set(NewNumPmts, accelerated_.NewNumPmts);
    data.Set(IntSaved, accelerated_.IntSaved);
}

} // namespace quarvex::calculators
