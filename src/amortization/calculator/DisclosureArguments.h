#pragma once

#include "amortization/calculator/AprDisclosure.h"
#include "amortization/calculator/DisclosureInfo.h"
#include "framework/masks/NumberConventions.h"

#include <string>
#include <string_view>
#include <vector>

// The disclosure information on the command line: NAME=VALUE arguments named after the stored
// values without their blanks and punctuation (Creditor, LoanOfficer, Address1, FilingFees,
// LateCharge, ...), the borrower's with "Borrower" before them (BorrowerFirstName, ...).
namespace quarvex::amortization {

// Takes one argument into `info`: true when `name` is one of them (any case). Raises
// framework::EBadArgument for a value it cannot use, and then `info` is unchanged.
bool TakeDisclosureArgument(DisclosureInfo& info, std::string_view name, std::string_view value);

// One line per argument for the --fields listing: name, tab, what it holds.
std::vector<std::string> DisclosureArgumentHelp();

// The statement's figures as text lines ("\r\n" ends): the four boxes, then the payment
// schedule and the late-charge sentence.
std::string DisclosureSummaryText(const AprDisclosureFigures& figures, const DisclosureInfo& info,
                                  const masks::NumberConventions& conventions);

} // namespace quarvex::amortization
