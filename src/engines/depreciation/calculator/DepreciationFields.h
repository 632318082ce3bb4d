#pragma once

#include "framework/buffer/CalculatorSpec.h"

#include <string_view>

// The fields and copied rows the depreciation calculators have in common.
namespace quarvex::engines::fields {

using framework::FieldSpec;
using framework::OutputRow;

inline constexpr std::string_view kPercentMask = "iii";

// The asset's name: text the user types, `publisher` at first.
FieldSpec Asset(std::string_view prompt, std::string_view publisher);
// A recovery period in years (single) with its picture, "##.#" or "###.#".
FieldSpec RecoveryPeriod(std::string_view prompt, std::string_view mask);
// A whole percent (16-bit), "iii".
FieldSpec Percent(std::string_view control, std::string_view prompt, int helpContext,
                  std::int16_t publisher);
// The date placed in service, today at first.
FieldSpec InService(std::string_view prompt, int helpContext);

// Copied as caption (padded to `width`) and value: the asset right-aligned in `assetWidth`,
// a date or list text in 16, a percent as "%16d", a period or deduction as "%16.2n".
OutputRow AssetRow(std::size_t field, int width, int assetWidth);
OutputRow TextRow(std::size_t field, int width);
OutputRow PercentRow(std::size_t field, int width);
OutputRow NumberRow(std::size_t field, int width);

} // namespace quarvex::engines::fields
