#include "amortization/MakeSimpleAmort.h"

#include "amortization/coSimpleMethods.h"
#include "engine/FinanceErrors.h"

namespace quarvex::amortization {

std::unique_ptr<coSimpleBaseAmort> MakeSimpleAmort(AmortMethod method) {
    switch (method) {
    case AmortMethod::Normal:
        return std::make_unique<coSimpleNormalAmort>();
    case AmortMethod::Canadian:
        return std::make_unique<coSimpleCanadianAmort>();
    case AmortMethod::FixedPrincipal:
        return std::make_unique<coSimpleFixPrinAmort>();
    case AmortMethod::InterestOnly:
        return std::make_unique<coSimpleIntOnlyAmort>();
    case AmortMethod::RuleOf78s:
        return std::make_unique<coSimpleRules78Amort>();
    case AmortMethod::NoInterest:
        break;
    }
    throw engine::EInvalidAmort();
}

} // namespace quarvex::amortization
