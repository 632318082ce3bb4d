#include "framework/buffer/CalculatorFamily.h"

#include <stdexcept>

namespace quarvex::framework {

CalculatorFamily::CalculatorFamily(const CalculatorSpec& spec)
    : spec_(spec), slots_(static_cast<std::size_t>(spec.maxInstances), nullptr) {}

std::optional<int> CalculatorFamily::FreeSlot() const {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i] == nullptr) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

void CalculatorFamily::Occupy(int slot, const CalcBuffer* buffer) {
    if (slot < 1 || slot > static_cast<int>(slots_.size()) || slots_[slot - 1] != nullptr) {
        throw std::logic_error("calculator slot is not free");
    }
    slots_[slot - 1] = buffer;
}

void CalculatorFamily::Release(int slot) {
    if (slot < 1 || slot > static_cast<int>(slots_.size())) {
        return;
    }
    if (sharedLast_ == slots_[slot - 1]) {
        sharedLast_ = nullptr;
    }
    slots_[slot - 1] = nullptr;
    if (OpenCount() == 0) {
        sharedLast_ = nullptr;
    }
}

int CalculatorFamily::OpenCount() const {
    int open = 0;
    for (const CalcBuffer* buffer : slots_) {
        open += buffer != nullptr ? 1 : 0;
    }
    return open;
}

} // namespace quarvex::framework
