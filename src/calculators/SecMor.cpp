#include "calculators/SecMor.h"

#include "calculators/FieldKit.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbSecMor::Definition() {
    using namespace kit;
    using framework::GlobalSetting;
    static const framework::FieldSpec fields[] = {
        Money("oedPP", "Pu&rchase Price?:", 251),
        Money("oedCA", "Cash A&vailable?:", 251),
        Money("oedFM", "First &Mortgage?:", 251),
        Count("oedFT", "Firs&t Term? (Months) (#):", 251),
        kit::Rate("oedFIR", "First &Interest Rate? (%):", 251),
        kit::Rate("oedSIR", "&Second Interest Rate? (%):", 251),
        Money("oedFP", "&First Payment:", 0, FieldRole::Result),
        Money("oedSP", "Secon&d Payment:", 0, FieldRole::Result),
        Money("oedBP", "&Both Payments Total:", 0, FieldRole::Result),
        Money("oedSM", "Second Mortgage: ", 0, FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        DefaultRate(FIR, "First &Interest Rate? (%):"),
        DefaultRate(SIR, "&Second Interest Rate? (%):"),
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::FirstInterestRate, FIR},
        {GlobalSetting::SecondInterestRate, SIR},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(PP, 35),   MoneyRow(CA, 35),   MoneyRow(FM, 35), CountRow(FT, 35),
        NumberRow(FIR, 35), NumberRow(SIR, 35), MoneyRow(FP, 35), MoneyRow(SP, 35),
        MoneyRow(BP, 35),   MoneyRow(SM, 35),
    };
    static const framework::CalculatorSpec spec = {
        .stem = "secmor",
        .name = "Second Mortgage Calculator",
        .helpTopic = 251,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbSecMor::TcbSecMor(framework::BufferContext& context)
    : CalcBuffer(Definition(), context), mortgage_(context.messages) {}

void TcbSecMor::Calculate() {
    framework::DataRecord& data = Data();
    mortgage_.Init(data.Get<double>(PP), data.Get<double>(CA), data.Get<double>(FM),
                   data.Get<std::int16_t>(FT), data.Get<float>(FIR), data.Get<float>(SIR));
    mortgage_.Calculate();
    data.Set(FP, mortgage_.FP);
    data.Set(SP, mortgage_.SP);
    data.Set(BP, mortgage_.BP);
    data.Set(SM, mortgage_.SM);
}

} // namespace quarvex::calculators
