#pragma once

#include "framework/buffer/CalcBuffer.h"

#include <memory>
#include <span>
#include <string_view>

namespace quarvex::calculators {

// One calculator the program offers: its definition and how to make its buffer.
struct CalculatorEntry {
    const framework::CalculatorSpec& (*definition)();
    std::unique_ptr<framework::CalcBuffer> (*create)(framework::BufferContext& context);

    const framework::CalculatorSpec& Spec() const { return definition(); }
};

// Every calculator built so far, in the order the command line lists them.
std::span<const CalculatorEntry> Calculators();

// The calculator with this stem ("loan"), compared without regard to case; null if none.
const CalculatorEntry* FindCalculator(std::string_view stem);

} // namespace quarvex::calculators
