#include "ui/platform/QtClipboard.h"

#include "ui/platform/QtText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quarvex::ui {

QString ClipboardText(const std::string& text) {
    return WithNewlines(text);
}

void QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ClipboardText(text), QClipboard::Clipboard);
}

} // namespace quarvex::ui
