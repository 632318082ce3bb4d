#pragma once

#include <QPointer>
#include <QWidget>

namespace quarvex::ui {

// The window whose action is running: a message shown meanwhile belongs to it (centred on
// it, titled with its caption, and focus returns to it). Owners nest; the innermost wins.
class MessageOwner {
public:
    explicit MessageOwner(QWidget* window);
    ~MessageOwner();
    MessageOwner(const MessageOwner&) = delete;
    MessageOwner& operator=(const MessageOwner&) = delete;

    // The window of the innermost running action, or null outside one.
    static QWidget* Current();

private:
    QPointer<QWidget> previous_;
};

} // namespace quarvex::ui
