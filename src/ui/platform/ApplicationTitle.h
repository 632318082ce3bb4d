#pragma once

namespace quarvex::ui {

// The title of the program: message boxes and the main window carry it.
inline constexpr char kApplicationTitle[] = "Quarvex!, The Financial Calculator";

} // namespace quarvex::ui
