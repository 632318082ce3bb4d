#pragma once

#include "framework/store/RegKeyPath.h"

#include <string_view>

// The words the amortization calculator's command-line arguments share.
namespace quarvex::amortization {

// Names and words of arguments match in any case, as stored value names do.
using framework::SameName;

// A yes-or-no argument: 1, yes, true or on; 0, no, false or off (any case). Raises
// framework::EBadArgument naming the argument for anything else.
bool Switch(std::string_view name, std::string_view text);

} // namespace quarvex::amortization
