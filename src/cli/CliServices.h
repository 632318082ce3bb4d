#pragma once

#include "platform/Clipboard.h"
#include "platform/Help.h"
#include "platform/Messages.h"
#include "platform/Printing.h"

#include <ostream>

namespace quarvex::cli {

// Message boxes of a calculation become lines on the error stream; the run goes on.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    MessageResult Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

private:
    std::ostream& err_;
};

// The command line prints its results instead of copying or printing them.
class NoClipboard : public Clipboard {
public:
    void SetText(const std::string&) override {}
};

class NoPrinting : public Printing {
public:
    bool Print(const std::string&, Kind, const std::function<void(ReportCanvas&)>&) override {
        return false;
    }
};

// Message text as lines: each carriage return (alone or before a line feed) a line break.
std::string AsLines(const std::string& text);

} // namespace quarvex::cli
