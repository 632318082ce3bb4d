#pragma once

#include "platform/Printing.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace quarvex::cli {

// Makes the print service that writes a calculator's printout into a PDF file, with no
// dialog, replacing the file atomically. The command line's core draws reports through the
// Printing interface only; the quarvex-calc program links a service in (Qt, offscreen), so
// every other path of the command line stays free of a display library.
using PdfPrintingFactory =
    std::function<std::unique_ptr<Printing>(const std::filesystem::path& file)>;

} // namespace quarvex::cli
