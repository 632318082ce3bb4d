#pragma once

#include "amortization/coSimpleBaseAmort.h"

#include <memory>

namespace quarvex::amortization {

// The simple engine of an amortizing method: Normal, Canadian, Fixed Principal, Interest Only,
// Rule of 78's. "No Interest" and unknown codes raise EInvalidAmort "Unknown Amortization
// Method.".
std::unique_ptr<coSimpleBaseAmort> MakeSimpleAmort(AmortMethod method);

} // namespace quarvex::amortization
