#include "amortization/calculator/ArgumentWords.h"

#include "framework/buffer/CalcBuffer.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace quarvex::amortization {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

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
