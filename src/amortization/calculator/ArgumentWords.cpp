#include "amortization/calculator/ArgumentWords.h"

#include "framework/buffer/CalcBuffer.h"

#include <string>

namespace quarvex::amortization {

bool Switch(std::string_view name, std::string_view text) {
    for (const std::string_view on : {"1", "yes", "true", "on"}) {
        if (SameName(text, on)) {
            return true;
        }
    }
    for (const std::string_view off : {"0", "no", "false", "off"}) {
        if (SameName(text, off)) {
            return false;
        }
    }
    throw framework::EBadArgument(std::string(name) + " takes yes or no, not '" +
                                  std::string(text) + "'");
}

} // namespace quarvex::amortization
