#pragma once

#include "platform/ReportCanvas.h"

#include <QFont>

#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace quarvex::ui {

// The page a canvas draws on: its resolution and its paper size.
struct PageGeometry {
    double dotsPerInchX = 1200;
    double dotsPerInchY = 1200;
    double widthInches = 8.5;
    double heightInches = 11;
};

// A report canvas over a QPainter. Positions are inches from the paper's top left corner
// (reports set no margins); the painter's origin must be that corner. The cursor is the top
// of the current text line: text stands on a baseline one font ascent below it, and a line
// is 1/6 inch high (6 lines an inch).
class PainterCanvas : public ReportCanvas {
public:
    // `newPage` starts the next sheet on the device; it returns false when it cannot.
    PainterCanvas(QPainter& painter, PageGeometry page, std::function<bool()> newPage);
    // A printer or PDF writer: its resolution and paper, its own newPage.
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device);

    static constexpr double kLinesPerInch = 6;

    void SetFont(const std::string& name, int pointSize) override;
    void SetBold(bool on) override;
    void SetUnderline(bool on) override;

    void ClearTabs() override { tabs_.clear(); }
    void SetTab(double x, TabJustify justify, double width, double margin) override;

    void GotoY(double inches) override { y_ = inches; }
    double CursorY() const override { return y_; }
    double PageHeight() const override { return page_.heightInches; }
    int LinesLeft() const override;

    void PrintCenter(const std::string& text, double x) override;
    void PrintLeft(const std::string& text, double x) override;
    void PrintRight(const std::string& text, double x) override;
    void PrintTabLine(const std::string& line) override;
    void NewLine() override { y_ += 1 / kLinesPerInch; }
    void DrawLine(double x1, double y1, double x2, double y2) override;

    void NewPage() override;
    int PageNumber() const override { return pageNumber_; }

    // The width in inches of a text in the current font.
    double TextWidth(const std::string& text) const;

private:
    struct Tab {
        double x;
        TabJustify justify;
        double width;
        double margin; // inches
    };

    void ApplyFont();
    void DrawAt(const std::string& text, double left);
    void PrintInTab(const std::string& text, const Tab& tab);

    QPainter& painter_;
    PageGeometry page_;
    std::function<bool()> newPage_;
    double left_ = 0; // where the report's left edge lies on the paper, in inches
    QFont font_;
    int pointSize_ = 10;
    std::vector<Tab> tabs_;
    double y_ = 0;
    int pageNumber_ = 1;
};

// The geometry of a printer or PDF writer as its painter sees it.
PageGeometry GeometryOf(const QPagedPaintDevice& device);

} // namespace quarvex::ui
