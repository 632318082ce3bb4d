#include "calculators/IntRat.h"

#include "calculators/ChoiceCodes.h"
#include "calculators/FieldKit.h"
#include "calculators/Narrowing.h"
#include "engine/formulas/CompoundingCount.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbIntRate::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        Money("oedAmtInv", "Amount &Invested?:", 0),
        Money("oedAmtRet", "Amount &Returned?:", 0),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        Compounding(),
        kit::Rate("oedRate", "A&nnual Rate:", 9, FieldRole::Result),
        Real("oedNumYears", "Total Years:", FieldType::Single, "##.##", MaskKind::Rate, 0,
             FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {DefaultCompounding(CmpPYR)};
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::CompoundingPeriod, CmpPYR}};
    static const framework::OutputRow rows[] = {
        MoneyRow(AmtInv, 24), MoneyRow(AmtRet, 24), CountRow(NumPmts, 24),
        ListRow(CmpPYR, 24),  FixedRow(Rate, 24),   FixedRow(NumYears, 24),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "intrate",
        .name = "Interest Rate Calculator",
        .helpTopic = 218,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbIntRate::TcbIntRate(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbIntRate::Calculate() {
    framework::DataRecord& data = Data();
    intRate_.Init(data.Get<std::int16_t>(NumPmts),
                  engine::CompoundingCountFor(CodeOf(data, CmpPYR)), data.Get<double>(AmtInv),
                  data.Get<double>(AmtRet));
    intRate_.Calculate();
    data.Set(Rate, ToSingle(intRate_.Rate));
    data.Set(NumYears, intRate_.NumYears);
}

} // namespace quarvex::calculators
