#include "shell/ShutDown.h"

#include "framework/buffer/ErrorText.h"
#include "shell/Launcher.h"

namespace quarvex::shell {

std::optional<std::string> ShutDownApplication(framework::RegIni& store,
                                               const ApplicationOptions& options,
                                               framework::WindowPosition mainWindowPosition,
                                               Launcher& launcher) {
    std::optional<std::string> failure;
    try {
        WriteApplicationOptions(store, options,
                                options.window.savePositions ? std::optional(mainWindowPosition)
                                                             : std::nullopt);
    } catch (const std::exception& error) {
        failure = framework::ErrorText(error);
    }
    launcher.CloseAll();
    return failure;
}

} // namespace quarvex::shell
