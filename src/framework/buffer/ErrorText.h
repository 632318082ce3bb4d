#pragma once

#include <exception>
#include <string>

namespace quarvex::framework {

// The text a message box shows for an error. Errors that carry no text of their own (an
// infinite interest-only term, a rate or amount that a method cannot solve for) get a clear
// one; everything else shows its own text unchanged.
std::string ErrorText(const std::exception& error);

} // namespace quarvex::framework
