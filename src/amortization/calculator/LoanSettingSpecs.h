#pragma once

#include "amortization/AmortSettings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The twelve loan settings of the amortization calculator as one table: their names on the
// command line, their stored value names, their captions in the copied schedule and their
// display lists.
namespace quarvex::amortization {

struct LoanSettingSpec {
    std::string_view name;       // command line and JSON: "RateBasis"
    std::string_view storedName; // value name in the calculator's key: "Rate Basis?:"
    std::string_view copyPrompt; // prompt of the copied schedule ("Points Are?:"), whose
                                 // first '?' the copy leaves out
    std::span<const std::string_view> items; // the display list
    int firstCode;                           // the code of the list's first entry (0 or 1)
    int missingCode;                         // the code a calculator takes when none is stored
    bool storedAsBoolean;                    // "Apply US Rule?:"
    int (*get)(const AmortSettings& settings);
    void (*set)(AmortSettings& settings, int code);

    int LastCode() const { return firstCode + static_cast<int>(items.size()) - 1; }
    bool IsCode(int code) const { return code >= firstCode && code <= LastCode(); }
    // The list entry of a code; empty outside the list.
    std::string_view TextOf(int code) const;
    // A code from its number or its list entry (any case); nothing when it is neither.
    std::optional<int> CodeOf(std::string_view text) const;
};

// In the order of the copied schedule: rate basis, acceleration, points, twice-monthly days,
// weekend, last period, US Rule, last day of month, odd days paid and calculated, short
// period paid and calculated.
std::span<const LoanSettingSpec> LoanSettingSpecs();

} // namespace quarvex::amortization
