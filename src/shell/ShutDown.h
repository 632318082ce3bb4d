#pragma once

#include "framework/buffer/CalculatorController.h"
#include "shell/ApplicationOptions.h"

#include <optional>
#include <string>

namespace quarvex::framework {
class RegIni;
}

namespace quarvex::shell {

class Launcher;

// The main window's close, in order:
//  1. the options, the report font, the reindex request and, when "Save Positions" is on,
//     the main window's position are written to the program's key;
//  2. every calculator window still open is closed with its normal close handling, so that
//     it stores its last entries and its position just as when the user closes it.
// A failure to write step 1 does not stop step 2; its message is returned for the front end
// to show.
std::optional<std::string> ShutDownApplication(framework::RegIni& store,
                                               const ApplicationOptions& options,
                                               framework::WindowPosition mainWindowPosition,
                                               Launcher& launcher);

} // namespace quarvex::shell
