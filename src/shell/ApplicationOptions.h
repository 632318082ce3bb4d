#pragma once

#include "framework/buffer/CalculatorController.h"
#include "framework/report/ReportFont.h"

#include <optional>
#include <string_view>

namespace quarvex::framework {
class RegIni;
}

namespace quarvex::shell {

// The names under which the main window keeps its options in the program's key.
namespace option_names {
inline constexpr std::string_view kShowHints = "Show hints";
inline constexpr std::string_view kShowButtonHints = "Show button hints";
inline constexpr std::string_view kShowToolbarHints = "Show Toolbar hints";
inline constexpr std::string_view kSavePositions = "Save positions";
inline constexpr std::string_view kRestorePositions = "Restore positions";
inline constexpr std::string_view kColorBackground = "Color background";
inline constexpr std::string_view kFontName = "Font Name";
inline constexpr std::string_view kFontSize = "Font Size";
inline constexpr std::string_view kBold = "fsBold";
inline constexpr std::string_view kItalic = "fsItalic";
inline constexpr std::string_view kUnderline = "fsUnderline";
inline constexpr std::string_view kStrikeOut = "fsStrike Out";
inline constexpr std::string_view kReindexDatabase = "Reindex Database...";
inline constexpr std::string_view kRunTimes = "Run times";
inline constexpr std::string_view kFirstRunDate = "First Run Date";
inline constexpr std::string_view kTips = "Tips";
inline constexpr std::string_view kLeft = "Left";
inline constexpr std::string_view kTop = "Top";
} // namespace option_names

// Report font sizes outside this range are not taken from the store.
inline constexpr int kSmallestFontSize = 4;
inline constexpr int kLargestFontSize = 72;

// The check marks of the Options and Maintenance menus and the report font: read when the
// program starts, changed through the menus, written when the main window closes. The three
// options calculator windows follow live in `window`, which every window reads when it opens
// or closes.
struct ApplicationOptions {
    bool showHints = true;        // "&Show Hints": the schedule grids' hints
    bool showToolbarHints = true; // "Show &Toolbar Hints": the main window's buttons
    bool colorBackground = true;  // "&Color Background"
    framework::WindowOptions window;
    report::ReportFont reportFont;
    bool reindexDatabase = false; // "Reindex Database...": index the database at the next start
};

// Reads the six check marks (default true) and the report font (default Courier New 10, no
// styles) from the program's key. A stored font without a name, or of a size outside 4 to 72,
// keeps the default font. The reindex request is not read here: see StartApplication.
ApplicationOptions ReadApplicationOptions(framework::RegIni& store);

// Writes the six check marks, the report font and the reindex request, and the main window's
// position when one is given, all in one file replacement. Throws ERegIni when the file
// cannot be written.
void WriteApplicationOptions(framework::RegIni& store, const ApplicationOptions& options,
                             std::optional<framework::WindowPosition> mainWindowPosition);

// The main window's stored "Left" and "Top"; nothing unless both are stored as integers.
std::optional<framework::WindowPosition> ReadMainWindowPosition(framework::RegIni& store);

} // namespace quarvex::shell
