#include "ui/framework/GuardedCall.h"

#include "framework/buffer/ErrorText.h"
#include "platform/Messages.h"

#include <QtGlobal>

namespace quarvex::ui {

namespace {

void Report(Messages& messages, const std::string& text,
            MessageIcon icon = MessageIcon::Error) noexcept {
    try {
        messages.Show(text, icon, MessageButtons::Ok);
    } catch (...) {
        // Not even a message box could be shown; the log is all that is left.
        qWarning("Quarvex!: %s", text.c_str());
    }
}

} // namespace

void RunGuarded(Messages& messages, const std::function<void()>& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        std::string text;
        try {
            text = framework::ErrorText(error);
        } catch (...) {
            text = "An unexpected error occurred.";
        }
        Report(messages, text, framework::ErrorIcon(error));
    } catch (...) {
        Report(messages, "An unexpected error occurred.");
    }
}

} // namespace quarvex::ui
