#pragma once

#include "framework/buffer/CalculatorController.h"
#include "shell/LaunchedWindow.h"
#include "shell/LauncherTable.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace quarvex::ui {

struct UiContext;

// A calculator's top-level window as the launcher handles it. The window owns its controller
// and runs its own close handling; it reports the close through ReportClosed, after which it
// deletes itself. A window that never reported closed (it was never shown, or the launcher
// goes while it is open) is deleted with its handle.
class QtLaunchedWindow : public shell::LaunchedWindow {
public:
    struct Actions {
        std::function<void(int instance)> present; // opens the window in a slot and shows it
        std::function<void()> close;               // closes it as the user would
    };

    QtLaunchedWindow(QWidget* window, Actions actions);
    ~QtLaunchedWindow() override;
    QtLaunchedWindow(const QtLaunchedWindow&) = delete;
    QtLaunchedWindow& operator=(const QtLaunchedWindow&) = delete;

    void Present(int instance) override;
    void BringToFront() override;
    void CloseWithHandling() override;

    // The window ran its close handling. Tells the closed notice, which may destroy this
    // handle: nothing of it is used afterwards.
    void ReportClosed();
    void SetClosedNotice(std::function<void()> notice) { closedNotice_ = std::move(notice); }
    // The connection that reports the close, cut when the handle goes first.
    void SetClosedConnection(QMetaObject::Connection connection) { connection_ = connection; }

    QWidget* Window() const { return window_; }

private:
    QPointer<QWidget> window_;
    Actions actions_;
    std::function<void()> closedNotice_;
    QMetaObject::Connection connection_;
    bool closed_ = false;
};

// Makes the window of a calculator (the registered special window, or the one generated from
// its field table) around its controller, with the handle the launcher keeps.
std::unique_ptr<QtLaunchedWindow>
MakeCalculatorWindowHandle(const shell::LauncherEntry& entry,
                           std::unique_ptr<framework::CalculatorController> controller,
                           UiContext& ui);

// How the main window makes calculator windows; tests give their own.
using CalculatorWindowFactory = std::function<std::unique_ptr<QtLaunchedWindow>(
    const shell::LauncherEntry& entry, std::unique_ptr<framework::CalculatorController> controller,
    UiContext& ui)>;

} // namespace quarvex::ui
