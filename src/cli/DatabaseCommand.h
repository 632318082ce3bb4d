#pragma once

#include "cli/CalculationExtension.h"
#include "framework/store/Environment.h"
#include "platform/Exception.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The schedule database on the command line:
//   quarvex-calc db accounts               every account: number, first and last name,
//                                          business, city and state, tab-separated
//   quarvex-calc db loans ACCOUNTNO        the account's loans: number, amount, origination
//                                          and first payment dates (YYYY-MM-DD), periods,
//                                          rate and payment, tab-separated
//   quarvex-calc amort ... --save ACCOUNTNO
//                                          calculates, saves the loan and its rows under a
//                                          new loan number linked to the account (made when
//                                          missing) and prints the number
//   quarvex-calc amort --load LOANNO [...] loads the loan, recalculates it and prints it as a
//                                          calculation (--json and the calculator's switches
//                                          work as usual)
// The database is in $QUARVEX_DATA_DIR when set, else in the program's data folder (the
// "Data Path:" of the settings file, or the default data folder).
namespace quarvex::cli {

// Arguments of the database commands that cannot be used (exit code 2).
class EDatabaseArguments : public Exception {
public:
    using Exception::Exception;
};

std::filesystem::path DatabaseFolder(const framework::EnvironmentLookup& environment);

// Runs "db ..." and returns its exit code; nullopt when the arguments are not a db command.
std::optional<int> RunDatabaseCommand(const std::vector<std::string>& arguments, std::ostream& out,
                                      std::ostream& err,
                                      const framework::EnvironmentLookup& environment);

// Takes "--save ACCOUNTNO" or "--load LOANNO" out of the arguments of an amortization run and
// returns what they ask for; null when there is neither or the run is another calculator's
// (whose --save and --load name data files, see FileOptions.h). EDatabaseArguments for a
// misuse (a missing value, both at once).
std::unique_ptr<CalculationExtension>
TakeDatabaseArguments(std::vector<std::string>& arguments,
                      const framework::EnvironmentLookup& environment);

} // namespace quarvex::cli
