#include "amortization/MakeFlexAmort.h"

#include "amortization/coCanadianAmort.h"
#include "amortization/coFixPrinAmort.h"
#include "amortization/coIntOnlyAmort.h"
#include "amortization/coNoIntAmort.h"
#include "amortization/coNormalAmort.h"
#include "amortization/coRules78Amort.h"
#include "engine/FinanceErrors.h"

namespace quarvex::amortization {

std::unique_ptr<coFlexAmort> MakeFlexAmort(AmortMethod method, const Clock& clock,
                                           Messages* messages) {
    switch (method) {
    case AmortMethod::Normal:
        return std::make_unique<coNormalAmort>(clock, messages);
    case AmortMethod::Canadian:
        return std::make_unique<coCanadianAmort>(clock, messages);
    case AmortMethod::FixedPrincipal:
        return std::make_unique<coFixPrinAmort>(clock, messages);
    case AmortMethod::InterestOnly:
        return std::make_unique<coIntOnlyAmort>(clock, messages);
    case AmortMethod::NoInterest:
        return std::make_unique<coNoIntAmort>(clock, messages);
    case AmortMethod::RuleOf78s:
        return std::make_unique<coRules78Amort>(clock, messages);
    }
    throw engine::EInvalidAmort();
}

} // namespace quarvex::amortization
