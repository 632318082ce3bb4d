#pragma once

#include "framework/buffer/BufferContext.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/SystemClock.h"
#include "framework/masks/NumberConventions.h"
#include "framework/report/ReportFont.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "support/RecordingMessages.h"
#include "support/RecordingServices.h"
#include "support/TempDirectory.h"

namespace quarvex::testing {

// Everything a calculator buffer needs, with a settings file of its own in a fresh folder,
// United States number conventions, today fixed at 15 March 2021 and a data folder of its own.
struct BufferFixture {
    TempDirectory folder;
    framework::RegIni store{folder / "settings.ini"};
    RecordingMessages messages;
    RecordingClipboard clipboard;
    RecordingPrinting printing;
    RecordingHelp help;
    dates::FixedClock clock{dates::DMYToDayNumber(15, 3, 2021)};
    masks::NumberConventions conventions;
    report::ReportFont font;
    framework::ApplicationValues application = [this] {
        framework::ApplicationValues values;
        values.SetDefaultDataFolder((folder.Path() / "data").string() + "/");
        return values;
    }();
    framework::BufferContext context{store, messages,    clipboard, printing,
                                     clock, conventions, font,      application};

    // A second view of the same settings file, as another run of the program sees it.
    framework::RegIni Reopen() const { return framework::RegIni(folder / "settings.ini"); }
};

} // namespace quarvex::testing
