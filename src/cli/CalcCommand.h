#pragma once

#include "framework/store/Environment.h"

#include <ostream>
#include <string>
#include <vector>

namespace quarvex::cli {

// Exit codes of quarvex-calc.
inline constexpr int kExitSolved = 0;
inline constexpr int kExitCalculationError = 1;
inline constexpr int kExitBadArguments = 2;

// quarvex-calc with its arguments (without the program name):
//   --list                                 the calculators, "stem<TAB>name"
//   STEM --fields                          the fields of a calculator
//   STEM [NAME=VALUE ...] [--json] [--settings] [--today=YYYY-MM-DD]
// Prints the calculator's copied text (or JSON) on `out`, messages and errors on `err`, and
// returns the exit code. The environment gives the settings file for --settings, which is
// only ever read.
int RunQuarvexCalc(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const framework::EnvironmentLookup& environment);

} // namespace quarvex::cli
