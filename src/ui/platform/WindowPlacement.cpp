#include "ui/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quarvex::ui {

QPoint ClientPosition(const QWidget* window) {
    return window->geometry().topLeft();
}

void PlaceWindow(QWidget* window, QPoint client) {
    window->adjustSize();
    const QSize size = window->size();
    const QScreen* screen = QGuiApplication::screenAt(client);
    if (screen == nullptr) {
        screen = QGuiApplication::screenAt(client + QPoint(size.width(), size.height()));
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        client.setX(std::clamp(client.x(), available.left(),
                               std::max(available.left(), available.right() + 1 - size.width())));
        client.setY(std::clamp(client.y(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - size.height())));
    }
    window->setGeometry(QRect(client, size));
}

} // namespace quarvex::ui
