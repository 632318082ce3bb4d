// What the amortization calculator keeps in the settings store, and its defaults levels.
#include "amortization/calculator/LoanSettingSpecs.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/buffer/FieldStorage.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/TbufGlobals.h"
#include "framework/store/RegIni.h"

#include <optional>
#include <type_traits>
#include <variant>

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

namespace {

using framework::GlobalSetting;

// The loan settings a defaults level applies: the local default (none for the two the
// options page does not offer) and the global setting of each, by the setting's name.
struct SettingDefault {
    std::string_view name;
    std::optional<std::size_t> local;
    GlobalSetting global;
};
constexpr SettingDefault kSettingDefaults[] = {
    {"RateBasis", TcbAmort::DefaultRateBasis, GlobalSetting::RateBasis},
    {"AccelMthd", TcbAmort::DefaultAccelMthd, GlobalSetting::AccelerationMethod},
    {"PointsPaidMthd", TcbAmort::DefaultPointsPaidMthd, GlobalSetting::PointsAre},
    {"LongInterestPmtMthd", TcbAmort::DefaultLongInterestPmtMthd, GlobalSetting::OddDaysPaidWhen},
    {"LongInterestCalcMthd", TcbAmort::DefaultLongInterestCalcMthd,
     GlobalSetting::OddDaysCalculation},
    {"ShortInterestPmtMthd", TcbAmort::DefaultShortInterestPmtMthd,
     GlobalSetting::ShortPeriodPaidHow},
    {"ShortInterestCalcMthd", TcbAmort::DefaultShortInterestCalcMthd,
     GlobalSetting::ShortPeriodCalculation},
    {"USRule", std::nullopt, GlobalSetting::ApplyUSRule},
    {"TwiceMonthly", std::nullopt, GlobalSetting::TwiceMonthlyDays},
};

// Sets the setting `name` to `code` when the code is one of its list's; a stored value that
// is not is left out and the setting keeps what it had.
void ApplySettingCode(AmortSettings& settings, std::string_view name, std::optional<int> code) {
    for (const LoanSettingSpec& spec : LoanSettingSpecs()) {
        if (spec.name == name && code && spec.IsCode(*code)) {
            spec.set(settings, *code);
        }
    }
}

// The whole number a value of any variant holds; nothing for a real or a text.
template <class Variant> std::optional<int> IntegralOf(const Variant& value) {
    return std::visit(
        [](const auto& v) -> std::optional<int> {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_integral_v<V>) {
                return static_cast<int>(v);
            } else {
                return std::nullopt;
            }
        },
        value);
}

std::optional<int> WholeNumber(const framework::FieldValue& value) {
    if (const auto* choice = std::get_if<Choice>(&value)) {
        return choice->index;
    }
    return IntegralOf(value);
}

std::optional<int> WholeNumber(const framework::SettingValue& value) {
    return IntegralOf(value);
}

} // namespace

void TcbAmort::UseLocalDefaults() {
    // The rate, payment period, compounding, method and points go into the record; the loan
    // settings of the options page (their codes) become the loan's.
    CalcBuffer::UseLocalDefaults();
    AmortCalcState state = state_;
    for (const SettingDefault& setting : kSettingDefaults) {
        if (setting.local) {
            ApplySettingCode(state.Settings, setting.name,
                             WholeNumber(Options().localDefaults.at(*setting.local)));
        }
    }
    SetState(state);
}

void TcbAmort::UseGlobalDefaults() {
    // As every calculator: the program-wide rate, points, payment period, compounding and
    // method, read when applied; and the program-wide loan settings.
    CalcBuffer::UseGlobalDefaults();
    framework::TbufGlobals globals;
    globals.SetPublisherValues();
    globals.LoadFromRegistry(Context().store, Context().application.DefaultDataFolder());
    AmortCalcState state = state_;
    for (const SettingDefault& setting : kSettingDefaults) {
        ApplySettingCode(state.Settings, setting.name, WholeNumber(globals.Value(setting.global)));
    }
    SetState(state);
}

} // namespace quarvex::amortization
