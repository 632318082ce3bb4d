#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quarvex::ui {

// The core keeps text in UTF-8 std::string; Qt in QString.
QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// Lines of a core text as Qt shows them: the core separates lines with "\r" (message boxes)
// or "\r\n" (copied results); Qt and the Linux desktop expect "\n".
QString WithNewlines(std::string_view text);

} // namespace quarvex::ui
