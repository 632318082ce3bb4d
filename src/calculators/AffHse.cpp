#include "calculators/AffHse.h"

#include "calculators/FieldKit.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbAffHse::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        Money("oedAnnualIncome", "Buyer&s Annual Income?:", 214),
        Money("oedCashAvailable", "Cash &Available?:", 214),
        kit::Rate("oedRate", "Annual &Rate? (%):", 9),
        Count("oedNumPmts", "&Total Periods? (#):", 97),
        Money("oedEstTaxIns", "Est. Ta&xes && Insurance?:", 214),
        Money("oedEstMaintenance", "Est. &Maintenance?:", 214),
        Real("oedPercentIncome", "Percent of &Income for Payments? (%):", FieldType::Single,
             kRateMask, MaskKind::Rate, 214),
        Money("oedPV", "Amount &Financed:", 0, FieldRole::Result),
        Money("oedAffordableAmount", "Affordable Amount:", 0, FieldRole::Result),
        Text("lShare", "", FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {DefaultRate(Rate)};
    static const framework::GlobalDefaultSpec globals[] = {{GlobalSetting::AnnualRate, Rate}};
    static const framework::OutputRow rows[] = {
        MoneyRow(AnnualIncome, 38),
        Row(CashAvailable, 38, "%16.2m", "%16.2n"),
        NumberRow(Rate, 38),
        CountRow(NumPmts, 38),
        Row(EstTaxIns, 38, "%16.2n", "%16.2n"),
        Row(EstMaintenance, 38, "%16.2n", "%16.2n"),
        Row(PercentIncome, 38, "%16.2n", "%16.2n"),
        MoneyRow(PV, 38),
        MoneyRow(AffordableAmount, 38),
        {.field = Share, .copyFormat = "\r\n\t%40s", .printFormat = "\t%35s ", .valueOnly = true},
    };
    static const framework::CalculatorSpec spec = {
        .stem = "affhse",
        .name = "Affordable House Calculator",
        .helpTopic = 214,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbAffHse::TcbAffHse(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbAffHse::Calculate() {
    framework::DataRecord& data = Data();
    house_.Init(data.Get<double>(AnnualIncome), data.Get<double>(CashAvailable),
                data.Get<float>(Rate), data.Get<std::int16_t>(NumPmts), data.Get<double>(EstTaxIns),
                data.Get<double>(EstMaintenance), data.Get<float>(PercentIncome));
    house_.Calculate();
    data.Set(PV, house_.PV);
    data.Set(AffordableAmount, house_.AffordableAmount);
    data.Set(Share, house_.Text);
}

} // namespace quarvex::calculators
