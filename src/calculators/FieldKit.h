#pragma once

#include "framework/buffer/CalculatorSpec.h"

#include <array>
#include <string>
#include <string_view>

// The fields, local defaults and output rows that many calculators share, so that a
// calculator's table names only what is its own.
namespace quarvex::calculators::kit {

using framework::FieldRole;
using framework::FieldSpec;
using framework::LocalDefaultSpec;
using framework::OutputRow;

inline constexpr std::string_view kMoneyMask = "$###,###,###.##";
inline constexpr std::string_view kRateMask = "##.####";
inline constexpr std::string_view kCountMask = "ii,iii";

// Entry fields by kind: money (double), rate (single, percent), count (16-bit).
FieldSpec Money(std::string_view control, std::string_view prompt, int helpContext,
                FieldRole role = FieldRole::Input);
FieldSpec Rate(std::string_view control, std::string_view prompt, int helpContext,
               FieldRole role = FieldRole::Input);
FieldSpec Count(std::string_view control, std::string_view prompt, int helpContext,
                FieldRole role = FieldRole::Input);
// A real with its own picture, such as "##.##" for years.
FieldSpec Real(std::string_view control, std::string_view prompt, framework::FieldType type,
               std::string_view mask, framework::MaskKind kind, int helpContext,
               FieldRole role = FieldRole::Input);
FieldSpec List(std::string_view control, std::string_view prompt, framework::ListItems items,
               int helpContext, int publisherIndex);
// A line of text the calculator writes (result), or the user types.
FieldSpec Text(std::string_view control, std::string_view prompt, FieldRole role);
FieldSpec DateField(std::string_view control, std::string_view prompt, int helpContext);

// The four loan choices with their usual prompts, help contexts and publisher's values.
FieldSpec PaymentPeriod(); // "Payme&nt Period?:", Monthly
FieldSpec Compounding();   // "Compounding Perio&d?:", Monthly
FieldSpec PaymentTiming(); // "Payment &Method?:", Arrears
FieldSpec AmortMethod();   // "Amorti&zing Method?:", Normal

// Local defaults of the same four choices and of an annual rate, filling `target`.
LocalDefaultSpec DefaultPaymentPeriod(std::size_t target);
LocalDefaultSpec DefaultCompounding(std::size_t target);
LocalDefaultSpec DefaultPaymentTiming(std::size_t target);
LocalDefaultSpec DefaultAmortMethod(std::size_t target);
LocalDefaultSpec DefaultRate(std::size_t target, std::string_view prompt = "Annual &Rate? (%):");
// The fields of a loan that take the five loan defaults.
struct LoanFields {
    std::size_t amortMthd;
    std::size_t pmtMthd;
    std::size_t cmpPYR;
    std::size_t pyr;
    std::size_t rate;
};
// The five loan defaults in the options page's order (amortizing method, payment method,
// compounding, payment period, annual rate), and the same five taken from the global settings.
std::array<LocalDefaultSpec, 5> LoanLocalDefaults(const LoanFields& fields);
std::array<framework::GlobalDefaultSpec, 5> LoanGlobalDefaults(const LoanFields& fields);

// The local default of another field: same type, list and mask, stored as "Default" + prompt.
LocalDefaultSpec DefaultOf(const FieldSpec& field, std::size_t target);

// Output rows with a caption column of `width`: copy "%-<w>s %16<v>\r\n", print
// "\t%-<w>s\t%16<v>" where <v> is the value conversion.
OutputRow Row(std::size_t field, int width, std::string_view copyValue,
              std::string_view printValue);
OutputRow MoneyRow(std::size_t field, int width);
OutputRow CountRow(std::size_t field, int width);
OutputRow ListRow(std::size_t field, int width); // print "\t%-<w>s\t%s"
// Copied with 2 decimals, printed with 4.
OutputRow NumberRow(std::size_t field, int width);
// Fixed point with 2 decimals in both.
OutputRow FixedRow(std::size_t field, int width);
// A row captioned differently from its field's prompt.
OutputRow Captioned(OutputRow row, std::string caption);

} // namespace quarvex::calculators::kit
