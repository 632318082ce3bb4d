#pragma once

#include "platform/Printing.h"

#include <filesystem>

namespace quarvex::ui {

// Print jobs written to a PDF file instead of a printer, without any dialog: each job
// replaces the file (see RenderToPdf). For scripts that capture the program's reports and for
// tests; the desktop program prints through QtPrinting.
class PdfPrinting : public Printing {
public:
    explicit PdfPrinting(std::filesystem::path file) : file_(std::move(file)) {}

    bool Print(const std::string& title, Kind kind,
               const std::function<void(ReportCanvas&)>& render) override;

    const std::filesystem::path& File() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace quarvex::ui
