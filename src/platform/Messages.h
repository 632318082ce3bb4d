#pragma once

#include <string>

namespace quarvex {

enum class MessageIcon { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

// Message boxes as the core sees them. The desktop program shows a dialog, the command
// line prints to stderr, tests record the calls. Text lines are separated by '\r'.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageResult Show(const std::string& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

} // namespace quarvex
