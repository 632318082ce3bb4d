#pragma once

#include "platform/ReportCanvas.h"

#include <QImage>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace quarvex::ui {

using ReportRender = std::function<void(ReportCanvas&)>;

// Draws a report on a printer or PDF writer whose painter is not yet started: the paper's
// corner is the origin (no margins), every page is drawn by `render`. Throws EPrinting when
// the device cannot be painted on.
void RenderOnDevice(QPagedPaintDevice& device, const ReportRender& render);

// Writes a report as a PDF file of US Letter pages (8.5 by 11 inches, the paper reports are
// laid out for). The file is replaced atomically: a half-written PDF never takes the place
// of an older one. Throws EPrinting with the reason when the file cannot be written.
void RenderToPdf(const std::filesystem::path& file, const std::string& title,
                 const ReportRender& render, int dotsPerInch = 1200);

// The pages of a report as white Letter-size images of `dotsPerInch`, for previews, tests
// and screenshots.
std::vector<QImage> RenderToImages(const ReportRender& render, int dotsPerInch = 100);

} // namespace quarvex::ui
