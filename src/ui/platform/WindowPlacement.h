#pragma once

#include <QPoint>

class QWidget;

namespace quarvex::ui {

// Where a window's inside (its client area, without the frame the window manager draws)
// begins. Stored positions are of the inside, so that the frame, unknown until the window is
// shown, cannot shift a window at every reopening.
QPoint ClientPosition(const QWidget* window);

// Puts a window that is not shown yet with its inside at `client`, moved as little as needed
// to lie whole on the screen it would be on (the primary screen when on none).
void PlaceWindow(QWidget* window, QPoint client);

} // namespace quarvex::ui
