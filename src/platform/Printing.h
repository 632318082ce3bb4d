#pragma once

#include "platform/ReportCanvas.h"

#include <functional>
#include <string>

namespace quarvex {

// Runs a print job. The desktop program asks for the printer (a PDF file works too) and, for
// schedules, offers setup and preview first; `render` draws every page on the canvas.
// Returns false when the user cancelled.
class Printing {
public:
    enum class Kind { ResultPage, Schedule };
    virtual ~Printing() = default;
    virtual bool Print(const std::string& title, Kind kind,
                       const std::function<void(ReportCanvas&)>& render) = 0;
};

} // namespace quarvex
