#pragma once

#include "framework/buffer/DataRecord.h"

#include <cstdint>

namespace quarvex::calculators {

// The code of a list field, as the engines take it.
inline std::uint8_t CodeOf(const framework::DataRecord& data, std::size_t field) {
    return static_cast<std::uint8_t>(data.Get<framework::Choice>(field).index);
}

// Raises "Unsupported compounding period for this calculator." for "Continuous" and "Simple".
void RefuseContinuousAndSimple(std::uint8_t compoundingCode);

} // namespace quarvex::calculators
