#include "cli/LoanCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty() || arguments.front() != "loan") {
        std::cerr << "usage: quarvex-calc loan NAME=VALUE ...\n";
        return 2;
    }
    return quarvex::cli::RunLoanCommand({arguments.begin() + 1, arguments.end()}, std::cout,
                                        std::cerr);
}
