#include "calculators/CashFlowFields.h"

#include "calculators/FieldKit.h"
#include "engine/EngineTypes.h"
#include "framework/settings/DisplayListItems.h"

namespace quarvex::calculators::cashflow_fields {

using framework::FieldType;
using framework::MaskKind;

framework::FieldSpec InitialAmount(std::string_view prompt) {
    return kit::Money("oedPV", prompt, 216);
}

framework::FieldSpec Periods() {
    auto periods = kit::Real("oedNumPmts", "&Total Periods? (#):", FieldType::Int16, "##,###",
                             MaskKind::Count, 97);
    periods.publisherValue = std::int16_t{48};
    return periods;
}

framework::FieldSpec StartDate(std::string_view prompt, int helpContext) {
    auto date = kit::DateField("oedStartDate", prompt, helpContext);
    date.startsToday = true;
    return date;
}

framework::FieldSpec Period(std::string_view prompt) {
    return kit::List("cbxPYR", prompt, engine::kPaymentFrequencyNames, 127, 5);
}

namespace {

framework::LocalDefaultSpec Flag(std::string_view control, std::string_view prompt) {
    return {control,
            prompt,
            FieldType::Choice,
            {},
            MaskKind::None,
            framework::list_items::kNoYes,
            301,
            framework::Choice{0},
            framework::LocalDefaultSpec::kNoTarget};
}

} // namespace

framework::LocalDefaultSpec WarnOption() {
    return Flag("chkWarnMessage", "Don't show the warning message");
}

framework::LocalDefaultSpec ExactDayOption() {
    return Flag("chkCalcMthd", "Use exact day calculation method");
}

framework::OutputRow DateRow(std::size_t field) {
    return kit::Row(field, 24, "%16s", "%16s");
}

framework::OutputRow PeriodRow(std::size_t field) {
    auto row = kit::Row(field, 24, "%16s", "%16s");
    row.copyFormat += "\r\n";
    return row;
}

} // namespace quarvex::calculators::cashflow_fields
