#include "engines/depreciation/calculator/DepreciationFields.h"

#include "calculators/FieldKit.h"

#include <string>

namespace quarvex::engines::fields {

using framework::FieldRole;
using framework::FieldType;
using framework::MaskKind;

FieldSpec Asset(std::string_view prompt, std::string_view publisher) {
    FieldSpec field = calculators::kit::Text("oedAsset", prompt, FieldRole::Input);
    field.publisherValue = std::string(publisher);
    return field;
}

FieldSpec RecoveryPeriod(std::string_view prompt, std::string_view mask) {
    return calculators::kit::Real("oedRecoveryPeriod", prompt, FieldType::Single, mask,
                                  MaskKind::None, 0);
}

FieldSpec Percent(std::string_view control, std::string_view prompt, int helpContext,
                  std::int16_t publisher) {
    FieldSpec field = calculators::kit::Real(control, prompt, FieldType::Int16, kPercentMask,
                                             MaskKind::None, helpContext);
    field.publisherValue = publisher;
    return field;
}

FieldSpec InService(std::string_view prompt, int helpContext) {
    FieldSpec field = calculators::kit::DateField("oedInService", prompt, helpContext);
    field.startsToday = true;
    return field;
}

OutputRow AssetRow(std::size_t field, int width, int assetWidth) {
    const std::string value = "%" + std::to_string(assetWidth) + "s";
    return calculators::kit::Row(field, width, value, value);
}

OutputRow TextRow(std::size_t field, int width) {
    return calculators::kit::Row(field, width, "%16s", "%16s");
}

OutputRow PercentRow(std::size_t field, int width) {
    return calculators::kit::CountRow(field, width);
}

OutputRow NumberRow(std::size_t field, int width) {
    return calculators::kit::Row(field, width, "%16.2n", "%16.2n");
}

} // namespace quarvex::engines::fields
