#include "framework/buffer/ErrorText.h"

#include "engine/FinanceErrors.h"
#include "platform/Exception.h"

namespace quarvex::framework {

std::string ErrorText(const std::exception& error) {
    const auto* ours = dynamic_cast<const Exception*>(&error);
    if (ours == nullptr) {
        return std::string("Unexpected error: ") + error.what();
    }
    if (!ours->Message().empty()) {
        return ours->Message();
    }
    if (dynamic_cast<const engine::EInfiniteTerm*>(&error) != nullptr) {
        return "Infinite term.\rInterest-only payments never pay off the principal.";
    }
    if (dynamic_cast<const engine::ENotSupportedRateCalc*>(&error) != nullptr) {
        return "The rate cannot be solved for with this amortizing method.";
    }
    if (dynamic_cast<const engine::ENotSupportedPVCalc*>(&error) != nullptr) {
        return "The amount cannot be solved for with this amortizing method and payment method.";
    }
    if (dynamic_cast<const engine::ENotSupportedAmort*>(&error) != nullptr) {
        return "This calculator does not support this amortizing method.";
    }
    return "The calculation cannot be done with these values.";
}

MessageIcon ErrorIcon(const std::exception& error) {
    return dynamic_cast<const engine::EFinError*>(&error) != nullptr ? MessageIcon::Information
                                                                     : MessageIcon::Error;
}

} // namespace quarvex::framework
