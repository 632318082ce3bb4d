#include "shell/StartUp.h"

#include "framework/dates/Calendar.h"
#include "framework/masks/DatePicture.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/settings/SettingsStartup.h"
#include "framework/store/RegIni.h"
#include "platform/Clock.h"

#include <cstdint>

namespace quarvex::shell {

namespace names = option_names;
using framework::RegIni;

namespace {

std::string TodayText(const Clock& clock, std::string_view picture) {
    const dates::CalendarDate today = dates::DayNumberToDMY(clock.Today());
    if (today.year == 0) {
        return {};
    }
    return masks::DatePicture(picture).Format(masks::DateParts{today.day, today.month, today.year});
}

} // namespace

StartUpState StartApplication(const StartUpInputs& inputs) {
    RegIni& store = inputs.store;
    // Everything the start writes goes into the file at once, at the end.
    RegIni::Batch batch(store);
    framework::StartSettingsUnit(store);
    inputs.values.LoadAtStartup(store, inputs.environment, inputs.currentDirectory);

    StartUpState state;
    state.options = ReadApplicationOptions(store);
    store.SetCurSubKey(framework::settings_keys::kRootKey);
    state.runTimesBefore = store.ReadInteger(names::kRunTimes, 0);
    // A count that cannot grow any more stays where it is rather than turning negative.
    if (state.runTimesBefore < 0) {
        state.runTimesBefore = 0;
    }
    if (state.runTimesBefore < INT32_MAX) {
        store.WriteInteger(names::kRunTimes, state.runTimesBefore + 1);
    }
    if (state.FirstStart()) {
        store.WriteText(names::kFirstRunDate, TodayText(inputs.clock, inputs.shortDatePicture));
    }
    state.options.reindexDatabase = store.ReadBoolean(names::kReindexDatabase, false);
    store.WriteBoolean(names::kReindexDatabase, false);
    batch.Commit();
    return state;
}

bool ShowsResolutionNotice(int screenWidth, int runTimesBefore) {
    return screenWidth < kMinimumScreenWidth && runTimesBefore < kResolutionNoticeStarts;
}

std::string ResolutionNoticeText() {
    return "Your monitor is not set to a high enough resolution.\n\n"
           "Please increase resolution for best results.\n\n"
           "The minimum resolution should be " +
           std::to_string(kMinimumScreenWidth) + " x " + std::to_string(kMinimumScreenHeight) +
           "\n\nThis message will not display after " + std::to_string(kResolutionNoticeStarts) +
           " times.";
}

} // namespace quarvex::shell
