#pragma once

#include "framework/buffer/CalcBuffer.h"

#include <string>

namespace quarvex::cli {

// {"calculator": STEM, "fields": {NAME: value, ...}} with every field at full precision:
// numbers as JSON numbers, list fields as {"index": i, "text": "..."}, dates as "YYYY-MM-DD"
// (null for none), texts as strings; a calculator's series (cash flows) follows as "flows":
// [{"date": ..., "amount": ...}, ...], then the calculator's own members (JsonMembers).
// Ends with a line break.
std::string JsonFields(const framework::CalcBuffer& buffer);

} // namespace quarvex::cli
