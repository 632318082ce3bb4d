#include "engines/depreciation/calculator/TcbSumofYears.h"

namespace quarvex::engines {

const framework::CalculatorSpec& TcbSumofYears::Definition() {
    static const auto fields =
        FieldsWith({"Book &Value?:", "Salva&ge Value?:", "&Recovery Period? (Yrs):"});
    static const framework::CalculatorSpec spec =
        SpecOf({"sumofyears", "Sum-of-Years Depreciation Calculator", 161, fields, LocalDefaults(),
                GlobalDefaults(), Rows()});
    return spec;
}

TcbSumofYears::TcbSumofYears(framework::BufferContext& context)
    : TcbYearsDepreciation(Definition(), context,
                           {"Sum of Years (*.sum)", "Sum of Years (*.sum)", "sum"}) {}

void TcbSumofYears::Calculate() {
    const std::int32_t day = CheckedInputs();
    const framework::DataRecord& data = Data();
    // The business use percent is kept and reported; the schedule does not depend on it.
    engine_.Init(data.Get<double>(BookValue), data.Get<double>(SalvageValue),
                 data.Get<float>(RecoveryPeriod), day, schedule_);
    engine_.Calculate();
}

} // namespace quarvex::engines
