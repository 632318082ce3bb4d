#pragma once

#include "framework/buffer/FieldSpec.h"

#include <cstddef>
#include <vector>

namespace quarvex::framework {

// A local default on a calculator's options page: the value it puts into `target`, a field of
// the data record, when the calculator opens with "Defaults" and "Local". A target of kNoTarget
// makes it an option of the calculator's own (a check box such as "Use exact day calculation
// method"): a Choice of 0 or 1 stored like the other local defaults, filling no field.
struct LocalDefaultSpec {
    static constexpr std::size_t kNoTarget = static_cast<std::size_t>(-1);

    std::string_view control; // "cbxDefaultPYR"
    std::string_view prompt;  // stored as "Default" + prompt
    FieldType type = FieldType::Double;
    std::string_view designMask;
    MaskKind maskKind = MaskKind::None;
    ListItems list;
    int helpContext = 0;
    FieldValue initial = 0.0;
    std::size_t target = 0;
    // Turns the default into the target field's value where the two differ in meaning (a
    // five-entry list index onto a two-entry list); null when the value carries over as it is.
    FieldValue (*convert)(const FieldValue&) = nullptr;

    bool IsOption() const { return target == kNoTarget; }
};

// The five option flags of every calculator, in their stored order.
struct OptionFlags {
    bool local = false;
    bool global = false;
    bool publisher = true;
    bool lastCalculation = true; // "When calculator opens use": last entered calculation...
    bool defaults = false;       // ...or the defaults level chosen above

    friend bool operator==(const OptionFlags&, const OptionFlags&) = default;
};

// The options page: the local default values and the flags.
struct OptionsRecord {
    std::vector<FieldValue> localDefaults;
    OptionFlags flags;

    friend bool operator==(const OptionsRecord&, const OptionsRecord&) = default;
};

} // namespace quarvex::framework
