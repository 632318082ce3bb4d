#include "calculators/Loan.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbLoan::Definition() {
    using namespace kit;
    static const framework::FieldSpec fields[] = {
        Money("oedPV", "&Amount of Loan?:", 6),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        Money("oedPmt", "Per&iodic Payment?:", 4),
        PaymentPeriod(),
        Compounding(),
        PaymentTiming(),
        AmortMethod(),
        Money("oedInterest", "Interest For Term:", 0, FieldRole::Result),
    };
    static const LoanFields loanFields = {AmortMthd, PmtMthd, CmpPYR, PYR, Rate};
    static const auto locals = LoanLocalDefaults(loanFields);
    static const auto globals = LoanGlobalDefaults(loanFields);
    static const framework::OutputRow rows[] = {
        MoneyRow(PV, 24),     CountRow(NumPmts, 24),  NumberRow(Rate, 24),
        MoneyRow(Pmt, 24),    ListRow(PYR, 24),       ListRow(CmpPYR, 24),
        ListRow(PmtMthd, 24), ListRow(AmortMthd, 24), MoneyRow(Interest, 24),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "loan",
        .name = "Loan Calculator",
        .maxInstances = 2,
        .helpTopic = 125,
        .optionsHelpTopic = 301,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
        .note = "Enter a Zero '0'  for Unknown Value",
    };
    return spec;
}

TcbLoan::TcbLoan(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbLoan::Calculate() {
    framework::DataRecord& data = Data();
    const std::uint8_t compounding = CodeOf(data, CmpPYR);
    RefuseContinuousAndSimple(compounding);
    const std::uint8_t found = loan_.Init(
        data.Get<double>(PV), data.Get<std::int16_t>(NumPmts), data.Get<float>(Rate),
        data.Get<double>(Pmt), engine::PeriodsPerYear(CodeOf(data, PYR)),
        *engine::CompoundingPerYear(compounding), CodeOf(data, PmtMthd), CodeOf(data, AmortMthd));
    // With every field filled in, solve again for the field solved last.
    loan_.Unknown = found == engine::coLoan::kNone ? unknown_ : found;
    loan_.Calculate();

    unknown_ = loan_.Unknown;
    data.Set(PV, loan_.PV);
    data.Set(NumPmts, loan_.NumPmts);
    data.Set(Rate, loan_.Rate);
    data.Set(Pmt, loan_.Pmt);
    data.Set(Interest, loan_.Interest);
}

int TcbLoan::SolvedField() const {
    switch (unknown_) {
    case engine::coLoan::kPV:
        return PV;
    case engine::coLoan::kNumPmts:
        return NumPmts;
    case engine::coLoan::kRate:
        return Rate;
    default:
        return Pmt;
    }
}

} // namespace quarvex::calculators
