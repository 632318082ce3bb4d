#include "calculators/FieldKit.h"

#include "engine/EngineTypes.h"

namespace quarvex::calculators::kit {

using framework::Choice;
using framework::FieldType;
using framework::MaskKind;

FieldSpec Money(std::string_view control, std::string_view prompt, int helpContext,
                FieldRole role) {
    return {control,         prompt, FieldType::Double, role, kMoneyMask,
            MaskKind::Money, {},     helpContext,       0.0};
}

FieldSpec Rate(std::string_view control, std::string_view prompt, int helpContext, FieldRole role) {
    return {control,        prompt, FieldType::Single, role, kRateMask,
            MaskKind::Rate, {},     helpContext,       0.0f};
}

FieldSpec Count(std::string_view control, std::string_view prompt, int helpContext,
                FieldRole role) {
    return {control,         prompt, FieldType::Int16, role,           kCountMask,
            MaskKind::Count, {},     helpContext,      std::int16_t{0}};
}

FieldSpec Real(std::string_view control, std::string_view prompt, FieldType type,
               std::string_view mask, MaskKind kind, int helpContext, FieldRole role) {
    return {control, prompt, type, role, mask, kind, {}, helpContext, framework::ZeroValue(type)};
}

FieldSpec List(std::string_view control, std::string_view prompt, framework::ListItems items,
               int helpContext, int publisherIndex) {
    return {control,        prompt, FieldType::Choice, FieldRole::Input,      {},
            MaskKind::None, items,  helpContext,       Choice{publisherIndex}};
}

FieldSpec Text(std::string_view control, std::string_view prompt, FieldRole role) {
    return {control, prompt, FieldType::Text, role, {}, MaskKind::None, {}, 0, std::string()};
}

FieldSpec DateField(std::string_view control, std::string_view prompt, int helpContext) {
    return {control,        prompt, FieldType::Date, FieldRole::Input, "mm/dd/yyyy",
            MaskKind::Date, {},     helpContext,     framework::Date{}};
}

FieldSpec PaymentPeriod() {
    return List("cbxPYR", "Payme&nt Period?:", engine::kPaymentFrequencyNames, 127, 5);
}

FieldSpec Compounding() {
    return List("cbxCmpPYR", "Compounding Perio&d?:", engine::kCompoundingNames, 13, 6);
}

FieldSpec PaymentTiming() {
    return List("cbxPmtMthd", "Payment &Method?:", engine::kPaymentTimingNames, 17, 0);
}

FieldSpec AmortMethod() {
    return List("cbxAmortMthd", "Amorti&zing Method?:", engine::kAmortMethodNames, 12, 0);
}

LocalDefaultSpec DefaultOf(const FieldSpec& field, std::size_t target) {
    return {field.control,     field.prompt,         field.type,
            field.designMask,  field.maskKind,       field.list,
            field.helpContext, field.publisherValue, target};
}

namespace {

// The options page's control of a local default: "cbxPYR" becomes "cbxDefaultPYR".
LocalDefaultSpec Renamed(LocalDefaultSpec local, std::string_view control) {
    local.control = control;
    return local;
}

} // namespace

LocalDefaultSpec DefaultPaymentPeriod(std::size_t target) {
    return Renamed(DefaultOf(PaymentPeriod(), target), "cbxDefaultPYR");
}

LocalDefaultSpec DefaultCompounding(std::size_t target) {
    return Renamed(DefaultOf(Compounding(), target), "cbxDefaultCmpPYR");
}

LocalDefaultSpec DefaultPaymentTiming(std::size_t target) {
    return Renamed(DefaultOf(PaymentTiming(), target), "cbxDefaultPmtMthd");
}

LocalDefaultSpec DefaultAmortMethod(std::size_t target) {
    return Renamed(DefaultOf(AmortMethod(), target), "cbxDefaultAmortMthd");
}

LocalDefaultSpec DefaultRate(std::size_t target, std::string_view prompt) {
    return Renamed(DefaultOf(Rate("oedRate", prompt, 9), target), "oedDefaultRate");
}

std::array<LocalDefaultSpec, 5> LoanLocalDefaults(const LoanFields& fields) {
    return {DefaultAmortMethod(fields.amortMthd), DefaultPaymentTiming(fields.pmtMthd),
            DefaultCompounding(fields.cmpPYR), DefaultPaymentPeriod(fields.pyr),
            DefaultRate(fields.rate)};
}

std::array<framework::GlobalDefaultSpec, 5> LoanGlobalDefaults(const LoanFields& fields) {
    using framework::GlobalSetting;
    return {{{GlobalSetting::AmortizingMethod, fields.amortMthd},
             {GlobalSetting::PaymentMethod, fields.pmtMthd},
             {GlobalSetting::CompoundingPeriod, fields.cmpPYR},
             {GlobalSetting::PaymentPeriod, fields.pyr},
             {GlobalSetting::AnnualRate, fields.rate}}};
}

OutputRow Row(std::size_t field, int width, std::string_view copyValue,
              std::string_view printValue) {
    const std::string caption = "%-" + std::to_string(width) + "s";
    return {field, caption + " " + std::string(copyValue) + "\r\n",
            "\t" + caption + "\t" + std::string(printValue)};
}

OutputRow MoneyRow(std::size_t field, int width) {
    return Row(field, width, "%16.2m", "%16.2m");
}

OutputRow CountRow(std::size_t field, int width) {
    return Row(field, width, "%16d", "%16d");
}

OutputRow ListRow(std::size_t field, int width) {
    return Row(field, width, "%16s", "%s");
}

OutputRow NumberRow(std::size_t field, int width) {
    return Row(field, width, "%16.2n", "%16.4n");
}

OutputRow FixedRow(std::size_t field, int width) {
    return Row(field, width, "%16f", "%16f");
}

OutputRow Captioned(OutputRow row, std::string caption) {
    row.caption = std::move(caption);
    return row;
}

} // namespace quarvex::calculators::kit
