#pragma once

#include "framework/buffer/CalculatorSpec.h"

// Fields and options the two cash-flow calculators share.
namespace quarvex::calculators::cashflow_fields {

framework::FieldSpec InitialAmount(std::string_view prompt);
framework::FieldSpec Periods();
framework::FieldSpec StartDate(std::string_view prompt, int helpContext);
framework::FieldSpec Period(std::string_view prompt);
// "Don't show the warning message" and "Use exact day calculation method", both clear.
framework::LocalDefaultSpec WarnOption();
framework::LocalDefaultSpec ExactDayOption();
// The extra lines of the input rows: the start date and, with a blank line after it, the
// payment period.
framework::OutputRow DateRow(std::size_t field);
framework::OutputRow PeriodRow(std::size_t field);

} // namespace quarvex::calculators::cashflow_fields
