#pragma once

#include "shell/LauncherTable.h"

#include <string_view>

namespace quarvex::ui {

// Whether the launcher's button and menu item of a calculator open a window: the calculator
// is built and the desktop program has its window.
bool Launchable(const shell::LauncherEntry& entry);

// The button's hint: its own, or "Not available yet".
std::string_view LaunchHint(const shell::LauncherEntry& entry);

} // namespace quarvex::ui
