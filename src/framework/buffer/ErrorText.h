#pragma once

#include "platform/Messages.h"

#include <exception>
#include <string>

namespace quarvex::framework {

// The text a message box shows for an error. Errors that carry no text of their own (an
// infinite interest-only term, a rate or amount that a method cannot solve for) get a clear
// one; everything else shows its own text unchanged.
std::string ErrorText(const std::exception& error);

// The icon of that message box: information where a solver found no answer ("Sorry, can't
// derive IRR."; nothing went wrong), the error icon otherwise.
MessageIcon ErrorIcon(const std::exception& error);

} // namespace quarvex::framework
