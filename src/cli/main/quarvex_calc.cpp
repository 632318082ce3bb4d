#include "cli/CalcCommand.h"

#ifdef QUARVEX_CALC_PDF
#include "ui/report/OffscreenPdfPrinting.h"
#endif

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    quarvex::cli::PdfPrintingFactory pdf;
#ifdef QUARVEX_CALC_PDF
    pdf = &quarvex::ui::MakeOffscreenPdfPrinting;
#endif
    return quarvex::cli::RunQuarvexCalc(arguments, std::cout, std::cerr,
                                        quarvex::framework::ProcessEnvironment(), pdf);
}
