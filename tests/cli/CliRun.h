#pragma once

#include "cli/CalcCommand.h"

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace quarvex::cli {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

// Runs quarvex-calc with an environment that holds only what the test gives it.
inline CliRun RunCli(const std::vector<std::string>& arguments,
                     const std::map<std::string, std::string>& environment = {},
                     const PdfPrintingFactory& pdf = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const auto lookup = [environment](const std::string& name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end()) {
            return std::nullopt;
        }
        return found->second;
    };
    const int code = RunQuarvexCalc(arguments, out, err, lookup, pdf);
    return {code, out.str(), err.str()};
}

} // namespace quarvex::cli
