#include "ui/platform/PdfPrinting.h"

#include "ui/platform/ReportRendering.h"

namespace quarvex::ui {

bool PdfPrinting::Print(const std::string& title, Kind,
                        const std::function<void(ReportCanvas&)>& render) {
    RenderToPdf(file_, title, render);
    return true;
}

} // namespace quarvex::ui
