#include "ui/platform/MessageOwner.h"

namespace quarvex::ui {

namespace {

// Everything runs on the user-interface thread.
QPointer<QWidget>& CurrentOwner() {
    static QPointer<QWidget> owner;
    return owner;
}

} // namespace

MessageOwner::MessageOwner(QWidget* window) : previous_(CurrentOwner()) {
    CurrentOwner() = window != nullptr ? window->window() : nullptr;
}

MessageOwner::~MessageOwner() {
    CurrentOwner() = previous_;
}

QWidget* MessageOwner::Current() {
    return CurrentOwner().data();
}

} // namespace quarvex::ui
