#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quarvex::cli {

// Answers a loan question given as NAME=VALUE arguments (PV, NumPmts, Rate, Pmt, and the list
// codes PYR, CmpPYR, PmtMthd, AmortMthd). Returns the process exit code: 0 solved, 1 an error
// of the calculation (its text on err), 2 arguments that cannot be used.
int RunLoanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace quarvex::cli
