#pragma once

#include "framework/settings/ApplicationValues.h"
#include "shell/ApplicationOptions.h"
#include "ui/dialogs/UiFixture.h"
#include "ui/platform/QtText.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/QtLaunchedWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>

namespace quarvex::testing {

// A small calculator window standing in for the real ones: it opens through its controller
// and runs the controller's close handling when it closes, as every calculator window does.
class StandInWindow : public QWidget {
public:
    explicit StandInWindow(std::unique_ptr<framework::CalculatorController> controller)
        : controller_(std::move(controller)) {
        resize(200, 100);
    }

    void Open(int instance) {
        controller_->ShowInstance(instance);
        controller_->Show();
        setWindowTitle(ui::ToQString(controller_->Caption()));
        if (const auto position = controller_->StoredPosition()) {
            move(position->left, position->top);
        }
        show();
    }

    framework::CalculatorController& Controller() { return *controller_; }
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (!closed_) {
            closed_ = true;
            controller_->Close({x(), y()});
            if (onClosed) {
                onClosed();
            }
            deleteLater();
        }
        event->accept();
    }

private:
    std::unique_ptr<framework::CalculatorController> controller_;
    bool closed_ = false;
};

// The main window's surroundings: recording services, a settings file of its own, and the
// options the window edits.
struct ShellFixture : BufferFixture {
    RecordingFileDialogs fileDialogs;
    shell::ApplicationOptions options;
    masks::TMasks masks;
    ui::UiContext ui{context, help, fileDialogs, options.window, masks};
    framework::ApplicationValues values;
    std::vector<StandInWindow*> windows; // as made; closed ones are deleted later
    bool failNextWindow = false;

    ui::CalculatorWindowFactory StandIns() {
        return [this](const shell::LauncherEntry&,
                      std::unique_ptr<framework::CalculatorController> controller,
                      ui::UiContext&) -> std::unique_ptr<ui::QtLaunchedWindow> {
            if (failNextWindow) {
                failNextWindow = false;
                throw std::runtime_error("no window today");
            }
            auto* window = new StandInWindow(std::move(controller));
            windows.push_back(window);
            auto handle = std::make_unique<ui::QtLaunchedWindow>(
                window, ui::QtLaunchedWindow::Actions{[window](int n) { window->Open(n); },
                                                      [window] {
                                                          window->close();
                                                      }});
            ui::QtLaunchedWindow* reported = handle.get();
            window->onClosed = [reported] {
                reported->ReportClosed();
            };
            return handle;
        };
    }

    ui::ShellContext Shell() { return ui::ShellContext{ui, values, options}; }

    // Deletes the windows that closed and asked to go.
    static void FlushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace quarvex::testing
