#pragma once

#include "platform/ReportCanvas.h"

#include <string>
#include <vector>

namespace quarvex::testing {

// A report canvas that remembers what was drawn where, as lines of text a test can read.
class RecordingCanvas : public ReportCanvas {
public:
    struct Tab {
        double x;
        TabJustify justify;
        double width;
        double margin;
    };
    struct Printed {
        std::string text;
        double x; // the anchor: left edge, right edge or centre
        double y;
        std::string how; // "left", "right", "center", "tabs"
        bool bold;
    };

    std::string fontName;
    int fontSize = 0;
    std::vector<Tab> tabs;
    std::vector<Printed> printed;
    int pages = 1;

    void SetFont(const std::string& name, int pointSize) override {
        fontName = name;
        fontSize = pointSize;
    }
    void SetBold(bool on) override { bold_ = on; }
    void SetUnderline(bool) override {}
    void ClearTabs() override { tabs.clear(); }
    void SetTab(double x, TabJustify justify, double width, double margin) override {
        if (x < 0) {
            x = tabs.empty() ? 0 : tabs.back().x + tabs.back().width;
        }
        tabs.push_back({x, justify, width, margin});
    }
    void GotoY(double inches) override { y_ = inches; }
    double CursorY() const override { return y_; }
    double PageHeight() const override { return 11; }
    int LinesLeft() const override { return static_cast<int>((PageHeight() - y_) * 6); }
    void PrintCenter(const std::string& text, double x) override {
        printed.push_back({text, x, y_, "center", bold_});
    }
    void PrintLeft(const std::string& text, double x) override {
        printed.push_back({text, x, y_, "left", bold_});
    }
    void PrintRight(const std::string& text, double x) override {
        printed.push_back({text, x, y_, "right", bold_});
    }
    void PrintTabLine(const std::string& line) override {
        printed.push_back({line, 0, y_, "tabs", bold_});
        NewLine();
    }
    void NewLine() override { y_ += 1.0 / 6; }
    void DrawLine(double, double, double, double) override {}
    void NewPage() override {
        ++pages;
        y_ = 0;
    }
    int PageNumber() const override { return pages; }

private:
    double y_ = 0;
    bool bold_ = false;
};

} // namespace quarvex::testing
