#pragma once

#include "framework/store/Environment.h"
#include "shell/ApplicationOptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quarvex {
class Clock;
}

namespace quarvex::framework {
class ApplicationValues;
class RegIni;
} // namespace quarvex::framework

namespace quarvex::shell {

// What the program's start needs from outside, so that tests fix all of it.
struct StartUpInputs {
    framework::RegIni& store;
    framework::ApplicationValues& values;
    const Clock& clock;
    framework::EnvironmentLookup environment;
    std::filesystem::path currentDirectory;
    // The user's short date picture ("mm/dd/yyyy", "dd.mm.yyyy"): how "First Run Date" is
    // written.
    std::string shortDatePicture;
};

struct StartUpState {
    ApplicationOptions options; // reindexDatabase is the request read, already cleared in store
    int runTimesBefore = 0;     // "Run times" as this start found it; 0 on the first start
    bool FirstStart() const { return runTimesBefore == 0; }
    // The database is indexed at this start: on the first start, or when asked for at exit.
    bool IndexingDue() const { return FirstStart() || options.reindexDatabase; }
};

// The program's start, before any window, in this order:
//  1. the settings unit: a store of another layout stamp is cleared ("Prepared By:" kept);
//  2. the application values: default data folder, "Data Path:", "Prepared By:", the
//     twice-monthly days;
//  3. the six option check marks and the report font;
//  4. "Run times" read and written back plus 1;
//  5. on the first start (a count of 0), "First Run Date" as today in the short date picture;
//  6. the reindex request read, and stored as false at once, so that a start that fails while
//     indexing does not try again.
// All of it is one file replacement. Throws ERegIni when the settings file cannot be written.
StartUpState StartApplication(const StartUpInputs& inputs);

// The low-resolution notice shows while the screen is narrower than 800 pixels, during the
// first five starts ("Run times" as the start found it, below 5).
inline constexpr int kMinimumScreenWidth = 800;
inline constexpr int kMinimumScreenHeight = 600;
inline constexpr int kResolutionNoticeStarts = 5;
bool ShowsResolutionNotice(int screenWidth, int runTimesBefore);
std::string ResolutionNoticeText();

} // namespace quarvex::shell
