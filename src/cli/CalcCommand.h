#pragma once

#include "cli/PdfOutput.h"
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
//   --help                                 the usage and what each option does
//   --list                                 the calculators, "stem<TAB>name"
//   STEM --fields                          the fields of a calculator
//   STEM [NAME=VALUE ...] [--json] [--settings] [--today=YYYY-MM-DD] [--FLAG ...]
//        [--load FILE] [--save FILE] [--pdf FILE]
// Prints the calculator's results (CalcBuffer::CommandLineText, with "\n" line ends) or JSON
// on `out`, messages and errors on `err`, and returns the exit code. The files are described
// in FileOptions.h; `pdf` writes the printout for --pdf (without it, --pdf is refused). A
// calculator may offer switches of its own (--FLAG, listed by
// --fields) that add a text after the copied text or print one in its place. The environment gives
// the settings file for --settings, which is only ever read. The schedule database's commands (db
// accounts, db loans, amort --save and --load) are described in DatabaseCommand.h.
int RunQuarvexCalc(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const framework::EnvironmentLookup& environment,
                   const PdfPrintingFactory& pdf = {});

} // namespace quarvex::cli
