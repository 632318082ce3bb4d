#pragma once

namespace quarvex::shell {

// A calculator window as the launcher sees it. The front end makes it (hidden) around the
// window's controller, and the launcher presents it in a free instance slot. When the window
// has closed, whichever way, the front end tells the launcher with Launcher::WindowClosed.
class LaunchedWindow {
public:
    virtual ~LaunchedWindow() = default;

    // Opens the window in instance slot `instance`: its controller's ShowInstance (caption
    // "<name> <instance>", the opening counted), the stored position when "Restore
    // Positions" is on, then the window is shown.
    virtual void Present(int instance) = 0;
    // The Windows menu item: brings the window forward.
    virtual void BringToFront() = 0;
    // Closes the window as the user would: its last entries and position are stored.
    virtual void CloseWithHandling() = 0;
};

} // namespace quarvex::shell
