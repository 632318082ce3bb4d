#pragma once

#include <string>

namespace quarvex {

enum class TabJustify { Left, Right, Center };

// Where a report is drawn, measured in inches from the top left of the page. Text lines are
// laid out by a line cursor that moves down one line height (6 lines an inch unless a report
// changes it); tabs position the parts of a tab-separated line.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    virtual void SetFont(const std::string& name, int pointSize) = 0;
    virtual void SetBold(bool on) = 0;
    virtual void SetUnderline(bool on) = 0;

    virtual void ClearTabs() = 0;
    // A tab at `x` inches, `width` inches wide, keeping `margin` hundredths of an inch clear
    // inside each side; a negative x places it directly after the previous tab.
    virtual void SetTab(double x, TabJustify justify, double width, double margin) = 0;

    virtual void GotoY(double inches) = 0;
    virtual double CursorY() const = 0;
    virtual double PageHeight() const = 0;
    // Lines that still fit below the cursor on this page.
    virtual int LinesLeft() const = 0;

    virtual void PrintCenter(const std::string& text, double x) = 0;
    virtual void PrintLeft(const std::string& text, double x) = 0;
    virtual void PrintRight(const std::string& text, double x) = 0;
    // Prints the parts of a '\t'-separated line in the tabs (the text before the first tab
    // starts at the left margin), then moves down one line.
    virtual void PrintTabLine(const std::string& line) = 0;
    virtual void NewLine() = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;

    virtual void NewPage() = 0;
    virtual int PageNumber() const = 0;
};

} // namespace quarvex
