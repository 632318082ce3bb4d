#include "framework/buffer/CalcBuffer.h"

#include "framework/buffer/FieldStorage.h"
#include "framework/buffer/ValueConversion.h"
#include "framework/dates/DateText.h"
#include "framework/report/Format.h"
#include "framework/report/ResultPage.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/settings/TbufGlobals.h"
#include "framework/store/RegIni.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

namespace quarvex::framework {

namespace {

// The stored names of the five option flags, in their stored order.
constexpr std::string_view kFlagLocal = "DefaultLocal";
constexpr std::string_view kFlagGlobal = "DefaultGlobal";
constexpr std::string_view kFlagPublisher = "DefaultPublisher's";
constexpr std::string_view kFlagLastCalculation = "DefaultLast entered calculation";
constexpr std::string_view kFlagDefaults = "DefaultDefaults";
constexpr std::string_view kDefaultPrefix = "Default";

std::string DefaultName(std::string_view prompt) {
    return std::string(kDefaultPrefix) + std::string(prompt);
}

// The two radio groups of the options page hold exactly one choice each; stored flags that
// do not (edited by hand) fall back to the first choice that is set, else the initial one.
void KeepOneChoiceEach(OptionFlags& flags) {
    if (flags.lastCalculation == flags.defaults) {
        flags.lastCalculation = true;
        flags.defaults = false;
    }
    if (int(flags.local) + int(flags.global) + int(flags.publisher) != 1) {
        flags.global = flags.global && !flags.local;
        flags.publisher = !flags.local && !flags.global;
    }
}

report::FormatArg RowValue(const FieldSpec& spec, const FieldValue& value) {
    return std::visit(
        [&spec](const auto& v) -> report::FormatArg {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Choice>) {
                const bool listed =
                    v.index >= 0 && static_cast<std::size_t>(v.index) < spec.list.size();
                return listed ? std::string(spec.list[v.index]) : std::string();
            } else if constexpr (std::is_same_v<T, Date>) {
                return dates::FormatUsDate(v.day, dates::YearDigits::Four);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else if constexpr (std::is_same_v<T, std::int16_t> ||
                                 std::is_same_v<T, std::int32_t>) {
                return static_cast<std::int64_t>(v);
            } else {
                return static_cast<double>(v);
            }
        },
        value);
}

} // namespace

CalcBuffer::CalcBuffer(const CalculatorSpec& spec, BufferContext& context)
    : spec_(spec), context_(context), data_(spec.fields) {
    InitOptions();
}

void CalcBuffer::InitData() {
    ignored_.clear();
    data_.Reset();
    for (std::size_t field = 0; field < data_.Size(); ++field) {
        if (data_.Spec(field).startsToday) {
            data_.Set(field, Date{context_.clock.Today()});
        }
    }
}

void CalcBuffer::FormFieldChanged(DataRecord&, std::size_t) const {}

void CalcBuffer::InitOptions() {
    options_.localDefaults.clear();
    for (const LocalDefaultSpec& local : spec_.localDefaults) {
        options_.localDefaults.push_back(local.initial);
    }
    options_.flags = OptionFlags{};
}

std::string CalcBuffer::StoreKey() const {
    return std::string(settings_keys::kRootKey) + "\\" + std::string(spec_.name);
}

void CalcBuffer::SaveLast() const {
    RegIni& store = context_.store;
    RegIni::Batch batch(store);
    store.SetCurSubKey(StoreKey());
    for (std::size_t field = 0; field < data_.Size(); ++field) {
        if (data_.Spec(field).IsStored()) {
            WriteFieldValue(store, data_.Prompt(field), data_.Value(field));
        }
    }
    batch.Commit();
}

bool CalcBuffer::LoadLast() {
    RegIni& store = context_.store;
    store.SetCurSubKey(StoreKey());
    for (std::size_t field = 0; field < data_.Size(); ++field) {
        const FieldSpec& spec = data_.Spec(field);
        if (spec.IsStored()) {
            FieldValue value = data_.Value(field);
            ReadStored(data_.Prompt(field), spec.type, spec.list, value);
            data_.SetValue(field, std::move(value));
        }
    }
    return true;
}

void CalcBuffer::ReadStored(std::string_view name, FieldType type, ListItems list,
                            FieldValue& into) {
    StoredField stored = ReadStoredField(context_.store, name, type, list, into);
    if (stored.ignored) {
        ignored_.push_back({std::string(name), std::move(*stored.ignored)});
    }
    into = std::move(stored.value);
}

bool CalcBuffer::TakeArgument(std::string_view, std::string_view) {
    return false;
}

std::string CalcBuffer::OutputFlagText(std::string_view) const {
    return {};
}

void CalcBuffer::WriteDataFile(const std::string&) const {}

bool CalcBuffer::ReadDataFile(const std::string&) {
    return false;
}

bool CalcBuffer::OptionIsSet(std::size_t localDefault) const {
    const FieldValue& value = options_.localDefaults.at(localDefault);
    const auto* choice = std::get_if<Choice>(&value);
    return choice != nullptr && choice->index != 0;
}

void CalcBuffer::SaveOptions() const {
    RegIni& store = context_.store;
    RegIni::Batch batch(store);
    store.SetCurSubKey(StoreKey());
    for (std::size_t i = 0; i < spec_.localDefaults.size(); ++i) {
        WriteFieldValue(store, DefaultName(spec_.localDefaults[i].prompt),
                        options_.localDefaults[i]);
    }
    const OptionFlags& flags = options_.flags;
    store.WriteInteger(kFlagLastCalculation, flags.lastCalculation ? 1 : 0);
    store.WriteInteger(kFlagDefaults, flags.defaults ? 1 : 0);
    store.WriteInteger(kFlagLocal, flags.local ? 1 : 0);
    store.WriteInteger(kFlagGlobal, flags.global ? 1 : 0);
    store.WriteInteger(kFlagPublisher, flags.publisher ? 1 : 0);
    batch.Commit();
}

void CalcBuffer::LoadOptions() {
    RegIni& store = context_.store;
    store.SetCurSubKey(StoreKey());
    for (std::size_t i = 0; i < spec_.localDefaults.size(); ++i) {
        const LocalDefaultSpec& local = spec_.localDefaults[i];
        ReadStored(DefaultName(local.prompt), local.type, local.list, options_.localDefaults[i]);
    }
    OptionFlags& flags = options_.flags;
    const auto flag = [&store](std::string_view name, bool current) {
        return store.ReadInteger(name, current ? 1 : 0) != 0;
    };
    flags.lastCalculation = flag(kFlagLastCalculation, flags.lastCalculation);
    flags.defaults = flag(kFlagDefaults, flags.defaults);
    flags.local = flag(kFlagLocal, flags.local);
    flags.global = flag(kFlagGlobal, flags.global);
    flags.publisher = flag(kFlagPublisher, flags.publisher);
    KeepOneChoiceEach(flags);
}

void CalcBuffer::UseLocalDefaults() {
    for (std::size_t i = 0; i < spec_.localDefaults.size(); ++i) {
        const LocalDefaultSpec& local = spec_.localDefaults[i];
        if (local.IsOption()) {
            continue;
        }
        const FieldSpec& target = data_.Spec(local.target);
        const FieldValue& stored = options_.localDefaults[i];
        const auto value =
            ConvertValue(local.convert ? local.convert(stored) : stored, target.type);
        if (value && FitsField(*value, target.type, target.list)) {
            data_.SetValue(local.target, *value);
        }
    }
}

void CalcBuffer::UseGlobalDefaults() {
    // The settings are read at the moment of use, so a change made in the settings dialog
    // reaches the calculator the next time it applies its defaults.
    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.LoadFromRegistry(context_.store, context_.application.DefaultDataFolder());
    for (const GlobalDefaultSpec& global : spec_.globalDefaults) {
        const FieldSpec& target = data_.Spec(global.target);
        const FieldValue setting =
            std::visit([](const auto& v) -> FieldValue { return FieldValue(v); },
                       settings.Value(global.setting));
        const auto value =
            ConvertValue(global.convert ? global.convert(setting) : setting, target.type);
        if (value && FitsField(*value, target.type, target.list)) {
            data_.SetValue(global.target, *value);
        }
    }
}

void CalcBuffer::UseOpeningValues() {
    const OptionFlags& flags = options_.flags;
    if (flags.lastCalculation) {
        if (!LoadLast()) {
            // What was kept of the last calculation is missing (a first start): open on the
            // local defaults this time, but keep "Last entered calculation" chosen, so that
            // closing keeps what the user enters now.
            UseLocalDefaults();
        }
    } else if (flags.defaults && flags.local) {
        UseLocalDefaults();
    } else if (flags.defaults && flags.global) {
        UseGlobalDefaults();
    }
}

std::string CalcBuffer::FormatRow(const OutputRow& row, bool forPrint) const {
    if (row.custom) {
        return row.custom(data_, forPrint);
    }
    const FieldSpec& spec = data_.Spec(row.field);
    const std::string& pattern = forPrint ? row.printFormat : row.copyFormat;
    const report::FormatArg value = RowValue(spec, data_.Value(row.field));
    if (row.valueOnly) {
        return report::Format(pattern, {value}, context_.conventions);
    }
    const std::string caption =
        row.caption.empty() ? Caption(data_.Prompt(row.field)) : row.caption;
    return report::Format(pattern, {caption, value}, context_.conventions);
}

std::string CalcBuffer::CopyText() const {
    std::string text = title_ + "\r\n\r\n";
    for (const OutputRow& row : spec_.rows) {
        text += FormatRow(row, false);
    }
    return text;
}

void CalcBuffer::CopyToClipboard() const {
    context_.clipboard.SetText(CopyText());
}

std::vector<std::string> CalcBuffer::PrintRows() const {
    std::vector<std::string> rows;
    for (const OutputRow& row : spec_.rows) {
        rows.push_back(FormatRow(row, true));
    }
    return rows;
}

bool CalcBuffer::Print() const {
    const std::vector<std::string> rows = PrintRows();
    return context_.printing.Print(title_, Printing::Kind::ResultPage, [&](ReportCanvas& canvas) {
        report::PrintResultPage(canvas, context_.reportFont, title_, rows);
    });
}

} // namespace quarvex::framework
