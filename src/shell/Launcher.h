#pragma once

#include "framework/buffer/CalculatorController.h"
#include "framework/buffer/CalculatorFamily.h"
#include "shell/LaunchedWindow.h"
#include "shell/LauncherTable.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex {
class Help;
}

namespace quarvex::framework {
struct BufferContext;
}

namespace quarvex::calculators {
struct CalculatorEntry;
}

namespace quarvex::shell {

// Makes the (hidden) window of a calculator around its controller. May throw: the launch
// then fails and the controller goes with the window.
using WindowMaker = std::function<std::unique_ptr<LaunchedWindow>(
    const LauncherEntry& entry, std::unique_ptr<framework::CalculatorController> controller)>;

enum class LaunchResult {
    Opened,
    AllTaken,    // every window this calculator allows is open: nothing happens
    Unavailable, // the calculator is not built yet
    Failed,      // making the window failed; the front end beeps twice
};

// A line of the Windows menu.
struct OpenWindowItem {
    std::string caption; // "Loan Calculator 1"
    std::string_view stem;
    int instance = 0;
};

// The calculators' instance slots. Each built calculator has a family of numbered slots
// (two windows at most); launching takes the first free one, gives the window a buffer of
// its own, and lists the window in opening order for the Windows menu.
class Launcher {
public:
    Launcher(framework::BufferContext& context, Help& help,
             const framework::WindowOptions& windowOptions, WindowMaker maker);
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // The launch of a calculator's button and menu item: the first free slot gets a new
    // buffer (never one shared with another window), a controller, a window, its number, and
    // a line in the Windows menu. Only failures to make the window are caught (Failed); the
    // slot then stays free.
    LaunchResult Launch(std::string_view stem);
    // The instance number the last successful launch opened.
    int LastOpenedInstance() const { return lastOpened_; }

    // The front end reports a closed window: its slot is free again and its line leaves the
    // Windows menu. This may destroy the window object: call it last. Unknown windows (those
    // CloseAll is closing) are ignored.
    void WindowClosed(const LaunchedWindow& window);

    // The Windows menu, in opening order.
    std::vector<OpenWindowItem> OpenWindows() const;
    // Brings a listed window forward; false when it is not open.
    bool BringToFront(std::string_view stem, int instance);
    bool IsOpen(std::string_view stem, int instance) const;

    // Shut-down: closes every open window with its normal close handling, so that each stores
    // its last entries and position as if the user had closed it.
    void CloseAll();

    // The family of a built calculator (its slots and shared last calculation); null if none.
    const framework::CalculatorFamily* FamilyOf(std::string_view stem) const;

private:
    struct CalculatorSlots {
        std::string_view stem;
        const calculators::CalculatorEntry* entry;
        framework::CalculatorFamily instances;
    };
    struct Open {
        std::unique_ptr<LaunchedWindow> window;
        std::string caption;
        std::string_view stem;
        int instance;
    };

    CalculatorSlots* FindFamily(std::string_view stem);
    int FreeSlot(const CalculatorSlots& family) const;

    framework::BufferContext& context_;
    Help& help_;
    const framework::WindowOptions& windowOptions_;
    WindowMaker maker_;
    std::vector<std::unique_ptr<CalculatorSlots>> families_;
    std::vector<Open> open_; // in opening order
    int lastOpened_ = 0;
};

} // namespace quarvex::shell
