#include "engines/depreciation/calculator/TcbSlDep.h"

namespace quarvex::engines {

const framework::CalculatorSpec& TcbSlDep::Definition() {
    static const auto fields =
        FieldsWith({"Boo&k Value?:", "Sal&vage Value?:", "&Recovery Period?:"});
    static const framework::CalculatorSpec spec =
        SpecOf({"sldep", "Straight Line Depreciation Calculator", 160, fields, LocalDefaults(),
                GlobalDefaults(), Rows()});
    return spec;
}

TcbSlDep::TcbSlDep(framework::BufferContext& context)
    : TcbYearsDepreciation(Definition(), context,
                           {"SL Depreciation (*.sld)", "SL Depreciation (*.sld)", "sld"}) {}

void TcbSlDep::Calculate() {
    const std::int32_t day = CheckedInputs();
    const framework::DataRecord& data = Data();
    engine_.Init(data.Get<double>(BookValue), data.Get<double>(SalvageValue),
                 data.Get<float>(RecoveryPeriod), data.Get<std::int16_t>(BusinessUse), day,
                 schedule_);
    engine_.Calculate();
}

} // namespace quarvex::engines
