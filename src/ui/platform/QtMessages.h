#pragma once

#include "platform/Messages.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace quarvex::ui {

// The message box a core message becomes: the program's title, the icon and buttons asked
// for, and the text with its "\r" line breaks turned into lines.
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MessageIcon icon,
                                            MessageButtons buttons, QWidget* parent);

// What the core hears back from the button the user pressed (Esc counts as the box's
// Cancel, or No where the box has no Cancel).
MessageResult ToMessageResult(QMessageBox::StandardButton button, MessageButtons buttons);

// Message boxes of the desktop program: application-modal, centred over `parent`, or over the
// active window when no parent is set.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageResult Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace quarvex::ui
