#include "ui/shell/QtLaunchedWindow.h"

#include "ui/framework/CalculatorWindow.h"

namespace quarvex::ui {

QtLaunchedWindow::QtLaunchedWindow(QWidget* window, Actions actions)
    : window_(window), actions_(std::move(actions)) {}

QtLaunchedWindow::~QtLaunchedWindow() {
    QObject::disconnect(connection_);
    if (window_ && !closed_) {
        delete window_.data();
    }
}

void QtLaunchedWindow::Present(int instance) {
    if (actions_.present) {
        actions_.present(instance);
    }
}

void QtLaunchedWindow::BringToFront() {
    if (!window_) {
        return;
    }
    if (window_->isMinimized()) {
        window_->showNormal();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtLaunchedWindow::CloseWithHandling() {
    if (window_ && !closed_ && actions_.close) {
        actions_.close();
    }
}

void QtLaunchedWindow::ReportClosed() {
    closed_ = true;
    const auto notice = closedNotice_;
    if (notice) {
        notice();
    }
}

std::unique_ptr<QtLaunchedWindow>
MakeCalculatorWindowHandle(const shell::LauncherEntry& entry,
                           std::unique_ptr<framework::CalculatorController> controller,
                           UiContext& ui) {
    CalculatorWindow* window = MakeCalculatorWindow(entry.stem, std::move(controller), ui);
    auto handle = std::make_unique<QtLaunchedWindow>(
        window,
        QtLaunchedWindow::Actions{[window](int instance) { window->ShowInstance(instance); },
                                  [window] {
                                      window->CloseWindow();
                                  }});
    QtLaunchedWindow* reported = handle.get();
    handle->SetClosedConnection(QObject::connect(window, &CalculatorWindow::Closed, window,
                                                 [reported] { reported->ReportClosed(); }));
    return handle;
}

} // namespace quarvex::ui
