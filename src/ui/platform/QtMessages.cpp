#include "ui/platform/QtMessages.h"

#include "ui/platform/ApplicationTitle.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtText.h"

#include <QApplication>

namespace quarvex::ui {

namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MessageIcon icon,
                                            MessageButtons buttons, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(ToIcon(icon), QString::fromUtf8(kApplicationTitle),
                                             WithNewlines(text), ToButtons(buttons), parent);
    // Engine texts are plain; a '<' in one must not start markup.
    box->setTextFormat(Qt::PlainText);
    switch (buttons) {
    case MessageButtons::Ok:
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box->setEscapeButton(QMessageBox::No);
        break;
    }
    return box;
}

MessageResult ToMessageResult(QMessageBox::StandardButton button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    default:
        // A box closed some other way answers as its escape button would.
        if (buttons == MessageButtons::Ok) {
            return MessageResult::Ok;
        }
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Cancel;
    }
}

QWidget* QtMessages::OwnerWindow() const {
    // A window that is still opening (its last entries being read) has no place yet.
    if (QWidget* owner = MessageOwner::Current(); owner != nullptr && owner->isVisible()) {
        return owner;
    }
    if (const QWidget* focus = QApplication::focusWidget()) {
        return focus->window();
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return parent_.data();
}

MessageResult QtMessages::Show(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    QWidget* owner = OwnerWindow();
    const auto box = MakeMessageBox(text, icon, buttons, owner);
    // A calculator's message carries its caption: the program's long title would be cut short
    // on a narrow box.
    if (owner != nullptr && owner != parent_.data() && !owner->windowTitle().isEmpty()) {
        box->setWindowTitle(owner->windowTitle());
    }
    // Every window waits for the answer, as the core's caller does.
    box->setWindowModality(Qt::ApplicationModal);
    const int pressed = box->exec();
    // The answer given, the window the message belongs to is the one in front again, with
    // the keyboard, whatever the window manager makes of the box going away.
    if (owner != nullptr && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
    return ToMessageResult(static_cast<QMessageBox::StandardButton>(pressed), buttons);
}

} // namespace quarvex::ui
