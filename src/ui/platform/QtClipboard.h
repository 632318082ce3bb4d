#pragma once

#include "platform/Clipboard.h"

#include <QString>

namespace quarvex::ui {

// The text the desktop clipboard gets for a core text. Copied results end their lines with
// "\r\n"; Linux programs expect "\n" and show a stray '\r' as a box or "^M", so every line
// break becomes "\n".
QString ClipboardText(const std::string& text);

// The system clipboard (QGuiApplication::clipboard), plain text only.
class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override;
};

} // namespace quarvex::ui
