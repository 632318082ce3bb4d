#include "calculators/EOQ.h"

#include "calculators/FieldKit.h"
#include "framework/masks/NumberFormat.h"

namespace quarvex::calculators {

const framework::CalculatorSpec& TcbEOQ::Definition() {
    using namespace kit;
    using framework::FieldType;
    using framework::GlobalSetting;
    using framework::MaskKind;
    static const framework::FieldSpec fields[] = {
        Money("oedCostToWrite", "Cost to &Write PO?:", 297),
        Real("oedAnnualUnits", "&Annual Units Used?: (#)", FieldType::Single, "###,###,###.##",
             MaskKind::Money, 297),
        Money("oedPrice", "Purcha&se Price?:", 297),
        Real("oedUnitLotSize", "P&rice is Per # of Units?:", FieldType::Int32, "iii,iii,iii",
             MaskKind::Count, 297),
        kit::Rate("oedRate", "A&nnual Interest Rate?:", 9),
        Money("oedUnitCarryingCost", "P&er Unit Carrying Cost:", 0, FieldRole::Result),
        Real("oedEOQ", "Economic Ordering Quantity:", FieldType::Double, kMoneyMask,
             MaskKind::Money, 0, FieldRole::Result),
        Money("oedUnitPrice", "Price Per Unit :", 0, FieldRole::Result),
        Text("lOrder", "", FieldRole::Result),
    };
    static const framework::LocalDefaultSpec locals[] = {
        [] {
            auto price = DefaultOf(fields[Price], Price);
            price.control = "oedDefaultPrice";
            return price;
        }(),
        [] {
            auto lot = DefaultOf(fields[UnitLotSize], UnitLotSize);
            lot.control = "oedDefaultUnitLotSize";
            return lot;
        }(),
        DefaultRate(Rate, "A&nnual Interest Rate?:"),
    };
    static const framework::GlobalDefaultSpec globals[] = {
        {GlobalSetting::PurchasePrice, Price},
        {GlobalSetting::PriceIsPerUnits, UnitLotSize},
        {GlobalSetting::AnnualRate, Rate},
    };
    static const framework::OutputRow rows[] = {
        MoneyRow(CostToWrite, 35),
        Row(AnnualUnits, 35, "%16.2f", "%16.2f"),
        MoneyRow(Price, 35),
        CountRow(UnitLotSize, 35),
        Row(Rate, 35, "%16.2f", "%16.2f"),
        MoneyRow(UnitCarryingCost, 35),
        MoneyRow(EOQ, 35),
        MoneyRow(UnitPrice, 35),
        {.field = OrderText,
         .copyFormat = "\r\n%40s",
         .printFormat = "\n\r\t%35s ",
         .valueOnly = true},
    };
    static const framework::CalculatorSpec spec = {
        .stem = "eoq",
        .name = "Economic Ordering Quantity Calculator",
        .helpTopic = 297,
        .fields = fields,
        .localDefaults = locals,
        .globalDefaults = globals,
        .rows = rows,
    };
    return spec;
}

TcbEOQ::TcbEOQ(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbEOQ::Calculate() {
    framework::DataRecord& data = Data();
    const std::int32_t lotSize = data.Get<std::int32_t>(UnitLotSize);
    eoq_.Init(lotSize, data.Get<float>(AnnualUnits), data.Get<double>(CostToWrite),
              data.Get<double>(Price), data.Get<float>(Rate));
    eoq_.Calculate();
    data.Set(UnitCarryingCost, eoq_.UnitCarryingCost);
    data.Set(EOQ, eoq_.EOQ);
    data.Set(UnitPrice, eoq_.UnitPrice);
    const auto& conventions = Context().conventions;
    const std::string lots = masks::FormatNumber(eoq_.OrderUnitLots, 0, conventions);
    data.Set(OrderText, lotSize < 2 ? "Order " + lots + " units."
                                    : "Order " + lots + " lots of " +
                                          masks::FormatNumber(lotSize, 0, conventions) + " units.");
}

} // namespace quarvex::calculators
