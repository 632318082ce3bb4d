#pragma once

#include <QObject>
#include <QWidget>

#include <chrono>
#include <functional>

namespace quarvex::app {

// Calls `shown` once, just after the window was first put on the screen and painted.
void WhenOnScreen(QWidget& window, std::function<void()> shown);

// The resident memory of this process in kilobytes (VmRSS), or -1 when it cannot be read.
long ResidentKilobytes();

// The time since `start`, in milliseconds.
double MillisecondsSince(std::chrono::steady_clock::time_point start);

} // namespace quarvex::app
