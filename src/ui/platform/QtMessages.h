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

// Message boxes of the desktop program: application-modal, each belonging to the window that
// raised it (the running action's MessageOwner, else the window holding the focus, else the
// active window, else `parent`, the main window): centred on it and, for a window other than
// the main window, titled with its caption. Closing the box returns to that window.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageResult Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

    // The window the next message belongs to.
    QWidget* OwnerWindow() const;

private:
    QPointer<QWidget> parent_;
};

} // namespace quarvex::ui
