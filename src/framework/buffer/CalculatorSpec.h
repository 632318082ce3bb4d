#pragma once

#include "framework/buffer/FieldSpec.h"
#include "framework/buffer/OptionsRecord.h"
#include "framework/settings/GlobalSettingsTable.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace quarvex::framework {

class DataRecord;

// One row of the copied and printed results: the caption and value of a field, formatted with
// a copy pattern ("%-24s %16.2m\r\n") and a print pattern ("\t%-24s\t%16.2m"). The caption is
// the field's prompt without its first '&' unless the row names its own.
struct OutputRow {
    std::size_t field = 0;
    std::string copyFormat;
    std::string printFormat;
    std::string caption = {};
    // The patterns take the value alone, without the caption (a line of text under results).
    bool valueOnly = false;
    // Rows that need more than caption and value (a date with its weekday) build their own
    // copy and print text; empty for ordinary rows.
    std::function<std::string(const DataRecord&, bool forPrint)> custom = {};
};

// Which global setting fills which data field when a calculator opens with "Defaults" and
// "Global".
struct GlobalDefaultSpec {
    GlobalSetting setting;
    std::size_t target = 0;
    // As LocalDefaultSpec::convert.
    FieldValue (*convert)(const FieldValue&) = nullptr;
};

// An output switch of the command line that a calculator offers besides --json ("apr" for
// --apr): its text (CalcBuffer::OutputFlagText) follows the copied text, or replaces it.
struct OutputFlagSpec {
    std::string_view name; // without the leading "--"
    std::string_view help; // for the --fields listing
    bool replacesText = false;
};

// Everything that makes one calculator: its name, fields, defaults and output rows.
struct CalculatorSpec {
    std::string_view stem; // command-line name: "loan"
    std::string_view name; // stored key and window caption: "Loan Calculator"
    int maxInstances = 2;
    int helpTopic = 0; // the "&Help" button
    int optionsHelpTopic = 301;
    std::span<const FieldSpec> fields;
    std::span<const LocalDefaultSpec> localDefaults;
    std::span<const GlobalDefaultSpec> globalDefaults;
    std::span<const OutputRow> rows;
    // A fixed line of guidance on the calculator panel ("Enter a Zero '0'  for Unknown Value").
    std::string_view note = {};
    // The window generated from the fields cannot serve this calculator (a schedule grid, pages
    // of settings): the desktop program offers it only once its own window is registered.
    bool needsOwnWindow = false;
    // Output switches of the command line beyond --json.
    std::span<const OutputFlagSpec> outputFlags = {};
};

} // namespace quarvex::framework
