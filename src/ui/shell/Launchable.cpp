#include "ui/shell/Launchable.h"

#include "ui/calculators/CalculatorWindows.h"

namespace quarvex::ui {

bool Launchable(const shell::LauncherEntry& entry) {
    return shell::IsAvailable(entry) && HasCalculatorWindow(entry.stem);
}

std::string_view LaunchHint(const shell::LauncherEntry& entry) {
    return Launchable(entry) ? entry.hint : shell::kNotAvailableHint;
}

} // namespace quarvex::ui
