#include "cli/CalcCommand.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quarvex::cli::RunQuarvexCalc(arguments, std::cout, std::cerr,
                                        quarvex::framework::ProcessEnvironment());
}
