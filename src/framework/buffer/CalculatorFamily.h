#pragma once

#include "framework/buffer/CalculatorSpec.h"

#include <optional>
#include <vector>

namespace quarvex::framework {

class CalcBuffer;

// The open windows of one calculator, in slots numbered from 1, and the shared last
// calculation: the buffer whose record was calculated last in any of them. A new window of
// the calculator starts from that record.
class CalculatorFamily {
public:
    explicit CalculatorFamily(const CalculatorSpec& spec);

    const CalculatorSpec& Spec() const { return spec_; }

    // The first free slot, or nothing when every window allowed is open.
    std::optional<int> FreeSlot() const;
    void Occupy(int slot, const CalcBuffer* buffer);
    // Empties the slot; clears the shared last calculation when it was that window's, and
    // when no window is left.
    void Release(int slot);
    int OpenCount() const;

    const CalcBuffer* SharedLast() const { return sharedLast_; }
    void SetSharedLast(const CalcBuffer* buffer) { sharedLast_ = buffer; }

private:
    const CalculatorSpec& spec_;
    std::vector<const CalcBuffer*> slots_;
    const CalcBuffer* sharedLast_ = nullptr;
};

} // namespace quarvex::framework
