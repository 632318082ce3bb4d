#pragma once

#include "amortization/coFlexAmort.h"

#include <memory>

namespace quarvex::amortization {

// The flexible engine of an amortizing method: Normal coNormalAmort, Canadian coCanadianAmort,
// Fixed Principal coFixPrinAmort, Interest Only coIntOnlyAmort, No Interest coNoIntAmort,
// Rule of 78's coRules78Amort. Any other code raises EInvalidAmort "Unknown Amortization
// Method.".
std::unique_ptr<coFlexAmort> MakeFlexAmort(AmortMethod method, const Clock& clock,
                                           Messages* messages = nullptr);

} // namespace quarvex::amortization
