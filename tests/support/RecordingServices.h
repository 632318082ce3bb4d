#pragma once

#include "platform/Clipboard.h"
#include "platform/Help.h"
#include "platform/Printing.h"
#include "support/RecordingCanvas.h"

#include <string>
#include <vector>

namespace quarvex::testing {

class RecordingClipboard : public Clipboard {
public:
    std::vector<std::string> texts;
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::string Last() const { return texts.empty() ? std::string() : texts.back(); }
};

class RecordingHelp : public Help {
public:
    std::vector<int> contexts;
    void ShowContext(int context) override { contexts.push_back(context); }
};

// Runs every print job on a recording canvas, or cancels them all.
class RecordingPrinting : public Printing {
public:
    bool cancel = false;
    std::vector<std::string> titles;
    std::vector<Kind> kinds;
    RecordingCanvas canvas;

    bool Print(const std::string& title, Kind kind,
               const std::function<void(ReportCanvas&)>& render) override {
        titles.push_back(title);
        kinds.push_back(kind);
        if (cancel) {
            return false;
        }
        render(canvas);
        return true;
    }
};

} // namespace quarvex::testing
