#pragma once

#include "framework/buffer/FieldValue.h"
#include "framework/masks/TMasks.h"

#include <span>
#include <string>
#include <string_view>

namespace quarvex::framework {

// The entries of a drop-down list, in code order.
using ListItems = std::span<const std::string_view>;

enum class FieldRole : std::uint8_t {
    Input,  // typed by the user, stored as the last entered calculation
    Result, // shown read-only, skipped by Tab, not stored
};

// Which of the country's masks replaces the field's design mask outside the United States.
using masks::MaskKind;

// One field of a calculator's data record: everything persistence, copy and print, the
// command line and the desktop form need to know about it.
struct FieldSpec {
    std::string_view control; // control name with its type prefix: "oedPV", "cbxPYR"
    std::string_view prompt;  // label caption and stored value name: "&Amount of Loan?:"
    FieldType type = FieldType::Double;
    FieldRole role = FieldRole::Input;
    std::string_view designMask; // picture in United States form: "$###,###,###.##"
    MaskKind maskKind = MaskKind::None;
    ListItems list; // entries of a Choice field
    int helpContext = 0;
    FieldValue publisherValue = 0.0;
    // A date field whose publisher's value is the day the calculator opens.
    bool startsToday = false;
    // A result that is kept with the last entered calculation (most results are not).
    bool storedResult = false;
    // A result whose label keeps its accelerator (result labels usually show none).
    bool resultAccelerator = false;

    bool IsResult() const { return role == FieldRole::Result; }
    bool IsStored() const { return !IsResult() || storedResult; }
    // The control name without its lower-case type prefix: "PV" for "oedPV".
    std::string_view Name() const;
};

// The caption of a prompt in copied and printed results: the prompt without its first '&'.
std::string Caption(std::string_view prompt);

} // namespace quarvex::framework
