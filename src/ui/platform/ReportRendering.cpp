#include "ui/platform/ReportRendering.h"

#include "ui/platform/PainterCanvas.h"
#include "ui/platform/PrintErrors.h"
#include "ui/platform/QtText.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <deque>

namespace quarvex::ui {

namespace {

constexpr double kLetterWidth = 8.5;
constexpr double kLetterHeight = 11;

QImage BlankPage(int dotsPerInch) {
    QImage page(static_cast<int>(kLetterWidth * dotsPerInch),
                static_cast<int>(kLetterHeight * dotsPerInch), QImage::Format_RGB32);
    constexpr double kInchesPerMeter = 39.37007874;
    page.setDotsPerMeterX(static_cast<int>(dotsPerInch * kInchesPerMeter + 0.5));
    page.setDotsPerMeterY(static_cast<int>(dotsPerInch * kInchesPerMeter + 0.5));
    page.fill(Qt::white);
    return page;
}

} // namespace

void RenderOnDevice(QPagedPaintDevice& device, const ReportRender& render) {
    QPainter painter;
    if (!painter.begin(&device)) {
        throw EPrinting("The printer could not be started.");
    }
    PainterCanvas canvas(painter, device);
    render(canvas);
    if (!painter.end()) {
        throw EPrinting("The printer did not accept the report.");
    }
}

void RenderToPdf(const std::filesystem::path& file, const std::string& title,
                 const ReportRender& render, int dotsPerInch) {
    const QString name = ToQString(file.string());
    QSaveFile out(name);
    if (!out.open(QIODevice::WriteOnly)) {
        throw EPrinting("Cannot write the file \"" + file.string() +
                        "\": " + ToStdString(out.errorString()));
    }
    {
        QPdfWriter writer(&out);
        writer.setResolution(dotsPerInch);
        writer.setTitle(ToQString(title));
        writer.setCreator(QStringLiteral("Quarvex!"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        RenderOnDevice(writer, render);
    }
    if (!out.commit()) {
        throw EPrinting("Cannot write the file \"" + file.string() +
                        "\": " + ToStdString(out.errorString()));
    }
}

std::vector<QImage> RenderToImages(const ReportRender& render, int dotsPerInch) {
    std::deque<QImage> pages; // stable addresses while the painter moves on
    pages.push_back(BlankPage(dotsPerInch));
    QPainter painter(&pages.back());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const PageGeometry geometry{static_cast<double>(dotsPerInch), static_cast<double>(dotsPerInch),
                                kLetterWidth, kLetterHeight};
    PainterCanvas canvas(painter, geometry, [&] {
        painter.end();
        pages.push_back(BlankPage(dotsPerInch));
        return painter.begin(&pages.back());
    });
    render(canvas);
    painter.end();
    return {pages.begin(), pages.end()};
}

} // namespace quarvex::ui
