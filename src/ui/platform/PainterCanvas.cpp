#include "ui/platform/PainterCanvas.h"

#include "framework/report/ResultPage.h"

#include "ui/platform/PrintErrors.h"
#include "ui/platform/QtText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace quarvex::ui {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kLineWidthInches = 0.01;

} // namespace

PageGeometry GeometryOf(const QPagedPaintDevice& device) {
    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Inch).size();
    return {static_cast<double>(device.logicalDpiX()), static_cast<double>(device.logicalDpiY()),
            paper.width(), paper.height()};
}

PainterCanvas::PainterCanvas(QPainter& painter, PageGeometry page, std::function<bool()> newPage)
    : painter_(painter), page_(page), newPage_(std::move(newPage)),
      // Reports are laid out on a sheet of report::PageWidth; on other paper that layout
      // stands in the middle of the sheet used.
      left_((page.widthInches - report::PageWidth) / 2) {
    SetFont("Courier New", 10);
}

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device)
    : PainterCanvas(painter, GeometryOf(device), [&device] { return device.newPage(); }) {}

void PainterCanvas::SetFont(const std::string& name, int pointSize) {
    const bool bold = font_.bold();
    const bool underline = font_.underline();
    font_ = QFont(ToQString(name));
    // A typewriter face stands in for a Courier the system lacks, so columns stay even.
    if (font_.family().contains(QLatin1String("courier"), Qt::CaseInsensitive) ||
        font_.family().contains(QLatin1String("mono"), Qt::CaseInsensitive)) {
        font_.setStyleHint(QFont::TypeWriter);
    }
    font_.setBold(bold);
    font_.setUnderline(underline);
    pointSize_ = pointSize > 0 ? pointSize : 10;
    ApplyFont();
}

void PainterCanvas::SetBold(bool on) {
    font_.setBold(on);
    ApplyFont();
}

void PainterCanvas::SetUnderline(bool on) {
    font_.setUnderline(on);
    ApplyFont();
}

void PainterCanvas::ApplyFont() {
    // Sized in the device's own pixels, so a point is 1/72 inch on any printer or image.
    font_.setPixelSize(std::max(
        1, static_cast<int>(std::lround(pointSize_ * page_.dotsPerInchY / kPointsPerInch))));
    painter_.setFont(font_);
}

void PainterCanvas::SetTab(double x, TabJustify justify, double width, double margin) {
    if (x < 0) {
        x = tabs_.empty() ? 0 : tabs_.back().x + tabs_.back().width;
    }
    tabs_.push_back({x, justify, width, margin / 100});
}

int PainterCanvas::LinesLeft() const {
    const double lines = (page_.heightInches - y_) * kLinesPerInch;
    return lines <= 0 ? 0 : static_cast<int>(std::floor(lines + 1e-9));
}

double PainterCanvas::TextWidth(const std::string& text) const {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return metrics.horizontalAdvance(ToQString(text)) / page_.dotsPerInchX;
}

void PainterCanvas::DrawAt(const std::string& text, double left) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double baseline = y_ * page_.dotsPerInchY + metrics.ascent();
    painter_.drawText(QPointF((left_ + left) * page_.dotsPerInchX, baseline), ToQString(text));
}

void PainterCanvas::PrintLeft(const std::string& text, double x) {
    DrawAt(text, x);
}

void PainterCanvas::PrintRight(const std::string& text, double x) {
    DrawAt(text, x - TextWidth(text));
}

void PainterCanvas::PrintCenter(const std::string& text, double x) {
    DrawAt(text, x - TextWidth(text) / 2);
}

void PainterCanvas::PrintInTab(const std::string& text, const Tab& tab) {
    switch (tab.justify) {
    case TabJustify::Left:
        PrintLeft(text, tab.x + tab.margin);
        break;
    case TabJustify::Right:
        PrintRight(text, tab.x + tab.width - tab.margin);
        break;
    case TabJustify::Center:
        PrintCenter(text, tab.x + tab.width / 2);
        break;
    }
}

void PainterCanvas::PrintTabLine(const std::string& line) {
    std::size_t start = 0;
    std::size_t part = 0;
    double end = 0; // where the text printed so far ends, for parts beyond the last tab
    while (true) {
        const auto tab = line.find('\t', start);
        const std::string text = line.substr(start, tab == std::string::npos ? tab : tab - start);
        if (part == 0) {
            if (!text.empty()) {
                PrintLeft(text, 0);
                end = TextWidth(text);
            }
        } else if (part - 1 < tabs_.size()) {
            PrintInTab(text, tabs_[part - 1]);
            end = tabs_[part - 1].x + tabs_[part - 1].width;
        } else if (!text.empty()) {
            PrintLeft(text, end);
            end += TextWidth(text);
        }
        if (tab == std::string::npos) {
            break;
        }
        start = tab + 1;
        ++part;
    }
    NewLine();
}

void PainterCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    painter_.save();
    QPen pen(Qt::black);
    pen.setWidthF(kLineWidthInches * page_.dotsPerInchX);
    painter_.setPen(pen);
    painter_.drawLine(QPointF((left_ + x1) * page_.dotsPerInchX, y1 * page_.dotsPerInchY),
                      QPointF((left_ + x2) * page_.dotsPerInchX, y2 * page_.dotsPerInchY));
    painter_.restore();
}

void PainterCanvas::NewPage() {
    if (newPage_ && !newPage_()) {
        throw EPrinting("The printer could not start a new page.");
    }
    ++pageNumber_;
    y_ = 0;
    // A new page may come with a fresh painter state.
    painter_.setFont(font_);
}

} // namespace quarvex::ui
