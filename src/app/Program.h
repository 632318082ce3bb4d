#pragma once

#include "framework/buffer/BufferContext.h"
#include "framework/dates/SystemClock.h"
#include "framework/masks/TMasks.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "shell/ApplicationOptions.h"
#include "shell/StartUp.h"
#include "ui/platform/QtClipboard.h"
#include "ui/platform/QtFileDialogs.h"
#include "ui/platform/QtHelp.h"
#include "ui/platform/QtMessages.h"
#include "ui/platform/QtPrinting.h"
#include "ui/platform/UiContext.h"
#include "ui/shell/MainWindow.h"

#include <memory>

namespace quarvex::app {

// One run of the desktop program: the settings store, the services, the values the run
// shares, and the main window. Everything is made in the order the program starts.
class Program {
public:
    // `printing` replaces the printer (the screenshots print into pictures); null for the
    // real one. Throws ERegIni when no settings file can be found.
    explicit Program(Printing* printing = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up, in order: the settings (a store of another layout is cleared), the
    // application values and options, the start counter; the notice about a damaged
    // settings file that was set aside, and the low-resolution notice; the database indexing
    // when due; the display lists; the main window, shown. Throws what the settings store
    // throws when the settings file cannot be written.
    void Start();

    ui::MainWindow& Window() { return *window_; }
    ui::UiContext& Ui() { return ui_; }
    const shell::StartUpState& State() const { return state_; }

private:
    void ShowStartNotices();
    void IndexDatabaseIfDue();

    framework::EnvironmentLookup environment_;
    masks::TMasks masks_;
    masks::NumberConventions conventions_;
    framework::RegIni store_;
    framework::ApplicationValues values_;
    shell::ApplicationOptions options_;
    shell::StartUpState state_;
    dates::SystemClock clock_;
    ui::QtMessages messages_;
    ui::QtClipboard clipboard_;
    ui::QtPrinting printing_;
    ui::QtFileDialogs fileDialogs_;
    std::unique_ptr<ui::QtHelp> help_;
    framework::BufferContext context_;
    ui::UiContext ui_;
    std::unique_ptr<ui::MainWindow> window_;
};

} // namespace quarvex::app
