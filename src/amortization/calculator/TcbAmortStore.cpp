// What the amortization calculator keeps in the settings store, and its defaults levels.
#include "amortization/calculator/LoanSettingSpecs.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/buffer/FieldStorage.h"
#include "framework/store/RegIni.h"

namespace quarvex::amortization {

namespace {

using framework::Choice;

constexpr std::string_view kYearEnding = "Year Ending";
constexpr std::string_view kForcePmtCalc = "Force Payment Calculation";
constexpr std::string_view kRecalcPmtAfterZero = "Recalc Pmt After 0 Pmt";
constexpr std::string_view kOptimizePmts = "Optimize Payments";

// The values a missing stored value stands for. The switches differ from the publisher's
// (all on): a calculation stored without them forces the payment and does nothing else.
constexpr int kMissingYearEnding = 12;
constexpr bool kMissingForcePmtCalc = true;
constexpr bool kMissingRecalcPmtAfterZero = false;
constexpr bool kMissingOptimizePmts = false;

bool IsDate(std::size_t field) {
    return field == TcbAmort::OrgDate || field == TcbAmort::FirstPmtDate;
}

} // namespace

void TcbAmort::SaveLast() const {
    framework::RegIni& store = Context().store;
    framework::RegIni::Batch batch(store);
    store.SetCurSubKey(StoreKey());
    const framework::DataRecord& data = Data();
    for (std::size_t field = 0; field < data.Size(); ++field) {
        framework::WriteFieldValue(store, data.Prompt(field), data.Value(field));
    }
    store.WriteInteger(kYearEnding, state_.YearEnding);
    store.WriteBoolean(kForcePmtCalc, state_.ForcePmtCalc);
    store.WriteBoolean(kRecalcPmtAfterZero, state_.RecalcPmtAfterZero);
    store.WriteBoolean(kOptimizePmts, state_.OptimizePmts);
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        const int code = setting.get(state_.Settings);
        if (setting.storedAsBoolean) {
            store.WriteBoolean(setting.storedName, code != 0);
        } else {
            store.WriteInteger(setting.storedName, code);
        }
    }
    batch.Commit();
}

bool TcbAmort::LoadLast() {
    framework::RegIni& store = Context().store;
    store.SetCurSubKey(StoreKey());
    framework::DataRecord& data = Data();
    const framework::DataRecord publisher = [this] {
        framework::DataRecord record(Spec().fields);
        record.Reset();
        return record;
    }();
    for (std::size_t field = 0; field < data.Size(); ++field) {
        if (IsDate(field)) {
            continue; // a new calculation starts at today's dates
        }
        const framework::FieldSpec& spec = data.Spec(field);
        // Missing or unusable values read as the publisher's.
        data.SetValue(field, framework::ReadFieldValue(store, data.Prompt(field), spec.type,
                                                       spec.list, publisher.Value(field)));
    }
    AmortCalcState state = state_;
    const int yearEnding = store.ReadInteger(kYearEnding, kMissingYearEnding);
    state.YearEnding = yearEnding >= 1 && yearEnding <= 12 ? yearEnding : kMissingYearEnding;
    state.ForcePmtCalc = store.ReadBoolean(kForcePmtCalc, kMissingForcePmtCalc);
    state.RecalcPmtAfterZero = store.ReadBoolean(kRecalcPmtAfterZero, kMissingRecalcPmtAfterZero);
    state.OptimizePmts = store.ReadBoolean(kOptimizePmts, kMissingOptimizePmts);
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        int code = setting.missingCode;
        if (setting.storedAsBoolean) {
            code = store.ReadBoolean(setting.storedName, setting.missingCode != 0) ? 1 : 0;
        } else {
            code = store.ReadInteger(setting.storedName, setting.missingCode);
        }
        setting.set(state.Settings, setting.IsCode(code) ? code : setting.missingCode);
    }
    SetState(state);
    ClearResults();
    return true;
}

void TcbAmort::UseLocalDefaults() {
    // Only the entries with a target field: rate, payment period, compounding and method.
    CalcBuffer::UseLocalDefaults();
}

void TcbAmort::UseGlobalDefaults() {
    framework::DataRecord& data = Data();
    data.Set(PYR, Choice{0});
    data.Set(CmpPYR, Choice{0});
    data.Set(Rate, 0.0f);
}

} // namespace quarvex::amortization
