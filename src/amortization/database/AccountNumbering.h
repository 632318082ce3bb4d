#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Numbers for new accounts: a base made of the names and a three-digit suffix, "SMIJOH001".
namespace quarvex::amortization::database {

inline constexpr int kLastAccountSuffix = 999;

// The first three letters (or digits) of the last name followed by the first three of the
// first name, in capitals; blanks and punctuation are passed over ("O'Brien" gives "OBR").
// EAmortDB 300 ("Account No MUST be given ") when the names give nothing.
std::string AccountNumberBase(std::string_view lastName, std::string_view firstName);

// The suffix of an account number made from `base`: exactly three digits after the base,
// compared without regard to case ("smijoh007" has suffix 7 for "SMIJOH"). nullopt for any
// other number ("SMIJOH12", "SMIJOHN001", "SMIJOH0001").
std::optional<int> AccountNumberSuffix(std::string_view accountNo, std::string_view base);

// The suffix for a new account given those in use: one more than the highest, so that a
// number whose account was deleted is not given again while a later one lives; once 999 is
// taken, the lowest free one. nullopt when all of 1 to 999 are taken.
std::optional<int> NextAccountSuffix(const std::vector<int>& used);

// base followed by the suffix in three digits.
std::string AccountNumber(std::string_view base, int suffix);

} // namespace quarvex::amortization::database
