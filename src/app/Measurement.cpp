#include "app/Measurement.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <fstream>
#include <sstream>
#include <string>

namespace quarvex::app {

namespace {

// Watches a window's native surface for its first exposure.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow& window, std::function<void()> shown)
        : QObject(&window), window_(window), shown_(std::move(shown)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Expose && window_.isExposed() &&
            shown_) {
            // The exposure is painted while it is handled: report once that is over.
            QTimer::singleShot(0, &window_, std::exchange(shown_, nullptr));
        }
        return false;
    }

private:
    QWindow& window_;
    std::function<void()> shown_;
};

} // namespace

void WhenOnScreen(QWidget& window, std::function<void()> shown) {
    window.winId(); // makes the native window, so that there is something to watch
    new ExposeWatcher(*window.windowHandle(), std::move(shown));
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kilobytes = -1;
            fields >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace quarvex::app
